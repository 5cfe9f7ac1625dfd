#include "store/ProgramDir.h"

#include "store/AsciiText.h"
#include "store/PathText.h"
#include "store/PlatformFiles.h"

#include <string>
#include <system_error>

namespace nudgeon {

namespace {

constexpr std::string_view ProgramFolderName = "Nudgeon";

std::filesystem::path FileIn(const std::filesystem::path& directory, std::string_view name)
{
    if (auto found = FindFileIgnoringCase(directory, name))
        return *found;
    return directory / name;
}

std::filesystem::path WorkOutProgramDir()
{
    const std::filesystem::path executable = ExecutablePath();
    // An installed copy keeps its data per user even where it may write (run by root, or
    // installed into the user's own ~/.local).
    const bool portable = !executable.empty() && !IsInstalledCopy(executable) &&
                          IsWritableDirectory(executable.parent_path());
    std::filesystem::path chosen = ChooseProgramDir(executable, portable, PerUserDataDirectory());
    std::error_code ignored;
    std::filesystem::create_directories(chosen, ignored);
    return chosen;
}

} // namespace

bool IsInstalledCopy(const std::filesystem::path& executable)
{
    std::error_code error;
    return std::filesystem::is_directory(
        executable.parent_path().parent_path() / "share" / "nudgeon", error);
}

const std::filesystem::path& ProgramDir()
{
    static const std::filesystem::path directory = WorkOutProgramDir();
    return directory;
}

std::filesystem::path ChooseProgramDir(const std::filesystem::path& executable,
                                       bool executableDirWritable,
                                       const std::filesystem::path& userDataDir)
{
    if (executableDirWritable && !executable.empty())
        return executable.parent_path();
    return userDataDir;
}

std::filesystem::path XdgUserDataDir(std::string_view xdgDataHome,
                                     const std::filesystem::path& home)
{
    // A relative XDG_DATA_HOME is to be ignored.
    const std::filesystem::path xdg(xdgDataHome);
    if (xdg.is_absolute())
        return xdg / ProgramFolderName;
    return home / ".local" / "share" / ProgramFolderName;
}

std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& directory,
                                                          std::string_view name)
{
    // The listing gives the name as stored even where the file system ignores case itself.
    std::error_code error;
    std::optional<std::filesystem::path> found;
    for (auto entry = std::filesystem::directory_iterator(directory, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string entryName = PathToUtf8(entry->path().filename());
        if (entryName == name)
            return entry->path();
        // The smallest matching name, so the choice does not depend on the listing's order.
        if (EqualIgnoringCase(entryName, name) &&
            (!found || entryName < PathToUtf8(found->filename())))
            found = entry->path();
    }
    // A directory that may be entered but not listed.
    if (!found && std::filesystem::exists(directory / name, error))
        return directory / name;
    return found;
}

std::filesystem::path DataFileIn(const std::filesystem::path& directory)
{
    return FileIn(directory, DataFileName);
}

std::filesystem::path SettingsFileIn(const std::filesystem::path& directory)
{
    return FileIn(directory, SettingsFileName);
}

std::filesystem::path DataFilePath()
{
    return DataFileIn(ProgramDir());
}

std::filesystem::path SettingsPath()
{
    return SettingsFileIn(ProgramDir());
}

} // namespace nudgeon
