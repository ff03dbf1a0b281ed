// The platforms the program checks before Qt starts, in the order Qt tries them (whether
// their displays answer: tests/display/no_display.sh).
#include "Startup.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace crescendar {
namespace {

TEST(Startup, PlatformsAreChosenAsQtChoosesThem) {
    struct Case {
        const char* what;
        std::map<std::string, QString> environment;
        QStringList arguments;
        QStringList expected;
    };
    const Case cases[] = {
        {"nothing set: X11", {}, {}, {"xcb"}},
        {"a Wayland session, X11 after it",
         {{"XDG_SESSION_TYPE", "wayland"}},
         {},
         {"wayland", "xcb"}},
        {"Qt ignores Wayland on GNOME",
         {{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}},
         {},
         {"xcb"}},
        {"QT_QPA_PLATFORM, with options and spaces",
         {{"XDG_SESSION_TYPE", "wayland"}, {"QT_QPA_PLATFORM", "offscreen:size=1x1; xcb;"}},
         {},
         {"offscreen:size=1x1", "xcb"}},
        {"-platform before QT_QPA_PLATFORM",
         {{"QT_QPA_PLATFORM", "wayland"}},
         {"-platform", "minimal"},
         {"minimal"}},
        {"--platform too", {}, {"--platform", "vnc"}, {"vnc"}},
        {"-platform with nothing after it", {}, {"-platform"}, {"xcb"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto environment = [&c](const char* name) {
            const auto it = c.environment.find(name);
            return it == c.environment.end() ? QString() : it->second;
        };
        EXPECT_EQ(PlatformsToTry(QStringList{"crescendar"} + c.arguments, environment), c.expected);
    }
}

} // namespace
} // namespace crescendar
