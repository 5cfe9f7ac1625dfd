#include "schedule/SoundMixer.h"

#include "schedule/SoundFonts.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <optional>
#include <string>

namespace nudgeon {
namespace {

// The mixer the end hook reports to; SDL_mixer's hook takes no context of its own.
std::atomic<SoundMixer*> hookTarget = nullptr;

// Set once the system's own audio output has failed: the silent dummy output then stands in,
// so sounds still end in real time and the player behaves alike on machines without sound.
bool useSilentOutput = false;

[[noreturn]] void Fail(const std::string& what)
{
    throw ESoundError(what + ": " + Mix_GetError());
}

// SDL takes file names in UTF-8 on every system.
std::string Utf8Name(const std::filesystem::path& file)
{
    const std::u8string name = file.u8string();
    return {name.begin(), name.end()};
}

bool StartAudio()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

void UseSilentOutput()
{
    useSilentOutput = true;
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
}

} // namespace

SoundMixer::SoundMixer(FinishedHandler onFinished) : onFinished_(std::move(onFinished))
{
    Mix_Init(MIX_INIT_MID);
    hookTarget.store(this);
}

SoundMixer::~SoundMixer()
{
    Close();
    hookTarget.store(nullptr);
    Mix_Quit();
}

void SoundMixer::MusicFinished()
{
    if (SoundMixer* mixer = hookTarget.load())
        mixer->onFinished_(mixer->playingSound_.load());
}

std::uint64_t SoundMixer::Play(const std::filesystem::path& file, SoundFileKind kind)
{
    Close();
    if (kind == SoundFileKind::Unplayable)
        throw ESoundError("Not a wave or MIDI file: " + Utf8Name(file));
    std::optional<std::filesystem::path> soundFont;
    if (kind == SoundFileKind::Midi && !(soundFont = FindSoundFont()))
        throw ESoundError("No General MIDI soundfont for " + Utf8Name(file));

    OpenOutput();
    try {
        if (soundFont)
            Mix_SetSoundFonts(Utf8Name(*soundFont).c_str());
        SDL_RWops* source = SDL_RWFromFile(Utf8Name(file).c_str(), "rb");
        if (source == nullptr)
            Fail("Cannot open " + Utf8Name(file));
        const Mix_MusicType type = kind == SoundFileKind::Wave ? MUS_WAV : MUS_MID;
        music_ = Mix_LoadMUSType_RW(source, type, SDL_TRUE);
        if (music_ == nullptr)
            Fail("Cannot load " + Utf8Name(file));
        const std::uint64_t sound = ++lastSound_;
        playingSound_.store(sound);
        if (Mix_PlayMusic(music_, 1) != 0)
            Fail("Cannot play " + Utf8Name(file));
        openSound_ = sound;
        return sound;
    } catch (...) {
        Close();
        throw;
    }
}

void SoundMixer::Close() noexcept
{
    if (music_ != nullptr) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    openSound_ = 0;
    CloseOutput();
}

bool SoundMixer::IsPlaying() const
{
    return music_ != nullptr && Mix_PlayingMusic() != 0;
}

void SoundMixer::OpenOutput()
{
    if (outputOpen_)
        return;
    if (!StartAudio()) {
        if (useSilentOutput)
            Fail("Cannot open the audio output");
        UseSilentOutput();
        if (!StartAudio())
            Fail("Cannot open the audio output");
    }
    Mix_HookMusicFinished(&SoundMixer::MusicFinished);
    outputOpen_ = true;
}

void SoundMixer::CloseOutput() noexcept
{
    if (!outputOpen_)
        return;
    // Takes the audio lock, so no end hook is running once it returns.
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    outputOpen_ = false;
}

} // namespace nudgeon
