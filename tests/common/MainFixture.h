// A main window started at a chosen instant with chosen settings, its clock, shell and
// dialogs replaced by recording doubles.
#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "PinnedFonts.h"
#include "Shell.h"
#include "fMain.h"

#include "Settings.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace crescendar {

using SettingValues = std::vector<std::pair<std::string, std::string>>;

inline QDateTime At(int y, int mo, int d, int h = 12, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

// A computer's clock that stands in the civil time of the place the window is set for: its
// readings are wall times of that place, whatever zone the test process runs in.
class PlaceClock : public FakeClock {
  public:
    QDateTime Now() const override {
        const QDateTime wall = FakeClock::Now();
        if (!session) return wall;
        const TDateTimeRecord r =
            MakeDate(wall.date().year(), wall.date().month(), wall.date().day(), wall.time().hour(),
                     wall.time().minute(), wall.time().second());
        const Observer& o = session->GetObserver();
        const double minutes = o.OffsetAt(o.ToUniversal(LocalTime{r.JD}));
        return QDateTime(wall.date(), wall.time(), Qt::OffsetFromUTC,
                         static_cast<int>(minutes * 60.0));
    }
    // The session whose place the readings are in; none: the computer's own zone.
    const TSession* session = nullptr;
};

class MainFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ForgetFonts();
        previousClock_ = InstallClock(&clock);
        previousShell_ = InstallShell(&shell);
        previousDialogs_ = InstallDialogs(&dialogs);
    }
    void TearDown() override {
        clock.session = nullptr;
        delete w;
        w = nullptr;
        sessions_.clear();
        InstallClock(previousClock_);
        InstallShell(previousShell_);
        InstallDialogs(previousDialogs_);
    }

    // Creates, shows and activates the main window with the clock at `at`; the values are
    // written to a fresh settings store first (GMT, 0 N 0 W unless given).
    TMain* Start(const QDateTime& at, const SettingValues& values = {}) {
        clock.Set(at);
        const std::string ini = dir.filePath(QStringLiteral("Crescendar.ini")).toStdString();
        SettingsStore store(ini);
        store.Load();
        if (!values.empty()) store.WriteValues(values);
        options.SettingsPath = ini;
        // The window's session, kept by the fixture so that the clock reads the place's time
        // from the start (the window loads the settings into it as it is created).
        sessions_.push_back(std::make_unique<TSession>(ini));
        options.Session = sessions_.back().get();
        clock.session = options.Session;
        w = SkinWindow::Create<TMain>(options);
        w->show();
        w->FormActivate();
        return w;
    }

    // Changes the settings in force for the main window's session, as another window would
    // (without storing them).
    template <class F> void ChangeSettings(F change) {
        TSettings s = w->Session().Settings();
        change(s);
        w->Session().ChangeSettings(s);
    }
    const TSettings& Settings() const { return w->Session().Settings(); }

    void Tick() { w->Timer1Timer(); }
    void Click(QWidget* target, Qt::MouseButton button = Qt::LeftButton, QPoint pos = {2, 2}) {
        QTest::mouseClick(target, button, {}, pos);
    }
    void Key(Qt::Key key) { QTest::keyClick(w, key); }
    void Type(const char* digits) {
        for (const char* c = digits; *c; ++c) QTest::keyClick(w, *c);
    }
    void Mouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               QPoint pos) {
        QMouseEvent e(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    QString Cell(int i) const { return w->DateCells[static_cast<std::size_t>(i)]->Text(); }

    PlaceClock clock;
    RecordingShell shell;
    RecordingDialogs dialogs;
    QTemporaryDir dir;
    TMainOptions options;
    std::vector<std::unique_ptr<TSession>> sessions_;
    TMain* w = nullptr;

  private:
    Clock* previousClock_ = nullptr;
    Shell* previousShell_ = nullptr;
    Dialogs* previousDialogs_ = nullptr;
};

} // namespace crescendar
