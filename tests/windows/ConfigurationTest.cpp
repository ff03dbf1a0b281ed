// The configuration window over a real main window and a real settings store in a temporary
// folder: typing and zero-filling, the direction toggles, the printer choice, what the exit
// writes, the refusals, and what closing does to the main window; the place search and the
// named zones; the first run's window.
#include "BracketingTranslator.h"
#include "GoldenPictures.h"
#include "MainFixture.h"

#include "ProgramWindows.h"
#include "Startup.h"
#include "fConfiguration.h"

#include "Calendar.h"
#include "Places.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QThread>

#include <functional>

namespace crescendar {
namespace {

class ConfigurationTest : public MainFixture {
  protected:
    void TearDown() override {
        delete c;
        c = nullptr;
        MainFixture::TearDown();
    }

    // The main window over a fresh store holding the values, and the configuration window
    // shown over it.
    void Open(const SettingValues& values = {}) {
        Start(At(2025, 3, 14), values);
        c = SkinWindow::Create<TConfiguration>(w->Session(), w);
        c->ShowModalNonBlocking();
        QCoreApplication::processEvents();
    }
    std::string Stored(const char* name) const {
        return SettingsStore(options.SettingsPath).ReadValue(name);
    }
    // Types into an edit as the user would, starting from an empty field.
    static void Retype(QLineEdit* edit, const char* text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void Exit() { Click(c->lblExit); }
    static void Tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    static void Choose(QComboBox* list, const QString& text) {
        list->setCurrentIndex(list->findText(text));
    }
    static void TypeInto(QComboBox* list, const QString& text) {
        list->clearEditText();
        list->setEditText(text);
    }
    // Runs the event loop until done() or a few seconds have passed.
    static bool WaitFor(const std::function<bool()>& done) {
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > 10000) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(2);
        }
        return true;
    }
    // Types into the location field as the user would and waits for the matches offered.
    void Search(const char* text) {
        int offers = 0;
        const auto counted =
            QObject::connect(c, &TConfiguration::PlacesOffered, c, [&offers] { ++offers; });
        c->txtLocation->setFocus();
        c->txtLocation->clear();
        QTest::keyClicks(c->txtLocation, text);
        EXPECT_TRUE(WaitFor([&offers] { return offers > 0; })) << text;
        QObject::disconnect(counted);
    }
    QAbstractItemView* Popup() const { return c->PlaceCompleter->popup(); }
    // Clicks an offered place.
    void Pick(int row) {
        QAbstractItemView* list = Popup();
        const QRect r = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

    TConfiguration* c = nullptr;
};

// ----- typing ---------------------------------------------------------------------------

TEST_F(ConfigurationTest, LeavingACoordinateFillsItWithLeadingZeros) {
    Open();
    ASSERT_TRUE(c->txtLatDeg->hasFocus());
    c->txtLatDeg->clear();
    Tab(); // an empty field
    EXPECT_EQ(c->txtLatDeg->text(), "00");
    Retype(c->txtLatMin, "5");
    Tab();
    EXPECT_EQ(c->txtLatMin->text(), "05");
    c->txtLongDeg->setFocus();
    Retype(c->txtLongDeg, "7");
    Tab();
    EXPECT_EQ(c->txtLongDeg->text(), "007");
    // Switching to a popup menu is not leaving.
    c->txtLatSec->clear();
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(c->txtLatSec, &popup);
    EXPECT_EQ(c->txtLatSec->text(), "");
}

TEST_F(ConfigurationTest, TabWalksTheControlsInOrder) {
    Open();
    const std::vector<QWidget*> order = {
        c->txtLatDeg,     c->txtLatMin,   c->txtLatSec,         c->NSSpinButton, c->txtLongDeg,
        c->txtLongMin,    c->txtLongSec,  c->EWSpinButton,      c->txtLocation,  c->cmbDayOrder,
        c->cmbDateFormat, c->cmbLanguage, c->cmbTimeZone, c->chkDaylightSavings};
    for (std::size_t i = 0; i < order.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus == order[i] || order[i]->isAncestorOf(focus)) << i;
        Tab();
    }
}

TEST_F(ConfigurationTest, OnlyDigitsCanBeTypedAndBackspaceWorks) {
    Open();
    Retype(c->txtLongDeg, "1a-.+2 e3");
    EXPECT_EQ(c->txtLongDeg->text(), "123");
    QTest::keyClick(c->txtLongDeg, Qt::Key_Backspace);
    EXPECT_EQ(c->txtLongDeg->text(), "12");
    Retype(c->txtLatDeg, "4567"); // at most two characters
    EXPECT_EQ(c->txtLatDeg->text(), "45");
    // Text that does not come from the keyboard is held to digits too.
    c->txtLatSec->clear();
    c->txtLatSec->insert(QStringLiteral("x9"));
    EXPECT_EQ(c->txtLatSec->text(), "");
    EXPECT_EQ(TConfiguration::ProcessKey(u'7'), u'7');
    EXPECT_EQ(TConfiguration::ProcessKey(8), 8);
    EXPECT_EQ(TConfiguration::ProcessKey(13), 13);
    EXPECT_EQ(TConfiguration::ProcessKey(u'\u0663'), 0); // an Arabic-Indic three
    EXPECT_EQ(TConfiguration::ProcessKey(u','), 0);
}

TEST_F(ConfigurationTest, EitherArrowTogglesTheDirections) {
    Open();
    ASSERT_EQ(c->pNSDirection->text(), "North");
    Click(c->NSSpinButton, Qt::LeftButton, {7, 3}); // upper arrow
    EXPECT_EQ(c->pNSDirection->text(), "South");
    Click(c->NSSpinButton, Qt::LeftButton, {7, 15}); // lower arrow
    EXPECT_EQ(c->pNSDirection->text(), "North");
    c->NSSpinButtonDownClick();
    EXPECT_EQ(c->pNSDirection->text(), "South");
    QTest::keyClick(c->NSSpinButton, Qt::Key_Up);
    EXPECT_EQ(c->pNSDirection->text(), "North");

    ASSERT_EQ(c->pEWDirection->text(), "West");
    c->EWSpinButtonDownClick();
    EXPECT_EQ(c->pEWDirection->text(), "East");
    c->EWSpinButtonUpClick();
    EXPECT_EQ(c->pEWDirection->text(), "West");

    // A word other than the two becomes the first one.
    c->pNSDirection->setText(QStringLiteral("Up"));
    c->NSSpinButtonUpClick();
    EXPECT_EQ(c->pNSDirection->text(), "North");
}

// ----- filling and saving -----------------------------------------------------------------

TEST_F(ConfigurationTest, ControlsShowTheSettings) {
    Open({{"LatDeg", "51"},
          {"LatMin", "28"},
          {"LatSec", "38"},
          {"LatDir", "South"},
          {"LongDeg", "000"},
          {"LongMin", "00"},
          {"LongSec", "05"},
          {"LongDir", "East"},
          {"Location", "Greenwich"},
          {"DayOrder", "1"},
          {"DateLayoutIdx", "1"},
          {"DateFormat", "mm/dd/yyyy"},
          {"TimeZone", "5.5"},
          {"DaylightSavings", "True"},
          {"PrinterType", "Colour Inkjet"}});
    EXPECT_EQ(c->txtLatDeg->text(), "51");
    EXPECT_EQ(c->txtLatSec->text(), "38");
    EXPECT_EQ(c->pNSDirection->text(), "South");
    EXPECT_EQ(c->pEWDirection->text(), "East");
    EXPECT_EQ(c->txtLocation->text(), "Greenwich");
    EXPECT_EQ(c->cmbDayOrder->currentText(), "Monday - Sunday");
    EXPECT_EQ(c->cmbDateFormat->currentText(), "MM/DD/YYYY");
    EXPECT_EQ(c->cmbTimeZone->currentText(), "GMT - 06:30");
    EXPECT_TRUE(c->chkDaylightSavings->isChecked());
    EXPECT_EQ(c->imgColourInkjet->Image(), c->imgRBSet);
    EXPECT_EQ(c->imgLaser->Image(), c->imgRBUnset);
    EXPECT_TRUE(c->isModal());
    EXPECT_EQ(c->pos(), w->pos() + QPoint((640 - 284) / 2, (480 - 400) / 2));
}

TEST_F(ConfigurationTest, ExitWritesTheSettingsAndTheMainWindowTakesThem) {
    Open();
    Retype(c->txtLatDeg, "48");
    Retype(c->txtLatMin, "51");
    Retype(c->txtLongDeg, "2");
    c->EWSpinButtonUpClick();
    Retype(c->txtLocation, "Paris");
    Choose(c->cmbDayOrder, "Monday - Sunday");
    Choose(c->cmbTimeZone, "GMT + 05:30");
    EXPECT_EQ(c->cmbTimeZone->currentIndex(), 35);
    c->chkDaylightSavings->click();
    Click(c->lblBWInkjet);
    Exit();

    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(Stored("LatDeg"), "48");
    EXPECT_EQ(Stored("LongDeg"), "002"); // filled although it never lost the focus
    EXPECT_EQ(Stored("LongDir"), "East");
    EXPECT_EQ(Stored("Location"), "Paris");
    EXPECT_EQ(Stored("DayOrder"), "1");
    EXPECT_EQ(Stored("TimeZone"), "17.5");
    EXPECT_EQ(Stored("DaylightSavings"), "True");
    EXPECT_EQ(Stored("PrinterType"), "BW Inkjet");
    EXPECT_EQ(Stored("DateFormat"), "DD/MM/YYYY");

    EXPECT_EQ(w->GetObserver().ZoneOffset, 330);
    EXPECT_EQ(w->GetObserver().DaylightOffset, 60);
    EXPECT_NEAR(w->GetObserver().Latitude, DegToRad(48 + 51 / 60.0), 1e-12);
    EXPECT_NEAR(w->GetObserver().Longitude, -DegToRad(2), 1e-12);
    EXPECT_EQ(w->WeekdayTitles[0]->Text(), "Mon");
    EXPECT_EQ(w->SelectedDateTime().Day, 14); // the selected day is kept
}

TEST_F(ConfigurationTest, AnUnknownPrinterWordShowsLaserAndIsKeptUnlessChanged) {
    Open({{"PrinterType", "Dot matrix"}});
    EXPECT_EQ(c->imgLaser->Image(), c->imgRBSet);
    Exit();
    EXPECT_EQ(Stored("PrinterType"), "Dot matrix");

    c->ShowModalNonBlocking();
    Click(c->imgColourInkjet);
    EXPECT_EQ(c->imgColourInkjet->Image(), c->imgRBSet);
    EXPECT_EQ(c->imgLaser->Image(), c->imgRBUnset);
    Click(c->lblLaser, Qt::RightButton); // a plain click is the left button's
    EXPECT_EQ(c->PrinterWord(), "Colour Inkjet");
    Exit();
    EXPECT_EQ(Stored("PrinterType"), "Colour Inkjet");
}

TEST_F(ConfigurationTest, TheLanguageChosenIsStoredAndTakesEffectAtTheNextStart) {
    Open({{"Language", "fr"}});
    EXPECT_EQ(c->cmbLanguage->currentText(), "Français");
    Exit();
    EXPECT_TRUE(dialogs.messages.empty()); // unchanged: nothing to tell
    c->ShowModalNonBlocking();
    c->cmbLanguage->setCurrentIndex(c->cmbLanguage->findText("Deutsch"));
    Exit();
    EXPECT_EQ(Stored("Language"), "de");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains("next start"));
    c->ShowModalNonBlocking();
    c->cmbLanguage->setCurrentIndex(0);
    Exit();
    EXPECT_EQ(Stored("Language"), "System");
}

TEST_F(ConfigurationTest, TranslatedSidesAreShownAndStoredAsTheFileWords) {
    const BracketingTranslator translator;
    Open({{"LatDir", "South"}, {"LongDir", "East"}});
    EXPECT_EQ(c->pNSDirection->text(), "[South]");
    EXPECT_EQ(c->pEWDirection->text(), "[East]");
    c->NSSpinButtonUpClick();
    c->EWSpinButtonUpClick();
    EXPECT_EQ(c->pNSDirection->text(), "[North]");
    EXPECT_EQ(c->pEWDirection->text(), "[West]");
    Exit();
    EXPECT_EQ(Stored("LatDir"), "North");
    EXPECT_EQ(Stored("LongDir"), "West");
}

TEST_F(ConfigurationTest, PhasePicturesTurnOverOncePerChangeOfHemisphere) {
    Open();
    const QImage upright = w->imgFirstQuarterPhase;
    const QImage turned = upright.mirrored(true, true);
    ASSERT_NE(upright, turned);

    Retype(c->txtLatDeg, "10");
    c->NSSpinButtonUpClick();
    Exit();
    EXPECT_EQ(Stored("LatDir"), "South");
    EXPECT_EQ(w->imgFirstQuarterPhase, turned);
    EXPECT_LT(w->GetObserver().Latitude, 0.0);

    c->ShowModalNonBlocking(); // saved again without a change: not turned back
    Exit();
    EXPECT_EQ(w->imgFirstQuarterPhase, turned);

    c->ShowModalNonBlocking();
    c->NSSpinButtonUpClick();
    Exit();
    EXPECT_EQ(w->imgFirstQuarterPhase, upright);
}

TEST_F(ConfigurationTest, ClosingAnotherWayDiscardsEditsButReappliesTheSettings) {
    Open({{"DayOrder", "2"}});
    ChangeSettings([](TSettings& s) { s.DaylightSavings = true; }); // changed in memory only
    Retype(c->txtLatDeg, "33");
    Choose(c->cmbDayOrder, "Monday - Sunday");
    c->close();
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(Settings().LatDeg, "00");
    EXPECT_EQ(Stored("LatDeg"), "00");
    EXPECT_EQ(w->GetObserver().DaylightOffset, 60);
    EXPECT_EQ(w->WeekdayTitles[0]->Text(), "Tue");
    // Showing again fills the controls afresh.
    c->ShowModalNonBlocking();
    EXPECT_EQ(c->txtLatDeg->text(), "00");
    EXPECT_EQ(c->cmbDayOrder->currentIndex(), 2);
}

TEST_F(ConfigurationTest, WithoutTheKeyTheSettingsChangeOnlyInMemoryAndTheUserIsTold) {
    Open();
    const QString path = QString::fromStdString(options.SettingsPath);
    ASSERT_TRUE(QFile::remove(path));
    Retype(c->txtLatDeg, "12");
    Exit();
    EXPECT_EQ(Settings().LatDeg, "12");
    EXPECT_FALSE(QFile::exists(path));
    // Told, with the window left open; the next exit closes it without a second message.
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains(path)) << dialogs.messages[0].toStdString();
    EXPECT_TRUE(dialogs.messages[0].contains("no longer exists"));
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->txtLatDeg->text(), "12");
    Exit();
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NEAR(w->GetObserver().Latitude, DegToRad(12), 1e-12);

    // Opened again, the window tells again.
    c->ShowModalNonBlocking();
    Exit();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(c->isVisible());
}

TEST_F(ConfigurationTest, TypedDatePatternWithoutDayMonthAndYearIsRefused) {
    Open({{"DateLayoutIdx", "1"}, {"DateFormat", "mm/dd/yyyy"}});
    for (const char* typed : {"hello", "dd/mm", "yyyy"}) {
        TypeInto(c->cmbDateFormat, typed);
        dialogs.messages.clear();
        Exit();
        EXPECT_TRUE(c->isVisible()) << typed;
        ASSERT_EQ(dialogs.messages.size(), 1u) << typed;
        EXPECT_TRUE(dialogs.messages[0].contains(typed));
        EXPECT_EQ(Stored("DateFormat"), "mm/dd/yyyy");
        EXPECT_EQ(Settings().DateFormat, "mm/dd/yyyy");
        // The previous pattern is back in the list, so that the next exit keeps it.
        EXPECT_EQ(c->cmbDateFormat->currentText(), "MM/DD/YYYY");
    }
    TypeInto(c->cmbDateFormat, "dd.mm.yy");
    dialogs.messages.clear();
    Exit();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(Stored("DateFormat"), "dd.mm.yy");
}

// ----- the faults mended ------------------------------------------------------------------

TEST_F(ConfigurationTest, AnEmptiedFieldStillFocusedIsStoredFilled) {
    Open({{"LatSec", "45"}});
    c->txtLatSec->setFocus();
    c->txtLatSec->clear(); // emptied, and the exit region takes no focus
    Retype(c->txtLongMin, "3");
    Exit();
    EXPECT_EQ(Stored("LatSec"), "00");
    EXPECT_EQ(Stored("LongMin"), "03");
    EXPECT_EQ(Settings().LatSec, "00");
}

TEST_F(ConfigurationTest, ListsLeftWithoutAnEntryKeepThePreviousSetting) {
    Open({{"DayOrder", "3"},
          {"TimeZone", "13"},
          {"DateLayoutIdx", "1"},
          {"DateFormat", "mm/dd/yyyy"}});
    TypeInto(c->cmbDayOrder, "Funday - Sunday");
    TypeInto(c->cmbDateFormat, "yyyy-mm-dd");
    Exit();
    EXPECT_EQ(Stored("DayOrder"), "3");
    EXPECT_EQ(Stored("TimeZone"), "13");
    EXPECT_EQ(Stored("DateLayoutIdx"), "1");
    EXPECT_EQ(Stored("DateFormat"), "yyyy-mm-dd"); // a typed pattern is the pattern
    EXPECT_EQ(w->GetObserver().ZoneOffset, 60);

    // Shown again, the typed pattern is there and survives another save.
    c->ShowModalNonBlocking();
    EXPECT_EQ(c->cmbDateFormat->currentText(), "yyyy-mm-dd");
    Exit();
    EXPECT_EQ(Stored("DateFormat"), "yyyy-mm-dd");

    // Typed text that names an entry selects it, whatever its case; an emptied pattern
    // keeps the previous one.
    c->ShowModalNonBlocking();
    TypeInto(c->cmbDayOrder, "friday - thursday");
    TypeInto(c->cmbDateFormat, "");
    Exit();
    EXPECT_EQ(Stored("DayOrder"), "5");
    EXPECT_EQ(Stored("DateFormat"), "yyyy-mm-dd");
}

TEST_F(ConfigurationTest, CoordinatesOutOfRangeAreRefusedAndTheWindowStays) {
    Open({{"LatDeg", "10"}, {"LongDeg", "020"}});
    struct Case {
        QLineEdit* edit;
        const char* text;
    };
    const Case cases[] = {{c->txtLatDeg, "91"},   {c->txtLatMin, "60"},  {c->txtLatSec, "99"},
                          {c->txtLongDeg, "181"}, {c->txtLongMin, "75"}, {c->txtLongSec, "60"}};
    for (const Case& k : cases) {
        c->FormActivate();
        Retype(k.edit, k.text);
        dialogs.messages.clear();
        Exit();
        EXPECT_TRUE(c->isVisible()) << k.text;
        ASSERT_EQ(dialogs.messages.size(), 1u) << k.text;
        EXPECT_EQ(k.edit->text(), k.text);
        EXPECT_EQ(Settings().LatDeg, "10");
        EXPECT_EQ(Stored("LatDeg"), "10");
        EXPECT_EQ(Stored("LongDeg"), "020");
    }
    // Beyond the pole or the antimeridian by one second of arc.
    c->FormActivate();
    Retype(c->txtLatDeg, "90");
    Retype(c->txtLatSec, "01");
    dialogs.messages.clear();
    Exit();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains("latitude"));
    EXPECT_TRUE(c->isVisible());

    // The limits themselves are accepted.
    c->FormActivate();
    Retype(c->txtLatDeg, "90");
    Retype(c->txtLongDeg, "180");
    Retype(c->txtLongSec, "59");
    Exit(); // 180° 00' 59" is past the antimeridian
    EXPECT_TRUE(c->isVisible());
    Retype(c->txtLongSec, "00");
    dialogs.messages.clear();
    Exit();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(Stored("LatDeg"), "90");
    EXPECT_EQ(Stored("LongDeg"), "180");
}

// ----- places and zones -------------------------------------------------------------------

TEST_F(ConfigurationTest, PickingAPlaceFillsItsCoordinatesAndZoneAndSavesTheZoneName) {
    Open();
    Search("Kathm");
    ASSERT_FALSE(c->PlaceMatches().empty());
    ASSERT_TRUE(Popup()->isVisible());
    EXPECT_EQ(Popup()->model()->index(0, 0).data().toString(),
              "Kathmandu, Bagmati Province, Nepal");
    Pick(0);
    EXPECT_FALSE(Popup()->isVisible());
    EXPECT_EQ(c->txtLocation->text(), "Kathmandu, Bagmati Province, Nepal");
    // 27.70169 N, 85.3206 E.
    EXPECT_EQ(c->txtLatDeg->text() + c->txtLatMin->text() + c->txtLatSec->text(), "274206");
    EXPECT_EQ(c->pNSDirection->text(), "North");
    EXPECT_EQ(c->txtLongDeg->text() + c->txtLongMin->text() + c->txtLongSec->text(), "0851914");
    EXPECT_EQ(c->pEWDirection->text(), "East");
    EXPECT_EQ(c->cmbTimeZone->currentText(), "Asia/Kathmandu");
    EXPECT_EQ(c->ShownZoneName(), "Asia/Kathmandu");
    // The zone's rules know daylight saving: no box, the name across the row.
    EXPECT_FALSE(c->chkDaylightSavings->isVisible());
    EXPECT_FALSE(c->Label12->isVisible());
    EXPECT_GT(c->cmbTimeZone->width(), 85);
    EXPECT_EQ(Stored("ZoneName"), ""); // nothing stored before the exit
    c->txtLocation->clearFocus();      // no caret in the picture
    ExpectGoldenPicture(c->grab().toImage(), "configuration_zone.png");

    Exit();
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(Stored("ZoneName"), "Asia/Kathmandu");
    EXPECT_EQ(Stored("Location"), "Kathmandu, Bagmati Province, Nepal");
    EXPECT_EQ(Stored("LatDeg"), "27");
    EXPECT_EQ(Stored("LongDir"), "East");
    EXPECT_EQ(Stored("TimeZone"), "12"); // the fixed offset is kept for a way back
    EXPECT_EQ(w->GetObserver().ZoneName(), "Asia/Kathmandu");
    EXPECT_NEAR(w->GetObserver().Longitude, -DegToRad(85 + 19 / 60.0 + 14 / 3600.0), 1e-12);

    // Shown again, the window shows the zone in force.
    c->ShowModalNonBlocking();
    EXPECT_EQ(c->cmbTimeZone->currentText(), "Asia/Kathmandu");
    EXPECT_FALSE(c->chkDaylightSavings->isVisible());
}

TEST_F(ConfigurationTest, TheLocationNameGoesWithItsCoordinates) {
    Open({{"LatDeg", "33"},
          {"LatMin", "52"},
          {"LatSec", "08"},
          {"LatDir", "South"},
          {"LongDeg", "151"},
          {"LongMin", "12"},
          {"LongSec", "29"},
          {"LongDir", "East"},
          {"Location", "Sydney, New South Wales, Australia"}});
    // A search typed over the place's name and never picked is asked about: going back keeps
    // the window open; keeping it makes it the place's name ("Home" may be meant).
    Search("San");
    Exit();
    EXPECT_TRUE(c->isVisible());
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(dialogs.questions[0].startsWith("\u201CSan\u201D was not picked"));
    EXPECT_EQ(Stored("Location"), "Sydney, New South Wales, Australia");
    dialogs.askAnswer = true;
    Exit();
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(Stored("Location"), "San");
    dialogs.askAnswer = false;
    c->ShowModalNonBlocking();
    // A name that is no place's is the user's own.
    Search("Qzxqzxqzx");
    Exit();
    EXPECT_EQ(Stored("Location"), "Qzxqzxqzx");

    // Coordinates changed by hand, typed, toggled or pasted, are their own name ...
    c->ShowModalNonBlocking();
    c->txtLatMin->setFocus();
    Retype(c->txtLatMin, "5");
    EXPECT_EQ(c->txtLocation->text(),
              "33\u00B0 05\u2032 08\u2033 S, 151\u00B0 12\u2032 29\u2033 E");
    c->NSSpinButtonUpClick();
    EXPECT_TRUE(c->PasteCoordinate(c->txtLongSec, QStringLiteral("0.5 W")));
    EXPECT_EQ(c->txtLocation->text(), "33\u00B0 05\u2032 08\u2033 N, 0\u00B0 30\u2032 00\u2033 W");
    // ... unless a name is typed after the change, and then it stays.
    Retype(c->txtLocation, "San");
    Retype(c->txtLatDeg, "34");
    EXPECT_EQ(c->txtLocation->text(), "San");
    Exit();
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(Stored("Location"), "San");
    EXPECT_EQ(Stored("LatDeg"), "34");
}

TEST_F(ConfigurationTest, ChoosingAFixedOffsetSetsTheZoneNameAside) {
    Open({{"ZoneName", "Europe/London"}, {"TimeZone", "12"}});
    EXPECT_EQ(c->cmbTimeZone->currentText(), "Europe/London");
    EXPECT_FALSE(c->chkDaylightSavings->isVisible());
    Choose(c->cmbTimeZone, "GMT + 05:30");
    EXPECT_EQ(c->ShownZoneName(), "");
    EXPECT_TRUE(c->chkDaylightSavings->isVisible());
    EXPECT_LT(c->cmbTimeZone->geometry().right(), c->Label12->x());
    Exit();
    EXPECT_EQ(Stored("ZoneName"), "");
    EXPECT_EQ(Stored("TimeZone"), "17.5");
    EXPECT_EQ(w->GetObserver().ZoneName(), "UTC+05:30");

    // A zone name typed is one.
    c->ShowModalNonBlocking();
    TypeInto(c->cmbTimeZone, "America/Sao_Paulo");
    Exit();
    EXPECT_EQ(Stored("ZoneName"), "America/Sao_Paulo");
}

TEST_F(ConfigurationTest, AnUnknownZoneIsRefusedWithTheClosestNames) {
    Open({{"ZoneName", "Europe/London"}, {"TimeZone", "13"}});
    struct Case {
        const char* typed;
        const char* suggested;
        bool byExit; // refused by the exit rather than by leaving the field
    };
    for (const Case& k :
         {Case{"Mars/Olympus", "", false}, Case{"Europe/Londn", "Europe/London", false},
          Case{"GMT + 99:00", "", true}, Case{"Mars/Olympus_Mons", "", true}}) {
        QLineEdit* field = c->cmbTimeZone->lineEdit();
        c->cmbTimeZone->setFocus();
        Retype(field, k.typed);
        dialogs.messages.clear();
        if (k.byExit)
            Exit();
        else
            Tab();
        ASSERT_EQ(dialogs.messages.size(), 1u) << k.typed;
        const QString& told = dialogs.messages[0];
        EXPECT_TRUE(told.contains(k.typed) && told.contains(k.suggested) &&
                    told.contains("stays Europe/London"))
            << told.toStdString();
        EXPECT_EQ(dialogs.messageKinds[0], MessageKind::Warning);
        EXPECT_EQ(c->cmbTimeZone->currentText(), "Europe/London");
        EXPECT_TRUE(c->isVisible());
        EXPECT_EQ(Stored("ZoneName"), "Europe/London");
    }
    // A link name is a zone; a known name in the wrong case is written as the database has it.
    for (const char* typed : {"Asia/Calcutta", "asia/kolkata"}) {
        c->cmbTimeZone->setFocus();
        Retype(c->cmbTimeZone->lineEdit(), typed);
        dialogs.messages.clear();
        Tab();
        EXPECT_TRUE(dialogs.messages.empty()) << typed;
    }
    EXPECT_EQ(c->cmbTimeZone->currentText(), "Asia/Kolkata");
    Exit();
    EXPECT_EQ(Stored("ZoneName"), "Asia/Kolkata");
}

TEST_F(ConfigurationTest, EveryZoneEntryIsReadableInTheListAndTheField) {
    Open({{"TimeZone", "12"}});
    QComboBox* list = c->cmbTimeZone;
    QAbstractItemView* view = list->view();
    // The open list is in the window's field face.
    EXPECT_EQ(view->font().family(), list->font().family());
    EXPECT_EQ(view->font().pixelSize(), list->font().pixelSize());

    list->showPopup();
    QCoreApplication::processEvents();
    ASSERT_TRUE(view->isVisible());
    const QFontMetrics fm(view->font());
    for (int i = 0; i < list->count(); ++i) {
        const QModelIndex index = list->model()->index(i, 0);
        view->scrollTo(index);
        const QString text = list->itemText(i);
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.font = view->font();
        // The width the item's delegate needs to draw the text whole (with its margins),
        // against the width the item has.
        const int needed = view->itemDelegate()->sizeHint(option, index).width();
        EXPECT_GE(needed, fm.horizontalAdvance(text)) << text.toStdString();
        EXPECT_GE(view->visualRect(index).width(), needed) << text.toStdString();
    }
    const QImage open = view->window()->grab().toImage();
    list->hidePopup();

    // The closed field shows every entry whole: its text area (the line edit less the 2
    // pixels Qt keeps on either side) holds the text.
    QLineEdit* field = list->lineEdit();
    const QFontMetrics shown(field->font());
    for (int i = 0; i < list->count(); ++i)
        EXPECT_GE(field->contentsRect().width() - 2 * 2, shown.horizontalAdvance(list->itemText(i)))
            << list->itemText(i).toStdString();
    // It still ends before the daylight-saving caption.
    EXPECT_LT(list->geometry().right(), c->Label12->x());

    Choose(list, QStringLiteral("GMT + 12:00"));
    c->txtLatDeg->clearFocus(); // no caret in the picture
    ExpectGoldenPicture(c->grab().toImage(), "configuration_offset.png");
    ExpectGoldenPicture(open, "configuration_offset_list.png");
}

TEST_F(ConfigurationTest, AFileWithoutAZoneNameGetsNoneUnlessOneIsChosen) {
    Open({{"TimeZone", "13"}, {"DaylightSavings", "True"}});
    Retype(c->txtLatDeg, "40");
    Exit();
    QFile f(QString::fromStdString(options.SettingsPath));
    ASSERT_TRUE(f.open(QFile::ReadOnly));
    EXPECT_FALSE(f.readAll().contains("ZoneName"));
    EXPECT_EQ(w->GetObserver().TotalOffset(), 120);
    EXPECT_FALSE(w->GetObserver().Zone);
}

TEST_F(ConfigurationTest, PlacesSouthAndWestAndNoMatch) {
    Open();
    Search("Buenos Aires");
    ASSERT_FALSE(c->PlaceMatches().empty());
    Pick(0);
    // 34.61315 S, 58.37723 W.
    EXPECT_EQ(c->txtLatDeg->text() + c->txtLatMin->text() + c->txtLatSec->text(), "343647");
    EXPECT_EQ(c->pNSDirection->text(), "South");
    EXPECT_EQ(c->txtLongDeg->text() + c->txtLongMin->text() + c->txtLongSec->text(), "0582238");
    EXPECT_EQ(c->pEWDirection->text(), "West");
    EXPECT_EQ(c->cmbTimeZone->currentText(), "America/Argentina/Buenos_Aires");

    Search("Qzxqzxqzx");
    EXPECT_TRUE(c->PlaceMatches().empty());
    EXPECT_FALSE(Popup()->isVisible());
    EXPECT_EQ(c->txtLocation->text(), "Qzxqzxqzx"); // a name of the user's own stays possible
    EXPECT_EQ(c->pNSDirection->text(), "South");

    // Seconds that round up carry into the minutes and degrees; what rounds to zero has no
    // side.
    TPlace edge;
    edge.Name = "Edge";
    edge.Latitude = 10.99999;
    edge.Longitude = -0.0000001;
    c->ChoosePlace(edge);
    EXPECT_EQ(c->txtLatDeg->text() + c->txtLatMin->text() + c->txtLatSec->text(), "110000");
    EXPECT_EQ(c->txtLongDeg->text() + c->txtLongMin->text() + c->txtLongSec->text(), "0000000");
    EXPECT_EQ(c->pEWDirection->text(), "East");
    EXPECT_EQ(c->txtLocation->text(), "Edge");
}

TEST_F(ConfigurationTest, ASearchThatFindsNothingSaysSoUntilTheTextChanges) {
    Open();
    EXPECT_FALSE(c->lblNoPlace->isVisible());
    Search("Qzxqzxqzx");
    ASSERT_TRUE(c->lblNoPlace->isVisible());
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(c->lblNoPlace);
    ASSERT_NE(said, nullptr);
    EXPECT_EQ(said->role(), QAccessible::StaticText);
    EXPECT_EQ(said->text(QAccessible::Name), "No place found");
    if (qEnvironmentVariableIsSet("CRESCENDAR_SAVE_PICTURES"))
        c->grab().save(QDir::temp().filePath("configuration_no_place.png"));

    QTest::keyClick(c->txtLocation, Qt::Key_Backspace); // hidden as soon as the text changes
    EXPECT_FALSE(c->lblNoPlace->isVisible());
    Search("Zurich");
    EXPECT_FALSE(c->PlaceMatches().empty());
    EXPECT_FALSE(c->lblNoPlace->isVisible());
}

// The window with the matches open, at scale 1 and 2, as pinned.
TEST_F(ConfigurationTest, PlaceSearchPicture) {
    Open({{"Location", ""}});
    const int flash = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0); // a steady caret, the same in every picture
    Search("San");
    ASSERT_TRUE(Popup()->isVisible());
    const QPoint popupAt = c->mapFromGlobal(Popup()->mapToGlobal(QPoint(0, 0)));
    EXPECT_EQ(popupAt, QPoint(30, 136)); // on the location field's lower edge, from the captions'
    // The largest first, and already chosen: Enter takes it.
    EXPECT_EQ(Popup()->currentIndex().row(), 0);
    const auto render = [this, popupAt](qreal scale) {
        QImage picture(c->size() * scale, QImage::Format_RGB32);
        picture.setDevicePixelRatio(scale);
        picture.fill(Qt::black);
        c->render(&picture);
        Popup()->render(&picture, popupAt);
        return picture;
    };
    const QImage one = render(1);
    const QImage two = render(2);
    QApplication::setCursorFlashTime(flash);
    EXPECT_EQ(QColor(one.pixel(popupAt + QPoint(4, Popup()->height() - 4))),
              QColor(255, 255, 176)); // the list is the fields' pale yellow
    ExpectGoldenPicture(one, "configuration_places.png");
    ExpectGoldenPicture(two, "configuration_places@2x.png");
}

// ----- the first run ----------------------------------------------------------------------

class FirstRunTest : public MainFixture {
  protected:
    void TearDown() override {
        windows.reset(); // the main window, deleted by the fixture, takes the others along
        MainFixture::TearDown();
    }
    void StartProgram(const std::string& zone) {
        clock.Set(At(2025, 3, 14));
        options.SettingsPath = ini;
        windows = StartProgramWindows(options, zone);
        w = windows->Main;
        QCoreApplication::processEvents();
    }
    // Ends the program and starts it again over the same settings.
    void Restart(const std::string& zone) {
        windows.reset();
        delete w;
        w = nullptr;
        StartProgram(zone);
    }
    static QByteArray Contents(const std::string& path) {
        QFile f(QString::fromStdString(path));
        return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::string ini = dir.filePath(QStringLiteral("Crescendar.ini")).toStdString();
    std::shared_ptr<TProgramWindows> windows;
};

TEST_F(FirstRunTest, TheSearchOpensFocusedWithThePlaceOfTheComputersZone) {
    StartProgram("Asia/Kathmandu");
    // The defaults are written exactly as a first load writes them.
    QTemporaryDir other;
    const std::string plain = other.filePath(QStringLiteral("Crescendar.ini")).toStdString();
    SettingsStore(plain).Load();
    EXPECT_EQ(Contents(ini), Contents(plain));

    TConfiguration* c = windows->Configuration;
    ASSERT_TRUE(c->isVisible());
    EXPECT_TRUE(c->isModal());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(c->txtLocation->hasFocus());
    EXPECT_EQ(c->txtLocation->selectedText(), c->txtLocation->text());
    EXPECT_EQ(c->txtLocation->text(), "Kathmandu, Bagmati Province, Nepal");
    EXPECT_EQ(c->txtLatDeg->text(), "27");
    EXPECT_EQ(c->ShownZoneName(), "Asia/Kathmandu");
    // Offered, not stored, and not in force.
    EXPECT_EQ(SettingsStore(ini).ReadValue("LatDeg"), "00");
    EXPECT_EQ(w->GetObserver().Latitude, 0.0);

    Click(c->lblExit);
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(SettingsStore(ini).ReadValue("ZoneName"), "Asia/Kathmandu");
    EXPECT_EQ(SettingsStore(ini).ReadValue("LatDeg"), "27");

    // Opened later, the window is the ordinary one again.
    c->ShowModalNonBlocking();
    QCoreApplication::processEvents();
    EXPECT_TRUE(c->txtLatDeg->hasFocus());
    EXPECT_EQ(c->txtLocation->text(), "Kathmandu, Bagmati Province, Nepal");
}

TEST_F(FirstRunTest, WithoutAPlaceForTheZoneTheSearchStillHasTheFocus) {
    StartProgram("Etc/UTC");
    TConfiguration* c = windows->Configuration;
    ASSERT_TRUE(c->isVisible());
    EXPECT_TRUE(c->txtLocation->hasFocus());
    EXPECT_EQ(c->txtLocation->text(), "");
    EXPECT_EQ(c->txtLatDeg->text(), "00");
    // Closed without saving: the defaults stay, and a later start has nothing to offer.
    c->close();
    EXPECT_EQ(SettingsStore(ini).ReadValue("LatDeg"), "00");
    Restart("Etc/UTC");
    EXPECT_FALSE(windows->Configuration->isVisible());
}

TEST_F(FirstRunTest, ThePlaceIsOfferedAgainUntilOneIsSaved) {
    StartProgram("Asia/Kathmandu");
    dialogs.saveChoice = SaveChoice::Discard;
    QTest::keyClick(windows->Configuration->txtLocation, Qt::Key_Escape);
    EXPECT_EQ(dialogs.questions.size(), 1u); // the place offered is a change
    EXPECT_FALSE(windows->Configuration->isVisible());
    EXPECT_EQ(SettingsStore(ini).ReadValue("LatDeg"), "00");

    Restart("Asia/Kathmandu");
    TConfiguration* c = windows->Configuration;
    ASSERT_TRUE(c->isVisible());
    EXPECT_TRUE(c->txtLocation->hasFocus());
    EXPECT_EQ(c->txtLocation->text(), "Kathmandu, Bagmati Province, Nepal");
    dialogs.saveChoice = SaveChoice::Save;
    QTest::keyClick(c->txtLocation, Qt::Key_Escape);
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(SettingsStore(ini).ReadValue("LatDeg"), "27");

    Restart("Asia/Kathmandu");
    EXPECT_FALSE(windows->Configuration->isVisible());
}

TEST_F(FirstRunTest, WithAPlaceSavedTheWindowDoesNotOpen) {
    SettingsStore store(ini);
    store.Load();
    ASSERT_TRUE(store.WriteValues({{"Location", "Null Island"}}));
    const QByteArray before = Contents(ini);
    StartProgram("Asia/Kathmandu");
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(windows->Configuration->isVisible());
    EXPECT_EQ(Contents(ini), before);
}

// ----- the window itself ------------------------------------------------------------------

TEST_F(ConfigurationTest, EscapeAsksWhetherToSaveChanges) {
    Open();
    EXPECT_TRUE(c->lblExit->Hint().contains("Save")) << c->lblExit->Hint().toStdString();
    EXPECT_EQ(c->lblExit->accessibleName(), "Save and close");
    // Nothing changed: Escape closes without asking.
    QTest::keyClick(c->txtLatDeg, Qt::Key_Escape);
    EXPECT_FALSE(c->isVisible());
    EXPECT_TRUE(dialogs.questions.empty());

    const struct {
        SaveChoice answer;
        bool staysOpen;
        const char* stored;
    } cases[] = {{SaveChoice::Cancel, true, "00"},
                 {SaveChoice::Discard, false, "00"},
                 {SaveChoice::Save, false, "12"}};
    for (const auto& k : cases) {
        c->ShowModalNonBlocking();
        Retype(c->txtLatDeg, "12");
        dialogs.questions.clear();
        dialogs.saveChoice = k.answer;
        QTest::keyClick(c->txtLatDeg, Qt::Key_Escape);
        EXPECT_EQ(dialogs.questions.size(), 1u);
        EXPECT_EQ(c->isVisible(), k.staysOpen);
        EXPECT_EQ(c->txtLatDeg->text(), "12"); // going back keeps the edit
        EXPECT_EQ(Stored("LatDeg"), k.stored);
        EXPECT_EQ(Settings().LatDeg, k.stored);
        c->close();
    }
    // Discarding checks nothing of what it discards.
    c->ShowModalNonBlocking();
    c->cmbTimeZone->setFocus();
    Retype(c->cmbTimeZone->lineEdit(), "Mars/Olympus");
    dialogs.saveChoice = SaveChoice::Discard;
    QTest::keyClick(c->cmbTimeZone->lineEdit(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(c->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    // Saving refuses what the exit refuses, and the window stays.
    c->ShowModalNonBlocking();
    dialogs.saveChoice = SaveChoice::Save;
    Retype(c->txtLatDeg, "95");
    QTest::keyClick(c->txtLatDeg, Qt::Key_Escape);
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(Stored("LatDeg"), "12");
}

TEST_F(ConfigurationTest, ShowModalReturnsWhenTheWindowCloses) {
    Open();
    c->close();
    QTimer::singleShot(0, c, [this] { Click(c->lblExit); });
    c->ShowModal(); // returns after the exit region closed the window
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(Stored("LatDeg"), "00");
}

// The skin is in place under the controls, the fields are pale yellow, and the window looks
// as pinned.
TEST_F(ConfigurationTest, SkinAndFieldsArePainted) {
    Open({{"LatDeg", "51"},
          {"LatMin", "28"},
          {"LatSec", "38"},
          {"LongMin", "00"},
          {"LongSec", "05"},
          {"Location", "Greenwich Observatory"},
          {"DayOrder", "1"},
          {"DaylightSavings", "True"},
          {"TimeZone", "12"}});
    c->txtLatDeg->clearFocus(); // no caret in the picture
    const QImage shot = c->grab().toImage();
    EXPECT_EQ(c->Background().size(), QSize(284, 400));
    EXPECT_NE(QColor(shot.pixel(1, 1)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(252, 120)), QColor(255, 255, 176)); // location field
    const QStringList zones = TimeZoneNames();
    ASSERT_EQ(zones.size(), 49);
    EXPECT_EQ(zones[0], "GMT - 12:00");
    EXPECT_EQ(zones[23], "GMT - 00:30");
    EXPECT_EQ(zones[24], "GMT");
    EXPECT_EQ(zones[48], "GMT + 12:00");

    ExpectGoldenPicture(shot, "configuration.png");
}

} // namespace
} // namespace crescendar
