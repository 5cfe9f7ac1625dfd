# Tests of the one-time reminder editor, the quick time-set dialog, the help window and the
# sound file rules the dialogs share.
nudgeon_add_ui_tests(nudgeon_onetime_editor_tests
    editors/EditexRulesTest.cpp
    editors/EditexTest.cpp
    editors/SettdTest.cpp
    editors/HelpTest.cpp
    editors/SoundFileRulesTest.cpp
)
target_compile_definitions(nudgeon_onetime_editor_tests PRIVATE
    NUDGEON_ARTIFACTS_DIR="${CMAKE_BINARY_DIR}/artifacts")
