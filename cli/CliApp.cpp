#include "CliApp.h"

#include "Calendar.h"
#include "CliCommon.h"
#include "DateInfo.h"
#include "DayEvents.h"
#include "Easter.h"
#include "Eclipse.h"
#include "Equinox.h"
#include "EventText.h"
#include "FrontRecords.h"
#include "JsonValues.h"
#include "MoonView.h"
#include "PerigeeApogee.h"
#include "Phases.h"
#include "Regional.h"
#include "Settings.h"
#include "SolarEclipse.h"
#include "TableText.h"
#include "TimeZoneRule.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

namespace crescendar::cli {

namespace {

// The width of a column of names: at least `least`, and wide enough for the longest name and a
// blank after it, which a language with longer words needs.
int ColumnWidth(const QStringList& names, int least) {
    qsizetype widest = 0;
    for (const QString& name : names) widest = std::max(widest, name.size());
    return std::max(least, static_cast<int>(widest) + 1);
}

// what: the value's name, marked with QT_TRANSLATE_NOOP("Cli", ...).
double ParseNumber(const QString& text, const char* what, double lo, double hi) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    const QString name = QCoreApplication::translate("Cli", what);
    if (!ok || !std::isfinite(v))
        throw UsageError{
            QCoreApplication::translate("Cli", "%1 is not a number: \"%2\"").arg(name, text)};
    if (v < lo || v > hi)
        throw UsageError{QCoreApplication::translate("Cli", "%1 must lie between %2 and %3: \"%4\"")
                             .arg(name, QString::number(lo), QString::number(hi), text)};
    return v;
}

} // namespace

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString OneLine(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c == U'\\')
            out += QStringLiteral("\\\\");
        else if (c == U'\n')
            out += QStringLiteral("\\n");
        else if (c == U'\t')
            out += QStringLiteral("\\t");
        else if (c == U'\r')
            out += QStringLiteral("\\r");
        else if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029)
            out += QStringLiteral("\\u{%1}").arg(static_cast<uint>(c), 4, 16, QChar('0'));
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

std::uint16_t ParseYear(const QString& text) {
    const double y = ParseNumber(text, QT_TRANSLATE_NOOP("Cli", "year"), 1, 9999);
    if (y != std::floor(y))
        throw UsageError{
            QCoreApplication::translate("Cli", "a year is a whole number: \"%1\"").arg(text)};
    return static_cast<std::uint16_t>(y);
}

void PrintJson(QTextStream& out, const QJsonObject& o) {
    out << QJsonDocument(o).toJson(QJsonDocument::Indented);
}

namespace {

// "YYYY-MM-DD" into a record (time 00:00:00).
TDateTimeRecord ParseDate(const QString& text) {
    static const QRegularExpression re("^(\\d{1,4})-(\\d{1,2})-(\\d{1,2})$");
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        throw UsageError{
            QCoreApplication::translate("Cli", "not a date (YYYY-MM-DD): \"%1\"").arg(text)};
    const int y = m.captured(1).toInt(), mo = m.captured(2).toInt(), d = m.captured(3).toInt();
    // IsCalendarDate knows the Julian leap years and the days dropped in October 1582.
    if (!IsCalendarDate(y, mo, d))
        throw UsageError{QCoreApplication::translate("Cli", "no such date: \"%1\"").arg(text)};
    return MakeDate(y, mo, d);
}

// A date of the observer's clocks: one their zone skipped is refused.
TDateTimeRecord ParseDate(const QString& text, const Observer& obs) {
    const TDateTimeRecord d = ParseDate(text);
    if (LocalDateKind(d, obs) == TDateKind::Skipped)
        throw UsageError{QCoreApplication::translate(
                             "Cli", "no such date in %1: \"%2\" (the clocks passed over it)")
                             .arg(Q(obs.ZoneName()), text)};
    return d;
}

// "HH:MM[:SS]" into the record's time fields.
void ParseTime(const QString& text, TDateTimeRecord& r) {
    static const QRegularExpression re("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$");
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        throw UsageError{
            QCoreApplication::translate("Cli", "not a time (HH:MM[:SS]): \"%1\"").arg(text)};
    const int h = m.captured(1).toInt(), mi = m.captured(2).toInt();
    const int s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (h > 23 || mi > 59 || s > 59)
        throw UsageError{QCoreApplication::translate("Cli", "no such time: \"%1\"").arg(text)};
    r = MakeDate(r.Year, r.Month, r.Day, h, mi, s);
}

// "YYYY-MM" into a record of the first of the month.
TDateTimeRecord ParseMonth(const QString& text) {
    static const QRegularExpression re("^(\\d{1,4})-(\\d{1,2})$");
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        throw UsageError{
            QCoreApplication::translate("Cli", "not a month (YYYY-MM): \"%1\"").arg(text)};
    const int y = m.captured(1).toInt(), mo = m.captured(2).toInt();
    if (y < 1 || y > 9999 || mo < 1 || mo > 12)
        throw UsageError{QCoreApplication::translate("Cli", "no such month: \"%1\"").arg(text)};
    return MakeDate(y, mo, 1);
}

// The observer's local date and time now: the system clock's universal time plus the
// observer's offset at this instant, whatever zone the computer itself is in.
TDateTimeRecord Now(const Observer& obs) {
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    const double offset = obs.OffsetAt(FromUnixMilliseconds(utc.toMSecsSinceEpoch()));
    const QDateTime local =
        std::isfinite(offset) ? utc.addSecs(std::llround(offset * 60.0)) : utc; // minutes
    const QDate d = local.date();
    const QTime t = local.time();
    return MakeDate(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

// The observer of the saved settings, with the command line's overrides for this run. The
// zone in force is one of: --tz (a named zone), --zone/--dst/--no-dst (a fixed offset, the
// saved zone's name no longer used), the zone of --place, or the saved settings' zone.
Observer MakeRunObserver(const QCommandLineParser& p, const TSettings& saved) {
    Observer o = MakeObserver(saved);
    // A command line with --place runs where the gazetteer is linked (HandOn).
    const TExtraCommands* extras = ExtraCommands();
    const std::optional<TRunPlace> place =
        p.isSet("place") && extras ? std::optional<TRunPlace>(extras->ParsePlace(p.value("place")))
                                   : std::nullopt;
    if (p.isSet("lat"))
        o.Latitude =
            DegToRad(ParseNumber(p.value("lat"), QT_TRANSLATE_NOOP("Cli", "latitude"), -90, 90));
    else if (place)
        o.Latitude = DegToRad(place->Latitude);
    // The command line and the gazetteer count longitude east positive, the observer west.
    if (p.isSet("lon"))
        o.Longitude = WestLongitudeRadians(
            ParseNumber(p.value("lon"), QT_TRANSLATE_NOOP("Cli", "longitude"), -180, 180));
    else if (place)
        o.Longitude = WestLongitudeRadians(place->Longitude);

    const bool fixedOffset = p.isSet("zone") || p.isSet("dst") || p.isSet("no-dst");
    if (p.isSet("zone")) {
        const double h = ParseNumber(p.value("zone"), QT_TRANSLATE_NOOP("Cli", "zone"), -12, 12);
        if (std::fmod(h * 2, 1.0) != 0)
            throw UsageError{
                QCoreApplication::translate("Cli", "zone must be a multiple of 0.5 hours: \"%1\"")
                    .arg(p.value("zone"))};
        o.ZoneOffset = static_cast<int>(std::lround(h * 60));
    }
    if (p.isSet("dst") && p.isSet("no-dst"))
        throw UsageError{
            QCoreApplication::translate("Cli", "--dst and --no-dst exclude each other")};
    if (p.isSet("dst")) o.DaylightOffset = 60;
    if (p.isSet("no-dst")) o.DaylightOffset = 0;

    if (p.isSet("tz")) {
        const QString name = p.value("tz").trimmed();
        o.Zone = TimeZoneRule(name.toStdString());
        if (!o.Zone)
            throw UsageError{
                QCoreApplication::translate("Cli", "--tz: no time zone is named \"%1\"")
                    .arg(p.value("tz"))};
    } else if (fixedOffset) {
        o.Zone = nullptr;
    } else if (place) {
        o.Zone = TimeZoneRule(place->TimeZone);
        if (!o.Zone)
            throw UsageError{
                QCoreApplication::translate(
                    "Cli", "--place: the time zone \"%1\" of %2 is not known on this computer")
                    .arg(Q(place->TimeZone), Q(place->Title))};
    }
    return o;
}

// The JSON of the records. docs/crescendar-cli.schema.json names every key; a key that names
// its unit (DistanceKm, AltitudeDegrees, ...) stands beside each older key without one, which
// is kept for the scripts that read it. Every instant is given as {"UT", "Local"} texts
// (JsonValues.h).

QJsonObject DynamicalInstantJson(UniversalTime ut, DynamicalTime jde, const Observer& obs) {
    return QtJsonObject(front::DynamicalInstantJson(ut, jde, obs));
}

QJsonObject SeriesInstantJson(DynamicalTime jde, const Observer& obs) {
    return QtJsonObject(front::SeriesInstantJson(jde, obs));
}

QJsonObject Json(const TPerigeeApogee& p, const Observer& obs) {
    return QtJsonObject(front::Json(p, obs));
}

// A body's or a twilight's crossings of one local date: the texts, and for each crossing its
// kind and instant. A twilight's transit is the Sun's, given with the Sun's crossings only.
QJsonObject Json(const TRiseSet& r, const TBodyEvents& e, bool moon, bool twilight,
                 const Observer& obs) {
    QJsonObject o{
        {"RiseText", Q(r.RiseText)}, {"TransitText", Q(r.TransitText)}, {"SetText", Q(r.SetText)}};
    if (moon) o["IlluminatedPercent"] = r.IlluminatedPercent;
    // A second crossing of a kind on the date, only where there is one.
    const std::pair<const char*, const std::string*> seconds[] = {
        {"SecondRiseText", &r.SecondRiseText},
        {"SecondTransitText", &r.SecondTransitText},
        {"SecondSetText", &r.SecondSetText}};
    for (const auto& [key, text] : seconds)
        if (!text->empty()) o[key] = Q(*text);
    o["Rise"] = CrossingJson(e.Rise, obs);
    if (!twilight) o["Transit"] = CrossingJson(e.Transit, obs);
    o["Set"] = CrossingJson(e.Set, obs);
    const std::tuple<const char*, const TCrossing*, bool> second[] = {
        {"SecondRise", &e.SecondRise, true},
        {"SecondTransit", &e.SecondTransit, !twilight},
        {"SecondSet", &e.SecondSet, true}};
    for (const auto& [key, crossing, shown] : second)
        if (shown && crossing->Happens()) o[key] = CrossingJson(*crossing, obs);
    return o;
}

QString IsoDateTime(const TDateTimeRecord& d) {
    return QString("%1-%2-%3T%4:%5:%6")
        .arg(d.Year, 4, 10, QChar('0'))
        .arg(d.Month, 2, 10, QChar('0'))
        .arg(d.Day, 2, 10, QChar('0'))
        .arg(d.Hour, 2, 10, QChar('0'))
        .arg(d.Minute, 2, 10, QChar('0'))
        .arg(d.Second, 2, 10, QChar('0'));
}

QJsonObject Json(const TEclipseResult& e, const Observer& obs) {
    const TEclipseTexts t = EclipseTexts(e);
    QJsonObject o{{"MaximumText", Q(t.MaximumText)},
                  {"PenumbraStartText", Q(t.PenumbraStartText)},
                  {"PenumbraEndText", Q(t.PenumbraEndText)},
                  {"UmbraStartText", Q(t.UmbraStartText)},
                  {"UmbraEndText", Q(t.UmbraEndText)},
                  {"TotalityStartText", Q(t.TotalityStartText)},
                  {"TotalityEndText", Q(t.TotalityEndText)},
                  {"DateText", Q(t.DateText)},
                  {"UmbralMagnitude", e.UmbralMagnitude},
                  {"PenumbralMagnitude", e.PenumbralMagnitude},
                  {"EclipseType", static_cast<int>(e.EclipseType)},
                  {"TypeName", Q(EclipseTypeName(e.EclipseType))},
                  {"VisibilityText", Q(t.VisibilityText)},
                  {"MaximumDate", IsoDateTime(e.MaximumDate)}};
    // Greatest eclipse (universal time: its JDE less Delta T of the year shown) and the
    // contacts of the phases the eclipse reaches, each a semiduration from it.
    const TEclipseElements& el = e.Elements;
    o["Maximum"] = DynamicalInstantJson(el.JD, el.JDE, obs);
    const auto contacts = [&](const char* start, const char* end, double semiduration) {
        o[start] = InstantJson(el.JD - semiduration, obs);
        o[end] = InstantJson(el.JD + semiduration, obs);
    };
    contacts("PenumbraStart", "PenumbraEnd", el.PenumbralSemiduration);
    if (e.EclipseType >= kPartialEclipse)
        contacts("UmbraStart", "UmbraEnd", el.PartialSemiduration);
    if (e.EclipseType == kTotalEclipse)
        contacts("TotalityStart", "TotalityEnd", el.TotalSemiduration);
    return o;
}

QJsonObject Json(const TDayEvents& e, const TDayTexts& t, const Observer& obs) {
    return {{"Moon", Json(t.Moon, e.Moon, true, false, obs)},
            {"Sun", Json(t.Sun, e.Sun, false, false, obs)},
            {"Civil", Json(t.Civil, e.CivilTwilight, false, true, obs)},
            {"Nautical", Json(t.Nautical, e.NauticalTwilight, false, true, obs)},
            {"Astronomical", Json(t.Astronomical, e.AstronomicalTwilight, false, true, obs)}};
}

// "Moonrise 22:39  transit *****  set 10:14" and the like, as aligned columns.
QString Cell(const std::string& s) {
    return Q(s).leftJustified(7);
}

QString WithoutTrailingBlanks(QString line) {
    while (line.endsWith(' ')) line.chop(1);
    return line;
}

void PrintEclipse(QTextStream& out, const TEclipseResult& r) {
    const TEclipseTexts e = EclipseTexts(r);
    out << Q(e.DateText) << "  " << Q(EclipseTypeName(r.EclipseType)) << ", " << Q(e.VisibilityText)
        << "\n";
    out << QCoreApplication::translate("Cli", "  Penumbral magnitude %1   Umbral magnitude %2")
               .arg(QString::number(r.PenumbralMagnitude, 'f', 3),
                    QString::number(r.UmbralMagnitude, 'f', 3))
        << "\n";
    out << QCoreApplication::translate("Cli", "  Penumbra %1").arg(Q(e.PenumbraStartText));
    if (r.EclipseType >= kPartialEclipse)
        out << QCoreApplication::translate("Cli", "  Umbra %1").arg(Q(e.UmbraStartText));
    if (r.EclipseType == kTotalEclipse)
        out << QCoreApplication::translate("Cli", "  Totality %1").arg(Q(e.TotalityStartText));
    out << QCoreApplication::translate("Cli", "  Maximum %1").arg(Q(e.MaximumText));
    if (r.EclipseType == kTotalEclipse) out << "  " << Q(e.TotalityEndText);
    if (r.EclipseType >= kPartialEclipse) out << "  " << Q(e.UmbraEndText);
    out << "  " << Q(e.PenumbraEndText) << "\n";
}

// What a solar eclipse's answers share: its kind worldwide and at the place, greatest eclipse
// (universal time, also as one text) and gamma, and how much of it the place sees.
QJsonObject SolarEclipseJson(const TSolarEclipseAtPlace& e, const Observer& obs) {
    const TSolarEclipse& g = e.Eclipse;
    return {{"Kind", SolarEclipseKindName(g.Kind)},
            {"LocalKind", SolarEclipseKindName(e.Local.Kind)},
            {"GreatestUT", IsoUniversal(g.Greatest)},
            {"Greatest", DynamicalInstantJson(g.Greatest, g.GreatestJDE, obs)},
            {"Gamma", g.Gamma},
            {"Visibility", VisibilityName(e.Local.Visibility)}};
}

// A solar eclipse of the eclipses list: what the text's line shows, Magnitude being the
// greatest magnitude worldwide.
QJsonObject Json(const TSolarEclipseAtPlace& e, const Observer& obs) {
    const TSolarEclipseTexts t = SolarEclipseTexts(e, obs);
    QJsonObject o = SolarEclipseJson(e, obs);
    o["Body"] = QStringLiteral("Sun"); // not user text
    o["Magnitude"] = e.Eclipse.Magnitude;
    o["TypeName"] = Q(SolarEclipseName(e.Eclipse.Kind));
    o["DateText"] = Q(t.GreatestDateText);
    o["GreatestText"] = Q(t.GreatestText);
    o["VisibilityText"] = Q(VisibilityText(e.Local.Visibility));
    return o;
}

// The solar command's answer: the contacts at the place (null where they do not happen, and
// all null where the Sun is down throughout) in universal and in civil time, the Sun's
// altitude at the first and last contact and at the maximum, Magnitude and Obscuration at the
// maximum (0 where the place sees none of it), the length of totality or annularity, and the
// instants the Sun rises or sets during the eclipse (null where it does not).
QJsonObject LocalJson(const TSolarEclipseAtPlace& e, const Observer& obs) {
    const TSolarLocalCircumstances& l = e.Local;
    const bool seen = SeenAtPlace(l);
    QJsonObject o = SolarEclipseJson(e, obs);
    QJsonObject ut, local, altitudes;
    const std::pair<const char*, const TSolarContact*> contacts[] = {
        {"C1", &l.C1}, {"C2", &l.C2}, {"Max", &l.Maximum}, {"C3", &l.C3}, {"C4", &l.C4}};
    for (const auto& [key, c] : contacts) {
        const bool told = seen && c->Happens;
        ut[key] = told ? QJsonValue(IsoUniversal(c->Instant)) : QJsonValue();
        local[key] = told ? QJsonValue(IsoLocal(c->Instant, obs)) : QJsonValue();
        if (c != &l.C2 && c != &l.C3)
            altitudes[key] = told ? QJsonValue(c->SunAltitude) : QJsonValue();
    }
    o["Contacts"] = ut;
    o["ContactsLocal"] = local;
    o["SunAltitudeDegrees"] = altitudes;
    o["Magnitude"] = seen ? l.AtMaximum.Magnitude : 0.0;
    o["Obscuration"] = seen ? l.AtMaximum.Obscuration : 0.0;
    o["GreatestMagnitude"] = e.Eclipse.Magnitude;
    o["CentralDurationSeconds"] =
        seen && l.C2.Happens && l.C3.Happens ? QJsonValue(l.CentralDuration) : QJsonValue();
    const bool partly = l.Visibility == TEclipseVisibility::PartlyVisible;
    o["SunriseDuring"] =
        partly && !l.C1.SunUp ? QJsonValue(InstantJson(l.VisibleFrom, obs)) : QJsonValue();
    o["SunsetDuring"] =
        partly && !l.C4.SunUp ? QJsonValue(InstantJson(l.VisibleTo, obs)) : QJsonValue();
    return o;
}

// A solar eclipse at the place as the solar eclipse window tells it: the kind here and its
// visibility, the kind worldwide with greatest eclipse, then the contacts, sunrise and sunset
// in time order with the Sun's altitude, and the magnitude, obscuration and length of
// totality or annularity.
void PrintSolarEclipse(QTextStream& out, const TSolarEclipseAtPlace& e, const Observer& obs) {
    const TSolarEclipseTexts t = SolarEclipseTexts(e, obs);
    const TSolarLocalCircumstances& l = e.Local;
    const auto line = [&out](const QString& text) { out << "  " << text << "\n"; };
    out << Q(t.DateText) << "  " << Q(t.Title) << "\n";
    line(QCoreApplication::translate("Cli", "Worldwide: %1, greatest eclipse %2 %3, magnitude %4")
             .arg(Q(SolarEclipseName(e.Eclipse.Kind)), Q(t.GreatestDateText), Q(t.GreatestText),
                  Q(t.GreatestMagnitudeText)));
    // With the Sun down throughout, the contacts would be the shadow's passage below the
    // horizon or through the Earth: they are not told.
    if (!l.C1.Happens) {
        line(QCoreApplication::translate("Cli", "The Moon's shadow misses this place."));
        return;
    }
    if (l.Visibility == TEclipseVisibility::NotVisible) {
        line(QCoreApplication::translate("Cli", "The Sun is below the horizon throughout."));
        return;
    }
    // Total where the Moon looks the larger (also when the Sun is down and the kind not told).
    const bool total = l.AtMaximum.MoonSunRatio >= 1.0;
    struct TRow {
        QString Caption;
        QString Value;
        double Order; // the instant, universal time
    };
    std::vector<TRow> rows;
    const auto contact = [&](const char* caption, const TSolarContact& at,
                             const TSolarContactTexts& text) {
        if (!at.Happens) return;
        const QString sun =
            text.SunUp ? QCoreApplication::translate("Cli", "Sun at %1").arg(Q(text.SunAltitude))
                       : QCoreApplication::translate("Cli", "Sun below the horizon");
        rows.push_back({QCoreApplication::translate("Cli", caption), Q(text.Time) + "  " + sun,
                        at.Instant.JD});
    };
    contact(QT_TRANSLATE_NOOP("Cli", "Eclipse begins"), l.C1, t.C1);
    contact(total ? QT_TRANSLATE_NOOP("Cli", "Totality begins")
                  : QT_TRANSLATE_NOOP("Cli", "Annularity begins"),
            l.C2, t.C2);
    contact(QT_TRANSLATE_NOOP("Cli", "Maximum"), l.Maximum, t.Maximum);
    contact(total ? QT_TRANSLATE_NOOP("Cli", "Totality ends")
                  : QT_TRANSLATE_NOOP("Cli", "Annularity ends"),
            l.C3, t.C3);
    contact(QT_TRANSLATE_NOOP("Cli", "Eclipse ends"), l.C4, t.C4);
    if (!t.SunriseText.empty())
        rows.push_back(
            {QCoreApplication::translate("Cli", "Sunrise"), Q(t.SunriseText), l.VisibleFrom.JD});
    if (!t.SunsetText.empty())
        rows.push_back(
            {QCoreApplication::translate("Cli", "Sunset"), Q(t.SunsetText), l.VisibleTo.JD});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TRow& a, const TRow& b) { return a.Order < b.Order; });
    QStringList captions;
    for (const TRow& r : rows) captions << r.Caption;
    const int width = ColumnWidth(captions, 18);
    for (const TRow& r : rows) line(r.Caption.leftJustified(width) + r.Value);
    QString values = QCoreApplication::translate("Cli", "Magnitude %1   Obscuration %2")
                         .arg(Q(t.MagnitudeText), Q(t.ObscurationText));
    if (!t.DurationText.empty())
        values += "   " + (total ? QCoreApplication::translate("Cli", "Totality lasts %1")
                                 : QCoreApplication::translate("Cli", "Annularity lasts %1"))
                              .arg(Q(t.DurationText));
    line(values);
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
    return QCoreApplication::translate("Cli", "%1h %2m %3s").arg(Q(a.Deg), Q(a.Min), Q(a.Sec));
}

// An answer that depends on the observer's civil time names the zone it was given in.
void PrintJson(QTextStream& out, QJsonObject o, const Observer& obs) {
    o["ZoneName"] = Q(obs.ZoneName());
    cli::PrintJson(out, o);
}
// The next apogee and perigee, a line each.
void PrintApsides(QTextStream& out, const TPerigeeApogeeTexts& apsides) {
    out << QCoreApplication::translate("Cli", "Apogee:    %1%2")
               .arg(Q(apsides.ApogeeDateText), Q(apsides.ApogeeDistanceText))
        << "\n";
    out << QCoreApplication::translate("Cli", "Perigee:   %1%2")
               .arg(Q(apsides.PerigeeDateText), Q(apsides.PerigeeDistanceText))
        << "\n";
}

void PrintZone(QTextStream& out, const Observer& obs) {
    out << QCoreApplication::translate("Cli", "Time zone: %1").arg(Q(obs.ZoneName())) << "\n";
}

int Moon(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    if (args.size() == 1 || args.size() > 2)
        throw UsageError{QCoreApplication::translate("Cli", "usage: moon [YYYY-MM-DD HH:MM[:SS]]")};
    TDateTimeRecord local = Now(obs);
    if (args.size() >= 2) {
        local = ParseDate(args[0], obs);
        ParseTime(args[1], local);
    }
    const front::TMoonReading r = front::ReadMoon(local, obs);
    if (json) {
        PrintJson(out, QtJsonObject(front::MoonJson(r, obs)), obs);
        return 0;
    }
    const TMoonState& moon = r.Moon;
    const TSunPosition& sun = r.Sun;
    const auto ageTexts = MoonAgeTexts(r.Age);
    const auto line = [&out](const QString& text) { out << text << "\n"; };
    line(QCoreApplication::translate("Cli", "%1 - %2    LST: %3")
             .arg(Q(DateTimeToText(r.Local)), Q(r.PhaseName), Q(r.Lst)));
    out << "\n";
    line(QCoreApplication::translate("Cli", "Visible:   %1%").arg(moon.IlluminatedPercent));
    line(QCoreApplication::translate("Cli", "Age:       %1 %2 %3")
             .arg(Q(ageTexts[0]), Q(ageTexts[1]), Q(ageTexts[2])));
    line(QCoreApplication::translate("Cli", "Distance:  %1 km")
             .arg(static_cast<long long>(moon.Distance)));
    line(QCoreApplication::translate("Cli", "R.A.:      %1")
             .arg(Hours(RightAscensionText(moon.TopoRA))));
    line(QCoreApplication::translate("Cli", "Dec.:      %1")
             .arg(Degrees(DeclinationText(moon.TopoDec))));
    line(QCoreApplication::translate("Cli", "Parallax:  %1").arg(Degrees(moon.Parallax)));
    line(QCoreApplication::translate("Cli", "Diameter:  %1").arg(Degrees(2 * moon.Semidiameter)));
    PrintApsides(out, PerigeeApogeeText(r.Apsides, obs));
    out << "\n";
    line(QCoreApplication::translate("Cli", "Moon  Az.: %1   Alt.: %2")
             .arg(Degrees(moon.Azimuth), Degrees(moon.Altitude)));
    line(QCoreApplication::translate("Cli", "      P.A.: %1  Ph.A: %2")
             .arg(Degrees(moon.BrightLimbAngle), Degrees(moon.PhaseAngle)));
    line(QCoreApplication::translate("Cli", "Sun   Az.: %1   Alt.: %2")
             .arg(Degrees(sun.Azimuth), Degrees(sun.Altitude)));
    line(QCoreApplication::translate("Cli", "      R.A.: %1  Dec.: %2")
             .arg(Hours(RightAscensionText(sun.Equatorial.RA)),
                  Degrees(DeclinationText(sun.Equatorial.Dec))));
    PrintZone(out, obs);
    return 0;
}

int Phases(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    if (args.size() > 1)
        throw UsageError{QCoreApplication::translate("Cli", "usage: phases [YYYY-MM]")};
    const TDateTimeRecord month = args.isEmpty() ? Now(obs) : ParseMonth(args[0]);
    TPhaseList list;
    const int count = MonthPhases(month, obs, list);
    if (json) {
        QJsonArray a;
        for (int i = 0; i < count; ++i) {
            const TPhaseEntry& e = list[static_cast<std::size_t>(i)];
            // JDE: the phase's Julian Ephemeris Day (dynamical time, whatever the zone);
            // UT and Local: the instant the windows show it at; Text: its local civil time
            // as the windows show it.
            QJsonObject o = SeriesInstantJson(TruePhase(e.K), obs);
            o["K"] = e.K;
            o["Kind"] = static_cast<int>(e.Kind);
            o["Text"] = Q(PhaseText(e.Date));
            a.append(o);
        }
        QJsonArray eclipses;
        for (const TEclipseResult& e : CheckForEclipses(list, count, month.Year, obs))
            eclipses.append(Json(e, obs));
        PrintJson(out, {{"PhaseList", a}, {"Eclipse", eclipses}}, obs);
        return 0;
    }
    const int nameWidth = ColumnWidth({Q(PrincipalPhaseName(TPhaseKind::NewMoon)),
                                       Q(PrincipalPhaseName(TPhaseKind::FirstQuarter)),
                                       Q(PrincipalPhaseName(TPhaseKind::FullMoon)),
                                       Q(PrincipalPhaseName(TPhaseKind::FullMoon, true)),
                                       Q(PrincipalPhaseName(TPhaseKind::LastQuarter))},
                                      15);
    for (int i = 0; i < count; ++i) {
        const TPhaseEntry& e = list[static_cast<std::size_t>(i)];
        const bool blue = IsBlueMoon(list, count, i);
        out << Q(PrincipalPhaseName(e.Kind, blue)).leftJustified(nameWidth) << Q(PhaseText(e.Date))
            << "\n";
    }
    for (const TEclipseResult& e : CheckForEclipses(list, count, month.Year, obs)) {
        out << "\n";
        PrintEclipse(out, e);
    }
    PrintZone(out, obs);
    return 0;
}

int RiseSet(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    if (args.size() > 1)
        throw UsageError{QCoreApplication::translate("Cli", "usage: riseset [YYYY-MM-DD]")};
    const TDateTimeRecord day = args.isEmpty() ? Now(obs) : ParseDate(args[0], obs);
    const TDayEvents events = DayEvents(day, obs);
    const TDayTexts t = DayTexts(events);
    if (json) {
        PrintJson(out, Json(events, t, obs), obs);
        return 0;
    }
    out << QCoreApplication::translate("Cli", "              Rise    Transit Set") << "\n";
    // A second crossing of a kind on the date goes on a line of its own below, in its column.
    const auto row = [&out](const QString& title, const TRiseSet& r) {
        out << title.leftJustified(14) << Cell(r.RiseText) << " " << Cell(r.TransitText) << " "
            << Cell(r.SetText) << "\n";
        if (r.HasSecond())
            out << WithoutTrailingBlanks(QString(14, ' ') + Cell(r.SecondRiseText) + " " +
                                         Cell(r.SecondTransitText) + " " + Cell(r.SecondSetText))
                << "\n";
    };
    row(QCoreApplication::translate("Cli", "Moon"), t.Moon);
    row(QCoreApplication::translate("Cli", "Sun"), t.Sun);
    out << QCoreApplication::translate("Cli", "              Start           End") << "\n";
    const auto twilight = [&out](const QString& title, const TRiseSet& r) {
        out << title.leftJustified(14) << Cell(r.RiseText) << "         " << Cell(r.SetText)
            << "\n";
        if (!r.SecondRiseText.empty() || !r.SecondSetText.empty())
            out << WithoutTrailingBlanks(QString(14, ' ') + Cell(r.SecondRiseText) + "         " +
                                         Cell(r.SecondSetText))
                << "\n";
    };
    twilight(QCoreApplication::translate("Cli", "Civil"), t.Civil);
    twilight(QCoreApplication::translate("Cli", "Nautical"), t.Nautical);
    twilight(QCoreApplication::translate("Cli", "Astronomical"), t.Astronomical);
    out << QCoreApplication::translate("Cli", "Moon visible: %1% at 00:00")
               .arg(t.Moon.IlluminatedPercent)
        << "\n";
    PrintZone(out, obs);
    return 0;
}

int Month(const QStringList& args, const Observer& obs, const std::string& pattern, bool json,
          bool csv, QTextStream& out) {
    if (args.size() > 1)
        throw UsageError{QCoreApplication::translate("Cli", "usage: month [YYYY-MM] [--csv]")};
    const TDateTimeRecord first = args.isEmpty() ? Now(obs) : ParseMonth(args[0]);
    if (csv) {
        // The columns of the times list, for a spreadsheet; the zone is not a row of it.
        out << Q(CsvText(MonthTable(first, obs, pattern)));
        return 0;
    }
    QJsonArray days;
    TDailyPlaces places; // consecutive dates share their days' places
    if (!json)
        out << QCoreApplication::translate(
                   "Cli", "Date         LST       Moonrise Transit Moonset    %  Astro  Naut.  "
                          "Civil  Sunrise Transit Sunset Civil  Naut.  Astro")
            << "\n";
    for (const std::uint16_t d : MonthDays(first.Month, first.Year)) {
        const TDateTimeRecord day = MakeDate(first.Year, first.Month, d);
        const TDayEvents events = DayEvents(day, obs, places);
        const TDayTexts t = DayTexts(events);
        const QString date = Q(FormatDate(pattern, day));
        const QString lst = Q(LocalSiderealTime(day, obs));
        if (json) {
            QJsonObject o = t.Skipped ? QJsonObject{{"Skipped", true}} : Json(events, t, obs);
            o["Date"] = date;
            if (!t.Skipped) o["LST"] = lst;
            days.append(o);
            continue;
        }
        if (t.Skipped) {
            out << date.leftJustified(12) << " " << Q(SkippedDateText()) << "\n";
            continue;
        }
        // A second crossing of a kind on the date goes on a line of its own below, in its
        // column.
        const auto line = [&](const QString& dateText, const QString& lstText,
                              const QString& percent, bool second) {
            const auto cell = [second](const TRiseSet& r, TRiseSet::TWhich which) {
                return Cell(r.Text(which, second));
            };
            return dateText.leftJustified(12) + " " + lstText.leftJustified(9) + " " +
                   cell(t.Moon, TRiseSet::Rise) + "  " + cell(t.Moon, TRiseSet::Transit) + " " +
                   cell(t.Moon, TRiseSet::Set) + "  " + percent.rightJustified(3) + "  " +
                   cell(t.Astronomical, TRiseSet::Rise) + cell(t.Nautical, TRiseSet::Rise) +
                   cell(t.Civil, TRiseSet::Rise) + cell(t.Sun, TRiseSet::Rise) + " " +
                   cell(t.Sun, TRiseSet::Transit) + " " + cell(t.Sun, TRiseSet::Set) +
                   cell(t.Civil, TRiseSet::Set) + cell(t.Nautical, TRiseSet::Set) +
                   cell(t.Astronomical, TRiseSet::Set);
        };
        out << line(date, lst, QString::number(t.Moon.IlluminatedPercent), false) << "\n";
        if (t.HasSecond()) out << WithoutTrailingBlanks(line({}, {}, {}, true)) << "\n";
    }
    if (json)
        PrintJson(out, {{"Days", days}}, obs);
    else
        PrintZone(out, obs);
    return 0;
}

std::uint16_t OptionalYear(const QStringList& args, const Observer& obs, const char* usage) {
    if (args.size() > 1) throw UsageError{QCoreApplication::translate("Cli", usage)};
    return args.isEmpty() ? Now(obs).Year : ParseYear(args[0]);
}

// The bodies whose eclipses the eclipses command lists (--kind).
enum class TEclipseBodies { Moon, Sun, Both };

TEclipseBodies ParseEclipseBodies(const QCommandLineParser& p) {
    if (!p.isSet("kind")) return TEclipseBodies::Moon;
    const QString kind = p.value("kind").trimmed();
    if (kind == QLatin1String("lunar")) return TEclipseBodies::Moon;
    if (kind == QLatin1String("solar")) return TEclipseBodies::Sun;
    if (kind == QLatin1String("both")) return TEclipseBodies::Both;
    throw UsageError{
        QCoreApplication::translate("Cli", "--kind must be lunar, solar or both: \"%1\"")
            .arg(p.value("kind"))};
}

// A line of the eclipses list: the date and local time of the maximum (of greatest eclipse for
// the Sun), the kind, the magnitude and what the place sees.
QString EclipseLine(const std::string& date, const std::string& time, const std::string& kind,
                    int kindWidth, const QString& magnitude, const QString& seen) {
    return Q(date).leftJustified(20) + Q(time) + "  " + Q(kind).leftJustified(kindWidth) +
           magnitude + "  " + seen;
}

QString LunarMagnitude(const TEclipseResult& e) {
    return QString::number(
        e.EclipseType == kPenumbralEclipse ? e.PenumbralMagnitude : e.UmbralMagnitude, 'f', 3);
}

int Eclipses(const QStringList& args, const Observer& obs, TEclipseBodies bodies, bool json,
             QTextStream& out) {
    if (args.size() != 2)
        throw UsageError{QCoreApplication::translate("Cli", "usage: eclipses FROM TO (years)")};
    const int from = ParseYear(args[0]);
    const int to = ParseYear(args[1]);
    if (from > to)
        throw UsageError{
            QCoreApplication::translate("Cli", "the From year must not be after the To year")};
    // The lunar eclipses alone keep their long-standing lines and JSON; with the Sun's, each
    // kind names its body, and each solar one tells what the place sees of it ("Partial,
    // Visible"). All in the order of their greatest eclipse (universal time).
    const bool lunar = bodies != TEclipseBodies::Sun;
    const bool solar = bodies != TEclipseBodies::Moon;
    const std::vector<TEclipseResult> moon =
        lunar ? FindEclipses(from, to, obs) : std::vector<TEclipseResult>{};
    const std::vector<TSolarEclipseAtPlace> sun =
        solar ? FindSolarEclipses(from, to, obs) : std::vector<TSolarEclipseAtPlace>{};
    const auto lunarName = solar ? LunarEclipseName : EclipseTypeName;
    QStringList kinds;
    if (solar)
        for (const auto kind : {TSolarEclipseKind::Partial, TSolarEclipseKind::Annular,
                                TSolarEclipseKind::Total, TSolarEclipseKind::Hybrid})
            kinds << Q(SolarEclipseName(kind));
    if (lunar)
        for (const TEclipseKind kind : {kPenumbralEclipse, kPartialEclipse, kTotalEclipse})
            kinds << Q(lunarName(kind));
    const int kindWidth = ColumnWidth(kinds, solar ? 22 : 18);
    struct TEntry {
        double Order; // greatest eclipse, universal time
        QJsonObject Json;
        QString Line;
    };
    std::vector<TEntry> entries;
    for (const TEclipseResult& e : moon) {
        QJsonObject o;
        QString line;
        if (json) {
            o = Json(e, obs);
            if (solar) o["Body"] = QStringLiteral("Moon"); // not user text
        } else {
            const TEclipseTexts t = EclipseTexts(e);
            line = EclipseLine(t.DateText, t.MaximumText, lunarName(e.EclipseType), kindWidth,
                               LunarMagnitude(e), Q(t.VisibilityText));
        }
        entries.push_back({e.Elements.JD.JD, o, line});
    }
    for (const TSolarEclipseAtPlace& e : sun) {
        QJsonObject o;
        QString line;
        if (json) {
            o = Json(e, obs);
        } else {
            const TSolarEclipseTexts t = SolarEclipseTexts(e, obs);
            const QString visibility = Q(VisibilityText(e.Local.Visibility));
            const QString seen =
                e.Local.Kind == TSolarEclipseKind::None
                    ? visibility
                    : QCoreApplication::translate("Cli", "%1, %2",
                                                  "the kind of solar eclipse at the place, "
                                                  "its visibility")
                          .arg(Q(ShortSolarEclipseName(e.Local.Kind)), visibility);
            line = EclipseLine(t.GreatestDateText, t.GreatestText, SolarEclipseName(e.Eclipse.Kind),
                               kindWidth, Q(MagnitudeText(e.Eclipse.Magnitude, true, ".")), seen);
        }
        entries.push_back({e.Eclipse.Greatest.JD, o, line});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TEntry& a, const TEntry& b) { return a.Order < b.Order; });
    if (json) {
        QJsonArray a;
        for (const TEntry& e : entries) a.append(e.Json);
        PrintJson(out, {{"Eclipses", a}}, obs);
        return 0;
    }
    for (const TEntry& e : entries) out << e.Line << "\n";
    PrintZone(out, obs);
    return 0;
}

// The solar eclipse of a local date at the place: the one whose greatest eclipse falls on it
// in the observer's civil time or, failing that, one whose contacts at the place reach into
// it (an eclipse seen here at dawn after a greatest eclipse late the day before).
int Solar(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    if (args.size() != 1)
        throw UsageError{QCoreApplication::translate("Cli", "usage: solar YYYY-MM-DD")};
    const TDateTimeRecord day = ParseDate(args[0], obs);
    const auto dayOf = [&obs](UniversalTime t) {
        const TDateTimeRecord d = JulianDayToDate(obs.ToLocal(t).JD);
        return std::make_tuple(d.Year, d.Month, d.Day);
    };
    const auto wanted = std::make_tuple(day.Year, day.Month, day.Day);
    // The years around, for contacts on the other side of New Year.
    const std::vector<TSolarEclipseAtPlace> near =
        FindSolarEclipses(std::max(1, day.Year - 1), std::min(9999, day.Year + 1), obs);
    auto found = std::find_if(near.begin(), near.end(), [&](const TSolarEclipseAtPlace& e) {
        return dayOf(e.Eclipse.Greatest) == wanted;
    });
    if (found == near.end())
        found = std::find_if(near.begin(), near.end(), [&](const TSolarEclipseAtPlace& e) {
            return e.Local.C1.Happens && dayOf(e.Local.C1.Instant) <= wanted &&
                   wanted <= dayOf(e.Local.C4.Instant);
        });
    if (found == near.end())
        throw UsageError{
            QCoreApplication::translate("Cli", "no solar eclipse on \"%1\"").arg(args[0])};
    if (json) {
        PrintJson(out, {{"SolarEclipse", LocalJson(*found, obs)}}, obs);
        return 0;
    }
    PrintSolarEclipse(out, *found, obs);
    PrintZone(out, obs);
    return 0;
}

int Seasons(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    const TEquinoxes e = EquinoxesAndSolstices(
        OptionalYear(args, obs, QT_TRANSLATE_NOOP("Cli", "usage: seasons [YYYY]")), obs);
    const TEquinoxTexts texts = EquinoxTexts(e);
    if (json) {
        const char* names[4] = {"MarchEquinox", "JuneSolstice", "SeptemberEquinox",
                                "DecemberSolstice"};
        QJsonObject o;
        QJsonObject instants;
        QJsonArray lengths;
        for (std::size_t i = 0; i < 4; ++i) {
            o[names[i]] = Q(texts.EventTexts[i]);
            // The refined instant on universal time with Delta T of the year, as the seasons
            // window shows it.
            instants[names[i]] =
                DynamicalInstantJson(ToUniversal(e.JDE[i], DeltaT(e.Year)), e.JDE[i], obs);
            lengths.append(e.Lengths[i]);
        }
        o["Instants"] = instants;
        o["SeasonLengths"] = lengths;
        o["SeasonLengthsDays"] = lengths;
        PrintJson(out, o, obs);
        return 0;
    }
    const char* rows[4] = {QT_TRANSLATE_NOOP("Cli", "Spring"), QT_TRANSLATE_NOOP("Cli", "Summer"),
                           QT_TRANSLATE_NOOP("Cli", "Autumn"), QT_TRANSLATE_NOOP("Cli", "Winter")};
    QStringList names;
    for (const char* row : rows) names << QCoreApplication::translate("Cli", row).trimmed();
    const int nameWidth = ColumnWidth(names, 8);
    for (std::size_t r = 0; r < 4; ++r)
        out << names[static_cast<qsizetype>(r)].leftJustified(nameWidth) << Q(texts.RowTexts[r])
            << "   " << Q(texts.RowLengthTexts[r]) << "\n";
    PrintZone(out, obs);
    return 0;
}

int Easter(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    const std::string sunday =
        Sunday(OptionalYear(args, obs, QT_TRANSLATE_NOOP("Cli", "usage: easter [YYYY]")));
    if (json) {
        PrintJson(out, {{"Easter", Q(sunday)}}, obs);
        return 0;
    }
    out << QCoreApplication::translate("Cli", "Easter Sunday: %1").arg(Q(sunday)) << "\n";
    PrintZone(out, obs);
    return 0;
}

int DateFacts(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    if (args.size() > 1)
        throw UsageError{QCoreApplication::translate("Cli", "usage: dateinfo [YYYY-MM-DD]")};
    const TDateInfo info = DateInfo(args.isEmpty() ? Now(obs) : ParseDate(args[0]));
    const TDateInfoTexts i = DateInfoTexts(info);
    if (json) {
        PrintJson(out,
                  {{"DateText", Q(i.DateText)},
                   {"JulianDay", info.JulianDay},
                   {"JulianDayText", Q(i.JulianDayText)},
                   {"DayNumber", info.DayNumber},
                   {"Week", info.Week},
                   {"WeekYear", info.WeekYear},
                   {"Weekday", info.Weekday},
                   {"WeekText", Q(i.WeekText)},
                   {"DaysTillXmas", info.DaysTillXmas}},
                  obs);
        return 0;
    }
    out << Q(i.DateText) << "\n";
    out << QCoreApplication::translate("Cli", "Julian Day:          %1 at 0h UT")
               .arg(Q(i.JulianDayText))
        << "\n";
    out << QCoreApplication::translate("Cli", "Day number:          %1").arg(Q(i.DayNumberText))
        << "\n";
    out << QCoreApplication::translate("Cli", "Week number:         %1").arg(Q(i.WeekText)) << "\n";
    out << QCoreApplication::translate("Cli", "Days till Christmas: %1").arg(Q(i.DaysTillXmasText))
        << "\n";
    PrintZone(out, obs);
    return 0;
}

int Perigee(const QStringList& args, const Observer& obs, bool json, QTextStream& out) {
    if (args.size() > 2)
        throw UsageError{QCoreApplication::translate("Cli", "usage: perigee [YYYY-MM-DD [HH:MM]]")};
    TDateTimeRecord local = Now(obs);
    if (!args.isEmpty()) local = ParseDate(args[0], obs);
    if (args.size() == 2) ParseTime(args[1], local);
    const TPerigeeApogee pa = PerigeeApogee(local, obs);
    if (json) {
        PrintJson(out, Json(pa, obs), obs);
        return 0;
    }
    PrintApsides(out, PerigeeApogeeText(pa, obs));
    PrintZone(out, obs);
    return 0;
}

// Sends what is left of the answer to out; false, with the system's reason, when any of it
// could not be written (a full disk, a closed or broken output).
bool Delivered(QTextStream& out, QString* why) {
    out.flush();
    auto* file = qobject_cast<QFileDevice*>(out.device());
    const bool fileFailed = file && (!file->flush() || file->error() != QFileDevice::NoError);
    if (out.status() == QTextStream::Ok && !fileFailed) return true;
    *why = fileFailed ? file->errorString()
                      : QCoreApplication::translate("Cli", "the output accepted no more text");
    return false;
}

int RunCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const int code = RunCommand(arguments, out, err);
    QString why;
    if (Delivered(out, &why)) return code;
    err << "crescendar-cli: "
        << QCoreApplication::translate("Cli",
                                       "the answer could not be written to standard output: %1")
               .arg(OneLine(why))
        << "\n";
    err.flush();
    return code == 0 ? 1 : code;
}

namespace {

// The first argument that starts with a minus and a digit where no option's value stands
// ("-2026-01-01", "-1"): the parser takes it for a bundle of one-letter options and names
// its digits, so it is named whole instead. "" when there is none.
QString NegativeArgument(const QStringList& arguments) {
    static const QStringList withValue = {"--lat",  "--lon", "--zone",   "--tz",  "--place",
                                          "--only", "-o",    "--output", "--kind"};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) break;
        if (a.size() > 1 && a[0] == QLatin1Char('-') && a[1].isDigit() &&
            !withValue.contains(arguments[i - 1]))
            return a;
    }
    return {};
}

int RunCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    p.setApplicationDescription(QCoreApplication::translate(
        "Cli",
        "The Moon and the Sun for the observer of the saved settings.\n\n"
        "Commands:\n"
        "  moon [YYYY-MM-DD HH:MM[:SS]]   the Moon and the Sun at a local instant (default now)\n"
        "  phases [YYYY-MM]               the principal phases of a month\n"
        "  perigee [YYYY-MM-DD [HH:MM]]   the next perigee and apogee\n"
        "  riseset [YYYY-MM-DD]           rise, transit and set of the Moon and Sun, twilights\n"
        "  month [YYYY-MM] [--csv]        the month's table of rise, transit and set times\n"
        "  eclipses FROM TO [--kind KIND] the lunar or solar eclipses of a range of years\n"
        "  solar YYYY-MM-DD               the solar eclipse of a date as the place sees it\n"
        "  ics FROM [TO] [--only KINDS] [-o FILE]\n"
        "                                 the years' phases, eclipses, perigees and apogees,\n"
        "                                 equinoxes and solstices as an iCalendar file (UTC)\n"
        "  seasons [YYYY]                 the equinoxes and solstices of a year\n"
        "  easter [YYYY]                  the date of Easter Sunday\n"
        "  dateinfo [YYYY-MM-DD]          Julian Day, day number, week, days till Christmas\n"
        "  places NAME                    the places of that name, largest first\n\n"
        "Every answer names the time zone it is given in."));
    p.addHelpOption();
    p.addVersionOption();
    p.addOptions({
        {"lat", QCoreApplication::translate("Cli", "Latitude in degrees, north positive."),
         QCoreApplication::translate("Cli", "DEG")},
        {"lon", QCoreApplication::translate("Cli", "Longitude in degrees, east positive."),
         QCoreApplication::translate("Cli", "DEG")},
        {"zone",
         QCoreApplication::translate(
             "Cli", "Offset of local standard time from UT, hours (multiple of 0.5)."),
         QCoreApplication::translate("Cli", "HOURS")},
        {"dst", QCoreApplication::translate("Cli", "Daylight saving time in force.")},
        {"no-dst", QCoreApplication::translate("Cli", "No daylight saving time.")},
        {"tz",
         QCoreApplication::translate(
             "Cli", "Time zone by name, as Europe/London (overrides --zone and --dst)."),
         QCoreApplication::translate("Cli", "NAME")},
        {"place",
         QCoreApplication::translate(
             "Cli", "The largest place of that name: its latitude, longitude and time zone, "
                    "unless --lat, --lon, --tz or --zone/--dst/--no-dst are given."),
         QCoreApplication::translate("Cli", "NAME")},
        {"json", QCoreApplication::translate("Cli", "Answer as one JSON object.")},
        {"csv", QCoreApplication::translate("Cli", "month: the table as comma-separated values.")},
        {"kind",
         QCoreApplication::translate("Cli",
                                     "eclipses: lunar (the default), solar, or both in one list."),
         QCoreApplication::translate("Cli", "KIND")},
        {"only",
         QCoreApplication::translate("Cli", "ics: only these kinds of event, comma-separated: "
                                            "phases, eclipses, apsides, seasons."),
         QCoreApplication::translate("Cli", "KINDS")},
        {{"o", "output"},
         QCoreApplication::translate("Cli",
                                     "ics: write the calendar to FILE instead of standard output."),
         QCoreApplication::translate("Cli", "FILE")},
    });
    p.addPositionalArgument("command",
                            QCoreApplication::translate("Cli", "see the list of commands above"));

    if (!p.parse(arguments)) {
        const QString negative = NegativeArgument(arguments);
        if (negative.isEmpty())
            err << "crescendar-cli: " << OneLine(p.errorText()) << "\n";
        else
            err << "crescendar-cli: "
                << QCoreApplication::translate(
                       "Cli", "\"%1\" is not an option, nor a date or year: dates and years are "
                              "written without a minus sign, from year 1 to 9999")
                       .arg(OneLine(negative))
                << "\n";
        return 2;
    }
    if (p.isSet("help")) {
        out << p.helpText();
        return 0;
    }
    if (p.isSet("version")) {
        out << "crescendar-cli " CRESCENDAR_VERSION "\n";
        return 0;
    }
    QStringList args = p.positionalArguments();
    try {
        if (args.isEmpty())
            throw UsageError{
                QCoreApplication::translate("Cli", "a command is needed (see --help)")};
        const QString command = args.takeFirst();
        const bool csv = p.isSet("csv");
        if (csv && command != "month")
            throw UsageError{
                QCoreApplication::translate("Cli", "--csv applies to the month command only")};
        if (csv && p.isSet("json"))
            throw UsageError{
                QCoreApplication::translate("Cli", "--csv and --json exclude each other")};
        for (const char* option : {"only", "output"})
            if (p.isSet(option) && command != "ics")
                throw UsageError{
                    QCoreApplication::translate("Cli", "--%1 applies to the ics command only")
                        .arg(option)};
        if (p.isSet("kind") && command != "eclipses")
            throw UsageError{
                QCoreApplication::translate("Cli", "--kind applies to the eclipses command only")};
        const TEclipseBodies bodies = ParseEclipseBodies(p);
        // The gazetteer's and the calendar's commands run in the program that links them.
        const TExtraCommands* extras = ExtraCommands();
        if (!extras && (command == "places" || command == "ics" || p.isSet("place")))
            return HandOn(arguments, err);
        if (command == "places") return extras->Places(args, p.isSet("json"), out);
        // The saved settings, read once. What could not be used is told on one line; the
        // answer then uses the defaults in its place.
        SettingsReport report;
        const TSettings saved = SettingsStore().Peek(&report);
        if (!report.Empty()) err << "crescendar-cli: " << Q(report.Text()) << "\n";
        const Observer obs = MakeRunObserver(p, saved);
        const bool json = p.isSet("json");
        // Texts speak the language in force; JSON, which scripts read, keeps the engine's
        // English names and words.
        SetRegionalNames(json ? EnglishRegionalNames() : RegionalNamesFromLocale(QLocale()));
        if (command == "ics") {
            if (json)
                throw UsageError{
                    QCoreApplication::translate("Cli", "--json does not apply to the ics command")};
            return extras->Ics(args, obs, p, out, err);
        }
        if (command == "moon") return Moon(args, obs, json, out);
        if (command == "phases") return Phases(args, obs, json, out);
        if (command == "perigee") return Perigee(args, obs, json, out);
        if (command == "riseset") return RiseSet(args, obs, json, out);
        if (command == "month") return Month(args, obs, saved.DateFormat, json, csv, out);
        if (command == "eclipses") return Eclipses(args, obs, bodies, json, out);
        if (command == "solar") return Solar(args, obs, json, out);
        if (command == "seasons") return Seasons(args, obs, json, out);
        if (command == "easter") return Easter(args, obs, json, out);
        if (command == "dateinfo") return DateFacts(args, obs, json, out);
        throw UsageError{QCoreApplication::translate("Cli", "unknown command \"%1\"").arg(command)};
    } catch (const UsageError& e) {
        err << "crescendar-cli: " << OneLine(e.message) << "\n";
        return 2;
    }
}

} // namespace

} // namespace crescendar::cli
