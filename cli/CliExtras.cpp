// The commands of crescendar-cli that read the gazetteer (libgeonames) or write calendars
// (libical), linked into the full program only.
#include "CliCommon.h"

#include "CalendarFile.h"
#include "OutputFile.h"
#include "Places.h"
#include "YearEvents.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>

#include <cmath>
#include <optional>
#include <vector>

namespace crescendar::cli {

namespace {

// The best match of the gazetteer for --place.
TRunPlace ParsePlace(const QString& text) {
    if (text.trimmed().isEmpty())
        throw UsageError{QCoreApplication::translate("Cli", "--place needs the name of a place")};
    const std::vector<TPlace> found = FindPlaces(text.toStdString(), 1);
    if (found.empty())
        throw UsageError{
            QCoreApplication::translate("Cli", "--place: no place matches \"%1\"").arg(text)};
    const TPlace& place = found.front();
    return {place.Latitude, place.Longitude, place.TimeZone, PlaceTitle(place)};
}

// Degrees as "51.5085 N" (positive) or "0.1257 W" (negative), four decimals.
QString Hemisphere(double degrees, char positive, char negative) {
    const QString number = QString::number(std::abs(degrees), 'f', 4);
    // A value that rounds to zero has no side.
    const bool zero = number == QLatin1String("0.0000");
    return number + ' ' + QChar(zero || degrees > 0 ? positive : negative);
}

// The places of the gazetteer whose names match the words given, largest first. Latitude
// and longitude in degrees, north and east positive.
int Places(const QStringList& args, bool json, QTextStream& out) {
    const QString text = args.join(' ').trimmed();
    if (text.isEmpty()) throw UsageError{QCoreApplication::translate("Cli", "usage: places NAME")};
    const std::vector<TPlace> places = FindPlaces(text.toStdString());
    if (json) {
        QJsonArray a;
        for (const TPlace& p : places)
            a.append(QJsonObject{{"Name", Q(p.Name)},
                                 {"Region", Q(p.Region)},
                                 {"Country", Q(p.Country)},
                                 {"Latitude", p.Latitude + 0.0}, // never a negative zero
                                 {"Longitude", p.Longitude + 0.0},
                                 {"LatitudeDegrees", p.Latitude + 0.0},
                                 {"LongitudeDegrees", p.Longitude + 0.0},
                                 {"TimeZone", Q(p.TimeZone)},
                                 {"Population", static_cast<qint64>(p.Population)}});
        PrintJson(out, {{"Places", a}});
        return 0;
    }
    if (places.empty()) {
        out << QCoreApplication::translate("Cli", "No place matches \"%1\".").arg(OneLine(text))
            << "\n";
        return 0;
    }
    const auto column = [](const std::string& s, int width) { return Q(s).leftJustified(width); };
    out << QCoreApplication::translate(
               "Cli",
               "Name                      Region                    Country                   "
               "Latitude   Longitude  Time zone                      Population")
        << "\n";
    for (const TPlace& p : places)
        out << column(p.Name, 25) << " " << column(p.Region, 25) << " " << column(p.Country, 25)
            << " " << Hemisphere(p.Latitude, 'N', 'S').rightJustified(9) << "  "
            << Hemisphere(p.Longitude, 'E', 'W').rightJustified(10) << " " << column(p.TimeZone, 30)
            << " " << QString::number(p.Population).rightJustified(10) << "\n";
    return 0;
}

// Julian Day of the system clock's universal time now.
UniversalTime NowUT() {
    return FromUnixMilliseconds(QDateTime::currentDateTimeUtc().toMSecsSinceEpoch());
}

// The years' events as an iCalendar, to standard output or, with -o, to a file written whole
// or not at all, a year at a time as the events are made. Exit 1 when the calendar could not
// be written.
int Ics(const QStringList& args, const Observer& obs, const QCommandLineParser& p, QTextStream& out,
        QTextStream& err) {
    if (args.isEmpty() || args.size() > 2)
        throw UsageError{QCoreApplication::translate(
            "Cli", "usage: ics FROM [TO] [--only phases,eclipses,apsides,seasons] [-o FILE]")};
    const int from = ParseYear(args[0]);
    const int to = args.size() == 2 ? ParseYear(args[1]) : from;
    if (from > to)
        throw UsageError{
            QCoreApplication::translate("Cli", "ics: the From year must not be after the To year")};
    if (to > kLastCalendarYear)
        throw UsageError{
            QCoreApplication::translate(
                "Cli", "ics: a calendar can be exported for the years %1 to %2 only: \"%3\"")
                .arg(kFirstCalendarYear)
                .arg(kLastCalendarYear)
                .arg(args.last())};
    TYearEventKinds kinds;
    if (p.isSet("only")) {
        std::string unknown;
        const std::optional<TYearEventKinds> chosen =
            ParseEventKinds(p.value("only").toStdString(), &unknown);
        if (!chosen)
            throw UsageError{
                unknown.empty()
                    ? QCoreApplication::translate(
                          "Cli", "--only needs one or more of phases, eclipses, apsides, seasons")
                    : QCoreApplication::translate(
                          "Cli", "--only: unknown kind \"%1\" (phases, eclipses, apsides, seasons)")
                          .arg(Q(unknown))};
        kinds = *chosen;
    }
    const UniversalTime stamp = NowUT();
    if (!p.isSet("output")) {
        // A failed write stops the calendar; RunCli tells it.
        WriteCalendar(from, to, obs, kinds, stamp, [&out](const std::string& text) {
            out << QString::fromStdString(text);
            out.flush();
            return out.status() == QTextStream::Ok;
        });
        return 0;
    }
    const QString path = p.value("output");
    OutputFile file(path); // discarded, unless committed, when it goes
    const bool written =
        file.Open() &&
        WriteCalendar(from, to, obs, kinds, stamp,
                      [&file](const std::string& text) {
                          return file.Write(text.data(), static_cast<qint64>(text.size()));
                      }) &&
        file.Commit();
    if (!written) {
        err << "crescendar-cli: "
            << QCoreApplication::translate("Cli", "the calendar was not written to \"%1\": %2")
                   .arg(OneLine(path), OneLine(file.Error()))
            << "\n";
        return 1;
    }
    return 0;
}

} // namespace

const TExtraCommands* ExtraCommands() {
    static const TExtraCommands commands{&ParsePlace, &Places, &Ics};
    return &commands;
}

} // namespace crescendar::cli
