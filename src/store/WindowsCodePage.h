// Texts in a Windows code page, and the rule for the texts of the data and settings files on a
// Windows system, whose bytes are in the system's ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nudgeon {

inline constexpr unsigned Utf8CodePage = 65001;

// The UTF-8 text of bytes in the code page, by the system's conversion tables.
std::string CodePageToUtf8(std::string_view bytes, unsigned codePage);
// The bytes of a UTF-8 text in the code page; nothing when any character has no form there.
std::optional<std::string> Utf8ToCodePage(std::string_view text, unsigned codePage);
// As Utf8ToCodePage, with "?" for each character that has no form in the code page.
std::string Utf8ToCodePageOrMarks(std::string_view text, unsigned codePage);

// Whether every character of the code page is one byte long (Windows-1252, for one).
bool IsSingleByteCodePage(unsigned codePage);

// The text of bytes read from a file under the ANSI code page given: a single-byte page keeps
// valid UTF-8 as it is, since that is what the program writes elsewhere and no real text in
// such a page reads as UTF-8; a double-byte page takes every text as its own; under UTF-8 the
// rule is that of the other systems.
std::string FileTextToUtf8(std::string_view bytes, unsigned ansiCodePage);

// The bytes a text is written as under the ANSI code page given: its bytes in that page, as the
// program has always written them on Windows. Under a single-byte page a text that the page
// cannot hold, or whose bytes would read back as another text, is written as UTF-8, so that it
// comes back unchanged; a double-byte page gets "?" for the characters it cannot hold.
std::string Utf8ToFileText(std::string_view text, unsigned ansiCodePage);

// The system's ANSI code page.
unsigned ActiveCodePage();

} // namespace nudgeon
