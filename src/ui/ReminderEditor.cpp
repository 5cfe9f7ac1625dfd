#include "ui/ReminderEditor.h"

#include "ui/DialogControls.h"
#include "ui/Main.h"
#include "ui/Pictures.h"
#include "ui/Settd.h"
#include "ui/SoundFileRules.h"
#include "ui/TimeFields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

namespace nudgeon {
namespace {

constexpr int MessageMaxLength = 100;
constexpr const char* DefaultMessage = "[Type reminder message here]";

constexpr std::array<TControlText, 6> EditorTexts{{
    {"Label5", "&Message", ""},
    {"Descript", "", "Type your reminder message here"},
    {"TimeEdit", "", "Enter the reminder time here"},
    {"Label3", "When this reminder is triggered:", ""},
    {"EventTypeCombo", "", "Select the action to take when a reminder\nis triggered"},
    {"Label4", "Specify &Sound File to play (*.wav or *.mid): ", ""},
}};
static_assert(AllNamed(EditorTexts));

constexpr TControlText SaveButtonText{"SetAlarmButton", "&Save",
                                      "Save and Set the reminder as specified"};

} // namespace

TReminderEditor::TReminderEditor(QWidget* parent, int helpTopic, SoundPreview sound)
    : TSoundDialog(parent,
                   Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint,
                   helpTopic, std::move(sound))
{}

QWidget* TReminderEditor::CreateMessageGroup()
{
    auto* group = new QWidget(this);
    Label5 = MakeControl<QLabel>(group, TextOf(EditorTexts, "Label5"));
    SetBold(*Label5, true);
    Descript = MakeControl<QLineEdit>(group, TextOf(EditorTexts, "Descript"));
    Descript->setMaxLength(MessageMaxLength);
    Descript->setText(DefaultMessage);
    Label5->setBuddy(Descript);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label5);
    layout->addWidget(Descript);
    return group;
}

void TReminderEditor::CreateTimeControls(QWidget* parent, std::string_view timeCaption)
{
    TimeCaption = MakeControl<QLabel>(parent, {"TimeCaption", timeCaption, ""});
    SetBold(*TimeCaption, true);
    TimeEdit = MakeControl<QLineEdit>(parent, TextOf(EditorTexts, "TimeEdit"));
    TimeCaption->setBuddy(TimeEdit);
    ExplorerButton1 = MakeQuickSetButton(parent, "ExplorerButton1");
    connect(ExplorerButton1, &QToolButton::clicked, this, &TReminderEditor::ExplorerButton1Click);
}

QToolButton* TReminderEditor::MakeQuickSetButton(QWidget* parent, std::string_view name)
{
    auto* button = MakeControl<QToolButton>(parent, {name, "", QuickSetHint});
    button->setIcon(AlarmClockIcon());
    button->setIconSize(QSize(16, 16));
    return button;
}

void TReminderEditor::CreateEditorSoundControls(QWidget* parent, std::string_view soundFileHint)
{
    CreateSoundControls(parent, {TextOf(EditorTexts, "Label3"),
                                 TextOf(EditorTexts, "EventTypeCombo"),
                                 TextOf(EditorTexts, "Label4"),
                                 {"WaveFileEdit", "", soundFileHint}});
    connect(EventTypeCombo, &QComboBox::currentIndexChanged, this,
            &TReminderEditor::EventTypeComboClick);
}

QWidget* TReminderEditor::CreateButtons(TButtonAlignment alignment)
{
    QWidget* bar = CreateButtonBar(SaveButtonText, SetAlarmButton, alignment);
    connect(SetAlarmButton, &QPushButton::clicked, this, &TReminderEditor::SetAlarmButtonClick);
    return bar;
}

void TReminderEditor::ShowEventTypeAndSoundFile()
{
    const bool listed = EventType < EventTypeEntries.size();
    EventTypeCombo->setCurrentIndex(listed ? EventType : 0);
    WaveFileEdit->setText(QString::fromStdString(SoundFile));
}

bool TReminderEditor::CheckValidTime()
{
    const TTimeFieldCheck check = CheckStartingTime(TimeEdit->text().toStdString());
    TimeEdit->setText(QString::fromStdString(check.Text));
    return check.Valid;
}

void TReminderEditor::ExplorerButton1Click()
{
    // A failed check has already put the current time into the field.
    CheckValidTime();
    QuickSetTime(*TimeEdit);
}

void TReminderEditor::QuickSetTime(QLineEdit& field)
{
    TSetTimeDialog dialog(this);
    dialog.TimeValue = ReadUserTime(field.text().toStdString()).value_or(CurrentTime());
    dialog.adjustSize();
    CenterForm(dialog, parentWidget() != nullptr ? parentWidget()->window() : this);
    if (dialog.exec() == mrOk)
        field.setText(QString::fromStdString(UserTimeText(dialog.TimeValue)));
}

void TReminderEditor::EventTypeComboClick()
{
    const int position = EventTypeCombo->currentIndex();
    if (position >= 0)
        EventType = static_cast<TEventType>(position);
    const bool withSound = position == etShowAndPlay || position == etPlayOnly;
    WaveFileEdit->setEnabled(withSound);
    SelectWavButton->setEnabled(withSound);
}

void TReminderEditor::TakeSoundFile()
{
    SoundFile = KeptSoundFile(WaveFileEdit->text().toStdString());
}

} // namespace nudgeon
