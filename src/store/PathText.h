// File paths to and from the program's texts, which are UTF-8 on every system.
//
// A path built from a plain std::string takes its bytes in the system's narrow encoding, which
// on Windows is not UTF-8, so paths go through std::u8string both ways.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace nudgeon {

inline std::filesystem::path PathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string PathToUtf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace nudgeon
