#include "store/Settings.h"

#include "store/IniFile.h"
#include "store/ProgramDir.h"

namespace nudgeon {

std::string DefaultWaveFile;
bool UseTray = false;
std::int32_t TimeoutSeconds = 0;
std::int32_t TimeoutAction = 0;
TEventType DefaultEventType = etShowAndPlay;
bool UseHints = true;
bool AnimateTrayIcon = false;

namespace {

constexpr std::string_view SoundsSection = "Sounds";
constexpr std::string_view TraySection = "Tray";
constexpr std::string_view TimeoutSection = "Timeout";
constexpr std::string_view EventsSection = "Events";
constexpr std::string_view MiscSection = "Misc";

} // namespace

void ReadSettings(const std::filesystem::path& file)
{
    const TIniFile ini(file);
    DefaultWaveFile = ini.ReadString(SoundsSection, "WaveFile", "");
    UseTray = ini.ReadBool(TraySection, "Use", false);
    TimeoutSeconds = ini.ReadInteger(TimeoutSection, "Seconds", 0);
    TimeoutAction = ini.ReadInteger(TimeoutSection, "Action", 0);
    DefaultEventType =
        static_cast<TEventType>(ini.ReadInteger(EventsSection, "Type", etShowAndPlay) & 0xFF);
    UseHints = ini.ReadBool(MiscSection, "Hints", true);
    AnimateTrayIcon = ini.ReadBool(MiscSection, "AnimateIcon", false);
}

void WriteSettings(const std::filesystem::path& file)
{
    TIniFile ini(file);
    ini.WriteString(SoundsSection, "WaveFile", DefaultWaveFile);
    ini.WriteBool(TraySection, "Use", UseTray);
    ini.WriteInteger(TimeoutSection, "Seconds", TimeoutSeconds);
    ini.WriteInteger(TimeoutSection, "Action", TimeoutAction);
    ini.WriteInteger(EventsSection, "Type", DefaultEventType);
    ini.WriteBool(MiscSection, "Hints", UseHints);
    ini.WriteBool(MiscSection, "AnimateIcon", AnimateTrayIcon);
}

void ReadSettings()
{
    ReadSettings(SettingsPath());
}

void WriteSettings()
{
    WriteSettings(SettingsPath());
}

} // namespace nudgeon
