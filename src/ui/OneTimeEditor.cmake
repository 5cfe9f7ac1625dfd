# The one-time reminder editor, the quick time-set dialog and the help window.
target_sources(nudgeon_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Editex.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Editex.h
    ${CMAKE_CURRENT_LIST_DIR}/EditexRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditexRules.h
    ${CMAKE_CURRENT_LIST_DIR}/EditexSound.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditexSound.h
    ${CMAKE_CURRENT_LIST_DIR}/Help.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Settd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Settd.h
    ${CMAKE_CURRENT_LIST_DIR}/help/help_pages.qrc
)
