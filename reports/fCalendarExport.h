// The calendar export window: a range of years and the kinds of event (phases, lunar and
// solar eclipses, perigee and apogee, equinoxes and solstices), then a save dialog; the
// events go to an iCalendar file, instants in UTC, written whole or not at all. Opened from
// the report menu; Escape and the close mark close it.
#pragma once

#include "ClickRegion.h"
#include "SkinWindow.h"

#include <QLineEdit>
#include <QString>

namespace crescendar {

class TSession;
class TSkinCheckBox;

// The messages of the window.
inline constexpr const char* kExportYearsMessage =
    QT_TRANSLATE_NOOP("crescendar::TCalendarExport", "Please type a year in both boxes.");
inline constexpr const char* kExportOrderMessage = QT_TRANSLATE_NOOP(
    "crescendar::TCalendarExport", "The \"From\" year must not be later than the \"To\" year.");
inline constexpr const char* kExportKindsMessage =
    QT_TRANSLATE_NOOP("crescendar::TCalendarExport", "Please choose at least one kind of event.");

class TCalendarExport : public SkinWindow {
    Q_OBJECT
  public:
    // The widest range of years one export takes.
    static constexpr int kMaxYears = 200;

    // session: whose observer (place, civil time) the events are described for and whose
    // selected year the boxes start with. owner: the window this one belongs to and centres
    // over.
    TCalendarExport(TSession& session, QWidget& owner);

    void FormCreate() override;
    void FormShow() override;

    // The report menu's entry: shows the window with the selected year, or brings it to the
    // front.
    void ShowExport();
    // Checks the choices, asks where to save and writes the calendar; closes the window when
    // it was written. False when nothing was written (a choice to correct, the dialog
    // cancelled, or a failure, each told).
    bool lblExportClick();

    QString SaveFolder() const { return saveFolder_; }

    QLineEdit* txtFromYear = nullptr;
    QLineEdit* txtToYear = nullptr;
    TSkinCheckBox* chkPhases = nullptr;
    TSkinCheckBox* chkEclipses = nullptr;
    TSkinCheckBox* chkApsides = nullptr;
    TSkinCheckBox* chkSeasons = nullptr;
    ClickRegion* lblExport = nullptr;
    ClickRegion* lblExit = nullptr;
    ClickRegion* lblTitle = nullptr;

  protected:
    // Return presses a focused button; elsewhere it exports.
    bool CommandKeyAllowed(const QAction* action) const override;

  private:
    TSession& session_;
    QWidget& owner_;
    QString saveFolder_;
};

} // namespace crescendar
