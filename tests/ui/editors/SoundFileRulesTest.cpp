#include "ui/SoundFileRules.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace nudgeon {
namespace {

TEST(SoundFileRulesTest, SoundFileNamesNeedWavOrMidAnywhereInAnyCase)
{
    const struct {
        const char* path;
        bool sound;
    } cases[] = {
        {"/home/me/bell.wav", true},
        {"/home/me/BELL.WAV", true},
        {"/home/me/Tune.Mid", true},
        {"/home/me/song.midi", true},          // ".MID" need not end the name
        {"/home/me/x.wav.bak", true},          // nor be the last extension
        {"/home/me/my.wavs/readme.txt", true}, // a folder's name counts too
        {"/home/me/bell.prn", false},          // the name typed without an extension
        {"/home/me/bell.mp3", false},
        {"/home/me/wav", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(IsSoundFileName(c.path), c.sound);
    }
}

TEST(SoundFileRulesTest, FolderOfKeepsEverythingUpToTheLastSeparator)
{
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"/usr/share/sounds/bell.wav", "/usr/share/sounds/"},
        {"C:\\Sounds\\bell.wav", "C:\\Sounds\\"},
        {"/mixed\\both/x.mid", "/mixed\\both/"},
        {"/bell.wav", "/"},
        {"bell.wav", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FolderOf(c.path), c.folder);
    }
}

TEST(SoundFileRulesTest, AMissingFileIsDroppedAndTheDialogStartsBesideTheCurrentOne)
{
    QTemporaryDir directory;
    const std::filesystem::path dir = directory.path().toStdString();
    const std::string bell = (dir / "Bell.wav").string();
    std::ofstream(bell) << "RIFF";

    EXPECT_EQ(KeptSoundFile(bell), bell);
    EXPECT_EQ(KeptSoundFile((dir / "Gone.wav").string()), "");
    EXPECT_EQ(KeptSoundFile(dir.string()), ""); // a folder is no sound file
    EXPECT_EQ(KeptSoundFile(""), "");

    const std::filesystem::path programDir = "/opt/nudgeon/";
    const TSoundFileRequest existing = SoundFileRequestFor(bell, programDir);
    EXPECT_EQ(existing.Folder, (dir / "").string());
    EXPECT_EQ(existing.ProposedName, bell);
    const TSoundFileRequest missing = SoundFileRequestFor("/music/Gone.mid", programDir);
    EXPECT_EQ(missing.Folder, "/music/");
    EXPECT_EQ(missing.ProposedName, "");
    const TSoundFileRequest none = SoundFileRequestFor("", programDir);
    EXPECT_EQ(none.Folder, programDir);
    EXPECT_EQ(none.ProposedName, "");
}

} // namespace
} // namespace nudgeon
