#include "schedule/SoundFonts.h"

#include "TempDirectory.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace nudgeon {
namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(SoundFonts, TheUsersListIsTakenAloneAndSplitLikeSdlDoes)
{
    EXPECT_EQ(SoundFontCandidates("/a/one.sf2:/b/two.sf2;;/c/three.sf2"),
              (Paths{"/a/one.sf2", "/b/two.sf2", "/c/three.sf2"}));
}

TEST(SoundFonts, WithoutAUserChoiceDebiansGeneralMidiSoundfontComesFirst)
{
    const Paths candidates = SoundFontCandidates("");
    ASSERT_FALSE(candidates.empty());
    EXPECT_EQ(candidates.front(), "/usr/share/sounds/sf2/default-GM.sf2");
    EXPECT_NE(std::find(candidates.begin(), candidates.end(), "/usr/share/sounds/sf2/TimGM6mb.sf2"),
              candidates.end());
}

TEST(SoundFonts, TheFirstCandidateThatIsAFileIsTaken)
{
    test::TempDirectory directory;
    const auto first = directory.Write("first.sf2", "sfbk");
    const auto second = directory.Write("second.sf2", "sfbk");
    EXPECT_EQ(FirstSoundFont({directory.Path() / "missing.sf2", directory.Path(), first, second}),
              first);
    EXPECT_EQ(FirstSoundFont({directory.Path() / "missing.sf2", directory.Path()}), std::nullopt);
    EXPECT_EQ(FirstSoundFont({}), std::nullopt);
}

TEST(SoundFonts, FindingFollowsTheEnvironmentAtEachCall)
{
    test::TempDirectory directory;
    const auto font = directory.Write("mine.sf2", "sfbk");
    const char* saved = std::getenv("SDL_SOUNDFONTS");
    const std::optional<std::string> restore =
        saved != nullptr ? std::optional<std::string>(saved) : std::nullopt;

    setenv("SDL_SOUNDFONTS", (directory.Path() / "none.sf2").c_str(), 1);
    EXPECT_EQ(FindSoundFont(), std::nullopt);
    setenv("SDL_SOUNDFONTS", font.c_str(), 1);
    EXPECT_EQ(FindSoundFont(), font);

    if (restore)
        setenv("SDL_SOUNDFONTS", restore->c_str(), 1);
    else
        unsetenv("SDL_SOUNDFONTS");
}

} // namespace
} // namespace nudgeon
