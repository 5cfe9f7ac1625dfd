#include "BenchData.h"

#include "model/DaysSpec.h"
#include "store/DataFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace nudgeon::bench {
namespace {

constexpr int DaysBefore = 5 * 365;
constexpr int DaysAfter = 365;
constexpr double MinuteOfDay = 1.0 / MinutesPerDay;

// Deterministic on every platform, unlike the standard distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    template <typename T, std::size_t N> const T& Pick(const std::array<T, N>& items)
    {
        return items[static_cast<std::size_t>(Below(static_cast<int>(N)))];
    }

private:
    std::uint64_t state_;
};

constexpr std::array<std::string_view, 16> Verbs{
    "Call", "Email", "Pay",   "Pick up", "Book",   "Renew",  "Water",   "Take",
    "Send", "Check", "Order", "Prepare", "Review", "Cancel", "Back up", "Ask"};
constexpr std::array<std::string_view, 16> Objects{"the dentist about the cleaning",
                                                   "Mum about Sunday lunch",
                                                   "the electricity bill",
                                                   "the kids from football practice",
                                                   "a table at Café Zoë for Friday",
                                                   "the car insurance",
                                                   "the plants",
                                                   "the blood-pressure pills",
                                                   "the quarterly report to Jürgen",
                                                   "the server logs",
                                                   "printer paper",
                                                   "the slides for the Monday meeting",
                                                   "the parcel at the post office",
                                                   "the gym membership",
                                                   "the photos to the external disk",
                                                   "the plumber about the leaking tap"};
constexpr std::array<std::string_view, 8> Tails{"",
                                                "",
                                                " before 5 pm",
                                                " - bring the receipt",
                                                " (again!)",
                                                " and confirm by phone",
                                                " for next week",
                                                " tomorrow morning at the latest"};
constexpr std::array<std::string_view, 6> SoundFiles{"",
                                                     "",
                                                     "/home/ana/Sounds/chimes.wav",
                                                     "/home/ana/Sounds/Wake up call.mid",
                                                     "/usr/share/sounds/nudgeon/ding.wav",
                                                     "/home/ana/Music/alarms/birds.wav"};
constexpr std::array<TEventType, 6> EventTypes{etShowAndPlay, etShowAndPlay, etShowAndPlay,
                                               etShowOnly,    etPlayOnly,    etNothing};
constexpr std::array<std::int32_t, 9> Intervals{15, 20, 30, 45, 60, 90, 120, 180, 240};

std::string Description(Random& random)
{
    std::string text(random.Pick(Verbs));
    text += ' ';
    text += random.Pick(Objects);
    text += random.Pick(Tails);
    return text;
}

TDateTime WholeMinute(TDateTime value)
{
    return static_cast<double>(static_cast<std::int64_t>(value * MinutesPerDay)) / MinutesPerDay;
}

// Puts `now` on the clock while the lists are made, so that the same `now` gives the same
// lists whatever the time of the run.
class ClockAt {
public:
    explicit ClockAt(TDateTime now)
    {
        SetClock([now] { return now; });
    }
    ~ClockAt() { UseSystemClock(); }
    ClockAt(const ClockAt&) = delete;
    ClockAt& operator=(const ClockAt&) = delete;
};

bool IsQuiet(const TReminder& reminder, TDateTime now)
{
    return reminder.Status != rsPending ||
           reminder.AlarmTime > now + (QuietMinutes + 1) * MinuteOfDay;
}

std::unique_ptr<TReminder> MakeOneTime(Random& random, TDateTime alarmTime, TDateTime now)
{
    auto reminder =
        TReminder::CreateOneTime(rkOneTime, alarmTime, Description(random),
                                 std::string(random.Pick(SoundFiles)), random.Pick(EventTypes));
    // Most past reminders were answered; the others expired unanswered.
    if (alarmTime < now && random.Below(10) < 7)
        reminder->Status = rsDone;
    reminder->UpdateStatus();
    return reminder;
}

std::string WeekdaySet(Random& random)
{
    std::string digits;
    while (digits.empty()) {
        for (char day = '0'; day <= '6'; ++day) {
            if (random.Below(2) == 0)
                digits += day;
        }
    }
    return digits;
}

std::string DaysRule(Random& random)
{
    const int kind = random.Below(100);
    if (kind < 30)
        return "12345";
    if (kind < 45)
        return "0123456";
    if (kind < 52)
        return "06";
    if (kind < 65)
        return WeekdaySet(random);
    if (kind < 77)
        return MakeDayOfMonthSpec(1 + random.Below(28),
                                  random.Below(4) == 0 ? random.Below(13) : 0);
    if (kind < 89)
        return MakeSpecialSpec(random.Below(6), random.Below(8), 0);
    return MakeDayOfYearSpec(1 + random.Below(365));
}

std::unique_ptr<TReminder> MakeRepeating(Random& random, TDateTime now)
{
    const bool interval = random.Below(4) == 0;
    const std::int32_t every = interval ? random.Pick(Intervals) : 0;
    const int startMinute = interval ? random.Below(12 * 60) : 6 * 60 + random.Below(16 * 60);
    const TDateTime start = startMinute * MinuteOfDay;
    const bool hasUntil = interval && random.Below(2) == 0;
    const TDateTime end =
        hasUntil ? std::min(start + (2 + random.Below(9)) / 24.0, 23.0 / 24.0) : 0.0;
    auto reminder = TReminder::CreateRepeating(
        rkRepeating, start, hasUntil, end, DaysRule(random), every, Description(random),
        std::string(random.Pick(SoundFiles)), random.Pick(EventTypes));
    reminder->UpdateNextOccurrence();
    if (IsQuiet(*reminder, now))
        return reminder;
    // Due soon: start it after the quiet time, or else let its rule skip today.
    reminder->StartTime = WholeMinute(TimeOf(now)) + (QuietMinutes + 2) * MinuteOfDay;
    reminder->HasUntil = false;
    reminder->AlarmTime = 0;
    reminder->UpdateNextOccurrence();
    if (reminder->StartTime < EndOfDaySlot && IsQuiet(*reminder, now))
        return reminder;
    reminder->DaysSpec = MakeDayOfYearSpec(DayOfYear(now) % 365 + 1);
    reminder->AlarmTime = 0;
    reminder->UpdateNextOccurrence();
    return reminder;
}

} // namespace

ReminderList MakeOneTimeList(int count, TDateTime now)
{
    const ClockAt clock(now);
    Random random(0x4E75646765u + static_cast<std::uint64_t>(count));
    const TDateTime first = DateOf(now) - DaysBefore;
    const double step = static_cast<double>(DaysBefore + DaysAfter) / std::max(count, 1);
    const TDateTime quietFrom = now - 10 * MinuteOfDay;
    const TDateTime quietUntil = now + (QuietMinutes + 1) * MinuteOfDay;
    ReminderList list;
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        TDateTime alarmTime = WholeMinute(first + (i + random.Below(1000) / 1000.0) * step);
        // The grace before now and the quiet time after it hold nothing due.
        if (alarmTime >= quietFrom && alarmTime <= quietUntil)
            alarmTime = WholeMinute(quietUntil) + (1 + random.Below(120)) * MinuteOfDay;
        list.push_back(MakeOneTime(random, alarmTime, now));
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const auto& a, const auto& b) { return a->AlarmTime < b->AlarmTime; });
    return list;
}

BenchLists MakeReminderLists(int count, TDateTime now)
{
    BenchLists lists;
    lists.oneTime = MakeOneTimeList(count / 2, now);
    const ClockAt clock(now);
    Random random(0x5265706561u + static_cast<std::uint64_t>(count));
    const int repeating = count - count / 2;
    lists.repeating.reserve(static_cast<std::size_t>(repeating));
    for (int i = 0; i < repeating; ++i)
        lists.repeating.push_back(MakeRepeating(random, now));
    return lists;
}

void WriteDataFile(const std::filesystem::path& file, const BenchLists& lists)
{
    SaveToDisk(file, lists.oneTime, lists.repeating);
}

TempFolder::TempFolder()
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "nudgeon-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("Cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

} // namespace nudgeon::bench
