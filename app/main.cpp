// Crescendar: the Moon at the observer's place and time.
#include "ProgramWindows.h"
#include "Regional.h"
#include "Startup.h"
#include "fMain.h"

#include "Resources.h"
#include "TimeZoneRule.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace crescendar;
    if (!DisplayAvailable()) {
        std::fputs(NoDisplayMessage(QString::fromLocal8Bit(argc > 0 ? argv[0] : ""))
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    InitCrescendarResources();
    // Before any window is made, so that every text is made in the language in force; the
    // month and day names and the engine's words follow it.
    InstallLanguage(StoredLanguage());
    UseRegionalNamesInForce();

    // The session, the main window with it, then every other window; they attach through the
    // main window's hooks and read the session. A first run opens the configuration window.
    const auto windows = StartProgramWindows({}, SystemZoneName());
    windows->Main->setAttribute(Qt::WA_DeleteOnClose);
    return QApplication::exec();
}
