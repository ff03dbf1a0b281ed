// Speed of the main window: start-up to the first painted window, and the one-second tick.
#include "Clock.h"
#include "fMain.h"

#include "Resources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace crescendar;

QTemporaryDir* g_folder = nullptr;
FakeClock g_clock(QDateTime(QDate(2025, 3, 14), QTime(6, 30)));

// The application object, made by the first benchmark that needs it (so that the cold
// start includes it).
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "main_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
    InitCrescendarResources();
    InstallClock(&g_clock);
}

TMain* StartWindow() {
    TMainOptions options;
    options.SettingsPath = g_folder->filePath(QStringLiteral("Crescendar.ini")).toStdString();
    TMain* w = SkinWindow::Create<TMain>(options);
    w->show();
    w->FormActivate();
    w->Timer1.stop();
    w->repaint();
    return w;
}

// From nothing (no application object, no fonts, no pictures decoded) to the main window
// painted once: measured once per process.
void BM_ColdStartToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        EnsureApplication();
        TMain* w = StartWindow();
        const double seconds = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
        state.SetIterationTime(seconds);
        delete w;
    }
}
BENCHMARK(BM_ColdStartToFirstPaint)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Another main window once the application is running.
void BM_WarmStartToFirstPaint(benchmark::State& state) {
    EnsureApplication();
    for (auto _ : state) {
        TMain* w = StartWindow();
        state.PauseTiming();
        delete w;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WarmStartToFirstPaint)->Unit(benchmark::kMillisecond);

// Instants of the Moon's phases (the clock's local time), by benchmark argument: the shaded
// Moon costs most near new moon, where its shadow is drawn arc by arc across the disk.
QDateTime PhaseInstant(std::int64_t phase) {
    static const QDateTime instants[] = {
        QDateTime(QDate(2025, 3, 29), QTime(11, 0)), // new
        QDateTime(QDate(2025, 3, 31), QTime(18, 0)), // thin crescent
        QDateTime(QDate(2025, 4, 5), QTime(2, 15)),  // first quarter
        QDateTime(QDate(2025, 3, 14), QTime(7, 0)),  // full
    };
    return instants[phase];
}

void PhaseArguments(benchmark::internal::Benchmark* b) {
    b->ArgName("phase")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
}

// One tick: the clock read, the Moon and the Sun computed, the panels, the shaded Moon and
// the clock strip composed (not painted on the screen).
void BM_Tick(benchmark::State& state) {
    EnsureApplication();
    g_clock.Set(PhaseInstant(state.range(0)));
    std::unique_ptr<TMain> w(StartWindow());
    for (auto _ : state) {
        g_clock.Advance(1000);
        w->Timer1Timer();
    }
}
BENCHMARK(BM_Tick)->Apply(PhaseArguments);

// The same, and the window painted where the tick changed it, as the event loop does.
void BM_TickAndPaint(benchmark::State& state) {
    EnsureApplication();
    g_clock.Set(PhaseInstant(state.range(0)));
    std::unique_ptr<TMain> w(StartWindow());
    QApplication::processEvents();
    for (auto _ : state) {
        g_clock.Advance(1000);
        w->Timer1Timer();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TickAndPaint)->Apply(PhaseArguments);

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    g_folder = &folder;
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
