// TSoundDialog: a dialog with the sound file group: the event list, the sound file field,
// "&Choose", "Play &Now" and "Shhhh".
#pragma once

#include "ui/DialogTexts.h"
#include "ui/ProgramDialog.h"
#include "ui/SoundFileDialog.h"
#include "ui/SoundPreview.h"

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nudgeon {

// The group's texts that differ from dialog to dialog; the three buttons read alike everywhere.
struct TSoundGroupTexts {
    TControlText EventLabel; // Label3
    TControlText EventList;  // EventTypeCombo
    TControlText FileLabel;  // Label4
    TControlText FileField;  // WaveFileEdit
};

class TSoundDialog : public TProgramDialog {
    Q_OBJECT

public:
    // The file dialog of "&Choose"; replaceable so that tests need no one at the screen.
    SoundFileChooser ChooseSoundFile;

    QLabel* Label3 = nullptr;
    QComboBox* EventTypeCombo = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* WaveFileEdit = nullptr;
    QPushButton* SelectWavButton = nullptr;
    QPushButton* PlayNowButton = nullptr;
    QPushButton* BitBtn1 = nullptr;

    // The file dialog starts beside the dialog's sound file; a chosen .wav or .mid file becomes
    // that sound file and the field's text, any other choice is ignored.
    void SelectWavButtonClick();
    // Plays the file the field names, when it exists.
    void PlayNowButtonClick();
    // Stops a sound that is playing.
    void BitBtn1Click();

    // Every way of closing stops a sound that is playing.
    void done(int result) override;

protected:
    TSoundDialog(QWidget* parent, Qt::WindowFlags flags, int helpTopic, SoundPreview sound);

    // The group's controls with parent, the list filled, the buttons connected.
    void CreateSoundControls(QWidget* parent, const TSoundGroupTexts& texts);
    // The sound file the dialog keeps: where "&Choose" starts and what it sets.
    virtual std::string& CurrentSoundFile() = 0;

private:
    SoundPreview sound_;
};

} // namespace nudgeon
