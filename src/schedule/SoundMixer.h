// The SDL_mixer output the media player plays through: one sound at a time, read from a file.
#pragma once

#include "schedule/SoundFileKind.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>

struct _Mix_Music;

namespace nudgeon {

// Why a sound could not be started; the text is SDL's or the mixer's own.
class ESoundError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Only one mixer may exist at a time: SDL_mixer's music and its end hook are process-wide.
class SoundMixer {
public:
    // Told the number of each sound that ends: on SDL's audio thread when it plays to its
    // end, on the caller's thread when Close() stops it. It must only hand the number on: no
    // SDL call, no lock that a caller of Close() may hold.
    using FinishedHandler = std::function<void(std::uint64_t sound)>;

    explicit SoundMixer(FinishedHandler onFinished);
    // Stops any sound still playing.
    ~SoundMixer();
    SoundMixer(const SoundMixer&) = delete;
    SoundMixer& operator=(const SoundMixer&) = delete;

    // Closes whatever is open, opens the audio output, loads the file with the decoder of
    // `kind` and starts it. Returns the new sound's number (never 0). Throws ESoundError when
    // any step fails; nothing is open then.
    std::uint64_t Play(const std::filesystem::path& file, SoundFileKind kind);
    // Stops and frees the sound and closes the audio output; nothing happens when none is open.
    void Close() noexcept;

    // The number of the sound that is open, or 0.
    std::uint64_t OpenSound() const { return openSound_; }
    // Whether the open sound is still playing (it stays open after its end until closed).
    bool IsPlaying() const;

private:
    static void MusicFinished();
    void OpenOutput();
    void CloseOutput() noexcept;

    FinishedHandler onFinished_;
    _Mix_Music* music_ = nullptr;
    bool outputOpen_ = false;
    std::uint64_t openSound_ = 0;
    std::uint64_t lastSound_ = 0;
    // Read by the end hook on the audio thread.
    std::atomic<std::uint64_t> playingSound_ = 0;
};

} // namespace nudgeon
