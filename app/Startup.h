// Program start-up helpers shared by the program, the screenshot tool and the tests.
#pragma once

#include "Language.h"
#include "fMain.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>

namespace crescendar {

struct TProgramWindows;

// The Qt platforms the program's windows would open on, in the order Qt tries them, as Qt
// chooses them: the -platform argument, else QT_QPA_PLATFORM, else Wayland in a Wayland
// session (but for GNOME's) and X11 (xcb) after it. A name keeps its options
// ("offscreen:size=..."). `environment` gives a variable's value ("" when unset).
QStringList PlatformsToTry(const QStringList& arguments,
                           const std::function<QString(const char*)>& environment);

// Whether one of those platforms can open: an X server or a Wayland compositor answers on the
// display named (by -display, DISPLAY, WAYLAND_DISPLAY), or the platform needs no display
// (offscreen, vnc...). Tried names the displays that did not answer ("DISPLAY=\":99\"").
struct DisplayCheck {
    bool Available = false;
    QStringList Tried;
    // The X connection that answered, to be let go once Qt has its own: an X server that
    // loses its last client resets itself (Xvfb does), and Qt's connection would wait for that.
    std::shared_ptr<void> Held;
};
DisplayCheck CheckDisplay(const QStringList& arguments);

// The one line the program gives when no display answers; `program` is the command it was
// started with, `tried` as DisplayCheck gives it.
QString NoDisplayMessage(const QString& program, const QStringList& tried);

// The Language setting of the user's store (settingsPath "" for the user's own), read without
// writing; "System" when the file lacks it or refuses it (the main window reports a refused
// value when it loads the settings).
std::string StoredLanguage(const std::string& settingsPath = {});

// The program's windows, created as CreateProgramWindows does over the options' settings
// ("" for the user's own), with the main window shown. On a first run (no settings yet) the
// defaults are written as always, and then the configuration window opens over the main
// window with its place search focused, offering the most populous place of systemZone (an
// IANA name, the computer's own zone: SystemZoneName()) so that a new user is not left at
// 0 N 0 W unawares; nothing more is stored unless the user saves. Later starts offer that
// place the same way while the settings still hold the first run's place.
std::shared_ptr<TProgramWindows> StartProgramWindows(TMainOptions options,
                                                     const std::string& systemZone);

// Renders the main window at a local instant for an observer at 51.5 N, 0.12 W, on GMT
// without daylight saving, and writes it as a PNG file. The settings live in a temporary
// folder; the user's own are not touched. Needs a QApplication. Returns false and sets
// *error when the picture cannot be written.
bool RenderMainWindow(const QString& file, const QDateTime& at, QString* error = nullptr);

} // namespace crescendar
