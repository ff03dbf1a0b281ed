#include "WindowArt.h"

namespace artgen {

// Each secondary window's drawing function, declared here and defined in its own file.
// Add a window: declare its function, add one line to the list, and one
// crescendar_window_art() line in resources/CMakeLists.txt.

QList<WindowPicture> DrawEclipseArt(const MoonRenderer& moon);
QList<WindowPicture> DrawMonthlyArt(const MoonRenderer& moon);
QList<WindowPicture> DrawDatesArt(const MoonRenderer& moon);
QList<WindowPicture> DrawMenusArt(const MoonRenderer& moon);
QList<WindowPicture> DrawPrintArt(const MoonRenderer& moon);
QList<WindowPicture> DrawConfigurationArt(const MoonRenderer& moon);

const QList<WindowArtEntry>& WindowArt() {
    static const QList<WindowArtEntry> all = {
        {"eclipse", DrawEclipseArt},
        {"monthly", DrawMonthlyArt},
        {"dates", DrawDatesArt},
        {"menus", DrawMenusArt},
        {"print", DrawPrintArt},
        {"config", DrawConfigurationArt},
    };
    return all;
}

} // namespace artgen
