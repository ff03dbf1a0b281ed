// crescendar-cli: the engine's answers on the command line, for scripting and checking.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace crescendar::cli {

// Runs one command line (arguments[0] is the program name). Writes the answer to out and
// a one-line message to err; returns the process exit code (0 ok, 1 an answer that could not
// be written, 2 bad input).
int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace crescendar::cli
