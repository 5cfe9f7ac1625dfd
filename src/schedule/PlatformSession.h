// The desktop session: which window system to ask Qt for and whether it keeps windows on top.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nudgeon {

// What the environment tells about the session; an unset variable is empty.
struct SessionEnvironment {
    std::string QtPlatform;     // QT_QPA_PLATFORM: the user's own choice
    std::string WaylandDisplay; // WAYLAND_DISPLAY
    std::string SessionType;    // XDG_SESSION_TYPE
    std::string X11Display;     // DISPLAY: set where XWayland serves X11 programs
};

// The platform plugins to ask Qt for: X11 first on a Wayland session that also serves X11
// programs, because Wayland compositors ignore stay-on-top and refuse the foreground; Wayland
// stays as the fall-back. Nothing when the user chose a platform or there is no such choice.
std::optional<std::string> PreferredPlatform(const SessionEnvironment& session);

// Reads the environment and puts PreferredPlatform() into QT_QPA_PLATFORM. Call before the
// QApplication is created.
void PreferX11OnWayland();

// Whether windows of the platform plugin `platformName` can stay on top of all others and
// take the foreground when they open.
bool PlatformKeepsWindowsOnTop(std::string_view platformName);

} // namespace nudgeon
