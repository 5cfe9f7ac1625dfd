#include "schedule/SoundFileKind.h"

#include "TempDirectory.h"

#include <gtest/gtest.h>
#include <span>
#include <string>

namespace nudgeon {
namespace {

const std::string WaveHead("RIFF\x24\x08\x00\x00WAVE", 12);
const std::string MidiHead("MThd\x00\x00\x00\x06\x00\x00\x00\x01", 12);

std::span<const unsigned char> Bytes(const std::string& text)
{
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

TEST(SoundFileKind, TheTypePicksThePlayerAndTheHeadMustMatchIt)
{
    struct Case {
        const char* file;
        std::string head;
        SoundFileKind kind;
    };
    const Case cases[] = {
        {"chime.wav", WaveHead, SoundFileKind::Wave},
        {"CHIME.WAV", WaveHead, SoundFileKind::Wave},
        {"tune.mid", MidiHead, SoundFileKind::Midi},
        {"Tune.MIDI", MidiHead, SoundFileKind::Midi},
        {"notes.wav", "Buy milk and bread", SoundFileKind::Unplayable},
        {"notes.mid", "Buy milk and bread", SoundFileKind::Unplayable},
        {"tune.wav", MidiHead, SoundFileKind::Unplayable},
        {"chime.mid", WaveHead, SoundFileKind::Unplayable},
        {"movie.wav", std::string("RIFF\0\0\0\0AVI ", 12), SoundFileKind::Unplayable},
        {"chime.mp3", WaveHead, SoundFileKind::Unplayable},
        {"chime", WaveHead, SoundFileKind::Unplayable},
        {"short.wav", "RIFF", SoundFileKind::Unplayable},
        {"empty.mid", "", SoundFileKind::Unplayable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(SoundFileKindOf(c.file, Bytes(c.head)), c.kind);
    }
}

TEST(SoundFileKind, ReadingTakesTheFilesOwnFirstBytes)
{
    test::TempDirectory directory;
    EXPECT_EQ(ReadSoundFileKind(directory.Write("chime.wav", WaveHead + "data")),
              SoundFileKind::Wave);
    EXPECT_EQ(ReadSoundFileKind(directory.Write("tune.mid", MidiHead)), SoundFileKind::Midi);
    EXPECT_EQ(ReadSoundFileKind(directory.Write("text.wav", "just some text")),
              SoundFileKind::Unplayable);
    EXPECT_EQ(ReadSoundFileKind(directory.Write("cut.wav", "RIFF\x24\x08")),
              SoundFileKind::Unplayable);
    EXPECT_EQ(ReadSoundFileKind(directory.Path() / "missing.wav"), SoundFileKind::Unplayable);
    EXPECT_EQ(ReadSoundFileKind(directory.Path()), SoundFileKind::Unplayable);
}

} // namespace
} // namespace nudgeon
