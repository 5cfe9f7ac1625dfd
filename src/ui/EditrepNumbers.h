// How the dialogs' whole-number fields read their text and keep their limits.
#pragma once

#include <string_view>

namespace nudgeon {

// The text read as a whole decimal number with an optional sign; the minimum when it is none
// (empty, other characters, or too large to hold).
int NumberFieldValue(std::string_view text, int minimum);

// The value brought into minimum..maximum.
int PullIntoLimits(int value, int minimum, int maximum);

} // namespace nudgeon
