#include "controls/Justone.h"

#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nudgeon {
namespace {

TEST(Justone, InstanceTitleDropsAnExeExtensionOnly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"prog.exe", "prog"}, {"PROG.EXE", "PROG"}, {"Nudgeon.Exe", "Nudgeon"}, {"nudgeon", ""},
        {"nudgeon.sh", ""},   {".exe", ""},         {"a.exe.bak", ""},
    };
    for (const auto& [file, title] : cases)
        EXPECT_EQ(InstanceTitleOf(file), title) << file;
}

class JustoneTest : public testing::Test {
protected:
    QTemporaryDir directory;
    QString Dir() const { return directory.path(); }
};

TEST_F(JustoneTest, ASecondCopyOfTheSameFileFindsTheFirst)
{
    TPreviousInstance first("/opt/a/nudgeon", Dir());
    EXPECT_FALSE(first.PreviousFound);
    TPreviousInstance second("/home/b/nudgeon", Dir()); // the name counts, not the folder
    EXPECT_TRUE(second.PreviousFound);
    TPreviousInstance other("/opt/a/nudgeon-test", Dir());
    EXPECT_FALSE(other.PreviousFound);
}

TEST_F(JustoneTest, TheNextStartRunsAfterTheFirstEnds)
{
    {
        TPreviousInstance first("/opt/nudgeon", Dir());
    }
    TPreviousInstance next("/opt/nudgeon", Dir());
    EXPECT_FALSE(next.PreviousFound);
}

TEST_F(JustoneTest, AStaleLockOfACrashedCopyDoesNotBlock)
{
    QFile lock(Dir() + "/nudgeon-nudgeon.lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // A process number above the kernel's limit: no such process runs.
    lock.write("99999999\nnudgeon\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    TPreviousInstance start("/opt/nudgeon", Dir());
    EXPECT_FALSE(start.PreviousFound);
}

TEST_F(JustoneTest, ASecondCopyAsksTheFirstToComeForward)
{
    TPreviousInstance first("/opt/nudgeon", Dir());
    TJustOne guard(first);
    ASSERT_TRUE(guard.IsListening());
    QSignalSpy requests(&guard, &TJustOne::ActivateRequested);

    TPreviousInstance second("/opt/nudgeon", Dir());
    ASSERT_TRUE(second.PreviousFound);
    EXPECT_TRUE(second.ActivatePrevious());
    EXPECT_TRUE(requests.wait(2000));
    EXPECT_EQ(requests.count(), 1);
}

TEST_F(JustoneTest, NobodyAnswersWhenNoCopyListens)
{
    TPreviousInstance lone("/opt/nudgeon", Dir());
    EXPECT_FALSE(lone.ActivatePrevious(200));
}

} // namespace
} // namespace nudgeon
