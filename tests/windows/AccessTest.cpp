// The main and configuration windows as a screen reader and a keyboard-only user meet them:
// every control that does something has a role and a name, Tab reaches every one, every
// command of every window is reached by a key, the figures drawn on the canvas are read, and
// a change is announced on a user's step, not on the clock's tick.
#include "Access.h"
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

#include <QAccessible>
#include <QSet>

#include <algorithm>

#include <vector>

namespace crescendar {
namespace {

using AccessTest = ProgramFixture;

std::vector<SkinWindow*> Windows(const TProgramWindows& p) {
    return {p.Main,          p.Configuration, p.PrintOptions, p.TimesList, p.Eclipse,
            p.EclipseReport, p.Equinox,       p.Easter,       p.MonthlyPhases, p.ObservingAid,
            p.DateInfo,      p.ReportMenu,    p.MonthList,    p.WebMenu,   p.About,
            p.CalendarExport, p.SolarEclipse};
}

bool Interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Table:
    case QAccessible::MenuItem:
    case QAccessible::Slider:
        return true;
    default:
        return false;
    }
}

// The interactive controls of a tree without a name ("window/object (role)").
void Unnamed(QAccessibleInterface* node, const QString& path, QStringList& out, int& count) {
    if (!node || !node->isValid()) return;
    const QString name = node->object() ? node->object()->objectName() : QString();
    if (Interactive(node->role()) && !node->state().invisible) {
        ++count;
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            out << QStringLiteral("%1/%2 (%3)").arg(path, name).arg(node->role());
    }
    // A table's cells are its own business (tested with the table).
    if (node->role() == QAccessible::Table) return;
    for (int i = 0; i < node->childCount(); ++i) Unnamed(node->child(i), path, out, count);
}

// A command without a key of its own is reached by Tab: a region that takes the focus offers it.
bool OfferedToTab(const SkinWindow* window, const QAction* action) {
    const auto regions = window->findChildren<ClickRegion*>();
    return std::any_of(regions.begin(), regions.end(), [action](const ClickRegion* r) {
        return (r->focusPolicy() & Qt::TabFocus) && r->accessibleName() == action->iconText();
    });
}

TEST_F(AccessTest, EveryControlThatDoesSomethingIsNamedAndEveryCommandHasAKey) {
    const auto p = StartProgram(At(2025, 3, 14, 21, 0));
    QStringList unnamed, keyless;
    int controls = 0;
    for (SkinWindow* window : Windows(*p)) {
        const QString title = QLatin1String(window->metaObject()->className());
        if (window == p->Main || window == p->Configuration) {
            window->show();
            Unnamed(QAccessible::queryAccessibleInterface(window), title, unnamed, controls);
            window->hide();
        }
        for (const QAction* action : window->actions())
            if (action->shortcut().isEmpty() && !OfferedToTab(window, action))
                keyless << title + QLatin1Char('/') + action->objectName();
    }
    EXPECT_GT(controls, 40);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(keyless.isEmpty()) << keyless.join(QLatin1Char('\n')).toStdString();
}

TEST_F(AccessTest, TabVisitsEveryControlThatTakesTheKeyboard) {
    const auto p = StartProgram(At(2025, 3, 14, 21, 0));
    for (SkinWindow* window : std::initializer_list<SkinWindow*>{p->Main, p->Configuration}) {
        SCOPED_TRACE(window->metaObject()->className());
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        QSet<QWidget*> stops;
        for (QWidget* c : window->findChildren<QWidget*>())
            if (c->isVisibleTo(window) && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) &&
                !c->focusProxy() && c->window() == window)
                stops << c;
        QSet<QWidget*> visited;
        for (int i = 0; i < 2 * stops.size() + 2; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                            Qt::Key_Tab);
            if (QWidget* f = QApplication::focusWidget(); f && f->window() == window) visited << f;
        }
        for (QWidget* missed : stops - visited)
            ADD_FAILURE() << "Tab never reaches " << missed->objectName().toStdString();
        window->hide();
    }
}

TEST_F(AccessTest, FiguresAreReadAndAChangeIsAnnouncedOnAStepNotOnTheTick) {
    const auto p = StartProgram(At(2025, 3, 14, 21, 0));
    const auto value = [&](const char* name) {
        auto* control = w->findChild<QWidget*>(QLatin1String(name));
        return control ? QAccessible::queryAccessibleInterface(control)->text(QAccessible::Value)
                       : QStringLiteral("(missing)");
    };
    // A reader meets the figures among the window's children, by their captions.
    QStringList children;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w);
    for (int i = 0; i < window->childCount(); ++i)
        children << window->child(i)->text(QAccessible::Name);
    for (const char* name : {"The Moon", "Selected date", "Shown date and time", "Age", "Sunrise",
                             "Next perigee", "Print", "Configuration"})
        EXPECT_TRUE(children.contains(QLatin1String(name))) << name;
    EXPECT_FALSE(children.contains(QStringLiteral("Sunrise:"))) << "a caption is read once";
    EXPECT_EQ(value("lblSunRise"), w->findChild<ClickRegion*>("lblSunRise")->Text());
    EXPECT_TRUE(value("accSelectedDate").contains(QStringLiteral("14 March 2025")))
        << value("accSelectedDate").toStdString();
    EXPECT_TRUE(value("accMoon").contains(QStringLiteral("% illuminated")));
    EXPECT_TRUE(value("accRightAscension").contains(QLatin1Char('h')));
    // The Moon's times are named by what they are, in whatever order they come.
    QStringList moonTimes;
    for (const char* n : {"lblMoonValue1", "lblMoonValue2", "lblMoonValue3"})
        moonTimes << w->findChild<QWidget*>(QLatin1String(n))->accessibleName();
    moonTimes.sort();
    EXPECT_EQ(moonTimes, (QStringList{"Moon transit", "Moonrise", "Moonset"}));

    static QSet<QString> told;
    told.clear();
    const auto previous =
        WatchAnnouncements([](const QWidget* control) { told << control->objectName(); });
    clock.Set(At(2025, 3, 14, 21, 0, 5));
    Tick();
    const QSet<QString> onTick = told;
    told.clear();
    Key(Qt::Key_Right);
    const QSet<QString> onStep = told;
    WatchAnnouncements(previous);
    EXPECT_TRUE(onTick.isEmpty()) << QStringList(onTick.values()).join(' ').toStdString();
    EXPECT_TRUE(onStep.contains(QStringLiteral("accSelectedDate")))
        << QStringList(onStep.values()).join(' ').toStdString();
    EXPECT_TRUE(onStep.contains(QStringLiteral("accAge")));
}

TEST_F(AccessTest, AButtonIsPressedByKeyRingedOnlyByTabAndFocusComesBack) {
    const auto p = StartProgram(At(2025, 3, 14, 21, 0));
    auto* button = w->findChild<ClickRegion*>(QStringLiteral("lblTimesList"));
    const QColor ring = palette::FocusRing;
    const auto ringed = [&] {
        const QImage shot = w->grab().toImage();
        return shot.pixelColor(button->geometry().topLeft()) == ring;
    };
    QApplication::setActiveWindow(w);
    EXPECT_FALSE(ringed());
    button->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(ringed()) << "a click's focus is not marked";
    button->clearFocus();
    button->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(ringed());
    QTest::keyClick(button, Qt::Key_Space);
    ASSERT_TRUE(p->TimesList->isVisible());
    p->TimesList->activateWindow();
    QApplication::setActiveWindow(p->TimesList);
    QTest::keyClick(p->TimesList, Qt::Key_Escape);
    EXPECT_FALSE(p->TimesList->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), w);
    EXPECT_EQ(QApplication::focusWidget(), button);
}

} // namespace
} // namespace crescendar
