// crescendar-cli over saved settings that cannot be used as they stand: one line on stderr
// says so, and the answer is given on the defaults.
#include <gtest/gtest.h>

#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

class CliSettings : public ::testing::Test {
  protected:
    QTemporaryDir home;
    QString ini = home.filePath("Crescendar/Crescendar.ini");

    void SetUp() override { ASSERT_TRUE(QDir(home.path()).mkpath("Crescendar")); }

    void WriteIni(const QByteArray& bytes) {
        QFile f(ini);
        ASSERT_TRUE(f.open(QFile::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray ReadIni() const {
        QFile f(ini);
        return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
    }

    using Run = CliRun;
    Run run(const QStringList& args, const QString& config) { return RunCli(args, config); }
    Run run(const QStringList& args) { return run(args, home.path()); }
    // The same command with no settings file at all: the defaults.
    Run runOnDefaults(const QStringList& args) {
        QTemporaryDir empty;
        return run(args, empty.path());
    }
};

TEST_F(CliSettings, DamagedFileIsToldOnceAndTheDefaultsAnswer) {
    const QByteArray damaged = "[HKEY_CRESCENDAR]\nLocation=\"Leeds\nLatDeg=51\nDateFormat=yyyy "
                               "mm dd\nTimeZone=13\n";
    WriteIni(damaged);
    const QStringList args = {"month", "2024-02", "--json"};
    const Run r = run(args);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("crescendar-cli: ")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(ini)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("line 2")) << r.err.toStdString();
    EXPECT_EQ(r.out, runOnDefaults(args).out);
    EXPECT_EQ(ReadIni(), damaged);
}

TEST_F(CliSettings, ValuesOutOfRangeAreNamedAndReplacedByTheirDefaults) {
    WriteIni("[HKEY_CRESCENDAR]\nLatDeg=95\nLatMin=00\nLatSec=00\nLongDeg=000\nLongMin=00\n"
             "LongSec=00\nDateFormat=hello\nTimeZone=12\n");
    const QStringList args = {"month", "2024-02"};
    const Run r = run(args);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("LatDeg \"95\"")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("DateFormat \"hello\"")) << r.err.toStdString();
    EXPECT_FALSE(r.out.contains("hello"));
    EXPECT_TRUE(r.out.contains("29/02/2024"));
    EXPECT_EQ(r.out, runOnDefaults(args).out);
}

TEST_F(CliSettings, SettingsPathThatIsAFifoDoesNotHang) {
    ASSERT_EQ(mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    const Run r = run({"easter", "2024"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.contains("not a regular file")) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("2024"));
}

TEST_F(CliSettings, SoundSettingsAreUsedSilently) {
    WriteIni("\xEF\xBB\xBF[HKEY_CRESCENDAR]\nLatDeg=51\nLatMin=30\nLatSec=00\nLatDir=North\n"
             "DateFormat=yyyy-mm-dd\nTimeZone=12\n");
    const Run r = run({"month", "2024-02"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("2024-02-29"));
}

} // namespace
