// Shared pieces of the fuzz targets: failing with a reason, a scratch folder, whole-file I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace nudgeon::fuzz {

// Ends the run as a finding; libFuzzer then keeps the input that broke the invariant.
[[noreturn]] inline void Fail(const char* invariant, const char* file, int line,
                              std::string_view detail = {})
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s %.*s\n", file, line, invariant,
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::nudgeon::fuzz::Fail(#condition, __FILE__, __LINE__);                                 \
    } while (false)

#define FUZZ_CHECK_MSG(condition, detail)                                                          \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::nudgeon::fuzz::Fail(#condition, __FILE__, __LINE__, (detail));                       \
    } while (false)

// A private folder for the run, in memory where the system offers it so that the many small
// writes and syncs cost little.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code error;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, error))
            base = std::filesystem::temp_directory_path();
        path_ = base / ("nudgeon-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_, error);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Removes everything in it.
    void Empty() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            std::filesystem::remove_all(entry.path());
    }

private:
    std::filesystem::path path_;
};

inline void WriteWholeFile(const std::filesystem::path& file, const std::uint8_t* data,
                           std::size_t size)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::string ReadWholeFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace nudgeon::fuzz
