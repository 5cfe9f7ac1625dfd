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

TEST(ProgramDirTest, AnInstalledCopyIsKnownByTheShareFolderBesideItsBinFolder)
{
    test::TempDir root;
    const std::filesystem::path executable = root.Path() / "usr" / "bin" / "nudgeon";
    std::filesystem::create_directories(executable.parent_path());
    WriteFileBytes(executable, "");
    EXPECT_FALSE(IsInstalledCopy(executable)); // unpacked anywhere: portable
    std::filesystem::create_directories(root.Path() / "usr" / "share" / "nudgeon");
    EXPECT_TRUE(IsInstalledCopy(executable));
}

#ifndef _WIN32
// POSIX paths: on Windows "/data/me" lacks a drive and is not absolute.
TEST(ProgramDirTest, TheUsersDataDirectoryFollowsXdgDataHomeWhenAbsolute)
{
    EXPECT_EQ(XdgUserDataDir("/data/me", "/home/me"), "/data/me/Nudgeon");
    EXPECT_EQ(XdgUserDataDir("", "/home/me"), "/home/me/.local/share/Nudgeon");
    EXPECT_EQ(XdgUserDataDir("relative/data", "/home/me"), "/home/me/.local/share/Nudgeon");
}
#endif

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

#ifndef _WIN32
    // Where the file system tells the two spellings apart, the exact one wins.
    WriteFileBytes(dir / "Nudgeon.INI", "");
    EXPECT_EQ(SettingsFileIn(dir.Path()), dir / "Nudgeon.INI");
#endif
    EXPECT_FALSE(FindFileIgnoringCase(dir.Path(), "Nudgeon.hlp"));
}

} // namespace
} // namespace nudgeon
