// The hand-over of a command line to the full program, which lies where it is installed
// relative to this one (CRESCENDAR_CLI_FULL_PATH, from the program's folder), in the build
// folder too.
#include "CliCommon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <unistd.h>
#include <vector>

namespace crescendar::cli {

int HandOn(const QStringList& arguments, QTextStream& err) {
    const QString path = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                         QLatin1String(CRESCENDAR_CLI_FULL_PATH));
    // The words of the command line, the program's name first, as this program read them:
    // written back as UTF-8, the full program reads the same words.
    std::vector<QByteArray> words;
    for (const QString& argument : arguments) words.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const QByteArray program = QFile::encodeName(path);
    ::execv(program.constData(), argv.data());
    const int reason = errno;
    err << "crescendar-cli: "
        << QCoreApplication::translate(
               "Cli", "the places and ics commands and --place need the program %1, which could "
                      "not be started: %2")
               .arg(OneLine(path), OneLine(qt_error_string(reason)))
        << "\n";
    err.flush();
    return 1;
}

} // namespace crescendar::cli
