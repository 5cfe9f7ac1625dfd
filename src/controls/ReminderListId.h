// Which of the two reminder lists is meant; also the index of the page that shows it.
#pragma once

namespace nudgeon {

enum class ReminderListId { OneTime = 0, Repeating = 1 };

} // namespace nudgeon
