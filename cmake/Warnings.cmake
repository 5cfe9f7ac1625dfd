# Project-wide compiler flags: warnings for our own targets, sanitizers for everything.
add_library(nudgeon_warnings INTERFACE)
target_compile_options(nudgeon_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    # GCC 12 reports string concatenations as overlapping copies at -O2 and above
    # (a known false positive of -Wrestrict in its inlined char_traits).
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>
    $<$<BOOL:${NUDGEON_WERROR}>:-Werror>)

if(NUDGEON_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
