// The data file's record of one reminder (TReminder::SaveTo / LoadFrom) and its old date form.
#pragma once

#include "model/DateTime.h"

namespace nudgeon {

// Old files counted alarm dates from 0001-01-01 as day 1; 1899-12-30 is day 693594 there.
inline constexpr TDateTime LegacyDateOffset = 693594;
// Every real date in the old count lies above 693594, while in today's count 600000 is the
// year 3542, so values above this are old dates and everything up to it is taken as it is.
inline constexpr TDateTime LegacyDateThreshold = 600000;

// A stored alarm time in today's count of days.
TDateTime ConvertLegacyDate(TDateTime stored);

} // namespace nudgeon
