// TAlarmShow: the stay-on-top window that announces a due reminder and returns the answer.
#pragma once

#include "schedule/TickServices.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace nudgeon {

class DesktopNotifier;

// Created once at start and reused for every notification. It has no parent: a top-level
// window of its own, it opens even while the main window is hidden in the tray. Its answer
// is the modal result: 1 done, 2 delete, -N snooze for N minutes.
class TAlarmShow : public QDialog, public Notifier {
    Q_OBJECT

public:
    // How long after opening the window must be in the foreground before the desktop is
    // asked to announce the reminder as well.
    static constexpr int ForegroundGraceMs = 1000;

    explicit TAlarmShow(QWidget* parent = nullptr);

    // The tick's notification: the time-out comes from the settings TimeoutSeconds and
    // TimeoutAction as they are at this moment.
    int Notify(const std::string& message, bool deleteOffered) override;
    // Fills in the window, shows it modally and returns the answer.
    int ShowAlarm(const QString& message, bool deleteOffered, std::int32_t timeoutSeconds,
                  std::int32_t timeoutAction);
    // Fills in the window for one showing without showing it.
    void Prepare(const QString& message, bool deleteOffered, std::int32_t timeoutSeconds,
                 std::int32_t timeoutAction);

    // Where a desktop notification is sent when the window cannot be seen to come to the
    // front: the freedesktop.org service unless replaced; nullptr sends none. Not owned.
    void SetDesktopNotifier(DesktopNotifier* notifier) { desktopNotifier_ = notifier; }

    QLabel* AlarmMsg;
    QFrame* Panel1;
    QLabel* Label1;
    QPushButton* b5min;
    QPushButton* b10min;
    QPushButton* b30min;
    QPushButton* b1hour;
    QPushButton* b2hr;
    QPushButton* b4hr;
    QPushButton* b24hr;
    QPushButton* OneWeek;
    QPushButton* DeleteButton;
    QLabel* CountDown;
    QPushButton* OkButton;
    // The countdown, every 100 ms while a time-out is armed.
    QTimer* Timer1;

    // The tick count (AlarmTickCount.h) when the time-out was armed.
    std::uint32_t StartTick = 0;
    // Seconds until the window answers by itself; 0 or less: never.
    std::int32_t TimeoutSeconds = 0;
    // The answer at the time-out; 0 leaves the window open.
    std::int32_t TimeoutAction = 0;

public slots:
    void Timer1Timer();
    // Announces the reminder on the desktop unless the window is visibly in the foreground.
    void CheckForeground();
    // Every answer closes the window through here.
    void done(int answer) override;
    // Escape, which would cancel another dialog, does nothing here.
    void reject() override;

signals:
    // Sent as the window closes, whatever closed it; the sound of the reminder stops on it.
    void CloseQuery();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMessage();
    void CreatePanel();
    QPushButton* CreateButton(std::size_t index);
    void SetTabOrder();
    void FormShow();
    void FormHide();
    void TakeForeground();
    void KeepAboveOwnWindows();
    void CenterOnScreen();

    DesktopNotifier* desktopNotifier_;
    QTimer* foregroundCheck_;
};

} // namespace nudgeon
