// The application-wide switch of tool tips.
#pragma once

namespace nudgeon {

// Shows or hides every tool tip of the program.
void SetHintsEnabled(bool enabled);
bool HintsEnabled();

} // namespace nudgeon
