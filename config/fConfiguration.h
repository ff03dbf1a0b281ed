// The configuration window: the observer's place, the calendar's first weekday and date
// pattern, the time zone, daylight saving and the printer. Shown modally from the main
// window; its exit region puts the settings in force through the session (which the main
// window follows), saves them and closes the window. Typing in the location field offers the
// matching places of the gazetteer; picking one fills the place, its coordinates and its
// named time zone.
#pragma once

#include "ClickRegion.h"
#include "ImageControl.h"
#include "SkinWindow.h"

#include "Places.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QImage>
#include <QPointer>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QCompleter;
class QStandardItemModel;
class QLabel;
class QLineEdit;

namespace crescendar {

class TSession;
class TPlaceSearch;

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
    // The first run's window (returns at once): the place search has the focus and, when
    // there is a suggestion, the fields show that place as if it had been picked, until the
    // window closes. Nothing is stored unless the user leaves through the exit region.
    void ShowFirstRun(const std::optional<TPlace>& suggestion);

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
    // The side a hemisphere panel shows: North or South for the latitude, East or West for
    // the longitude, in the language of the windows.
    static QString SideName(bool latitude, bool southOrWest);
    // A coordinate as text ("51° 28′ 38″ N", "51 28 38", "51.4772", "-0.0015", "0° 5′ W")
    // read for the latitude or the longitude fields: whole degrees, minutes and seconds of
    // arc (rounded to the second) and whether it lies south or west. Nothing when the text is
    // not one coordinate of that kind within its range (90 or 180 degrees).
    struct TPastedCoordinate {
        int Deg = 0, Min = 0, Sec = 0;
        bool SouthOrWest = false;
    };
    static std::optional<TPastedCoordinate> ParseCoordinate(const QString& text, bool latitude);
    // A coordinate pasted into one of the latitude or longitude edits fills the degrees,
    // minutes, seconds and hemisphere of that coordinate; false (nothing changes) when the
    // text is not one.
    bool PasteCoordinate(QLineEdit* edit, const QString& text);
    // A coordinate or a hemisphere was changed by hand (typed, pasted or toggled): the
    // location's name becomes the coordinates' own, unless the user has typed the name since
    // changing coordinates by hand.
    void CoordinatesEdited();
    // The coordinates shown, as a place's name: "33° 52′ 08″ S, 151° 12′ 29″ E".
    QString CoordinatesName() const;
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
    // The location field was typed in: looks for the places of that name (off the interface
    // thread; the matches are offered when they arrive, if the text is still the same).
    void txtLocationEdited(const QString& text);
    // Fills the location, the coordinates, their hemispheres and the named zone from a place.
    void ChoosePlace(const TPlace& place);
    // The places now offered under the location field, largest first.
    const std::vector<TPlace>& PlaceMatches() const { return placeMatches_; }
    // The named zone the time-zone field shows ("Asia/Kathmandu"), "" for a fixed offset.
    std::string ShownZoneName() const;
    // The time-zone field was left or its text confirmed: text that is neither an entry of the
    // list nor a zone this computer knows is refused with a message naming the closest zone
    // names, and the field shows the zone it showed before (as does an emptied field). A zone
    // name typed in the wrong case is written as the database writes it. False when refused.
    bool txtZoneExit();
    // Saves and closes. A coordinate out of range, a zone this computer does not know, a
    // typed date pattern without a day, a month and a year, or a search typed in the location
    // field whose places were not picked, is refused with a message and the window stays
    // open with nothing changed. When the settings cannot be written they change in memory
    // only, a message says so and the window stays open; a second exit then closes it.
    // Closing another way changes nothing.
    void lblExitClick();

    // Whether a control shows something other than the window showed when it was filled
    // from the settings (the first run's place counts as a change).
    bool HasUnsavedChanges() const;

    // The word of the printer that the exit stores as PrinterType.
    std::string PrinterWord() const { return Word(printer_); }

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
    // "No place found" under txtLocation while the text typed there matches no place.
    ClickRegion* lblNoPlace = nullptr;
    ClickRegion* Label7 = nullptr;
    QComboBox* cmbDayOrder = nullptr;
    ClickRegion* Label8 = nullptr;
    QComboBox* cmbDateFormat = nullptr;
    // The language of the texts: the system's, or one the program speaks (its entries follow
    // "System" in the order of LanguageWords()).
    ClickRegion* lblLanguage = nullptr;
    QComboBox* cmbLanguage = nullptr;
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
    // The matches offered under txtLocation ("Name, Region, Country").
    QCompleter* PlaceCompleter = nullptr;

  signals:
    // The window has been closed.
    void Closed();
    // The matches of the text typed have arrived and are offered (tests).
    void PlacesOffered();

  protected:
    // Closed by the window system, the window asks as Escape (actClose) does.
    void closeEvent(QCloseEvent* e) override;

  private:
    void AddCaptions();
    ClickRegion* Caption(int left, int top, const QString& text, const QColor& colour);
    QLineEdit* CoordinateEdit(int left, int top, int width, int maxLength, int fillTo);
    QComboBox* List(int left, int top, int width, const QStringList& items);
    void ChoosePrinter(TPrinterType printer);
    ImageControl* PrinterPicture(TPrinterType printer) const;
    // Fills every coordinate edit to its width, as leaving it would.
    void FillCoordinates();
    // A message for the first coordinate out of range (and the edit to correct), or none.
    QString CheckCoordinates(QLineEdit** offending) const;
    // What the controls show, coordinates zero-filled, for HasUnsavedChanges.
    QStringList ShownValues() const;
    // Puts the values shown in force and stores them; false when a value is refused or the
    // user has just been told that they could not be stored (the window then stays open).
    bool Save();
    // Asks what becomes of unsaved changes when the window closes other than through the exit
    // region; true when it may close (nothing to save, saved, or discarded).
    bool SavedOrDiscarded();
    // Shows the date pattern of the settings in the date list.
    void ShowDatePattern();
    // Refuses, at the exit, a search typed over the name of the coordinates shown and never
    // picked, when the gazetteer has places of that name: the field shows the coordinates'
    // name again. A name that is no place's is the user's own and is kept.
    bool CheckLocation();
    // Offers the places found for text, unless the location field has moved on since.
    void OfferPlaces(const QString& text, const std::vector<TPlace>& places);
    // Lays out the zone row: a named zone takes the width of the row, where the daylight
    // box would stand (its rules know daylight saving); a fixed offset shows the list and
    // the box.
    void ShowZone();

    TSession& session_;
    QPointer<QWidget> owner_;
    TPrinterType printer_ = TPrinterType::Laser;
    bool toldNotSaved_ = false; // the user has been told that the settings were not saved
    TPlaceSearch* search_ = nullptr;
    QStandardItemModel* placeModel_ = nullptr;
    std::vector<TPlace> placeMatches_;
    bool firstRun_ = false;            // shown by ShowFirstRun, until it closes
    std::optional<TPlace> suggestion_; // the first run's place, until the window closes
    // The location field's text is the name that goes with the coordinates shown (tiedName_:
    // the settings', a place picked, or the coordinates' own), a name typed for coordinates
    // changed by hand, or text typed over the name, a search until a place is picked.
    enum class LocationKind { Tied, Own, Search };
    LocationKind locationKind_ = LocationKind::Tied;
    QString tiedName_;
    bool coordinatesByHand_ = false; // since the last place picked or the window's filling
    QString acceptedZone_;           // what the zone field showed last that was a zone
    bool checkingZone_ = false;      // txtZoneExit is telling the user
    QStringList filledValues_;       // ShownValues() as filled from the settings
};

// The 49 entries of the time-zone list: "GMT - 12:00" ... "GMT" ... "GMT + 12:00".
QStringList TimeZoneNames();

} // namespace crescendar
