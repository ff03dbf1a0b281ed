// What crescendar-cli's JSON says an instant and a crossing are: the ISO 8601 texts of
// universal and civil time (cli/JsonValues.h), and the kinds of crossing in the answers.
#include "CliRun.h"
#include "JsonValues.h"
#include "TimeZoneRule.h"
#include "YearEvents.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>
#include <numbers>

using namespace crescendar;
using namespace crescendar::cli;

namespace {

// Universal time of a proleptic Gregorian date and time (the calendar of ISO 8601), from the
// Unix epoch: days_from_civil (H. Hinnant), for the expected values to stand on their own.
UniversalTime Gregorian(long long y, int m, int d, int h = 0, int mi = 0, double s = 0) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long days = era * 146097 + doe - 719468;
    return UniversalTime{kUnixEpochJD + static_cast<double>(days) +
                         (h * 3600.0 + mi * 60.0 + s) / 86400.0};
}

Observer Zone(const char* name) {
    Observer o;
    o.Zone = TimeZoneRule(name);
    if (!o.Zone) ADD_FAILURE() << "the time zone " << name << " is not known here";
    return o;
}

Observer Fixed(int minutes) {
    Observer o;
    o.ZoneOffset = minutes;
    return o;
}

struct IsoCase {
    const char* what;
    UniversalTime ut;
    Observer observer;
    const char* universal;
    const char* local;
};

TEST(CliJsonInstant, UniversalAndLocalTexts) {
    const IsoCase cases[] = {
        {"a zone east (Sydney, summer time)", Gregorian(2026, 12, 24, 1, 29),
         Zone("Australia/Sydney"), "2026-12-24T01:29:00Z", "2026-12-24T12:29:00+11:00"},
        {"a zone west, the civil date the day before", Gregorian(2026, 12, 24, 1, 29),
         Zone("America/New_York"), "2026-12-24T01:29:00Z", "2026-12-23T20:29:00-05:00"},
        {"a half-hour zone", Gregorian(2026, 12, 24, 1, 29), Zone("Asia/Kolkata"),
         "2026-12-24T01:29:00Z", "2026-12-24T06:59:00+05:30"},
        {"a half-hour fixed offset west", Gregorian(2026, 12, 24, 1, 29), Fixed(-210),
         "2026-12-24T01:29:00Z", "2026-12-23T21:59:00-03:30"},
        {"a zero offset is +00:00, not Z", Gregorian(2026, 1, 15, 12), Zone("Europe/London"),
         "2026-01-15T12:00:00Z", "2026-01-15T12:00:00+00:00"},
        {"the last second before London's clocks go forward", Gregorian(2025, 3, 30, 0, 59, 59),
         Zone("Europe/London"), "2025-03-30T00:59:59Z", "2025-03-30T00:59:59+00:00"},
        {"the first second after", Gregorian(2025, 3, 30, 1), Zone("Europe/London"),
         "2025-03-30T01:00:00Z", "2025-03-30T02:00:00+01:00"},
        {"London's clocks going back: the repeated hour's second reading",
         Gregorian(2025, 10, 26, 1, 30), Zone("Europe/London"), "2025-10-26T01:30:00Z",
         "2025-10-26T01:30:00+00:00"},
        {"the same clock reading an hour earlier", Gregorian(2025, 10, 26, 0, 30),
         Zone("Europe/London"), "2025-10-26T00:30:00Z", "2025-10-26T01:30:00+01:00"},
        {"year 0001, four digits", Gregorian(1, 1, 1, 12), Fixed(0), "0001-01-01T12:00:00Z",
         "0001-01-01T12:00:00+00:00"},
        {"year 0001, the civil date in year 0", Gregorian(1, 1, 1, 3), Fixed(-300),
         "0001-01-01T03:00:00Z", "0000-12-31T22:00:00-05:00"},
        {"the program's 1 January 1 (Julian) is 30 December 0 (Gregorian)",
         UniversalTime{1721423.5}, Fixed(0), "0000-12-30T00:00:00Z", "0000-12-30T00:00:00+00:00"},
        {"year 999, four digits", Gregorian(999, 7, 4, 6, 5, 4), Fixed(60), "0999-07-04T06:05:04Z",
         "0999-07-04T07:05:04+01:00"},
        {"the Julian 29 February 1500 (Gregorian 10 March)", UniversalTime{2268991.5}, Fixed(0),
         "1500-03-10T00:00:00Z", "1500-03-10T00:00:00+00:00"},
        {"year 9999, its last second", Gregorian(9999, 12, 31, 23, 59, 59), Fixed(-720),
         "9999-12-31T23:59:59Z", "9999-12-31T11:59:59-12:00"},
        {"year 9999, the civil date past it", Gregorian(9999, 12, 31, 20), Fixed(300),
         "9999-12-31T20:00:00Z", "+10000-01-01T01:00:00+05:00"},
        {"more than half a second rounds up", Gregorian(2026, 12, 31, 23, 59, 59.51), Fixed(0),
         "2027-01-01T00:00:00Z", "2027-01-01T00:00:00+00:00"},
        {"less than half a second rounds down, never to a 60th second",
         Gregorian(2026, 12, 31, 23, 59, 59.49), Fixed(60), "2026-12-31T23:59:59Z",
         "2027-01-01T00:59:59+01:00"},
    };
    for (const IsoCase& c : cases) {
        EXPECT_EQ(IsoUniversal(c.ut).toStdString(), c.universal) << c.what;
        EXPECT_EQ(IsoLocal(c.ut, c.observer).toStdString(), c.local) << c.what;
        const QJsonObject o = InstantJson(c.ut, c.observer);
        EXPECT_EQ(o.keys(), (QStringList{"Local", "UT"})) << c.what;
        EXPECT_EQ(o["UT"].toString().toStdString(), c.universal) << c.what;
    }
}

TEST(CliJsonInstant, AnOffsetOfSecondsIsWrittenWithThem) {
    // The local mean time of the tz database before standard time (London: -0:01:15).
    EXPECT_EQ(IsoLocal(Gregorian(1800, 1, 1, 12), -1.25), "1800-01-01T11:58:45-00:01:15");
    EXPECT_EQ(IsoLocal(Gregorian(1800, 1, 1, 12), 53.4667), "1800-01-01T12:53:28+00:53:28");
}

TEST(CliJsonInstant, AnInstantThatIsNotANumberHasNoText) {
    EXPECT_EQ(IsoUniversal(UniversalTime{NAN}), "");
    EXPECT_EQ(IsoLocal(UniversalTime{NAN}, 0.0), "");
    EXPECT_EQ(IsoLocal(Gregorian(2026, 1, 1), NAN), "");
}

TEST(CliJsonCrossing, EachKindByItsName) {
    const Observer tokyo = Zone("Asia/Tokyo");
    struct Case {
        TCrossing crossing;
        const char* kind;
        bool instant;
    };
    const Case cases[] = {
        {{TCrossingKind::At, Gregorian(2026, 6, 1, 20, 15, 30), 1215}, "At", true},
        {{TCrossingKind::AlwaysAbove, {}, -1}, "AlwaysAbove", false},
        {{TCrossingKind::AlwaysBelow, {}, -1}, "AlwaysBelow", false},
        {{TCrossingKind::NeighbouringDate, {}, -1}, "NeighbouringDate", false},
    };
    for (const Case& c : cases) {
        const QJsonObject o = CrossingJson(c.crossing, tokyo);
        EXPECT_EQ(o["Kind"].toString().toStdString(), c.kind);
        EXPECT_EQ(CrossingKindName(c.crossing.Kind).toStdString(), c.kind);
        EXPECT_EQ(o.contains("UT"), c.instant) << c.kind;
        EXPECT_EQ(o.contains("Local"), c.instant) << c.kind;
        EXPECT_EQ(o.size(), c.instant ? 3 : 1) << c.kind;
    }
    const QJsonObject at = CrossingJson(cases[0].crossing, tokyo);
    EXPECT_EQ(at["UT"].toString(), "2026-06-01T20:15:30Z");
    EXPECT_EQ(at["Local"].toString(), "2026-06-02T05:15:30+09:00");
}

class CliJsonAnswers : public ::testing::Test {
  protected:
    QTemporaryDir home;
    QJsonObject riseset(const QStringList& args) {
        const CliRun r = RunCli(QStringList{"riseset", "--json"} << args, home.path());
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return r.json();
    }
};

// From the high-latitude examples of the tests and the pinned answers: the Sun that does not
// set on midsummer's day at 70 N, and the one that does not rise at Tromso in December. The
// texts say "None" for both; the kinds tell them apart.
TEST_F(CliJsonAnswers, PolarDayAndPolarNight) {
    struct Case {
        const char* what;
        QStringList args;
        const char* body;
        const char* kind;
    };
    const QStringList arctic{"--lat", "70", "--lon", "20", "--zone", "-1", "--no-dst"};
    const QStringList tromso{"--lat", "69.65", "--lon", "18.96", "--zone", "1", "--no-dst"};
    const Case cases[] = {
        {"polar day: the Sun", QStringList{"2024-06-21"} << arctic, "Sun", "AlwaysAbove"},
        {"polar day: astronomical twilight", QStringList{"2024-06-21"} << arctic, "Astronomical",
         "AlwaysAbove"},
        {"polar night: the Sun", QStringList{"2025-12-21"} << tromso, "Sun", "AlwaysBelow"},
    };
    for (const Case& c : cases) {
        const QJsonObject body = riseset(c.args)[c.body].toObject();
        for (const char* which : {"Rise", "Set"}) {
            const QJsonObject crossing = body[which].toObject();
            EXPECT_EQ(crossing["Kind"].toString().toStdString(), c.kind) << c.what << " " << which;
            EXPECT_FALSE(crossing.contains("UT")) << c.what << " " << which;
            EXPECT_EQ(body[QString(which) + "Text"].toString(), "None") << c.what;
        }
    }
    // Tromso's December: the Sun stays below the horizon, but civil twilight begins and ends.
    const QJsonObject december = riseset(QStringList{"2025-12-21"} << tromso);
    const QJsonObject civil = december["Civil"].toObject()["Rise"].toObject();
    EXPECT_EQ(civil["Kind"].toString(), "At");
    EXPECT_TRUE(civil["UT"].toString().startsWith("2025-12-21T"))
        << civil["UT"].toString().toStdString();
    EXPECT_TRUE(civil["Local"].toString().endsWith("+01:00"));
    // A twilight's transit is the Sun's, given with the Sun's crossings only.
    EXPECT_FALSE(december["Civil"].toObject().contains("Transit"));
    EXPECT_EQ(december["Sun"].toObject()["Transit"].toObject()["Kind"].toString(), "At");
}

// A crossing on the neighbouring date and a second crossing of a kind, from the pinned runs.
TEST_F(CliJsonAnswers, NeighbouringDateAndSecondCrossing) {
    const QJsonObject murmansk =
        riseset({"2025-03-26", "--lat", "68.9585", "--lon", "33.0827", "--zone", "3", "--no-dst"});
    const QJsonObject set = murmansk["Astronomical"].toObject()["Set"].toObject();
    EXPECT_EQ(set["Kind"].toString(), "NeighbouringDate");
    EXPECT_EQ(set.keys(), QStringList{"Kind"});
    EXPECT_EQ(murmansk["Astronomical"].toObject()["SetText"].toString(), "*****");

    const QJsonObject moon = riseset({"2026-06-11", "--lat", "69.6492", "--lon", "18.9553",
                                      "--zone", "2", "--no-dst"})["Moon"]
                                 .toObject();
    EXPECT_EQ(moon["SecondRiseText"].toString(), "23:39");
    const QJsonObject second = moon["SecondRise"].toObject();
    EXPECT_EQ(second["Kind"].toString(), "At");
    // The program's instant, 23:38:32 local time (the Moon's own positions give 23:38:41).
    EXPECT_EQ(second["Local"].toString(), "2026-06-11T23:38:32+02:00");
    EXPECT_EQ(second["UT"].toString(), "2026-06-11T21:38:32Z");
    EXPECT_FALSE(moon.contains("SecondSet"));
}

} // namespace

namespace {

QDateTime Utc(const QJsonValue& iso) {
    return QDateTime::fromString(iso.toString(), Qt::ISODate);
}

// Each unit-named key beside its older key, in the unit it names.
TEST_F(CliJsonAnswers, UnitNamedKeysBesideTheOldOnes) {
    const CliRun r = RunCli({"moon", "1992-04-12", "00:00", "--lat", "40", "--lon", "0", "--zone",
                             "0", "--no-dst", "--json"},
                            home.path());
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o["UT"].toString(), "1992-04-12T00:00:00Z");
    EXPECT_EQ(o["Local"].toString(), "1992-04-12T00:00:00+00:00");
    EXPECT_EQ(o["AgeDays"], o["Age"]);
    const QJsonObject m = o["MoonState"].toObject();
    const double degreesPerRadian = 180.0 / std::numbers::pi;
    for (const char* radians : {"Latitude", "Longitude", "ApparentLongitude"})
        EXPECT_NEAR(m[QString(radians) + "Degrees"].toDouble(),
                    m[radians].toDouble() * degreesPerRadian, 1e-9)
            << radians;
    const std::pair<const char*, const char*> same[] = {
        {"Distance", "DistanceKm"},
        {"Parallax", "ParallaxDegrees"},
        {"Altitude", "AltitudeDegrees"},
        {"Azimuth", "AzimuthDegrees"},
        {"Semidiameter", "SemidiameterDegrees"},
        {"BrightLimbAngle", "BrightLimbAngleDegrees"},
        {"PhaseAngle", "PhaseAngleDegrees"},
        {"TopoRA", "TopocentricRightAscensionDegrees"},
        {"TopoDec", "TopocentricDeclinationDegrees"},
    };
    for (const auto& [old, named] : same) EXPECT_EQ(m[old], m[named]) << named;
    EXPECT_NEAR(m["DistanceKm"].toDouble(), 368409.7, 0.1);
    const QJsonObject eq = m["Equatorial"].toObject();
    EXPECT_NEAR(eq["RightAscensionDegrees"].toDouble(), 134.6885, 0.0001);
    EXPECT_EQ(eq["DeclinationDegrees"], eq["Dec"]);
    const QJsonObject sun = o["SunPosition"].toObject();
    for (const char* key : {"ApparentLongitude", "Latitude", "Altitude", "Azimuth"})
        EXPECT_EQ(sun[QString(key) + "Degrees"], sun[key]) << key;
    EXPECT_EQ(sun["DistanceKm"], sun["Distance"]);
    EXPECT_GT(sun["DistanceKm"].toDouble(), 1.4e8);
}

// A key named JDE holds a Julian Ephemeris Day. Eclipses and seasons give universal time with
// Delta T of their year (66 s in 2000 by the program's formula); phases and apsides the series
// instant read as universal time, as the windows and the calendar export show them.
TEST_F(CliJsonAnswers, JdeIsDynamicalTimeAndUtIsWhatTheProgramShows) {
    const auto utJd = [](const QJsonObject& o) {
        return kUnixEpochJD + static_cast<double>(Utc(o["UT"]).toSecsSinceEpoch()) / 86400.0;
    };
    const QStringList greenwich{"--lat", "51.48", "--lon", "0", "--zone", "0", "--no-dst"};

    CliRun r = RunCli(QStringList{"eclipses", "2000", "2000", "--json"} << greenwich, home.path());
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject maximum = r.json()["Eclipses"].toArray()[0].toObject()["Maximum"].toObject();
    EXPECT_NEAR((maximum["JDE"].toDouble() - utJd(maximum)) * 86400.0, 66.2, 1.0);
    EXPECT_EQ(maximum["UT"].toString(), "2000-01-21T04:43:56Z");

    r = RunCli(QStringList{"seasons", "2000", "--json"} << greenwich, home.path());
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject march = r.json()["Instants"].toObject()["MarchEquinox"].toObject();
    EXPECT_NEAR((march["JDE"].toDouble() - utJd(march)) * 86400.0, 66.2, 1.0);

    r = RunCli(QStringList{"perigee", "1999-12-22", "--json"} << greenwich, home.path());
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject perigee = r.json()["Perigee"].toObject();
    EXPECT_EQ(perigee["UT"].toString(),
              IsoUniversal(SeriesInstantAsUniversal(DynamicalTime{perigee["JDE"].toDouble()})));
    EXPECT_NEAR(perigee["DistanceKm"].toDouble(), 356654, 1.0);
    EXPECT_EQ(r.json()["PerigeeDateText"].toString(), "11:01  22 Dec  ");
    EXPECT_TRUE(perigee["Local"].toString().startsWith("1999-12-22T11:0"));

    r = RunCli(QStringList{"phases", "2000-01", "--json"} << greenwich, home.path());
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject newMoon = r.json()["PhaseList"].toArray()[0].toObject();
    EXPECT_EQ(newMoon["UT"].toString(),
              IsoUniversal(SeriesInstantAsUniversal(DynamicalTime{newMoon["JDE"].toDouble()})));
    EXPECT_EQ(newMoon["Text"].toString(), "18:14  06 January 2000");
    EXPECT_TRUE(newMoon["Local"].toString().startsWith("2000-01-06T18:1"));
}

} // namespace
