// The rules the dialogs apply to sound files: which names are taken as sound files, which path a
// reminder keeps and where the file dialog starts.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace nudgeon {

// Whether a chosen file is taken as a sound file: ".WAV" or ".MID" anywhere in its name,
// whatever the letter case.
bool IsSoundFileName(std::string_view path);

// Everything up to and including the last folder separator ('/' or '\'); empty when the
// path has none.
std::string FolderOf(std::string_view path);

// Whether a regular file exists at the path (an empty path names none).
bool SoundFileExists(std::string_view path);

// The text of the sound file field as a reminder keeps it: a path that names no existing file
// is dropped.
std::string KeptSoundFile(std::string_view fieldText);

// What the sound file dialog opens with.
struct TSoundFileRequest {
    std::filesystem::path Folder;
    // A file to propose, or empty.
    std::string ProposedName;
};

// The dialog starts in the folder of the current sound file, or in the program's folder when
// the path has none, and proposes the current file when it exists.
TSoundFileRequest SoundFileRequestFor(std::string_view soundFile,
                                      const std::filesystem::path& programDir);

} // namespace nudgeon
