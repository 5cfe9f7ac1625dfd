#include "store/MessageBoxes.h"

#include <iostream>
#include <utility>

namespace nudgeon {

namespace {

MessageBoxHooks& Hooks()
{
    static MessageBoxHooks hooks;
    return hooks;
}

} // namespace

void SetMessageBoxHooks(MessageBoxHooks hooks)
{
    Hooks() = std::move(hooks);
}

void ShowInfo(std::string_view text)
{
    if (Hooks().showInfo) {
        Hooks().showInfo(InfoCaption, text);
        return;
    }
    std::cerr << InfoCaption << ": " << text << '\n';
}

bool AskConfirm(std::string_view text)
{
    if (Hooks().askConfirm)
        return Hooks().askConfirm(ConfirmCaption, text);
    return false;
}

} // namespace nudgeon
