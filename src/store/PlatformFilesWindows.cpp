// Windows implementation of PlatformFiles.h.
#include "store/PathText.h"
#include "store/PlatformFiles.h"
#include "store/StoreErrors.h"
#include "store/WindowsCodePage.h"

#include <string>
#include <system_error>
#include <utility>
#include <windows.h>
// The shell's headers build on windows.h.
#include <knownfolders.h>
#include <shlobj.h>

namespace nudgeon {

namespace {

constexpr int MaxNameAttempts = 100;
// A virus scanner or an indexer may hold a freshly written file for a moment.
constexpr int MaxReplaceAttempts = 10;
constexpr DWORD ReplaceRetryMilliseconds = 50;
constexpr wchar_t ProgramFolderName[] = L"Nudgeon";

HANDLE Handle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

std::wstring EnvironmentVariable(const wchar_t* name)
{
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

std::filesystem::path RoamingAppData()
{
    if (std::wstring appData = EnvironmentVariable(L"APPDATA"); !appData.empty())
        return appData;
    PWSTR folder = nullptr;
    std::filesystem::path path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)))
        path = folder;
    CoTaskMemFree(folder);
    return path;
}

bool MayClearSoon(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

// What the user may have set on the file that a new file would not have.
DWORD KeptAttributes(const std::filesystem::path& file)
{
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return 0;
    return attributes &
           (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
}

bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target)
{
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        if (attempt == MaxReplaceAttempts || !MayClearSoon(GetLastError()))
            return false;
        Sleep(ReplaceRetryMilliseconds);
    }
}

} // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target) : target_(std::move(target))
{
    const std::string shownPath = PathToUtf8(target_);
    // A link stays a link: the file it names is replaced.
    std::error_code error;
    if (std::filesystem::is_symlink(target_, error)) {
        if (auto resolved = std::filesystem::canonical(target_, error); !error)
            target_ = std::move(resolved);
    }
    const std::wstring stem =
        target_.filename().wstring() + L".new-" + std::to_wstring(GetCurrentProcessId());
    for (int attempt = 0; attempt < MaxNameAttempts; ++attempt) {
        temporary_ = target_;
        temporary_.replace_filename(stem + L"-" + std::to_wstring(attempt));
        const HANDLE file = CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<std::intptr_t>(file);
            return;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    throw EFCreateError(shownPath);
}

ReplacingFile::~ReplacingFile()
{
    if (committed_)
        return;
    CloseHandle();
    DeleteFileW(temporary_.c_str());
}

void ReplacingFile::Write(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t MaxChunk = 1 << 30;
    while (size > 0) {
        const auto chunk = static_cast<DWORD>(size < MaxChunk ? size : MaxChunk);
        DWORD written = 0;
        if (!WriteFile(Handle(handle_), data, chunk, &written, nullptr) || written == 0)
            throw EWriteError();
        data += written;
        size -= written;
    }
}

void ReplacingFile::Commit()
{
    if (!FlushFileBuffers(Handle(handle_)))
        throw EWriteError();
    const HANDLE file = Handle(handle_);
    handle_ = -1;
    if (!::CloseHandle(file))
        throw EWriteError();
    if (const DWORD kept = KeptAttributes(target_); kept != 0)
        SetFileAttributesW(temporary_.c_str(), kept);
    if (!ReplaceWith(temporary_, target_))
        throw EWriteError();
    committed_ = true;
}

void ReplacingFile::CloseHandle()
{
    if (handle_ != -1)
        ::CloseHandle(Handle(handle_));
    handle_ = -1;
}

std::filesystem::path ExecutablePath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        // A full buffer means the path may have been cut short.
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool IsWritableDirectory(const std::filesystem::path& directory)
{
    // Access rights on Windows are lists that only the attempt itself reads correctly.
    for (int attempt = 0; attempt < MaxNameAttempts; ++attempt) {
        const std::filesystem::path probe =
            directory / (L".nudgeon-probe-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                         std::to_wstring(attempt));
        const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            ::CloseHandle(file);
            DeleteFileW(probe.c_str());
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    return false;
}

std::filesystem::path PerUserDataDirectory()
{
    const std::filesystem::path appData = RoamingAppData();
    return appData.empty() ? appData : appData / ProgramFolderName;
}

std::string SystemTextToUtf8(std::string_view bytes)
{
    return FileTextToUtf8(bytes, ActiveCodePage());
}

std::string Utf8ToSystemText(std::string_view text)
{
    return Utf8ToFileText(text, ActiveCodePage());
}

} // namespace nudgeon
