// The buttons of the notification window: their names, captions, hints and answers.
#pragma once

#include "schedule/TickServices.h"

#include <array>
#include <string_view>

namespace nudgeon {

struct AlarmButton {
    std::string_view Name;
    std::string_view Caption;
    std::string_view Hint;
    int Answer;
};

// In tab order: the eight snooze buttons, two rows of four, then Delete and Ok.
inline constexpr std::array<AlarmButton, 10> AlarmButtons{{
    {"b5min", "5 minutes", "Add 5 minutes to reminder time", -5},
    {"b10min", "10 minutes", "Add 10 minutes to reminder time", -10},
    {"b30min", "30 minutes", "Add 30 minutes to reminder time", -30},
    {"b1hour", "1 hour", "Add 60 minutes to reminder time", -60},
    {"b2hr", "2 hours", "Add 2 hours to reminder time", -120},
    {"b4hr", "4 hours", "Add 4 hours to reminder time", -240},
    {"b24hr", "24 hours", "Add 24 hours (one full day) to reminder time", -1440},
    {"OneWeek", "1 week", "Add one full week  to reminder time", -10080},
    {"DeleteButton", "Delete", "Delete this reminder", AnswerDelete},
    {"OkButton", "Ok", "Terminate this alarm", AnswerDone},
}};

inline constexpr int SnoozeButtonsPerRow = 4;
inline constexpr int SnoozeButtonCount = 8;

// A close that no button asked for (Alt+F4, the session ending, the program told to end)
// counts as Ok: Delete here would silently destroy a reminder when the user logs out.
inline constexpr int AnswerOnSystemClose = AnswerDone;

} // namespace nudgeon
