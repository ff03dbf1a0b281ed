#include "WindowArt.h"

namespace artgen {

// Each secondary window's drawing function, declared here and defined in its own file.
// Add a window: declare its function, add one line to the list, and one
// crescendar_window_art() line in resources/CMakeLists.txt.

const QList<WindowArtEntry>& WindowArt() {
    static const QList<WindowArtEntry> all = {};
    return all;
}

} // namespace artgen
