#include "store/Settings.h"

#include "StoreTestSupport.h"
#include "store/ProgramDir.h"
#include "store/StoreErrors.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nudgeon {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { SetAllToNonDefaults(); }
    void TearDown() override
    {
        // Leave the program-wide values as a fresh program has them.
        ReadSettings(dir / "none.INI");
    }
    static void SetAllToNonDefaults()
    {
        DefaultWaveFile = "/x.wav";
        UseTray = true;
        TimeoutSeconds = 99;
        TimeoutAction = -99;
        DefaultEventType = etNothing;
        UseHints = false;
        AnimateTrayIcon = true;
    }

    test::TempDir dir;
    std::filesystem::path file = dir / "Nudgeon.INI";
};

TEST_F(SettingsTest, NoFileGivesTheDefaults)
{
    ReadSettings(file);
    EXPECT_EQ(DefaultWaveFile, "");
    EXPECT_FALSE(UseTray);
    EXPECT_EQ(TimeoutSeconds, 0);
    EXPECT_EQ(TimeoutAction, 0);
    EXPECT_EQ(DefaultEventType, etShowAndPlay);
    EXPECT_TRUE(UseHints);
    EXPECT_FALSE(AnimateTrayIcon);
}

TEST_F(SettingsTest, ValuesReadAsWrittenOrFallBackToTheDefault)
{
    const struct {
        const char* lines;
        std::int32_t seconds;
        bool hints;
        bool animate;
    } cases[] = {
        {"[Timeout]\nSeconds=0x3C\n", 60, true, false},
        {"[Timeout]\nSeconds=$3C\n", 60, true, false},
        {"[Timeout]\nSeconds=0x\n", 0, true, false},
        {"[Timeout]\nSeconds=abc\n", 0, true, false},
        {"[Timeout]\nSeconds=-5\n", -5, true, false},
        {"[Misc]\nHints=2\n", 0, true, false},
        {"[Misc]\nHints=0\n", 0, false, false},
        {"[Misc]\nHints=yes\n", 0, true, false},
        {"[Misc]\nAnimateIcon=yes\n", 0, true, false},
        {"[Misc]\nAnimateIcon=-1\n", 0, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        WriteFileBytes(file, c.lines);
        SetAllToNonDefaults();
        ReadSettings(file);
        EXPECT_EQ(TimeoutSeconds, c.seconds);
        EXPECT_EQ(UseHints, c.hints);
        EXPECT_EQ(AnimateTrayIcon, c.animate);
    }
}

TEST_F(SettingsTest, TheEventTypeTakesTheLowEightBits)
{
    WriteFileBytes(file, "[Events]\nType=258\n");
    ReadSettings(file);
    EXPECT_EQ(DefaultEventType, etPlayOnly);
}

TEST_F(SettingsTest, DefaultsMakeANewFileInTheTablesOrder)
{
    ReadSettings(file);
    WriteSettings(file);
    EXPECT_EQ(ReadFileBytes(file), "[Sounds]\nWaveFile=\n"
                                   "[Tray]\nUse=0\n"
                                   "[Timeout]\nSeconds=0\nAction=0\n"
                                   "[Events]\nType=0\n"
                                   "[Misc]\nHints=1\nAnimateIcon=0\n");
}

TEST_F(SettingsTest, WrittenValuesReadBackAndOtherSectionsStay)
{
    WriteFileBytes(file, "[TMainForm_Placement]\nLeft=10\n[Misc]\nHints=1\nExtra=keep\n");
    DefaultWaveFile = "/home/me/Sounds/\xC3\xA9t\xC3\xA9.wav";
    UseTray = true;
    TimeoutSeconds = 45;
    TimeoutAction = -10;
    DefaultEventType = etShowOnly;
    UseHints = false;
    AnimateTrayIcon = true;
    WriteSettings(file);

    SetAllToNonDefaults();
    DefaultWaveFile.clear();
    ReadSettings(file);
    EXPECT_EQ(DefaultWaveFile, "/home/me/Sounds/\xC3\xA9t\xC3\xA9.wav");
    EXPECT_TRUE(UseTray);
    EXPECT_EQ(TimeoutSeconds, 45);
    EXPECT_EQ(TimeoutAction, -10);
    EXPECT_EQ(DefaultEventType, etShowOnly);
    EXPECT_FALSE(UseHints);
    EXPECT_TRUE(AnimateTrayIcon);
    const std::string text = ReadFileBytes(file);
    EXPECT_NE(text.find("[TMainForm_Placement]\nLeft=10\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Extra=keep\n"), std::string::npos) << text;
}

TEST_F(SettingsTest, ARefusedWriteReachesTheCaller)
{
    const auto unreachable = dir / "missing" / "Nudgeon.INI";
    try {
        WriteSettings(unreachable);
        ADD_FAILURE() << "the write was not refused";
    } catch (const EIniFileError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + unreachable.string());
    }
}

TEST_F(SettingsTest, BothSpellingsOfTheFileNameReachTheOneFile)
{
    WriteFileBytes(dir / "NUDGEON.INI", "[Tray]\nUse=1\n");
    ReadSettings(SettingsFileIn(dir.Path()));
    EXPECT_TRUE(UseTray);
    UseTray = false;
    WriteSettings(SettingsFileIn(dir.Path()));
    // Still one file, under the name it had.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"NUDGEON.INI"});
    EXPECT_NE(ReadFileBytes(dir / "NUDGEON.INI").find("Use=0"), std::string::npos);
}

} // namespace
} // namespace nudgeon
