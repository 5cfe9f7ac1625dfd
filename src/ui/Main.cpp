#include "ui/Main.h"

#include "controls/ReminderListButtons.h"
#include "controls/ReminderListCells.h"
#include "controls/ReminderListOrder.h"
#include "schedule/AdjustTimeMenu.h"
#include "store/DataFile.h"
#include "store/Formats.h"
#include "store/MessageBoxes.h"
#include "store/ProgramDir.h"
#include "store/Settings.h"
#include "ui/Editex.h"
#include "ui/Editrep.h"
#include "ui/EditrepSpinEdit.h"
#include "ui/Help.h"
#include "ui/Hints.h"
#include "ui/MainTexts.h"
#include "ui/Pictures.h"
#include "ui/Pref.h"
#include "ui/SoundFileRules.h"
#include "ui/Splash.h"
#include "ui/TabSet.h"
#include "ui/TimeFields.h"
#include "ui/UserFormats.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>
#include <exception>

namespace nudgeon {
namespace {

// The page the Online menu opens.
const QUrl ProjectWebsite("https://nudgeon.app/");
constexpr int ClientWidth = 599;
constexpr int ClientHeight = 362;
constexpr int TrayClickDelayMs = 400;
constexpr int AnimationIntervalMs = 600;
// The private message the first activation posts to go into the tray.
const QEvent::Type GoToTrayEvent = static_cast<QEvent::Type>(QEvent::User + 43);

QFont ProgramFont()
{
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

QColor ToQColor(RgbColor color)
{
    return QColor(color.Red, color.Green, color.Blue);
}

// Stops the tick while a command has a dialog or question open, and restarts it however the
// command ends.
class TickPause {
public:
    explicit TickPause(QTimer& timer) : timer_(timer) { timer_.stop(); }
    ~TickPause() { timer_.start(); }
    TickPause(const TickPause&) = delete;
    TickPause& operator=(const TickPause&) = delete;

private:
    QTimer& timer_;
};

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QToolButton* PictureButton(QWidget* parent, const ControlText& text, ButtonPicture picture)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(text.Name);
    button->setText(text.Caption);
    button->setToolTip(text.Hint);
    button->setIcon(ButtonIcon(picture));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(false);
    button->setMinimumHeight(25);
    return button;
}

} // namespace

TMainForm::TMainForm(Notifier& notification, SoundPlayer& sound, const TPreviousInstance* guard,
                     const std::filesystem::path& programDir, QWidget* parent)
    : QMainWindow(parent), sound_(sound), dataFile_(DataFileIn(programDir)),
      settingsFile_(SettingsFileIn(programDir))
{
    setObjectName("MainForm");
    setWindowTitle(MainFormCaption);
    setWindowIcon(AlarmClockIcon());
    setFont(ProgramFont());
    if (guard != nullptr) {
        justOne_ = new TJustOne(*guard, this);
        connect(justOne_, &TJustOne::ActivateRequested, this, &TMainForm::RestoreFromTray);
    }

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* topBar = new QWidget(central);
    auto* listArea = new QWidget(central);
    auto* bottomBar = new QWidget(central);
    layout->addWidget(topBar);
    layout->addWidget(listArea, 1);
    layout->addWidget(bottomBar);
    setCentralWidget(central);

    CreateMenus();
    CreateTopBar(topBar);
    CreateListArea(listArea);
    CreateBottomBar(bottomBar);
    CreateTray();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    engine_ = std::make_unique<TickEngine>(TickEngineParts{
        AlarmGrid->Rows(), RepeatingAlarmGrid->Rows(), notification, sound, *this, *this});
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(MenuCaptions[0]);
    QMenu* help = menuBar()->addMenu(MenuCaptions[1]);
    QMenu* online = menuBar()->addMenu(MenuCaptions[2]);
    for (QMenu* menu : {file, help, online})
        menu->setToolTipsVisible(true);
    const std::map<QString, std::function<void()>> handlers{
        {"mnuDeleteremindersmarkedasdone",
         [this] {
             mnuDeleteremindersmarkedasdoneClick();
         }},
        {"Deleteremindersmarkedasexpired1",
         [this] {
             Deleteremindersmarkedasexpired1Click();
         }},
        {"Exit2",
         [this] {
             close();
         }},
    };
    for (const MenuItemText& item : MainMenuItems) {
        QMenu* menu = item.Menu == 0 ? file : item.Menu == 1 ? help : online;
        if (item.Caption.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(item.Caption);
        action->setObjectName(item.Name);
        action->setToolTip(item.Hint.isEmpty() ? QString(item.Caption).remove('&') : item.Hint);
        action->setStatusTip(item.Hint);
        const auto handler = handlers.find(item.Name);
        if (handler != handlers.end())
            connect(action, &QAction::triggered, this, handler->second);
        else
            action->setEnabled(false); // its command comes with the dialogs
    }
}

void TMainForm::CreateTopBar(QWidget* bar)
{
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(4);
    AddAlarmButton = PictureButton(bar, TopBarButtons[0], ButtonPicture::New);
    EditAlarmButton = PictureButton(bar, TopBarButtons[1], ButtonPicture::Edit);
    DeleteAlarmButton = PictureButton(bar, TopBarButtons[2], ButtonPicture::Delete);
    CloneButton = PictureButton(bar, TopBarButtons[3], ButtonPicture::Clone);
    AdjustTimeButton = PictureButton(bar, TopBarButtons[4], ButtonPicture::AdjustTime);
    for (QToolButton* button :
         {AddAlarmButton, EditAlarmButton, DeleteAlarmButton, CloneButton, AdjustTimeButton})
        layout->addWidget(button);
    layout->addStretch(1);
    TimePanel = new TGraphicPanel(bar);
    TimePanel->setObjectName("TimePanel");
    TimePanel->setFixedSize(72, 25);
    TimePanel->SetBevelOuter(TGraphicPanel::bvNone);
    TimePanel->SetColor(bar->palette().color(QPalette::Window));
    TimePanel->SetFontColor(Qt::black);
    TimePanel->setFont(ProgramFont());
    layout->addWidget(TimePanel);

    connect(AddAlarmButton, &QToolButton::clicked, this, &TMainForm::AddAlarmButtonClick);
    connect(EditAlarmButton, &QToolButton::clicked, this, &TMainForm::EditAlarmButtonClick);
    connect(DeleteAlarmButton, &QToolButton::clicked, this, &TMainForm::DeleteAlarmButtonClick);
    connect(CloneButton, &QToolButton::clicked, this, &TMainForm::CloneButtonClick);
    connect(AdjustTimeButton, &QToolButton::clicked, this, &TMainForm::AdjustTimeButtonClick);

    AdjustItemTimeMenu = new QMenu(this);
    AdjustItemTimeMenu->setObjectName("AdjustItemTimeMenu");
    for (const AdjustMenuItem& item : nudgeon::AdjustItemTimeMenu) {
        if (item.IsSeparator()) {
            AdjustItemTimeMenu->addSeparator();
            continue;
        }
        QAction* action = AdjustItemTimeMenu->addAction(
            QString::fromUtf8(item.Caption.data(), static_cast<qsizetype>(item.Caption.size())));
        action->setObjectName(
            QString::fromUtf8(item.Name.data(), static_cast<qsizetype>(item.Name.size())));
        action->setData(item.Minutes);
        connect(action, &QAction::triggered, this, [this, &item] {
            engine_->AdjustTime(item);
            AlarmGrid->RowsChanged();
        });
    }
    AdjustTimeButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(AdjustTimeButton, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) {
                AdjustItemTimeMenu->popup(AdjustTimeButton->mapToGlobal(point));
            });
}

void TMainForm::CreateListArea(QWidget* area)
{
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(0);
    Notebook = new QStackedWidget(area);
    Notebook->setObjectName("Notebook");
    AlarmGrid = new TClickableStringGrid(Notebook);
    AlarmGrid->setObjectName("AlarmGrid");
    RepeatingAlarmGrid = new TClickableStringGrid(Notebook);
    RepeatingAlarmGrid->setObjectName("RepeatingAlarmGrid");
    ConfigureGrid(*AlarmGrid, OneTimeHeaders, {345, 137, 115}, taMiddle);
    ConfigureGrid(*RepeatingAlarmGrid, RepeatingHeaders, {212, 110, 55, 81, 110}, taTopJustify);
    Notebook->addWidget(AlarmGrid);
    Notebook->addWidget(RepeatingAlarmGrid);
    layout->addWidget(Notebook, 1);

    auto* bevel = new QFrame(area);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    layout->addWidget(bevel);
    TabSet = new TTabSet(area);
    TabSet->setObjectName("TabSet");
    TabSet->setFont(ProgramFont());
    for (const QString& caption : TabCaptions)
        TabSet->addTab(caption);
    layout->addWidget(TabSet, 0, Qt::AlignLeft);
    connect(TabSet, &QTabBar::currentChanged, this, [this] { TabSetClick(); });
    connect(Notebook, &QStackedWidget::currentChanged, this, [this] { NotebookPageChanged(); });

    AlarmGrid->OnGetCellFormat = [this](TClickableStringGrid& grid, int col, int row, int,
                                        TFormatOptions& options) {
        if (const TReminder* reminder = grid.Rows().Reminder(row)) {
            const CellContent cell = AlarmGridCell(*reminder, col);
            options.Text = QString::fromStdString(cell.Text);
            options.MarkColor = ToQColor(cell.MarkColor);
        }
        options.Font.setPixelSize(font().pixelSize());
    };
    RepeatingAlarmGrid->OnGetCellFormat = [this](TClickableStringGrid& grid, int col, int row, int,
                                                 TFormatOptions& options) {
        if (const TReminder* reminder = grid.Rows().Reminder(row)) {
            const CellContent cell = RepeatingAlarmGridCell(*reminder, col);
            options.Text = QString::fromStdString(cell.Text);
            options.MarkColor = ToQColor(cell.MarkColor);
        }
        options.Font.setPixelSize(font().pixelSize());
    };
    const auto headerFormat = [this](TClickableStringGrid&, int, int, int,
                                     TFormatOptions& options) {
        options.Font.setPixelSize(font().pixelSize());
    };
    AlarmGrid->OnGetHeaderCellFormat = headerFormat;
    RepeatingAlarmGrid->OnGetHeaderCellFormat = headerFormat;
}

void TMainForm::ConfigureGrid(TClickableStringGrid& grid, const QStringList& headers,
                              const QList<int>& widths, TVertAlignment alignment)
{
    grid.setFont(ProgramFont());
    grid.SetColCount(static_cast<int>(widths.size()));
    for (int col = 0; col < widths.size(); ++col)
        grid.SetColWidth(col, widths[col]);
    grid.SetHeaderStrings(headers);
    grid.SetAutoAdjustColumn(1);
    grid.SetAlignmentHorz(taLeftJustify);
    grid.SetAlignmentVert(alignment);
    grid.SetHeaderFont(ProgramFont(), Qt::black);
    grid.SetSelectedFont(ProgramFont(), Qt::white);
    grid.SetSelectedColor(palette().color(QPalette::Highlight));
    grid.SetFontColor(Qt::black);
    grid.SetDefaultRowHeight(20);
    grid.SetColumnSizing(true);
    grid.SettingsApplied();
    ConnectGrid(grid);
}

void TMainForm::ConnectGrid(TClickableStringGrid& grid)
{
    connect(&grid, &TClickableStringGrid::DblClick, this, &TMainForm::EditAlarmButtonClick);
    connect(&grid, &TClickableStringGrid::KeyPress, this, [this](QChar key) {
        if (key == QChar(13))
            EditAlarmButtonClick();
    });
    connect(&grid, &TClickableStringGrid::KeyDown, this, [this](int key) {
        if (key == Qt::Key_Delete)
            DeleteAlarmButtonClick();
    });
}

void TMainForm::CreateBottomBar(QWidget* bar)
{
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 2, 4, 4);
    Minimizebutton = PictureButton(bar, BottomBarButtons[0], ButtonPicture::Minimize);
    Exitbutton = PictureButton(bar, BottomBarButtons[1], ButtonPicture::Exit);
    layout->addWidget(Minimizebutton);
    layout->addStretch(1);
    layout->addWidget(Exitbutton);
    connect(Minimizebutton, &QToolButton::clicked, this, &TMainForm::MinimizebuttonClick);
    connect(Exitbutton, &QToolButton::clicked, this, &QWidget::close);
}

void TMainForm::CreateTray()
{
    TrayMenu = new QMenu(this);
    TrayMenu->setObjectName("TrayMenu");
    QAction* show = TrayMenu->addAction(TrayMenuCaptions[0]);
    show->setObjectName("mnuShowNudgeon");
    QAction* exit = TrayMenu->addAction(TrayMenuCaptions[1]);
    exit->setObjectName("Exit1");
    connect(show, &QAction::triggered, this, &TMainForm::mnuShowNudgeonClick);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    TrayIcon = new QSystemTrayIcon(AlarmClockIcon(), this);
    TrayIcon->setContextMenu(TrayMenu);
    animationTimer_ = new QTimer(this);
    connect(animationTimer_, &QTimer::timeout, this, &TMainForm::AdvanceTrayFrame);
    // A single click waits to be sure it is not the start of a double-click.
    trayClickTimer_ = new QTimer(this);
    trayClickTimer_->setSingleShot(true);
    trayClickTimer_->setInterval(TrayClickDelayMs);
    connect(trayClickTimer_, &QTimer::timeout, this, &TMainForm::mnuShowNudgeonClick);
    connect(TrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::MiddleClick)
                    trayClickTimer_->start();
                else if (reason == QSystemTrayIcon::DoubleClick)
                    TrayIconDblClick();
            });
}

void TMainForm::FormCreate()
{
    SetUpProgramFormats();
    firstActivation_ = true;
    ShowTime(FormatDateTime("hh:mm:ssam/pm", Now()));
    ReadSettings(settingsFile_);
    ProcessMessages();
    SetUpTrayIcon();
    SetHintsEnabled(UseHints);
    // Reload empties both lists and reads the data file, keeping what was read on an error.
    engine_->Reload();
    AlarmGrid->RowsChanged();
    RepeatingAlarmGrid->RowsChanged();
    if (AlarmGrid->RowCount() > 1)
        AlarmGrid->SetRow(1);
    if (RepeatingAlarmGrid->RowCount() > 1)
        RepeatingAlarmGrid->SetRow(1);
    TabSet->setCurrentIndex(0);
    TabSetClick();
    closing_ = false;
}

void TMainForm::FormActivate()
{
    if (!firstActivation_)
        return;
    firstActivation_ = false;
    try {
        RestorePlacement(*this, settingsFile_);
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromStdString(error.what()));
    }
    if (ShowState == StartupShowState::Minimized) {
        if (UseTray && SystemTrayAvailable())
            QCoreApplication::postEvent(this, new QEvent(GoToTrayEvent));
        else
            showMinimized();
    } else {
        show();
        raise();
    }
    SetButtons();
    Timer1->start();
}

bool TMainForm::FormCloseQuery()
{
    closing_ = true;
    // The placement is a convenience; failing to keep it must not keep the program open.
    try {
        nudgeon::SavePlacement(*this, settingsFile_);
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromStdString(error.what()));
    }
    try {
        nudgeon::SaveToDisk(dataFile_, AlarmGrid->Rows().Reminders(),
                            RepeatingAlarmGrid->Rows().Reminders());
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    Timer1->stop();
    TrayIcon->hide();
    event->accept();
    QApplication::quit();
}

bool TMainForm::event(QEvent* event)
{
    // The first showing stands for the first activation: a window manager may never
    // activate the window, and the tick must start all the same.
    if (event->type() == QEvent::Show && firstActivation_)
        QMetaObject::invokeMethod(this, &TMainForm::FormActivate, Qt::QueuedConnection);
    if (event->type() == GoToTrayEvent) {
        HideInTray();
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && TrayIcon->isVisible())
        QMetaObject::invokeMethod(this, &TMainForm::HideInTray, Qt::QueuedConnection);
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (closing_)
        return;
    // Once the pending events have run, the lists have their new size too.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (closing_)
                return;
            AlarmGrid->AdjustColumnWidths();
            RepeatingAlarmGrid->AdjustColumnWidths();
        },
        Qt::QueuedConnection);
}

int TMainForm::ShownPage() const
{
    return Notebook->currentIndex();
}

void TMainForm::TabSetClick()
{
    if (Notebook->currentIndex() != TabSet->currentIndex())
        Notebook->setCurrentIndex(TabSet->currentIndex());
    else
        NotebookPageChanged();
}

void TMainForm::NotebookPageChanged()
{
    Grid(ShownPage() == 0 ? ReminderListId::OneTime : ReminderListId::Repeating)
        .AdjustColumnWidths();
    SetButtons();
}

void TMainForm::SetButtons()
{
    const ButtonStates states =
        SetButtonsStates(ShownPage() == 0 ? ReminderListId::OneTime : ReminderListId::Repeating,
                         AlarmGrid->RowCount(), RepeatingAlarmGrid->RowCount());
    AddAlarmButton->setEnabled(states.AddEnabled);
    EditAlarmButton->setEnabled(states.EditEnabled);
    DeleteAlarmButton->setEnabled(states.DeleteEnabled);
    CloneButton->setVisible(states.CloneVisible);
    CloneButton->setEnabled(states.CloneEnabled);
    AdjustTimeButton->setVisible(states.AdjustTimeVisible);
    AdjustTimeButton->setEnabled(states.AdjustTimeEnabled);
    if (states.FixAlarmGridHeader)
        AlarmGrid->SetFixedRows(1);
    if (states.FixRepeatingAlarmGridHeader)
        RepeatingAlarmGrid->SetFixedRows(1);
}

void TMainForm::MoveGridRowToCorrectDateTimeSlot(int aRow, bool select)
{
    nudgeon::MoveGridRowToCorrectDateTimeSlot(AlarmGrid->Rows(), aRow, select);
    AlarmGrid->RowsChanged();
}

void TMainForm::RunCommand(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromStdString(error.what()));
    }
}

void TMainForm::AddAlarmButtonClick()
{
    RunCommand([this] {
        if (ShownPage() == 0)
            AddNormal();
        else
            AddRepeating();
        SetButtons();
    });
}

void TMainForm::EditAlarmButtonClick()
{
    RunCommand([this] {
        if (ShownPage() == 0)
            EditNormal();
        else
            EditRepeating();
        SetButtons();
    });
}

void TMainForm::AddNormal()
{
    TickPause pause(*Timer1);
    TEditAlarmExact editor(this, Preview);
    CenterForm(editor, this);
    editor.SoundFile = KeptSoundFile(DefaultWaveFile);
    UseSystemFormats();
    editor.TimeEdit->setText(FromUtf8(FormatDateTime("t", AddMinutes(5, CurrentTime()))));
    UseProgramFormats();
    editor.SetCalendarDate(Today());
    editor.EventType = DefaultEventType;
    if (ExecDialog(editor) != 1)
        return;
    const int row = AlarmGrid->AddRow();
    AlarmGrid->Rows().SetReminder(row,
                                  TReminder::CreateOneTime(rkOneTime, editor.AlarmTime,
                                                           editor.Descript->text().toStdString(),
                                                           editor.SoundFile, editor.EventType));
    AlarmGrid->Rows().Reminder(row)->UpdateStatus();
    MoveGridRowToCorrectDateTimeSlot(row, true);
    SaveToDisk(AlarmGrid->Rows().Reminders(), RepeatingAlarmGrid->Rows().Reminders());
}

void TMainForm::EditNormal()
{
    const int row = AlarmGrid->Row();
    TReminder* reminder = row >= 1 ? AlarmGrid->Rows().Reminder(row) : nullptr;
    if (reminder == nullptr)
        return;
    TickPause pause(*Timer1);
    TEditAlarmExact editor(this, Preview);
    CenterForm(editor, this);
    editor.SoundFile = reminder->SoundFile;
    UseSystemFormats();
    std::string time = FormatDateTime("t", reminder->AlarmTimeOfDay());
    if (time.empty())
        time = FormatDateTime("t", CurrentTime());
    editor.TimeEdit->setText(FromUtf8(time));
    UseProgramFormats();
    if (!editor.SetCalendarDate(reminder->AlarmDate()))
        editor.SetCalendarDate(Today());
    editor.EventType = reminder->EventType;
    editor.Descript->setText(FromUtf8(reminder->Description));
    if (ExecDialog(editor) != 1)
        return;
    reminder->SoundFile = editor.SoundFile;
    reminder->AlarmTime = editor.AlarmTime;
    reminder->EventType = editor.EventType;
    reminder->Description = editor.Descript->text().toStdString();
    reminder->Status = rsPending;
    reminder->UpdateStatus();
    MoveGridRowToCorrectDateTimeSlot(row, true);
    AlarmGrid->RepaintNow();
    SaveToDisk(AlarmGrid->Rows().Reminders(), RepeatingAlarmGrid->Rows().Reminders());
}

namespace {

std::unique_ptr<TReminder> RepeatingReminderFrom(const TEditAlarmRepeating& editor)
{
    const std::int32_t repeatEvery =
        editor.OncePerDayCheck->isChecked() ? 0 : editor.RepeatEverySpinner->Value();
    return TReminder::CreateRepeating(rkRepeating, editor.StartTime, editor.UntilTime->isChecked(),
                                      editor.EndTime, editor.DaysSpec, repeatEvery,
                                      editor.Descript->text().toStdString(), editor.SoundFile,
                                      editor.EventType);
}

} // namespace

void TMainForm::AddRepeating()
{
    TickPause pause(*Timer1);
    TEditAlarmRepeating editor(this, Preview);
    CenterForm(editor, this);
    editor.SoundFile = KeptSoundFile(DefaultWaveFile);
    editor.TimeEdit->setText(FromUtf8(UserTimeText(CurrentTime())));
    editor.UntilTimeEdit->setText(FromUtf8(UserTimeText(AddMinutes(60, CurrentTime()))));
    editor.DaysSpec = "12345";
    editor.EventType = DefaultEventType;
    if (ExecDialog(editor) != 1)
        return;
    const int row = RepeatingAlarmGrid->AddRow();
    RepeatingAlarmGrid->Rows().SetReminder(row, RepeatingReminderFrom(editor));
    RepeatingAlarmGrid->Rows().Reminder(row)->UpdateNextOccurrence();
    RepeatingAlarmGrid->RowsChanged();
    SaveToDisk(AlarmGrid->Rows().Reminders(), RepeatingAlarmGrid->Rows().Reminders());
}

void TMainForm::EditRepeating()
{
    const int row = RepeatingAlarmGrid->Row();
    const TReminder* reminder = row >= 1 ? RepeatingAlarmGrid->Rows().Reminder(row) : nullptr;
    if (reminder == nullptr)
        return;
    TickPause pause(*Timer1);
    TEditAlarmRepeating editor(this, Preview);
    CenterForm(editor, this);
    editor.SoundFile = reminder->SoundFile;
    // The times go in first: choosing a radio button checks the start time.
    std::string start = UserTimeText(reminder->StartTime);
    std::string end = UserTimeText(reminder->EndTime);
    editor.TimeEdit->setText(FromUtf8(start.empty() ? UserTimeText(CurrentTime()) : start));
    editor.UntilTimeEdit->setText(FromUtf8(end.empty() ? UserTimeText(CurrentTime()) : end));
    editor.DaysSpec = reminder->DaysSpec;
    editor.EventType = reminder->EventType;
    editor.Descript->setText(FromUtf8(reminder->Description));
    if (reminder->RepeatEvery == 0) {
        editor.OncePerDayCheck->setChecked(true);
    } else {
        editor.RepeatEveryCheck->setChecked(true);
        editor.RepeatEverySpinner->SetValue(reminder->RepeatEvery);
    }
    if (reminder->HasUntil)
        editor.UntilTime->setChecked(true);
    else
        editor.ForRemainderOfDay->setChecked(true);
    if (ExecDialog(editor) != 1)
        return;
    // A new reminder in the same row: its status and next firing start afresh.
    RepeatingAlarmGrid->Rows().SetReminder(row, RepeatingReminderFrom(editor));
    RepeatingAlarmGrid->Rows().Reminder(row)->UpdateNextOccurrence();
    RepeatingAlarmGrid->RepaintNow();
    SaveToDisk(AlarmGrid->Rows().Reminders(), RepeatingAlarmGrid->Rows().Reminders());
}

void TMainForm::mnuSetPreferencesClick()
{
    RunCommand([this] {
        TickPause pause(*Timer1);
        RunPreferencesDialog({this, settingsFile_, Preview, SystemTrayAvailable(), [this] {
                                  SetUpTrayIcon();
                              }});
    });
}

void TMainForm::mnuAboutClick()
{
    TickPause pause(*Timer1);
    TSplashform box(this);
    CenterForm(box, this);
    ExecDialog(box);
}

void TMainForm::mnuContentsClick()
{
    ShowHelpTopic(HelpMainWindow, this);
}

void TMainForm::VisitOurInternetWebsite1Click()
{
    QDesktopServices::openUrl(ProjectWebsite);
}

void TMainForm::DeleteAlarmButtonClick()
{
    Timer1->stop();
    TClickableStringGrid& grid =
        Grid(ShownPage() == 0 ? ReminderListId::OneTime : ReminderListId::Repeating);
    if (grid.Row() >= 1 && AskConfirm("Delete this reminder?")) {
        grid.DeleteRow(grid.Row());
        SaveData();
    }
    SetButtons();
    Timer1->start();
}

void TMainForm::CloneButtonClick()
{
    const int current = AlarmGrid->Row();
    const TReminder* source = current >= 1 ? AlarmGrid->Rows().Reminder(current) : nullptr;
    if (source == nullptr)
        return;
    const int row = AlarmGrid->AddRow();
    AlarmGrid->Rows().SetReminder(row, source->Clone());
    MoveGridRowToCorrectDateTimeSlot(row, true);
    SaveData();
}

void TMainForm::AdjustTimeButtonClick()
{
    AdjustItemTimeMenu->popup(AdjustTimeButton->mapToGlobal(QPoint(0, AdjustTimeButton->height())));
}

void TMainForm::mnuDeleteremindersmarkedasdoneClick()
{
    if (AskConfirm("Delete all reminders which are marked as Done?"))
        DeleteAllWithStatus(rsDone, "Done");
}

void TMainForm::Deleteremindersmarkedasexpired1Click()
{
    if (AskConfirm("Delete all reminders which are marked as Expired?"))
        DeleteAllWithStatus(rsExpired, "Expired");
}

// The purges change only the list in memory; the next save takes them to the file.
void TMainForm::DeleteAllWithStatus(TReminderStatus status, const std::string& word)
{
    if (AlarmGrid->RowCount() <= 1)
        return;
    int count = 0;
    for (int row = AlarmGrid->RowCount() - 1; row >= 1; --row) {
        const TReminder* reminder = AlarmGrid->Rows().Reminder(row);
        if (reminder != nullptr && reminder->Status == status) {
            AlarmGrid->DeleteRow(row);
            ++count;
        }
    }
    ShowInfo(count == 0 ? std::string("No reminders deleted")
                        : "Deleted " + std::to_string(count) + " reminders marked " + word);
}

void TMainForm::MinimizebuttonClick()
{
    showMinimized();
}

void TMainForm::mnuShowNudgeonClick()
{
    RestoreFromTray();
}

void TMainForm::TrayIconDblClick()
{
    trayClickTimer_->stop();
    RestoreFromTray();
}

void TMainForm::SetUpTrayIcon()
{
    TrayIcon->setVisible(UseTray);
    if (AnimateTrayIcon) {
        LoadAndAnimateIcons();
        trayFrame_ = 1;
        animationTimer_->start();
    } else {
        animationTimer_->stop();
        trayFrame_ = 0;
    }
    TrayIcon->setIcon(AlarmClockIcon(trayFrame_));
}

void TMainForm::LoadAndAnimateIcons()
{
    animationTimer_->setInterval(AnimationIntervalMs);
}

void TMainForm::AdvanceTrayFrame()
{
    trayFrame_ = trayFrame_ % AnimationFrameCount + 1;
    if (TrayIcon->isVisible())
        TrayIcon->setIcon(AlarmClockIcon(trayFrame_));
}

void TMainForm::HideInTray()
{
    if (!TrayIcon->isVisible() || !SystemTrayAvailable())
        return;
    inTray_ = true;
    hide();
}

void TMainForm::RestoreFromTray()
{
    const bool wasAway = inTray_ || isMinimized() || !isVisible();
    inTray_ = false;
    if (!wasAway) {
        raise();
        activateWindow();
        return;
    }
    showNormal();
    raise();
    activateWindow();
}

void TMainForm::Timer1Timer()
{
    // An error must not cross the event loop; the engine has restarted the timer already.
    try {
        engine_->Timer1Timer();
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromStdString(error.what()));
    }
}

void TMainForm::SaveData()
{
    try {
        nudgeon::SaveToDisk(dataFile_, AlarmGrid->Rows().Reminders(),
                            RepeatingAlarmGrid->Rows().Reminders());
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromStdString(error.what()));
    }
}

void TMainForm::ShowErrorBox(const QString& message)
{
    if (ErrorBox)
        ErrorBox(message);
    else
        QMessageBox::critical(this, MainFormCaption, message);
}

int TMainForm::AnimationInterval() const
{
    return animationTimer_->isActive() ? animationTimer_->interval() : 0;
}

TClickableStringGrid& TMainForm::Grid(ReminderListId list)
{
    return list == ReminderListId::OneTime ? *AlarmGrid : *RepeatingAlarmGrid;
}

void TMainForm::ShowTime(const std::string& text)
{
    TimePanel->SetCaption(QString::fromStdString(text));
}

void TMainForm::ProcessMessages()
{
    QCoreApplication::processEvents();
}

void TMainForm::RepaintList(ReminderListId list)
{
    Grid(list).RepaintNow();
}

void TMainForm::EnableTimer(bool enabled)
{
    if (enabled)
        Timer1->start();
    else
        Timer1->stop();
}

void TMainForm::ShowError(const std::string& message)
{
    ShowErrorBox(QString::fromStdString(message));
}

void TMainForm::LoadFromDisk(ReminderList& oneTime, ReminderList& repeating)
{
    TDateTime lastDate = 0;
    nudgeon::LoadFromDisk(dataFile_, oneTime, repeating, lastDate);
}

void TMainForm::SaveToDisk(const ReminderList& oneTime, const ReminderList& repeating)
{
    nudgeon::SaveToDisk(dataFile_, oneTime, repeating);
}

// The placement is the outer rectangle of the window, frame included.
QMargins TMainForm::FrameMargins() const
{
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

TRect TMainForm::NormalRect() const
{
    const QRect client = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    const QRect outer = client.marginsAdded(FrameMargins());
    return {outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height()};
}

void TMainForm::SetBounds(const TBounds& bounds)
{
    const QRect outer(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    setGeometry(outer.marginsRemoved(FrameMargins()));
}

void TMainForm::Center()
{
    CenterForm(*this, this);
}

TScreenSize TMainForm::ScreenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return {screen->geometry().width(), screen->geometry().height()};
}

int TMainForm::PixelsPerInch() const
{
    return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
}

void CenterForm(QWidget& window, const QWidget* mainWindow)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const TScreenSize screenSize{screen->geometry().width(), screen->geometry().height()};
    TBounds main;
    bool maximized = false;
    if (mainWindow != nullptr) {
        const QRect frame = mainWindow->frameGeometry();
        main = {frame.left(), frame.top(), frame.width(), frame.height()};
        maximized = mainWindow->isMaximized();
    }
    const std::string className = &window == mainWindow ? "TMainForm" : "TDialog";
    // A dialog laid out but not yet shown has the size its layout asks for.
    const QSize size = window.isVisible() || window.testAttribute(Qt::WA_Resized)
                           ? window.frameGeometry().size()
                           : window.sizeHint().expandedTo(window.minimumSize());
    const TPoint corner =
        CenterFormPosition(className, size.width(), size.height(), main, maximized, screenSize);
    window.move(corner.X, corner.Y);
}

} // namespace nudgeon
