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
#include <QFile>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <optional>

namespace crescendar {

QStringList PlatformsToTry(const QStringList& arguments,
                           const std::function<QString(const char*)>& environment) {
    QString platforms = QStringLiteral("xcb");
    const QString session = environment("XDG_SESSION_TYPE");
    if (session == QLatin1String("wayland")) {
        const QString desktops =
            (environment("XDG_CURRENT_DESKTOP") + environment("XDG_SESSION_DESKTOP")).toLower();
        // Qt ignores a Wayland session on GNOME; X11 stays the fallback in any session.
        if (!desktops.contains(QLatin1String("gnome"))) platforms = QStringLiteral("wayland;xcb");
    }
    const QString chosen = environment("QT_QPA_PLATFORM");
    if (!chosen.isEmpty()) platforms = chosen;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
        if (arguments[i] == QLatin1String("-platform") ||
            arguments[i] == QLatin1String("--platform"))
            platforms = arguments[++i];
    QStringList list;
    for (const QString& name : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!name.trimmed().isEmpty()) list << name.trimmed();
    return list;
}

namespace {

// The connection when the X server answers, else null.
std::shared_ptr<void> XServerAnswers(const QByteArray& display) {
    std::shared_ptr<xcb_connection_t> connection(
        xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr), xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) return nullptr;
    return connection;
}

// As libwayland-client finds the compositor: WAYLAND_SOCKET, else the socket WAYLAND_DISPLAY
// ("wayland-0" when unset) names, in XDG_RUNTIME_DIR unless it is a path.
bool CompositorAnswers(QString* tried) {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) return true;
    QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty()) name = QStringLiteral("wayland-0");      // not user text
    *tried = QStringLiteral("WAYLAND_DISPLAY=\"%1\"").arg(name); // not user text
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!name.startsWith(QLatin1Char('/')) && runtime.isEmpty()) return false;
    const QByteArray path = QFile::encodeName(
        name.startsWith(QLatin1Char('/')) ? name : runtime + QLatin1Char('/') + name);
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool answers =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
}

} // namespace

DisplayCheck CheckDisplay(const QStringList& arguments) {
    DisplayCheck check;
    const QStringList platforms =
        PlatformsToTry(arguments, [](const char* name) { return qEnvironmentVariable(name); });
    for (const QString& platform : platforms) {
        const QString name = platform.section(QLatin1Char(':'), 0, 0);
        QString tried;
        bool answers = false;
        if (name == QLatin1String("xcb")) {
            // The X11 platform takes -display before DISPLAY.
            QByteArray display;
            for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
                if (arguments[i] == QLatin1String("-display") ||
                    arguments[i] == QLatin1String("--display"))
                    display = QFile::encodeName(arguments[i + 1]);
            // not user text: what was tried, as the shell would set it
            const QString format = display.isEmpty() ? QStringLiteral("DISPLAY=\"%1\"")
                                                     : QStringLiteral("-display \"%1\"");
            tried = format.arg(display.isEmpty() ? qEnvironmentVariable("DISPLAY")
                                                 : QFile::decodeName(display));
            check.Held = XServerAnswers(display);
            answers = check.Held != nullptr;
        } else if (name.startsWith(QLatin1String("wayland"))) {
            answers = CompositorAnswers(&tried);
        } else {
            answers = true; // offscreen, minimal, vnc and the like need no display
        }
        if (answers) {
            check.Available = true;
            return check;
        }
        if (!check.Tried.contains(tried)) check.Tried << tried;
    }
    // No platform named at all: Qt says so itself.
    check.Available = platforms.isEmpty();
    return check;
}

QString NoDisplayMessage(const QString& program, const QStringList& tried) {
    return QCoreApplication::translate(
               "Startup", "Crescendar cannot open a display (%1). Run it on a desktop, or under "
                          "a virtual display: xvfb-run -a %2")
               .arg(tried.join(QLatin1String(", ")),
                    program.isEmpty() ? QStringLiteral("crescendar") : program) +
           QLatin1Char('\n');
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
