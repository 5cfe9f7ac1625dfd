// TIniFile: a profile (INI) file of "[Section]" and "Key=Value" lines, read and written.
//
// Section and key names compare without regard to case; blanks around names and values do not
// count, and a value in matching quotes loses them. Every write rewrites the whole file in one
// piece, keeping the lines it does not touch (other sections and keys, comments, blank lines).
// Text values are UTF-8 in the program and in the system's code page in the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nudgeon {

// Reading keeps at most this many bytes of a text value.
inline constexpr std::size_t MaxProfileValueLength = 1023;

// An integer value: decimal with optional leading blanks and sign, hexadecimal after "$", or
// hexadecimal after "0x" / "0X" when more follows. Anything else gives nothing.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

class TIniFile {
public:
    // Reads the file when there is one; a missing or unreadable file reads as empty.
    explicit TIniFile(std::filesystem::path file);

    const std::filesystem::path& FileName() const { return file_; }

    // The defaults stand for a missing key and, for numbers, any value that is not one.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    // An integer: 0 is False, any other True.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Adds the key, and its section at the end, when missing; creates the file when there is
    // none. Throws EIniFileError ("Unable to write to " and the path) when the file cannot be
    // written; the file then stays as it was.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    // "1" for True, "0" for False.
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    struct KeyPosition {
        std::size_t line;
        std::size_t nameEnd;
    };
    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<KeyPosition> FindKey(std::string_view section, std::string_view key) const;
    std::optional<std::string> ReadRaw(std::string_view section, std::string_view key) const;
    void Save() const;

    std::filesystem::path file_;
    std::vector<std::string> lines_;
    // A file made on Windows keeps its line ends when rewritten.
    bool crlf_ = false;
};

} // namespace nudgeon
