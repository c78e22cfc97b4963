// SPDX-License-Identifier: MIT
// The sound player on SDL2_mixer: one mixing channel, each WAVE image decoded
// once from its embedded bytes.
#pragma once

#include <QHash>

#include "SoundPlayer.h"

struct Mix_Chunk;

namespace zembra {

class SdlSoundPlayer final : public SoundPlayer {
public:
    SdlSoundPlayer() = default;
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    // Opens the audio output ahead of the first sound; safe to call again.
    // Returns whether an output is open.
    bool open();
    void play(const QString& name, const QByteArray& wav) override;

private:
    Mix_Chunk* chunk(const QString& name, const QByteArray& wav);

    bool tried_ = false;
    bool open_ = false;
    QHash<QString, Mix_Chunk*> chunks_;
};

}  // namespace zembra
