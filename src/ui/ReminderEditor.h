// TReminderEditor: what the one-time and the repeating reminder editor share: the message, the
// time field with its quick set, the event type and sound file, and the Save button.
#pragma once

#include "model/Reminder.h"
#include "ui/SoundDialog.h"

#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace nudgeon {

class TReminderEditor : public TSoundDialog {
    Q_OBJECT

public:
    // The sound file's path; Save takes the field's text and drops a file that does not exist.
    std::string SoundFile;
    // The position in EventTypeCombo, kept equal to its selection once the dialog is shown.
    TEventType EventType = etShowAndPlay;

    QLabel* Label5 = nullptr;
    QLineEdit* Descript = nullptr;
    QLabel* TimeCaption = nullptr;
    QLineEdit* TimeEdit = nullptr;
    QToolButton* ExplorerButton1 = nullptr;
    QPushButton* SetAlarmButton = nullptr;

    // Rewrites a readable TimeEdit in the user's short time format; otherwise tells the user and
    // shows the current time.
    bool CheckValidTime();
    // Checks the time and opens the quick time-set dialog on it.
    void ExplorerButton1Click();
    // The sound file field and "&Choose" are enabled only for the event types that play a sound.
    void EventTypeComboClick();
    // Checks what was entered and, when it holds, closes with mrOk.
    virtual void SetAlarmButtonClick() = 0;

protected:
    TReminderEditor(QWidget* parent, int helpTopic, SoundPreview sound);

    // Label5 and Descript, the message with its default text.
    QWidget* CreateMessageGroup();
    // TimeCaption, TimeEdit and ExplorerButton1 with parent.
    void CreateTimeControls(QWidget* parent, std::string_view timeCaption);
    // The sound group with parent; the editors differ only in the field's hint.
    void CreateEditorSoundControls(QWidget* parent, std::string_view soundFileHint);
    // Save, Cancel and Help.
    QWidget* CreateButtons(TButtonAlignment alignment);
    static QToolButton* MakeQuickSetButton(QWidget* parent, std::string_view name);

    // Activation's part that both editors share: the list shows EventType (a damaged data file
    // may hold any value; such a reminder shows the first entry), the field SoundFile.
    void ShowEventTypeAndSoundFile();
    // Opens the quick time-set dialog on a field's time and writes back the chosen one.
    void QuickSetTime(QLineEdit& field);
    // SoundFile becomes the field's text, or empty when that names no existing file.
    void TakeSoundFile();

    std::string& CurrentSoundFile() override { return SoundFile; }
};

} // namespace nudgeon
