#include "schedule/SoundFileKind.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <string>
#include <string_view>

namespace nudgeon {
namespace {

std::string LowerExtension(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

SoundFileKind KindByType(const std::filesystem::path& file)
{
    const std::string extension = LowerExtension(file);
    if (extension == ".wav")
        return SoundFileKind::Wave;
    if (extension == ".mid" || extension == ".midi")
        return SoundFileKind::Midi;
    return SoundFileKind::Unplayable;
}

bool HasAt(std::span<const unsigned char> head, std::size_t offset, std::string_view tag)
{
    if (head.size() < offset + tag.size())
        return false;
    return std::equal(tag.begin(), tag.end(), head.begin() + static_cast<std::ptrdiff_t>(offset),
                      [](char t, unsigned char h) { return static_cast<unsigned char>(t) == h; });
}

bool HeadMatches(SoundFileKind kind, std::span<const unsigned char> head)
{
    switch (kind) {
    case SoundFileKind::Wave:
        return HasAt(head, 0, "RIFF") && HasAt(head, 8, "WAVE");
    case SoundFileKind::Midi:
        return HasAt(head, 0, "MThd");
    case SoundFileKind::Unplayable:
        break;
    }
    return false;
}

} // namespace

SoundFileKind SoundFileKindOf(const std::filesystem::path& file,
                              std::span<const unsigned char> head)
{
    const SoundFileKind kind = KindByType(file);
    return HeadMatches(kind, head) ? kind : SoundFileKind::Unplayable;
}

SoundFileKind ReadSoundFileKind(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return SoundFileKind::Unplayable;
    std::array<char, SoundFileHeadSize> bytes{};
    stream.read(bytes.data(), bytes.size());
    const auto count = static_cast<std::size_t>(stream.gcount());
    std::array<unsigned char, SoundFileHeadSize> head{};
    std::transform(bytes.begin(), bytes.end(), head.begin(),
                   [](char c) { return static_cast<unsigned char>(c); });
    return SoundFileKindOf(file, std::span(head.data(), count));
}

} // namespace nudgeon
