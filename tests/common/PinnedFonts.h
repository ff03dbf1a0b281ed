// The picture tests draw with the fonts the build pins (cmake/PinnedFonts.cmake), so that a
// picture comes out the same whatever other fonts the machine has. Call before Qt starts;
// programs started from a test inherit the setting.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace crescendar {

inline void UsePinnedFonts() {
    qputenv("FONTCONFIG_FILE", CRESCENDAR_TEST_FONTCONFIG);
}

} // namespace crescendar
