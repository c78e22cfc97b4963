// SPDX-License-Identifier: MIT
// Plays each of the game's nine sounds through the Windows sound player, one
// after another, each cut by the next after at most a second, and reports
// what the system did with them. Built and run under wine by the Windows
// cross-check. Usage: winmm_probe ASSETS_FOLDER [GAP_MS]
// With GAP_MS, each sound is stopped and followed by that much silence.
// Exit status: 0 when every sound was taken (or there is no output device:
// the game is then silent, as it should be), 1 when a device refused a sound,
// 2 when a sound file is missing or not a WAVE image.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "WinmmSound.h"

namespace {

using Bytes = std::vector<char>;

Bytes readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t u32(const Bytes& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// The length of a WAVE image in milliseconds, or -1 if it is not one.
int durationMs(const Bytes& wav)
{
    if (wav.size() < 12 || std::string(wav.data(), 4) != "RIFF" || std::string(wav.data() + 8, 4) != "WAVE")
        return -1;
    std::uint32_t byteRate = 0;
    for (std::size_t at = 12; at + 8 <= wav.size();) {
        const std::string id(wav.data() + at, 4);
        const std::uint32_t size = u32(wav, at + 4);
        if (id == "fmt " && at + 16 <= wav.size())
            byteRate = u32(wav, at + 16);
        if (id == "data" && byteRate > 0)
            return static_cast<int>(std::uint64_t{size} * 1000 / byteRate);
        at += 8 + size + (size & 1);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: winmm_probe ASSETS_FOLDER [GAP_MS]\n");
        return 2;
    }
    const int gapMs = argc == 3 ? std::atoi(argv[2]) : 0;
    const bool device = zembra::WinmmSound::deviceAvailable();
    std::printf("wave output devices: %s\n", device ? "yes" : "none (the game is silent)");
    // Every image stays alive until the end: a cut sound may still be read.
    const char* const names[] = {"start", "pause", "next", "lose", "turn", "down", "xc", "xa", "ct"};
    std::vector<Bytes> images;
    for (const char* name : names) {
        images.push_back(readFile(std::filesystem::path(argv[1]) / (std::string(name) + ".wav")));
        if (durationMs(images.back()) < 0) {
            std::fprintf(stderr, "winmm_probe: %s.wav is missing or not a WAVE image\n", name);
            return 2;
        }
    }
    zembra::WinmmSound player;
    int refused = 0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int ms = durationMs(images[i]);
        const bool taken = player.play(images[i].data(), images[i].size());
        std::printf("%-6s %5d ms  %s\n", names[i], ms, taken ? "playing" : "not played");
        if (device && !taken)
            ++refused;
        // A sound of a second or more is cut there by stop(); a shorter one is
        // left time to end by itself, as the game leaves it, even when the
        // sound server is slow to start it.
        std::this_thread::sleep_for(std::chrono::milliseconds(ms < 1000 ? ms + 200 : 1000));
        if (gapMs > 0) {
            player.stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));
        }
    }
    player.stop();
    std::printf("%d of 9 sounds refused\n", refused);
    return refused == 0 ? 0 : 1;
}
