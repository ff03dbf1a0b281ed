// crescendar-cli with places from the gazetteer and named time zones: the places listing,
// --place, --tz, and the zone every answer names.
#include <gtest/gtest.h>

#include "CliRun.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

namespace {

class CliPlaces : public ::testing::Test {
  protected:
    QTemporaryDir home;

    CliRun run(const QStringList& args) { return RunCli(args, home.path()); }
    void WriteIni(const QByteArray& bytes) {
        ASSERT_TRUE(QDir(home.path()).mkpath("Crescendar"));
        QFile f(home.filePath("Crescendar/Crescendar.ini"));
        ASSERT_TRUE(f.open(QFile::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
};

TEST_F(CliPlaces, PlacesListsTheMatchesLargestFirst) {
    const CliRun r = run({"places", "London", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonArray places = r.json()["Places"].toArray();
    ASSERT_GE(places.size(), 2);
    const QJsonObject first = places[0].toObject();
    EXPECT_EQ(first.keys(),
              (QStringList{"Country", "Latitude", "LatitudeDegrees", "Longitude",
                           "LongitudeDegrees", "Name", "Population", "Region", "TimeZone"}));
    EXPECT_EQ(first["Name"].toString(), "London");
    EXPECT_EQ(first["Country"].toString(), "United Kingdom");
    EXPECT_EQ(first["TimeZone"].toString(), "Europe/London");
    EXPECT_NEAR(first["Latitude"].toDouble(), 51.5, 0.1);
    EXPECT_NEAR(first["Longitude"].toDouble(), -0.13, 0.1); // east positive
    EXPECT_EQ(first["LatitudeDegrees"], first["Latitude"]);
    EXPECT_EQ(first["LongitudeDegrees"], first["Longitude"]);
    for (int i = 1; i < places.size(); ++i)
        EXPECT_GE(places[i - 1].toObject()["Population"].toDouble(),
                  places[i].toObject()["Population"].toDouble());

    // Several words are one name; the text table has a row a place.
    const CliRun text = run({"places", "new", "york"});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith("New York ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains("40.7143 N")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains("74.0060 W")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains("America/New_York")) << lines[1].toStdString();
}

TEST_F(CliPlaces, PlacesWithoutAMatchIsAnEmptyList) {
    const CliRun r = run({"places", "Qzxqzxqzx", "--json"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.json()["Places"].toArray().isEmpty());
    const CliRun text = run({"places", "Qzxqzxqzx"});
    EXPECT_EQ(text.code, 0);
    EXPECT_TRUE(text.out.contains("No place matches")) << text.out.toStdString();
    EXPECT_EQ(run({"places"}).code, 2);
}

TEST_F(CliPlaces, PlaceSetsCoordinatesAndZoneUnlessTheyAreGiven) {
    const QStringList day = {"riseset", "2024-07-01", "--json"};
    const CliRun london = run(day + QStringList{"--place", "London"});
    ASSERT_EQ(london.code, 0) << london.err.toStdString();
    EXPECT_EQ(london.json()["ZoneName"].toString(), "Europe/London");
    // The same as the coordinates and zone given by hand.
    const CliRun byHand =
        run(day + QStringList{"--lat", "51.50853", "--lon", "-0.12574", "--tz", "Europe/London"});
    ASSERT_EQ(byHand.code, 0) << byHand.err.toStdString();
    EXPECT_EQ(london.out, byHand.out);
    // Near 51.5 N: the Sun sets after 21:00 in a London summer.
    EXPECT_GE(london.json()["Sun"].toObject()["SetText"].toString(), "21:00");

    // The options given win over the place's.
    const CliRun fixed = run(day + QStringList{"--place", "London", "--zone", "0", "--no-dst"});
    ASSERT_EQ(fixed.code, 0) << fixed.err.toStdString();
    EXPECT_EQ(fixed.json()["ZoneName"].toString(), "UTC+00:00");
    const CliRun tz = run(day + QStringList{"--place", "London", "--tz", "Asia/Tokyo"});
    EXPECT_EQ(tz.json()["ZoneName"].toString(), "Asia/Tokyo");
    const CliRun lat = run(day + QStringList{"--place", "London", "--lat", "0"});
    EXPECT_NE(lat.out, london.out);
    EXPECT_EQ(lat.json()["ZoneName"].toString(), "Europe/London");

    const CliRun none = run(day + QStringList{"--place", "Qzxqzxqzx"});
    EXPECT_EQ(none.code, 2);
    EXPECT_TRUE(none.err.contains("--place")) << none.err.toStdString();
    EXPECT_TRUE(none.out.isEmpty());
}

TEST_F(CliPlaces, TzNamesTheZoneOrIsRefused) {
    const CliRun kathmandu =
        run({"moon", "2025-01-01", "12:00", "--tz", "Asia/Kathmandu", "--json"});
    ASSERT_EQ(kathmandu.code, 0) << kathmandu.err.toStdString();
    EXPECT_EQ(kathmandu.json()["ZoneName"].toString(), "Asia/Kathmandu");
    // 12:00 at UTC+05:45 is 06:15 UT.
    EXPECT_NEAR(kathmandu.json()["JD"].toDouble(), 2460676.5 + 6.25 / 24, 1e-6);
    const CliRun text = run({"phases", "2025-01", "--tz", "Asia/Kathmandu"});
    EXPECT_TRUE(text.out.endsWith("Time zone: Asia/Kathmandu\n")) << text.out.toStdString();

    for (const char* bad : {"Mars/Olympus_Mons", "", "../../etc/passwd"}) {
        const CliRun r = run({"moon", "--tz", bad});
        EXPECT_EQ(r.code, 2) << bad;
        EXPECT_TRUE(r.err.contains("--tz")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(CliPlaces, FixedOffsetOptionsSetASavedZoneAside) {
    WriteIni("[HKEY_CRESCENDAR]\nLatDeg=27\nLatMin=42\nLatSec=00\nLatDir=North\nLongDeg=085\n"
             "LongMin=19\nLongSec=00\nLongDir=East\nTimeZone=12\nZoneName=Asia/Kathmandu\n");
    const CliRun saved = run({"seasons", "2026", "--json"});
    ASSERT_EQ(saved.code, 0) << saved.err.toStdString();
    EXPECT_EQ(saved.json()["ZoneName"].toString(), "Asia/Kathmandu");
    const CliRun fixed = run({"seasons", "2026", "--zone", "1", "--json"});
    EXPECT_EQ(fixed.json()["ZoneName"].toString(), "UTC+01:00");
    const CliRun dst = run({"seasons", "2026", "--dst", "--json"});
    EXPECT_EQ(dst.json()["ZoneName"].toString(), "UTC+01:00"); // saved TimeZone 12 is GMT
}

TEST_F(CliPlaces, NowIsTheObserversDateWhateverTheComputersZone) {
    // Kiritimati is 14 hours ahead of UT, Pago Pago 11 hours behind (neither keeps daylight
    // saving): their clocks now read 25 hours apart, a date or two, whatever zone the
    // computer is in.
    const CliRun ahead = run({"dateinfo", "--tz", "Pacific/Kiritimati", "--json"});
    const CliRun behind = run({"dateinfo", "--tz", "Pacific/Pago_Pago", "--json"});
    ASSERT_EQ(ahead.code, 0) << ahead.err.toStdString();
    ASSERT_EQ(behind.code, 0) << behind.err.toStdString();
    const double apart =
        ahead.json()["JulianDay"].toDouble() - behind.json()["JulianDay"].toDouble(); // days
    EXPECT_TRUE(apart == 1.0 || apart == 2.0) << apart;
    EXPECT_EQ(ahead.json()["ZoneName"].toString(), "Pacific/Kiritimati");
}

} // namespace
