// The program's named colours, each named for what it shows. A colour that only one picture
// uses stays with the code that draws that picture.
#pragma once

#include <QColor>

namespace crescendar::palette {

// Values on the windows' dark screens: times, numbers, the standard text of every panel.
inline constexpr QColor StandardText{255, 255, 176};
// Captions in front of values ("Julian Day:", "Spring Equinox:", the panels' headings).
inline constexpr QColor Caption{255, 255, 0};
// Dates and days (the date a window is about, dates in lists, weekday titles, the chart's
// days), and texts set apart from the standard values beside them: the Moon's times in the
// times list, the contact captions of the eclipse window.
inline constexpr QColor DayText{0, 255, 255};
// Texts on the light plates of the skins: the main window's clock, the eclipse's type.
inline constexpr QColor PlateText{0, 0, 128};
// Notes beside the values of the eclipse windows' screens: "1 of 2", the worldwide kind, the
// heading of the Sun's altitudes.
inline constexpr QColor NoteText{150, 176, 220};

// The dark screens that lists and pictures are drawn on, and a skin window where its picture
// does not reach.
inline constexpr QColor Screen{0, 0, 0};
// Every second row of a list on a dark screen.
inline constexpr QColor RowBand{70, 70, 70};
// A printed page before anything is drawn on it.
inline constexpr QColor Paper{255, 255, 255};

// The ring round a control of a dialog that has the keyboard focus.
inline constexpr QColor FocusRing{120, 200, 255};

// The observing aid's chart on the screen (and the swatches of its legend): daylight and the
// three twilights, lightest to darkest.
inline constexpr QColor ChartDaylight{170, 170, 233};
inline constexpr QColor ChartCivilTwilight{100, 100, 150};
inline constexpr QColor ChartNauticalTwilight{75, 75, 115};
inline constexpr QColor ChartAstronomicalTwilight{50, 50, 90};

} // namespace crescendar::palette
