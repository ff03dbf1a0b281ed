#include "Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace crescendar {

void SystemDialogs::Beep() {
    QApplication::beep();
}

void SystemDialogs::ShowMessage(QWidget* parent, const QString& text, MessageKind kind) {
    const QString title = QStringLiteral("Crescendar");
    if (kind == MessageKind::Warning)
        QMessageBox::warning(parent, title, text);
    else
        QMessageBox::information(parent, title, text);
}

QString SystemDialogs::SaveFileName(QWidget* parent, const QString& folder, const QString& name,
                                    const QString& filter) {
    const QString start = folder.isEmpty() ? name : QDir(folder).filePath(name);
    return QFileDialog::getSaveFileName(parent, QString(), start, filter);
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
    ShowMessage(QStringLiteral("%1 could not be saved: %2. They apply only until Crescendar is "
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
