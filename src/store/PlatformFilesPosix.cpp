// POSIX implementation of PlatformFiles.h.
#include "store/FileText.h"
#include "store/PlatformFiles.h"
#include "store/ProgramDir.h"
#include "store/StoreErrors.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace nudgeon {

namespace {

constexpr int MaxNameAttempts = 100;

int Descriptor(std::intptr_t handle)
{
    return static_cast<int>(handle);
}

// Makes the file's data and its directory entry durable; failures only cost durability.
void SyncDirectory(const std::filesystem::path& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::filesystem::path HomeDirectory()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return {};
}

std::filesystem::path DirectoryOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

} // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target) : target_(std::move(target))
{
    const std::string shownPath = target_.string();
    // A link (into a synchronised folder, say) stays a link: the file it names is replaced.
    std::error_code error;
    if (std::filesystem::is_symlink(target_, error)) {
        if (auto resolved = std::filesystem::canonical(target_, error); !error)
            target_ = std::move(resolved);
    }
    const std::string stem = target_.filename().string() + ".new-" + std::to_string(::getpid());
    for (int attempt = 0; attempt < MaxNameAttempts; ++attempt) {
        temporary_ = target_;
        temporary_.replace_filename(stem + "-" + std::to_string(attempt));
        // 0666 lets the user's umask decide, as for any file the program creates.
        const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            handle_ = fd;
            return;
        }
        if (errno != EEXIST)
            break;
    }
    throw EFCreateError(shownPath);
}

ReplacingFile::~ReplacingFile()
{
    if (committed_)
        return;
    CloseHandle();
    ::unlink(temporary_.c_str());
}

void ReplacingFile::Write(const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(Descriptor(handle_), data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw EWriteError();
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void ReplacingFile::Commit()
{
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0)
        ::fchmod(Descriptor(handle_), existing.st_mode & 07777);
    if (::fsync(Descriptor(handle_)) != 0)
        throw EWriteError();
    const int fd = Descriptor(handle_);
    handle_ = -1;
    if (::close(fd) != 0)
        throw EWriteError();
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        throw EWriteError();
    committed_ = true;
    SyncDirectory(DirectoryOf(target_));
}

void ReplacingFile::CloseHandle()
{
    if (handle_ >= 0)
        ::close(Descriptor(handle_));
    handle_ = -1;
}

std::filesystem::path ExecutablePath()
{
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

bool IsWritableDirectory(const std::filesystem::path& directory)
{
    return ::access(directory.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path PerUserDataDirectory()
{
    const char* xdgDataHome = std::getenv("XDG_DATA_HOME");
    return XdgUserDataDir(xdgDataHome != nullptr ? xdgDataHome : "", HomeDirectory());
}

std::string SystemTextToUtf8(std::string_view bytes)
{
    return DecodeFileText(bytes);
}

std::string Utf8ToSystemText(std::string_view text)
{
    return std::string(text);
}

} // namespace nudgeon
