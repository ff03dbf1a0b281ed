// The pictures of the windows and printed pages that are pinned in docs/screenshots: a test
// that renders one compares it there, in its own run, pixel by pixel. With
// CRESCENDAR_GOLDEN_UPDATE=1 the changed pictures are written there instead (look at them
// before committing); with CRESCENDAR_SCREENSHOTS naming a folder, every picture is also
// written to that folder (scripts/montage reads them from there).
#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>

namespace crescendar {

inline bool UpdatingGoldenFiles() {
    return qEnvironmentVariableIntValue("CRESCENDAR_GOLDEN_UPDATE") == 1;
}

// The pixels of two pictures that differ by more than a rounding step in any channel; -1
// when their sizes differ.
inline long DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    long count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            if (std::abs(qRed(p[col]) - qRed(q[col])) > 2 ||
                std::abs(qGreen(p[col]) - qGreen(q[col])) > 2 ||
                std::abs(qBlue(p[col]) - qBlue(q[col])) > 2)
                ++count;
        }
    }
    return count;
}

// Writes the picture into $CRESCENDAR_SCREENSHOTS when that names a folder, to be looked at.
inline void SavePicture(const QImage& picture, const QString& name) {
    const QString folder = qEnvironmentVariable("CRESCENDAR_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(picture.save(QDir(folder).filePath(name))) << name.toStdString();
}

// Compares the picture with its golden copy of the same name (or replaces a copy that
// differs, when updating), and saves it for looking at.
inline void ExpectGoldenPicture(const QImage& picture, const QString& name) {
    ASSERT_FALSE(picture.isNull()) << name.toStdString() << " was not rendered";
    SavePicture(picture, name);
    const QString golden = QDir(QStringLiteral(CRESCENDAR_SCREENS_DIR)).filePath(name);
    const QImage before(golden);
    if (UpdatingGoldenFiles()) {
        if (DifferingPixels(picture, before) == 0) return; // unchanged files stay untouched
        QFile::remove(golden);
        EXPECT_TRUE(picture.save(golden)) << golden.toStdString();
        return;
    }
    ASSERT_FALSE(before.isNull()) << name.toStdString() << " has no golden picture "
                                  << golden.toStdString();
    EXPECT_EQ(DifferingPixels(picture, before), 0)
        << name.toStdString() << " differs from " << golden.toStdString()
        << " (-1: another size); if the change is meant, run with CRESCENDAR_GOLDEN_UPDATE=1"
           " and look at the new picture";
}

inline void ExpectGoldenPicture(const QImage& picture, const char* name) {
    ExpectGoldenPicture(picture, QString::fromLatin1(name));
}

} // namespace crescendar
