#include "CliApp.h"
#include "Version.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("crescendar-cli");
    QCoreApplication::setApplicationVersion(CRESCENDAR_VERSION);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return crescendar::cli::RunCli(QCoreApplication::arguments(), out, err);
}
