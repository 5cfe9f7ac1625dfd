# Cross build for 64-bit Windows with Debian's mingw-w64 (the posix thread model), linked
# statically so the programs run without any DLL of the compiler beside them. The test
# programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NUDGEON_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NUDGEON_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NUDGEON_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${NUDGEON_MINGW_TRIPLE}-windres)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Headers and libraries of the target only; the build's own tools come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${NUDGEON_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest and GoogleTest's discovery run the test programs through Wine.
find_program(NUDGEON_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NUDGEON_WINE})
