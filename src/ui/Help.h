// The program's help window: pages shipped in the program, opened at a topic's number.
#pragma once

class QUrl;
class QWidget;

namespace nudgeon {

// Topic numbers of the windows that offer help.
inline constexpr int HelpMainWindow = 1009;
inline constexpr int HelpOneTimeEditor = 1004;
inline constexpr int HelpRepeatingEditor = 2986;
inline constexpr int HelpTimeSetDialog = 2987;
inline constexpr int HelpPreferences = 1015;

// Shows the help window (one for the whole program, created on first use) at the topic.
void ShowHelpTopic(int contextNumber, QWidget* parent = nullptr);

// The page of a topic; an unknown number gives the contents page.
QUrl HelpTopicUrl(int contextNumber);

// The help window once it has been shown, else null.
QWidget* HelpWindow();

} // namespace nudgeon
