#include "schedule/PlatformSession.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace nudgeon {
namespace {

TEST(PlatformSession, X11IsPreferredOnlyOnAWaylandSessionThatServesX11)
{
    struct Case {
        const char* name;
        SessionEnvironment session;
        std::optional<std::string> platform;
    };
    const Case cases[] = {
        {"Wayland with XWayland", {"", "wayland-0", "wayland", ":0"}, "xcb;wayland"},
        {"Wayland display without session type", {"", "wayland-0", "", ":1"}, "xcb;wayland"},
        {"Wayland session type without display name", {"", "", "wayland", ":0"}, "xcb;wayland"},
        {"Wayland without XWayland", {"", "wayland-0", "wayland", ""}, std::nullopt},
        {"the user's own choice", {"wayland", "wayland-0", "wayland", ":0"}, std::nullopt},
        {"an X11 session", {"", "", "x11", ":0"}, std::nullopt},
        {"no desktop", {"", "", "tty", ""}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PreferredPlatform(c.session), c.platform);
    }
}

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name) : name_(name)
    {
        if (const char* value = std::getenv(name))
            saved_ = value;
    }
    ~EnvironmentGuard()
    {
        if (saved_)
            setenv(name_, saved_->c_str(), 1);
        else
            unsetenv(name_);
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(PlatformSession, PreferringX11SetsThePlatformOnlyWhenTheUserChoseNone)
{
    EnvironmentGuard platform("QT_QPA_PLATFORM"), wayland("WAYLAND_DISPLAY"),
        type("XDG_SESSION_TYPE"), display("DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    setenv("WAYLAND_DISPLAY", "wayland-0", 1);
    setenv("XDG_SESSION_TYPE", "wayland", 1);
    setenv("DISPLAY", ":0", 1);
    PreferX11OnWayland();
    ASSERT_NE(std::getenv("QT_QPA_PLATFORM"), nullptr);
    EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "xcb;wayland");

    setenv("QT_QPA_PLATFORM", "wayland", 1);
    PreferX11OnWayland();
    EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "wayland");
}

TEST(PlatformSession, OnlyWaylandPluginsRefuseStayOnTop)
{
    EXPECT_FALSE(PlatformKeepsWindowsOnTop("wayland"));
    EXPECT_FALSE(PlatformKeepsWindowsOnTop("wayland-egl"));
    EXPECT_TRUE(PlatformKeepsWindowsOnTop("xcb"));
    EXPECT_TRUE(PlatformKeepsWindowsOnTop("windows"));
    EXPECT_TRUE(PlatformKeepsWindowsOnTop("offscreen"));
}

} // namespace
} // namespace nudgeon
