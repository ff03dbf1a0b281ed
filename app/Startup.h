// Program start-up helpers shared by the program, the screenshot tool and the tests.
#pragma once

#include "Language.h"
#include "fMain.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>

namespace crescendar {

struct TProgramWindows;

// True when a window can be shown: an X or Wayland display is named, or a Qt platform
// plugin is chosen explicitly (offscreen, for instance).
bool DisplayAvailable();
// What the program says when there is none; `program` is the command it was started with.
QString NoDisplayMessage(const QString& program);


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
