// Texts of the data and settings files in the ANSI code page of a Windows system.
#include "store/WindowsCodePage.h"

#include "StoreTestSupport.h"
#include "store/DataFile.h"
#include "store/Settings.h"
#include "support/FakeClock.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace nudgeon {
namespace {

using test::Hex;
using test::ToHex;

constexpr unsigned Latin = 1252;
constexpr unsigned Cyrillic = 1251;
constexpr unsigned Japanese = 932;

TEST(CodePageTest, ConvertsBothWaysThroughTheSystemsTables)
{
    const struct {
        unsigned codePage;
        const char* text;
        const char* bytes;
    } cases[] = {
        {Latin, "Café €5", "43 61 66 E9 20 80 35"},
        {Cyrillic, "Привет", "CF F0 E8 E2 E5 F2"},
        {Japanese, "日本 Ω", "93 FA 96 7B 20 83 B6"},
        {Utf8CodePage, "日本", "E6 97 A5 E6 9C AC"},
        {Latin, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CodePageToUtf8(Hex(c.bytes), c.codePage), c.text);
        EXPECT_EQ(ToHex(Utf8ToCodePage(c.text, c.codePage).value_or("none")), ToHex(Hex(c.bytes)));
    }
}

TEST(CodePageTest, CharactersThePageLacksGiveNothingOrMarks)
{
    EXPECT_FALSE(Utf8ToCodePage("Привет", Latin));
    EXPECT_FALSE(Utf8ToCodePage("é", Japanese));
    // No look-alike: "Ł" is not quietly written as "L".
    EXPECT_EQ(Utf8ToCodePageOrMarks("Łódź", Latin), "?\xF3"
                                                    "d?");
    EXPECT_EQ(Utf8ToCodePageOrMarks("日本é", Japanese), Hex("93 FA 96 7B 3F"));
}

TEST(CodePageTest, TellsSingleFromDoubleByteCodePages)
{
    EXPECT_TRUE(IsSingleByteCodePage(Latin));
    EXPECT_TRUE(IsSingleByteCodePage(Cyrillic));
    EXPECT_FALSE(IsSingleByteCodePage(Japanese));
    EXPECT_FALSE(IsSingleByteCodePage(Utf8CodePage));
}

TEST(FileTextRuleTest, TextsAreWrittenInTheAnsiCodePageWhereItHoldsThem)
{
    const struct {
        const char* name;
        unsigned codePage;
        const char* text;
        const char* bytes;
    } cases[] = {
        {"plain ASCII", Latin, "Dentist", "44 65 6E 74 69 73 74"},
        {"Latin", Latin, "Café", "43 61 66 E9"},
        {"Cyrillic", Cyrillic, "Привет", "CF F0 E8 E2 E5 F2"},
        {"Japanese", Japanese, "日本", "93 FA 96 7B"},
        // The page cannot hold it: UTF-8, which reading recognises.
        {"Cyrillic under Latin", Latin, "Привет", "D0 9F D1 80 D0 B8 D0 B2 D0 B5 D1 82"},
        // Its Latin bytes C3 A9 would read back as "é".
        {"Latin that looks like UTF-8", Latin, "Ã©", "C3 83 C2 A9"},
        {"double-byte page marks what it lacks", Japanese, "日本é", "93 FA 96 7B 3F"},
        {"UTF-8 system", Utf8CodePage, "Café", "43 61 66 C3 A9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ToHex(Utf8ToFileText(c.text, c.codePage)), ToHex(Hex(c.bytes)));
    }
}

TEST(FileTextRuleTest, TextsAreReadInTheAnsiCodePageAndUtf8OnlyWhereItCannotBeMistaken)
{
    const struct {
        const char* name;
        unsigned codePage;
        const char* bytes;
        const char* text;
    } cases[] = {
        {"Latin", Latin, "63 61 66 E9 20 80", "café €"},
        {"UTF-8 under a single-byte page", Latin, "63 61 66 C3 A9", "café"},
        {"UTF-8 under Cyrillic", Cyrillic, "D0 9F D1 80", "Пр"},
        {"Cyrillic", Cyrillic, "CF F0 E8 E2 E5 F2", "Привет"},
        // Double-byte pages make valid UTF-8 out of their own texts too often to guess.
        {"Japanese", Japanese, "93 FA 96 7B", "日本"},
        {"Japanese half-width katakana", Japanese, "C3 A9", "ﾃｩ"},
        {"UTF-8 system, Windows-1252 fallback", Utf8CodePage, "63 61 66 E9", "café"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FileTextToUtf8(Hex(c.bytes), c.codePage), c.text);
    }
}

TEST(FileTextRuleTest, EveryTextThePageCanHoldComesBackUnchanged)
{
    const char* texts[] = {"", "Dentist 12:00", "Café €", "Ã©", "Привет", "日本", "Łódź", "🔔"};
    for (const unsigned codePage : {Latin, Cyrillic, Japanese, Utf8CodePage}) {
        for (const char* text : texts) {
            SCOPED_TRACE(std::to_string(codePage) + " " + text);
            const bool holds = codePage != Japanese || Utf8ToCodePage(text, codePage).has_value();
            if (holds) {
                EXPECT_EQ(FileTextToUtf8(Utf8ToFileText(text, codePage), codePage), text);
            }
        }
    }
}

// Runs under the locale's code page: 1252 by default, and again under Cyrillic and Japanese
// ones, where NUDGEON_TEST_CODE_PAGE names the page Wine must then have chosen.
class ActiveCodePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* expected = std::getenv("NUDGEON_TEST_CODE_PAGE")) {
            ASSERT_EQ(ActiveCodePage(), std::stoul(expected));
        }
        for (const auto& c : Cases) {
            if (c.codePage == ActiveCodePage())
                sample = &c;
        }
        if (sample == nullptr)
            GTEST_SKIP() << "no sample text for code page " << ActiveCodePage();
    }

    struct Sample {
        unsigned codePage;
        const char* text;
        const char* bytes;
    };
    static constexpr Sample Cases[] = {
        {Latin, "Café", "43 61 66 E9"},
        {Cyrillic, "Привет", "CF F0 E8 E2 E5 F2"},
        {Japanese, "日本", "93 FA 96 7B"},
    };
    const Sample* sample = nullptr;
    test::TempDir dir;
};

TEST_F(ActiveCodePageTest, TheDataFileHoldsTextsInTheSystemsCodePage)
{
    const test::FakeClock clock(EncodeDate(2000, 1, 15));
    const auto file = dir / "Nudgeon.dat";
    ReminderList oneTime;
    ReminderList repeating;
    oneTime.push_back(
        TReminder::CreateOneTime(rkOneTime, 36540.5, sample->text, "", etShowAndPlay));
    SaveToDisk(file, oneTime, repeating);

    const std::string bytes = Hex(sample->bytes);
    const std::string record = Hex("06") + static_cast<char>(bytes.size()) + bytes;
    EXPECT_NE(test::ReadFileBytes(file).find(record), std::string::npos)
        << ToHex(test::ReadFileBytes(file));

    TDateTime lastDate = 0;
    LoadFromDisk(file, oneTime, repeating, lastDate);
    ASSERT_EQ(oneTime.size(), 1u);
    EXPECT_EQ(oneTime[0]->Description, sample->text);
}

TEST_F(ActiveCodePageTest, TheSettingsFileHoldsTextsInTheSystemsCodePage)
{
    const auto file = dir / "Nudgeon.INI";
    const std::string wave = std::string("C:\\Sounds\\") + sample->text + ".wav";
    DefaultWaveFile = wave;
    WriteSettings(file);
    EXPECT_NE(
        test::ReadFileBytes(file).find("WaveFile=C:\\Sounds\\" + Hex(sample->bytes) + ".wav\n"),
        std::string::npos);

    DefaultWaveFile.clear();
    ReadSettings(file);
    EXPECT_EQ(DefaultWaveFile, wave);
    DefaultWaveFile.clear();
}

} // namespace
} // namespace nudgeon
