// The text and mark colour of each body cell of the two reminder lists.
#pragma once

#include "model/Reminder.h"

#include <cstdint>
#include <string>

namespace nudgeon {

struct RgbColor {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    bool operator==(const RgbColor&) const = default;
};

inline constexpr RgbColor White{255, 255, 255};
inline constexpr RgbColor MarkRed{255, 0, 0};
inline constexpr RgbColor MarkYellow{255, 255, 0};
inline constexpr RgbColor MarkBlue{0, 0, 255};
inline constexpr RgbColor MarkGrey{128, 128, 128};

// What a body cell shows: its text and the colour of the small square in front of it.
struct CellContent {
    std::string Text;
    // White draws no square.
    RgbColor MarkColor = White;
    bool operator==(const CellContent&) const = default;
};

// The one-time list: "Reminder", "When", "Status" (marked by status).
CellContent AlarmGridCell(const TReminder& reminder, int col);
// The repeating list: "Repeat Reminder", "Days", "First Time", "Repeat Every...",
// "Next Reminder" (marked red for a firing today, grey otherwise).
CellContent RepeatingAlarmGridCell(const TReminder& reminder, int col);

// The mark of a one-time reminder's status; White (none) for rsRemove.
RgbColor StatusMarkColor(TReminderStatus status);

} // namespace nudgeon
