// crescendar-cli's front (cli/front), which answers the moon command without Qt: its parts
// agree with Qt's (zone offsets, JSON numbers, the settings it reads), and its answers are byte
// for byte those of the Qt program, crescendar-cli-qt, over a sweep of command lines, zones,
// languages and settings files; what it is not sure of, the Qt program answers.
#include <gtest/gtest.h>

#include "FrontJson.h"
#include "FrontSettings.h"
#include "FrontZone.h"
#include "Settings.h"
#include "TimeZoneRule.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cmath>

namespace {

using namespace crescendar;

// ----- the parts --------------------------------------------------------------------------

// Every zone file of the database: where the front reads a zone, its name and its offsets
// (at every transition, a millisecond either side, and across the years 1 to 9999) are Qt's.
TEST(CliFront, ZoneOffsetsAreQtsForEveryZoneItReads) {
    int read = 0;
    QDirIterator files(front::kZoneFolder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const std::string name =
            QDir(front::kZoneFolder).relativeFilePath(files.next()).toStdString();
        const auto mine = front::LoadZone(name);
        if (!mine) continue;
        ++read;
        const auto qt = TimeZoneRule(name);
        ASSERT_TRUE(qt) << name;
        ASSERT_EQ(mine->Name(), qt->Name());
        std::vector<double> jds;
        for (double jd = 1721425.5; jd < 5373484.5; jd += 3652.4) jds.push_back(jd); // 1..9999
        for (double jd = 2415020.5; jd < 2488070.5; jd += 17.3) jds.push_back(jd);   // 1900..2100
        for (const double jd : jds) {
            const UniversalTime t{jd};
            ASSERT_EQ(mine->OffsetAt(t), qt->OffsetAt(t)) << name << " at JD " << jd;
        }
        // Each change of the file's data and of its rule: at, and a millisecond either side.
        for (double jd = 2415020.5; jd < 2488070.5; jd += 1.0) {
            const UniversalTime day{jd}, next{jd + 1.0};
            if (mine->OffsetAt(day) == mine->OffsetAt(next)) continue;
            std::int64_t lo = ToUnixMilliseconds(day), hi = ToUnixMilliseconds(next);
            while (hi - lo > 1) {
                const std::int64_t mid = lo + (hi - lo) / 2;
                (mine->OffsetSecondsAt(mid) == mine->OffsetSecondsAt(lo) ? lo : hi) = mid;
            }
            for (std::int64_t ms = lo - 1; ms <= hi + 1; ++ms) {
                const UniversalTime t = FromUnixMilliseconds(ms);
                if (ToUnixMilliseconds(t) != ms) continue; // not exact as a Julian Day
                ASSERT_EQ(mine->OffsetAt(t), qt->OffsetAt(t)) << name << " at " << ms << " ms";
            }
        }
    }
    EXPECT_GT(read, 300); // the database's zones, not a few of them
    // Names the Qt program reads otherwise, or that name no zone file.
    for (const char* name : {"UTC", "UTC+05:00", "Nowhere/Town", "../etc/passwd", "zone.tab",
                             "Europe", "", "Europe//London"})
        EXPECT_EQ(front::LoadZone(name), nullptr) << name;
}

// Numbers of every size, sign and length of digits, written as QJsonDocument writes them.
TEST(CliFront, JsonNumbersAreQtsDigitForDigit) {
    QRandomGenerator random(20261209);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  -1.0,
                                  0.1,
                                  1e-4,
                                  1.5e-4,
                                  1e-5,
                                  123456.5,
                                  1e21,
                                  1.25e7,
                                  9.271863840475365e-05,
                                  9007199254740992.0,
                                  9007199254740994.0,
                                  1e300,
                                  -2.5e-300,
                                  std::nan(""),
                                  HUGE_VAL};
    for (int i = 0; i < 20000; ++i) {
        const double mantissa = random.generateDouble() * 10.0;
        const int exponent = random.bounded(-25, 25);
        const int digits = random.bounded(1, 18);
        const double scale = std::pow(10.0, digits - 1);
        values.push_back((i % 2 ? -1 : 1) * std::round(mantissa * scale) / scale *
                         std::pow(10.0, exponent));
        values.push_back(mantissa * std::pow(10.0, exponent));
    }
    for (const double v : values) {
        const QByteArray qt = QJsonDocument(QJsonObject{{"v", v}}).toJson(QJsonDocument::Indented);
        ASSERT_EQ(front::TJson({{"v", v}}).Document(), qt.toStdString()) << v;
    }
}

// Settings files the front reads, as the Qt program reads them without a word on stderr; and
// the ones it leaves to the Qt program.
TEST(CliFront, SettingsAreReadAsTheQtProgramReadsThemOrNotAtAll) {
    struct Case {
        const char* text;
        bool read;
    };
    const Case cases[] = {
        {"", true},
        {"[HKEY_CRESCENDAR]\nVersion=V2.0\nLatDeg=51\nLatMin=30\nLatSec=26\nLongDeg=000\n"
         "LongMin=07\nLongSec=39\nLatDir=North\nLongDir=West\nLocation=London\nDayOrder=0\n"
         "DateLayoutIdx=0\nDateFormat=dd/mm/yyyy\nDaylightSavings=True\nTimeZone=12\n"
         "PhaseDensity=75\nPhasePrintout=3\nPrintDailyPhases=True\nPrintMajorPhases=True\n"
         "PrintLunarTimes=True\nPrintSunTimes=True\nPrinterType=Laser\n",
         true},
        {"[HKEY_CRESCENDAR]\nLatDeg=33\nLatDir=South\nLongDeg=151\nLongDir=East\n"
         "ZoneName=Australia/Sydney\nLanguage=de\n",
         true},
        {"; a comment\n[MovedWindows]\nMain=10,20\n[HKEY_CRESCENDAR]\nTimeZone=17.5\n", true},
        {"[HKEY_CRESCENDAR]\nLocation=Leeds, UK\n", false}, // a list, joined otherwise
        {"[MovedWindows]\nMainWindow=10\n[HKEY_CRESCENDAR]\nTimeZone=17,5\nLatDeg=\n", true},
        {"[HKEY_CRESCENDAR]\nTimeZone=5.5\nDaylightSavings=true\nLocation=Zürich\n", true},
        {"[HKEY_CRESCENDAR]\nLatDeg=90\nLatMin=01\n", false},        // beyond the pole
        {"[HKEY_CRESCENDAR]\nLatDeg=95\n", false},                   // refused and reported
        {"[HKEY_CRESCENDAR]\nLatDeg=0051\n", false},                 // cut to three characters
        {"[HKEY_CRESCENDAR]\nLatDir=Northern\n", false},             // cut to five characters
        {"[HKEY_CRESCENDAR]\nTimeZone=49\n", false},                 // out of range
        {"[HKEY_CRESCENDAR]\nTimeZone=1e1\n", false},                // a form left to Qt
        {"[HKEY_CRESCENDAR]\nZoneName=Nowhere/Town\n", false},       // reported
        {"[HKEY_CRESCENDAR]\nZoneName=UTC\n", false},                // made by Qt itself
        {"[HKEY_CRESCENDAR]\nLocation=\"Leeds, UK\"\n", false},      // quoted
        {"[HKEY_CRESCENDAR]\nLocation=\"Leeds\nLatDeg=51\n", false}, // damaged
        {"[HKEY_CRESCENDAR]\r\nLatDeg=51\r\n", false},
        {"\xEF\xBB\xBF[HKEY_CRESCENDAR]\nLatDeg=51\n", false},
        {"[HKEY_CRESCENDAR]\nLatDeg=51\nLatDeg=52\n", false},
        {"[HKEY_CRESCENDAR]\nLatDeg = 51\n", false},
        {"[HKEY_CRESCENDAR]\nLanguage=it\n", false},
        {"[HKEY_CRESCENDAR]\nDateFormat=hello\n", false},
        {"[HKEY_CRESCENDAR]\nDayOrder=7\n", false},
        {"[HKEY_CRESCENDAR\nLatDeg=51\n", false},
        {"LatDeg\n", false},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Crescendar.ini");
        QFile file(path);
        ASSERT_TRUE(file.open(QFile::WriteOnly));
        ASSERT_EQ(file.write(c.text), qint64(std::strlen(c.text)));
        file.close();
        Observer mine;
        const bool read =
            front::ReadSavedObserver(path.toStdString(), &mine) == front::TSettingsRead::Read;
        EXPECT_EQ(read, c.read) << c.text;
        if (!read) continue;
        SettingsReport report;
        const Observer qt = MakeObserver(SettingsStore(path.toStdString()).Peek(&report));
        EXPECT_TRUE(report.Empty()) << c.text << report.Text();
        EXPECT_EQ(mine.Latitude, qt.Latitude) << c.text;
        EXPECT_EQ(mine.Longitude, qt.Longitude) << c.text;
        EXPECT_EQ(mine.ZoneOffset, qt.ZoneOffset) << c.text;
        EXPECT_EQ(mine.DaylightOffset, qt.DaylightOffset) << c.text;
        EXPECT_EQ(mine.ZoneName(), qt.ZoneName()) << c.text;
    }
}

// ----- the programs -----------------------------------------------------------------------

struct ProgramRun {
    int code = -1;
    QByteArray out, err;
    bool operator==(const ProgramRun&) const = default;
};

// The program started with argv[0] `name` (the front's, which the Qt program gets from it and
// shows in its help), by bash's exec -a.
ProgramRun Start(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                 const QString& name = {}) {
    QProcess p;
    p.setProcessEnvironment(env);
    if (name.isEmpty())
        p.start(program, args);
    else
        p.start("/bin/bash",
                QStringList{"-c", "exec -a \"$1\" \"${@:2}\"", "bash", name, program} + args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

std::string Shown(const ProgramRun& r) {
    return "exit " + std::to_string(r.code) + "\n" + r.out.toStdString() + r.err.toStdString();
}

class CliFrontPrograms : public ::testing::Test {
  protected:
    const QString front = CRESCENDAR_CLI_PATH;
    // The Qt program where the build puts it, beside crescendar-cli-full.
    const QString qt = QDir::cleanPath(QFileInfo(front).absolutePath() +
                                       "/../libexec/crescendar/crescendar-cli-qt");
    QTemporaryDir home, lone;
    QString alone; // a copy of the front without the Qt program beside it

    void SetUp() override {
        ASSERT_TRUE(QFileInfo(qt).isExecutable()) << qt.toStdString();
        alone = lone.filePath("crescendar-cli");
        ASSERT_TRUE(QFile::copy(front, alone));
    }

    QProcessEnvironment Environment(const QString& lang, const QByteArray& ini) {
        QProcessEnvironment env;
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path());
        if (!lang.isEmpty()) env.insert("LANG", lang);
        QDir(home.path()).mkpath("Crescendar");
        QFile::remove(home.filePath("Crescendar/Crescendar.ini"));
        if (!ini.isNull()) {
            QFile f(home.filePath("Crescendar/Crescendar.ini"));
            EXPECT_TRUE(f.open(QFile::WriteOnly));
            EXPECT_EQ(f.write(ini), ini.size());
        }
        return env;
    }

    // The front's answer and the Qt program's, byte for byte (runs without a date read the
    // clock: taken again when they straddled a second). answered: whether the front answers
    // alone, without the Qt program.
    void Compare(const QStringList& args, const QProcessEnvironment& env, bool answered,
                 const std::string& what) {
        ProgramRun mine, theirs;
        for (int attempt = 0; attempt < 3; ++attempt) {
            mine = Start(front, args, env);
            // The help shows the program's name, argv[0], which the front passes on.
            theirs = Start(qt, args, env, args.contains("--help") ? front : QString());
            if (mine == theirs) break;
        }
        const std::string line = what + ": " + args.join(' ').toStdString();
        EXPECT_EQ(Shown(mine), Shown(theirs)) << line;
        const ProgramRun lonely = Start(alone, args, env);
        if (answered)
            EXPECT_EQ(lonely.code, 0) << line << "\n" << Shown(lonely);
        else
            EXPECT_TRUE(lonely.code == 1 && lonely.err.contains("could not be started"))
                << line << " was answered without the Qt program\n"
                << Shown(lonely);
    }
};

const QByteArray kSavedLondon = "[HKEY_CRESCENDAR]\nLatDeg=51\nLatMin=30\nLatDir=North\n"
                                "LongDeg=000\nLongMin=07\nLongDir=West\nTimeZone=12\n"
                                "DaylightSavings=True\nZoneName=Europe/London\n";

// moon, as text and JSON, over the years, the clocks' changes, zones named and fixed, with a
// settings file and without: the front answers, exactly as the Qt program.
TEST_F(CliFrontPrograms, MoonAnswersAreTheQtProgramsByteForByte) {
    const QStringList instants[] = {
        {},
        {"0001-01-01", "00:00"},
        {"0100-07-15", "12:00"},
        {"1000-03-01", "06:30:15"},
        {"1582-10-04", "23:59:59"},
        {"1582-10-15", "00:00"},
        {"1883-11-18", "12:00"},
        {"1970-01-01", "00:00"},
        {"2000-02-29", "13:45"},
        {"2026-03-29", "00:59:59"},
        {"2026-03-29", "01:30"},
        {"2026-03-29", "02:00"},
        {"2026-10-25", "01:30"},
        {"2026-11-01", "01:30"},
        {"2026-04-05", "02:30"},
        {"2038-01-19", "03:14:08"},
        {"2026-1-5", "7:05"},
        {"2100-03-28", "01:30"},
        {"5000-06-21", "12:00"},
        {"9999-12-31", "23:59:59"},
    };
    const QStringList places[] = {
        {},
        {"--tz", "Europe/London"},
        {"--tz=America/New_York", "--lat", "40.7", "--lon", "-74"},
        {"--tz", "Australia/Lord_Howe", "--lat=-31.5", "--lon=159.1"},
        {"--tz", "Asia/Kathmandu"},
        {"--tz", "America/St_Johns", "--lat", "47.6", "--lon", "-52.7"},
        {"--zone", "5.5", "--dst"},
        {"--zone=-12", "--no-dst", "--lat", "-90", "--lon", "180"},
        {"--zone", "12", "--lat", "90", "--lon", "-180"},
        {"--dst", "--tz", "Etc/GMT+5"},
        {"--lat", "-0", "--lon", "0.000001"},
        {"--lat", "-33.92", "--lon", "-070.6", "--tz", "America/Santiago"},
    };
    for (const QByteArray& ini : {QByteArray(), kSavedLondon}) {
        const QProcessEnvironment env = Environment("C.UTF-8", ini);
        for (const QStringList& instant : instants)
            for (const QStringList& place : places)
                for (const bool json : {false, true})
                    Compare(QStringList{"moon"} + instant + place +
                                (json ? QStringList{"--json"} : QStringList{}),
                            env, true, ini.isNull() ? "no settings" : "settings");
    }
}

// The environments the front answers in, and those it leaves to the Qt program: each shipped
// language, unknown ones, damaged and reported settings.
TEST_F(CliFrontPrograms, OtherLanguagesAndSettingsAreTheQtProgramsToAnswer) {
    const QStringList args = {"moon", "2026-06-21", "12:00", "--tz", "Europe/Paris"};
    struct Case {
        const char* lang;
        QByteArray ini;
        bool answered;
    };
    const Case cases[] = {
        {"", {}, true},
        {"C", {}, true},
        {"POSIX", {}, true},
        {"en_US.UTF-8", kSavedLondon, true},
        {"de_DE.UTF-8", {}, true},
        {"fr_FR.UTF-8", kSavedLondon, true},
        {"es_ES.utf8", {}, true},
        {"de_DE", {}, true},
        {"de_AT.UTF-8", {}, false},
        {"fr_CA.UTF-8", {}, false},
        {"en_GB.UTF-8", {}, false},
        {"it_IT.UTF-8", {}, false},
        {"C.UTF-8", "[HKEY_CRESCENDAR]\nLocation=\"Leeds\nLatDeg=51\n", false},
        {"C.UTF-8", "[HKEY_CRESCENDAR]\nLatDeg=95\n", false},
        {"C.UTF-8", "[HKEY_CRESCENDAR]\nZoneName=Nowhere/Town\n", false},
        {"C.UTF-8", "[HKEY_CRESCENDAR]\nLocation=\"Leeds, UK\"\nTimeZone=14\n", false},
    };
    for (const Case& c : cases)
        for (const bool json : {false, true})
            Compare(args + (json ? QStringList{"--json"} : QStringList{}),
                    Environment(c.lang, c.ini), c.answered, std::string("LANG=") + c.lang);
    // The variables together: LANGUAGE, LC_ALL and LC_TIME over LANG.
    struct Variables {
        const char* name;
        const char* value;
        bool answered;
    };
    const Variables variables[] = {
        {"LANGUAGE", "de", false},        {"LANGUAGE", "en_US:en", true},
        {"LC_ALL", "de_DE.UTF-8", false}, {"LC_TIME", "fr_FR.UTF-8", false},
        {"LC_MESSAGES", "C", true},       {"LC_CTYPE", "de_DE.UTF-8", true},
    };
    for (const Variables& v : variables) {
        QProcessEnvironment env = Environment("C.UTF-8", {});
        env.insert(v.name, v.value);
        Compare(args, env, v.answered, std::string(v.name) + "=" + v.value);
    }
    QProcessEnvironment german = Environment("de_DE.UTF-8", {});
    german.insert("LANGUAGE", "de");
    Compare(args, german, true, "LANGUAGE=de");
    german.insert("LC_CTYPE", "C.UTF-8");
    Compare(args, german, true, "LC_CTYPE=C.UTF-8");
    // A whole sweep of instants and zones in each language the front speaks.
    for (const char* lang : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"})
        for (const char* date : {"0800-01-31", "1582-10-15", "2026-10-25", "9999-12-31"})
            for (const char* zone : {"Europe/Berlin", "America/Mexico_City", "Asia/Kolkata"})
                Compare({"moon", date, "01:30", "--tz", zone}, Environment(lang, {}), true,
                        std::string("LANG=") + lang);
}

// An answer that cannot be written: the same message, in the language, and exit code.
TEST_F(CliFrontPrograms, AFailedWriteIsToldAsTheQtProgramTellsIt) {
    for (const char* lang : {"C.UTF-8", "de_DE.UTF-8"}) {
        const QProcessEnvironment env = Environment(lang, {});
        const auto full = [&](const QString& program, const QString& name) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.setStandardOutputFile("/dev/full");
            p.start("/bin/bash", {"-c", "exec -a \"$1\" \"${@:2}\"", "bash", name, program, "moon",
                                  "2026-01-01", "12:00"});
            p.waitForFinished(30000);
            return std::to_string(p.exitCode()) + p.readAllStandardError().toStdString();
        };
        const std::string mine = full(front, front);
        EXPECT_EQ(mine, full(qt, front)) << lang;
        EXPECT_NE(mine.find("crescendar-cli: "), std::string::npos) << mine;
    }
}

// Command lines the front does not answer: the Qt program's answer or message and exit code.
TEST_F(CliFrontPrograms, OtherCommandLinesAreTheQtProgramsToAnswer) {
    const QStringList lines[] = {
        {},
        {"--help"},
        {"--version"},
        {"phases", "2026-03"},
        {"riseset", "2026-03-20", "--json"},
        {"easter", "2026"},
        {"places", "London"},
        {"moon", "2026-03-20"},
        {"moon", "2026-03-20", "12:00", "extra"},
        {"moon", "2026-02-30", "12:00"},
        {"moon", "2026-03-20", "24:00"},
        {"moon", "0000-01-01", "00:00"},
        {"moon", "1582-10-10", "12:00"},
        {"moon", "2011-12-30", "12:00", "--tz", "Pacific/Apia"},
        {"moon", "-2026-01-01", "12:00"},
        {"moon", " 2026-03-20", "12:00"},
        {"moon", "--lat", "91"},
        {"moon", "--lat", "1e1"},
        {"moon", "--lon", "abc"},
        {"moon", "--zone", "5.25"},
        {"moon", "--dst", "--no-dst"},
        {"moon", "--tz", "Nowhere/Town"},
        {"moon", "--tz", "UTC"},
        {"moon", "--tz", " Europe/London"},
        {"moon", "2026-01-05", "07:5"},
        {"moon", "2026-01-05", "07:05:5"},
        {"moon", "--json", "--json"},
        {"moon", "--json=1"},
        {"moon", "--csv"},
        {"moon", "--place", "London"},
        {"moon", "--unknown"},
        {"moon", "--lat"},
        {"moon", "-j"},
        {"moon", "--", "2026-01-01", "12:00"},
    };
    const QProcessEnvironment env = Environment("C.UTF-8", {});
    for (const QStringList& line : lines) Compare(line, env, false, "handed on");
}

} // namespace
