#include "store/FileText.h"

#include "StoreTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace nudgeon {
namespace {

using test::Hex;

TEST(FileTextTest, RecognisesWellFormedUtf8Only)
{
    const struct {
        const char* name;
        const char* bytes;
        bool valid;
    } cases[] = {
        {"ASCII", "41 42 43", true},
        {"two bytes", "63 61 66 C3 A9", true},
        {"three bytes", "E2 82 AC", true},
        {"four bytes", "F0 9F 94 94", true},
        {"U+10FFFF", "F4 8F BF BF", true},
        {"Windows-1252 e acute", "63 61 66 E9", false},
        {"lone continuation byte", "80", false},
        {"cut short", "E2 82", false},
        {"overlong slash", "C0 AF", false},
        {"overlong three bytes", "E0 80 AF", false},
        {"surrogate", "ED A0 80", false},
        {"above U+10FFFF", "F4 90 80 80", false},
        {"C1 lead", "C1 BF", false},
        {"F5 lead", "F5 80 80 80", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsValidUtf8(Hex(c.bytes)), c.valid);
    }
}

TEST(FileTextTest, DecodesWindows1252IncludingItsSpecialRowAndUndefinedBytes)
{
    const struct {
        const char* bytes;
        const char* utf8;
    } cases[] = {
        {"41", "41"},    {"80", "E2 82 AC"}, {"81", "C2 81"}, {"85", "E2 80 A6"},
        {"8A", "C5 A0"}, {"93", "E2 80 9C"}, {"9F", "C5 B8"}, {"A0", "C2 A0"},
        {"E9", "C3 A9"}, {"FF", "C3 BF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(Windows1252ToUtf8(Hex(c.bytes)), Hex(c.utf8));
    }
}

TEST(FileTextTest, FileTextsStayWhenUtf8AndAreDecodedOtherwise)
{
    EXPECT_EQ(DecodeFileText("Dentist"), "Dentist");
    EXPECT_EQ(DecodeFileText(Hex("63 61 66 C3 A9")), Hex("63 61 66 C3 A9"));
    // A path with "é" written on Windows.
    EXPECT_EQ(DecodeFileText(Hex("43 3A 5C E9 2E 77 61 76")), Hex("43 3A 5C C3 A9 2E 77 61 76"));
    EXPECT_EQ(DecodeFileText(""), "");
}

} // namespace
} // namespace nudgeon
