// The main window's skin and the pictures that are composed onto it.
#pragma once

#include <QImage>

namespace artgen {

// The window without its icons, panels or boxes: the frame, the night sky and the title-bar
// plate. The optics and eclipse pictures take their backgrounds from it.
QImage skinBase();

// The complete 640 x 480 skin, with the clock strip and the two box textures in place.
QImage mainSkin(const QImage& base, const QImage& clockStrip, const QImage& moonParams,
                const QImage& sunParams);

QImage clockStrip();        // 640 x 24
QImage moonParamsTexture(); // 85 x 67
QImage sunParamsTexture();  // 84 x 67
QImage yearButton();        // 60 x 29
QImage timeButton();        // 146 x 31, the Now button at x 87-126, y 4-19
QImage dateMarker();        // 25 x 23

} // namespace artgen
