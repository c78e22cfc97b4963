// SPDX-License-Identifier: MIT
// Plays complete in-memory WAVE images through the Windows sound system
// (winmm's PlaySound): the call returns at once, and a new sound cuts the one
// playing, so at most one sound plays at a time. Without an output device
// nothing sounds and nothing fails. Standard C++ and winmm only, so that it
// can be built and tried without the window toolkit.
#pragma once

#include <cstddef>

namespace zembra {

class WinmmSound {
public:
    WinmmSound() = default;
    // Stops the playing sound: it reads its image until it ends.
    ~WinmmSound();
    WinmmSound(const WinmmSound&) = delete;
    WinmmSound& operator=(const WinmmSound&) = delete;

    // Whether the system has a wave output device at all.
    static bool deviceAvailable();
    // Starts `wav` (a whole RIFF WAVE image, `size` bytes), which must stay
    // valid until the next play or stop. Returns whether the system took it.
    bool play(const void* wav, std::size_t size);
    static void stop();
};

}  // namespace zembra
