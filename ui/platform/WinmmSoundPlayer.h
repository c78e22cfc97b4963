// SPDX-License-Identifier: MIT
// The sound player on Windows: the embedded WAVE images go straight to the
// system's PlaySound, which plays one sound at a time; no audio library.
#pragma once

#include "SoundPlayer.h"
#include "WinmmSound.h"

namespace zembra {

class WinmmSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& name, const QByteArray& wav) override;

private:
    WinmmSound sound_;
};

}  // namespace zembra
