// A contact sheet of every picture, for looking at the artwork as a whole.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace artgen {

struct NamedImage {
    QString name;
    QImage image;
    bool keepAlpha = false; // written with its alpha
};

// The skin dressed as the window will show it (the Moon photograph at (26, 80), the phase
// pictures, sample texts at the positions the window uses), then every picture enlarged.
QImage contactSheet(const QList<NamedImage>& pictures, const QList<QImage>& icons);

// Just the dressed window, at its own size.
QImage dressedWindow(const QList<NamedImage>& pictures);

} // namespace artgen
