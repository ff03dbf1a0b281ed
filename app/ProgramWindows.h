// Every window of the program, created once in a fixed order with the main window first,
// and wired together: the main window's regions open the others through its hooks.
#pragma once

#include "fMain.h"

#include <memory>
#include <string>

namespace crescendar {

class TAbout;
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
class TTimesList;
class TWebMenu;
class PrintTarget;

struct TProgramWindows {
    TMain* Main = nullptr;
    TConfiguration* Configuration = nullptr;
    TPrintOptions* PrintOptions = nullptr;
    TTimesList* TimesList = nullptr;
    TEclipse* Eclipse = nullptr;
    TEclipseReport* EclipseReport = nullptr;
    TEquinox* Equinox = nullptr;
    TEaster* Easter = nullptr;
    TMonthlyPhases* MonthlyPhases = nullptr;
    TObservingAid* ObservingAid = nullptr;
    TDateInfoWindow* DateInfo = nullptr;
    TReportMenu* ReportMenu = nullptr;
    TMonthList* MonthList = nullptr;
    TWebMenu* WebMenu = nullptr;
    TAbout* About = nullptr;
};

// Creates the main window (with the given options; its hooks are replaced) and then every
// other window. The others are children of the main window and go with it. printTarget is
// where printouts go (nullptr: the system's printer, or a PDF file when there is none).
std::shared_ptr<TProgramWindows> CreateProgramWindows(TMainOptions options = {},
                                                      PrintTarget* printTarget = nullptr);

} // namespace crescendar
