#include "TableCommands.h"

#include "AtomicFile.h"
#include "Canvas.h"
#include "Dialogs.h"
#include "Palette.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>

namespace crescendar {

ClickRegion* AddTextCommand(QWidget* parent, const char* name, const QString& text,
                            const QString& hint, std::function<void()> action) {
    auto* c = new ClickRegion(parent);
    c->setObjectName(QLatin1String(name));
    c->SetFontName(QStringLiteral("Arial"));
    c->SetFontSize(ScaledFontSize(8));
    c->SetFontBold(true);
    c->SetFontColor(palette::StandardText);
    c->SetAutoSize(true);
    c->SetText(text);
    c->SetHint(hint);
    c->setCursor(Qt::PointingHandCursor);
    QObject::connect(c, &ClickRegion::Clicked, c, [action = std::move(action)](Qt::MouseButton b) {
        if (b == Qt::LeftButton) action();
    });
    return c;
}

void CopyTable(const TTable& table) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdString(TabText(table)));
}

bool WriteTextFile(const QString& path, const std::string& text, QString* error) {
    AtomicFile file(path);
    const auto size = static_cast<qint64>(text.size());
    if (!file.Open() || file.write(text.data(), size) != size || !file.Commit()) {
        if (error) *error = file.Error();
        return false;
    }
    return true;
}

bool SaveTableAsCsv(QWidget* parent, QString& folder, const QString& name, const QString& what,
                    const TTable& table) {
    const QString path =
        SaveFileName(parent, folder, name, QStringLiteral("Comma-separated values (*.csv *.CSV)"));
    if (path.isEmpty()) return false;
    folder = QFileInfo(path).absolutePath();
    QString error;
    if (!WriteTextFile(path, CsvText(table), &error)) {
        ShowWarning(QStringLiteral("%1 was not saved: %2.").arg(what, error), parent);
        return false;
    }
    return true;
}

namespace {

bool IsControlKey(const QKeyEvent* e, int key) {
    const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
    return e->key() == key && m == Qt::ControlModifier;
}

} // namespace

bool IsCopyKey(const QKeyEvent* e) {
    return IsControlKey(e, Qt::Key_C);
}

bool IsSaveKey(const QKeyEvent* e) {
    return IsControlKey(e, Qt::Key_S);
}

} // namespace crescendar
