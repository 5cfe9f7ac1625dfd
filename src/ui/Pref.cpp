#include "ui/Pref.h"

#include "store/Settings.h"
#include "ui/DialogControls.h"
#include "ui/EditrepSpinEdit.h"
#include "ui/Help.h"
#include "ui/Hints.h"
#include "ui/Main.h"
#include "ui/PrefTimeout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

namespace nudgeon {
namespace {

constexpr int ClientWidth = 512;
constexpr int ClientHeight = 400;

struct PlacedControl {
    TControlText Text;
    QRect Place;
};

constexpr std::string_view TrayHint =
    "Nudgeon will place its icon in the System \nTray when minimized";

// Captions, hints and places of the controls, from the top of the window to the bottom.
constexpr std::array<PlacedControl, 21> Controls{{
    {{"Label3", "Default action when a reminder is triggered", ""}, {16, 12, 300, 16}},
    {{"EventTypeCombo", "", "Select the default action to take when a reminder\nis triggered"},
     {16, 30, 240, 24}},
    {{"Label4", "Default Sound File (*.wav or *.mid)", ""}, {16, 66, 300, 16}},
    {{"WaveFileEdit", "", SoundFileHint}, {16, 84, 264, 24}},
    {ChooseButtonText, {288, 83, 64, 26}},
    {PlayNowButtonText, {358, 83, 72, 26}},
    {ShhhhButtonText, {436, 83, 60, 26}},
    {{"Label1",
      "When Nudgeon! shows a reminder,  there may be times when you are not at your desk and "
      "cannot respond by clicking one of the buttons. In this situation, Nudgeon should:",
      ""},
     {16, 124, 480, 32}},
    {{"Continue", "Continue waiting ",
      "Select here to have Nudgeon! continue waiting\nindefinately"},
     {32, 164, 200, 20}},
    {{"WaitFor", "Wait for",
      "Select here to have Nudgeon! timeout after a\ncertain number of minutes"},
     {32, 192, 76, 20}},
    {{"Minutes", "", "Select the number of minutes Nudgeon! should\nwait before a timeout"},
     {110, 190, 52, 24}},
    {{"Label2", "minutes, then:", ""}, {170, 194, 80, 16}},
    {{"Action", "", "Nudgeon should take the following action when\na time-out is reached"},
     {256, 190, 220, 24}},
    {{"ShowHints", "Show Hints",
      "Show popup help hints when the mouse\npasses over a screen item (like this!)"},
     {16, 230, 200, 20}},
    {{"Label7", "Show popup help hints when the mouse passes over a screen item",
      "Show popup help hints when the mouse \npasses over a screen item (like this!)"},
     {36, 250, 460, 16}},
    {{"MiniMizeToTray", "Minimize to System Tray", TrayHint}, {16, 272, 200, 20}},
    {{"Label6", "Nudgeon will place its icon in the System Tray when minimized", TrayHint},
     {36, 292, 460, 16}},
    {{"AnimateIcon", "Animate Tray Icon",
      "Check here if you want a ticking clock for\nNudgeon!'s tray icon (Windows 95 only)"},
     {16, 314, 200, 20}},
    {OkButtonText, {240, 356, 80, 28}},
    {CancelButtonText, {328, 356, 80, 28}},
    {HelpButtonText, {416, 356, 80, 28}},
}};
static_assert(std::ranges::none_of(Controls, [](const PlacedControl& control) {
    return control.Text.Name.empty();
}));

const PlacedControl& ControlOf(std::string_view name)
{
    const auto found = std::ranges::find(
        Controls, name, [](const PlacedControl& control) { return control.Text.Name; });
    Q_ASSERT(found != Controls.end());
    return *found;
}

// Names, places and gives the hint and, where it shows one, the caption of the table.
template <typename Widget> Widget* Place(Widget* widget, std::string_view name)
{
    const PlacedControl& control = ControlOf(name);
    widget->setGeometry(control.Place);
    return WithText(widget, control.Text);
}

template <typename Widget> Widget* Make(QWidget* parent, std::string_view name)
{
    return Place(new Widget(parent), name);
}

} // namespace

TPreferences::TPreferences(QWidget* parent, SoundPreview sound)
    : TSoundDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint,
                   HelpPreferences, std::move(sound))
{
    setObjectName("Preferences");
    setWindowTitle("Preferences");
    setFixedSize(ClientWidth, ClientHeight);
    CreatePlacedSoundControls();
    CreateTimeoutControls();
    CreateSwitches();
    CreateButtons();
    ConnectControls();
}

void TPreferences::CreatePlacedSoundControls()
{
    CreateSoundControls(this, {ControlOf("Label3").Text, ControlOf("EventTypeCombo").Text,
                               ControlOf("Label4").Text, ControlOf("WaveFileEdit").Text});
    for (QWidget* control : std::initializer_list<QWidget*>{
             Label3, EventTypeCombo, Label4, WaveFileEdit, SelectWavButton, PlayNowButton, BitBtn1})
        control->setGeometry(ControlOf(control->objectName().toStdString()).Place);
}

void TPreferences::CreateTimeoutControls()
{
    Label1 = Make<QLabel>(this, "Label1");
    Label1->setWordWrap(true);
    Continue = Make<QRadioButton>(this, "Continue");
    WaitFor = Make<QRadioButton>(this, "WaitFor");
    Continue->setChecked(true);
    Minutes = Place(new TSpinEdit(TimeoutMinutesMin, TimeoutMinutesMax, 1, 10, this), "Minutes");
    Label2 = Make<QLabel>(this, "Label2");
    Action = Make<QComboBox>(this, "Action");
    for (const TTimeoutAnswer& answer : TimeoutAnswers)
        Action->addItem(ToQString(answer.Caption));
    Action->setCurrentIndex(NoAnswer);
}

void TPreferences::CreateSwitches()
{
    ShowHints = Make<QCheckBox>(this, "ShowHints");
    Label7 = Make<QLabel>(this, "Label7");
    SetItalic(*Label7);
    MiniMizeToTray = Make<QCheckBox>(this, "MiniMizeToTray");
    Label6 = Make<QLabel>(this, "Label6");
    SetItalic(*Label6);
    AnimateIcon = Make<QCheckBox>(this, "AnimateIcon");
}

void TPreferences::CreateButtons()
{
    Okbutton = Make<QPushButton>(this, "Okbutton");
    CreateCancelAndHelp(this);
    Place(CancelButton, "CancelButton");
    Place(Helpbutton, "Helpbutton");
    Okbutton->setDefault(true);
}

void TPreferences::ConnectControls()
{
    for (QRadioButton* radio : {Continue, WaitFor})
        connect(radio, &QRadioButton::toggled, this, &TPreferences::ContinueClick);
    connect(Okbutton, &QPushButton::clicked, this, &TPreferences::OkbuttonClick);
}

void TPreferences::FormActivate()
{
    const TTimeoutChoice choice = TimeoutChoiceFor({TimeoutSeconds, TimeoutAction});
    (choice.WaitFor ? WaitFor : Continue)->setChecked(true);
    Minutes->SetValue(choice.Minutes);
    if (choice.Answer != NoAnswer)
        Action->setCurrentIndex(choice.Answer);
    ContinueClick();
    WaveFileEdit->setText(QString::fromStdString(DefaultWaveFile));
}

void TPreferences::ContinueClick()
{
    Action->setEnabled(WaitFor->isChecked());
    Minutes->setEnabled(WaitFor->isChecked());
}

void TPreferences::OkbuttonClick()
{
    const TTimeoutChoice choice{WaitFor->isChecked(), Minutes->Value(), Action->currentIndex()};
    const TTimeoutSetting setting = TimeoutSettingFor(choice, TimeoutAction);
    TimeoutSeconds = setting.Seconds;
    TimeoutAction = setting.Action;
    // What the field shows is what the user takes for the default sound.
    DefaultWaveFile = WaveFileEdit->text().toStdString();
    done(mrOk);
}

void CopySettingsIn(TPreferences& dialog, bool animationOffered)
{
    dialog.TimeoutSeconds = nudgeon::TimeoutSeconds;
    dialog.TimeoutAction = nudgeon::TimeoutAction;
    dialog.DefaultWaveFile = nudgeon::DefaultWaveFile;
    dialog.EventTypeCombo->setCurrentIndex(DefaultEventType < dialog.EventTypeCombo->count()
                                               ? static_cast<int>(DefaultEventType)
                                               : -1);
    dialog.MiniMizeToTray->setChecked(UseTray);
    dialog.ShowHints->setChecked(UseHints);
    dialog.AnimateIcon->setChecked(AnimateTrayIcon);
    dialog.AnimateIcon->setVisible(animationOffered);
}

void CopySettingsOut(const TPreferences& dialog)
{
    nudgeon::TimeoutSeconds = dialog.TimeoutSeconds;
    nudgeon::TimeoutAction = dialog.TimeoutAction;
    nudgeon::DefaultWaveFile = dialog.DefaultWaveFile;
    // An event type the list does not offer stays as it was.
    if (dialog.EventTypeCombo->currentIndex() >= 0)
        DefaultEventType = static_cast<TEventType>(dialog.EventTypeCombo->currentIndex());
    UseTray = dialog.MiniMizeToTray->isChecked();
    UseHints = dialog.ShowHints->isChecked();
    AnimateTrayIcon = dialog.AnimateIcon->isChecked();
}

bool RunPreferencesDialog(const TPreferencesCommand& command)
{
    ReadSettings(command.SettingsFile);
    const auto dialog = std::make_unique<TPreferences>(command.MainWindow, command.Sound);
    CenterForm(*dialog, command.MainWindow);
    CopySettingsIn(*dialog, command.TrayAvailable);
    if (dialog->exec() != mrOk)
        return false;
    CopySettingsOut(*dialog);
    WriteSettings(command.SettingsFile);
    SetHintsEnabled(UseHints);
    if (command.ApplyTray)
        command.ApplyTray();
    return true;
}

} // namespace nudgeon
