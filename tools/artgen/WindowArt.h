// The pictures of the program's secondary windows. Each window's artwork lives in its own
// source file with one drawing function; WindowArt.cpp lists them by name, and the build
// runs `crescendar-artgen --window NAME --out DIR` once per window.
#pragma once

#include "MoonArt.h"

#include <QImage>
#include <QList>
#include <QString>

namespace artgen {

// One picture of a window: file name (".jpg" written as JPEG, else PNG) and image;
// Transparent: a PNG keeps its alpha, for a picture the window places over its own skin.
struct WindowPicture {
    QString Name;
    QImage Image;
    bool Transparent = false;
};

// Draws every picture of one window; the Moon renderer is there for windows that show it.
using WindowArtFunction = QList<WindowPicture> (*)(const MoonRenderer& moon);

struct WindowArtEntry {
    const char* Name;
    WindowArtFunction Draw;
};

// Every window with artwork of its own.
const QList<WindowArtEntry>& WindowArt();

} // namespace artgen
