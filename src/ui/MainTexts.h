// The fixed captions and hints of the main window, its menus and its tray menu.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace nudgeon {

inline const QString MainFormCaption = "Nudgeon!";

struct ControlText {
    const char* Name;
    QString Caption;
    QString Hint;
};

// Hints keep their line breaks.
inline const std::array<ControlText, 5> TopBarButtons{{
    {"AddAlarmButton", "&New", "Add a new reminder"},
    {"EditAlarmButton", "&Edit", "Edit current reminder"},
    {"DeleteAlarmButton", "&Delete", "Delete current reminder"},
    {"CloneButton", "&Clone", "Make a copy of \ncurrent reminder"},
    {"AdjustTimeButton", "Adjust Time +-", "Adjust the current reminder time \nplus or minus "},
}};

inline const std::array<ControlText, 2> BottomBarButtons{{
    {"Minimizebutton", "Minimize", "Minimize Nudgeon!"},
    {"Exitbutton", "E&xit", "Exit Nudgeon!"},
}};

inline const std::array<QString, 3> MenuCaptions{"&File", "&Help", "Online"};

struct MenuItemText {
    int Menu; // index into MenuCaptions
    const char* Name;
    QString Caption; // empty for a separator
    QString Hint;
};

inline const std::array<MenuItemText, 10> MainMenuItems{{
    {0, "mnuSetPreferences", "&Set Preferences", ""},
    {0, "", "", ""},
    {0, "mnuDeleteremindersmarkedasdone", "Delete reminders marked as &Done", ""},
    {0, "Deleteremindersmarkedasexpired1", "Delete reminders marked as &Expired", ""},
    {0, "", "", ""},
    {0, "Exit2", "E&xit", ""},
    {1, "mnuContents", "&Contents", "Show Windows Help for Nudgeon!"},
    {1, "", "", ""},
    {1, "mnuAbout", "&About", "About Nudgeon!"},
    {2, "VisitOurInternetWebsite1", "Visit Our Internet Website", ""},
}};

inline const std::array<QString, 2> TrayMenuCaptions{"&Show Nudgeon", "E&xit"};
inline const QStringList TabCaptions{"Reminders", "Repeat Reminders"};
inline const QStringList OneTimeHeaders{"Reminder", "When", "Status"};
inline const QStringList RepeatingHeaders{"Repeat Reminder", "Days", "First Time",
                                          "Repeat Every...", "Next Reminder"};

} // namespace nudgeon
