// SPDX-License-Identifier: MIT
#include "SdlMixerLibrary.h"

#include <dlfcn.h>

namespace zembra {

namespace {

template <typename F>
bool resolve(void* library, const char* name, F& function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

const SdlMixerLibrary* load()
{
    // SDL2_mixer brings SDL2 with it; both stay loaded for the process.
    void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static SdlMixerLibrary api;
    const bool ok = resolve(library, "SDL_SetHint", api.SetHint) &&
                    resolve(library, "SDL_InitSubSystem", api.InitSubSystem) &&
                    resolve(library, "SDL_QuitSubSystem", api.QuitSubSystem) &&
                    resolve(library, "SDL_RWFromConstMem", api.RWFromConstMem) &&
                    resolve(library, "Mix_OpenAudio", api.OpenAudio) &&
                    resolve(library, "Mix_AllocateChannels", api.AllocateChannels) &&
                    resolve(library, "Mix_LoadWAV_RW", api.LoadWAV_RW) &&
                    resolve(library, "Mix_PlayChannelTimed", api.PlayChannelTimed) &&
                    resolve(library, "Mix_HaltChannel", api.HaltChannel) &&
                    resolve(library, "Mix_FreeChunk", api.FreeChunk) &&
                    resolve(library, "Mix_CloseAudio", api.CloseAudio) &&
                    resolve(library, "Mix_Playing", api.Playing) &&
                    resolve(library, "Mix_SetPostMix", api.SetPostMix);
    resolve(library, "SDL_LinuxSetThreadPriorityAndPolicy", api.LinuxSetThreadPriorityAndPolicy);
    return ok ? &api : nullptr;
}

}  // namespace

const SdlMixerLibrary* sdlMixer()
{
    static const SdlMixerLibrary* const api = load();
    return api;
}

}  // namespace zembra
