#include "AppProcess.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nudgeon::test {
namespace {

class SingleInstanceTest : public testing::Test {
protected:
    QTemporaryDir runtime;
    void SetUp() override
    {
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

TEST_F(SingleInstanceTest, OneCopyPerProgramFileName)
{
    ProgramCopy first("nudgeon");
    first.Start(runtime.path());
    ASSERT_TRUE(first.WaitUntilRunning());

    // The same file name from another folder hands over and ends at once, touching nothing.
    ProgramCopy second("nudgeon");
    second.Start(runtime.path());
    ASSERT_TRUE(second.Process().waitForFinished(15000));
    EXPECT_EQ(second.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.Process().exitCode(), 0);
    EXPECT_FALSE(second.Exists("Nudgeon.dat"));
    EXPECT_FALSE(second.Exists("Nudgeon.INI"));
    EXPECT_EQ(first.Process().state(), QProcess::Running);

    // Another file name is another program.
    ProgramCopy other("nudgeon-work");
    other.Start(runtime.path());
    EXPECT_TRUE(other.WaitUntilRunning());
    EXPECT_TRUE(other.Terminate());

    // When the first ends (saving its lists), the next start runs.
    EXPECT_TRUE(first.Terminate());
    EXPECT_TRUE(first.Exists("Nudgeon.dat"));
    second.Start(runtime.path());
    EXPECT_TRUE(second.WaitUntilRunning());
    EXPECT_TRUE(second.Terminate());
}

} // namespace
} // namespace nudgeon::test
