// The items of the "Adjust Time +-" menu, from which the main window builds the menu.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace nudgeon {

struct AdjustMenuItem {
    std::string_view Name;
    // Empty for the separator.
    std::string_view Caption;
    // The item's tag: the minutes it shifts the reminder by.
    std::int32_t Minutes = 0;

    constexpr bool IsSeparator() const { return Caption.empty(); }
};

inline constexpr std::array<AdjustMenuItem, 19> AdjustItemTimeMenu{{
    {"Add1Minute", "+1 Minute", 1},        {"Add5Minutes", "+5 Minutes", 5},
    {"Add20Minutes", "+20 Minutes", 20},   {"Add1Hour", "+1 Hour", 60},
    {"N2Hours1", "+2 Hours", 120},         {"N6Hours1", "+6 Hours", 360},
    {"N12Hours1", "+12 Hours", 720},       {"Add1Day", "+1 Day", 1440},
    {"Add1Week", "+1 Week", 10080},        {"N3", "", 0},
    {"Less1Minute", "-1 Minute", -1},      {"Less5Minutes", "-5 Minutes", -5},
    {"Less20Minutes", "-20 Minutes", -20}, {"Less1Hour", "-1 Hour", -60},
    {"N2Hours2", "-2 Hours", -120},        {"N6Hours2", "-6 Hours", -360},
    {"N12Hours2", "-12 Hours", -720},      {"LessOneDay", "-1 Day", -1440},
    {"LessOneWeek", "-1 Week", -10080},
}};

} // namespace nudgeon
