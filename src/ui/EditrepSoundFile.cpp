#include "ui/EditrepSoundFile.h"

#include "ui/EditexRules.h"

#include <system_error>

namespace nudgeon {

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
