// The title-bar icons of the main window and the two optics pictures.
#pragma once

#include <QImage>
#include <QPainter>

namespace artgen {

// Draws every title-bar icon of the main window at its place (window coordinates), except
// the optics and eclipse pictures, which are separate images laid over the skin.
void paintTitleIcons(QPainter& p);

// The program's title in the title bar.
void paintTitle(QPainter& p);

// Binoculars or a telescope drawn over the given 33 x 24 background.
QImage binocularsPicture(const QImage& background);
QImage telescopePicture(const QImage& background);

} // namespace artgen
