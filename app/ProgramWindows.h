// Every window of the program, created once in a fixed order over one session: the session
// first, then the main window, then the others; the main window's regions open the others
// through its hooks, and the others reach the shown month and the settings through the
// session.
#pragma once

#include "fMain.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

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

// A window made the first time something asks for it, so that the program starts without
// building the windows a session may never open. It reads as the window's pointer.
template <class T> class LazyWindow {
  public:
    void Make(std::function<T*()> make) { make_ = std::move(make); }
    T* get() const {
        if (!window_ && make_) window_ = make_();
        return window_;
    }
    T* operator->() const { return get(); }
    operator T*() const { return get(); }
    bool Made() const { return window_ != nullptr; }

  private:
    std::function<T*()> make_;
    mutable T* window_ = nullptr;
};

struct TProgramWindows {
    TSession* Session = nullptr;
    TMain* Main = nullptr;
    LazyWindow<TConfiguration> Configuration;
    LazyWindow<TPrintOptions> PrintOptions;
    LazyWindow<TTimesList> TimesList;
    LazyWindow<TEclipse> Eclipse;
    LazyWindow<TEclipseReport> EclipseReport;
    LazyWindow<TSolarEclipseWindow> SolarEclipse;
    LazyWindow<TEquinox> Equinox;
    LazyWindow<TEaster> Easter;
    LazyWindow<TMonthlyPhases> MonthlyPhases;
    LazyWindow<TObservingAid> ObservingAid;
    LazyWindow<TDateInfoWindow> DateInfo;
    LazyWindow<TReportMenu> ReportMenu;
    LazyWindow<TMonthList> MonthList;
    LazyWindow<TWebMenu> WebMenu;
    LazyWindow<TAbout> About;
    LazyWindow<TCalendarExport> CalendarExport;
};

// Creates the session (unless the options give one, over options.SettingsPath), the main
// window with it (the options' hooks are replaced), the eclipse window,
// and every other window the first time it is asked for; each (but the popup menus) is put
// back where the user left it. The others
// are children of the main window and go with it, and so does a session made here. printTarget
// is where printouts go (nullptr: the system's printer, or a PDF file when there is none).
// The windows' positions kept in the settings file of a session, in a group of their own.
// A write that fails is written to the program's log: the settings themselves are never
// touched by it, and a position not kept is no loss worth a message box.
std::shared_ptr<SkinWindow::PositionMemory> WindowPositionsOf(const TSession& session);

std::shared_ptr<TProgramWindows> CreateProgramWindows(TMainOptions options = {},
                                                      PrintTarget* printTarget = nullptr);

} // namespace crescendar
