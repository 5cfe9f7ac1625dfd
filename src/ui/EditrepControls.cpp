// Building the repeating editor's controls and connecting them to its handlers.
#include "ui/DialogControls.h"
#include "ui/Editrep.h"
#include "ui/EditrepSpinEdit.h"
#include "ui/EditrepTexts.h"
#include "ui/Help.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <string_view>

namespace nudgeon {
namespace {

constexpr int TimeFieldWidth = 80;

// Names the control and gives it its hint and, where it shows one, its caption.
template <typename Widget> Widget* Label(Widget* widget, std::string_view name)
{
    return WithText(widget, TextOf(EditrepTexts, name));
}

template <typename Widget> Widget* Make(QWidget* parent, std::string_view name)
{
    return Label(new Widget(parent), name);
}

QComboBox* MakeList(QWidget* parent, std::string_view name, const QStringList& entries)
{
    auto* list = Make<QComboBox>(parent, name);
    list->addItems(entries);
    list->setCurrentIndex(0);
    return list;
}

TSpinEdit* MakeNumber(QWidget* parent, std::string_view name, int minimum, int maximum,
                      int increment, int value)
{
    return Label(new TSpinEdit(minimum, maximum, increment, value, parent), name);
}

// A framed group headed by the radio button of its rule type.
QFrame* MakeRuleFrame(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

// Runs a radio button's handler whenever it becomes the chosen one, by the user or by code.
void OnChosen(QRadioButton* radio, TEditAlarmRepeating* dialog,
              void (TEditAlarmRepeating::*handler)())
{
    QObject::connect(radio, &QRadioButton::toggled, dialog, [dialog, handler](bool checked) {
        if (checked)
            (dialog->*handler)();
    });
}

} // namespace

TEditAlarmRepeating::TEditAlarmRepeating(QWidget* parent, SoundPreview sound)
    : TReminderEditor(parent, HelpRepeatingEditor, std::move(sound))
{
    setObjectName("EditAlarmRepeating");
    setWindowTitle("Repeating Reminder Description");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateMessageGroup());
    layout->addWidget(CreateRuleGroups());
    layout->addWidget(CreateTimeGroup());
    layout->addWidget(CreateSoundGroup());
    layout->addWidget(CreateButtons(TButtonAlignment::Centre));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    rbDayOfweek->setChecked(true);
    SetRecurType();
    ConnectControls();
}

QWidget* TEditAlarmRepeating::CreateRuleGroups()
{
    auto* area = new QWidget(this);
    recurTypeGroup_ = new QButtonGroup(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CreateDayOfWeekGroup(), 0, 0);
    layout->addWidget(CreateSpecialGroup(), 0, 1);
    layout->addWidget(CreateDayOfMonthGroup(), 1, 0);
    layout->addWidget(CreateDayOfYearGroup(), 1, 1);
    for (QRadioButton* radio : {rbDayOfweek, rbSpecial, rbDayOfMonth, rbDayOfYear})
        recurTypeGroup_->addButton(radio);
    return area;
}

QFrame* TEditAlarmRepeating::CreateDayOfWeekGroup()
{
    QFrame* frame = MakeRuleFrame(this, "DayOfWeekGroup");
    rbDayOfweek = Make<QRadioButton>(frame, "rbDayOfweek");
    Monday = Make<QCheckBox>(frame, "Monday");
    Tuesday = Make<QCheckBox>(frame, "Tuesday");
    Wednesday = Make<QCheckBox>(frame, "Wednesday");
    Thursday = Make<QCheckBox>(frame, "Thursday");
    Friday = Make<QCheckBox>(frame, "Friday");
    Saturday = Make<QCheckBox>(frame, "Saturday");
    Sunday = Make<QCheckBox>(frame, "Sunday");
    AllDaysCheck = Make<QCheckBox>(frame, "AllDaysCheck");
    dayBoxes_ = {Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday};
    for (QCheckBox* day : {Monday, Tuesday, Wednesday, Thursday, Friday})
        day->setChecked(true);

    // Three columns: Mon Tues Wed, Thu Fri Sat, Sun and All Days.
    const std::array<QCheckBox*, 8> inColumns{Monday, Tuesday,  Wednesday, Thursday,
                                              Friday, Saturday, Sunday,    AllDaysCheck};
    auto* days = new QGridLayout;
    days->setContentsMargins(16, 0, 0, 0);
    for (std::size_t i = 0; i < inColumns.size(); ++i)
        days->addWidget(inColumns[i], static_cast<int>(i % 3), static_cast<int>(i / 3));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(rbDayOfweek);
    layout->addLayout(days);
    layout->addStretch(1);
    return frame;
}

QFrame* TEditAlarmRepeating::CreateSpecialGroup()
{
    QFrame* frame = MakeRuleFrame(this, "SpecialGroup");
    rbSpecial = Make<QRadioButton>(frame, "rbSpecial");
    SpecialOccurrance = MakeList(frame, "SpecialOccurrance", Entries(OccurrenceEntryTexts));
    SpecialDayOfWeek = MakeList(frame, "SpecialDayOfWeek", Entries(SpecialDayEntryTexts));
    SpecialMonth = MakeList(frame, "SpecialMonth", Entries(MonthEntryTexts));
    auto* lists = new QGridLayout;
    lists->setContentsMargins(16, 0, 0, 0);
    lists->addWidget(SpecialOccurrance, 0, 0);
    lists->addWidget(SpecialDayOfWeek, 0, 1);
    lists->addWidget(SpecialMonth, 1, 0, 1, 2);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(rbSpecial);
    layout->addLayout(lists);
    layout->addStretch(1);
    return frame;
}

QFrame* TEditAlarmRepeating::CreateDayOfMonthGroup()
{
    QFrame* frame = MakeRuleFrame(this, "DayOfMonthGroup");
    rbDayOfMonth = Make<QRadioButton>(frame, "rbDayOfMonth");
    DayOfMonthDay =
        MakeNumber(frame, "DayOfMonthDay", DayOfMonthMin, DayOfMonthMax, 1, DayOfMonthMin);
    DayOfMonthMonth = MakeList(frame, "DayOfMonthMonth", Entries(MonthEntryTexts));
    auto* fields = new QHBoxLayout;
    fields->setContentsMargins(16, 0, 0, 0);
    fields->addWidget(DayOfMonthDay);
    fields->addWidget(DayOfMonthMonth, 1);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(rbDayOfMonth);
    layout->addLayout(fields);
    return frame;
}

QFrame* TEditAlarmRepeating::CreateDayOfYearGroup()
{
    QFrame* frame = MakeRuleFrame(this, "DayOfYearGroup");
    rbDayOfYear = Make<QRadioButton>(frame, "rbDayOfYear");
    DayOfYearDay = MakeNumber(frame, "DayOfYearDay", DayOfYearMin, DayOfYearMax, 1, DayOfYearMin);
    auto* fields = new QHBoxLayout;
    fields->setContentsMargins(16, 0, 0, 0);
    fields->addWidget(DayOfYearDay);
    fields->addStretch(1);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(rbDayOfYear);
    layout->addLayout(fields);
    return frame;
}

QWidget* TEditAlarmRepeating::CreateTimeGroup()
{
    auto* group = new QWidget(this);
    CreateTimeControls(group, "&Starting Time");
    TimeEdit->setFixedWidth(TimeFieldWidth);

    OncePerDayCheck = Make<QRadioButton>(group, "OncePerDayCheck");
    RepeatEveryCheck = Make<QRadioButton>(group, "RepeatEveryCheck");
    auto* repeatGroup = new QButtonGroup(group);
    repeatGroup->addButton(OncePerDayCheck);
    repeatGroup->addButton(RepeatEveryCheck);
    OncePerDayCheck->setChecked(true);
    RepeatEverySpinner = MakeNumber(group, "RepeatEverySpinner", RepeatEveryMin, RepeatEveryMax,
                                    RepeatEveryStep, RepeatEveryDefault);
    Label2 = Make<QLabel>(group, "Label2");

    auto* start = new QGridLayout;
    start->addWidget(TimeCaption, 0, 0, 1, 2);
    start->addWidget(TimeEdit, 1, 0);
    start->addWidget(ExplorerButton1, 1, 1);
    start->setRowStretch(2, 1);

    auto* every = new QHBoxLayout;
    every->addWidget(RepeatEveryCheck);
    every->addWidget(RepeatEverySpinner);
    every->addWidget(Label2);
    every->addStretch(1);
    auto* repeat = new QVBoxLayout;
    repeat->addWidget(OncePerDayCheck);
    repeat->addLayout(every);
    repeat->addWidget(CreateRepeatUntilPanel(group), 0, Qt::AlignLeft);

    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->addLayout(start);
    layout->addSpacing(24);
    layout->addLayout(repeat, 1);
    return group;
}

QWidget* TEditAlarmRepeating::CreateRepeatUntilPanel(QWidget* parent)
{
    RepeatUntilPanel = Make<QFrame>(parent, "RepeatUntilPanel");
    RepeatUntilPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The window keeps its size while the panel comes and goes.
    QSizePolicy policy = RepeatUntilPanel->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    RepeatUntilPanel->setSizePolicy(policy);
    RepeatUntilPanel->hide();

    ForRemainderOfDay = Make<QRadioButton>(RepeatUntilPanel, "ForRemainderOfDay");
    UntilTime = Make<QRadioButton>(RepeatUntilPanel, "UntilTime");
    auto* untilGroup = new QButtonGroup(RepeatUntilPanel);
    untilGroup->addButton(ForRemainderOfDay);
    untilGroup->addButton(UntilTime);
    ForRemainderOfDay->setChecked(true);
    UntilTimeEdit = Make<QLineEdit>(RepeatUntilPanel, "UntilTimeEdit");
    UntilTimeEdit->setFixedWidth(TimeFieldWidth);
    EndingtimeButton = MakeQuickSetButton(RepeatUntilPanel, "EndingtimeButton");

    auto* until = new QHBoxLayout;
    until->addWidget(UntilTime);
    until->addWidget(UntilTimeEdit);
    until->addWidget(EndingtimeButton);
    until->addStretch(1);
    auto* layout = new QVBoxLayout(RepeatUntilPanel);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(ForRemainderOfDay);
    layout->addLayout(until);
    return RepeatUntilPanel;
}

QWidget* TEditAlarmRepeating::CreateSoundGroup()
{
    auto* group = new QFrame(this);
    group->setObjectName("SoundGroup");
    group->setFrameStyle(QFrame::Box | QFrame::Sunken);
    CreateEditorSoundControls(group,
                              "Type in the path and name of the sound file (*.wav or *.mid)");

    auto* event = new QVBoxLayout;
    event->addWidget(Label3);
    event->addWidget(EventTypeCombo);
    event->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {SelectWavButton, PlayNowButton, BitBtn1})
        buttons->addWidget(button);
    auto* file = new QVBoxLayout;
    file->addWidget(Label4);
    file->addWidget(WaveFileEdit);
    file->addLayout(buttons);
    auto* layout = new QHBoxLayout(group);
    layout->addLayout(event);
    layout->addSpacing(12);
    layout->addLayout(file, 1);
    return group;
}

void TEditAlarmRepeating::ConnectControls()
{
    for (QRadioButton* radio : {rbDayOfweek, rbDayOfMonth, rbDayOfYear, rbSpecial})
        OnChosen(radio, this, &TEditAlarmRepeating::SetRecurType);
    for (QRadioButton* radio : {OncePerDayCheck, RepeatEveryCheck, ForRemainderOfDay, UntilTime})
        OnChosen(radio, this, &TEditAlarmRepeating::Setbuttons);
    connect(AllDaysCheck, &QCheckBox::toggled, this, &TEditAlarmRepeating::AllDaysCheckClick);
    connect(EndingtimeButton, &QToolButton::clicked, this,
            &TEditAlarmRepeating::EndingtimeButtonClick);
}

} // namespace nudgeon
