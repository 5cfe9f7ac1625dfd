#include "store/Placement.h"

#include "StoreTestSupport.h"
#include "store/IniFile.h"
#include "store/StoreErrors.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace nudgeon {
namespace {

using test::WriteFileBytes;

constexpr TScreenSize Screen800x600{800, 600};

TEST(PlacementSectionTest, NamesTheClassAndResolutionsAbove96)
{
    const struct {
        int pixelsPerInch;
        const char* name;
    } cases[] = {
        {72, "TMainForm_Placement"},     {96, "TMainForm_Placement"},
        {97, "TMainForm_Placement97"},   {120, "TMainForm_Placement120"},
        {144, "TMainForm_Placement144"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixelsPerInch);
        EXPECT_EQ(PlacementSectionName("TMainForm", c.pixelsPerInch), c.name);
    }
}

TEST(FitSavedRectTest, PullsBackPastTheRightAndBottomAndKeepsTheSize)
{
    const struct {
        const char* name;
        TRect saved;
        std::optional<TBounds> bounds;
    } cases[] = {
        {"inside", {10, 20, 410, 320}, TBounds{10, 20, 400, 300}},
        {"past both edges", {100, 100, 900, 700}, TBounds{0, 0, 800, 600}},
        {"wider than the screen", {50, 50, 1100, 500}, TBounds{-250, 50, 1050, 450}},
        {"exactly the screen", {0, 0, 800, 600}, TBounds{0, 0, 800, 600}},
        {"beyond the left and top stays", {-100, -50, 300, 200}, TBounds{-100, -50, 400, 250}},
        {"nothing saved", {100, 100, 900, 0}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FitSavedRect(c.saved, Screen800x600), c.bounds);
    }
}

TEST(CenterFormTest, CentresOverTheMainWindowOrOnTheScreen)
{
    const TBounds main{100, 50, 600, 400};
    const struct {
        const char* name;
        const char* className;
        int width;
        int height;
        bool mainMaximized;
        TPoint position;
    } cases[] = {
        {"dialog over the main window", "TPreferences", 300, 200, false, {250, 150}},
        {"wider dialog starts left of it", "TPreferences", 800, 200, false, {0, 150}},
        {"halves truncate toward zero", "TAboutBox", 601, 403, false, {100, 49}},
        {"main window maximised", "TPreferences", 300, 200, true, {250, 200}},
        {"the main window itself", "TMainForm", 300, 200, false, {250, 200}},
        {"class name in any case", "tmainform", 301, 201, false, {249, 199}},
        {"larger than the screen", "TMainForm", 1001, 600, false, {-100, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CenterFormPosition(c.className, c.width, c.height, main, c.mainMaximized,
                                     Screen800x600),
                  c.position);
    }
}

// A main window that records what is done to it.
class FakeWindow : public PlacementWindow {
public:
    std::string ClassName() const override { return "TMainForm"; }
    TRect NormalRect() const override { return normal; }
    bool IsMaximized() const override { return maximized; }
    void SetBounds(const TBounds& bounds) override
    {
        normal = {bounds.Left, bounds.Top, bounds.Left + bounds.Width, bounds.Top + bounds.Height};
        ++boundsSet;
    }
    void Maximize() override { maximized = true; }
    void Center() override
    {
        const TPoint at = CenterFormPosition(ClassName(), normal.Right - normal.Left,
                                             normal.Bottom - normal.Top, {}, false, screen);
        normal = {at.X, at.Y, at.X + normal.Right - normal.Left, at.Y + normal.Bottom - normal.Top};
        ++centred;
    }
    TScreenSize ScreenSize() const override { return screen; }
    int PixelsPerInch() const override { return pixelsPerInch; }

    TRect normal{0, 0, 400, 300};
    bool maximized = false;
    TScreenSize screen = Screen800x600;
    int pixelsPerInch = 96;
    int boundsSet = 0;
    int centred = 0;
};

class PlacementTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::filesystem::path file = dir / "Nudgeon.INI";
    FakeWindow window;
};

TEST_F(PlacementTest, AFirstStartCentresTheWindowAndSavesThat)
{
    RestorePlacement(window, file);
    EXPECT_EQ(window.centred, 1);
    EXPECT_EQ(window.boundsSet, 0);
    EXPECT_FALSE(window.maximized);
    EXPECT_EQ(window.normal, (TRect{200, 150, 600, 450}));
    EXPECT_EQ(ReadPlacement(file, "TMainForm_Placement", true),
              (TSavedPlacement{{200, 150, 600, 450}, false}));
}

TEST_F(PlacementTest, ASavedPlacementComesBackFittedToTheScreen)
{
    WritePlacement(file, "TMainForm_Placement", {{50, 50, 1100, 500}, false});
    RestorePlacement(window, file);
    EXPECT_EQ(window.centred, 0);
    EXPECT_EQ(window.normal, (TRect{-250, 50, 800, 500}));
    EXPECT_EQ(ReadPlacement(file, "TMainForm_Placement", false).NormalRect,
              (TRect{-250, 50, 800, 500}));
}

TEST_F(PlacementTest, AMaximisedWindowReopensMaximisedOverItsNormalRectangle)
{
    window.normal = {30, 40, 530, 440};
    window.maximized = true;
    SavePlacement(window, file);

    FakeWindow reopened;
    RestorePlacement(reopened, file);
    EXPECT_TRUE(reopened.maximized);
    EXPECT_EQ(reopened.normal, (TRect{30, 40, 530, 440}));
}

TEST_F(PlacementTest, EachResolutionHasItsOwnSection)
{
    window.normal = {30, 40, 530, 440};
    SavePlacement(window, file);

    FakeWindow larger;
    larger.pixelsPerInch = 120;
    RestorePlacement(larger, file);
    EXPECT_EQ(larger.centred, 1);
    EXPECT_EQ(ReadPlacement(file, "TMainForm_Placement120", true).NormalRect,
              (TRect{200, 150, 600, 450}));
    EXPECT_EQ(ReadPlacement(file, "TMainForm_Placement", true).NormalRect,
              (TRect{30, 40, 530, 440}));
}

TEST_F(PlacementTest, APlacementWithoutMaximizedKeepsTheCurrentState)
{
    WriteFileBytes(file, "[TMainForm_Placement]\nLeft=1\nTop=2\nRight=301\nBottom=202\n");
    window.maximized = true;
    RestorePlacement(window, file);
    EXPECT_TRUE(window.maximized);
    EXPECT_EQ(window.normal, (TRect{1, 2, 301, 202}));
    EXPECT_TRUE(TIniFile(file).ReadBool("TMainForm_Placement", "Maximized", false));
}

TEST_F(PlacementTest, ARefusedWriteComesThroughAfterTheWindowIsPlaced)
{
    const auto unreachable = dir / "missing" / "Nudgeon.INI";
    EXPECT_THROW(RestorePlacement(window, unreachable), EIniFileError);
    EXPECT_EQ(window.centred, 1);
    EXPECT_THROW(SavePlacement(window, unreachable), EIniFileError);
}

} // namespace
} // namespace nudgeon
