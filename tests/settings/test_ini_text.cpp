// Values written into the settings file in place: read back unchanged by QSettings, and every
// other byte of the file kept.
#include "IniText.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace crescendar;

namespace {

class IniTextTest : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath("Crescendar.ini");

    void WriteRaw(const QByteArray& bytes) const {
        QFile f(path_);
        ASSERT_TRUE(f.open(QFile::WriteOnly | QFile::Truncate));
        f.write(bytes);
    }
    QByteArray ReadRaw() const {
        QFile f(path_);
        return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(IniTextTest, EveryValueReadsBackAsWritten) {
    int n = 0;
    for (const std::string& value : std::vector<std::string>{
             "", "plain", "EST5EDT,M3.2.0,M11.1.0", "a;b", "x=y", " lead", "trail ", "@at",
          "@Variant(x)", "quote\" back\\slash", "tab\tline\nreturn\r", std::string("\x01" "1f"),
          std::string("nul\0" "a", 5), "Z\xC3\xBCrich \xE6\x9C\x88"}) {
        // A file of its own each: QSettings takes a file of the same size and time as unread.
        const QString path = dir_.filePath(QString::number(++n));
        QFile f(path);
        ASSERT_TRUE(f.open(QFile::WriteOnly));
        f.write(SetIniValues("[G]\nk=x\n", "G", {{"k", value}}));
        f.close();
        QSettings s(path, QSettings::IniFormat);
        EXPECT_EQ(s.value("G/k").toString().toStdString(), value) << SetIniValues("", "G", {{"k", value}}).toStdString();
    }
}

TEST_F(IniTextTest, OnlyTheChangedLinesChange) {
    // A hand-made file: byte-order mark, CRLF, comments, a value with commas, unknown keys.
    const QByteArray before = "\xEF\xBB\xBF; my settings\r\n[HKEY_CRESCENDAR]\r\n"
                              "Version=V2.40\r\nLocation = Leeds ; home\r\n"
                              "PrinterType=Laser\r\nRule=EST5EDT,M3.2.0,M11.1.0\r\n\r\n"
                              "[Other]\r\nA = 1\r\n";
    WriteRaw(before);
    SettingsStore store(path_.toStdString());
    store.Load();
    EXPECT_EQ(ReadRaw(), before) << "nothing changed, nothing written";

    ASSERT_TRUE(store.WriteWindowPosition("Main", 12, 34)) << store.LastWriteError();
    ASSERT_TRUE(store.WriteValues({{"Location", "York, UK"}, {"Version", "V2.40"}}));
    ASSERT_TRUE(store.WriteValues({{"DayOrder", "1"}}));
    EXPECT_EQ(ReadRaw(), "\xEF\xBB\xBF; my settings\r\n[HKEY_CRESCENDAR]\r\n"
                         "Version=V2.40\r\nLocation = \"York, UK\" ; home\r\n"
                         "PrinterType=Laser\r\nRule=EST5EDT,M3.2.0,M11.1.0\r\nDayOrder=1\r\n\r\n"
                         "[Other]\r\nA = 1\r\n\r\n[MovedWindows]\r\nMain=\"12,34\"\r\n");
    EXPECT_EQ(store.ReadValue("Rule"), "EST5EDT,M3.2.0,M11.1.0");
    EXPECT_EQ(store.ReadWindowPosition("Main"), (std::pair{12, 34}));
    EXPECT_EQ(SettingsStore(path_.toStdString()).Load().Location, "York, UK");
}

TEST_F(IniTextTest, AReadOnlyFileIsToldAsReadOnlyNotDamaged) {
    WriteRaw("[HKEY_CRESCENDAR]\nVersion=V1.00\nLocation=Leeds\n");
    const QByteArray before = ReadRaw();
    ASSERT_EQ(::chmod(path_.toLocal8Bit().constData(), 0444), 0);
    SettingsStore store(path_.toStdString());
    EXPECT_EQ(store.Load().Location, "Leeds");
    const SettingsReport& report = store.LastReport();
    EXPECT_TRUE(report.Damage.empty());
    EXPECT_TRUE(report.ReadOnly);
    EXPECT_NE(report.Text().find("is read-only, so changes made now will not be saved"),
              std::string::npos)
        << report.Text();
    EXPECT_FALSE(store.WriteWindowPosition("Main", 1, 2));
    EXPECT_NE(store.LastWriteError().find("is read-only"), std::string::npos)
        << store.LastWriteError();
    EXPECT_FALSE(store.WriteValues({{"Location", "York"}}));
    EXPECT_EQ(store.ReadValue("Location"), "Leeds");
    EXPECT_EQ(ReadRaw(), before);
}

} // namespace
