// The memory the eclipse finder's whole-range search (years 1 to 9999) adds to the program:
// resident memory (VmRSS) and heap in use, measured before the search and after its list is
// shown, then again after the list has been read from the keyboard (as a screen reader reads
// it: the accessible table's cells). Run by bench/finder-memory.
#include "Clock.h"
#include "fEclipseReport.h"
#include "fEclipseWindow.h"
#include "fMain.h"

#include "Resources.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <malloc.h>

#include <cstdio>
#include <memory>

namespace {

using namespace crescendar;

struct TMemory {
    double ResidentMB = 0;
    double HeapMB = 0;
};

TMemory Measure() {
    TMemory m;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                m.ResidentMB = line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    const struct mallinfo2 heap = mallinfo2();
    m.HeapMB = static_cast<double>(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
    return m;
}

void Print(const char* what, const TMemory& before, const TMemory& after) {
    std::printf("%-44s resident %+7.1f MB   heap in use %+7.1f MB\n", what,
                after.ResidentMB - before.ResidentMB, after.HeapMB - before.HeapMB);
}

void Key(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

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
    std::unique_ptr<TEclipse> eclipse(
        SkinWindow::Create<TEclipse>(main->Session(), main.get(), main->imgEclipse));
    std::unique_ptr<TEclipseReport> report(SkinWindow::Create<TEclipseReport>(
        main->Session(), main.get(), main->lblReports, eclipse.get()));
    report->ShowEclipseReport();
    report->FormActivate();
    QApplication::processEvents();

    const TMemory before = Measure();
    report->txtFromYear->setText(QStringLiteral("1"));
    report->txtToYear->setText(QStringLiteral("9999"));
    report->lblCalculateClick();
    while (report->Searching()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
    const TMemory shown = Measure();
    std::printf("%zu eclipses found\n", report->Rows().size());
    Print("search 1-9999, its list shown:", before, shown);

    // The list read from the keyboard: focus on it, to its last row and back.
    report->tblEclipses->setFocus(Qt::TabFocusReason);
    Key(report->tblEclipses, Qt::Key_End);
    Key(report->tblEclipses, Qt::Key_Home);
    QApplication::processEvents();
    Print("... and walked from the keyboard:", before, Measure());
    return 0;
}
