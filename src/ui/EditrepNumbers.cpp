#include "ui/EditrepNumbers.h"

#include <algorithm>
#include <charconv>

namespace nudgeon {

int NumberFieldValue(std::string_view text, int minimum)
{
    // from_chars takes no plus sign.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return minimum;
    return value;
}

int PullIntoLimits(int value, int minimum, int maximum)
{
    return std::clamp(value, minimum, maximum);
}

} // namespace nudgeon
