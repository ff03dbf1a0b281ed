// The windows' commands: every QAction is described and named by its key, no window gives one
// key to two commands, and a key press reaches its own window's command, whichever window is
// active and whatever control has the focus.
#include "Command.h"
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

#include "ProgramFixture.h"

#include <QLineEdit>
#include <QSignalSpy>

#include <functional>
#include <map>

namespace crescendar {
namespace {

using CommandsTest = ProgramFixture;

TEST_F(CommandsTest, EveryCommandIsDescribedAndNamedByItsOwnKey) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    for (QWidget* window : std::initializer_list<QWidget*>{
             p->Main, p->Configuration, p->PrintOptions, p->TimesList, p->Eclipse, p->EclipseReport,
             p->Equinox, p->Easter, p->MonthlyPhases, p->ObservingAid, p->DateInfo, p->ReportMenu,
             p->MonthList, p->WebMenu, p->About, p->CalendarExport, p->SolarEclipse}) {
        const std::string name = window->objectName().toStdString();
        std::map<QKeySequence, QString> owners;
        const QList<QAction*> actions = window->actions();
        // Every window but the main one closes on Escape.
        EXPECT_FALSE(actions.isEmpty()) << name;
        for (const QAction* action : actions) {
            const std::string what = name + " " + action->objectName().toStdString();
            EXPECT_FALSE(action->text().isEmpty()) << what;
            EXPECT_FALSE(action->statusTip().isEmpty()) << what;
            EXPECT_EQ(action->parent(), window) << what;
            if (action->shortcut().isEmpty()) continue;
            EXPECT_TRUE(CommandHint(action).contains(KeyText(action->shortcut()))) << what;
            for (const QKeySequence& key : action->shortcuts()) {
                const auto [at, added] = owners.emplace(key, action->objectName());
                EXPECT_TRUE(added) << what << " shares " << key.toString().toStdString() << " with "
                                   << at->second.toStdString();
            }
        }
    }
}

TEST_F(CommandsTest, AKeyReachesTheCommandOfTheWindowThatGetsIt) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    p->TimesList->show();
    p->MonthlyPhases->show();
    p->ObservingAid->show();
    p->EclipseReport->ShowEclipseReport();
    p->CalendarExport->ShowExport();
    p->About->show();
    p->PrintOptions->ShowOptions();
    p->EclipseReport->txtFromYear->setFocus();
    p->EclipseReport->txtFromYear->deselect();
    // The main window is the active one: the others get their keys all the same.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));

    struct Row {
        QWidget* Window;
        QWidget* Receiver; // the control with the focus, or the window
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char* Command; // nullptr: none
        std::function<void()> Before = {};
    };
    const Row rows[] = {
        {w, w, Qt::Key_Right, Qt::NoModifier, "actNextDay"},
        {w, w, Qt::Key_PageDown, Qt::KeypadModifier, "actNextMonth"},
        {p->TimesList, p->TimesList, Qt::Key_PageDown, Qt::NoModifier, "actNextMonth"},
        {p->TimesList, p->TimesList, Qt::Key_Down, Qt::KeypadModifier, "actScrollDown"},
        {p->MonthlyPhases, p->MonthlyPhases, Qt::Key_C, Qt::ControlModifier, "actCopy"},
        {p->ObservingAid, p->ObservingAid, Qt::Key_PageUp, Qt::NoModifier, "actPreviousMonth"},
        // A focused edit does not take a command's key, not even one it has a use for.
        {p->EclipseReport, p->EclipseReport->txtFromYear, Qt::Key_C, Qt::ControlModifier,
         "actCopy"},
        {p->EclipseReport, p->EclipseReport->txtFromYear, Qt::Key_S, Qt::ControlModifier,
         "actSave"},
        {p->CalendarExport, p->CalendarExport->txtToYear, Qt::Key_Return, Qt::NoModifier,
         "actExport"},
        {p->PrintOptions, p->PrintOptions->txtDensity, Qt::Key_Escape, Qt::NoModifier, "actClose"},
        {p->About, p->About, Qt::Key_Escape, Qt::NoModifier, "actClose"},
        // The open time editor takes the calendar's keys.
        {w, w, Qt::Key_Right, Qt::NoModifier, nullptr, [&] { Click(w->lblClock); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Window->objectName().toStdString() + " " +
                     (row.Command ? row.Command : "none"));
        if (row.Before) row.Before();
        // Every command of every window is watched: only the one expected may run.
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        std::vector<QAction*> watched;
        QList<SkinWindow*> windows = w->findChildren<SkinWindow*>();
        windows << w;
        for (SkinWindow* window : windows) {
            for (QAction* action : window->actions()) {
                watched.push_back(action);
                spies.push_back(std::make_unique<QSignalSpy>(action, &QAction::triggered));
            }
        }
        QTest::keyClick(row.Receiver, row.Key, row.Modifiers);
        for (std::size_t i = 0; i < watched.size(); ++i) {
            const bool expected = row.Command && watched[i]->parent() == row.Window &&
                                  watched[i]->objectName() == QLatin1String(row.Command);
            EXPECT_EQ(spies[i]->count(), expected ? 1 : 0)
                << watched[i]->parent()->objectName().toStdString() << " "
                << watched[i]->objectName().toStdString();
        }
    }
    // The main window stepped a day and a month, the chart a month back; the closing
    // commands closed their windows.
    EXPECT_EQ(w->SelectedDateTime().Day, 11);
    EXPECT_EQ(w->SelectedDateTime().Month, 3);
    EXPECT_FALSE(p->About->isVisible());
    EXPECT_FALSE(p->PrintOptions->isVisible());
}

} // namespace
} // namespace crescendar
