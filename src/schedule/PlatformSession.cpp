#include "schedule/PlatformSession.h"

#include <cstdlib>

namespace nudgeon {

std::optional<std::string> PreferredPlatform(const SessionEnvironment& session)
{
    if (!session.QtPlatform.empty())
        return std::nullopt;
    const bool wayland = !session.WaylandDisplay.empty() || session.SessionType == "wayland";
    if (!wayland || session.X11Display.empty())
        return std::nullopt;
    return "xcb;wayland";
}

#if defined(_WIN32)
// Windows has one window system, which honours stay-on-top.
void PreferX11OnWayland() {}
#else
namespace {

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

void PreferX11OnWayland()
{
    const SessionEnvironment session{
        EnvironmentValue("QT_QPA_PLATFORM"), EnvironmentValue("WAYLAND_DISPLAY"),
        EnvironmentValue("XDG_SESSION_TYPE"), EnvironmentValue("DISPLAY")};
    if (const auto platform = PreferredPlatform(session))
        setenv("QT_QPA_PLATFORM", platform->c_str(), 1);
}
#endif

bool PlatformKeepsWindowsOnTop(std::string_view platformName)
{
    return !platformName.starts_with("wayland");
}

} // namespace nudgeon
