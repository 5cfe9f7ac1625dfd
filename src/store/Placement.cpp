#include "store/Placement.h"

#include "store/AsciiText.h"
#include "store/IniFile.h"
#include "store/ProgramDir.h"

#include <algorithm>
#include <limits>

namespace nudgeon {

namespace {

constexpr int StandardPixelsPerInch = 96;

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

} // namespace

std::string PlacementSectionName(std::string_view className, int pixelsPerInch)
{
    std::string name = std::string(className) + "_Placement";
    if (pixelsPerInch > StandardPixelsPerInch)
        name += std::to_string(pixelsPerInch);
    return name;
}

std::optional<TBounds> FitSavedRect(const TRect& saved, TScreenSize screen)
{
    if (saved.Bottom == 0)
        return std::nullopt;
    // In 64 bits, since a damaged settings file may hold any 32-bit values.
    long long left = saved.Left;
    long long top = saved.Top;
    long long right = saved.Right;
    long long bottom = saved.Bottom;
    if (screen.Width < right) {
        left -= right - screen.Width;
        right = screen.Width;
    }
    if (screen.Height < bottom) {
        top -= bottom - screen.Height;
        bottom = screen.Height;
    }
    return TBounds{ClampToInt(left), ClampToInt(top), ClampToInt(right - left),
                   ClampToInt(bottom - top)};
}

TPoint CenterOnScreen(int width, int height, TScreenSize screen)
{
    return {(screen.Width - width) / 2, (screen.Height - height) / 2};
}

TPoint CenterFormPosition(std::string_view className, int width, int height,
                          const TBounds& mainWindow, bool mainWindowMaximized, TScreenSize screen)
{
    if (EqualIgnoringCase(className, "TMAINFORM") || mainWindowMaximized)
        return CenterOnScreen(width, height, screen);
    return {mainWindow.Left + (mainWindow.Width - width) / 2,
            mainWindow.Top + (mainWindow.Height - height) / 2};
}

TSavedPlacement ReadPlacement(const std::filesystem::path& settingsFile, std::string_view section,
                              bool maximizedNow)
{
    const TIniFile ini(settingsFile);
    TSavedPlacement placement;
    TRect& rect = placement.NormalRect;
    rect.Left = ini.ReadInteger(section, "Left", rect.Left);
    rect.Top = ini.ReadInteger(section, "Top", rect.Top);
    rect.Right = ini.ReadInteger(section, "Right", rect.Right);
    rect.Bottom = ini.ReadInteger(section, "Bottom", rect.Bottom);
    placement.Maximized = ini.ReadBool(section, "Maximized", maximizedNow);
    return placement;
}

void WritePlacement(const std::filesystem::path& settingsFile, std::string_view section,
                    const TSavedPlacement& placement)
{
    TIniFile ini(settingsFile);
    const TRect& rect = placement.NormalRect;
    ini.WriteInteger(section, "Left", rect.Left);
    ini.WriteInteger(section, "Top", rect.Top);
    ini.WriteInteger(section, "Right", rect.Right);
    ini.WriteInteger(section, "Bottom", rect.Bottom);
    ini.WriteBool(section, "Maximized", placement.Maximized);
}

namespace {

std::string SectionOf(const PlacementWindow& window)
{
    return PlacementSectionName(window.ClassName(), window.PixelsPerInch());
}

} // namespace

void SavePlacement(PlacementWindow& window, const std::filesystem::path& settingsFile)
{
    WritePlacement(settingsFile, SectionOf(window), {window.NormalRect(), window.IsMaximized()});
}

void RestorePlacement(PlacementWindow& window, const std::filesystem::path& settingsFile)
{
    const TSavedPlacement saved =
        ReadPlacement(settingsFile, SectionOf(window), window.IsMaximized());
    if (const auto bounds = FitSavedRect(saved.NormalRect, window.ScreenSize()))
        window.SetBounds(*bounds);
    else
        window.Center();
    if (saved.Maximized)
        window.Maximize();
    SavePlacement(window, settingsFile);
}

void SavePlacement(PlacementWindow& window)
{
    SavePlacement(window, SettingsPath());
}

void RestorePlacement(PlacementWindow& window)
{
    RestorePlacement(window, SettingsPath());
}

} // namespace nudgeon
