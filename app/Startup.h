// Program start-up helpers shared by the program, the screenshot tool and the tests.
#pragma once

#include <QDateTime>
#include <QString>

namespace crescendar {

// True when a window can be shown: an X or Wayland display is named, or a Qt platform
// plugin is chosen explicitly (offscreen, for instance).
bool DisplayAvailable();
// What the program says when there is none.
QString NoDisplayMessage();

// Sets the engine's month and day names and separators from the system locale.
void UseSystemRegionalNames();

// Renders the main window at a local instant for an observer at 51.5 N, 0.12 W, on GMT
// without daylight saving, and writes it as a PNG file. The settings live in a temporary
// folder; the user's own are not touched. Needs a QApplication. Returns false and sets
// *error when the picture cannot be written.
bool RenderMainWindow(const QString& file, const QDateTime& at, QString* error = nullptr);

} // namespace crescendar
