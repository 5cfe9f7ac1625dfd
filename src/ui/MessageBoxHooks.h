// Shows the program's information and question boxes with Qt.
#pragma once

namespace nudgeon {

// Makes ShowInfo and AskConfirm open Qt message boxes over the active window.
void InstallMessageBoxes();

} // namespace nudgeon
