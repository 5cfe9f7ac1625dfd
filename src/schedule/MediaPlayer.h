// TMediaPlayer: plays .wav and .mid files one at a time and releases the output when a sound ends.
#pragma once

#include "schedule/TickServices.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace nudgeon {

class SoundMixer;

// Paths are UTF-8. Playing never blocks: each call returns once the sound has started.
class TMediaPlayer : public QObject, public SoundPlayer {
    Q_OBJECT

public:
    explicit TMediaPlayer(QObject* parent = nullptr);
    // Stops any sound still playing.
    ~TMediaPlayer() override;

    // PlayTheSound when a file exists at the path; otherwise nothing at all, not even a beep.
    void PlaySoundNow(const std::string& path) override;
    // Stops what plays and starts the file with the player its type needs. A file that cannot
    // be played gives one beep and no message.
    void PlayTheSound(const std::string& path);
    // Stops the sound and closes the output; nothing happens when nothing plays.
    void Shutup();
    // The completion notice of sound number `sound`, delivered on this object's thread:
    // closes the output when that sound is still the open one. A late notice of a sound
    // already stopped or replaced must not cut off the sound that plays now.
    void MediaPlayer1Notify(std::uint64_t sound);

    // The file last asked for.
    const std::string& FileName() const { return fileName_; }
    bool IsOpen() const;
    bool IsPlaying() const;

    // The beep of a file that cannot be played; QApplication::beep() unless replaced.
    void SetBeep(std::function<void()> beep);

private:
    std::string fileName_;
    std::function<void()> beep_;
    std::unique_ptr<SoundMixer> mixer_;
};

} // namespace nudgeon
