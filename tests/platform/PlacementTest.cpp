// Where windows go so that their title bar and close region can be reached: one table over
// window sizes, screen scales (a 1024 x 600 screen is 683 x 400 window pixels at 1.5 and
// 512 x 300 at 2), screens with panels, several screens and negative coordinates.
#include "Placement.h"

#include <gtest/gtest.h>

namespace crescendar {
namespace {

// The main window's skin: 640 x 480, the title at (264, 12), the close mark at (614, 14).
const QSize kMain(640, 480);
const WindowGrip kMainGrip{QRect(264, 12, 113, 23), QRect(614, 14, 13, 15)};

struct FitCase {
    const char* what;
    QList<QRect> areas;
    QSize size;
    WindowGrip grip;
    QPoint wanted;
    QPoint expected;
};

TEST(Placement, TitleAndCloseRegionStayOnAnAvailableArea) {
    const QRect desktop(0, 0, 800, 600);
    const QList<QRect> sideBySide{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QList<QRect> leftOfPrimary{QRect(0, 0, 1920, 1080), QRect(-1280, 56, 1280, 1024)};
    const FitCase cases[] = {
        {"on the screen: unchanged", {desktop}, {200, 100}, {}, {100, 100}, {100, 100}},
        {"above and left: to the corner", {desktop}, {200, 100}, {}, {-10, -20}, {0, 0}},
        {"past the right and bottom", {desktop}, {200, 100}, {}, {750, 580}, {600, 500}},
        {"below a top panel", {QRect(0, 32, 1024, 568)}, kMain, kMainGrip, {0, 0}, {0, 32}},
        {"1024x600 at 1.5: centred too high",
         {QRect(0, 0, 683, 400)},
         kMain,
         kMainGrip,
         {21, -40},
         {21, 0}},
        // Wider than the screen: at its left, moved back just enough for the close mark.
        {"1024x600 at 2", {QRect(0, 0, 512, 300)}, kMain, kMainGrip, {-64, -90}, {-115, 0}},
        {"larger, title only",
         {QRect(0, 0, 512, 300)},
         kMain,
         {QRect(0, 0, 640, 40), {}},
         {-64, -90},
         {0, 0}},
        {"larger, no grip: top-left", {QRect(10, 20, 512, 300)}, kMain, {}, {300, 300}, {10, 20}},
        {"second screen", sideBySide, kMain, kMainGrip, {2500, 900}, {2500, 544}},
        {"straddling: to the screen holding most",
         sideBySide,
         kMain,
         kMainGrip,
         {1700, 100},
         {1920, 100}},
        {"off every screen: the nearest", sideBySide, kMain, kMainGrip, {5000, 3000}, {2560, 544}},
        {"negative coordinates", leftOfPrimary, kMain, kMainGrip, {-2000, -50}, {-1280, 56}},
        {"no screens: unchanged", {}, kMain, kMainGrip, {-5, -5}, {-5, -5}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FitOnScreens(c.wanted, c.size, c.grip, c.areas), c.expected);
    }
}

} // namespace
} // namespace crescendar
