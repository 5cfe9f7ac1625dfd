// Helpers for the storage tests: a scratch directory, whole-file reads and writes, hex bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

namespace nudgeon::test {

// A fresh directory for one test, removed with its contents afterwards.
class TempDir {
public:
    TempDir()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("nudgeon-store-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline std::string ReadFileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Bytes from text such as "01 03 9A 02"; blanks between bytes are optional.
inline std::string Hex(std::string_view text)
{
    std::string bytes;
    std::string digits;
    for (const char ch : text) {
        if (ch == ' ' || ch == '\n')
            continue;
        digits += ch;
        if (digits.size() == 2) {
            bytes += static_cast<char>(std::stoi(digits, nullptr, 16));
            digits.clear();
        }
    }
    return bytes;
}

// "01 03 9A ..." for a failure message.
inline std::string ToHex(std::string_view bytes)
{
    std::ostringstream out;
    const char* digits = "0123456789ABCDEF";
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        out << digits[byte >> 4] << digits[byte & 0xF] << ' ';
    }
    return out.str();
}

} // namespace nudgeon::test
