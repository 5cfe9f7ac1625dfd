// Nudgeon's entry: the single-instance check, then the long-lived windows, then the loop.
#include "ui/Main.h"

#include "controls/Justone.h"
#include "schedule/Alarmsh.h"
#include "schedule/MediaPlayer.h"
#include "schedule/PlatformSession.h"
#include "store/ProgramDir.h"
#include "ui/MessageBoxHooks.h"
#include "ui/Termination.h"

#include <QApplication>

int main(int argc, char** argv)
{
    nudgeon::PreferX11OnWayland();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Nudgeon");
    QGuiApplication::setDesktopFileName("nudgeon");
    // The notification window may be the only one shown while the program sits in the tray.
    QApplication::setQuitOnLastWindowClosed(false);

    // A second copy hands over to the first before it reads or writes anything.
    nudgeon::TPreviousInstance previousInstance(QCoreApplication::applicationFilePath());
    if (previousInstance.PreviousFound) {
        previousInstance.ActivatePrevious();
        return 0;
    }

    nudgeon::InstallMessageBoxes();
    nudgeon::TMediaPlayer mediaPlayer;
    nudgeon::TAlarmShow alarmShow;
    // Every closing of the notification stops the reminder's sound.
    QObject::connect(&alarmShow, &nudgeon::TAlarmShow::CloseQuery, &mediaPlayer,
                     &nudgeon::TMediaPlayer::Shutup);
    nudgeon::TMainForm mainForm(alarmShow, mediaPlayer, &previousInstance, nudgeon::ProgramDir());
    mainForm.Preview = nudgeon::PreviewOn(&mediaPlayer);
    nudgeon::CloseOnTerminationRequest(mainForm);
    mainForm.show();
    return QApplication::exec();
}
