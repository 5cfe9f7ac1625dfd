# Tests of the repeating reminder editor, the preferences dialog and the about box.
nudgeon_add_ui_tests(nudgeon_repeating_editor_tests
    dialogs/EditrepRulesTest.cpp
    dialogs/EditrepTest.cpp
    dialogs/PrefTest.cpp
    dialogs/SplashTest.cpp
)
target_compile_definitions(nudgeon_repeating_editor_tests PRIVATE
    NUDGEON_ARTIFACTS_DIR="${CMAKE_BINARY_DIR}/artifacts")
