#include "ProgramWindows.h"

#include "fAbout.h"
#include "fConfiguration.h"
#include "fDateInfo.h"
#include "fEaster.h"
#include "fEclipseReport.h"
#include "fEclipseWindow.h"
#include "fEquinox.h"
#include "fMonthList.h"
#include "fMonthlyPhases.h"
#include "fObservingAid.h"
#include "fPrintOptions.h"
#include "fReportMenu.h"
#include "fTimesList.h"
#include "fWebMenu.h"

namespace crescendar {

std::shared_ptr<TProgramWindows> CreateProgramWindows(TMainOptions options,
                                                      PrintTarget* printTarget) {
    auto w = std::make_shared<TProgramWindows>();
    // The hooks run only after every window exists; they hold the set, not the windows.
    TProgramWindows* p = w.get();
    TMainHooks& h = options.Hooks;
    h.ShowPrintOptions = [p] { p->PrintOptions->ShowOptions(); };
    h.ShowTimesList = [p](const TDateTimeRecord& d) {
        p->TimesList->SetupDataBitmap(d);
        p->TimesList->show();
        p->TimesList->raise();
        p->TimesList->activateWindow();
    };
    h.RefreshVisibleReports = [p](const TDateTimeRecord& d) {
        p->MonthList->Reports.RefreshVisible(d);
    };
    h.ShowWebMenu = [p] { p->WebMenu->show(); };
    h.ShowReportMenu = [p] { p->ReportMenu->show(); };
    h.ShowEclipse = [p](const std::vector<TEclipseResult>& e) { p->Eclipse->ShowEclipses(e); };
    h.EclipsesChanged = [p](const std::vector<TEclipseResult>& e) {
        if (p->Eclipse) p->Eclipse->MonthChanged(e);
    };
    h.ShowConfiguration = [p] { p->Configuration->ShowModal(); };
    h.ShowAbout = [p] { p->About->show(); };
    h.ShowMonthList = [p] { p->MonthList->show(); };
    h.ShowDateInfo = [p](const TDateTimeRecord& d) { p->DateInfo->ShowDateInfo(d); };

    const bool ownSession = options.Session == nullptr;
    TSession* session = ownSession ? new TSession(options.SettingsPath) : options.Session;
    options.Session = session;
    p->Session = session;

    TMain* main = SkinWindow::Create<TMain>(options);
    TSession& s = *session;
    p->Main = main;
    p->Configuration = SkinWindow::Create<TConfiguration>(s, main);
    p->PrintOptions = SkinWindow::Create<TPrintOptions>(s, main, printTarget);
    p->TimesList = SkinWindow::Create<TTimesList>(s, *main);
    p->Eclipse = SkinWindow::Create<TEclipse>(s, main, main->imgEclipse);
    p->EclipseReport = SkinWindow::Create<TEclipseReport>(s, main, main->lblReports, p->Eclipse);
    p->Equinox = SkinWindow::Create<TEquinox>(s, *main);
    p->Easter = SkinWindow::Create<TEaster>(s, *main);
    p->MonthlyPhases = SkinWindow::Create<TMonthlyPhases>(s, *main);
    p->ObservingAid = SkinWindow::Create<TObservingAid>(s, *main);
    p->DateInfo = SkinWindow::Create<TDateInfoWindow>(*main);
    p->ReportMenu = SkinWindow::Create<TReportMenu>(s, *main, *main->lblReports);
    p->MonthList = SkinWindow::Create<TMonthList>(s, *main);
    p->WebMenu = SkinWindow::Create<TWebMenu>(*main, *main->lblLinks);
    p->About = SkinWindow::Create<TAbout>(*main);
    // A session made here goes with the main window, after every window that reads it (the
    // children are deleted in the order they were added).
    if (ownSession) session->setParent(main);

    TReportMenuHooks& r = p->ReportMenu->Hooks;
    r.ShowObservingAid = [p] { p->ObservingAid->show(); };
    r.ShowEclipseReport = [p] { p->EclipseReport->ShowEclipseReport(); };
    r.ShowMonthlyPhases = [p] { p->MonthlyPhases->show(); };
    r.ShowEquinoxes = [p](std::uint16_t year) { p->Equinox->EquinoxesAndSolstices(year); };
    r.ShowEaster = [p] { p->Easter->ShowEaster(); };

    // The month picker and the year editor refresh whichever of these are visible.
    TVisibleReports& reports = p->MonthList->Reports;
    reports.Register(p->TimesList, [p](const TDateTimeRecord& d) { p->TimesList->Refresh(d); });
    reports.Register(p->MonthlyPhases,
                     [p](const TDateTimeRecord& d) { p->MonthlyPhases->Refresh(d); });
    reports.Register(p->ObservingAid,
                     [p](const TDateTimeRecord& d) { p->ObservingAid->Refresh(d); });
    return w;
}

} // namespace crescendar
