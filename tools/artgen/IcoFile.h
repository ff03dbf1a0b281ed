// Writes a Windows icon file holding several sizes of one picture.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace artgen {

// Each image becomes one entry: sizes below 256 as 32-bit bitmaps with an AND mask (read by
// every icon loader), 256 as a PNG. Returns false when the file cannot be written.
bool writeIcoFile(const QString& path, const QList<QImage>& images);

} // namespace artgen
