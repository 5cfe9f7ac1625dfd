#include "ui/SoundPreview.h"

#include "schedule/MediaPlayer.h"

namespace nudgeon {

SoundPreview PreviewOn(TMediaPlayer* player)
{
    if (player == nullptr)
        return {};
    return {[player](const std::string& path) { player->PlayTheSound(path); },
            [player] {
                player->Shutup();
            }};
}

} // namespace nudgeon
