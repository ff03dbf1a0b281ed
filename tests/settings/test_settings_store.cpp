#include "Settings.h"
#include "Version.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <tuple>
#include <unistd.h>

using namespace crescendar;

namespace {

const std::string kVersion = "V" CRESCENDAR_VERSION;
const std::vector<std::pair<std::string, std::string>> kDefaults = {{"Version", kVersion},
                                                                    {"LatDeg", "00"},
                                                                    {"LatMin", "00"},
                                                                    {"LatSec", "00"},
                                                                    {"LongDeg", "000"},
                                                                    {"LongMin", "00"},
                                                                    {"LongSec", "00"},
                                                                    {"LatDir", "North"},
                                                                    {"LongDir", "West"},
                                                                    {"Location", ""},
                                                                    {"DayOrder", "0"},
                                                                    {"DateLayoutIdx", "0"},
                                                                    {"DateFormat", "dd/mm/yyyy"},
                                                                    {"DaylightSavings", "False"},
                                                                    {"TimeZone", "12"},
                                                                    {"PhaseDensity", "75"},
                                                                    {"PhasePrintout", "3"},
                                                                    {"PrintDailyPhases", "True"},
                                                                    {"PrintMajorPhases", "True"},
                                                                    {"PrintLunarTimes", "True"},
                                                                    {"PrintSunTimes", "True"},
                                                                    {"PrinterType", "Laser"}};

auto Fields(const TSettings& s) {
    return std::tie(s.Version, s.LatDeg, s.LatMin, s.LatSec, s.LatDir, s.LongDeg, s.LongMin,
                    s.LongSec, s.LongDir, s.Location, s.DayOrder, s.DateLayoutIdx, s.DateFormat,
                    s.DaylightSavings, s.TimeZoneIdx, s.PhaseDensity, s.PrintDailyPhases,
                    s.PrintMajorPhases, s.PrintLunarTimes, s.PrintSunTimes, s.PrinterType);
}

class SettingsStoreTest : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    std::string path_ = dir_.filePath("Crescendar.ini").toStdString();

    void WriteRaw(const QByteArray& bytes, const std::string& path = {}) {
        QFile f(QString::fromStdString(path.empty() ? path_ : path));
        ASSERT_TRUE(f.open(QFile::WriteOnly));
        f.write(bytes);
    }
    QByteArray ReadRaw() const {
        QFile f(QString::fromStdString(path_));
        return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
    }
    // An existing key holding the defaults, with some values replaced (nullopt removes one).
    void WriteKey(const std::map<std::string, std::optional<QByteArray>>& changes) {
        QByteArray ini = "[HKEY_CRESCENDAR]\n";
        for (const auto& [name, text] : kDefaults) {
            const auto c = changes.find(name);
            if (c != changes.end() && !c->second) continue;
            ini += QByteArray::fromStdString(name) + "=" +
                   (c != changes.end() ? *c->second : QByteArray::fromStdString(text)) + "\n";
        }
        WriteRaw(ini);
    }
    TSettings LoadWith(const std::map<std::string, std::optional<QByteArray>>& changes) {
        WriteKey(changes);
        SettingsStore store(path_);
        return store.Load();
    }
};

TEST_F(SettingsStoreTest, FirstRunWritesExactlyTheDefaults) {
    SettingsStore store(path_);
    const TSettings s = store.Load();
    EXPECT_TRUE(store.LastLoadWasFirstRun());
    EXPECT_FALSE(store.LastWriteFailed());
    EXPECT_EQ(Fields(s), Fields(DefaultSettings()));

    QSettings ini(QString::fromStdString(path_), QSettings::IniFormat);
    EXPECT_EQ(ini.childGroups(), QStringList{"HKEY_CRESCENDAR"});
    ini.beginGroup("HKEY_CRESCENDAR");
    EXPECT_EQ(ini.childKeys().size(), 22);
    for (const auto& [name, text] : kDefaults)
        EXPECT_EQ(ini.value(QString::fromStdString(name)).toString().toStdString(), text) << name;

    // A second start finds the key and is not a first run.
    store.Load();
    EXPECT_FALSE(store.LastLoadWasFirstRun());
}

TEST_F(SettingsStoreTest, TimeZoneReadsEitherDecimalSeparator) {
    const std::vector<std::tuple<QByteArray, double, int>> cases = {
        {"5.5", 11, -390}, {"17.5", 35, 330}, {"\"11,5\"", 23, -30},
        {"11,5", 23, -30}, {"12", 24, 0},     {" 0 ", 0, -720}};
    for (const auto& [text, idx, zone] : cases) {
        const TSettings s = LoadWith({{"TimeZone", text}});
        EXPECT_EQ(s.TimeZoneIdx, idx) << text.constData();
        EXPECT_EQ(ZoneOffset(s), zone) << text.constData();
    }
}

TEST_F(SettingsStoreTest, UnreadableNumbersFallBackAndLoadGoesOn) {
    TSettings s = LoadWith({{"DayOrder", "abc"},
                            {"DateLayoutIdx", std::nullopt},
                            {"PhaseDensity", ""},
                            {"TimeZone", "GMT"},
                            {"Location", "Leeds"}});
    EXPECT_EQ(s.DayOrder, 0);
    EXPECT_EQ(s.DateLayoutIdx, 0);
    EXPECT_EQ(s.PhaseDensity, 75);
    EXPECT_EQ(s.TimeZoneIdx, 24);
    EXPECT_EQ(s.Location, "Leeds");

    // Out-of-range zones would overflow the minute offset; they count as unreadable.
    EXPECT_EQ(LoadWith({{"TimeZone", "1e300"}}).TimeZoneIdx, 24);
    EXPECT_EQ(LoadWith({{"TimeZone", "nan"}}).TimeZoneIdx, 24);

    // Numbers out of their range are not cut to 8 bits into some other valid value.
    s = LoadWith({{"DayOrder", "257"}, {"DateLayoutIdx", "2"}, {"PhaseDensity", "-1"}});
    EXPECT_EQ(s.DayOrder, 0);
    EXPECT_EQ(s.DateLayoutIdx, 0);
    EXPECT_EQ(s.PhaseDensity, 75);
}

TEST_F(SettingsStoreTest, BooleansAreTrueOnlyForExactTrue) {
    const TSettings s = LoadWith({{"DaylightSavings", "true"},
                                  {"PrintDailyPhases", "TRUE"},
                                  {"PrintMajorPhases", std::nullopt},
                                  {"PrintSunTimes", "True"}});
    EXPECT_FALSE(s.DaylightSavings);
    EXPECT_FALSE(s.PrintDailyPhases);
    EXPECT_FALSE(s.PrintMajorPhases);
    EXPECT_TRUE(s.PrintSunTimes);
}

TEST_F(SettingsStoreTest, OverlongTextsAreCutByCharacter) {
    const QByteArray location = QString(70, QChar(0xE9)).toUtf8(); // 70 × "é"
    const TSettings s = LoadWith({{"Location", location},
                                  {"LongDeg", "12345"},
                                  {"LatDir", "Southern"},
                                  {"DateFormat", "dd/mm/yyyy (UK)"},
                                  {"PrinterType", "Dot matrix 24 pin"}});
    EXPECT_EQ(s.Location, QString(64, QChar(0xE9)).toStdString());
    EXPECT_EQ(s.LongDeg, "123");
    EXPECT_EQ(Word(s.LatDir), "South");
    EXPECT_EQ(s.DateFormat, "dd/mm/yyyy (");
    // A printer word the program does not know prints as on a laser printer.
    EXPECT_EQ(s.PrinterType, TPrinterType::Laser);
}

TEST_F(SettingsStoreTest, RepairsPrinterTypeAndRewritesVersion) {
    for (const std::optional<QByteArray>& printer : {std::optional<QByteArray>(), {"\"   \""}}) {
        SettingsStore store(path_);
        WriteKey({{"PrinterType", printer}, {"Version", "V1.07"}});
        const TSettings s = store.Load();
        EXPECT_FALSE(store.LastLoadWasFirstRun());
        EXPECT_EQ(Word(s.PrinterType), "Laser");
        EXPECT_EQ(s.Version, "V" CRESCENDAR_VERSION);
        EXPECT_EQ(store.ReadValue("PrinterType"), "Laser");
        EXPECT_EQ(store.ReadValue("Version"), "V" CRESCENDAR_VERSION);
    }
}

TEST_F(SettingsStoreTest, DamagedFileIsLeftIntact) {
    const std::vector<QByteArray> damaged = {
        "[HKEY_CRESCENDAR\nLocation=Leeds\n",
        "[HKEY_CRESCENDAR]\nLocation=Leeds\nthis line has no equals sign\n"};
    for (const QByteArray& bytes : damaged) {
        WriteRaw(bytes);
        {
            SettingsStore store(path_);
            const TSettings s = store.Load();
            EXPECT_TRUE(store.LastLoadFileDamaged());
            EXPECT_FALSE(store.LastLoadWasFirstRun());
            EXPECT_EQ(Fields(s), Fields(DefaultSettings()));
            // Opening the unchanged file again must still find it damaged.
            store.Load();
            EXPECT_TRUE(store.LastLoadFileDamaged());
            EXPECT_FALSE(store.WriteValues({{"Location", "York"}}));
            EXPECT_EQ(store.ReadValue("Location"), "");
        }
        EXPECT_EQ(ReadRaw(), bytes);
    }
}

TEST_F(SettingsStoreTest, UnreadablePathIsTreatedAsDamaged) {
    // A folder where the file should be cannot be read, even by root.
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(path_)));
    SettingsStore store(path_);
    store.Load();
    EXPECT_TRUE(store.LastLoadFileDamaged());
    EXPECT_TRUE(QDir(QString::fromStdString(path_)).isEmpty());
}

TEST_F(SettingsStoreTest, UnreadablePermissionsAreTreatedAsDamaged) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads files regardless of permissions";
    WriteKey({{"Location", "Leeds"}});
    const QByteArray before = ReadRaw();
    QFile::setPermissions(QString::fromStdString(path_), QFileDevice::WriteOwner);
    SettingsStore store(path_);
    store.Load();
    EXPECT_TRUE(store.LastLoadFileDamaged());
    QFile::setPermissions(QString::fromStdString(path_),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(ReadRaw(), before);
}

TEST_F(SettingsStoreTest, FolderThatCannotBeCreatedKeepsDefaultsInMemory) {
    const std::string blocker = dir_.filePath("blocker").toStdString();
    WriteRaw("not a folder", blocker);
    SettingsStore store(blocker + "/Crescendar/Crescendar.ini");
    const TSettings s = store.Load();
    EXPECT_TRUE(store.LastWriteFailed());
    EXPECT_FALSE(store.LastLoadFileDamaged());
    EXPECT_EQ(Fields(s), Fields(DefaultSettings()));
}

TEST_F(SettingsStoreTest, ReadOnlyFolderKeepsLoadedValuesInMemory) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes to read-only folders";
    WriteKey({{"Location", "Leeds"}, {"Version", "V2.00"}});
    const QByteArray before = ReadRaw();
    const QString folder = dir_.path();
    QFile::setPermissions(path_.c_str(), QFileDevice::ReadOwner);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    SettingsStore store(path_);
    const TSettings s = store.Load();
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(store.LastWriteFailed());
    EXPECT_EQ(s.Location, "Leeds");
    EXPECT_EQ(s.Version, "V" CRESCENDAR_VERSION);
    EXPECT_EQ(ReadRaw(), before);
}

TEST_F(SettingsStoreTest, WriteValuesNeedsAnExistingKey) {
    const std::string nested = dir_.filePath("sub/Crescendar.ini").toStdString();
    EXPECT_FALSE(SettingsStore(nested).WriteValues({{"Location", "York"}}));
    EXPECT_FALSE(QDir(dir_.filePath("sub")).exists());

    WriteRaw("[Other]\nA=1\n");
    EXPECT_FALSE(SettingsStore(path_).WriteValues({{"Location", "York"}}));
    EXPECT_EQ(ReadRaw(), QByteArray("[Other]\nA=1\n"));

    WriteKey({});
    SettingsStore store(path_);
    EXPECT_TRUE(store.WriteValues({{"Location", "York, UK"}, {"TimeZone", "5,5"}}));
    EXPECT_EQ(store.ReadValue("Location"), "York, UK");
    EXPECT_EQ(store.Load().TimeZoneIdx, 11);
    EXPECT_EQ(store.ReadValue("NoSuchValue"), "");
    // A name QSettings would take as a sub-key is refused, not written elsewhere.
    EXPECT_FALSE(store.WriteValues({{"Location", "Hull"}, {"a/b", "x"}}));
    EXPECT_EQ(store.ReadValue("Location"), "York, UK");
}

TEST_F(SettingsStoreTest, DefaultStoreLivesInTheUserConfigFolder) {
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", dir_.path().toUtf8().constData(), 1), 0);
    EXPECT_EQ(SettingsStore().Path(), dir_.filePath("Crescendar/Crescendar.ini").toStdString());
}

} // namespace
