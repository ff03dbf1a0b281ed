// The configuration window: the observer's place, the calendar's first weekday and date
// pattern, the time zone, daylight saving and the printer. Shown modally from the main
// window; its exit region puts the settings in force through the session (which the main
// window follows), saves them and closes the window.
#pragma once

#include "ClickRegion.h"
#include "ImageControl.h"
#include "SkinWindow.h"

#include <QAbstractButton>
#include <QImage>
#include <QPointer>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace crescendar {

class TSession;

// An up/down button pair over the arrows of the skin. A left press on the upper half is
// UpClick, on the lower half DownClick; the Up and Down keys do the same while it has the
// focus.
class TConfigSpinButton : public QWidget {
    Q_OBJECT
  public:
    TConfigSpinButton(QWidget* parent, int left, int top, int width, int height);

  signals:
    void UpClick();
    void DownClick();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    int pressedHalf_ = -1; // 0 upper, 1 lower, -1 none (drawn darkened while held)
};

// A check box drawn with two pictures of its own size.
class TConfigCheckBox : public QAbstractButton {
    Q_OBJECT
  public:
    TConfigCheckBox(QWidget* parent, int left, int top, const QImage& on, const QImage& off);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QImage on_, off_;
};

class TConfiguration : public SkinWindow {
    Q_OBJECT
  public:
    // session: whose settings are edited and stored. owner: the window this one belongs to
    // and centres over (nullptr: none; centred on the screen).
    explicit TConfiguration(TSession& session, QWidget* owner = nullptr);

    // Shows the window modally and returns when it has been closed.
    void ShowModal();
    // Shows the window modally and returns at once (tests; nothing blocks).
    void ShowModalNonBlocking();

    // Window events.
    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;

    // Controls' events, named as their controls.
    void NSSpinButtonUpClick();
    void NSSpinButtonDownClick();
    void EWSpinButtonUpClick();
    void EWSpinButtonDownClick();
    // The character filter of the coordinate edits: digits, Backspace (8) and Enter (13)
    // are kept; every other character becomes 0 (discarded).
    static char16_t ProcessKey(char16_t key);
    void txtLatDegExit();
    void txtLatMinExit();
    void txtLatSecExit();
    void txtLongDegExit();
    void txtLongMinExit();
    void txtLongSecExit();
    void imgLaserClick();
    void lblLaserClick();
    void imgBWInkjetClick();
    void lblBWInkjetClick();
    void imgColourInkjetClick();
    void lblColourPrinterClick();
    // Saves and closes. A coordinate out of range, or a typed date pattern without a day, a
    // month and a year, is refused with a message and the window stays open with nothing
    // changed. When the settings cannot be written they change in memory only, a message
    // says so and the window stays open; a second exit then closes it. Closing another way
    // changes nothing.
    void lblExitClick();

    // The printer word that the exit stores as PrinterType.
    const std::string& PrinterWord() const { return printerWord_; }

    // Controls, named as in the window's layout.
    ClickRegion* lblExit = nullptr;
    ClickRegion* lblTitle = nullptr;
    ClickRegion* Label4 = nullptr;
    QLineEdit* txtLatDeg = nullptr;
    QLineEdit* txtLatMin = nullptr;
    QLineEdit* txtLatSec = nullptr;
    QLabel* pNSDirection = nullptr;
    TConfigSpinButton* NSSpinButton = nullptr;
    ClickRegion* Label5 = nullptr;
    QLineEdit* txtLongDeg = nullptr;
    QLineEdit* txtLongMin = nullptr;
    QLineEdit* txtLongSec = nullptr;
    QLabel* pEWDirection = nullptr;
    TConfigSpinButton* EWSpinButton = nullptr;
    ClickRegion* Label6 = nullptr;
    QLineEdit* txtLocation = nullptr;
    ClickRegion* Label7 = nullptr;
    QComboBox* cmbDayOrder = nullptr;
    ClickRegion* Label8 = nullptr;
    QComboBox* cmbDateFormat = nullptr;
    ClickRegion* Label11 = nullptr;
    QComboBox* cmbTimeZone = nullptr;
    ClickRegion* Label12 = nullptr;
    TConfigCheckBox* chkDaylightSavings = nullptr;
    ImageControl* imgLaser = nullptr;
    ClickRegion* lblLaser = nullptr;
    ImageControl* imgBWInkjet = nullptr;
    ClickRegion* lblBWInkjet = nullptr;
    ImageControl* imgColourInkjet = nullptr;
    ClickRegion* lblColourPrinter = nullptr;
    QImage imgRBSet;
    QImage imgRBUnset;

  signals:
    // The window has been closed.
    void Closed();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    ClickRegion* Caption(int left, int top, const QString& text, const QColor& colour);
    QLineEdit* CoordinateEdit(int left, int top, int width, int maxLength, int fillTo);
    QComboBox* List(int left, int top, int width, const QStringList& items);
    void ChoosePrinter(const char* word, ImageControl* picture);
    // Fills every coordinate edit to its width, as leaving it would.
    void FillCoordinates();
    // A message for the first coordinate out of range (and the edit to correct), or none.
    QString CheckCoordinates(QLineEdit** offending) const;
    // Shows the date pattern of the settings in the date list.
    void ShowDatePattern();

    TSession& session_;
    QPointer<QWidget> owner_;
    std::string printerWord_;   // at most 15 characters
    bool toldNotSaved_ = false; // the user has been told that the settings were not saved
};

// The 49 entries of the time-zone list: "GMT - 12:00" ... "GMT" ... "GMT + 12:00".
QStringList TimeZoneNames();

} // namespace crescendar
