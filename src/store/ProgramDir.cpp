#include "store/ProgramDir.h"

#include "store/AsciiText.h"
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
    const bool writable = !executable.empty() && IsWritableDirectory(executable.parent_path());
    std::filesystem::path chosen = ChooseProgramDir(executable, writable, PerUserDataDirectory());
    std::error_code ignored;
    std::filesystem::create_directories(chosen, ignored);
    return chosen;
}

} // namespace

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
    std::error_code error;
    if (std::filesystem::exists(directory / name, error))
        return directory / name;
    std::optional<std::filesystem::path> found;
    for (auto entry = std::filesystem::directory_iterator(directory, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string entryName = entry->path().filename().string();
        // The smallest matching name, so the choice does not depend on the listing's order.
        if (EqualIgnoringCase(entryName, name) &&
            (!found || entryName < found->filename().string()))
            found = entry->path();
    }
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
