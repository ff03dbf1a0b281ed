#include "TableCommands.h"

#include "AtomicFile.h"
#include "Canvas.h"
#include "Command.h"
#include "Dialogs.h"
#include "Palette.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

namespace crescendar {

ClickRegion* AddTextCommand(QWidget* parent, const char* name, const QString& text,
                            QAction* command) {
    auto* c = new ClickRegion(parent);
    c->setObjectName(QLatin1String(name));
    c->SetFontName(QStringLiteral("Arial"));
    c->SetFontSize(ScaledFontSize(8));
    c->SetFontBold(true);
    c->SetFontColor(palette::StandardText);
    c->SetAutoSize(true);
    c->SetText(text);
    c->setCursor(Qt::PointingHandCursor);
    OfferCommand(c, command);
    return c;
}

QAction* MakeCopyCommand(QWidget* window, const QString& hint, std::function<void()> handler) {
    return MakeCommand(window, "actCopy", QCoreApplication::translate("Command", "Copy"),
                       {QKeySequence(Qt::CTRL | Qt::Key_C)}, hint, std::move(handler));
}

QAction* MakeSaveCommand(QWidget* window, const QString& hint, std::function<void()> handler) {
    return MakeCommand(window, "actSave", QCoreApplication::translate("Command", "Save"),
                       {QKeySequence(Qt::CTRL | Qt::Key_S)}, hint, std::move(handler));
}

QList<QStringList> TableRows(const TTable& table) {
    QList<QStringList> rows;
    for (const std::vector<std::string>& row : table) {
        QStringList cells;
        for (const std::string& cell : row) cells << QString::fromStdString(cell);
        rows << cells;
    }
    return rows;
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
    const QString path = SaveFileName(
        parent, folder, name,
        QCoreApplication::translate("TableCommands", "Comma-separated values (*.csv *.CSV)"));
    if (path.isEmpty()) return false;
    folder = QFileInfo(path).absolutePath();
    QString error;
    if (!WriteTextFile(path, CsvText(table), &error)) {
        ShowWarning(
            QCoreApplication::translate("TableCommands", "%1 was not saved: %2.").arg(what, error),
            parent);
        return false;
    }
    return true;
}

} // namespace crescendar
