// Window positions kept beside the settings, in a group of their own.
#include "Settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace crescendar;

namespace {

class WindowPositionsTest : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    std::string path_ = dir_.filePath("Crescendar.ini").toStdString();

    QByteArray ReadRaw() const {
        QFile f(QString::fromStdString(path_));
        return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(WindowPositionsTest, PositionsGoToTheirOwnGroupAndLeaveTheSettingsAlone) {
    SettingsStore store(path_);
    const TSettings loaded = store.Load();
    EXPECT_EQ(store.ReadWindowPosition("Main"), std::nullopt);
    ASSERT_TRUE(store.WriteWindowPosition("Main", 120, -40)) << store.LastWriteError();
    ASSERT_TRUE(store.WriteWindowPosition("TimesList", 0, 7));
    ASSERT_TRUE(store.WriteWindowPosition("Main", 121, 41));
    EXPECT_EQ(store.ReadWindowPosition("Main"), (std::pair{121, 41}));
    EXPECT_EQ(store.ReadWindowPosition("TimesList"), (std::pair{0, 7}));
    EXPECT_TRUE(ReadRaw().contains("[MovedWindows]"));

    // The settings read back as they were, and writing them keeps the positions.
    SettingsReport report;
    EXPECT_EQ(store.Peek(&report).Location, loaded.Location);
    EXPECT_TRUE(report.Empty()) << report.Text();
    ASSERT_TRUE(store.WriteValues({{"Location", "Greenwich"}}));
    EXPECT_EQ(store.ReadWindowPosition("Main"), (std::pair{121, 41}));
    EXPECT_EQ(SettingsStore(path_).Load().Location, "Greenwich");
    EXPECT_EQ(store.ReadWindowPosition("TimesList"), (std::pair{0, 7}));
}

TEST_F(WindowPositionsTest, BadValuesAndNamesAreRefused) {
    SettingsStore store(path_);
    store.Load();
    QFile f(QString::fromStdString(path_));
    ASSERT_TRUE(f.open(QFile::Append));
    // E to G: no screen is that far; a window moved there would overflow its rectangle.
    f.write("[MovedWindows]\nA=12\nB=x,3\nC=1,2,3\nD=\"4, 5\"\nE=2147483647,2147483647\n"
            "F=-2147483648,0\nG=0,100001\nH=-100000,100000\n");
    f.close();
    for (const char* name : {"A", "B", "C", "E", "F", "G"})
        EXPECT_EQ(store.ReadWindowPosition(name), std::nullopt) << name;
    EXPECT_EQ(store.ReadWindowPosition("D"), (std::pair{4, 5}));
    EXPECT_EQ(store.ReadWindowPosition("H"), (std::pair{-100000, 100000}));
    EXPECT_FALSE(store.WriteWindowPosition("Main/Other", 1, 1));
    EXPECT_FALSE(store.WriteWindowPosition("", 1, 1));
    EXPECT_EQ(store.ReadWindowPosition("../x"), std::nullopt);
}

TEST_F(WindowPositionsTest, AMissingOrDamagedFileIsNeverWritten) {
    SettingsStore store(path_);
    EXPECT_FALSE(store.WriteWindowPosition("Main", 1, 2));
    EXPECT_TRUE(store.LastWriteFailed());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path_)));

    const QByteArray damaged = "[HKEY_CRESCENDAR]\nLocation=\"open quote\nLatDeg=12\n";
    {
        QFile f(QString::fromStdString(path_));
        ASSERT_TRUE(f.open(QFile::WriteOnly));
        f.write(damaged);
    }
    EXPECT_FALSE(store.WriteWindowPosition("Main", 1, 2));
    EXPECT_NE(store.LastWriteError().find("damaged"), std::string::npos);
    EXPECT_EQ(ReadRaw(), damaged);
    EXPECT_EQ(store.ReadWindowPosition("Main"), std::nullopt);
}

TEST_F(WindowPositionsTest, AReadOnlyFileSaysSoAndKeepsItsValues) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    SettingsStore store(path_);
    store.Load();
    const QByteArray before = ReadRaw();
    ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
    EXPECT_FALSE(store.WriteWindowPosition("Main", 1, 2));
    EXPECT_FALSE(store.LastWriteError().empty());
    EXPECT_EQ(ReadRaw(), before);
}

} // namespace
