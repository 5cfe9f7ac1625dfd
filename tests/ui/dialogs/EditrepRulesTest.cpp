#include "ui/EditrepRules.h"

#include "ui/EditrepNumbers.h"
#include "ui/TimeFields.h"
#include "ui/dialogs/DialogTestSupport.h"

#include <gtest/gtest.h>

namespace nudgeon {
namespace {

TRecurrenceChoice OfType(TRecurType type)
{
    TRecurrenceChoice choice;
    choice.Type = type;
    return choice;
}

TEST(DaysStringTest, EachRuleTypeBuildsItsTextOrNamesTheFault)
{
    struct Case {
        const char* what;
        TRecurrenceChoice choice;
        const char* daysSpec; // nullptr when the rule is refused
        std::string_view message;
    };
    auto days = [](std::array<bool, 7> chosen) {
        TRecurrenceChoice c = OfType(TRecurType::rtDayOfWeek);
        c.Days = chosen;
        return c;
    };
    auto dayOfMonth = [](int day, int month) {
        TRecurrenceChoice c = OfType(TRecurType::rtDayOfMonth);
        c.DayOfMonthDay = day;
        c.DayOfMonthMonth = month;
        return c;
    };
    auto dayOfYear = [](int day) {
        TRecurrenceChoice c = OfType(TRecurType::rtDayOfYear);
        c.DayOfYearDay = day;
        return c;
    };
    auto special = [](int occurrence, int weekday, int month) {
        TRecurrenceChoice c = OfType(TRecurType::rtSpecial);
        c.SpecialOccurrance = occurrence;
        c.SpecialDayOfWeek = weekday;
        c.SpecialMonth = month;
        return c;
    };
    const Case cases[] = {
        {"weekdays by default", TRecurrenceChoice{}, "12345", {}},
        {"Sunday first, Saturday last",
         days({true, false, false, true, false, false, true}),
         "036",
         {}},
        {"every day", days({true, true, true, true, true, true, true}), "0123456", {}},
        {"no day", days({}), nullptr, NoDayMessage},
        {"15 March", dayOfMonth(15, 3), "@15 3", {}},
        {"1st of every month", dayOfMonth(1, 0), "@ 1 0", {}},
        {"31 December", dayOfMonth(31, 12), "@3112", {}},
        {"day 0 of a month", dayOfMonth(0, 1), nullptr, BadDayOfMonthMessage},
        {"day 32 of a month", dayOfMonth(32, 1), nullptr, BadDayOfMonthMessage},
        {"no month", dayOfMonth(5, NoSelection), nullptr, BadMonthMessage},
        {"bad day before bad month", dayOfMonth(40, NoSelection), nullptr, BadDayOfMonthMessage},
        {"day 1 of the year", dayOfYear(1), "#1  ", {}},
        {"day 366 passes the check", dayOfYear(366), "#366", {}},
        {"day 367", dayOfYear(367), nullptr, BadDayOfYearMessage},
        {"day 0 of the year", dayOfYear(0), nullptr, BadDayOfYearMessage},
        {"4th Thursday of November", special(3, 4, 11), "$3 4 11", {}},
        {"last day of February", special(5, 7, 2), "$5 7 2 ", {}},
        {"no occurrence", special(NoSelection, 0, 0), nullptr, BadSpecialMessage},
        {"no weekday", special(0, NoSelection, 0), nullptr, BadSpecialMessage},
        {"no month for special", special(0, 0, NoSelection), nullptr, BadSpecialMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TDaysStringResult result = MakeDaysString(c.choice);
        EXPECT_EQ(result.Valid, c.daysSpec != nullptr);
        EXPECT_EQ(result.DaysSpec, c.daysSpec == nullptr ? "" : c.daysSpec);
        EXPECT_EQ(result.Message, c.message);
    }
}

TEST(DaysStringTest, OnlyTheChosenTypeIsChecked)
{
    // Faulty values of the other types do not stop a valid rule of the chosen one.
    TRecurrenceChoice choice = OfType(TRecurType::rtDayOfYear);
    choice.DayOfYearDay = 100;
    choice.Days = {};
    choice.DayOfMonthDay = 99;
    choice.SpecialMonth = NoSelection;
    EXPECT_EQ(MakeDaysString(choice).DaysSpec, "#100");
}

TEST(ChoiceFromDaysSpecTest, SetsTheControlsOfEachRuleType)
{
    struct Case {
        const char* daysSpec;
        TRecurrenceChoice expected;
    };
    const TRecurrenceChoice start; // as the dialog is built: Monday to Friday, first entries
    auto with = [&](auto change) {
        TRecurrenceChoice c = start;
        change(c);
        return c;
    };
    const Case cases[] = {
        {"12345", start},
        {"0123456", with([](auto& c) { c.Days = {true, true, true, true, true, true, true}; })},
        {"60", with([](auto& c) { c.Days = {true, false, false, false, false, false, true}; })},
        {"", with([](auto& c) { c.Days = {}; })},
        {"#100", with([](auto& c) {
             c.Type = TRecurType::rtDayOfYear;
             c.DayOfYearDay = 100;
         })},
        {"#366", with([](auto& c) {
             c.Type = TRecurType::rtDayOfYear;
             c.DayOfYearDay = 365;
         })},
        {"#0  ", with([](auto& c) {
             c.Type = TRecurType::rtDayOfYear;
             c.DayOfYearDay = 1;
         })},
        {"@15 3", with([](auto& c) {
             c.Type = TRecurType::rtDayOfMonth;
             c.DayOfMonthDay = 15;
             c.DayOfMonthMonth = 3;
         })},
        {"@99 0", with([](auto& c) {
             c.Type = TRecurType::rtDayOfMonth;
             c.DayOfMonthDay = 31;
         })},
        {"@ 113", with([](auto& c) {
             c.Type = TRecurType::rtDayOfMonth;
             c.DayOfMonthMonth = NoSelection;
         })},
        {"$3 4 11", with([](auto& c) {
             c.Type = TRecurType::rtSpecial;
             c.SpecialOccurrance = 3;
             c.SpecialDayOfWeek = 4;
             c.SpecialMonth = 11;
         })},
        {"$0 0 13", with([](auto& c) {
             c.Type = TRecurType::rtSpecial;
             c.SpecialMonth = NoSelection;
         })},
        {"$6 8 0 ", with([](auto& c) {
             c.Type = TRecurType::rtSpecial;
             c.SpecialOccurrance = NoSelection;
             c.SpecialDayOfWeek = NoSelection;
         })},
        // Unreadable rules of the three numbered kinds leave everything as it was.
        {"#abc", start},
        {"@", start},
        {"$1 x 0 ", start},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.daysSpec);
        EXPECT_EQ(ChoiceFromDaysSpec(c.daysSpec, start), c.expected);
    }
}

TEST(ChoiceFromDaysSpecTest, ARuleReadBackBuildsTheSameText)
{
    for (const char* daysSpec :
         {"135", "0123456", "#60 ", "@3112", "@ 1 0", "$5 5 0 ", "$4 7 2 "}) {
        SCOPED_TRACE(daysSpec);
        EXPECT_EQ(MakeDaysString(ChoiceFromDaysSpec(daysSpec, {})).DaysSpec, daysSpec);
    }
}

TEST(NumberFieldTest, TextReadsAsItsNumberOrTheMinimum)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"60", 60}, {"9", 9},    {"366", 366}, {"-5", -5},  {"+7", 7},   {"", 10},
        {"-", 10},  {"abc", 10}, {"12a", 10},  {" 12", 10}, {"+-3", 10}, {"99999999999", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NumberFieldValue(c.text, 10), c.value);
    }
    EXPECT_EQ(PullIntoLimits(9, 10, 720), 10);
    EXPECT_EQ(PullIntoLimits(721, 10, 720), 720);
    EXPECT_EQ(PullIntoLimits(30, 10, 720), 30);
}

class TimeCheckTest : public test::UserFormatsFixture {
protected:
    test::FakeClock clock{EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 42)};
    test::InfoRecorder infos;
};

TEST_F(TimeCheckTest, AReadableStartingTimeIsRewrittenInTheShortFormat)
{
    struct Case {
        bool twelveHour;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {true, "7:05:30 pm", "7:05 PM"}, {true, "9:15:40 am", "9:15 AM"},
        {true, "19:30", "7:30 PM"},      {true, "  12 am ", "12:00 AM"},
        {false, "19:30", "19:30"},       {false, "7:30 pm", "19:30"},
        {false, "0:5", "00:05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        UseLocale(c.twelveHour ? "en_US" : "de_DE");
        const TTimeFieldCheck check = CheckStartingTime(c.typed);
        EXPECT_TRUE(check.Valid);
        EXPECT_EQ(check.Text, c.shown);
        ExpectProgramFormatsInForce();
    }
    EXPECT_TRUE(infos.texts.empty());
}

TEST_F(TimeCheckTest, AnUnreadableStartingTimeIsReportedAndReplacedByNow)
{
    UseLocale("en_US");
    for (const char* typed : {"25:00", "", "noon", "7:61", "13:00 pm"}) {
        SCOPED_TRACE(typed);
        infos.texts.clear();
        const TTimeFieldCheck check = CheckStartingTime(typed);
        EXPECT_FALSE(check.Valid);
        EXPECT_EQ(check.Text, "2:07 PM");
        ASSERT_EQ(infos.texts.size(), 1u);
        EXPECT_EQ(infos.texts[0],
                  "Invalid time. Please use your Windows Time format\n   Example: 2:07 PM");
        ExpectProgramFormatsInForce();
    }
}

TEST_F(TimeCheckTest, TheEndingTimeMustBeReadableAndLaterThanTheStart)
{
    struct Case {
        const char* start;
        const char* end;
        bool valid;
        const char* shown;
        const char* message; // nullptr when none
    };
    const char* const unreadable =
        "Invalid ENDING time. Please use your Windows Time format\n   Example: 2:07 PM";
    const char* const notLater = "Invalid ENDING time. Must be greater than starting time";
    const Case cases[] = {
        {"9:00 AM", "5:00 pm", true, "5:00 PM", nullptr},
        {"9:00 AM", "9:01 AM", true, "9:01 AM", nullptr},
        {"9:00 AM", "9:00 AM", false, "10:00 AM", notLater},
        {"9:00 AM", "8:00 AM", false, "10:00 AM", notLater},
        // Both are times of the same day: after midnight is earlier.
        {"11:30 PM", "12:15 AM", false, "12:30 AM", notLater},
        {"9:00 AM", "later", false, "10:00 AM", unreadable},
        // Without a readable start only the ending text is checked.
        {"never", "8:00 AM", true, "8:00 AM", nullptr},
        {"never", "soon", false, "3:07 PM", unreadable},
    };
    UseLocale("en_US");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " to " + c.end);
        infos.texts.clear();
        const TTimeFieldCheck check = CheckEndingTime(c.end, c.start);
        EXPECT_EQ(check.Valid, c.valid);
        EXPECT_EQ(check.Text, c.shown);
        if (c.message == nullptr) {
            EXPECT_TRUE(infos.texts.empty());
        } else {
            ASSERT_EQ(infos.texts.size(), 1u);
            EXPECT_EQ(infos.texts[0], c.message);
        }
        ExpectProgramFormatsInForce();
    }
}

TEST_F(TimeCheckTest, MessagesAreShownWithTheProgramsFormatsBackInForce)
{
    UseLocale("de_DE");
    std::vector<std::string> shortDateFormats;
    SetMessageBoxHooks({[&](std::string_view, std::string_view) {
                            shortDateFormats.push_back(FormatsInForce().ShortDateFormat);
                        },
                        {}});
    EXPECT_FALSE(CheckStartingTime("soon").Valid);
    EXPECT_FALSE(CheckEndingTime("later", "9:00").Valid);
    EXPECT_FALSE(CheckEndingTime("8:00", "9:00").Valid);
    EXPECT_EQ(shortDateFormats, std::vector<std::string>(3, "mm/dd/yyyy"));
}

TEST_F(TimeCheckTest, TimesAreShownAndReadInTheUsersOwnFormat)
{
    UseLocale("de_DE");
    EXPECT_EQ(UserTimeText(EncodeTime(19, 30)), "19:30");
    EXPECT_EQ(ReadUserTime("19:30"), EncodeTime(19, 30));
    UseLocale("en_US");
    EXPECT_EQ(UserTimeText(EncodeTime(19, 30)), "7:30 PM");
    EXPECT_EQ(ReadUserTime("7:30 pm"), EncodeTime(19, 30));
    EXPECT_EQ(ReadUserTime("7.30"), std::nullopt);
    ExpectProgramFormatsInForce();
}

} // namespace
} // namespace nudgeon
