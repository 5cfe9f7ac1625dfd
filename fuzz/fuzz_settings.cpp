// Fuzz target: ReadSettings and the placement read on any bytes as the settings file.
//
// Reading never fails and gives values in their ranges; writing the settings and a placement
// into the same damaged file and reading them again gives back exactly what was written; the
// saved rectangle fitted to a screen keeps its size without overflowing.
#include "FuzzSupport.h"
#include "store/Placement.h"
#include "store/Settings.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

namespace nudgeon::fuzz {
namespace {

struct SettingsValues {
    std::string waveFile;
    bool useTray;
    std::int32_t timeoutSeconds;
    std::int32_t timeoutAction;
    TEventType eventType;
    bool useHints;
    bool animate;
    bool operator==(const SettingsValues&) const = default;
};

SettingsValues Current()
{
    return {DefaultWaveFile,  UseTray,  TimeoutSeconds, TimeoutAction,
            DefaultEventType, UseHints, AnimateTrayIcon};
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// A text value the file format cannot hold as it is: blanks at its ends are not part of a
// value, a pair of enclosing quotes is taken off, and reading keeps at most 1023 bytes.
bool KeepsItsForm(std::string_view value)
{
    if (value.size() > 1023)
        return false;
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())))
        return false;
    return !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
             value.back() == value.front());
}

void ReadSettingsSafely(const std::filesystem::path& file)
{
    try {
        ReadSettings(file);
    } catch (const std::exception& error) {
        Fail("ReadSettings never fails", __FILE__, __LINE__, error.what());
    }
}

void CheckSettingsRoundTrip(const std::filesystem::path& file)
{
    ReadSettingsSafely(file);
    const SettingsValues read = Current();
    WriteSettings(file);
    ReadSettingsSafely(file);
    SettingsValues again = Current();
    if (!KeepsItsForm(read.waveFile))
        again.waveFile = read.waveFile;
    FUZZ_CHECK(again == read);
}

void CheckFit(const TRect& saved, TScreenSize screen)
{
    const auto bounds = FitSavedRect(saved, screen);
    FUZZ_CHECK(bounds.has_value() == (saved.Bottom != 0));
    if (!bounds)
        return;
    const long long width = static_cast<long long>(saved.Right) - saved.Left;
    const long long height = static_cast<long long>(saved.Bottom) - saved.Top;
    if (width >= INT_MIN && width <= INT_MAX)
        FUZZ_CHECK(bounds->Width == width);
    if (height >= INT_MIN && height <= INT_MAX)
        FUZZ_CHECK(bounds->Height == height);
    if (saved.Right > screen.Width)
        FUZZ_CHECK(static_cast<long long>(bounds->Left) + bounds->Width <= screen.Width);
    if (saved.Bottom > screen.Height)
        FUZZ_CHECK(static_cast<long long>(bounds->Top) + bounds->Height <= screen.Height);
}

void CheckPlacement(const std::filesystem::path& file, std::string_view section)
{
    TSavedPlacement read;
    try {
        read = ReadPlacement(file, section, false);
        FUZZ_CHECK(ReadPlacement(file, section, true).NormalRect == read.NormalRect);
    } catch (const std::exception& error) {
        Fail("ReadPlacement never fails", __FILE__, __LINE__, error.what());
    }
    CheckFit(read.NormalRect, {800, 600});
    CheckFit(read.NormalRect, {1920, 1080});
    WritePlacement(file, section, read);
    FUZZ_CHECK(ReadPlacement(file, section, !read.Maximized) == read);
}

} // namespace
} // namespace nudgeon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nudgeon;
    using namespace nudgeon::fuzz;
    static ScratchFolder folder;
    const std::filesystem::path file = folder.Path() / "Nudgeon.INI";
    WriteWholeFile(file, data, size);
    CheckSettingsRoundTrip(file);
    CheckPlacement(file, PlacementSectionName("TMainForm", 96));
    CheckPlacement(file, PlacementSectionName("TMainForm", 120));
    return 0;
}
