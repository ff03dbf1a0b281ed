#include "Startup.h"

#include "AtomicFile.h"
#include "Clock.h"
#include "ProgramWindows.h"
#include "Regional.h"
#include "fConfiguration.h"
#include "fMain.h"

#include "Places.h"
#include "Resources.h"
#include "Session.h"
#include "Settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <optional>

namespace crescendar {

bool DisplayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString NoDisplayMessage(const QString& program) {
    return QCoreApplication::translate(
               "Startup",
               "Crescendar needs a graphical display, and none is available here (DISPLAY and "
               "WAYLAND_DISPLAY are not set).\n"
               "Run it on a desktop, or under a virtual display with:\n"
               "    xvfb-run -a %1\n")
        .arg(program.isEmpty() ? QStringLiteral("crescendar") : program);
}

std::string StoredLanguage(const std::string& settingsPath) {
    const SettingsStore store =
        settingsPath.empty() ? SettingsStore() : SettingsStore(settingsPath);
    return store.Peek().Language;
}

std::shared_ptr<TProgramWindows> StartProgramWindows(TMainOptions options,
                                                     const std::string& systemZone) {
    // The main window loads the settings as it is created; the session tells whether that
    // load was the first run's.
    std::shared_ptr<TProgramWindows> windows = CreateProgramWindows(std::move(options));
    windows->Main->show();
    // Later starts offer the place again until one has been saved, if there is one to offer.
    const TSession& session = windows->Main->Session();
    if (session.FirstRun() || session.PlaceUnchosen()) {
        const std::optional<TPlace> suggestion = PrincipalPlaceOfZone(systemZone);
        if (session.FirstRun() || suggestion) windows->Configuration->ShowFirstRun(suggestion);
    }
    return windows;
}

bool RenderMainWindow(const QString& file, const QDateTime& at, QString* error) {
    InitCrescendarResources();
    QTemporaryDir folder;
    if (!folder.isValid()) {
        if (error)
            *error = QCoreApplication::translate("Startup", "cannot make a temporary folder");
        return false;
    }
    const std::string ini = folder.filePath(QStringLiteral("Crescendar.ini")).toStdString();
    SettingsStore store(ini);
    const TSettings loaded = store.Load();
    TSettings london = loaded;
    london.LatDeg = "51";
    london.LatMin = "30";
    london.LatSec = "00";
    london.LatDir = TNorthSouth::North;
    london.LongDeg = "000";
    london.LongMin = "07";
    london.LongSec = "12";
    london.LongDir = TEastWest::West;
    london.Location = "London"; // not user text
    london.DaylightSavings = false;
    london.TimeZoneIdx = 24;
    const bool placed = store.WriteSettings(london, loaded);
    if (!placed) {
        // Without its settings the picture would show another place.
        if (error) *error = QString::fromStdString(store.LastWriteError());
        return false;
    }

    FakeClock clock(at);
    Clock* previous = InstallClock(&clock);
    bool ok = false;
    {
        TMainOptions options;
        options.SettingsPath = ini;
        TMain* main = SkinWindow::Create<TMain>(options);
        main->show();
        main->FormActivate();
        main->Timer1.stop();
        main->Timer1Timer();
        QApplication::processEvents();
        const QImage picture = main->grab().toImage();
        QString why;
        ok = SaveImageFile(picture, file, "PNG", &why);
        if (!ok && error) *error = why;
        delete main;
    }
    InstallClock(previous);
    return ok;
}

} // namespace crescendar
