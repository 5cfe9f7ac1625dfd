// The rules the repeating editor and the preferences apply to sound files: which path a
// reminder keeps and where the file dialog starts.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace nudgeon {

// What the sound file dialog opens with.
struct TSoundFileRequest {
    std::filesystem::path Folder;
    // A file to propose, or empty.
    std::string ProposedName;
};

// Whether a regular file exists at the path (an empty path names none).
bool SoundFileExists(std::string_view path);

// The text of the sound file field as a reminder keeps it: a path that names no existing file
// is dropped.
std::string KeptSoundFile(std::string_view fieldText);

// The dialog starts in the folder of the current sound file, or in the program's folder when
// the path has none, and proposes the current file when it exists.
TSoundFileRequest SoundFileRequestFor(std::string_view soundFile,
                                      const std::filesystem::path& programDir);

} // namespace nudgeon
