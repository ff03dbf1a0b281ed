// Runs crescendar-cli as a user would, with a private configuration folder.
#include <gtest/gtest.h>

#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class Cli : public ::testing::Test {
  protected:
    QTemporaryDir home;

    CliRun run(const QStringList& args) { return RunCli(args, home.path()); }
};

TEST_F(Cli, MoonJsonMatchesTheWorkedExample) {
    const CliRun r = run({"moon", "1992-04-12", "00:00", "--lat", "40", "--lon", "0", "--zone", "0",
                          "--no-dst", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_DOUBLE_EQ(o["JD"].toDouble(), 2448724.5);
    const QJsonObject m = o["MoonState"].toObject();
    EXPECT_NEAR(m["Distance"].toDouble(), 368409.7, 0.1);
    EXPECT_NEAR(m["Parallax"].toDouble(), 0.99199, 0.00001);
    EXPECT_NEAR(m["TopoRA"].toDouble(), 133.9701, 0.0001);
    EXPECT_NEAR(m["TopoDec"].toDouble(), 13.2214, 0.0001);
    EXPECT_NEAR(m["Altitude"].toDouble(), 27.2920, 0.0001);
    EXPECT_NEAR(m["Azimuth"].toDouble(), 265.2193, 0.0001);
    EXPECT_EQ(m["IlluminatedPercent"].toInt(), 68);
    const QJsonObject eq = m["Equatorial"].toObject();
    EXPECT_NEAR(eq["RA"].toDouble(), 134.6885, 0.0001);
    EXPECT_EQ(eq["DecText"].toObject()["Deg"].toString(), "13");
    EXPECT_EQ(m["TopoRAText"].toObject().keys(), (QStringList{"Deg", "Min", "Sec", "Sign"}));
    const QJsonObject sun = o["SunPosition"].toObject();
    EXPECT_NEAR(sun["Equatorial"].toObject()["RA"].toDouble(), 20.6578, 0.0001);
    EXPECT_FALSE(o["PhaseName"].toString().isEmpty());
    EXPECT_EQ(o["LST"].toString().size(), 8);
    EXPECT_GT(o["Age"].toDouble(), 0.0);
}

TEST_F(Cli, PhasesJsonForJanuary2000) {
    const CliRun r = run({"phases", "2000-01", "--zone", "0", "--no-dst", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonArray list = r.json()["PhaseList"].toArray();
    ASSERT_EQ(list.size(), 4);
    const char* texts[] = {"18:14  06 January 2000", "13:35  14 January 2000",
                           "04:41  21 January 2000", "07:57  28 January 2000"};
    const int kinds[] = {0, 3, 2, 1};
    for (int i = 0; i < 4; ++i) {
        const QJsonObject e = list[i].toObject();
        EXPECT_EQ(e["Text"].toString(), texts[i]);
        EXPECT_EQ(e["Kind"].toInt(), kinds[i]);
        EXPECT_DOUBLE_EQ(e["K"].toDouble(), i * 0.25);
    }
    // JDE is the Julian Ephemeris Day (18:14:45 TD on 6 January), the same in every zone.
    EXPECT_NEAR(list[0].toObject()["JDE"].toDouble(), 2451550.2602, 1e-4);
    const CliRun tokyo = run({"phases", "2000-01", "--tz", "Asia/Tokyo", "--json"});
    EXPECT_EQ(tokyo.json()["PhaseList"].toArray()[0].toObject()["JDE"].toDouble(),
              list[0].toObject()["JDE"].toDouble());
}

TEST_F(Cli, PerigeeTextsAndPlainOutput) {
    CliRun r = run({"perigee", "1999-12-22", "--zone", "0", "--no-dst", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["PerigeeDateText"].toString(), "11:01  22 Dec  ");
    EXPECT_EQ(r.json()["PerigeeDistanceText"].toString(), "356654 km  ");

    r = run({"perigee", "1999-12-22", "--zone", "0", "--no-dst"});
    ASSERT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains("Perigee:   11:01  22 Dec  356654 km")) << r.out.toStdString();

    r = run({"moon", "2025-03-14", "06:58", "--zone", "0", "--lat", "-33.87", "--lon", "151.2"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    for (const char* caption : {"Visible:", "Age:", "Distance:", "R.A.:", "Dec.:", "Parallax:",
                                "Diameter:", "Apogee:", "Perigee:", "Az.:", "P.A.:", "LST:"})
        EXPECT_TRUE(r.out.contains(caption)) << caption;
    EXPECT_TRUE(r.out.contains("Full (Worm) Moon")) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("nan", Qt::CaseInsensitive));
}

TEST_F(Cli, EngineReportsAsJson) {
    CliRun r = run({"seasons", "2024", "--zone", "0", "--no-dst", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.json()["MarchEquinox"].toString().startsWith("03:06:"));
    EXPECT_TRUE(r.json()["MarchEquinox"].toString().endsWith("  20 March 2024"));
    EXPECT_EQ(r.json()["SeasonLengths"].toArray().size(), 4);

    r = run({"easter", "2024", "--json"});
    EXPECT_EQ(r.json()["Easter"].toString(), "31 March 2024");

    r = run({"dateinfo", "2003-02-05", "--json"});
    EXPECT_EQ(r.json()["WeekText"].toString(), "6  (2003-W6-3)");
    EXPECT_EQ(r.json()["DaysTillXmas"].toInt(), 323);

    r = run({"eclipses", "2025", "2025", "--zone", "0", "--no-dst", "--json"});
    const QJsonArray eclipses = r.json()["Eclipses"].toArray();
    ASSERT_EQ(eclipses.size(), 2);
    EXPECT_EQ(eclipses[0].toObject()["TypeName"].toString(), "Total Eclipse");
    EXPECT_EQ(eclipses[0].toObject()["EclipseType"].toInt(), 3);
    EXPECT_TRUE(eclipses[0].toObject()["MaximumDate"].toString().startsWith("2025-03-14T06:"));

    r = run({"phases", "2025-03", "--zone", "0", "--no-dst", "--json"});
    EXPECT_EQ(r.json()["Eclipse"].toArray().size(), 1);

    r = run({"riseset", "2025-06-21", "--lat", "70", "--lon", "19", "--zone", "1", "--json"});
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.json()["Sun"].toObject()["RiseText"].toString(), "None");
    EXPECT_TRUE(r.json()["Moon"].toObject().contains("IlluminatedPercent"));
    EXPECT_FALSE(r.json()["Sun"].toObject().contains("IlluminatedPercent"));

    r = run({"month", "2024-02", "--json"});
    const QJsonArray days = r.json()["Days"].toArray();
    ASSERT_EQ(days.size(), 29);
    EXPECT_EQ(days[28].toObject()["Date"].toString(), "29/02/2024");
    EXPECT_EQ(days[0].toObject()["LST"].toString().size(), 8);
}

TEST_F(Cli, BadInputIsRefusedWithExitCode2) {
    const QList<QStringList> bad = {
        {"moon", "2023-02-30", "12:00"},
        {"moon", "2023-02-28", "24:00"},
        {"moon", "2023-02-28"},
        {"moon", "2023-02-28", "12:00", "bogus"},
        {"phases", "2023-13"},
        {"phases", "0-01"},
        {"moon", "--lat", "95"},
        {"moon", "--lon", "east"},
        {"moon", "--zone", "0.3"},
        {"moon", "--zone", "13"},
        {"eclipse-of-the-heart"},
        {},
        {"moon", "--dst", "--no-dst"},
        {"moon", "--frobnicate"},
        {"eclipses", "2030", "2020"},
        {"eclipses", "2020"},
        {"easter", "12.5"},
        {"seasons", "10000"},
        {"month", "2024-00"},
        // Samoa's clocks passed over 30 December 2011.
        {"moon", "2011-12-30", "12:00", "--tz", "Pacific/Apia"},
        {"riseset", "2011-12-30", "--tz", "Pacific/Apia"},
        {"solar", "2024-04-09", "--zone", "0"}, // no solar eclipse that day
        {"solar", "0000-01-01"},
        {"solar", "2024-4"},
        {"solar"},
        {"eclipses", "2024", "10000", "--kind", "solar"},
        {"eclipses", "2024", "2025", "--kind", "moon"},
        {"eclipses", "2024", "2025", "--kind="},
        {"moon", "--kind", "lunar"},
        {"solar", "2024-04-08", "--kind", "solar"},
    };
    for (const QStringList& args : bad) {
        const CliRun r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
}

// A minus before a date or year is not taken for a bundle of options: the argument is named
// as it was written. Negative option values are still values.
TEST_F(Cli, ANegativeDateOrYearIsNamedAsWritten) {
    for (const QStringList& args : {QStringList{"moon", "-2026-01-01"},
                                    {"easter", "-1"},
                                    {"--lat", "-33.9", "seasons", "-2000"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains('"' + args.last() + "\" is not an option"))
            << r.err.toStdString();
        EXPECT_FALSE(r.err.contains("Unknown option")) << r.err.toStdString();
    }
    EXPECT_EQ(run({"seasons", "2026", "--lat", "-33.9", "--lon", "-70.6"}).code, 0);
}

TEST_F(Cli, NeverWritesTheSettings) {
    const CliRun r = run({"moon", "--lat", "51.5", "--lon", "-0.1", "--zone", "1", "--dst"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// crescendar-cli and crescendar-cli-qt without the full program beside them (where they are
// installed, or in the build folder): the commands that need the gazetteer or the calendar say
// what is missing, the others answer as ever.
TEST(CliHandOn, WithoutTheFullProgramOnlyItsCommandsFail) {
    QTemporaryDir dir;
    const QString alone = dir.filePath("bin/crescendar-cli");
    const QString qt = "libexec/crescendar/crescendar-cli-qt";
    ASSERT_TRUE(QDir(dir.path()).mkpath("bin") && QDir(dir.path()).mkpath("libexec/crescendar"));
    ASSERT_TRUE(QFile::copy(CRESCENDAR_CLI_PATH, alone));
    ASSERT_TRUE(QFile::copy(QFileInfo(CRESCENDAR_CLI_PATH).absolutePath() + "/../" + qt,
                            dir.filePath(qt)));
    const QStringList greenwich{"--lat", "51.5", "--lon", "0", "--zone", "0", "--no-dst"};
    const struct {
        QStringList Args;
        int Code;
    } cases[] = {
        {QStringList{"moon", "2026-01-01", "12:00"} + greenwich, 0},
        {{"places", "London"}, 1},
        {QStringList{"ics", "2026"} + greenwich, 1},
        {{"easter", "2026", "--place", "Paris"}, 1},
    };
    for (const auto& c : cases) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.path());
        p.setProcessEnvironment(env);
        p.start(alone, c.Args);
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), c.Code) << c.Args.join(' ').toStdString() << err.toStdString();
        if (c.Code != 0) {
            EXPECT_TRUE(err.contains("crescendar-cli-full, which could not be started"))
                << err.toStdString();
        }
    }
}

} // namespace
