#include "schedule/Alarmsh.h"

#include "schedule/AlarmButtons.h"
#include "schedule/AlarmCountdown.h"
#include "schedule/AlarmTickCount.h"
#include "schedule/DesktopNotifier.h"
#include "schedule/PlatformSession.h"
#include "store/Settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace nudgeon {
namespace {

// Sizes in pixels, as the window was drawn at 96 pixels per inch.
constexpr int ClientWidth = 384;
constexpr int ClientHeight = 239;
constexpr QRect MessageRect{8, 6, 368, 44};
constexpr QRect PanelRect{0, 56, ClientWidth, ClientHeight - 56};
constexpr QPoint Label1Pos{8, 8};
constexpr int ButtonWidth = 86;
constexpr int ButtonHeight = 25;
constexpr int ColumnStep = 94;
constexpr int FirstRowTop = 28;
constexpr int RowStep = 32;
constexpr int BottomRowTop = 146;
constexpr QRect CountDownRect{102, 150, 180, 17};
constexpr int CountdownIntervalMs = 100;

constexpr std::size_t DeleteIndex = 8;
constexpr std::size_t OkIndex = 9;

QFont ArialFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QRect ButtonRect(std::size_t index)
{
    if (index == DeleteIndex)
        return {8, BottomRowTop, ButtonWidth, ButtonHeight};
    if (index == OkIndex)
        return {8 + 3 * ColumnStep, BottomRowTop, ButtonWidth, ButtonHeight};
    const int column = static_cast<int>(index) % SnoozeButtonsPerRow;
    const int row = static_cast<int>(index) / SnoozeButtonsPerRow;
    return {8 + column * ColumnStep, FirstRowTop + row * RowStep, ButtonWidth, ButtonHeight};
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TAlarmShow::TAlarmShow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      Timer1(new QTimer(this)), desktopNotifier_(new TFreedesktopNotifier(this)),
      foregroundCheck_(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Reminder Notification"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(ArialFont(11, false));
    // Closing a notification must never end the program, also while the main window is
    // hidden in the tray.
    setAttribute(Qt::WA_QuitOnClose, false);
    CreateMessage();
    CreatePanel();
    SetTabOrder();

    Timer1->setInterval(CountdownIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TAlarmShow::Timer1Timer);
    foregroundCheck_->setSingleShot(true);
    foregroundCheck_->setInterval(ForegroundGraceMs);
    connect(foregroundCheck_, &QTimer::timeout, this, &TAlarmShow::CheckForeground);
}

void TAlarmShow::CreateMessage()
{
    AlarmMsg = new QLabel(this);
    AlarmMsg->setObjectName(QStringLiteral("AlarmMsg"));
    AlarmMsg->setGeometry(MessageRect);
    AlarmMsg->setFont(ArialFont(13, true));
    QPalette palette = AlarmMsg->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    AlarmMsg->setPalette(palette);
    AlarmMsg->setWordWrap(true);
    // Plain text: an "&" in a message is shown as itself.
    AlarmMsg->setTextFormat(Qt::PlainText);
    AlarmMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TAlarmShow::CreatePanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(PanelRect);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Label1 = new QLabel(QStringLiteral("Remind me again in:"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(Label1Pos);

    b5min = CreateButton(0);
    b10min = CreateButton(1);
    b30min = CreateButton(2);
    b1hour = CreateButton(3);
    b2hr = CreateButton(4);
    b4hr = CreateButton(5);
    b24hr = CreateButton(6);
    OneWeek = CreateButton(7);
    DeleteButton = CreateButton(DeleteIndex);
    OkButton = CreateButton(OkIndex);

    DeleteButton->setFont(ArialFont(11, true));
    QPalette red = DeleteButton->palette();
    red.setColor(QPalette::ButtonText, Qt::red);
    DeleteButton->setPalette(red);
    OkButton->setFont(ArialFont(11, true));
    OkButton->setDefault(true);

    CountDown = new QLabel(Panel1);
    CountDown->setObjectName(QStringLiteral("CountDown"));
    CountDown->setGeometry(CountDownRect);
    CountDown->setAlignment(Qt::AlignCenter);
}

QPushButton* TAlarmShow::CreateButton(std::size_t index)
{
    const AlarmButton& shown = AlarmButtons[index];
    auto* button = new QPushButton(FromView(shown.Caption), Panel1);
    button->setObjectName(FromView(shown.Name));
    button->setToolTip(FromView(shown.Hint));
    button->setGeometry(ButtonRect(index));
    const int answer = shown.Answer;
    connect(button, &QPushButton::clicked, this, [this, answer] { done(answer); });
    return button;
}

void TAlarmShow::SetTabOrder()
{
    QWidget* const inOrder[] = {b5min, b10min, b30min,  b1hour,       b2hr,
                                b4hr,  b24hr,  OneWeek, DeleteButton, OkButton};
    for (std::size_t i = 1; i < std::size(inOrder); ++i)
        setTabOrder(inOrder[i - 1], inOrder[i]);
}

int TAlarmShow::Notify(const std::string& message, bool deleteOffered)
{
    return ShowAlarm(QString::fromStdString(message), deleteOffered, nudgeon::TimeoutSeconds,
                     nudgeon::TimeoutAction);
}

int TAlarmShow::ShowAlarm(const QString& message, bool deleteOffered, std::int32_t timeoutSeconds,
                          std::int32_t timeoutAction)
{
    Prepare(message, deleteOffered, timeoutSeconds, timeoutAction);
    return exec();
}

void TAlarmShow::Prepare(const QString& message, bool deleteOffered, std::int32_t timeoutSeconds,
                         std::int32_t timeoutAction)
{
    AlarmMsg->setText(message);
    DeleteButton->setVisible(deleteOffered);
    TimeoutSeconds = timeoutSeconds;
    TimeoutAction = timeoutAction;
    KeepAboveOwnWindows();
}

void TAlarmShow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAlarmShow::FormShow()
{
    // exec() clears the result just before it shows the window; an end of the modal wait
    // that no answer caused (the program told to end) then reads as Ok.
    setResult(AnswerOnSystemClose);
    // Here the window's frame is known, so the whole window lands in the middle.
    CenterOnScreen();
    OkButton->setFocus();
    Timer1->stop();
    CountDown->clear();
    if (TimeoutArmed(TimeoutSeconds)) {
        StartTick = TickCount();
        Timer1->start();
    }
    QTimer::singleShot(0, this, &TAlarmShow::TakeForeground);
    foregroundCheck_->start();
}

void TAlarmShow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

void TAlarmShow::FormHide()
{
    CountDown->clear();
    Timer1->stop();
    foregroundCheck_->stop();
}

void TAlarmShow::closeEvent(QCloseEvent* event)
{
    // Alt+F4, the session ending or the program told to end.
    if (isVisible())
        done(AnswerOnSystemClose);
    event->accept();
}

void TAlarmShow::done(int answer)
{
    foregroundCheck_->stop();
    emit CloseQuery();
    if (desktopNotifier_ != nullptr)
        desktopNotifier_->Withdraw();
    QDialog::done(answer);
}

void TAlarmShow::reject() {}

void TAlarmShow::Timer1Timer()
{
    Timer1->stop();
    const std::uint32_t elapsed = TicksBetween(StartTick, TickCount());
    if (TimeoutExpired(TimeoutSeconds, elapsed)) {
        // An action of 0 leaves the window waiting for a button, the countdown at its last text.
        if (TimeoutAction != AnswerNone)
            done(TimeoutAction);
        return;
    }
    CountDown->setText(QString::fromStdString(CountdownText(TimeoutSeconds, elapsed)));
    Timer1->start();
}

void TAlarmShow::TakeForeground()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

void TAlarmShow::CheckForeground()
{
    if (!isVisible() || desktopNotifier_ == nullptr)
        return;
    const bool keptOnTop = PlatformKeepsWindowsOnTop(QGuiApplication::platformName().toStdString());
    if (keptOnTop && isActiveWindow())
        return;
    desktopNotifier_->Announce(windowTitle(), AlarmMsg->text());
}

void TAlarmShow::KeepAboveOwnWindows()
{
    // Where the window system ignores stay-on-top, a window tied to one of the program's
    // visible windows still opens above that window.
    if (PlatformKeepsWindowsOnTop(QGuiApplication::platformName().toStdString()))
        return;
    QWidget* owner = QApplication::activeWindow();
    if (owner == nullptr || owner == this) {
        owner = nullptr;
        for (QWidget* candidate : QApplication::topLevelWidgets())
            if (candidate != this && candidate->isVisible() &&
                candidate->windowType() == Qt::Window) {
                owner = candidate;
                break;
            }
    }
    winId();
    windowHandle()->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
}

void TAlarmShow::CenterOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameSize(), screen->geometry())
             .topLeft());
}

} // namespace nudgeon
