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
    h.ShowSolarEclipse = [p] { p->SolarEclipse->ShowMonthEclipses(); };
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
    // Every window but the popup menus opens where the user put it last.
    const auto positions = WindowPositionsOf(s);
    const auto placed = [main, session, ownSession, positions](SkinWindow* window,
                                                               const char* name) {
        if (name) window->RememberPosition(QString::fromLatin1(name), positions);
        // A session made here goes with the main window, after every window that reads it
        // (the children are deleted in the order they were added): a window made later
        // puts it back at the end.
        if (ownSession) {
            session->setParent(nullptr);
            session->setParent(main);
        }
    };
    placed(main, "Main"); // not user text
    const auto later = [&placed](auto& slot, const char* name, auto make) {
        slot.Make([placed, name, make] {
            auto* window = make();
            placed(window, name);
            return window;
        });
    };
    later(p->Configuration, "Configuration", // not user text
          [session, main] { return SkinWindow::Create<TConfiguration>(*session, main); });
    later(p->PrintOptions, "PrintOptions", [session, main, printTarget] {
        return SkinWindow::Create<TPrintOptions>(*session, main, printTarget);
    });
    later(p->TimesList, "TimesList",
          [session, main] { return SkinWindow::Create<TTimesList>(*session, *main); });
    later(p->Eclipse, "Eclipse", [session, main] { // not user text
        return SkinWindow::Create<TEclipse>(*session, main, main->imgEclipse);
    });
    // The finder opens a line in the lunar or the solar eclipse window, made then if not yet.
    later(p->EclipseReport, "EclipseReport", [session, main, p] {
        return SkinWindow::Create<TEclipseReport>(
            *session, main, main->lblReports, [p] { return p->Eclipse.get(); },
            [p] { return p->SolarEclipse.get(); });
    });
    later(p->SolarEclipse, "SolarEclipse", [session, main] {
        return SkinWindow::Create<TSolarEclipseWindow>(*session, main, main->imgSolarEclipse);
    });
    later(p->Equinox, "Equinox", // not user text
          [session, main] { return SkinWindow::Create<TEquinox>(*session, *main); });
    later(p->Easter, "Easter", // not user text
          [session, main] { return SkinWindow::Create<TEaster>(*session, *main); });
    later(p->MonthlyPhases, "MonthlyPhases",
          [session, main] { return SkinWindow::Create<TMonthlyPhases>(*session, *main); });
    later(p->ObservingAid, "ObservingAid",
          [session, main] { return SkinWindow::Create<TObservingAid>(*session, *main); });
    later(p->DateInfo, "DateInfo", [main] { return SkinWindow::Create<TDateInfoWindow>(*main); });
    later(p->ReportMenu, nullptr, [session, main, p] {
        auto* menu = SkinWindow::Create<TReportMenu>(*session, *main, *main->lblReports);
        TReportMenuHooks& r = menu->Hooks;
        r.ShowObservingAid = [p] { p->ObservingAid->show(); };
        r.ShowEclipseReport = [p] { p->EclipseReport->ShowEclipseReport(); };
        r.ShowMonthlyPhases = [p] { p->MonthlyPhases->show(); };
        r.ShowEquinoxes = [p](std::uint16_t year) { p->Equinox->EquinoxesAndSolstices(year); };
        r.ShowEaster = [p] { p->Easter->ShowEaster(); };
        r.ShowCalendarExport = [p] { p->CalendarExport->ShowExport(); };
        return menu;
    });
    later(p->MonthList, nullptr,
          [session, main] { return SkinWindow::Create<TMonthList>(*session, *main); });
    later(p->WebMenu, nullptr,
          [main] { return SkinWindow::Create<TWebMenu>(*main, *main->lblLinks); });
    later(p->About, "About", [main] { return SkinWindow::Create<TAbout>(*main); }); // not user text
    later(p->CalendarExport, "CalendarExport",
          [session, main] { return SkinWindow::Create<TCalendarExport>(*session, *main); });
    return w;
}

} // namespace crescendar
