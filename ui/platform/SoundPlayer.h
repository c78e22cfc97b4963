// SPDX-License-Identifier: MIT
// Plays complete in-memory WAVE images, one at a time: a new sound cuts the
// one playing. Where there is no audio output, playing does nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace zembra {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Returns at once; `wav` stays valid for the life of the process.
    virtual void play(const QString& name, const QByteArray& wav) = 0;
    // While no game runs the player may let its output go once it falls
    // silent, so that an idle game costs nothing.
    virtual void setGameRunning(bool) {}
    // Gets the output ready ahead of the first sound without making the
    // caller wait, where there is anything to get ready.
    virtual void openInBackground() {}
};

// The platform's player: SDL2_mixer on Linux, the system's own on Windows.
std::unique_ptr<SoundPlayer> createSoundPlayer();

}  // namespace zembra
