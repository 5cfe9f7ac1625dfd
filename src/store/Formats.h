// Switching between the program's fixed date and time formats and the user's own.
//
// Five settings change: the short date format, the date and time separators and the two
// designators. Every other format setting in force is left as it is.
#pragma once

#include "model/DateTime.h"

namespace nudgeon {

// WithProgramFormats (model/DateTime.h) puts the program's five fixed values into settings.
// The five values of user put into settings.
TFormatSettings WithUserFormats(TFormatSettings settings, const TFormatSettings& user);

// Keeps the user's five values aside (by default the system's). Called once at start, before
// UseProgramFormats(); until then the system's values stand for the user's.
void SaveSystemFormats(const TFormatSettings& user = SystemFormatSettings());
// Puts the kept user values in force, for the moments the user reads or types a time.
void UseSystemFormats();
// Puts the program's fixed values back in force.
void UseProgramFormats();

} // namespace nudgeon
