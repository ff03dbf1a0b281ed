#include "ProgramWindows.h"

#include "fAbout.h"
#include "fCalendarExport.h"
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
#include "fSolarEclipseWindow.h"
#include "fTimesList.h"
#include "fWebMenu.h"

#include "Settings.h"

#include <QtGlobal>

#include <map>
#include <optional>
#include <utility>

namespace crescendar {

std::shared_ptr<SkinWindow::PositionMemory> WindowPositionsOf(const TSession& session) {
    auto memory = std::make_shared<SkinWindow::PositionMemory>();
    const std::string path = session.SettingsPath();
    // What was read or written last, by window: an unchanged position is not written again.
    auto known = std::make_shared<std::map<QString, QPoint>>();
    const auto store = [path] { return path.empty() ? SettingsStore() : SettingsStore(path); };
    memory->Read = [store, known](const QString& name) -> std::optional<QPoint> {
        const auto position = store().ReadWindowPosition(name.toStdString());
        if (!position) return std::nullopt;
        const QPoint p(position->first, position->second);
        (*known)[name] = p;
        return p;
    };
    memory->Write = [store, known](const QString& name, QPoint position) {
        const auto it = known->find(name);
        if (it != known->end() && it->second == position) return;
        SettingsStore s = store();
        if (s.WriteWindowPosition(name.toStdString(), position.x(), position.y()))
            (*known)[name] = position;
        else
            // not user text: a log message
            qWarning("The position of the %s window was not kept: %s", qPrintable(name),
                     s.LastWriteError().c_str());
    };
    return memory;
}

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
    h.ShowWebMenu = [p] { p->WebMenu->show(); };
    h.ShowReportMenu = [p] { p->ReportMenu->show(); };
    h.ShowEclipse = [p](const std::vector<TEclipseResult>& e) { p->Eclipse->ShowEclipses(e); };
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
    p->SolarEclipse = SkinWindow::Create<TSolarEclipseWindow>(s, main, main->imgEclipse);
    p->Equinox = SkinWindow::Create<TEquinox>(s, *main);
    p->Easter = SkinWindow::Create<TEaster>(s, *main);
    p->MonthlyPhases = SkinWindow::Create<TMonthlyPhases>(s, *main);
    p->ObservingAid = SkinWindow::Create<TObservingAid>(s, *main);
    p->DateInfo = SkinWindow::Create<TDateInfoWindow>(*main);
    p->ReportMenu = SkinWindow::Create<TReportMenu>(s, *main, *main->lblReports);
    p->MonthList = SkinWindow::Create<TMonthList>(s, *main);
    p->WebMenu = SkinWindow::Create<TWebMenu>(*main, *main->lblLinks);
    p->About = SkinWindow::Create<TAbout>(*main);
    p->CalendarExport = SkinWindow::Create<TCalendarExport>(s, *main);
    // Every window but the popup menus opens where the user put it last.
    const auto positions = WindowPositionsOf(s);
    const std::pair<SkinWindow*, const char*> remembered[] = {
        {main, "Main"},                      // not user text
        {p->Configuration, "Configuration"}, // not user text
        {p->PrintOptions, "PrintOptions"},
        {p->TimesList, "TimesList"},
        {p->Eclipse, "Eclipse"}, // not user text
        {p->EclipseReport, "EclipseReport"},
        {p->SolarEclipse, "SolarEclipse"},
        {p->Equinox, "Equinox"}, // not user text
        {p->Easter, "Easter"},   // not user text
        {p->MonthlyPhases, "MonthlyPhases"},
        {p->ObservingAid, "ObservingAid"},
        {p->DateInfo, "DateInfo"},
        {p->About, "About"}, // not user text
        {p->CalendarExport, "CalendarExport"}};
    for (const auto& [window, name] : remembered)
        window->RememberPosition(QString::fromLatin1(name), positions);
    // A session made here goes with the main window, after every window that reads it (the
    // children are deleted in the order they were added).
    if (ownSession) session->setParent(main);

    TReportMenuHooks& r = p->ReportMenu->Hooks;
    r.ShowObservingAid = [p] { p->ObservingAid->show(); };
    r.ShowEclipseReport = [p] { p->EclipseReport->ShowEclipseReport(); };
    r.ShowMonthlyPhases = [p] { p->MonthlyPhases->show(); };
    r.ShowEquinoxes = [p](std::uint16_t year) { p->Equinox->EquinoxesAndSolstices(year); };
    r.ShowEaster = [p] { p->Easter->ShowEaster(); };
    r.ShowCalendarExport = [p] { p->CalendarExport->ShowExport(); };
    return w;
}

} // namespace crescendar
