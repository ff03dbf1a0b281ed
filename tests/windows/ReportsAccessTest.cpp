// The report and print windows for the keyboard and for screen readers: every control a reader
// meets is named, Tab reaches every control and marks it, and the keys do what the mouse does.
#include "Access.h"
#include "GoldenPictures.h"
#include "fAbout.h"
#include "fCalendarExport.h"
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
#include "Session.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>

#include <set>
#include <tuple>

namespace crescendar {
namespace {

using ReportsAccessTest = ProgramFixture;

const std::set<QAccessible::Role> kInteractive = {
    QAccessible::Button,       QAccessible::RadioButton, QAccessible::CheckBox,
    QAccessible::EditableText, QAccessible::ComboBox,    QAccessible::SpinBox,
    QAccessible::Table,        QAccessible::List,        QAccessible::MenuItem,
    QAccessible::Link,         QAccessible::ProgressBar};

// Counts the interactive controls under the node and collects the object names of those
// without an accessible name. A table's cells are its own business.
void Walk(QAccessibleInterface* node, int& controls, QStringList& unnamed) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child) continue;
        if (kInteractive.count(child->role()) && ++controls &&
            child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << (child->object() ? child->object()->objectName() : QStringLiteral("?"));
        if (child->role() != QAccessible::Table) Walk(child, controls, unnamed);
    }
}

// The windows with their figures filled in (March 2025 has a total lunar eclipse), closed;
// each is then shown and activated in turn.
std::vector<SkinWindow*> Windows(TProgramWindows& p) {
    p.Eclipse->ShowEclipses(p.Session->Eclipses());
    p.DateInfo->ShowDateInfo(p.Session->SelectedDateTime());
    p.Equinox->ShowEquinox();
    p.TimesList->SetupDataBitmap(p.Session->SelectedDateTime());
    for (SkinWindow* shown : std::initializer_list<SkinWindow*>{p.Eclipse, p.DateInfo, p.Equinox})
        shown->close();
    return {p.ReportMenu,   p.MonthList, p.WebMenu,        p.EclipseReport, p.TimesList,
            p.PrintOptions, p.Equinox,   p.Easter,         p.MonthlyPhases, p.ObservingAid,
            p.DateInfo,     p.About,     p.CalendarExport, p.Eclipse};
}

void ShowActive(SkinWindow* window) {
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

TEST_F(ReportsAccessTest, EveryControlAReaderMeetsIsNamed) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    for (SkinWindow* window : Windows(*p)) {
        SCOPED_TRACE(window->objectName().toStdString());
        ShowActive(window);
        int controls = 0;
        QStringList unnamed;
        Walk(QAccessible::queryAccessibleInterface(window), controls, unnamed);
        EXPECT_GT(controls, 0);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char(' ')).toStdString();
        window->close();
    }
}

// Tab visits every control that takes the focus, and the first one shows the focus ring,
// which the window opened without Tab does not (pictures with CRESCENDAR_SCREENSHOTS).
TEST_F(ReportsAccessTest, TabVisitsEveryControlAndMarksIt) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    const QString scale = qApp->devicePixelRatio() >= 2 ? QStringLiteral("@2x") : QString();
    for (SkinWindow* window : Windows(*p)) {
        SCOPED_TRACE(window->objectName().toStdString());
        ShowActive(window);
        std::set<QWidget*> focusable;
        for (QWidget* child : window->findChildren<QWidget*>())
            if (child->isVisible() && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus))
                focusable.insert(child);
        ASSERT_FALSE(focusable.empty());
        if (QWidget* focus = window->focusWidget()) focus->clearFocus();
        const QImage before = window->grab().toImage();

        std::set<QWidget*> visited;
        for (std::size_t i = 0; i <= focusable.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus && focus->window() == window ? focus : window, Qt::Key_Tab);
            focus = QApplication::focusWidget();
            ASSERT_TRUE(focus && focus->window() == window);
            visited.insert(focus);
            if (i == 0) {
                const QImage marked = window->grab().toImage();
                SavePicture(marked,
                            QStringLiteral("%1_focus%2.png").arg(window->objectName(), scale));
                if (!qobject_cast<QLineEdit*>(focus)) {
                    EXPECT_GT(DifferingPixels(before, marked), 0)
                        << focus->objectName().toStdString() << " shows no ring";
                }
            }
        }
        for (QWidget* control : focusable)
            EXPECT_TRUE(visited.count(control)) << control->objectName().toStdString();
        window->close();
    }
}

TEST_F(ReportsAccessTest, ReportMenuKeysOpenTheChosenReport) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    std::vector<std::string> opened;
    p->ReportMenu->Hooks = {
        [&] { opened.push_back("aid"); },    [&] { opened.push_back("finder"); },
        [&] { opened.push_back("phases"); }, [&](std::uint16_t) { opened.push_back("equinoxes"); },
        [&] { opened.push_back("easter"); }, [&] { opened.push_back("export"); }};
    struct Row {
        std::vector<Qt::Key> Keys;
        const char* Opens; // nullptr: nothing, the menu closed
    };
    const Row rows[] = {{{Qt::Key_Down, Qt::Key_Return}, "aid"},
                        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}, "finder"},
                        {{Qt::Key_Up, Qt::Key_Space}, "export"},
                        {{Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return}, "easter"},
                        {{Qt::Key_Q}, "equinoxes"},
                        {{Qt::Key_Down, Qt::Key_Escape}, nullptr}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Opens ? row.Opens : "escape");
        opened.clear();
        ShowActive(p->ReportMenu);
        for (Qt::Key key : row.Keys) {
            QWidget* focus = p->ReportMenu->focusWidget();
            QTest::keyClick(focus ? focus : p->ReportMenu, key);
        }
        EXPECT_FALSE(p->ReportMenu->isVisible());
        EXPECT_EQ(opened,
                  row.Opens ? std::vector<std::string>{row.Opens} : std::vector<std::string>{});
    }
}

TEST_F(ReportsAccessTest, EclipseFinderCalculatesOnReturnAndReadsItsListAsATable) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    TEclipseReport* finder = p->EclipseReport;
    finder->ShowEclipseReport();
    finder->txtToYear->setText("2035");
    finder->txtToYear->setFocus(Qt::TabFocusReason);
    QTest::keyClick(finder->txtToYear, Qt::Key_Return);
    ASSERT_TRUE(finder->Computed());
    QTRY_VERIFY_WITH_TIMEOUT(!finder->Searching(), 20000);

    const TTable table = finder->Table();
    QAccessibleTableInterface* read =
        QAccessible::queryAccessibleInterface(finder->tblEclipses)->tableInterface();
    ASSERT_TRUE(read);
    ASSERT_GT(table.size(), std::size_t{13}); // more rows than the list shows
    EXPECT_EQ(read->rowCount(), static_cast<int>(table.size()) - 1);
    EXPECT_EQ(read->columnCount(), static_cast<int>(table.front().size()));
    EXPECT_EQ(read->columnDescription(3).toStdString(), table.front()[3]);
    EXPECT_EQ(read->cellAt(12, 2)->text(QAccessible::Name).toStdString(), table[13][2]);

    // The keys move the row and scroll the list under it; Return opens the row's eclipse.
    finder->tblEclipses->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 12; ++i) QTest::keyClick(finder->tblEclipses, Qt::Key_Down);
    EXPECT_EQ(finder->tblEclipses->CurrentRow(), 12);
    EXPECT_EQ(finder->ScrollBar1->value(), 1);
    SavePicture(finder->grab().toImage(), "eclipse_report_list_focus.png");
    QSignalSpy calculate(finder->findChild<QAction*>("actCalculate"), &QAction::triggered);
    QTest::keyClick(finder->tblEclipses, Qt::Key_Return);
    EXPECT_EQ(calculate.count(), 0);
    EXPECT_TRUE(p->Eclipse->isVisible());
    const TDateTimeRecord& selected = p->Session->SelectedDateTime();
    const TDateTimeRecord& maximum = finder->Rows()[12].MaximumDate;
    EXPECT_EQ(std::tie(selected.Year, selected.Month, selected.Day),
              std::tie(maximum.Year, maximum.Month, maximum.Day));
}

// Solar lines read with their body first, and Return on one opens the solar eclipse window of
// the program, made only then, at that eclipse.
TEST_F(ReportsAccessTest, EclipseFinderReadsSolarLinesAndOpensTheirWindowOnReturn) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    TEclipseReport* finder = p->EclipseReport;
    finder->ShowEclipseReport();
    finder->txtFromYear->setText("2024");
    finder->txtToYear->setText("2027");
    finder->txtToYear->setFocus(Qt::TabFocusReason);
    QTest::keyClick(finder->txtToYear, Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(finder->txtToYear, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!finder->Searching(), 20000);

    const TTable table = finder->Table();
    QAccessibleTableInterface* read =
        QAccessible::queryAccessibleInterface(finder->tblEclipses)->tableInterface();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->columnCount(), 6);
    EXPECT_EQ(read->columnDescription(0), "Body");
    const auto& rows = finder->Rows();
    const int solar = static_cast<int>(
        std::find_if(rows.begin() + 1, rows.end(),
                     [](const TEclipseLine& r) { return r.Body == TEclipseBody::Sun; }) -
        rows.begin());
    ASSERT_LT(solar, read->rowCount());
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(read->cellAt(solar, column)->text(QAccessible::Name).toStdString(),
                  table[static_cast<std::size_t>(solar) + 1][static_cast<std::size_t>(column)]);
    EXPECT_EQ(read->cellAt(solar, 0)->text(QAccessible::Name), "Sun");

    EXPECT_FALSE(p->SolarEclipse.Made());
    EXPECT_FALSE(p->Eclipse.Made()); // neither eclipse window is made before a line asks
    finder->tblEclipses->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < solar; ++i) QTest::keyClick(finder->tblEclipses, Qt::Key_Down);
    QTest::keyClick(finder->tblEclipses, Qt::Key_Return);
    ASSERT_TRUE(p->SolarEclipse.Made());
    TSolarEclipseWindow* sun = p->SolarEclipse;
    ASSERT_TRUE(sun->isVisible());
    EXPECT_EQ(sun->Eclipses()[sun->ShownIndex()].Eclipse.Greatest,
              rows[static_cast<std::size_t>(solar)].Maximum);
    const TDateTimeRecord& selected = p->Session->SelectedDateTime();
    const TDateTimeRecord& maximum = rows[static_cast<std::size_t>(solar)].MaximumDate;
    EXPECT_EQ(std::tie(selected.Year, selected.Month, selected.Day),
              std::tie(maximum.Year, maximum.Month, maximum.Day));
}

TEST_F(ReportsAccessTest, TimesTableTakesUpAndDownOnlyWhileFocused) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    TTimesList* list = p->TimesList;
    list->SetupDataBitmap(p->Session->SelectedDateTime());
    list->show();
    list->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list));
    list->lblCopy->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list->lblCopy, Qt::Key_Down);
    EXPECT_EQ(list->ScrollOffset(), TTimesList::kRowHeight);
    list->tblTimes->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(list->ScrollOffset(), 0); // the current row, the first, comes into view
    QTest::keyClick(list->tblTimes, Qt::Key_Down);
    EXPECT_EQ(list->tblTimes->CurrentRow(), 1);
    SavePicture(list->grab().toImage(), "times_list_table_focus.png");
    EXPECT_EQ(list->ScrollOffset(), 0);
    QTest::keyClick(list->tblTimes, Qt::Key_End);
    EXPECT_EQ(list->tblTimes->CurrentRow(), list->tblTimes->RowCount() - 1);
    EXPECT_EQ(list->ScrollOffset(), list->MaxScrollOffset());
    EXPECT_EQ(list->tblTimes->RowCount(), static_cast<int>(list->Table().size()) - 1);
    // Page Down still pages the month, and the table starts again at its top.
    QTest::keyClick(list->tblTimes, Qt::Key_PageDown);
    EXPECT_EQ(list->ShownDate().Month, 4);
    EXPECT_EQ(list->tblTimes->CurrentRow(), 0);
}

TEST_F(ReportsAccessTest, ReturnInPrintOptionsPrints) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    ImagePrintTarget target(1240, 1754, 150);
    auto* options = SkinWindow::Create<TPrintOptions>(*p->Session, p->Main, &target);
    options->ShowOptions();
    options->txtDensity->setFocus(Qt::TabFocusReason);
    QTest::keyClick(options->txtDensity, Qt::Key_Return);
    EXPECT_TRUE(options->LastPrinted());
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(target.Pages().size(), 1);
}

} // namespace
} // namespace crescendar
