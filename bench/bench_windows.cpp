// Speed of the month reports: the times list set up, one wall-calendar page rendered, the
// observing aid drawn; and the memory of the eclipse finder's whole-range search.
#include "Calendar.h"
#include "Clock.h"
#include "PrintTarget.h"
#include "fEclipseReport.h"
#include "fEclipseWindow.h"
#include "fMain.h"
#include "fObservingAid.h"
#include "fPrint.h"
#include "fTimesList.h"

#include "Resources.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

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

// Resident memory (VmRSS) and heap in use, MB.
struct TMemory {
    double Resident = 0;
    double Heap = 0;
};

TMemory Measure() {
    TMemory m;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                m.Resident = line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    const struct mallinfo2 heap = mallinfo2();
    m.Heap = static_cast<double>(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
    return m;
}

// The memory the eclipse finder's search of the years 1 to 9999 adds, once its list is shown
// ("shown") and once the list has also been walked from the keyboard, as a screen reader
// reads it ("walked"); the argument is the choice (0 lunar, 1 solar, 2 both). One iteration:
// the search takes seconds. bench/finder-memory runs it, each choice in a process of its own.
void BM_FinderMemory1To9999(benchmark::State& state) {
    std::unique_ptr<TEclipse> eclipse(
        SkinWindow::Create<TEclipse>(g_main->Session(), g_main, g_main->imgEclipse));
    std::unique_ptr<TEclipseReport> report(SkinWindow::Create<TEclipseReport>(
        g_main->Session(), g_main, g_main->lblReports, [&eclipse] { return eclipse.get(); }));
    report->ShowEclipseReport();
    report->FormActivate();
    report->SetChoice(static_cast<TEclipseChoice>(state.range(0)));
    QApplication::processEvents();
    TMemory before, shown, walked;
    for (auto _ : state) {
        before = Measure();
        report->txtFromYear->setText(QStringLiteral("1"));
        report->txtToYear->setText(QStringLiteral("9999"));
        report->lblCalculateClick();
        while (report->Searching()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        QApplication::processEvents();
        shown = Measure();
        report->tblEclipses->setFocus(Qt::TabFocusReason);
        for (const int key : {Qt::Key_End, Qt::Key_Home}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(report->tblEclipses, &press);
        }
        QApplication::processEvents();
        walked = Measure();
    }
    state.counters["rows"] = static_cast<double>(report->Rows().size());
    state.counters["shown_resident_MB"] = shown.Resident - before.Resident;
    state.counters["shown_heap_MB"] = shown.Heap - before.Heap;
    state.counters["walked_resident_MB"] = walked.Resident - before.Resident;
    state.counters["walked_heap_MB"] = walked.Heap - before.Heap;
}
BENCHMARK(BM_FinderMemory1To9999)
    ->ArgName("choice")
    ->DenseRange(0, 2)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

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
