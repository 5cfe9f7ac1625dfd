#include "ui/Editex.h"

#include "ui/DialogControls.h"
#include "ui/EditexRules.h"
#include "ui/Help.h"
#include "ui/TimeFields.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

namespace nudgeon {
namespace {

// The controls of the calendar; the message, time, sound and button texts are the editors'.
constexpr std::array<TControlText, 7> CalendarTexts{{
    {"PrevYear", "", "Show the previous year"},
    {"PrevMonth", "", "Show the previous month"},
    {"CurrentDate", "Today", "Show today's date"},
    {"NextMonth", "", "Show the next month"},
    {"NextYear", "", "Show the next year"},
    {"DateLabel", "", ""},
    {"Calendar", "", "Click on the reminder date"},
}};
static_assert(AllNamed(CalendarTexts));

template <class Widget> Widget* Make(QWidget* parent, std::string_view name)
{
    return MakeControl<Widget>(parent, TextOf(CalendarTexts, name));
}

QFrame* MakeGroupFrame(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
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

} // namespace

TEditAlarmExact::TEditAlarmExact(QWidget* parent, SoundPreview sound)
    : TReminderEditor(parent, HelpOneTimeEditor, std::move(sound))
{
    setObjectName("EditAlarmExact");
    setWindowTitle("Reminder Description");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateMessageGroup());
    layout->addWidget(CreateDateTimeGroup());
    layout->addWidget(CreateSoundGroup());
    layout->addWidget(CreateButtons(TButtonAlignment::Right));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ConnectControls();
    SetTabOrder();
    SetCalendarDate(Today());
    CalendarChange();
}

QWidget* TEditAlarmExact::CreateDateTimeGroup()
{
    QFrame* frame = MakeGroupFrame(this, "DateTimePanel");
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
    SetItalic(*DateLabel);

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
    CreateTimeControls(column, "&Time");
    TimeEdit->setMinimumWidth(90);
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
    QFrame* frame = MakeGroupFrame(this, "SoundPanel");
    CreateEditorSoundControls(frame, SoundFileHint);
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
    connect(WaveFileEdit, &QLineEdit::textChanged, this, &TEditAlarmExact::WaveFileEditChange);
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

void TEditAlarmExact::FormActivate()
{
    Descript->setFocus();
    Descript->selectAll(); // typing replaces the text, as on entering the field
    ShowEventTypeAndSoundFile();
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

void TEditAlarmExact::SetAlarmButtonClick()
{
    TakeSoundFile();
    if (!CheckValidTime())
        return;
    // The text was just written from a time, so it reads back; the fallback keeps a locale
    // whose formats do not round-trip from ending the program.
    const TDateTime time =
        ReadUserTime(TimeEdit->text().toStdString()).value_or(TimeOf(CurrentTime()));
    AlarmTime = CalendarDate() + time;
    done(mrOk);
}

void TEditAlarmExact::WaveFileEditChange()
{
    SoundFile = WaveFileEdit->text().toStdString();
}

} // namespace nudgeon
