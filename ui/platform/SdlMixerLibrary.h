// SPDX-License-Identifier: MIT
// The few SDL2 and SDL2_mixer calls the sound player makes. The libraries
// are loaded when the audio output first opens (on the player's worker
// thread), so that the game's start waits neither for them nor for the codec
// libraries SDL2_mixer brings along, and a machine without them only loses
// the sound.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace zembra {

struct SdlMixerLibrary {
    SDL_bool (*SetHint)(const char*, const char*);
    int (*InitSubSystem)(Uint32);
    void (*QuitSubSystem)(Uint32);
    SDL_RWops* (*RWFromConstMem)(const void*, int);
    int (*OpenAudio)(int, Uint16, int, int);
    int (*AllocateChannels)(int);
    Mix_Chunk* (*LoadWAV_RW)(SDL_RWops*, int);
    int (*PlayChannelTimed)(int, Mix_Chunk*, int, int);
    int (*HaltChannel)(int);
    void (*FreeChunk)(Mix_Chunk*);
    void (*CloseAudio)();
    int (*Playing)(int);
    void (*SetPostMix)(void (*)(void*, Uint8*, int), void*);
    // SDL 2.0.18 and later; null before.
    int (*LinuxSetThreadPriorityAndPolicy)(Sint64, int, int);
};

// The loaded library, or null where it cannot be loaded (then there is no
// sound). Loads at the first call; safe from any thread.
const SdlMixerLibrary* sdlMixer();

}  // namespace zembra
