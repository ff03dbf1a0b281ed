#include "Shell.h"

#include "Dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace crescendar {

bool DesktopShell::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::OpenFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

bool RecordingShell::OpenUrl(const QUrl& url) {
    urls.push_back(url);
    return opens;
}

bool RecordingShell::OpenFile(const QString& path) {
    files.push_back(path);
    return opens;
}

namespace {
Shell* installedShell = nullptr;
}

Shell& CurrentShell() {
    static DesktopShell desktop;
    return installedShell ? *installedShell : desktop;
}

Shell* InstallShell(Shell* shell) {
    Shell* previous = installedShell;
    installedShell = shell;
    return previous;
}

bool OpenWebPage(const QUrl& url, QWidget* parent) {
    if (CurrentShell().OpenUrl(url)) return true;
    ShowWarning(QStringLiteral("The web page could not be opened: no web browser answered. "
                               "Please open this address in your browser by hand:\n%1")
                    .arg(url.toString()),
                parent);
    return false;
}

bool OpenDocument(const QString& path, const QString& what, QWidget* parent) {
    if (CurrentShell().OpenFile(path)) return true;
    ShowWarning(QStringLiteral("%1 could not be opened: no program answered to show it. "
                               "Please open this file by hand, for instance in your web "
                               "browser:\n%2")
                    .arg(what, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())),
                parent);
    return false;
}

} // namespace crescendar
