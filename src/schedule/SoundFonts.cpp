#include "schedule/SoundFonts.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace nudgeon {
namespace {

// SDL_mixer splits its soundfont list at these characters too.
#if defined(_WIN32)
constexpr std::string_view ListSeparators = ";";
#else
constexpr std::string_view ListSeparators = ":;";
#endif

// Debian's timgm6mb-soundfont (and the alternative other GM soundfont packages register),
// then the names other distributions use.
constexpr std::string_view SystemSoundFonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/soundfonts/default.sf2",    "/usr/share/soundfonts/FluidR3_GM.sf2",
};

std::vector<std::filesystem::path> SplitList(std::string_view list)
{
    std::vector<std::filesystem::path> paths;
    while (!list.empty()) {
        const std::size_t end = list.find_first_of(ListSeparators);
        const std::string_view item = list.substr(0, end);
        if (!item.empty())
            paths.emplace_back(std::string(item));
        if (end == std::string_view::npos)
            break;
        list.remove_prefix(end + 1);
    }
    return paths;
}

} // namespace

std::vector<std::filesystem::path> SoundFontCandidates(std::string_view userChoice)
{
    if (!userChoice.empty())
        return SplitList(userChoice);
    return {std::begin(SystemSoundFonts), std::end(SystemSoundFonts)};
}

std::optional<std::filesystem::path>
FirstSoundFont(const std::vector<std::filesystem::path>& candidates)
{
    for (const auto& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error) && std::ifstream(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> FindSoundFont()
{
    const char* userChoice = std::getenv("SDL_SOUNDFONTS");
    return FirstSoundFont(SoundFontCandidates(userChoice != nullptr ? userChoice : ""));
}

} // namespace nudgeon
