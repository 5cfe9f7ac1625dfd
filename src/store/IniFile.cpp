#include "store/IniFile.h"

#include "store/AsciiText.h"
#include "store/PlatformFiles.h"
#include "store/StoreErrors.h"

#include <fstream>
#include <limits>
#include <utility>

namespace nudgeon {

namespace {

std::optional<std::string_view> SectionNameOf(std::string_view line)
{
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const auto close = trimmed.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(trimmed.substr(1, close - 1));
}

bool IsComment(std::string_view line)
{
    const std::string_view trimmed = TrimBlanks(line);
    return !trimmed.empty() && trimmed.front() == ';';
}

std::string_view StripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Cut to at most max bytes without splitting a UTF-8 character.
std::string_view CutToLength(std::string_view text, std::size_t max)
{
    if (text.size() <= max)
        return text;
    std::size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

int HexDigitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    const char lower = AsciiLower(ch);
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// Up to eight hexadecimal digits; all 32 bits are taken, so FFFFFFFF is -1.
std::optional<std::uint32_t> ParseHex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char ch : digits) {
        const int digit = HexDigitValue(ch);
        if (digit < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative)
{
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char ch : digits) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> AsSigned(std::optional<std::uint32_t> bits)
{
    if (!bits)
        return std::nullopt;
    return static_cast<std::int32_t>(*bits);
}

std::string IntegerText(std::int32_t value)
{
    return std::to_string(value);
}

} // namespace

std::optional<std::int32_t> ParseProfileInteger(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return AsSigned(ParseHex(text.substr(2)));
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return std::nullopt;
    const bool negative = text[start] == '-';
    if (negative || text[start] == '+')
        ++start;
    const std::string_view rest = text.substr(start);
    if (rest.empty() || rest.front() != '$')
        return ParseDecimal(rest, negative);
    const auto hex = ParseHex(rest.substr(1));
    if (!hex)
        return std::nullopt;
    return AsSigned(negative ? 0u - *hex : *hex);
}

TIniFile::TIniFile(std::filesystem::path file) : file_(std::move(file))
{
    std::ifstream in(file_, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            crlf_ = true;
        }
        lines_.push_back(std::move(line));
    }
}

std::optional<std::size_t> TIniFile::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionNameOf(lines_[i]);
        if (name && EqualIgnoringCase(*name, section))
            return i;
    }
    return std::nullopt;
}

std::size_t TIniFile::SectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < lines_.size() && !SectionNameOf(lines_[i]))
        ++i;
    return i;
}

std::optional<TIniFile::KeyPosition> TIniFile::FindKey(std::string_view section,
                                                       std::string_view key) const
{
    const auto header = FindSection(section);
    if (!header)
        return std::nullopt;
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const std::string_view line = lines_[i];
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || IsComment(line))
            continue;
        if (EqualIgnoringCase(TrimBlanks(line.substr(0, equals)), key))
            return KeyPosition{i, equals};
    }
    return std::nullopt;
}

std::optional<std::string> TIniFile::ReadRaw(std::string_view section, std::string_view key) const
{
    const auto position = FindKey(section, key);
    if (!position)
        return std::nullopt;
    const std::string_view line = lines_[position->line];
    const std::string_view value = StripQuotes(TrimBlanks(line.substr(position->nameEnd + 1)));
    return SystemTextToUtf8(CutToLength(value, MaxProfileValueLength));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const
{
    if (auto value = ReadRaw(section, key))
        return std::move(*value);
    return std::string(defaultValue);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) const
{
    const auto value = ReadRaw(section, key);
    if (!value)
        return defaultValue;
    return ParseProfileInteger(*value).value_or(defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    // The lines hold the file's own bytes.
    const std::string bytes = Utf8ToSystemText(value);
    std::vector<std::string> before = lines_;
    if (const auto position = FindKey(section, key)) {
        std::string& line = lines_[position->line];
        line = std::string(TrimBlanks(std::string_view(line).substr(0, position->nameEnd))) + "=" +
               bytes;
    } else if (const auto header = FindSection(section)) {
        // After the section's last line that is not blank, before the gap to the next one.
        std::size_t at = SectionEnd(*header);
        while (at > *header + 1 && TrimBlanks(lines_[at - 1]).empty())
            --at;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                      std::string(key) + "=" + bytes);
    } else {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + bytes);
    }
    try {
        Save();
    } catch (...) {
        lines_ = std::move(before);
        throw;
    }
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    WriteString(section, key, IntegerText(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::Save() const
{
    const std::string_view lineEnd = crlf_ ? "\r\n" : "\n";
    std::string text;
    for (const auto& line : lines_) {
        text += line;
        text += lineEnd;
    }
    try {
        ReplacingFile out(file_);
        out.Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        out.Commit();
    } catch (const EFCreateError&) {
        throw EIniFileError(file_.string());
    } catch (const EWriteError&) {
        throw EIniFileError(file_.string());
    }
}

} // namespace nudgeon
