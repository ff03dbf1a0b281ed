// Speed of the month reports: the times list set up, one wall-calendar page rendered, the
// observing aid drawn.
#include "Calendar.h"
#include "Clock.h"
#include "PrintTarget.h"
#include "fMain.h"
#include "fObservingAid.h"
#include "fPrint.h"
#include "fTimesList.h"

#include "Resources.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace crescendar;

TMain* g_main = nullptr;

void BM_TimesListSetup(benchmark::State& state) {
    std::unique_ptr<TTimesList> list(SkinWindow::Create<TTimesList>(g_main->Session(), *g_main));
    const TDateTimeRecord date = MakeDate(2025, 7, 1);
    for (auto _ : state) list->SetupDataBitmap(date);
}
BENCHMARK(BM_TimesListSetup)->Unit(benchmark::kMillisecond);

// A landscape A4 page at 100 dots per inch.
void BM_CalendarPage(benchmark::State& state) {
    ImagePrintTarget target(827, 1169, 100);
    for (auto _ : state) {
        TPrint print(target, CalendarSheetOf(g_main->Session()));
        benchmark::DoNotOptimize(print.PrintCalendar(3, 2025));
    }
}
BENCHMARK(BM_CalendarPage)->Unit(benchmark::kMillisecond);

void BM_ObservingAidDrawn(benchmark::State& state) {
    std::unique_ptr<TObservingAid> aid(
        SkinWindow::Create<TObservingAid>(g_main->Session(), *g_main));
    for (auto _ : state) aid->doa();
}
BENCHMARK(BM_ObservingAidDrawn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    QApplication app(argc, argv);
    InitCrescendarResources();
    FakeClock clock(QDateTime(QDate(2025, 3, 14), QTime(21, 0)));
    InstallClock(&clock);
    TMainOptions options;
    options.SettingsPath = folder.filePath(QStringLiteral("Crescendar.ini")).toStdString();
    std::unique_ptr<TMain> main(SkinWindow::Create<TMain>(options));
    main->show();
    main->FormActivate();
    main->Timer1.stop();
    g_main = main.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
