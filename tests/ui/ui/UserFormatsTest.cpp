#include "ui/UserFormats.h"

#include "store/Formats.h"
#include "store/TimeText.h"

#include <gtest/gtest.h>

namespace nudgeon {
namespace {

TEST(UserFormats, QtPatternsBecomeTheProgramsPatterns)
{
    const std::pair<const char*, const char*> cases[] = {
        {"h:mm AP", "h:nn ampm"},
        {"HH:mm", "hh:nn"},
        {"h:mm:ss ap t", "h:nn:ss ampm"},
        {"dd.MM.yyyy", "dd.mm.yyyy"},
        {"M/d/yy", "m/d/yy"},
        {"dddd, MMMM d, yyyy", "dddd, mmmm d, yyyy"},
        {"d 'de' MMMM", "d 'de' mmmm"},
    };
    for (const auto& [qt, program] : cases)
        EXPECT_EQ(PatternFromQtFormat(qt), program) << qt;
}

struct LocaleCase {
    QLocale locale;
    const char* shortTime; // 19:30 in the user's short time format
    const char* date;      // 11 December 2026 in the user's short date format
};

TEST(UserFormats, TimesShowAndReadInTheUsersFormat)
{
    const LocaleCase cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "7:30 PM", "12/11/26"},
        {QLocale(QLocale::German, QLocale::Germany), "19:30", "11.12.26"},
    };
    const TDateTime evening = EncodeTime(19, 30);
    const TDateTime date = EncodeDate(2026, 12, 11);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        const TFormatSettings user = UserFormatSettings(c.locale);
        EXPECT_EQ(FormatDateTime(user.ShortTimeFormat, evening, user), c.shortTime);
        EXPECT_EQ(FormatDateTime(user.ShortDateFormat, date, user), c.date);
        // What the user sees, the user can type back.
        EXPECT_EQ(StrToTime(c.shortTime, user), evening);
    }
}

TEST(UserFormats, TheProgramRunsOnItsFixedFormatsWithTheUsersNames)
{
    const TFormatSettings saved = FormatsInForce();
    SetUpProgramFormats(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatDateTime("mmm dd, yyyy h:mmam/pm", EncodeDate(2026, 3, 1) + 0.75),
              "März 01, 2026 6:00pm");
    EXPECT_EQ(FormatsInForce().TimeSeparator, ":");
    EXPECT_EQ(FormatsInForce().ShortDateFormat, "mm/dd/yyyy");
    UseSystemFormats();
    EXPECT_EQ(FormatDateTime("ddddd", EncodeDate(2026, 3, 1)), "01.03.26");
    UseProgramFormats();
    EXPECT_EQ(FormatDateTime("ddddd", EncodeDate(2026, 3, 1)), "03/01/2026");
    SetFormatsInForce(saved);
}

} // namespace
} // namespace nudgeon
