// The program installed from the package, run under a virtual X server by a user who may not
// write its folder, as after a real installation.
#include "UnpackedPackage.h"
#include "app/AppProcess.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nudgeon::test {
namespace {

const QString MainWindowTitle = "Nudgeon!";

bool RunningAsRoot()
{
    return ::geteuid() == 0;
}

// Root may write anywhere, so root's runs go to this user, who cannot write the unpacked files.
const passwd* OtherUser()
{
    return ::getpwnam("nobody");
}

class InstalledProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(package_.Unpacked()) << package_.Log().toStdString();
        ASSERT_TRUE(server_.IsRunning());
        for (const char* folder : {"home", "data", "runtime"})
            ASSERT_TRUE(QDir(user_.path()).mkdir(folder));
        // The runtime folder must be the user's alone, or Qt refuses it.
        ::chmod(user_.filePath("runtime").toLocal8Bit().constData(), 0700);
        if (RunningAsRoot())
            GiveUserFoldersToOtherUser();
        else
            MakeProgramFolderReadOnly(true);
    }

    void TearDown() override
    {
        Terminate();
        if (!RunningAsRoot())
            MakeProgramFolderReadOnly(false);
    }

    void Start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", user_.filePath("home"));
        environment.insert("XDG_DATA_HOME", user_.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", user_.filePath("runtime"));
        environment.insert("DISPLAY", server_.Display());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("SDL_AUDIODRIVER", "dummy");
        // Leaks inside the system's font and window libraries are not the program's to fix.
        environment.insert("ASAN_OPTIONS", "detect_leaks=0");
        program_.setProcessEnvironment(environment);
        program_.setWorkingDirectory(user_.filePath("home"));
        program_.setProcessChannelMode(QProcess::MergedChannels);
        const QString binary = package_.Path("usr/bin/nudgeon");
        if (RunningAsRoot()) {
            const passwd* user = OtherUser();
            program_.start("setpriv", {QString("--reuid=%1").arg(user->pw_uid),
                                       QString("--regid=%1").arg(user->pw_gid), "--clear-groups",
                                       "--", binary});
        } else {
            program_.start(binary, {});
        }
        program_.waitForStarted(5000);
    }

    // Asks the program to end as the system does at log-out; true when it ended well.
    bool Terminate()
    {
        if (program_.state() == QProcess::NotRunning)
            return program_.exitStatus() == QProcess::NormalExit && program_.exitCode() == 0;
        ::kill(static_cast<pid_t>(program_.processId()), SIGTERM);
        return program_.waitForFinished(15000) && program_.exitStatus() == QProcess::NormalExit &&
               program_.exitCode() == 0;
    }

    // How the program stands and what it printed, for the report of a failed test.
    std::string Report()
    {
        const bool running = program_.state() != QProcess::NotRunning;
        return QString("%1; output:\n%2")
            .arg(running ? "still running" : "ended with " + QString::number(program_.exitCode()))
            .arg(QString::fromLocal8Bit(program_.readAll()))
            .toStdString();
    }

    QString WaitForMainWindow() { return WaitForWindow(MainWindowTitle, server_.Display()); }

    UnpackedPackage package_;
    QTemporaryDir user_; // the user's home, data and runtime folders
    XvfbServer server_;
    QProcess program_;

private:
    void GiveUserFoldersToOtherUser()
    {
        const passwd* user = OtherUser();
        ASSERT_NE(user, nullptr);
        // The other user must reach the unpacked program through folders made for root alone.
        for (const QString& folder : {package_.Root(), user_.path()})
            ::chmod(folder.toLocal8Bit().constData(), 0755);
        for (const char* folder : {"home", "data", "runtime"})
            ::chown(user_.filePath(folder).toLocal8Bit().constData(), user->pw_uid, user->pw_gid);
    }

    void MakeProgramFolderReadOnly(bool readOnly)
    {
        ::chmod(package_.Path("usr/bin").toLocal8Bit().constData(), readOnly ? 0555 : 0755);
    }
};

// The class half of a window's WM_CLASS, as xprop prints it: WM_CLASS(STRING) = "a", "B".
QString WindowClass(const QString& window, const QString& display)
{
    const QString line = RunCommand("xprop", {"-id", window, "WM_CLASS"}, display);
    return line.section('"', 3, 3);
}

TEST_F(InstalledProgramTest, ShowsItsMainWindowWithTheWindowClassTheDesktopEntryNames)
{
    Start();
    const QString window = WaitForMainWindow();
    ASSERT_FALSE(window.isEmpty()) << Report();
    Screenshot("installed-program.png", server_.Display());
    const QString desktopEntry = package_.Path("usr/share/applications/nudgeon.desktop");
    EXPECT_EQ(WindowClass(window, server_.Display()),
              DesktopEntryValue(desktopEntry, "StartupWMClass"));
    EXPECT_TRUE(Terminate()) << Report();
}

TEST_F(InstalledProgramTest, KeepsItsFilesInTheUsersDataFolderNotBesideItself)
{
    Start();
    ASSERT_FALSE(WaitForMainWindow().isEmpty()) << Report();
    ASSERT_TRUE(Terminate()) << Report();
    const QDir dataFolder(user_.filePath("data/Nudgeon"));
    EXPECT_TRUE(dataFolder.exists("Nudgeon.dat"));
    EXPECT_TRUE(dataFolder.exists("Nudgeon.INI"));
    EXPECT_EQ(QDir(package_.Path("usr/bin"))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"nudgeon"});
}

} // namespace
} // namespace nudgeon::test
