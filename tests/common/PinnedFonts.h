// The picture tests draw with the fonts the build pins (cmake/PinnedFonts.cmake), so that a
// picture comes out the same whatever other fonts the machine has. Call before Qt starts;
// programs started from a test inherit the setting.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QtGlobal>

namespace crescendar {

inline void UsePinnedFonts() {
    qputenv("FONTCONFIG_FILE", CRESCENDAR_TEST_FONTCONFIG);
}

// Qt keeps every font engine it has made, with the hinting of the device it was first made
// for (a PDF page, say), and draws later text of that font and size with it: a picture would
// then depend on the tests run before it. Taking an application font away again empties
// those caches, so each test draws as if it ran alone.
inline void ForgetFonts() {
    const QString font = QFileInfo(QStringLiteral(CRESCENDAR_TEST_FONTCONFIG))
                             .dir()
                             .filePath(QStringLiteral("LiberationSans-Regular.ttf"));
    if (QFontDatabase::addApplicationFont(font) >= 0) QFontDatabase::removeAllApplicationFonts();
}

} // namespace crescendar
