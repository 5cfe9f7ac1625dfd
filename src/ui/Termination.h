// Ends the program in good order when the system asks it to (SIGTERM, SIGINT, SIGHUP).
#pragma once

class QWidget;

namespace nudgeon {

// A termination request closes the main window as the user's Exit would, so the reminders
// are saved; the program then ends even if the window refused to close.
void CloseOnTerminationRequest(QWidget& mainWindow);

} // namespace nudgeon
