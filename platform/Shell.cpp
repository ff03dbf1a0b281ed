#include "Shell.h"

#include <QDesktopServices>
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
    return true;
}

bool RecordingShell::OpenFile(const QString& path) {
    files.push_back(path);
    return true;
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

} // namespace crescendar
