# Project-wide compiler flags: warnings for our own targets, sanitizers for everything.
add_library(nudgeon_warnings INTERFACE)
target_compile_options(nudgeon_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    $<$<BOOL:${NUDGEON_WERROR}>:-Werror>)

if(NUDGEON_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
