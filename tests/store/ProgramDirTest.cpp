#include "store/ProgramDir.h"

#include "StoreTestSupport.h"
#include "store/PlatformFiles.h"

#include <gtest/gtest.h>

namespace nudgeon {
namespace {

using test::WriteFileBytes;

TEST(ProgramDirTest, TheExecutablesDirectoryWhenWritableElseTheUsersDataDirectory)
{
    const std::filesystem::path userDir = "/home/me/.local/share/Nudgeon";
    EXPECT_EQ(ChooseProgramDir("/opt/nudgeon/nudgeon", true, userDir), "/opt/nudgeon");
    EXPECT_EQ(ChooseProgramDir("/usr/bin/nudgeon", false, userDir), userDir);
    EXPECT_EQ(ChooseProgramDir("", true, userDir), userDir);
}

TEST(ProgramDirTest, TheUsersDataDirectoryFollowsXdgDataHomeWhenAbsolute)
{
    EXPECT_EQ(XdgUserDataDir("/data/me", "/home/me"), "/data/me/Nudgeon");
    EXPECT_EQ(XdgUserDataDir("", "/home/me"), "/home/me/.local/share/Nudgeon");
    EXPECT_EQ(XdgUserDataDir("relative/data", "/home/me"), "/home/me/.local/share/Nudgeon");
}

TEST(ProgramDirTest, ThisProgramsDirectoryIsWritableSoItIsUsed)
{
    const std::filesystem::path executable = ExecutablePath();
    ASSERT_FALSE(executable.empty());
    EXPECT_EQ(executable.stem(), "nudgeon_store_tests");
    EXPECT_EQ(ProgramDir(), executable.parent_path());
    EXPECT_EQ(DataFilePath().parent_path(), ProgramDir());
}

TEST(ProgramDirTest, FilesAreFoundWhateverTheirLetterCase)
{
    test::TempDir dir;
    EXPECT_EQ(SettingsFileIn(dir.Path()), dir / "Nudgeon.INI");
    EXPECT_EQ(DataFileIn(dir.Path()), dir / "Nudgeon.dat");

    WriteFileBytes(dir / "NUDGEON.INI", "");
    WriteFileBytes(dir / "nudgeon.DAT", "");
    EXPECT_EQ(SettingsFileIn(dir.Path()), dir / "NUDGEON.INI");
    EXPECT_EQ(DataFileIn(dir.Path()), dir / "nudgeon.DAT");

    // With both spellings present the exact one wins.
    WriteFileBytes(dir / "Nudgeon.INI", "");
    EXPECT_EQ(SettingsFileIn(dir.Path()), dir / "Nudgeon.INI");
    EXPECT_FALSE(FindFileIgnoringCase(dir.Path(), "Nudgeon.hlp"));
}

} // namespace
} // namespace nudgeon
