// How the preferences dialog shows the notification's time-out settings and reads them back.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace nudgeon {

// The entries of the dialog's time-out answer list and the answers they give.
struct TTimeoutAnswer {
    std::string_view Caption;
    std::int32_t Action;
};

inline constexpr std::array<TTimeoutAnswer, 5> TimeoutAnswers{{
    {"Click the OK button", 1},
    {"Click the 5 minutes button", -5},
    {"Click the 10 minutes button", -10},
    {"Click the 30 minutes button", -30},
    {"Click the 60 minutes button", -60},
}};

inline constexpr int TimeoutMinutesMin = 1;
inline constexpr int TimeoutMinutesMax = 60;
// The list without a selection.
inline constexpr int NoAnswer = -1;

// What the time-out controls show: "Wait for" or "Continue waiting ", the minutes and the
// list position (NoAnswer when the action is none of the list's).
struct TTimeoutChoice {
    bool WaitFor = false;
    int Minutes = 10;
    int Answer = NoAnswer;
    bool operator==(const TTimeoutChoice&) const = default;
};

// The time-out settings as stored.
struct TTimeoutSetting {
    std::int32_t Seconds = 0;
    std::int32_t Action = 0;
    bool operator==(const TTimeoutSetting&) const = default;
};

// Whole minutes, truncated and brought into 1 to 60; action 0 selects the first entry as 1 does.
TTimeoutChoice TimeoutChoiceFor(const TTimeoutSetting& setting);

// "Continue waiting " stores 0 and 0; "Wait for" the minutes in seconds and the selected
// answer, keeping the previous action when nothing is selected.
TTimeoutSetting TimeoutSettingFor(const TTimeoutChoice& choice, std::int32_t previousAction);

} // namespace nudgeon
