#include "store/WindowsCodePage.h"

#include "store/FileText.h"

#include <limits>
#include <windows.h>

namespace nudgeon {

namespace {

// The Windows conversions count in int; longer texts never occur in the program's files.
int CountOf(std::size_t size)
{
    return size > static_cast<std::size_t>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(size);
}

std::wstring Utf16Of(std::string_view bytes, unsigned codePage)
{
    if (bytes.empty())
        return {};
    const int length =
        MultiByteToWideChar(codePage, 0, bytes.data(), CountOf(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), CountOf(bytes.size()), wide.data(), length);
    return wide;
}

// The UTF-16 text in the code page; usedMarks tells whether any character became "?". UTF-8
// and the other pages that take no flags are asked without any.
std::string BytesOf(const std::wstring& wide, unsigned codePage, BOOL* usedMarks)
{
    if (wide.empty())
        return {};
    const bool takesFlags = codePage != Utf8CodePage;
    const DWORD flags = takesFlags ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL* marks = takesFlags ? usedMarks : nullptr;
    const int size = WideCharToMultiByte(codePage, flags, wide.data(), CountOf(wide.size()),
                                         nullptr, 0, nullptr, marks);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), CountOf(wide.size()), bytes.data(), size,
                        nullptr, marks);
    return bytes;
}

} // namespace

std::string CodePageToUtf8(std::string_view bytes, unsigned codePage)
{
    return BytesOf(Utf16Of(bytes, codePage), Utf8CodePage, nullptr);
}

std::optional<std::string> Utf8ToCodePage(std::string_view text, unsigned codePage)
{
    BOOL usedMarks = FALSE;
    std::string bytes = BytesOf(Utf16Of(text, Utf8CodePage), codePage, &usedMarks);
    if (usedMarks)
        return std::nullopt;
    return bytes;
}

std::string Utf8ToCodePageOrMarks(std::string_view text, unsigned codePage)
{
    BOOL usedMarks = FALSE;
    return BytesOf(Utf16Of(text, Utf8CodePage), codePage, &usedMarks);
}

bool IsSingleByteCodePage(unsigned codePage)
{
    CPINFO info{};
    return GetCPInfo(codePage, &info) && info.MaxCharSize == 1;
}

std::string FileTextToUtf8(std::string_view bytes, unsigned ansiCodePage)
{
    if (ansiCodePage == Utf8CodePage)
        return DecodeFileText(bytes);
    if (IsSingleByteCodePage(ansiCodePage) && IsValidUtf8(bytes))
        return std::string(bytes);
    return CodePageToUtf8(bytes, ansiCodePage);
}

std::string Utf8ToFileText(std::string_view text, unsigned ansiCodePage)
{
    if (ansiCodePage == Utf8CodePage)
        return std::string(text);
    if (!IsSingleByteCodePage(ansiCodePage))
        return Utf8ToCodePageOrMarks(text, ansiCodePage);
    const auto bytes = Utf8ToCodePage(text, ansiCodePage);
    // Plain ASCII is the same in both; other bytes that are valid UTF-8 would be read as such.
    if (bytes && (*bytes == text || !IsValidUtf8(*bytes)))
        return *bytes;
    return std::string(text);
}

unsigned ActiveCodePage()
{
    return GetACP();
}

} // namespace nudgeon
