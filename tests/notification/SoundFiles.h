// Small sound files made on the spot: a wave file of silence and a MIDI file of one note.
#pragma once

#include <cstdint>
#include <string>

namespace nudgeon::test {

inline void AppendLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// 8 kHz, mono, 8-bit PCM.
inline std::string WaveOfSilence(double seconds)
{
    const auto samples = static_cast<std::uint32_t>(seconds * 8000);
    std::string bytes = "RIFF";
    AppendLittleEndian(bytes, 36 + samples, 4);
    bytes += "WAVEfmt ";
    AppendLittleEndian(bytes, 16, 4);   // format chunk size
    AppendLittleEndian(bytes, 1, 2);    // PCM
    AppendLittleEndian(bytes, 1, 2);    // channels
    AppendLittleEndian(bytes, 8000, 4); // sample rate
    AppendLittleEndian(bytes, 8000, 4); // bytes per second
    AppendLittleEndian(bytes, 1, 2);    // block align
    AppendLittleEndian(bytes, 8, 2);    // bits per sample
    bytes += "data";
    AppendLittleEndian(bytes, samples, 4);
    bytes.append(samples, static_cast<char>(0x80));
    return bytes;
}

// Middle C on a piano for a quarter of a second.
inline std::string MidiOfOneNote()
{
    const std::string track("\x00\xC0\x00"      // piano
                            "\x00\x90\x3C\x64"  // note on
                            "\x60\x80\x3C\x40"  // note off a beat later
                            "\x00\xFF\x2F\x00", // end of track
                            15);
    std::string bytes("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk", 18);
    bytes.append("\x00\x00\x00", 3);
    bytes.push_back(static_cast<char>(track.size()));
    return bytes + track;
}

} // namespace nudgeon::test
