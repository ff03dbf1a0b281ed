#include "Shell.h"

#include "Dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

namespace crescendar {

namespace {

// Runs the opener on one argument, apart from the program: its output goes where the
// program's goes, and a non-zero exit runs `failed`. The process object goes when the opener
// ends; one still running when the program ends is left running (a browser it started stays
// open). False when the opener cannot be started.
bool RunOpener(const QString& opener, const QString& argument, Shell::Failed failed) {
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if ((status != QProcess::NormalExit || code != 0) && failed) failed();
                     });
    process->start(opener, {argument});
    if (process->waitForStarted()) return true;
    delete process;
    return false;
}

QString Opener() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

} // namespace

bool DesktopShell::OpenUrl(const QUrl& url, Failed failed) {
    const QString opener = Opener();
    if (opener.isEmpty()) return QDesktopServices::openUrl(url);
    return RunOpener(opener, url.toString(QUrl::FullyEncoded), std::move(failed));
}

bool DesktopShell::OpenFile(const QString& path, Failed failed) {
    const QString file = QFileInfo(path).absoluteFilePath();
    const QString opener = Opener();
    if (opener.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    return RunOpener(opener, file, std::move(failed));
}

bool RecordingShell::OpenUrl(const QUrl& url, Failed /*failed*/) {
    urls.push_back(url);
    return opens;
}

bool RecordingShell::OpenFile(const QString& path, Failed /*failed*/) {
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

namespace {

// Shows the message now when nothing took the request, or later when the opener fails; the
// message stands over parent while it exists.
bool OpenOrTell(const std::function<bool(Shell::Failed)>& open, const QString& message,
                QWidget* parent) {
    const QPointer<QWidget> owner(parent);
    const auto tell = [message, owner] { ShowWarning(message, owner.data()); };
    if (open(tell)) return true;
    tell();
    return false;
}

} // namespace

bool OpenWebPage(const QUrl& url, QWidget* parent) {
    return OpenOrTell(
        [&url](Shell::Failed failed) { return CurrentShell().OpenUrl(url, std::move(failed)); },
        QCoreApplication::translate("Shell",
                                    "The web page could not be opened: no web browser answered. "
                                    "Please open this address in your browser by hand:\n%1")
            .arg(url.toString()),
        parent);
}

bool OpenDocument(const QString& path, const QString& what, QWidget* parent) {
    return OpenOrTell(
        [&path](Shell::Failed failed) { return CurrentShell().OpenFile(path, std::move(failed)); },
        QCoreApplication::translate(
            "Shell", "%1 could not be opened: no program answered to show it. "
                     "Please open this file by hand, for instance in your web browser:\n%2")
            .arg(what, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())),
        parent);
}

} // namespace crescendar
