// The few file and process services of the store that differ between operating systems.
#pragma once

#include "store/ByteStreams.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace nudgeon {

// A new file written beside its target that takes the target's place only once it is complete
// and on the disk, so a failed or interrupted save leaves the old file as it was.
class ReplacingFile : public ByteSink {
public:
    // Throws EFCreateError with the target's path when the new file cannot be created.
    explicit ReplacingFile(std::filesystem::path target);
    // Without Commit() the new file is removed and the target stays untouched.
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Throws EWriteError when a byte cannot be written (a full disk, for one).
    void Write(const std::uint8_t* data, std::size_t size) override;
    // Puts the file on the disk and in the target's place, with the target's permissions.
    // Throws EWriteError; the target is then unchanged.
    void Commit();

private:
    void CloseHandle();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::intptr_t handle_ = -1;
    bool committed_ = false;
};

// The running program's file; empty when the system cannot tell.
std::filesystem::path ExecutablePath();
// Whether files can be created in the directory.
bool IsWritableDirectory(const std::filesystem::path& directory);
// The directory the program keeps its files in for this user when its own directory cannot
// be written (not created here).
std::filesystem::path PerUserDataDirectory();

// The program's text (UTF-8) of a text's bytes in the data or settings file, and the bytes a
// text is written there as. The files hold texts in the system's code page: UTF-8 here, with
// Windows-1252 read from files made on Windows; the ANSI code page on Windows.
std::string SystemTextToUtf8(std::string_view bytes);
std::string Utf8ToSystemText(std::string_view text);

} // namespace nudgeon
