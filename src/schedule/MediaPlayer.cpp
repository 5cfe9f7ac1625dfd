#include "schedule/MediaPlayer.h"

#include "schedule/SoundFileKind.h"
#include "schedule/SoundMixer.h"

#include <QApplication>
#include <QMetaObject>
#include <filesystem>
#include <system_error>

namespace nudgeon {
namespace {

std::filesystem::path PathFromUtf8(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

} // namespace

TMediaPlayer::TMediaPlayer(QObject* parent) : QObject(parent), beep_([] { QApplication::beep(); })
{
    // The end of a sound is reported on SDL's audio thread; it is only queued from there.
    mixer_ = std::make_unique<SoundMixer>([this](std::uint64_t sound) {
        QMetaObject::invokeMethod(
            this, [this, sound] { MediaPlayer1Notify(sound); }, Qt::QueuedConnection);
    });
}

TMediaPlayer::~TMediaPlayer()
{
    mixer_.reset();
}

void TMediaPlayer::PlaySoundNow(const std::string& path)
{
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(PathFromUtf8(path), error))
        return;
    PlayTheSound(path);
}

void TMediaPlayer::PlayTheSound(const std::string& path)
{
    fileName_ = path;
    const std::filesystem::path file = PathFromUtf8(path);
    try {
        mixer_->Play(file, ReadSoundFileKind(file));
    } catch (const ESoundError&) {
        beep_();
    }
}

void TMediaPlayer::Shutup()
{
    mixer_->Close();
}

void TMediaPlayer::MediaPlayer1Notify(std::uint64_t sound)
{
    if (sound != 0 && sound == mixer_->OpenSound())
        Shutup();
}

bool TMediaPlayer::IsOpen() const
{
    return mixer_->OpenSound() != 0;
}

bool TMediaPlayer::IsPlaying() const
{
    return mixer_->IsPlaying();
}

void TMediaPlayer::SetBeep(std::function<void()> beep)
{
    beep_ = std::move(beep);
}

} // namespace nudgeon
