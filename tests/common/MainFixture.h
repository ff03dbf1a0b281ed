// A main window started at a chosen instant with chosen settings, its clock, shell and
// dialogs replaced by recording doubles.
#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "Shell.h"
#include "fMain.h"

#include "Settings.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace crescendar {

using SettingValues = std::vector<std::pair<std::string, std::string>>;

inline QDateTime At(int y, int mo, int d, int h = 12, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

class MainFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        previousClock_ = InstallClock(&clock);
        previousShell_ = InstallShell(&shell);
        previousDialogs_ = InstallDialogs(&dialogs);
    }
    void TearDown() override {
        delete w;
        w = nullptr;
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

    FakeClock clock;
    RecordingShell shell;
    RecordingDialogs dialogs;
    QTemporaryDir dir;
    TMainOptions options;
    TMain* w = nullptr;

  private:
    Clock* previousClock_ = nullptr;
    Shell* previousShell_ = nullptr;
    Dialogs* previousDialogs_ = nullptr;
};

} // namespace crescendar
