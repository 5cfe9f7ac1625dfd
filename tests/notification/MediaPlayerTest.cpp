#include "schedule/MediaPlayer.h"

#include "SoundFiles.h"
#include "TempDirectory.h"
#include "schedule/Alarmsh.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace nudgeon {
namespace {

// Sets an environment variable for the scope and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            saved_ = old;
        setenv(name, value, 1);
    }
    ~ScopedEnvironment()
    {
        if (saved_)
            setenv(name_, saved_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

class MediaPlayerTest : public testing::Test {
protected:
    // No sound card needed and no noise made: SDL's silent output plays in real time.
    ScopedEnvironment silent{"SDL_AUDIODRIVER", "dummy"};
    test::TempDirectory directory;
    std::unique_ptr<TMediaPlayer> player = std::make_unique<TMediaPlayer>();
    int beeps = 0;

    MediaPlayerTest()
    {
        player->SetBeep([this] { ++beeps; });
    }

    std::string File(const std::string& name, const std::string& bytes) const
    {
        return directory.Write(name, bytes).string();
    }
    std::string LongWave() const { return File("long.wav", test::WaveOfSilence(30)); }

    // The sound's end is a real event on SDL's audio thread; wait for its notice.
    bool WaitUntilClosed(int timeoutMs = 15000)
    {
        return QTest::qWaitFor([this] { return !player->IsOpen(); }, timeoutMs);
    }
};

TEST_F(MediaPlayerTest, WaveAndMidiPlayAndTheirEndClosesTheDevice)
{
    const std::pair<const char*, std::string> files[] = {
        {"chime.wav", test::WaveOfSilence(0.3)},
        {"tune.mid", test::MidiOfOneNote()},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const std::string path = File(name, bytes);
        player->PlaySoundNow(path);
        EXPECT_EQ(player->FileName(), path);
        EXPECT_TRUE(player->IsOpen());
        EXPECT_TRUE(player->IsPlaying());
        EXPECT_TRUE(WaitUntilClosed());
        EXPECT_FALSE(player->IsPlaying());
        EXPECT_EQ(beeps, 0);
    }
}

TEST_F(MediaPlayerTest, AFileThatCannotBePlayedGivesExactlyOneBeep)
{
    const std::pair<const char*, std::string> files[] = {
        {"shopping.wav", "Milk, bread, eggs\n"},
        {"shopping.mid", "Milk, bread, eggs\n"},
        {"tune.wav", test::MidiOfOneNote()},
        {"chime.mp3", test::WaveOfSilence(0.1)},
        {"cut.wav", test::WaveOfSilence(0.1).substr(0, 10)},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const int before = beeps;
        player->PlaySoundNow(File(name, bytes));
        EXPECT_EQ(beeps, before + 1);
        EXPECT_FALSE(player->IsOpen());
    }
}

TEST_F(MediaPlayerTest, AMissingFileGivesNothingAtAll)
{
    player->PlaySoundNow((directory.Path() / "gone.wav").string());
    player->PlaySoundNow("");
    player->PlaySoundNow(directory.Path().string());
    EXPECT_EQ(beeps, 0);
    EXPECT_FALSE(player->IsOpen());
}

TEST_F(MediaPlayerTest, PlayingTheSoundWithoutCheckingStillBeepsForAMissingFile)
{
    player->PlayTheSound((directory.Path() / "gone.wav").string());
    EXPECT_EQ(beeps, 1);
}

TEST_F(MediaPlayerTest, MidiWithoutASoundfontFailsLikeAnyUnplayableFile)
{
    ScopedEnvironment noFont("SDL_SOUNDFONTS", (directory.Path() / "none.sf2").c_str());
    player->PlaySoundNow(File("tune.mid", test::MidiOfOneNote()));
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(player->IsOpen());
}

TEST_F(MediaPlayerTest, ShutupStopsTheSoundAndIsHarmlessWhenNothingPlays)
{
    player->Shutup();
    player->PlaySoundNow(LongWave());
    ASSERT_TRUE(player->IsPlaying());
    player->Shutup();
    EXPECT_FALSE(player->IsOpen());
    EXPECT_FALSE(player->IsPlaying());
    player->Shutup();
    EXPECT_EQ(beeps, 0);
}

TEST_F(MediaPlayerTest, ANewSoundReplacesTheOldAndOutlivesItsLateNotice)
{
    player->PlaySoundNow(LongWave());
    const std::string second = File("second.wav", test::WaveOfSilence(30));
    player->PlaySoundNow(second);
    // The first sound's notice of being stopped arrives now and must not touch the second.
    QCoreApplication::processEvents();
    EXPECT_TRUE(player->IsOpen());
    EXPECT_TRUE(player->IsPlaying());
    EXPECT_EQ(player->FileName(), second);
}

TEST_F(MediaPlayerTest, AStoppedSoundsNoticeNeverReachesTheNextPlayer)
{
    // Destroying the player stops its sound, which queues a notice for the player that goes.
    player->PlaySoundNow(LongWave());
    player.reset();
    TMediaPlayer next;
    next.SetBeep([this] { ++beeps; });
    next.PlaySoundNow(File("next.wav", test::WaveOfSilence(30)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(next.IsPlaying());
    EXPECT_EQ(beeps, 0);
}

TEST_F(MediaPlayerTest, WithoutAWorkingAudioOutputTheSilentOneStandsIn)
{
    ScopedEnvironment broken("SDL_AUDIODRIVER", "no-such-driver");
    player->PlaySoundNow(File("chime.wav", test::WaveOfSilence(0.2)));
    EXPECT_TRUE(player->IsPlaying());
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(WaitUntilClosed());
}

TEST_F(MediaPlayerTest, AnyAnswerOfTheNotificationStopsTheSound)
{
    TAlarmShow window;
    QObject::connect(&window, &TAlarmShow::CloseQuery, player.get(), &TMediaPlayer::Shutup);
    const auto buttons = window.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 10);
    for (QPushButton* button : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        player->PlaySoundNow(LongWave());
        bool playingWhileShown = false;
        QTimer::singleShot(0, &window, [&] {
            playingWhileShown = player->IsPlaying();
            button->click();
        });
        window.ShowAlarm("Call Bob", true, 0, 0);
        EXPECT_TRUE(playingWhileShown);
        EXPECT_FALSE(player->IsOpen());
    }
}

} // namespace
} // namespace nudgeon
