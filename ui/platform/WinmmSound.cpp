// SPDX-License-Identifier: MIT
#include "WinmmSound.h"

#include <windows.h>
#include <mmsystem.h>

namespace zembra {

WinmmSound::~WinmmSound()
{
    stop();
}

bool WinmmSound::deviceAvailable()
{
    return waveOutGetNumDevs() > 0;
}

bool WinmmSound::play(const void* wav, std::size_t size)
{
    // A RIFF image names its own length; PlaySound reads no further.
    if (!wav || size < 44)
        return false;
    // SND_NODEFAULT: an image the system cannot play stays silent instead of
    // sounding the default beep.
    return PlaySoundW(static_cast<LPCWSTR>(wav), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

void WinmmSound::stop()
{
    PlaySoundW(nullptr, nullptr, 0);
}

}  // namespace zembra
