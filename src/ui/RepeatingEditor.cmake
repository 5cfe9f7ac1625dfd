# The repeating reminder editor, the preferences dialog and the about box.
target_sources(nudgeon_ui PRIVATE
    Editrep.cpp
    Editrep.h
    EditrepControls.cpp
    EditrepNumbers.cpp
    EditrepNumbers.h
    EditrepRules.cpp
    EditrepRules.h
    EditrepSpinEdit.cpp
    EditrepSpinEdit.h
    EditrepTexts.h
    Pref.cpp
    Pref.h
    PrefTimeout.cpp
    PrefTimeout.h
    Splash.cpp
    Splash.h
)
