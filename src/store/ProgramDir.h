// ProgramDir: the directory holding the data and settings files, and the paths of those files.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace nudgeon {

inline constexpr std::string_view DataFileName = "Nudgeon.dat";
inline constexpr std::string_view SettingsFileName = "Nudgeon.INI";

// The executable's directory when files can be created there (a copy unpacked anywhere);
// otherwise, as for an installed program, the per-user data directory, created on first use.
// Worked out once per run.
const std::filesystem::path& ProgramDir();

// Whether the executable is an installed copy: installing puts share/nudgeon/ beside its
// bin/ folder, which a copy unpacked anywhere does not have.
bool IsInstalledCopy(const std::filesystem::path& executable);
// The choice ProgramDir() makes, from the executable's path and the user's data directory.
std::filesystem::path ChooseProgramDir(const std::filesystem::path& executable,
                                       bool executableDirWritable,
                                       const std::filesystem::path& userDataDir);

// $XDG_DATA_HOME/Nudgeon when that variable holds an absolute path, else
// <home>/.local/share/Nudgeon.
std::filesystem::path XdgUserDataDir(std::string_view xdgDataHome,
                                     const std::filesystem::path& home);

// The entry of the directory whose name equals name without regard to letter case (an exact
// match first), so that files copied from a system that ignores case are found.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& directory,
                                                          std::string_view name);

// The data file in directory: an existing one whatever its case, else "Nudgeon.dat".
std::filesystem::path DataFileIn(const std::filesystem::path& directory);
// The settings file in directory: an existing one whatever its case ("Nudgeon.INI" and
// "NUDGEON.INI" are the same file), else "Nudgeon.INI".
std::filesystem::path SettingsFileIn(const std::filesystem::path& directory);

std::filesystem::path DataFilePath();
std::filesystem::path SettingsPath();

} // namespace nudgeon
