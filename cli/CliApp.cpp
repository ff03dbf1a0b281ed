#include "CliApp.h"

#include "Settings.h"
#include "fGlobals.h"
#include "fMoonCalcs.h"
#include "fMoonView.h"
#include "fRiseSet.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace crescendar::cli {

namespace {

// A command-line mistake: reported on one line, exit code 2.
struct UsageError {
    QString message;
};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

double ParseNumber(const QString& text, const char* what, double lo, double hi) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw UsageError{QString("%1 is not a number: \"%2\"").arg(what, text)};
    if (v < lo || v > hi)
        throw UsageError{
            QString("%1 must lie between %2 and %3: \"%4\"").arg(what).arg(lo).arg(hi).arg(text)};
    return v;
}

// "YYYY-MM-DD" into a record (time 00:00:00).
TDateTimeRecord ParseDate(const QString& text) {
    static const QRegularExpression re("^(\\d{1,4})-(\\d{1,2})-(\\d{1,2})$");
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch()) throw UsageError{QString("not a date (YYYY-MM-DD): \"%1\"").arg(text)};
    const int y = m.captured(1).toInt(), mo = m.captured(2).toInt(), d = m.captured(3).toInt();
    if (y < 1 || y > 9999 || mo < 1 || mo > 12 || d < 1 ||
        d > DaysInMonth(static_cast<std::uint16_t>(mo), static_cast<std::uint16_t>(y)))
        throw UsageError{QString("no such date: \"%1\"").arg(text)};
    return MakeDate(y, mo, d);
}

// "HH:MM[:SS]" into the record's time fields.
void ParseTime(const QString& text, TDateTimeRecord& r) {
    static const QRegularExpression re("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$");
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch()) throw UsageError{QString("not a time (HH:MM[:SS]): \"%1\"").arg(text)};
    const int h = m.captured(1).toInt(), mi = m.captured(2).toInt();
    const int s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (h > 23 || mi > 59 || s > 59) throw UsageError{QString("no such time: \"%1\"").arg(text)};
    r = MakeDate(r.Year, r.Month, r.Day, h, mi, s);
}

// "YYYY-MM" into a record of the first of the month.
TDateTimeRecord ParseMonth(const QString& text) {
    static const QRegularExpression re("^(\\d{1,4})-(\\d{1,2})$");
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch()) throw UsageError{QString("not a month (YYYY-MM): \"%1\"").arg(text)};
    const int y = m.captured(1).toInt(), mo = m.captured(2).toInt();
    if (y < 1 || y > 9999 || mo < 1 || mo > 12)
        throw UsageError{QString("no such month: \"%1\"").arg(text)};
    return MakeDate(y, mo, 1);
}

// The current local date and time of the system clock.
TDateTimeRecord Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return MakeDate(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

// The observer of the saved settings, with the command line's overrides for this run.
Observer MakeRunObserver(const QCommandLineParser& p) {
    Observer o = MakeObserver(SettingsStore().Peek());
    if (p.isSet("lat")) o.Latitude = DegToRad(ParseNumber(p.value("lat"), "latitude", -90, 90));
    if (p.isSet("lon"))
        o.Longitude = -DegToRad(ParseNumber(p.value("lon"), "longitude", -180, 180));
    if (p.isSet("zone")) {
        const double h = ParseNumber(p.value("zone"), "zone", -12, 12);
        if (std::fmod(h * 2, 1.0) != 0)
            throw UsageError{
                QString("zone must be a multiple of 0.5 hours: \"%1\"").arg(p.value("zone"))};
        o.ZoneOffset = static_cast<int>(std::lround(h * 60));
    }
    if (p.isSet("dst") && p.isSet("no-dst"))
        throw UsageError{"--dst and --no-dst exclude each other"};
    if (p.isSet("dst")) o.DaylightOffset = 60;
    if (p.isSet("no-dst")) o.DaylightOffset = 0;
    return o;
}

QJsonObject Json(const TAngleText& a) {
    return {{"Sign", Q(a.Sign)}, {"Deg", Q(a.Deg)}, {"Min", Q(a.Min)}, {"Sec", Q(a.Sec)}};
}

QJsonObject Json(const TEquatorialPosition& e) {
    return {{"RAText", Json(e.RAText)}, {"DecText", Json(e.DecText)}, {"RA", e.RA}, {"Dec", e.Dec}};
}

QJsonObject Json(const TMoonState& m) {
    return {{"Latitude", m.Latitude},
            {"Longitude", m.Longitude},
            {"ApparentLongitude", m.ApparentLongitude},
            {"Distance", m.Distance},
            {"Parallax", m.Parallax},
            {"Altitude", m.Altitude},
            {"Azimuth", m.Azimuth},
            {"Semidiameter", m.Semidiameter},
            {"BrightLimbAngle", m.BrightLimbAngle},
            {"PhaseAngle", m.PhaseAngle},
            {"Equatorial", Json(m.Equatorial)},
            {"TopoRAText", Json(m.TopoRAText)},
            {"TopoDecText", Json(m.TopoDecText)},
            {"TopoRA", m.TopoRA},
            {"TopoDec", m.TopoDec},
            {"IlluminatedPercent", m.IlluminatedPercent}};
}

QJsonObject Json(const TSunPosition& s) {
    return {{"ApparentLongitude", s.ApparentLongitude},
            {"Latitude", s.Latitude},
            {"Altitude", s.Altitude},
            {"Azimuth", s.Azimuth},
            {"Distance", s.Distance},
            {"Equatorial", Json(s.Equatorial)}};
}

QJsonObject Json(const TPerigeeApogee& p) {
    return {{"PerigeeDistanceText", Q(p.PerigeeDistanceText)},
            {"PerigeeDateText", Q(p.PerigeeDateText)},
            {"ApogeeDistanceText", Q(p.ApogeeDistanceText)},
            {"ApogeeDateText", Q(p.ApogeeDateText)}};
}

// An angle as the Moon view writes it: degrees, minutes and seconds, or hours.
QString Degrees(const TAngleText& a) {
    const QString sign = a.Sign == kMinusSign ? Q(a.Sign) : QString();
    return sign + Q(a.Deg) + QString::fromUtf8("\u00B0 ") + Q(a.Min) + "' " + Q(a.Sec) + "\"";
}
QString Degrees(double x) {
    return Degrees(DegreesToDMS(x));
}
QString Hours(const TAngleText& a) {
    return Q(a.Deg) + "h " + Q(a.Min) + "m " + Q(a.Sec) + "s";
}

void PrintJson(QTextStream& out, const QJsonObject& o) {
    out << QJsonDocument(o).toJson(QJsonDocument::Indented);
}

const char* KindName(int kind) {
    switch (kind) {
    case 0:
        return "New Moon";
    case 1:
        return "Last Quarter";
    case 2:
        return "Full Moon";
    default:
        return "First Quarter";
    }
}

int Moon(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    if (args.size() == 1 || args.size() > 3)
        throw UsageError{"usage: moon [YYYY-MM-DD HH:MM[:SS]]"};
    TDateTimeRecord local = Now();
    if (args.size() >= 2) {
        local = ParseDate(args[0]);
        ParseTime(args[1], local);
    }
    const double ut = local.JD - obs.TotalOffset() / 1440.0;
    TMoonState moon;
    TSunPosition sun;
    MoonPosition(ut, obs, moon, sun);
    TLunationBracket bounds;
    const double age = MoonAge(ut, bounds);
    TPhaseList list;
    const int count = MonthPhases(local, obs, list);
    const std::string name = PhaseName(bounds, age, local.Month, list, count, local.JD);
    const std::string lst = LocalSiderealTime(local, obs);
    const TPerigeeApogee pa = PerigeeApogee(local, obs);

    if (json) {
        PrintJson(out, {{"JD", ut},
                        {"MoonState", Json(moon)},
                        {"SunPosition", Json(sun)},
                        {"Age", age},
                        {"PhaseName", Q(name)},
                        {"LST", Q(lst)},
                        {"PerigeeApogee", Json(pa)}});
        return 0;
    }
    const auto ageTexts = MoonAgeTexts(age);
    out << Q(DateTimeToText(local)) << " - " << Q(name) << "    LST: " << Q(lst) << "\n\n";
    out << "Visible:   " << moon.IlluminatedPercent << "%\n";
    out << "Age:       " << Q(ageTexts[0]) << " " << Q(ageTexts[1]) << " " << Q(ageTexts[2])
        << "\n";
    out << "Distance:  " << static_cast<long long>(moon.Distance) << " km\n";
    out << "R.A.:      " << Hours(moon.TopoRAText) << "\n";
    out << "Dec.:      " << Degrees(moon.TopoDecText) << "\n";
    out << "Parallax:  " << Degrees(moon.Parallax) << "\n";
    out << "Diameter:  " << Degrees(2 * moon.Semidiameter) << "\n";
    out << "Apogee:    " << Q(pa.ApogeeDateText) << Q(pa.ApogeeDistanceText) << "\n";
    out << "Perigee:   " << Q(pa.PerigeeDateText) << Q(pa.PerigeeDistanceText) << "\n\n";
    out << "Moon  Az.: " << Degrees(moon.Azimuth) << "   Alt.: " << Degrees(moon.Altitude)
        << "\n      P.A.: " << Degrees(moon.BrightLimbAngle)
        << "  Ph.A: " << Degrees(moon.PhaseAngle) << "\n";
    out << "Sun   Az.: " << Degrees(sun.Azimuth) << "   Alt.: " << Degrees(sun.Altitude)
        << "\n      R.A.: " << Hours(sun.Equatorial.RAText)
        << "  Dec.: " << Degrees(sun.Equatorial.DecText) << "\n";
    return 0;
}

int Phases(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    if (args.size() > 1) throw UsageError{"usage: phases [YYYY-MM]"};
    const TDateTimeRecord month = args.isEmpty() ? Now() : ParseMonth(args[0]);
    TPhaseList list;
    const int count = MonthPhases(month, obs, list);
    if (json) {
        QJsonArray a;
        for (int i = 0; i < count; ++i) {
            const TPhaseEntry& e = list[static_cast<std::size_t>(i)];
            a.append(
                QJsonObject{{"K", e.K}, {"Kind", e.Kind}, {"JDE", e.JDE}, {"Text", Q(e.Text)}});
        }
        PrintJson(out, {{"PhaseList", a}});
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        const TPhaseEntry& e = list[static_cast<std::size_t>(i)];
        const bool blue = i == 4 && e.Kind == 2;
        out << QString(blue ? "Blue Moon" : KindName(e.Kind)).leftJustified(15) << Q(e.Text)
            << "\n";
    }
    return 0;
}

int Perigee(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    if (args.size() > 2) throw UsageError{"usage: perigee [YYYY-MM-DD [HH:MM]]"};
    TDateTimeRecord local = Now();
    if (!args.isEmpty()) local = ParseDate(args[0]);
    if (args.size() == 2) ParseTime(args[1], local);
    const TPerigeeApogee pa = PerigeeApogee(local, obs);
    if (json) {
        PrintJson(out, Json(pa));
        return 0;
    }
    out << "Apogee:    " << Q(pa.ApogeeDateText) << Q(pa.ApogeeDistanceText) << "\n";
    out << "Perigee:   " << Q(pa.PerigeeDateText) << Q(pa.PerigeeDistanceText) << "\n";
    return 0;
}

} // namespace

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    p.setApplicationDescription(
        "The Moon and the Sun for the observer of the saved settings.\n\n"
        "Commands:\n"
        "  moon [YYYY-MM-DD HH:MM[:SS]]   the Moon and the Sun at a local instant (default now)\n"
        "  phases [YYYY-MM]               the principal phases of a month\n"
        "  perigee [YYYY-MM-DD [HH:MM]]   the next perigee and apogee");
    p.addHelpOption();
    p.addVersionOption();
    p.addOptions({
        {"lat", "Latitude in degrees, north positive.", "DEG"},
        {"lon", "Longitude in degrees, east positive.", "DEG"},
        {"zone", "Offset of local standard time from UT, hours (multiple of 0.5).", "HOURS"},
        {"dst", "Daylight saving time in force."},
        {"no-dst", "No daylight saving time."},
        {"json", "Answer as one JSON object."},
    });
    p.addPositionalArgument("command", "moon, phases or perigee");

    if (!p.parse(arguments)) {
        err << "crescendar-cli: " << p.errorText() << "\n";
        return 2;
    }
    if (p.isSet("help")) {
        out << p.helpText();
        return 0;
    }
    if (p.isSet("version")) {
        out << "crescendar-cli 2.40\n";
        return 0;
    }
    QStringList args = p.positionalArguments();
    try {
        if (args.isEmpty()) throw UsageError{"a command is needed: moon, phases or perigee"};
        const QString command = args.takeFirst();
        if (command != "moon" && command != "phases" && command != "perigee")
            throw UsageError{QString("unknown command \"%1\"").arg(command)};
        const Observer obs = MakeRunObserver(p);
        const bool json = p.isSet("json");
        if (command == "moon") return Moon(args, obs, json, out);
        if (command == "phases") return Phases(args, obs, json, out);
        return Perigee(args, obs, json, out);
    } catch (const UsageError& e) {
        err << "crescendar-cli: " << e.message << "\n";
        return 2;
    }
}

} // namespace crescendar::cli
