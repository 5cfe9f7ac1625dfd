// Which player a sound file needs, judged by its type and confirmed by its first bytes.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>

namespace nudgeon {

enum class SoundFileKind { Unplayable, Wave, Midi };

// The bytes of a file's beginning that tell its format.
inline constexpr std::size_t SoundFileHeadSize = 12;

// The file's type picks the player (.wav: wave, .mid and .midi: MIDI, in any letter case);
// the head must then be that format's ("RIFF"....WAVE" or "MThd"). A decoder handed a file
// of another format plays silence without an error, so the head decides what really fails.
SoundFileKind SoundFileKindOf(const std::filesystem::path& file,
                              std::span<const unsigned char> head);

// As above with the file's own first bytes; Unplayable when it cannot be read.
SoundFileKind ReadSoundFileKind(const std::filesystem::path& file);

} // namespace nudgeon
