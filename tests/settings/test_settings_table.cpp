// Every stored value through the settings table: its default, its refusals, and a changed
// record saved and read back.
#include "Settings.h"
#include "SettingsTable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

using namespace crescendar;

namespace {

class SettingsTableTest : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    std::string path_ = dir_.filePath("Crescendar.ini").toStdString();
    SettingsStore store_{path_};

    QByteArray ReadRaw() const {
        QFile f(QString::fromStdString(path_));
        return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(SettingsTableTest, EveryDefaultIsWrittenAndReadBack) {
    EXPECT_EQ(store_.Load(), DefaultSettings());
    for (const TSettingDef& def : SettingDefs()) {
        EXPECT_EQ(store_.ReadValue(def.Name), def.Optional ? "" : def.Default) << def.Name;
        if (!def.Read) continue;
        TSettings s;
        EXPECT_EQ(ReadSetting(def, s, def.Default), TTextUse::Used) << def.Name;
        EXPECT_EQ(def.Write(s), def.Default) << def.Name;
    }
}

TEST_F(SettingsTableTest, ValuesOutsideTheirRangeAreRefusedAndNamed) {
    struct Case {
        const char* name;
        const char* text;
        const char* why;
    };
    const Case cases[] = {
        {"LatDeg", "91", "more than 90"},
        {"LatSec", "60", "more than 59"},
        {"LongDeg", "1x", "not a whole number"},
        {"LatDir", "Sud", "neither North nor South"},
        {"LongDir", "east", "neither West nor East"},
        {"DayOrder", "7", "not from 0 to 6"},
        {"DateLayoutIdx", "-1", "not from 0 to 1"},
        {"DateFormat", "yyyy", "not a date with a day, a month and a year"},
        {"TimeZone", "24.5", "not from 0 to 24"},
        {"PhaseDensity", "101", "not from 0 to 100"},
        {"ZoneName", "Mars/Olympus_Mons", "not a time zone this computer knows"},
    };
    store_.Load();
    for (const Case& c : cases) {
        ASSERT_TRUE(store_.WriteValues({{c.name, c.text}})) << c.name;
        EXPECT_EQ(store_.Load(), DefaultSettings()) << c.name;
        EXPECT_EQ(
            store_.LastReport().Rejected,
            std::vector<std::string>{std::string(c.name) + " \"" + c.text + "\" (" + c.why + ")"});
        EXPECT_EQ(store_.ReadValue(c.name), c.text); // the file keeps what the user wrote
        ASSERT_TRUE(store_.WriteValues({{c.name, FindSetting(c.name)->Default}}));
    }
}

TEST_F(SettingsTableTest, AChangedRecordIsSavedAndReadBack) {
    const TSettings before = store_.Load();
    TSettings c = before;
    c.LatDeg = "51";
    c.LatMin = "28";
    c.LatSec = "38";
    c.LatDir = TNorthSouth::South;
    c.LongDeg = "006";
    c.LongMin = "07";
    c.LongSec = "12";
    c.LongDir = TEastWest::East;
    c.Location = "York, UK";
    c.DayOrder = 6;
    c.DateLayoutIdx = 1;
    c.DateFormat = "mm/dd/yyyy";
    c.DaylightSavings = true;
    c.TimeZoneIdx = 35;
    c.PhaseDensity = 40;
    c.PrintDailyPhases = c.PrintMajorPhases = c.PrintLunarTimes = c.PrintSunTimes = false;
    c.PrinterType = TPrinterType::ColourInkjet;
    c.ZoneName = "Asia/Kathmandu";
    ASSERT_TRUE(store_.WriteSettings(c, before));
    EXPECT_EQ(store_.Load(), c);
    EXPECT_TRUE(store_.LastReport().Empty()) << store_.LastReport().Text();
    const QByteArray saved = ReadRaw();
    ASSERT_TRUE(store_.WriteSettings(c, c));
    EXPECT_EQ(ReadRaw(), saved);
}

TEST_F(SettingsTableTest, SavingKeepsUnchangedTextsAndRepairsValuesNotUsed) {
    store_.Load();
    ASSERT_TRUE(store_.WriteValues({{"PrinterType", "Dot matrix"},
                                    {"LatDir", ""},
                                    {"PhaseDensity", "300"},
                                    {"TimeZone", "5,5"}}));
    const TSettings loaded = store_.Load();
    TSettings changed = loaded;
    changed.Location = "Leeds";
    // The file changed by another run of the program since it was read.
    ASSERT_TRUE(store_.WriteValues({{"DayOrder", "3"}}));
    ASSERT_TRUE(store_.WriteSettings(changed, loaded));
    EXPECT_EQ(store_.ReadValue("Location"), "Leeds");
    EXPECT_EQ(store_.ReadValue("PrinterType"), "Dot matrix");
    EXPECT_EQ(store_.ReadValue("LatDir"), "");
    EXPECT_EQ(store_.ReadValue("TimeZone"), "5,5");
    EXPECT_EQ(store_.ReadValue("DayOrder"), "3");
    EXPECT_EQ(store_.ReadValue("PhaseDensity"), "75");
    EXPECT_FALSE(QSettings(QString::fromStdString(path_), QSettings::IniFormat)
                     .contains("HKEY_CRESCENDAR/ZoneName"));
}

} // namespace
