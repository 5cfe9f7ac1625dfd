#include "ui/Editex.h"

#include "store/Formats.h"
#include "store/MessageBoxes.h"
#include "store/ProgramDir.h"
#include "store/TimeText.h"
#include "ui/EditexRules.h"
#include "ui/Help.h"
#include "ui/Main.h"
#include "ui/Pictures.h"
#include "ui/Settd.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace nudgeon {
namespace {

struct EditexText {
    const char* Name;
    const char* Caption;
    const char* Hint;
};

// Hints keep their line breaks.
constexpr std::array<EditexText, 22> ControlTexts{{
    {"Label5", "&Message", ""},
    {"Descript", "", "Type your reminder message here"},
    {"PrevYear", "", "Show the previous year"},
    {"PrevMonth", "", "Show the previous month"},
    {"CurrentDate", "Today", "Show today's date"},
    {"NextMonth", "", "Show the next month"},
    {"NextYear", "", "Show the next year"},
    {"DateLabel", "", ""},
    {"Calendar", "", "Click on the reminder date"},
    {"TimeCaption", "&Time", ""},
    {"TimeEdit", "", "Enter the reminder time here"},
    {"ExplorerButton1", "", "Click for Quick Time Set"},
    {"Label3", "When this reminder is triggered:", ""},
    {"EventTypeCombo", "", "Select the action to take when a reminder\nis triggered"},
    {"Label4", "Specify &Sound File to play (*.wav or *.mid): ", ""},
    {"WaveFileEdit", "", "Path and name of the sound file (*.wav or *.mid)"},
    {"SelectWavButton", "&Choose", "Select the sound file from a Windows\nFile Open dialog"},
    {"PlayNowButton", "Play &Now", "Play the sound file you have selected"},
    {"BitBtn1", "Shhhh", "Stop a sound file from playing"},
    {"SetAlarmButton", "&Save", "Save and Set the reminder as specified"},
    {"CancelButton", "&Cancel", "Cancel all changes made"},
    {"Helpbutton", "&Help", "Get Windows help for Nudgeon!"},
}};

// In the order of TEventType.
constexpr std::array<const char*, 4> EventTypeItems{
    "Show message and play sound", "Only show message", "Only play sound", "Do Nothing"};

constexpr const char* DefaultMessage = "[Type reminder message here]";
constexpr int MessageMaxLength = 100;
constexpr const char* SoundFileFilter = "Sound Files (*.WAV *.MID *.wav *.mid)";
// A name typed without an extension gets this one, and is then not taken as a sound file.
constexpr const char* SoundFileDefaultSuffix = "prn";

const EditexText& TextOf(const char* name)
{
    const auto text =
        std::find_if(ControlTexts.begin(), ControlTexts.end(),
                     [name](const EditexText& t) { return std::strcmp(t.Name, name) == 0; });
    return *text;
}

// A control named as the program names it, with its caption and hint.
template <class Widget> Widget* Make(QWidget* parent, const char* name)
{
    auto* widget = new Widget(parent);
    const EditexText& text = TextOf(name);
    widget->setObjectName(name);
    widget->setToolTip(QString::fromUtf8(text.Hint));
    if constexpr (requires { widget->setText(QString()); }) {
        if (*text.Caption != '\0')
            widget->setText(QString::fromUtf8(text.Caption));
    }
    return widget;
}

QFont DialogFont()
{
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

void MakeBold(QWidget& widget)
{
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

QFrame* MakeGroupFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return frame;
}

// One or two black triangles pointing back or on.
QIcon StepIcon(bool forward, int arrows)
{
    constexpr int height = 12;
    constexpr int arrowWidth = 6;
    QPixmap pixmap(arrowWidth * arrows + 2, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int i = 0; i < arrows; ++i) {
        const double left = 1 + i * arrowWidth;
        const double right = left + arrowWidth;
        const double tip = forward ? right : left;
        const double base = forward ? left : right;
        const QPointF triangle[] = {{base, 1}, {tip, height / 2.0}, {base, height - 1.0}};
        painter.drawPolygon(triangle, 3);
    }
    painter.end();
    return QIcon(pixmap);
}

QDate ToQDate(TDateTime date)
{
    const DateParts parts = DecodeDate(date);
    return QDate(parts.year, parts.month, parts.day);
}

DateParts ToDateParts(const QDate& date)
{
    return {date.year(), date.month(), date.day()};
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool NamesExistingFile(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

// The user's own date and time formats for the life of the object.
class UserFormatsInForce {
public:
    UserFormatsInForce() { UseSystemFormats(); }
    ~UserFormatsInForce() { UseProgramFormats(); }
    UserFormatsInForce(const UserFormatsInForce&) = delete;
    UserFormatsInForce& operator=(const UserFormatsInForce&) = delete;
};

// The time of day in the short time format in force.
QString ShortTimeText(TDateTime time)
{
    return FromUtf8(FormatDateTime("t", time));
}

} // namespace

TEditAlarmExact::TEditAlarmExact(QWidget* parent, SoundPreview sound)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      sound_(std::move(sound))
{
    setObjectName("EditAlarmExact");
    setWindowTitle("Reminder Description");
    setFont(DialogFont());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateMessageGroup());
    layout->addWidget(CreateDateTimeGroup());
    layout->addWidget(CreateSoundGroup());
    layout->addWidget(CreateButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ConnectControls();
    SetTabOrder();
    SetCalendarDate(Today());
    CalendarChange();
}

QWidget* TEditAlarmExact::CreateMessageGroup()
{
    auto* group = new QWidget(this);
    Label5 = Make<QLabel>(group, "Label5");
    MakeBold(*Label5);
    Descript = Make<QLineEdit>(group, "Descript");
    Descript->setMaxLength(MessageMaxLength);
    Descript->setText(DefaultMessage);
    Label5->setBuddy(Descript);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label5);
    layout->addWidget(Descript);
    return group;
}

QWidget* TEditAlarmExact::CreateDateTimeGroup()
{
    QFrame* frame = MakeGroupFrame(this);
    frame->setObjectName("DateTimePanel");
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(CreateDateColumn(frame));
    layout->addSpacing(12);
    layout->addWidget(CreateTimeColumn(frame), 0, Qt::AlignTop);
    return frame;
}

QWidget* TEditAlarmExact::CreateDateColumn(QWidget* parent)
{
    auto* column = new QWidget(parent);
    PrevYear = Make<QToolButton>(column, "PrevYear");
    PrevMonth = Make<QToolButton>(column, "PrevMonth");
    CurrentDate = Make<QPushButton>(column, "CurrentDate");
    NextMonth = Make<QToolButton>(column, "NextMonth");
    NextYear = Make<QToolButton>(column, "NextYear");
    PrevYear->setIcon(StepIcon(false, 2));
    PrevMonth->setIcon(StepIcon(false, 1));
    NextMonth->setIcon(StepIcon(true, 1));
    NextYear->setIcon(StepIcon(true, 2));
    CurrentDate->setAutoDefault(false);

    DateLabel = Make<QLabel>(column, "DateLabel");
    DateLabel->setAlignment(Qt::AlignCenter);
    QFont italic = DateLabel->font();
    italic.setItalic(true);
    DateLabel->setFont(italic);

    Calendar = Make<QCalendarWidget>(column, "Calendar");
    Calendar->setFirstDayOfWeek(Qt::Sunday);
    Calendar->setNavigationBarVisible(false); // the step buttons above do the browsing
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    QPalette white = Calendar->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Window, Qt::white);
    Calendar->setPalette(white);
    // A mouse control: Tab passes it (its inner view) by.
    for (QWidget* child : Calendar->findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus)
            child->setFocusPolicy(Qt::ClickFocus);

    auto* steps = new QHBoxLayout;
    steps->setSpacing(2);
    steps->addWidget(PrevYear);
    steps->addWidget(PrevMonth);
    steps->addWidget(CurrentDate, 1);
    steps->addWidget(NextMonth);
    steps->addWidget(NextYear);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(steps);
    layout->addWidget(DateLabel);
    layout->addWidget(Calendar);
    return column;
}

QWidget* TEditAlarmExact::CreateTimeColumn(QWidget* parent)
{
    auto* column = new QWidget(parent);
    TimeCaption = Make<QLabel>(column, "TimeCaption");
    MakeBold(*TimeCaption);
    TimeEdit = Make<QLineEdit>(column, "TimeEdit");
    TimeEdit->setMinimumWidth(90);
    TimeCaption->setBuddy(TimeEdit);
    ExplorerButton1 = Make<QToolButton>(column, "ExplorerButton1");
    ExplorerButton1->setIcon(QIcon(AlarmClockPicture(16)));
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(TimeEdit);
    row->addWidget(ExplorerButton1);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TimeCaption);
    layout->addLayout(row);
    return column;
}

QWidget* TEditAlarmExact::CreateSoundGroup()
{
    QFrame* frame = MakeGroupFrame(this);
    frame->setObjectName("SoundPanel");
    Label3 = Make<QLabel>(frame, "Label3");
    EventTypeCombo = Make<QComboBox>(frame, "EventTypeCombo");
    for (const char* item : EventTypeItems)
        EventTypeCombo->addItem(QString::fromUtf8(item));
    Label4 = Make<QLabel>(frame, "Label4");
    WaveFileEdit = Make<QLineEdit>(frame, "WaveFileEdit");
    Label4->setBuddy(WaveFileEdit);
    SelectWavButton = Make<QPushButton>(frame, "SelectWavButton");
    PlayNowButton = Make<QPushButton>(frame, "PlayNowButton");
    BitBtn1 = Make<QPushButton>(frame, "BitBtn1");
    for (QPushButton* button : {SelectWavButton, PlayNowButton, BitBtn1})
        button->setAutoDefault(false);

    auto* event = new QHBoxLayout;
    event->addWidget(Label3);
    event->addWidget(EventTypeCombo, 1);
    auto* file = new QHBoxLayout;
    file->addWidget(WaveFileEdit, 1);
    file->addWidget(SelectWavButton);
    auto* play = new QHBoxLayout;
    play->addStretch(1);
    play->addWidget(PlayNowButton);
    play->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(event);
    layout->addWidget(Label4);
    layout->addLayout(file);
    layout->addLayout(play);
    return frame;
}

QWidget* TEditAlarmExact::CreateButtons()
{
    auto* bar = new QWidget(this);
    SetAlarmButton = Make<QPushButton>(bar, "SetAlarmButton");
    CancelButton = Make<QPushButton>(bar, "CancelButton");
    Helpbutton = Make<QPushButton>(bar, "Helpbutton");
    SetAlarmButton->setDefault(true);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (QPushButton* button : {SetAlarmButton, CancelButton, Helpbutton})
        layout->addWidget(button);
    return bar;
}

void TEditAlarmExact::SetTabOrder()
{
    // Message, then time: a reminder for today needs no more than these two and Enter.
    QWidget* const order[] = {Descript,       TimeEdit,       ExplorerButton1, PrevYear,
                              PrevMonth,      CurrentDate,    NextMonth,       NextYear,
                              EventTypeCombo, WaveFileEdit,   SelectWavButton, PlayNowButton,
                              BitBtn1,        SetAlarmButton, CancelButton,    Helpbutton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TEditAlarmExact::ConnectControls()
{
    connect(PrevYear, &QToolButton::clicked, this, &TEditAlarmExact::PrevYearClick);
    connect(PrevMonth, &QToolButton::clicked, this, &TEditAlarmExact::PrevMonthClick);
    connect(CurrentDate, &QPushButton::clicked, this, &TEditAlarmExact::CurrentDateClick);
    connect(NextMonth, &QToolButton::clicked, this, &TEditAlarmExact::NextMonthClick);
    connect(NextYear, &QToolButton::clicked, this, &TEditAlarmExact::NextYearClick);
    connect(Calendar, &QCalendarWidget::selectionChanged, this, &TEditAlarmExact::CalendarChange);
    connect(ExplorerButton1, &QToolButton::clicked, this, &TEditAlarmExact::ExplorerButton1Click);
    connect(EventTypeCombo, &QComboBox::currentIndexChanged, this,
            &TEditAlarmExact::EventTypeComboClick);
    connect(WaveFileEdit, &QLineEdit::textChanged, this, &TEditAlarmExact::WaveFileEditChange);
    connect(SelectWavButton, &QPushButton::clicked, this, &TEditAlarmExact::SelectWavButtonClick);
    connect(PlayNowButton, &QPushButton::clicked, this, &TEditAlarmExact::PlayNowButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TEditAlarmExact::BitBtn1Click);
    connect(SetAlarmButton, &QPushButton::clicked, this, &TEditAlarmExact::SetAlarmButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TEditAlarmExact::CancelButtonClick);
    connect(Helpbutton, &QPushButton::clicked, this, &TEditAlarmExact::HelpbuttonClick);
}

TDateTime TEditAlarmExact::CalendarDate() const
{
    const QDate date = Calendar->selectedDate();
    return EncodeDate(date.year(), date.month(), date.day());
}

bool TEditAlarmExact::SetCalendarDate(TDateTime date)
{
    if (!IsDecodableDate(date))
        return false;
    const QDate wanted = ToQDate(date);
    if (wanted < Calendar->minimumDate() || wanted > Calendar->maximumDate())
        return false;
    Calendar->setSelectedDate(wanted);
    return Calendar->selectedDate() == wanted;
}

void TEditAlarmExact::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TEditAlarmExact::FormActivate()
{
    Descript->setFocus();
    Descript->selectAll(); // typing replaces the text, as on entering the field
    // A damaged data file may hold any event type; such a reminder shows the first one.
    const int index = EventType < EventTypeItems.size() ? EventType : 0;
    EventTypeCombo->setCurrentIndex(index);
    WaveFileEdit->setText(FromUtf8(SoundFile));
    EventTypeComboClick();
}

void TEditAlarmExact::CalendarChange()
{
    DateLabel->setText(QLocale::system().toString(Calendar->selectedDate(), QLocale::LongFormat));
}

void TEditAlarmExact::StepCalendar(DateParts (*step)(DateParts, int), int count)
{
    const DateParts date = step(ToDateParts(Calendar->selectedDate()), count);
    SetCalendarDate(EncodeDate(date.year, date.month, date.day));
}

void TEditAlarmExact::PrevYearClick()
{
    StepCalendar(StepYears, -1);
}

void TEditAlarmExact::PrevMonthClick()
{
    StepCalendar(StepMonths, -1);
}

void TEditAlarmExact::NextMonthClick()
{
    StepCalendar(StepMonths, 1);
}

void TEditAlarmExact::NextYearClick()
{
    StepCalendar(StepYears, 1);
}

void TEditAlarmExact::CurrentDateClick()
{
    SetCalendarDate(Today());
}

bool TEditAlarmExact::CheckValidTime()
{
    const std::string text = TimeEdit->text().toUpper().toStdString();
    std::string example;
    {
        const UserFormatsInForce user;
        if (const auto time = TryStrToTime(text, FormatsInForce())) {
            TimeEdit->setText(ShortTimeText(*time));
            return true;
        }
        example = FormatDateTime("t", CurrentTime());
    }
    // Shown with the program's formats back in force, as anything may run under a message box.
    ShowInfo(InvalidTimeMessage(example));
    return false;
}

void TEditAlarmExact::ShowCurrentTime()
{
    const UserFormatsInForce user;
    TimeEdit->setText(ShortTimeText(CurrentTime()));
}

TDateTime TEditAlarmExact::TypedTime() const
{
    const UserFormatsInForce user;
    // The text was just written from a time, so it reads back; the fallback keeps a
    // locale whose formats do not round-trip from ending the program.
    return TryStrToTime(TimeEdit->text().toStdString(), FormatsInForce())
        .value_or(TimeOf(CurrentTime()));
}

void TEditAlarmExact::SetAlarmButtonClick()
{
    const QString wave = WaveFileEdit->text();
    SoundFile = wave.toStdString();
    if (!wave.isEmpty() && !NamesExistingFile(wave))
        SoundFile.clear();
    if (!CheckValidTime()) {
        ShowCurrentTime();
        return;
    }
    AlarmTime = CalendarDate() + TypedTime();
    done(mrOk);
}

void TEditAlarmExact::CancelButtonClick()
{
    done(mrCancel);
}

void TEditAlarmExact::reject()
{
    done(mrCancel);
}

void TEditAlarmExact::done(int result)
{
    if (sound_.Shutup)
        sound_.Shutup();
    QDialog::done(result);
}

void TEditAlarmExact::EventTypeComboClick()
{
    const int index = std::max(0, EventTypeCombo->currentIndex());
    EventType = static_cast<TEventType>(index);
    const bool withSound = EventType == etShowAndPlay || EventType == etPlayOnly;
    WaveFileEdit->setEnabled(withSound);
    SelectWavButton->setEnabled(withSound);
}

void TEditAlarmExact::WaveFileEditChange()
{
    SoundFile = WaveFileEdit->text().toStdString();
}

void TEditAlarmExact::SelectWavButtonClick()
{
    const QString current = FromUtf8(SoundFile);
    QString folder = FromUtf8(FolderOf(SoundFile));
    if (folder.isEmpty())
        folder = QString::fromStdU16String(ProgramDir().u16string());

    QFileDialog dialog(this);
    dialog.setObjectName("OpenDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(SoundFileFilter);
    dialog.setDefaultSuffix(SoundFileDefaultSuffix);
    dialog.setDirectory(folder);
    if (NamesExistingFile(current))
        dialog.selectFile(current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;

    const QString chosen = dialog.selectedFiles().constFirst();
    if (!IsSoundFileName(chosen.toStdString()))
        return;
    SoundFile = chosen.toStdString();
    WaveFileEdit->setText(chosen);
}

void TEditAlarmExact::PlayNowButtonClick()
{
    const QString wave = WaveFileEdit->text();
    if (NamesExistingFile(wave) && sound_.PlayTheSound)
        sound_.PlayTheSound(wave.toStdString());
}

void TEditAlarmExact::BitBtn1Click()
{
    if (sound_.Shutup)
        sound_.Shutup();
}

void TEditAlarmExact::ExplorerButton1Click()
{
    if (!CheckValidTime())
        ShowCurrentTime();
    TSetTimeDialog setTime(this);
    setTime.TimeValue = TypedTime();
    setTime.adjustSize();
    CenterForm(setTime, parentWidget() != nullptr ? parentWidget()->window() : nullptr);
    if (setTime.exec() != mrOk)
        return;
    const UserFormatsInForce user;
    TimeEdit->setText(ShortTimeText(setTime.TimeValue));
}

void TEditAlarmExact::HelpbuttonClick()
{
    ShowHelpTopic(HelpOneTimeEditor, this);
}

} // namespace nudgeon
