// Settings that cannot be read or written: the main window tells once at start-up what was
// not used, and the configuration and print options windows say when a change was not
// saved, staying open until the user has seen it.
#include "MainFixture.h"
#include "Version.h"

#include "fConfiguration.h"
#include "fPrintOptions.h"

#include "PrintTarget.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

namespace crescendar {
namespace {

const QByteArray kSound = "[HKEY_CRESCENDAR]\nVersion=V" CRESCENDAR_VERSION "\n"
                          "LatDeg=51\nLatMin=30\nLatSec=00\n"
                          "LatDir=North\nLongDeg=000\nLongMin=07\nLongSec=12\nLongDir=West\n"
                          "Location=London\nDayOrder=1\nDateLayoutIdx=0\nDateFormat=dd/mm/yyyy\n"
                          "DaylightSavings=False\nTimeZone=12\nPhaseDensity=75\n"
                          "PrintDailyPhases=True\nPrintMajorPhases=True\nPrintLunarTimes=True\n"
                          "PrintSunTimes=True\nPrinterType=Laser\n";

class SettingsFailureTest : public MainFixture {
  protected:
    QString Path() const { return QString::fromStdString(options.SettingsPath); }

    void WriteIni(const QByteArray& bytes) {
        QFile f(Path());
        ASSERT_TRUE(f.open(QFile::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray ReadIni() const {
        QFile f(Path());
        return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The main window started over a settings file holding exactly these bytes.
    void StartOver(const QByteArray& bytes) {
        options.SettingsPath = dir.filePath(QStringLiteral("Crescendar.ini")).toStdString();
        WriteIni(bytes);
        clock.Set(At(2025, 3, 14));
        w = SkinWindow::Create<TMain>(options);
        w->show();
        w->FormActivate();
        QCoreApplication::processEvents();
    }
};

// ----- start-up ---------------------------------------------------------------------------

TEST_F(SettingsFailureTest, DamagedFileIsToldOnceAtStartAndLeftAsItIs) {
    const QByteArray damaged = QByteArray(kSound).replace("Location=London", "Location=\"London");
    StartOver(damaged);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString& m = dialogs.messages[0];
    EXPECT_TRUE(m.contains(Path())) << m.toStdString();
    EXPECT_TRUE(m.contains("quotation mark")) << m.toStdString();
    EXPECT_TRUE(m.contains("default settings")) << m.toStdString();
    EXPECT_EQ(Settings().LatDeg, "00"); // the defaults, not half a file
    EXPECT_EQ(w->GetObserver().Latitude, 0.0);
    EXPECT_EQ(ReadIni(), damaged);

    // Nothing more is said while the program runs.
    Tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SettingsFailureTest, ValuesNotUsedAreNamedAtStart) {
    QByteArray bytes = kSound;
    bytes.replace("LatDeg=51", "LatDeg=95").replace("TimeZone=12", "TimeZone=40");
    StartOver(bytes);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString& m = dialogs.messages[0];
    EXPECT_TRUE(m.contains("LatDeg \"95\"")) << m.toStdString();
    EXPECT_TRUE(m.contains("TimeZone \"40\"")) << m.toStdString();
    EXPECT_EQ(Settings().LatDeg, "00");
    EXPECT_EQ(Settings().LatMin, "30"); // the rest of the file is used
    EXPECT_EQ(w->GetObserver().ZoneOffset, 0);
    EXPECT_EQ(ReadIni(), bytes);
}

TEST_F(SettingsFailureTest, SoundFileStartsSilentlyAndIsNotRewritten) {
    const QByteArray withMark = "\xEF\xBB\xBF" + kSound;
    StartOver(withMark);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].toStdString();
    EXPECT_EQ(Settings().Location, "London");
    EXPECT_EQ(ReadIni(), withMark);
}

// ----- saving -----------------------------------------------------------------------------

TEST_F(SettingsFailureTest, ConfigurationOverADamagedFileSaysSoAndWritesNothing) {
    StartOver(kSound);
    auto* c = SkinWindow::Create<TConfiguration>(w->Session(), w);
    c->ShowModalNonBlocking();
    // The file is damaged while the program runs.
    const QByteArray damaged = kSound + "Note=\"unfinished\n";
    WriteIni(damaged);
    c->txtLatDeg->setText(QStringLiteral("40"));
    Click(c->lblExit);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains("could not be saved"));
    EXPECT_TRUE(dialogs.messages[0].contains(Path()));
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(ReadIni(), damaged);

    // Repaired before the second exit, the file takes the settings after all.
    WriteIni(kSound);
    Click(c->lblExit);
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(SettingsStore(options.SettingsPath).ReadValue("LatDeg"), "40");
    delete c;
}

TEST_F(SettingsFailureTest, PrintOptionsThatCannotBeStoredAreToldBeforePrinting) {
    StartOver(kSound);
    ImagePrintTarget target(827, 1169, 100);
    auto* p = SkinWindow::Create<TPrintOptions>(w->Session(), w, &target);
    p->show();
    p->FormActivate();
    ASSERT_TRUE(QFile::remove(Path()));

    p->chkSunTimes->click();
    p->lblOKClick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains("could not be saved"));
    EXPECT_TRUE(dialogs.messages[0].contains(Path()));
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(target.DocumentsEnded(), 0);
    EXPECT_FALSE(Settings().PrintSunTimes); // in force for this session

    // The second OK prints with the choices unsaved, without a second message.
    p->lblOKClick();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(target.DocumentsEnded(), 1);
    EXPECT_FALSE(p->isVisible());
    EXPECT_FALSE(QFile::exists(Path()));

    // A store that works again is written at once.
    WriteIni(kSound);
    p->show();
    p->FormActivate();
    p->txtDensity->setText(QStringLiteral("30"));
    p->lblOKClick();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(target.DocumentsEnded(), 2);
    EXPECT_EQ(SettingsStore(options.SettingsPath).ReadValue("PhaseDensity"), "30");
    EXPECT_EQ(SettingsStore(options.SettingsPath).ReadValue("PrintSunTimes"), "False");
}

} // namespace
} // namespace crescendar
