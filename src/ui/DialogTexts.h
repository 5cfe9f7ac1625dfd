// The captions and hints of dialog controls, and the texts several dialogs share.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace nudgeon {

// A control's name, its caption (empty where it shows none) and its hint. A line break in a
// hint is part of the text.
struct TControlText {
    std::string_view Name;
    std::string_view Caption;
    std::string_view Hint;
};

// The texts of the control with that name; the table has an entry for every control asked for.
template <std::size_t N>
constexpr const TControlText& TextOf(const std::array<TControlText, N>& table,
                                     std::string_view name)
{
    return *std::ranges::find(table, name, &TControlText::Name);
}

// Whether every entry of a table has a name; one declared longer than its entries has not.
template <std::size_t N> constexpr bool AllNamed(const std::array<TControlText, N>& table)
{
    return std::ranges::none_of(table, [](const TControlText& text) { return text.Name.empty(); });
}

// The entries of every event type list, in the order of TEventType.
inline constexpr std::array<std::string_view, 4> EventTypeEntries{
    "Show message and play sound", "Only show message", "Only play sound", "Do Nothing"};

inline constexpr std::string_view SoundFileHint =
    "Path and name of the sound file (*.wav or *.mid)";
inline constexpr std::string_view QuickSetHint = "Click for Quick Time Set";

inline constexpr TControlText ChooseButtonText{
    "SelectWavButton", "&Choose", "Select the sound file from a Windows\nFile Open dialog"};
inline constexpr TControlText PlayNowButtonText{"PlayNowButton", "Play &Now",
                                                "Play the sound file you have selected"};
inline constexpr TControlText ShhhhButtonText{"BitBtn1", "Shhhh", "Stop a sound file from playing"};
inline constexpr TControlText OkButtonText{"Okbutton", "Ok", "Save this time"};
inline constexpr TControlText CancelButtonText{"CancelButton", "&Cancel",
                                               "Cancel all changes made"};
inline constexpr TControlText HelpButtonText{"Helpbutton", "&Help",
                                             "Get Windows help for Nudgeon!"};

} // namespace nudgeon
