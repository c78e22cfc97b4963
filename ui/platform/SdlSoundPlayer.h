// SPDX-License-Identifier: MIT
// The sound player on Linux, on SDL2_mixer: one mixing channel, each WAVE
// image decoded once from its embedded bytes.
#pragma once

#include <QHash>
#include <QTimer>
#include <atomic>
#include <thread>

#include "SoundPlayer.h"

struct Mix_Chunk;

namespace zembra {

class SdlSoundPlayer final : public SoundPlayer {
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    // Opens the audio output ahead of the first sound; safe to call again.
    // Returns whether an output is open.
    bool open();
    // Opens the audio output on a worker thread, so that the window does not
    // wait for the sound server; the first sound waits for it if need be.
    void openInBackground() override;
    void play(const QString& name, const QByteArray& wav) override;
    void setGameRunning(bool running) override;

private:
    Mix_Chunk* chunk(const QString& name, const QByteArray& wav);

    void finishOpening();
    void close();
    void releaseWhenSilent(int afterMs);

    std::thread opener_;
    bool tried_ = false;
    bool open_ = false;
    QHash<QString, Mix_Chunk*> chunks_;
    bool gameRunning_ = false;
    QTimer idle_;
    // Whether the mixing thread of the current opening is promoted yet; set
    // on that thread.
    std::atomic<bool> mixingThreadPromoted_{false};
};

}  // namespace zembra
