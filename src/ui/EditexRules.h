// The one-time reminder editor's calendar steps, which need no window.
#pragma once

#include "model/DateTime.h"

namespace nudgeon {

// The same day a number of months away, or the target month's last day when it is shorter
// (31 January one month on gives the last day of February). A step that would leave years
// 1 to 9999 keeps the date.
DateParts StepMonths(DateParts date, int months);
// The same month and day a number of years away, except that 29 February first becomes
// 28 February. A step that would leave years 1 to 9999 keeps the date.
DateParts StepYears(DateParts date, int years);

} // namespace nudgeon
