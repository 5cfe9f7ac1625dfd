# nudgeon_notification: the notification window, the sound player and the desktop's side of
# both (desktop notifications, the X11-over-Wayland preference). Qt 6 and SDL2_mixer.
find_package(Qt6 REQUIRED COMPONENTS Widgets DBus)
find_package(PkgConfig REQUIRED)
# SDL2_mixer's own CMake target does not bring SDL2 with it, so both come from pkg-config.
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)

# The rules of the window and the player that need neither Qt nor SDL.
add_library(nudgeon_notification_rules STATIC
    schedule/AlarmCountdown.cpp
    schedule/AlarmTickCount.cpp
    schedule/PlatformSession.cpp
    schedule/SoundFileKind.cpp
    schedule/SoundFonts.cpp
)
target_include_directories(nudgeon_notification_rules PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(nudgeon_notification_rules PUBLIC nudgeon_core PRIVATE nudgeon_warnings)

add_library(nudgeon_notification STATIC
    schedule/Alarmsh.cpp
    schedule/Alarmsh.h
    schedule/DesktopNotifier.cpp
    schedule/DesktopNotifier.h
    schedule/MediaPlayer.cpp
    schedule/MediaPlayer.h
    schedule/SoundMixer.cpp
)
set_target_properties(nudgeon_notification PROPERTIES AUTOMOC ON)
target_include_directories(nudgeon_notification PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(nudgeon_notification
    PUBLIC nudgeon_core nudgeon_notification_rules Qt6::Widgets Qt6::DBus
    PRIVATE nudgeon_warnings PkgConfig::SDL2_MIXER PkgConfig::SDL2)
