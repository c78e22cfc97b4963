// SPDX-License-Identifier: MIT
#include "WinmmSoundPlayer.h"

namespace zembra {

std::unique_ptr<SoundPlayer> createSoundPlayer()
{
    return std::make_unique<WinmmSoundPlayer>();
}

void WinmmSoundPlayer::play(const QString&, const QByteArray& wav)
{
    // The images are embedded resources, valid for the life of the process.
    sound_.play(wav.constData(), static_cast<std::size_t>(wav.size()));
}

}  // namespace zembra
