#include "store/IniFile.h"

#include "StoreTestSupport.h"
#include "store/StoreErrors.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace nudgeon {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

TEST(ProfileIntegerTest, ReadsDecimalAndBothHexadecimalForms)
{
    constexpr auto min32 = std::numeric_limits<std::int32_t>::min();
    constexpr auto max32 = std::numeric_limits<std::int32_t>::max();
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0x3C", 60},
        {"0X3c", 60},
        {"$3C", 60},
        {"$ff", 255},
        {"-$3C", -60},
        {"0xFFFFFFFF", -1},
        {"60", 60},
        {"-5", -5},
        {"+7", 7},
        {"   42", 42},
        {"2147483647", max32},
        {"-2147483648", min32},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"12abc", std::nullopt},
        {"2147483648", std::nullopt},
        {"0x1G", std::nullopt},
        {"0x123456789", std::nullopt},
        {"-", std::nullopt},
        {"- 5", std::nullopt},
        {"yes", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseProfileInteger(c.text), c.value);
    }
}

class IniFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::filesystem::path file = dir / "Nudgeon.INI";
};

TEST_F(IniFileTest, NamesIgnoreCaseAndBlanksAndQuotesAroundValuesDoNotCount)
{
    WriteFileBytes(file, "[SOUNDS]\n"
                         "  wavefile =  /home/me/bell.wav  \n"
                         "Quoted=\"two words\"\n"
                         "Single='x'\n"
                         "Empty=\n"
                         "; Commented=1\n"
                         "[ misc ]\r\n"
                         "hints=0\n");
    const TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("Sounds", "WaveFile", "?"), "/home/me/bell.wav");
    EXPECT_EQ(ini.ReadString("sounds", "QUOTED", "?"), "two words");
    EXPECT_EQ(ini.ReadString("Sounds", "Single", "?"), "x");
    EXPECT_EQ(ini.ReadString("Sounds", "Empty", "?"), "");
    EXPECT_EQ(ini.ReadString("Sounds", "; Commented", "?"), "?");
    EXPECT_EQ(ini.ReadString("Sounds", "Missing", "?"), "?");
    EXPECT_EQ(ini.ReadString("Other", "WaveFile", "?"), "?");
    EXPECT_FALSE(ini.ReadBool("Misc", "Hints", true));
}

TEST_F(IniFileTest, TextValuesAreCutTo1023Bytes)
{
    WriteFileBytes(file, "[S]\nK=" + std::string(1500, 'v') + "\n");
    EXPECT_EQ(TIniFile(file).ReadString("S", "K", ""), std::string(1023, 'v'));
}

TEST_F(IniFileTest, AMissingFileReadsAsEmpty)
{
    const TIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("Timeout", "Seconds", 7), 7);
    EXPECT_TRUE(ini.ReadBool("Misc", "Hints", true));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(IniFileTest, ANewFileGetsSectionsInTheOrderWritten)
{
    TIniFile ini(file);
    ini.WriteString("Sounds", "WaveFile", "");
    ini.WriteBool("Tray", "Use", true);
    ini.WriteInteger("Timeout", "Seconds", -30);
    ini.WriteInteger("Sounds", "Volume", 5);
    EXPECT_EQ(ReadFileBytes(file), "[Sounds]\nWaveFile=\nVolume=5\n[Tray]\nUse=1\n"
                                   "[Timeout]\nSeconds=-30\n");
}

TEST_F(IniFileTest, RewritingKeepsEverythingItDoesNotChange)
{
    WriteFileBytes(file, "; Nudgeon settings\n"
                         "[Tray]\n"
                         "use = 0\n"
                         "Colour=blue\n"
                         "\n"
                         "[Unknown]\n"
                         "Key=kept\n");
    TIniFile ini(file);
    ini.WriteBool("TRAY", "Use", true);
    ini.WriteString("Tray", "Added", "new");
    ini.WriteInteger("Misc", "Hints", 1);
    EXPECT_EQ(ReadFileBytes(file), "; Nudgeon settings\n"
                                   "[Tray]\n"
                                   "use=1\n"
                                   "Colour=blue\n"
                                   "Added=new\n"
                                   "\n"
                                   "[Unknown]\n"
                                   "Key=kept\n"
                                   "[Misc]\n"
                                   "Hints=1\n");
    EXPECT_EQ(TIniFile(file).ReadString("Unknown", "Key", ""), "kept");
}

TEST_F(IniFileTest, AFileWithWindowsLineEndsKeepsThem)
{
    WriteFileBytes(file, "[Tray]\r\nUse=0\r\n");
    TIniFile ini(file);
    ini.WriteBool("Tray", "Use", true);
    EXPECT_EQ(ReadFileBytes(file), "[Tray]\r\nUse=1\r\n");
}

TEST_F(IniFileTest, ARefusedWriteFailsWithThePathAndChangesNothing)
{
    const auto unreachable = dir / "missing folder" / "Nudgeon.INI";
    TIniFile ini(unreachable);
    try {
        ini.WriteString("Sounds", "WaveFile", "x");
        ADD_FAILURE() << "the write was not refused";
    } catch (const EIniFileError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + unreachable.string());
    }
    EXPECT_EQ(ini.ReadString("Sounds", "WaveFile", "default"), "default");
}

} // namespace
} // namespace nudgeon
