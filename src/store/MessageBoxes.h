// ShowInfo and AskConfirm: the program's two message boxes, shown by whatever the UI installs.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace nudgeon {

inline constexpr std::string_view InfoCaption = "Information";
inline constexpr std::string_view ConfirmCaption = "Confirm";

// The UI shows the text under the caption: an information box with OK, or a question with Yes
// and No that answers true exactly for Yes.
struct MessageBoxHooks {
    std::function<void(std::string_view caption, std::string_view text)> showInfo;
    std::function<bool(std::string_view caption, std::string_view text)> askConfirm;
};

// Replaces the hooks; an empty hook restores the fallback: the information goes to standard
// error and the question is answered No, which never destroys anything.
void SetMessageBoxHooks(MessageBoxHooks hooks);

void ShowInfo(std::string_view text);
bool AskConfirm(std::string_view text);

} // namespace nudgeon
