// What the parts of crescendar-cli share: the mistakes of a command line, the texts and
// numbers they read and write, and the commands that only the full program links.
#pragma once

#include "Records.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdint>
#include <string>

namespace crescendar::cli {

// A command-line mistake: reported on one line, exit code 2.
struct UsageError {
    QString message;
};

QString Q(const std::string& s);

// A message on one line: control characters and line separators, which a quoted argument may
// hold, are written as escapes (\n, \t, \r, \u{2028}), and a backslash as \\ so that the
// escapes stay unambiguous.
QString OneLine(const QString& text);

// A whole year of 1..9999 from a command-line word.
std::uint16_t ParseYear(const QString& text);

void PrintJson(QTextStream& out, const QJsonObject& o);

// The place of --place: where it is and its zone.
struct TRunPlace {
    double Latitude = 0.0;  // degrees, north positive
    double Longitude = 0.0; // degrees, east positive
    std::string TimeZone;   // IANA name; may be empty
    std::string Title;      // "Name, Region, Country"
};

// The commands that read the gazetteer (libgeonames) or write calendars (libical). Only the
// full program links them: crescendar-cli, which most command lines start, does without those
// libraries and their start-up cost, and hands a command line that needs them on (HandOn).
struct TExtraCommands {
    // The largest place of the gazetteer of that name; a UsageError when there is none.
    TRunPlace (*ParsePlace)(const QString& text) = nullptr;
    int (*Places)(const QStringList& args, bool json, QTextStream& out) = nullptr;
    int (*Ics)(const QStringList& args, const Observer& obs, const QCommandLineParser& p,
               QTextStream& out, QTextStream& err) = nullptr;
};

// The extra commands of this program; nullptr in crescendar-cli.
const TExtraCommands* ExtraCommands();

// Runs the command line in the full program, which takes this process's place (its standard
// streams, environment and exit code). Returns, with exit code 1, only when that program
// could not be started, having told why on err.
int HandOn(const QStringList& arguments, QTextStream& err);

} // namespace crescendar::cli
