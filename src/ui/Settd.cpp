#include "ui/Settd.h"

#include "controls/Graphp.h"
#include "ui/Help.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

namespace nudgeon {
namespace {

constexpr int CellWidth = 24;
constexpr int CellHeight = 19;
constexpr int CellsPerHourRow = 6;
constexpr int CellsPerMinuteRow = 10;
constexpr int MinutesPerHour = 60;
const char* const TagProperty = "Tag";

// The title bar of a cell group, drawn like an active window's caption.
QLabel* MakeTitle(QWidget* parent, const char* name, const char* text)
{
    auto* title = new QLabel(QString::fromUtf8(text), parent);
    title->setObjectName(name);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    title->setAutoFillBackground(true);
    QPalette palette = title->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::WindowText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    title->setPalette(palette);
    return title;
}

// A raised panel of cells headed by its title bar.
QFrame* MakeCellPanel(QWidget* parent, const char* name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

TGraphicPanel* MakeCell(QWidget* parent, const QString& caption, int tag, const char* hint)
{
    auto* cell = new TGraphicPanel(parent);
    cell->setFixedSize(CellWidth, CellHeight);
    cell->SetCaption(caption);
    cell->setProperty(TagProperty, tag);
    cell->setToolTip(QString::fromUtf8(hint));
    cell->SetColor(parent->palette().color(QPalette::Window));
    return cell;
}

// The hour on the face of a 12-hour clock: 0 and 12 show as 12.
int ClockFaceHour(int hour)
{
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

void Highlight(TGraphicPanel& cell, bool selected)
{
    const QPalette& palette = cell.palette();
    cell.SetColor(palette.color(selected ? QPalette::Highlight : QPalette::Button));
    cell.SetFontColor(palette.color(selected ? QPalette::HighlightedText : QPalette::ButtonText));
}

int TagOf(const TGraphicPanel* cell)
{
    return cell->property(TagProperty).toInt();
}

} // namespace

TSetTimeDialog::TSetTimeDialog(QWidget* parent)
    : TProgramDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint,
                     HelpTimeSetDialog)
{
    setObjectName("SetTimeDialog");
    CreateHourPanel();
    CreateMinutePanel();

    auto* panels = new QHBoxLayout;
    panels->addWidget(HourPanel, 0, Qt::AlignTop);
    panels->addWidget(MinutePanel, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panels);
    layout->addWidget(CreateButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSetTimeDialog::CreateHourPanel()
{
    HourPanel = MakeCellPanel(this, "HourPanel");
    Label3 = MakeTitle(HourPanel, "Label3", "  Hour");
    auto* cells = new QGridLayout;
    cells->setSpacing(1);
    constexpr int gapRow = 2; // sets the morning rows apart from the afternoon rows
    cells->setRowMinimumHeight(gapRow, CellHeight / 2);
    for (int hour = 0; hour < HoursPerDay; ++hour) {
        TGraphicPanel* cell = MakeCell(HourPanel, QString::number(ClockFaceHour(hour)), hour,
                                       "Click to set the hours portion of the time");
        cell->setObjectName(QString("GraphicPanel%1").arg(hour + 1));
        const int row = hour / CellsPerHourRow;
        cells->addWidget(cell, row < gapRow ? row : row + 1, hour % CellsPerHourRow);
        connect(cell, &TGraphicPanel::Click, this, &TSetTimeDialog::HourClick);
        hourCells_[static_cast<std::size_t>(hour)] = cell;
    }
    Label1 = new QLabel("AM", HourPanel);
    Label1->setObjectName("Label1");
    Label2 = new QLabel("PM", HourPanel);
    Label2->setObjectName("Label2");
    cells->addWidget(Label1, 0, CellsPerHourRow);
    cells->addWidget(Label2, gapRow + 1, CellsPerHourRow);

    auto* layout = new QVBoxLayout(HourPanel);
    layout->setContentsMargins(2, 2, 2, 4);
    layout->addWidget(Label3);
    layout->addLayout(cells);
    layout->addStretch(1);
}

void TSetTimeDialog::CreateMinutePanel()
{
    MinutePanel = MakeCellPanel(this, "MinutePanel");
    Label4 = MakeTitle(MinutePanel, "Label4", "  Minute");
    auto* cells = new QGridLayout;
    cells->setSpacing(1);
    for (int minute = 0; minute < MinutesPerHour; ++minute) {
        TGraphicPanel* cell = MakeCell(MinutePanel, QString("%1").arg(minute, 2, 10, QChar('0')),
                                       minute, "Click to set the minutes portion of the time");
        cell->setObjectName(QString("GraphicPanel%1").arg(minute + 25));
        cells->addWidget(cell, minute / CellsPerMinuteRow, minute % CellsPerMinuteRow);
        connect(cell, &TGraphicPanel::Click, this, &TSetTimeDialog::MinuteClick);
        minuteCells_[static_cast<std::size_t>(minute)] = cell;
    }
    auto* layout = new QVBoxLayout(MinutePanel);
    layout->setContentsMargins(2, 2, 2, 4);
    layout->addWidget(Label4);
    layout->addLayout(cells);
}

QWidget* TSetTimeDialog::CreateButtons()
{
    QWidget* bar = CreateButtonBar(OkButtonText, Okbutton, TButtonAlignment::Right);
    connect(Okbutton, &QPushButton::clicked, this, &TSetTimeDialog::OkbuttonClick);
    return bar;
}

TGraphicPanel* TSetTimeDialog::HourCell(int hour) const
{
    return hourCells_.at(static_cast<std::size_t>(hour));
}

TGraphicPanel* TSetTimeDialog::MinuteCell(int minute) const
{
    return minuteCells_.at(static_cast<std::size_t>(minute));
}

void TSetTimeDialog::FormActivate()
{
    const TimeParts time = DecodeTime(TimeOf(TimeValue));
    // Rounding to the millisecond can carry a value just below midnight up to hour 24.
    selectedHour_ = time.hour % HoursPerDay;
    selectedMinute_ = time.minute;
    ShowDateTime();
}

void TSetTimeDialog::HourClick(TGraphicPanel* sender)
{
    selectedHour_ = TagOf(sender);
    ShowDateTime();
}

void TSetTimeDialog::MinuteClick(TGraphicPanel* sender)
{
    selectedMinute_ = TagOf(sender);
    ShowDateTime();
}

void TSetTimeDialog::ShowDateTime()
{
    TimeValue = EncodeTime(selectedHour_, selectedMinute_);
    char caption[32];
    std::snprintf(caption, sizeof caption, "Set Time As: %02d:%02d %s",
                  ClockFaceHour(selectedHour_), selectedMinute_, selectedHour_ < 12 ? "am" : "pm");
    setWindowTitle(QString::fromLatin1(caption));
    for (TGraphicPanel* cell : hourCells_)
        Highlight(*cell, TagOf(cell) == selectedHour_);
    for (TGraphicPanel* cell : minuteCells_)
        Highlight(*cell, TagOf(cell) == selectedMinute_);
}

void TSetTimeDialog::OkbuttonClick()
{
    done(mrOk);
}

} // namespace nudgeon
