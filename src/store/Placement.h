// Where the main window reopens and where dialogs appear: the rules, apart from any widget.
//
// The main window's normal rectangle and maximised state are kept in the settings file, in a
// section of their own for each screen resolution above 96 pixels per inch. A saved "Bottom"
// of 0 means that nothing is saved, and the window is centred on the screen.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace nudgeon {

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TRect&) const = default;
};

struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TBounds&) const = default;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TScreenSize {
    int Width = 0;
    int Height = 0;
};

struct TSavedPlacement {
    TRect NormalRect;
    bool Maximized = false;
    bool operator==(const TSavedPlacement&) const = default;
};

// "<className>_Placement", with the pixels per inch appended when above 96.
std::string PlacementSectionName(std::string_view className, int pixelsPerInch);

// The bounds for a saved rectangle: pulled back left and up where it passes the screen's
// right or bottom edge, with its size kept (so an edge may become negative). Nothing when
// Bottom is 0: no placement was saved.
std::optional<TBounds> FitSavedRect(const TRect& saved, TScreenSize screen);

// Where a window of the given size is centred on the screen (halves truncated toward zero).
TPoint CenterOnScreen(int width, int height, TScreenSize screen);

// The top-left corner CenterForm gives a window: the main window itself ("TMAINFORM" in any
// case) and every window while the main window is maximised are centred on the screen, every
// other window over the main window.
TPoint CenterFormPosition(std::string_view className, int width, int height,
                          const TBounds& mainWindow, bool mainWindowMaximized, TScreenSize screen);

// The placement section of the settings file; a missing key reads as 0, and a missing
// "Maximized" as maximizedNow.
TSavedPlacement ReadPlacement(const std::filesystem::path& settingsFile, std::string_view section,
                              bool maximizedNow);
// Writes "Left", "Top", "Right", "Bottom" and "Maximized" in that order; throws EIniFileError
// at the first key the file refuses.
void WritePlacement(const std::filesystem::path& settingsFile, std::string_view section,
                    const TSavedPlacement& placement);

// What SavePlacement and RestorePlacement need of a window and its screen; the UI supplies it.
class PlacementWindow {
public:
    virtual ~PlacementWindow() = default;
    virtual std::string ClassName() const = 0;
    // The rectangle the window has when neither minimised nor maximised.
    virtual TRect NormalRect() const = 0;
    virtual bool IsMaximized() const = 0;
    virtual void SetBounds(const TBounds& bounds) = 0;
    virtual void Maximize() = 0;
    // Centres the window as CenterForm does.
    virtual void Center() = 0;
    virtual TScreenSize ScreenSize() const = 0;
    virtual int PixelsPerInch() const = 0;
};

// Writes the window's normal rectangle and maximised state to its section.
void SavePlacement(PlacementWindow& window, const std::filesystem::path& settingsFile);
// Gives the window its saved bounds (or centres it when none are saved), maximises it when it
// was maximised, then saves the placement now in force.
void RestorePlacement(PlacementWindow& window, const std::filesystem::path& settingsFile);

// The same on SettingsPath().
void SavePlacement(PlacementWindow& window);
void RestorePlacement(PlacementWindow& window);

} // namespace nudgeon
