// Texts as stored in the program's files: UTF-8, or Windows-1252 from a file made on Windows.
#pragma once

#include <string>
#include <string_view>

namespace nudgeon {

// Well-formed UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Every byte becomes its Windows-1252 character in UTF-8; the five bytes that code page
// leaves undefined become the control characters of the same number, as Windows maps them.
std::string Windows1252ToUtf8(std::string_view bytes);

// The program's text (UTF-8) for bytes read from a file: valid UTF-8 stays as it is, anything
// else was written under Windows-1252, the code page of the program's Windows users.
std::string DecodeFileText(std::string_view bytes);

} // namespace nudgeon
