#include "Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

namespace crescendar {

namespace {
// Without a window manager nothing gives the activation back when a dialog closes, and the
// keyboard would be lost: the window that opened the dialog gets it back, unless another
// window has it.
class ReturnFocus {
  public:
    explicit ReturnFocus(QWidget* parent)
        : window_(parent ? parent->window() : QApplication::activeWindow()) {}
    ~ReturnFocus() {
        if (!window_ || !window_->isVisible()) return;
        const QWidget* active = QApplication::activeWindow();
        if (active && active->isVisible()) return;
        window_->activateWindow();
        QApplication::setActiveWindow(window_);
    }
    ReturnFocus(const ReturnFocus&) = delete;
    ReturnFocus& operator=(const ReturnFocus&) = delete;

  private:
    QPointer<QWidget> window_;
};
} // namespace

void SystemDialogs::Beep() {
    QApplication::beep();
}

SaveChoice SystemDialogs::AskToSave(QWidget* parent, const QString& text) {
    const ReturnFocus back(parent);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Crescendar"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

bool SystemDialogs::Ask(QWidget* parent, const QString& text, const QString& yes,
                        const QString& no) {
    const ReturnFocus back(parent);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Crescendar"), text,
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton* noButton = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(yesButton);
    box.setEscapeButton(noButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

void SystemDialogs::ShowMessage(QWidget* parent, const QString& text, MessageKind kind) {
    const ReturnFocus back(parent);
    QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    QStringLiteral("Crescendar"), text, QMessageBox::Ok, parent);
    // Messages quote file names and values from files: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString SystemDialogs::SaveFileName(QWidget* parent, const QString& folder, const QString& name,
                                    const QString& filter) {
    const ReturnFocus back(parent);
    const QString start = folder.isEmpty() ? name : QDir(folder).filePath(name);
    QFileDialog dialog(parent, QString(), start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the chosen format's, before the dialog asks
    // whether to replace an existing file, so that question is asked of the real name.
    dialog.setDefaultSuffix(FilterSuffix(dialog.selectedNameFilter()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& chosen) { dialog.setDefaultSuffix(FilterSuffix(chosen)); });
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString FilterSuffix(const QString& filter) {
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch m = firstPattern.match(filter);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

void RecordingDialogs::ShowMessage(QWidget* /*parent*/, const QString& text, MessageKind kind) {
    messages.push_back(text);
    messageKinds.push_back(kind);
}

QString RecordingDialogs::SaveFileName(QWidget* /*parent*/, const QString& folder,
                                       const QString& name, const QString& filter) {
    saveRequests.push_back({folder, name, filter});
    return saveAnswer;
}

namespace {
Dialogs* installedDialogs = nullptr;
}

Dialogs& CurrentDialogs() {
    static SystemDialogs system;
    return installedDialogs ? *installedDialogs : system;
}

Dialogs* InstallDialogs(Dialogs* dialogs) {
    Dialogs* previous = installedDialogs;
    installedDialogs = dialogs;
    return previous;
}

void Beep() {
    CurrentDialogs().Beep();
}

SaveChoice AskToSave(const QString& text, QWidget* parent) {
    return CurrentDialogs().AskToSave(parent, text);
}

bool Ask(const QString& text, const QString& yes, const QString& no, QWidget* parent) {
    return CurrentDialogs().Ask(parent, text, yes, no);
}

void ShowMessage(const QString& text, QWidget* parent, MessageKind kind) {
    CurrentDialogs().ShowMessage(parent, text, kind);
}

void ShowWarning(const QString& text, QWidget* parent) {
    ShowMessage(text, parent, MessageKind::Warning);
}

bool WarnedNotSavedBefore(bool& told, const QString& what, const QString& reason,
                          const QString& goOn, QWidget* parent) {
    if (told) return true;
    told = true;
    ShowMessage(QCoreApplication::translate(
                    "Dialogs", "%1 could not be saved: %2. They apply only until Crescendar is "
                               "closed. %3")
                    .arg(what, reason, goOn),
                parent, MessageKind::Warning);
    return false;
}

QString SaveFileName(QWidget* parent, const QString& folder, const QString& name,
                     const QString& filter) {
    return CurrentDialogs().SaveFileName(parent, folder, name, filter);
}

} // namespace crescendar
