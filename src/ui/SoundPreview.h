// What the dialogs' "Play Now" and "Shhhh" buttons ask of the program's sound player.
#pragma once

#include <functional>
#include <string>

namespace nudgeon {

class TMediaPlayer;

// Either part may be empty: that button then does nothing.
struct SoundPreview {
    std::function<void(const std::string& path)> PlayTheSound;
    std::function<void()> Shutup;
};

// A preview through the program's player; a null player gives one that does nothing.
SoundPreview PreviewOn(TMediaPlayer* player);

} // namespace nudgeon
