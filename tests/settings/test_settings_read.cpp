// Reading the settings file honestly: what counts as damaged, which values are not used,
// what the user is told, and when the file is written back.
#include "Settings.h"
#include "Version.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <future>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace crescendar;

namespace {

const QByteArray kKey = "[HKEY_CRESCENDAR]\n"
                        "Version=V" CRESCENDAR_VERSION "\n"
                        "LatDeg=51\nLatMin=28\nLatSec=38\nLatDir=North\n"
                        "LongDeg=000\nLongMin=00\nLongSec=05\nLongDir=West\n"
                        "Location=Greenwich\nDayOrder=1\nDateLayoutIdx=1\n"
                        "DateFormat=mm/dd/yyyy\nDaylightSavings=True\nTimeZone=13\n"
                        "PhaseDensity=40\nPhasePrintout=3\nPrintDailyPhases=True\n"
                        "PrintMajorPhases=True\nPrintLunarTimes=True\nPrintSunTimes=True\n"
                        "PrinterType=Laser\n";

class SettingsReadTest : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    QString qpath_ = dir_.filePath("Crescendar.ini");
    std::string path_ = qpath_.toStdString();
    int files_ = 0;

    // Moves on to a file of another name: QSettings does not read a file again whose size and
    // time stamp have not changed, which files written in quick succession may share.
    void NextFile() {
        qpath_ = dir_.filePath(QStringLiteral("Crescendar%1.ini").arg(++files_));
        path_ = qpath_.toStdString();
    }

    void WriteRaw(const QByteArray& bytes) {
        QFile f(qpath_);
        ASSERT_TRUE(f.open(QFile::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray ReadRaw() const {
        QFile f(qpath_);
        return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The key with one line replaced (matched by its name).
    static QByteArray With(const QByteArray& name, const QByteArray& line) {
        QList<QByteArray> lines = kKey.split('\n');
        for (QByteArray& l : lines)
            if (l.startsWith(name + "=")) l = line;
        return lines.join('\n');
    }
    static bool Mentions(const SettingsReport& r, const std::string& what) {
        for (const std::string& s : r.Rejected)
            if (s.find(what) != std::string::npos) return true;
        return false;
    }
};

TEST_F(SettingsReadTest, ByteOrderMarkInFrontOfAValidFileIsValid) {
    WriteRaw("\xEF\xBB\xBF" + kKey);
    SettingsStore store(path_);
    const TSettings s = store.Load();
    EXPECT_FALSE(store.LastLoadFileDamaged());
    EXPECT_TRUE(store.LastReport().Empty()) << store.LastReport().Text();
    EXPECT_EQ(s.LatDeg, "51");
    EXPECT_EQ(s.Location, "Greenwich");
    EXPECT_EQ(store.Peek().LatSec, "38");
    EXPECT_TRUE(store.WriteValues({{"LatSec", "39"}}));
    EXPECT_EQ(store.Load().LatSec, "39");
    EXPECT_EQ(store.Load().LatDeg, "51");
}

TEST_F(SettingsReadTest, ValueThatRunsOnToTheNextLinesIsDamageAndNeverRewritten) {
    // An unclosed quote, anywhere in a value, or a line ending in a backslash would carry the
    // following keys into one value, and writing that back would lose them.
    const std::vector<QByteArray> files = {
        With("Location", "Location=\"Greenwich"),
        With("Location", "Location=Green\"wich"),
        With("Location", "Location=C:\\"),
        With("PrinterType", "PrinterType=\"Laser"), // the last value: nothing follows
        With("Version", "Version=V2.00") + "\nLocation=\"Kew\n",
    };
    for (const QByteArray& bytes : files) {
        NextFile();
        WriteRaw(bytes);
        SettingsStore store(path_);
        const TSettings s = store.Load();
        EXPECT_TRUE(store.LastLoadFileDamaged()) << bytes.constData();
        EXPECT_FALSE(store.LastReport().Damage.empty());
        EXPECT_EQ(s.LatDeg, "00") << "the defaults apply";
        EXPECT_FALSE(store.WriteValues({{"LatDeg", "10"}}));
        EXPECT_EQ(store.Peek().LatDeg, "00");
        EXPECT_EQ(ReadRaw(), bytes) << "never rewritten";
    }
    // A quote that is closed, or escaped, is an ordinary value.
    NextFile();
    WriteRaw(With("Location", "Location=\"Kew, Surrey\"") + "\nExtra=a\\\"b\n");
    SettingsStore store(path_);
    EXPECT_EQ(store.Load().Location, "Kew, Surrey");
    EXPECT_FALSE(store.LastLoadFileDamaged());
}

TEST_F(SettingsReadTest, PathThatIsNotARegularFileIsDamagedAndDoesNotHang) {
    ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
    // Opening a FIFO for reading blocks until a writer comes; a read must not even try.
    auto load = std::async(std::launch::async, [this] {
        SettingsStore store(path_);
        const TSettings s = store.Load();
        const TSettings peeked = store.Peek();
        return std::make_pair(store.LastReport(), s.LatDeg == "00" && peeked.LatDeg == "00" &&
                                                      !store.WriteValues({{"LatDeg", "1"}}) &&
                                                      store.ReadValue("LatDeg").empty());
    });
    if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Release the blocked reader so that the test can end.
        QFile writer(qpath_);
        (void)writer.open(QFile::WriteOnly);
        FAIL() << "reading a FIFO blocked";
    }
    const auto [report, defaults] = load.get();
    EXPECT_TRUE(defaults);
    EXPECT_NE(report.Damage.find("not a regular file"), std::string::npos) << report.Damage;
    EXPECT_TRUE(QFileInfo(qpath_).isSymLink() || !QFileInfo(qpath_).isFile());

    // A device (through a link) is no settings file either.
    const std::string link = dir_.filePath("link.ini").toStdString();
    ASSERT_TRUE(QFile::link("/dev/zero", QString::fromStdString(link)));
    SettingsStore device(link);
    device.Load();
    EXPECT_TRUE(device.LastLoadFileDamaged());
}

TEST_F(SettingsReadTest, OversizedFileIsDamagedAndLeftAlone) {
    QByteArray big = kKey + "Padding=";
    big += QByteArray(1024 * 1024, 'x');
    big += "\n";
    WriteRaw(big);
    SettingsStore store(path_);
    const TSettings s = store.Load();
    EXPECT_TRUE(store.LastLoadFileDamaged());
    EXPECT_NE(store.LastReport().Damage.find("1 MB"), std::string::npos);
    EXPECT_EQ(s.LatDeg, "00");
    EXPECT_EQ(ReadRaw().size(), big.size());

    // Just under the bound is read as usual.
    WriteRaw(kKey + "Padding=" + QByteArray(1000 * 1000, 'x') + "\n");
    EXPECT_EQ(store.Load().LatDeg, "51");
    EXPECT_FALSE(store.LastLoadFileDamaged());
}

TEST_F(SettingsReadTest, FileIsRewrittenOnlyWhenAValueChanges) {
    const QByteArray tidy = "; the user's own comment\n" + kKey;
    WriteRaw(tidy);
    SettingsStore store(path_);
    store.Load();
    EXPECT_FALSE(store.LastWriteFailed());
    EXPECT_EQ(ReadRaw(), tidy) << "nothing changed, nothing written";

    // An old version is updated; a missing printer is repaired.
    WriteRaw(With("Version", "Version=V2.00"));
    store.Load();
    EXPECT_EQ(store.ReadValue("Version"), "V" CRESCENDAR_VERSION);
    WriteRaw(With("PrinterType", ""));
    store.Load();
    EXPECT_EQ(store.ReadValue("PrinterType"), "Laser");
}

TEST_F(SettingsReadTest, ValuesOutOfRangeFallBackOneByOneAndAreReported) {
    struct Case {
        QByteArray line;
        const char* name;
    };
    const std::vector<Case> cases = {
        {"LatDeg=95", "LatDeg"},
        {"LatMin=60", "LatMin"},
        {"LatSec=75", "LatSec"},
        {"LongDeg=181", "LongDeg"},
        {"LongMin=99", "LongMin"},
        {"LongSec=60", "LongSec"},
        {"LatDeg=4x", "LatDeg"},
        {"LatDir=Sud", "LatDir"},
        {"LongDir=east", "LongDir"},
        {"DayOrder=7", "DayOrder"},
        {"DayOrder=-1", "DayOrder"},
        {"DateLayoutIdx=2", "DateLayoutIdx"},
        {"TimeZone=24.5", "TimeZone"},
        {"TimeZone=-0.5", "TimeZone"},
        {"PhaseDensity=101", "PhaseDensity"},
        {"DateFormat=hello", "DateFormat"},
        {"DayOrder=abc", "DayOrder"},
        {"TimeZone=nan", "TimeZone"},
    };
    const TSettings defaults = DefaultSettings();
    for (const Case& k : cases) {
        const QByteArray name = QByteArray(k.name);
        NextFile();
        WriteRaw(With(name, k.line));
        SettingsStore store(path_);
        const TSettings s = store.Load();
        const SettingsReport& r = store.LastReport();
        EXPECT_FALSE(store.LastLoadFileDamaged()) << k.line.constData();
        ASSERT_EQ(r.Rejected.size(), 1u) << k.line.constData();
        EXPECT_TRUE(Mentions(r, k.name)) << r.Rejected[0];
        EXPECT_NE(r.Text().find(path_), std::string::npos);
        EXPECT_EQ(r.Text().find('\n'), std::string::npos) << "one line";
        // The rest of the file is used; the rejected value is the default.
        EXPECT_EQ(s.Location, "Greenwich");
        if (name == "LatDeg") {
            EXPECT_EQ(s.LatDeg, defaults.LatDeg);
        }
        if (name == "LongDeg") {
            EXPECT_EQ(s.LongDeg, defaults.LongDeg);
        }
        if (name == "LatMin") {
            EXPECT_EQ(s.LatMin, defaults.LatMin);
        }
        if (name == "LatDir") {
            EXPECT_EQ(Word(s.LatDir), "North");
        }
        if (name == "DayOrder") {
            EXPECT_EQ(s.DayOrder, 0);
        }
        if (name == "DateLayoutIdx") {
            EXPECT_EQ(s.DateLayoutIdx, 0);
        }
        if (name == "TimeZone") {
            EXPECT_EQ(s.TimeZoneIdx, 24);
        }
        if (name == "PhaseDensity") {
            EXPECT_EQ(s.PhaseDensity, 75);
        }
        if (name == "DateFormat") {
            EXPECT_EQ(s.DateFormat, "dd/mm/yyyy");
        }
        // The file keeps what the user wrote: a value not used is not a value changed.
        EXPECT_EQ(store.ReadValue(k.name), k.line.mid(name.size() + 1).toStdString());
    }

    // Each part within range but the whole beyond the pole.
    NextFile();
    WriteRaw(With("LatDeg", "LatDeg=90").replace("LatMin=28", "LatMin=30"));
    SettingsStore store(path_);
    const TSettings s = store.Load();
    EXPECT_EQ(store.LastReport().Rejected.size(), 1u);
    EXPECT_EQ(s.LatDeg + s.LatMin + s.LatSec, "000000");

    // The limits themselves are values like any other.
    NextFile();
    WriteRaw(With("LatDeg", "LatDeg=90")
                 .replace("LatMin=28", "LatMin=00")
                 .replace("LatSec=38", "LatSec=00")
                 .replace("LongDeg=000", "LongDeg=180")
                 .replace("LongSec=05", "LongSec=00")
                 .replace("TimeZone=13", "TimeZone=24")
                 .replace("DayOrder=1", "DayOrder=6")
                 .replace("PhaseDensity=40", "PhaseDensity=100"));
    SettingsStore limits(path_);
    limits.Load();
    EXPECT_TRUE(limits.LastReport().Empty()) << limits.LastReport().Text();

    // A value that is missing or empty was never set: its default is taken without a word,
    // and an empty pattern does not leave the dates blank.
    NextFile();
    WriteRaw(With("DayOrder", "")
                 .replace("DateFormat=mm/dd/yyyy", "DateFormat=")
                 .replace("TimeZone=13", "TimeZone="));
    SettingsStore missing(path_);
    const TSettings m = missing.Load();
    EXPECT_TRUE(missing.LastReport().Empty()) << missing.LastReport().Text();
    EXPECT_EQ(m.DayOrder, 0);
    EXPECT_EQ(m.DateFormat, "dd/mm/yyyy");
    EXPECT_EQ(m.TimeZoneIdx, 24);
}

TEST_F(SettingsReadTest, ReportIsOneLineNamingTheFile) {
    SettingsReport r;
    r.Path = "/x/Crescendar.ini";
    EXPECT_EQ(r.Text(), "");
    r.Damage = "a quotation mark on line 3 is not closed";
    r.Rejected = {"LatDeg \"95\" (more than 90)"};
    r.WriteFailed = true;
    const std::string all = r.Text();
    for (const char* part : {"/x/Crescendar.ini", "line 3", "LatDeg \"95\"", "not be written"})
        EXPECT_NE(all.find(part), std::string::npos) << part;
    EXPECT_EQ(all.find('\n'), std::string::npos);

    // Control characters of a hand-edited value do not break the line.
    WriteRaw(With("DateFormat", "DateFormat=\"a\\nb\\tc\""));
    SettingsStore store(path_);
    store.Load();
    ASSERT_EQ(store.LastReport().Rejected.size(), 1u);
    EXPECT_EQ(store.LastReport().Text().find_first_of("\n\t"), std::string::npos);
}

TEST_F(SettingsReadTest, PeekReportsWithoutWriting) {
    WriteRaw(With("LongDeg", "LongDeg=200"));
    SettingsReport report;
    const TSettings s = SettingsStore(path_).Peek(&report);
    EXPECT_EQ(s.LongDeg, "000");
    EXPECT_EQ(report.Rejected.size(), 1u);
    EXPECT_EQ(report.Path, path_);

    WriteRaw("[HKEY_CRESCENDAR\n");
    SettingsStore(path_).Peek(&report);
    EXPECT_FALSE(report.Damage.empty());
    EXPECT_TRUE(report.Rejected.empty());

    // No file: nothing to tell, nothing created.
    ASSERT_TRUE(QFile::remove(qpath_));
    SettingsStore(path_).Peek(&report);
    EXPECT_TRUE(report.Empty());
    EXPECT_FALSE(QFile::exists(qpath_));
}

TEST_F(SettingsReadTest, WriteFailuresSayWhy) {
    SettingsStore store(path_);
    EXPECT_FALSE(store.WriteValues({{"LatDeg", "10"}}));
    EXPECT_TRUE(store.LastWriteFailed());
    EXPECT_NE(store.LastWriteError().find("no longer exists"), std::string::npos)
        << store.LastWriteError();

    WriteRaw("[Other]\nA=1\n");
    EXPECT_FALSE(store.WriteValues({{"LatDeg", "10"}}));
    EXPECT_NE(store.LastWriteError().find(path_), std::string::npos);

    WriteRaw(kKey);
    EXPECT_TRUE(store.WriteValues({{"LatDeg", "10"}}));
    EXPECT_FALSE(store.LastWriteFailed());
    EXPECT_EQ(store.LastWriteError(), "");
}

TEST_F(SettingsReadTest, AReadOnlyFileIsNotWrittenAndSaysWhy) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    SettingsStore store(path_);
    WriteRaw(kKey);
    ASSERT_TRUE(store.WriteValues({{"LatDeg", "10"}}));
    const QByteArray before = ReadRaw();
    ASSERT_TRUE(QFile::setPermissions(qpath_, QFileDevice::ReadOwner));
    EXPECT_FALSE(store.WriteValues({{"LatDeg", "20"}}));
    EXPECT_NE(store.LastWriteError().find("cannot be written"), std::string::npos);
    // What is read afterwards is what the file holds, not the value that failed.
    EXPECT_EQ(store.ReadValue("LatDeg"), "10");
    EXPECT_EQ(ReadRaw(), before);
}

TEST(DatePattern, NeedsADayAMonthAndAYear) {
    for (const char* good : {"dd/mm/yyyy", "MM/DD/YYYY", "yyyy-mm-dd", "d.m.yy", "dd mm yyyy"})
        EXPECT_TRUE(IsDatePattern(good)) << good;
    for (const char* bad : {"hello", "", "dd/mm", "mm/yyyy", "dd/dd/yyyy", "Monday", "ddd/mm/yy"})
        EXPECT_FALSE(IsDatePattern(bad)) << bad;
}

} // namespace
