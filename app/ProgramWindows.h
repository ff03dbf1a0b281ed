// Every window of the program, created once in a fixed order over one session: the session
// first, then the main window, then the others; the main window's regions open the others
// through its hooks, and the others reach the shown month and the settings through the
// session.
#pragma once

#include "fMain.h"

#include <memory>
#include <string>

namespace crescendar {

class TAbout;
class TCalendarExport;
class TConfiguration;
class TDateInfoWindow;
class TEaster;
class TEclipse;
class TEclipseReport;
class TEquinox;
class TMonthList;
class TMonthlyPhases;
class TObservingAid;
class TPrintOptions;
class TReportMenu;
class TSolarEclipseWindow;
class TTimesList;
class TWebMenu;
class PrintTarget;

struct TProgramWindows {
    TSession* Session = nullptr;
    TMain* Main = nullptr;
    TConfiguration* Configuration = nullptr;
    TPrintOptions* PrintOptions = nullptr;
    TTimesList* TimesList = nullptr;
    TEclipse* Eclipse = nullptr;
    TEclipseReport* EclipseReport = nullptr;
    TSolarEclipseWindow* SolarEclipse = nullptr;
    TEquinox* Equinox = nullptr;
    TEaster* Easter = nullptr;
    TMonthlyPhases* MonthlyPhases = nullptr;
    TObservingAid* ObservingAid = nullptr;
    TDateInfoWindow* DateInfo = nullptr;
    TReportMenu* ReportMenu = nullptr;
    TMonthList* MonthList = nullptr;
    TWebMenu* WebMenu = nullptr;
    TAbout* About = nullptr;
    TCalendarExport* CalendarExport = nullptr;
};

// Creates the session (unless the options give one, over options.SettingsPath), the main
// window with it (the options' hooks are replaced) and then every other window, each (but
// the popup menus) put back where the user left it. The others
// are children of the main window and go with it, and so does a session made here. printTarget
// is where printouts go (nullptr: the system's printer, or a PDF file when there is none).
// The windows' positions kept in the settings file of a session, in a group of their own.
// A write that fails is written to the program's log: the settings themselves are never
// touched by it, and a position not kept is no loss worth a message box.
std::shared_ptr<SkinWindow::PositionMemory> WindowPositionsOf(const TSession& session);

std::shared_ptr<TProgramWindows> CreateProgramWindows(TMainOptions options = {},
                                                      PrintTarget* printTarget = nullptr);

} // namespace crescendar
