// SPDX-License-Identifier: MIT
#include "SdlSoundPlayer.h"

#include "SdlMixerLibrary.h"

#include <dlfcn.h>
#include <sched.h>
#include <unistd.h>

namespace zembra {

namespace {

const SdlMixerLibrary* sdl()
{
    return sdlMixer();
}

constexpr int kChannel = 0;
constexpr int kRate = 44100;
// 512 frames (11.6 ms) per mix: the sound server holds one such buffer, so a
// sound is heard within about two of them after its key.
constexpr int kFrames = 512;
// Silence after the last sound before an idle game lets the output go.
constexpr int kIdleReleaseMs = 2000;

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints its complaints about missing sound cards straight to the
// console while SDL probes it; a game without audio should stay quiet.
void silenceAlsa()
{
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    // Kept loaded: SDL opens the same library and the handler must stay.
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!alsa)
        return;
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(&ignoreAlsaMessage);
}

// Runs on SDL's mixing thread after each mix, with the opening's flag. The
// first time it gives that thread the lowest real-time priority, directly
// where the user may, else through the desktop's RealtimeKit: a buffer as
// short as ours then survives a machine whose cores are all busy. Where
// neither allows it the thread keeps SDL's nice level.
// The lowest: below the sound server's own threads, which must run for our
// buffer to be heard. SDL's SDL_HINT_THREAD_FORCE_REALTIME_TIME_CRITICAL
// asks RealtimeKit alone, for its highest priority: without RealtimeKit
// (a root session, a minimal system, CI) the thread stayed at nice 0.
void promoteMixingThread(void* promoted, Uint8*, int)
{
    if (static_cast<std::atomic<bool>*>(promoted)->exchange(true, std::memory_order_relaxed))
        return;
    sched_param lowest{};
    lowest.sched_priority = sched_get_priority_min(SCHED_RR);
    if (sched_setscheduler(0, SCHED_RR | SCHED_RESET_ON_FORK, &lowest) == 0)
        return;
    if (sdl()->LinuxSetThreadPriorityAndPolicy)
        sdl()->LinuxSetThreadPriorityAndPolicy(gettid(), SDL_THREAD_PRIORITY_LOW, SCHED_RR);
}

}  // namespace

std::unique_ptr<SoundPlayer> createSoundPlayer()
{
    return std::make_unique<SdlSoundPlayer>();
}

SdlSoundPlayer::SdlSoundPlayer()
{
    idle_.setSingleShot(true);
    QObject::connect(&idle_, &QTimer::timeout, [this] {
        finishOpening();
        if (gameRunning_ || !open_)
            return;
        if (sdl()->Playing(kChannel))
            releaseWhenSilent(kIdleReleaseMs);
        else
            close();
    });
}

SdlSoundPlayer::~SdlSoundPlayer()
{
    finishOpening();
    close();
}

void SdlSoundPlayer::close()
{
    finishOpening();
    if (open_) {
        sdl()->HaltChannel(-1);
        for (Mix_Chunk* c : std::as_const(chunks_))
            if (c)
                sdl()->FreeChunk(c);
        sdl()->CloseAudio();
        sdl()->QuitSubSystem(SDL_INIT_AUDIO);
    }
    // The decoded chunks belong to the output's format; the next opening
    // decodes them again.
    chunks_.clear();
    open_ = false;
    tried_ = false;
}

void SdlSoundPlayer::releaseWhenSilent(int afterMs)
{
    if (!gameRunning_)
        idle_.start(afterMs);
}

void SdlSoundPlayer::setGameRunning(bool running)
{
    gameRunning_ = running;
    if (running) {
        idle_.stop();
        openInBackground();
    } else {
        releaseWhenSilent(kIdleReleaseMs);
    }
}

void SdlSoundPlayer::openInBackground()
{
    // The worker writes tried_: look at it only when no worker exists.
    if (opener_.joinable() || tried_)
        return;
    opener_ = std::thread([this] { open(); });
    releaseWhenSilent(kIdleReleaseMs);
}

void SdlSoundPlayer::finishOpening()
{
    if (opener_.joinable())
        opener_.join();
}

bool SdlSoundPlayer::open()
{
    if (opener_.joinable() && opener_.get_id() != std::this_thread::get_id())
        finishOpening();
    if (tried_)
        return open_;
    tried_ = true;
    if (!sdl())
        return false;
    // The window toolkit owns signals and the event loop; SDL only mixes.
    sdl()->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl()->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Zembra");
    silenceAlsa();
    if (sdl()->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (sdl()->OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kFrames) != 0) {
        sdl()->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mixingThreadPromoted_ = false;  // a new opening mixes on a new thread
    sdl()->SetPostMix(&promoteMixingThread, &mixingThreadPromoted_);
    sdl()->AllocateChannels(1);
    open_ = true;
    return true;
}

Mix_Chunk* SdlSoundPlayer::chunk(const QString& name, const QByteArray& wav)
{
    auto it = chunks_.find(name);
    if (it != chunks_.end())
        return it.value();
    SDL_RWops* rw = sdl()->RWFromConstMem(wav.constData(), static_cast<int>(wav.size()));
    Mix_Chunk* c = rw ? sdl()->LoadWAV_RW(rw, 1) : nullptr;
    chunks_.insert(name, c);
    return c;
}

void SdlSoundPlayer::play(const QString& name, const QByteArray& wav)
{
    if (wav.isEmpty() || !open())
        return;
    if (Mix_Chunk* c = chunk(name, wav)) {
        sdl()->PlayChannelTimed(kChannel, c, 0, -1);  // replaces whatever the channel plays
        const int ms = static_cast<int>(static_cast<long long>(c->alen) * 1000 / (kRate * 4));
        releaseWhenSilent(ms + kIdleReleaseMs);
    }
}

}  // namespace zembra
