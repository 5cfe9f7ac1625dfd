// TMainForm: the main window with both reminder lists, the clock, the tick and the tray icon.
#pragma once

#include "controls/Clicksg.h"
#include "controls/Graphp.h"
#include "controls/Justone.h"
#include "schedule/TickEngine.h"
#include "schedule/TickServices.h"
#include "store/Placement.h"
#include "ui/SoundPreview.h"

#include <QDialog>
#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QStackedWidget;
class QToolButton;

namespace nudgeon {

class TTabSet;

// How the program was asked to show itself when it started.
enum class StartupShowState { Normal, Minimized };

class TMainForm : public QMainWindow,
                  private TickWindow,
                  private ReminderStorage,
                  private PlacementWindow {
    Q_OBJECT

public:
    // Runs FormCreate: reads the settings and the data file. The notification and the sound
    // are the program's long-lived ones; guard may be null (no second copy can call).
    // programDir holds the data file and the settings file.
    TMainForm(Notifier& notification, SoundPlayer& sound, const TPreviousInstance* guard,
              const std::filesystem::path& programDir, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Controls, by the names the program gives them.
    TClickableStringGrid* AlarmGrid = nullptr;
    TClickableStringGrid* RepeatingAlarmGrid = nullptr;
    TGraphicPanel* TimePanel = nullptr;
    TTabSet* TabSet = nullptr;
    QStackedWidget* Notebook = nullptr;
    QToolButton* AddAlarmButton = nullptr;
    QToolButton* EditAlarmButton = nullptr;
    QToolButton* DeleteAlarmButton = nullptr;
    QToolButton* CloneButton = nullptr;
    QToolButton* AdjustTimeButton = nullptr;
    QToolButton* Minimizebutton = nullptr;
    QToolButton* Exitbutton = nullptr;
    QMenu* AdjustItemTimeMenu = nullptr;
    QMenu* TrayMenu = nullptr;
    QSystemTrayIcon* TrayIcon = nullptr;
    QTimer* Timer1 = nullptr;

    TickEngine& Engine() { return *engine_; }
    const std::filesystem::path& DataFile() const { return dataFile_; }
    const std::filesystem::path& SettingsFile() const { return settingsFile_; }
    bool FirstActivation() const { return firstActivation_; }
    bool Closing() const { return closing_; }
    // The show state the first activation acts on; a normal start unless set before it.
    StartupShowState ShowState = StartupShowState::Normal;
    // Whether a notification area exists to hide the program in.
    std::function<bool()> SystemTrayAvailable = [] {
        return QSystemTrayIcon::isSystemTrayAvailable();
    };

    // What the editors' "Play Now" and "Shhhh" buttons play through.
    SoundPreview Preview;
    // Runs a modal dialog and returns its result; replaceable so tests can answer it.
    std::function<int(QDialog& dialog)> ExecDialog = [](QDialog& dialog) {
        return dialog.exec();
    };

    // The standard error box; replaceable so that tests need no one at the screen.
    std::function<void(const QString& message)> ErrorBox;

    // Shown page: 0 one-time, 1 repeating.
    int ShownPage() const;
    void TabSetClick();
    void SetButtons();
    // Moves a one-time row into time order (see MoveGridRowToCorrectDateTimeSlot).
    void MoveGridRowToCorrectDateTimeSlot(int aRow, bool select);

    void AddAlarmButtonClick();
    void EditAlarmButtonClick();
    void AddNormal();
    void EditNormal();
    void AddRepeating();
    void EditRepeating();
    void mnuSetPreferencesClick();
    void mnuAboutClick();
    void DeleteAlarmButtonClick();
    void CloneButtonClick();
    void AdjustTimeButtonClick();
    void mnuContentsClick();
    void VisitOurInternetWebsite1Click();
    void mnuDeleteremindersmarkedasdoneClick();
    void Deleteremindersmarkedasexpired1Click();
    void MinimizebuttonClick();
    void mnuShowNudgeonClick();
    void TrayIconDblClick();
    // Applies UseTray and AnimateTrayIcon to the tray icon.
    void SetUpTrayIcon();
    void LoadAndAnimateIcons();
    // The animation timer's step to the next frame.
    void AdvanceTrayFrame();
    int AnimationInterval() const;
    // The frame the tray icon shows: 0 the still clock, 1 to 11 the animation.
    int TrayFrame() const { return trayFrame_; }
    bool InTray() const { return inTray_; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreateMenus();
    void CreateTopBar(QWidget* bar);
    void CreateListArea(QWidget* area);
    void CreateBottomBar(QWidget* bar);
    void CreateTray();
    void ConfigureGrid(TClickableStringGrid& grid, const QStringList& headers,
                       const QList<int>& widths, TVertAlignment alignment);
    void ConnectGrid(TClickableStringGrid& grid);
    void FormCreate();
    void FormActivate();
    // Saves placement and data file; false when the data file could not be written.
    bool FormCloseQuery();
    void NotebookPageChanged();
    void Timer1Timer();
    void HideInTray();
    void RestoreFromTray();
    void ShowErrorBox(const QString& message);
    TClickableStringGrid& Grid(ReminderListId list);
    void SaveData();
    // Runs a command; an error it raises is shown in the standard error box.
    void RunCommand(const std::function<void()>& command);
    void DeleteAllWithStatus(TReminderStatus status, const std::string& word);

    // TickWindow
    void ShowTime(const std::string& text) override;
    void ProcessMessages() override;
    void RepaintList(ReminderListId list) override;
    void EnableTimer(bool enabled) override;
    void ShowError(const std::string& message) override;
    // ReminderStorage
    void LoadFromDisk(ReminderList& oneTime, ReminderList& repeating) override;
    void SaveToDisk(const ReminderList& oneTime, const ReminderList& repeating) override;
    // PlacementWindow
    std::string ClassName() const override { return "TMainForm"; }
    TRect NormalRect() const override;
    QMargins FrameMargins() const;
    bool IsMaximized() const override { return isMaximized(); }
    void SetBounds(const TBounds& bounds) override;
    void Maximize() override { showMaximized(); }
    void Center() override;
    TScreenSize ScreenSize() const override;
    int PixelsPerInch() const override;

    SoundPlayer& sound_;
    std::filesystem::path dataFile_;
    std::filesystem::path settingsFile_;
    std::unique_ptr<TickEngine> engine_;
    TJustOne* justOne_ = nullptr;
    QTimer* animationTimer_ = nullptr;
    QTimer* trayClickTimer_ = nullptr;
    bool firstActivation_ = true;
    bool closing_ = false;
    bool inTray_ = false;
    int trayFrame_ = 0;
};

// Centres a dialog over the main window (on the screen when the main window is maximised).
void CenterForm(QWidget& window, const QWidget* mainWindow);

} // namespace nudgeon
