# Installing Nudgeon on a freedesktop system (menu entry, icons, session start entry) and
# packing that installation as a Debian package with CPack.
include(GNUInstallDirs)

# The desktop files and the package are for Linux and the like, and need the program; a cross
# build for another system could not run the icon renderer either.
if(NOT UNIX OR APPLE OR CMAKE_CROSSCOMPILING OR NOT TARGET nudgeon)
    return()
endif()

add_subdirectory(packaging)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nudgeon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Nudgeon developers")
set(CPACK_PACKAGE_CONTACT "Nudgeon maintainers <maintainers@nudgeon.app>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://nudgeon.app/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop reminder program")
set(CPACK_PACKAGE_DESCRIPTION
    "Nudgeon keeps one-time reminders, each due at a date and time, and repeating reminders \
that fire on the days their rule names. A due reminder plays its sound and shows its message \
in a window that stays on top, where it can be snoozed, deleted or marked done.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries (Qt 6 Widgets, SDL2_mixer, ...) come from the binary itself; MIDI sounds
# also need a General MIDI soundfont, which no library asks for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | sf2-soundfont-gm")

set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")
include(CPack)
