# The one-time reminder editor, the quick time-set dialog and the help window.
target_sources(nudgeon_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Editex.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Editex.h
    ${CMAKE_CURRENT_LIST_DIR}/EditexRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditexRules.h
    ${CMAKE_CURRENT_LIST_DIR}/Help.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Settd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Settd.h
    ${CMAKE_CURRENT_LIST_DIR}/help/help_pages.qrc
)
# What the dialogs share: their base classes, texts, the sound file group and the time fields.
target_sources(nudgeon_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DialogControls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogControls.h
    ${CMAKE_CURRENT_LIST_DIR}/DialogTexts.h
    ${CMAKE_CURRENT_LIST_DIR}/ProgramDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/ReminderEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReminderEditor.h
    ${CMAKE_CURRENT_LIST_DIR}/SoundDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoundDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/SoundFileDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoundFileDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/SoundFileRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoundFileRules.h
    ${CMAKE_CURRENT_LIST_DIR}/SoundPreview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoundPreview.h
    ${CMAKE_CURRENT_LIST_DIR}/TimeFields.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TimeFields.h
)
