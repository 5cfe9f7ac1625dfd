#include "ui/SoundDialog.h"

#include "store/ProgramDir.h"
#include "ui/DialogControls.h"
#include "ui/SoundFileRules.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace nudgeon {

TSoundDialog::TSoundDialog(QWidget* parent, Qt::WindowFlags flags, int helpTopic,
                           SoundPreview sound)
    : TProgramDialog(parent, flags, helpTopic), ChooseSoundFile(SoundFileDialog(this)),
      sound_(std::move(sound))
{}

void TSoundDialog::CreateSoundControls(QWidget* parent, const TSoundGroupTexts& texts)
{
    Label3 = MakeControl<QLabel>(parent, texts.EventLabel);
    EventTypeCombo = MakeControl<QComboBox>(parent, texts.EventList);
    EventTypeCombo->addItems(Entries(EventTypeEntries));
    Label4 = MakeControl<QLabel>(parent, texts.FileLabel);
    WaveFileEdit = MakeControl<QLineEdit>(parent, texts.FileField);
    Label4->setBuddy(WaveFileEdit);
    SelectWavButton = MakeControl<QPushButton>(parent, ChooseButtonText);
    PlayNowButton = MakeControl<QPushButton>(parent, PlayNowButtonText);
    BitBtn1 = MakeControl<QPushButton>(parent, ShhhhButtonText);
    connect(SelectWavButton, &QPushButton::clicked, this, &TSoundDialog::SelectWavButtonClick);
    connect(PlayNowButton, &QPushButton::clicked, this, &TSoundDialog::PlayNowButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TSoundDialog::BitBtn1Click);
}

void TSoundDialog::SelectWavButtonClick()
{
    if (!ChooseSoundFile)
        return;
    std::string& soundFile = CurrentSoundFile();
    const auto chosen = ChooseSoundFile(SoundFileRequestFor(soundFile, ProgramDir()));
    if (!chosen || !IsSoundFileName(*chosen))
        return;
    soundFile = *chosen;
    WaveFileEdit->setText(QString::fromStdString(*chosen));
}

void TSoundDialog::PlayNowButtonClick()
{
    const std::string path = WaveFileEdit->text().toStdString();
    if (SoundFileExists(path) && sound_.PlayTheSound)
        sound_.PlayTheSound(path);
}

void TSoundDialog::BitBtn1Click()
{
    if (sound_.Shutup)
        sound_.Shutup();
}

void TSoundDialog::done(int result)
{
    BitBtn1Click();
    TProgramDialog::done(result);
}

} // namespace nudgeon
