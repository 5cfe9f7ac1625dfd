// TPreferences: the dialog in which the user edits the program-wide settings, and the command
// that shows it.
#pragma once

#include "ui/SoundDialog.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace nudgeon {

class TSpinEdit;

// Use: construct, fill with CopySettingsIn, exec(); on mrOk (1) CopySettingsOut. The three
// fields below have no control of their own; the other settings travel in EventTypeCombo,
// MiniMizeToTray, ShowHints and AnimateIcon.
class TPreferences : public TSoundDialog {
    Q_OBJECT

public:
    explicit TPreferences(QWidget* parent = nullptr, SoundPreview sound = {});

    // Seconds before an unanswered notification answers by itself; 0 waits indefinitely.
    std::int32_t TimeoutSeconds = 0;
    // The answer then: 1 Ok, -N a snooze of N minutes; 0 together with TimeoutSeconds 0.
    std::int32_t TimeoutAction = 0;
    // The sound new reminders get; set by "&Choose" and by the field's text on Ok.
    std::string DefaultWaveFile;

    QLabel* Label1 = nullptr;
    QRadioButton* Continue = nullptr;
    QRadioButton* WaitFor = nullptr;
    TSpinEdit* Minutes = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* Action = nullptr;
    QCheckBox* ShowHints = nullptr;
    QLabel* Label7 = nullptr;
    QCheckBox* MiniMizeToTray = nullptr;
    QLabel* Label6 = nullptr;
    QCheckBox* AnimateIcon = nullptr;
    QPushButton* Okbutton = nullptr;

    // Enables the minutes and the answer exactly while "Wait for" is chosen.
    void ContinueClick();
    void OkbuttonClick();

protected:
    void FormActivate() override;
    std::string& CurrentSoundFile() override { return DefaultWaveFile; }

private:
    void CreatePlacedSoundControls();
    void CreateTimeoutControls();
    void CreateSwitches();
    void CreateButtons();
    void ConnectControls();
};

// The settings variables into the dialog; "Animate Tray Icon" is offered only when asked.
void CopySettingsIn(TPreferences& dialog, bool animationOffered);
// The dialog's values into the settings variables.
void CopySettingsOut(const TPreferences& dialog);

// What the Set Preferences command needs from the main window.
struct TPreferencesCommand {
    QWidget* MainWindow = nullptr;
    std::filesystem::path SettingsFile;
    SoundPreview Sound;
    // Whether the desktop has a tray to animate an icon in.
    bool TrayAvailable = false;
    // Applies UseTray and AnimateTrayIcon to the tray icon.
    std::function<void()> ApplyTray;
};

// The Set Preferences command while the tick is stopped: reads the settings file, shows the
// dialog over the main window and, on Ok, writes the settings, switches the tool tips and
// applies the tray. Returns whether Ok was pressed. A failed write (EIniFileError) leaves the
// variables copied out but applies nothing; the caller shows the error.
bool RunPreferencesDialog(const TPreferencesCommand& command);

} // namespace nudgeon
