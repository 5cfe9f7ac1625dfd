// Where the General MIDI soundfont that makes .mid files sound is found on this system.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace nudgeon {

// The soundfonts to try, best first. A non-empty `userChoice` (the list SDL_SOUNDFONTS
// holds) is taken alone, as the user asked; otherwise the places the system's soundfont
// packages install to.
std::vector<std::filesystem::path> SoundFontCandidates(std::string_view userChoice);

// The first candidate that is a readable file.
std::optional<std::filesystem::path>
FirstSoundFont(const std::vector<std::filesystem::path>& candidates);

// Searched afresh at each call, so a soundfont installed while the program runs is found.
std::optional<std::filesystem::path> FindSoundFont();

} // namespace nudgeon
