#include "ui/SoundFileRules.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace nudgeon {

bool IsSoundFileName(std::string_view path)
{
    std::string upper(path);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find(".WAV") != std::string::npos || upper.find(".MID") != std::string::npos;
}

std::string FolderOf(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string_view::npos)
        return {};
    return std::string(path.substr(0, separator + 1));
}

bool SoundFileExists(std::string_view path)
{
    if (path.empty())
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

std::string KeptSoundFile(std::string_view fieldText)
{
    return SoundFileExists(fieldText) ? std::string(fieldText) : std::string();
}

TSoundFileRequest SoundFileRequestFor(std::string_view soundFile,
                                      const std::filesystem::path& programDir)
{
    TSoundFileRequest request;
    const std::string folder = FolderOf(soundFile);
    request.Folder = folder.empty() ? programDir : std::filesystem::path(folder);
    if (SoundFileExists(soundFile))
        request.ProposedName = soundFile;
    return request;
}

} // namespace nudgeon
