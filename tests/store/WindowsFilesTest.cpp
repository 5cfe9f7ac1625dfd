// The Windows side of the store's file services, run under Windows or Wine.
#include "StoreTestSupport.h"
#include "store/DataFile.h"
#include "store/PathText.h"
#include "store/PlatformFiles.h"
#include "store/ProgramDir.h"
#include "store/Settings.h"
#include "store/StoreErrors.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace nudgeon {
namespace {

using test::Hex;
using test::ReadFileBytes;
using test::ToHex;
using test::WriteFileBytes;

// Greek and Japanese: no single ANSI code page holds both, so a narrow path could not name it.
constexpr const char* ForeignName = "Nudgeon Ω 日本";

std::vector<std::string> EntriesOf(const std::filesystem::path& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(PathToUtf8(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

class WindowsFilesTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::filesystem::path file = dir / "Nudgeon.dat";
    ReminderList oneTime;
    ReminderList repeating;
    TDateTime lastDate = 0;
};

TEST_F(WindowsFilesTest, UnicodePathsGoThroughUtf8BothWays)
{
    const std::filesystem::path path = PathFromUtf8(ForeignName);
    EXPECT_EQ(path.wstring(), L"Nudgeon \u03A9 \u65E5\u672C");
    EXPECT_EQ(PathToUtf8(path), ForeignName);
}

TEST_F(WindowsFilesTest, TheDataAndSettingsFilesLiveInAFolderWithAnyName)
{
    const std::filesystem::path folder = dir.Path() / PathFromUtf8(ForeignName);
    std::filesystem::create_directory(folder);
    const auto data = DataFileIn(folder);
    oneTime.push_back(TReminder::CreateOneTime(rkOneTime, 36540.5, "Dentist", "", etShowOnly));
    SaveToDisk(data, oneTime, repeating);
    LoadFromDisk(data, oneTime, repeating, lastDate);
    ASSERT_EQ(oneTime.size(), 1u);
    EXPECT_EQ(oneTime[0]->Description, "Dentist");

    const auto settings = SettingsFileIn(folder);
    UseTray = true;
    WriteSettings(settings);
    UseTray = false;
    ReadSettings(settings);
    EXPECT_TRUE(UseTray);
    UseTray = false;
    EXPECT_EQ(EntriesOf(folder), (std::vector<std::string>{"Nudgeon.INI", "Nudgeon.dat"}));

    // The message names the path in the program's own UTF-8.
    const auto missing = folder / "missing" / "Nudgeon.dat";
    try {
        SaveToDisk(missing, oneTime, repeating);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + PathToUtf8(missing));
        EXPECT_NE(std::string(error.what()).find(ForeignName), std::string::npos);
    }
}

// Line ends and the end-of-file mark (1A) are data like any other byte.
TEST_F(WindowsFilesTest, FilesAreReadAndWrittenByteForByte)
{
    const std::string description = "line one\r\nline two\nthree\x1A"
                                    "four";
    oneTime.push_back(TReminder::CreateOneTime(rkOneTime, 36540.5, description, "", etShowOnly));
    SaveToDisk(file, oneTime, repeating);
    const std::string bytes = ReadFileBytes(file);
    const std::string record = Hex("06") + static_cast<char>(description.size()) + description;
    EXPECT_NE(bytes.find(record), std::string::npos) << ToHex(bytes);
    EXPECT_EQ(bytes.find("\r\r"), std::string::npos);

    LoadFromDisk(file, oneTime, repeating, lastDate);
    ASSERT_EQ(oneTime.size(), 1u);
    EXPECT_EQ(oneTime[0]->Description, description);

    const auto settings = dir / "Nudgeon.INI";
    WriteFileBytes(settings, "[Sounds]\nWaveFile=a\x1A"
                             "b.wav\n[Tray]\nUse=1\n");
    ReadSettings(settings);
    EXPECT_EQ(DefaultWaveFile, "a\x1A"
                               "b.wav");
    EXPECT_TRUE(UseTray);
    UseTray = false;
    WriteSettings(settings);
    EXPECT_EQ(ReadFileBytes(settings).find('\r'), std::string::npos);
    DefaultWaveFile.clear();
}

TEST_F(WindowsFilesTest, ASaveReplacesAnExistingFileAndKeepsItHidden)
{
    WriteFileBytes(file, "old contents");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
    SaveToDisk(file, oneTime, repeating);
    EXPECT_EQ(ToHex(ReadFileBytes(file)),
              ToHex(Hex("01 03 9A 02 05 00 00 00 00 00 00 00 80 00 40 00 01 00 01 00")));
    EXPECT_NE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"Nudgeon.dat"});
}

TEST_F(WindowsFilesTest, AFileHeldOpenByAnotherProgramIsLeftAsItWas)
{
    WriteFileBytes(file, "old contents");
    // Opened without delete sharing, so it cannot be replaced while open.
    const HANDLE holder = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_THROW(SaveToDisk(file, oneTime, repeating), EWriteError);
    CloseHandle(holder);
    EXPECT_EQ(ReadFileBytes(file), "old contents");
    EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"Nudgeon.dat"});

    SaveToDisk(file, oneTime, repeating);
    EXPECT_NE(ReadFileBytes(file), "old contents");
}

TEST_F(WindowsFilesTest, OnlyADirectoryThatTakesANewFileIsWritable)
{
    EXPECT_TRUE(IsWritableDirectory(dir.Path()));
    EXPECT_TRUE(EntriesOf(dir.Path()).empty());
    EXPECT_FALSE(IsWritableDirectory(dir / "missing"));
    WriteFileBytes(file, "");
    EXPECT_FALSE(IsWritableDirectory(file));
}

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const wchar_t* value) : name_(name)
    {
        wchar_t buffer[32768];
        const DWORD length = GetEnvironmentVariableW(name, buffer, 32768);
        if (length > 0 && length < 32768)
            saved_ = std::wstring(buffer, length);
        had_ = length > 0;
        SetEnvironmentVariableW(name, value);
    }
    ~ScopedVariable() { SetEnvironmentVariableW(name_, had_ ? saved_.c_str() : nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const wchar_t* name_;
    std::wstring saved_;
    bool had_ = false;
};

TEST_F(WindowsFilesTest, TheUsersFolderIsNudgeonInTheRoamingApplicationData)
{
    const std::filesystem::path appData = dir.Path() / PathFromUtf8("Roaming Ω");
    {
        const ScopedVariable variable(L"APPDATA", appData.c_str());
        EXPECT_EQ(PerUserDataDirectory(), appData / "Nudgeon");
    }
    // Without the variable the shell still knows the folder.
    const ScopedVariable unset(L"APPDATA", nullptr);
    const std::filesystem::path fallback = PerUserDataDirectory();
    EXPECT_TRUE(fallback.is_absolute()) << PathToUtf8(fallback);
    EXPECT_EQ(fallback.filename(), "Nudgeon");
}

TEST_F(WindowsFilesTest, TheExecutableIsNamedByItsFullWindowsPath)
{
    const std::filesystem::path executable = ExecutablePath();
    EXPECT_TRUE(executable.is_absolute());
    EXPECT_TRUE(executable.has_root_name()) << PathToUtf8(executable);
    EXPECT_EQ(executable.extension(), ".exe");
    EXPECT_TRUE(std::filesystem::is_regular_file(executable));
}

} // namespace
} // namespace nudgeon
