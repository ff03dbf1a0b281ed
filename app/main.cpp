// Crescendar: the Moon at the observer's place and time.
#include "ProgramWindows.h"
#include "Regional.h"
#include "Startup.h"
#include "fMain.h"

#include "Resources.h"
#include "TimeZoneRule.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

// CRESCENDAR_QUIT_AFTER_PAINT set (the smoke tests, bench/cold-start): the program ends once
// the main window has been painted and handed to the display, saying on which platform, at
// what size and when (the steady clock, CLOCK_MONOTONIC on Linux, in milliseconds).
class QuitAfterPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, qApp, [window] {
                // Read by the tests and bench/cold-start.
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("painted on %s at %dx%d, first paint at %.3f ms\n", // not user text
                            qPrintable(QApplication::platformName()), window->width(),
                            window->height(),
                            std::chrono::duration<double, std::milli>(now).count());
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return false;
    }

  private:
    bool quitting_ = false;
};

} // namespace

int main(int argc, char** argv) {
    using namespace crescendar;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Qt aborts when its display does not answer: the program says so in its own words.
    DisplayCheck display = CheckDisplay(arguments);
    if (!display.Available) {
        QCoreApplication core(argc, argv);
        InitCrescendarResources();
        InstallLanguage(StoredLanguage());
        std::fputs(NoDisplayMessage(arguments.value(0), display.Tried).toLocal8Bit().constData(),
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    display.Held.reset();
    InitCrescendarResources();
    // Before any window is made, so that every text is made in the language in force; the
    // month and day names and the engine's words follow it.
    InstallLanguage(StoredLanguage());
    UseRegionalNamesInForce();

    // The session, the main window with it, then every other window; they attach through the
    // main window's hooks and read the session. A first run opens the configuration window.
    const auto windows = StartProgramWindows({}, SystemZoneName());
    windows->Main->setAttribute(Qt::WA_DeleteOnClose);
    QuitAfterPaint quitAfterPaint;
    if (!qEnvironmentVariableIsEmpty("CRESCENDAR_QUIT_AFTER_PAINT"))
        windows->Main->installEventFilter(&quitAfterPaint);
    return QApplication::exec();
}
