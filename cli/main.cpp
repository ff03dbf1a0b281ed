#include "CliApp.h"
#include "Language.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    // A standard stream closed by the caller is held by a read-only /dev/null: writing to it
    // then fails as it should, and no file opened later can take its place and receive the
    // answer.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int held = ::open("/dev/null", O_RDONLY);
            if (held >= 0 && held != fd) {
                ::dup2(held, fd);
                ::close(held);
            }
        }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("crescendar-cli");
    QCoreApplication::setApplicationVersion(CRESCENDAR_VERSION);
    // The texts in the language of the user's system, as the windows show them with the
    // Language setting at System.
    crescendar::InstallLanguage("System"); // not user text
    // Through the file descriptors, so that a failed write keeps the system's reason.
    QFile stdoutFile;
    QFile stderrFile;
    stdoutFile.open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    stderrFile.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                    QFileDevice::DontCloseHandle);
    QTextStream out(&stdoutFile);
    QTextStream err(&stderrFile);
    return crescendar::cli::RunCli(QCoreApplication::arguments(), out, err);
}
