// The display the program checks before Qt starts: the platforms Qt would try, in its order,
// and whether a display answers on them.
#include "Startup.h"

#include <QTemporaryDir>

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

// Sets an environment variable for the life of the object (unset for an empty value).
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), was_(qEnvironmentVariableIsSet(name)) {
        Set(value);
    }
    ~ScopedVariable() { was_ ? qputenv(name_, old_) : qunsetenv(name_); }

  private:
    void Set(const QByteArray& value) {
        value.isEmpty() ? qunsetenv(name_) : qputenv(name_, value);
    }
    const char* name_;
    QByteArray old_;
    bool was_;
};

TEST(Startup, ADisplayThatDoesNotAnswerIsNamedInOneLine) {
    EXPECT_TRUE(CheckDisplay({"crescendar", "-platform", "offscreen"}).Available);
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const ScopedVariable wayland("WAYLAND_DISPLAY", runtime.filePath("none").toLocal8Bit());
    const ScopedVariable socket("WAYLAND_SOCKET", {});
    const DisplayCheck dead =
        CheckDisplay({"crescendar", "-platform", "xcb;wayland", "-display", ":87.0"});
    EXPECT_FALSE(dead.Available);
    EXPECT_EQ(dead.Tried, (QStringList{"-display \":87.0\"",
                                       "WAYLAND_DISPLAY=\"" + runtime.filePath("none") + "\""}));
    const QString message = NoDisplayMessage("crescendar", dead.Tried);
    EXPECT_EQ(message.count('\n'), 1);
    EXPECT_TRUE(message.endsWith('\n'));
}

} // namespace
} // namespace crescendar
