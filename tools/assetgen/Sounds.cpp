// SPDX-License-Identifier: MIT
#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "ByteWriter.h"

namespace assetgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Stereo {
    std::vector<double> left, right;
};

double midi(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

class Noise {
public:
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
    }

    double lowPass = 0;  // filter state of voices that shape the noise

private:
    std::uint32_t state_ = 22222u;
};

// A struck note: a few partials with exponential decay and a short attack.
double bell(double t, double f, double decay, double brightness = 0.35)
{
    if (t < 0)
        return 0;
    const double attack = std::min(1.0, t / 0.004);
    const double env = attack * std::exp(-t / decay);
    return env * (std::sin(2 * kPi * f * t) + brightness * std::sin(2 * kPi * 2 * f * t) * std::exp(-t / (decay * 0.5)) +
                  0.12 * std::sin(2 * kPi * 3 * f * t) * std::exp(-t / (decay * 0.3)));
}

// A soft brass-like tone held for `length` seconds, then released.
double horn(double t, double f, double length, double release)
{
    if (t < 0)
        return 0;
    const double attack = std::min(1.0, t / 0.025);
    const double env = t < length ? attack : attack * std::exp(-(t - length) / release);
    const double vibrato = 1.0 + 0.004 * std::sin(2 * kPi * 5.0 * t) * std::min(1.0, t / 0.4);
    double s = 0;
    for (int h = 1; h <= 5; ++h)
        s += std::sin(2 * kPi * f * h * vibrato * t) / (h * h * 0.8 + 0.2);
    return env * s * 0.6;
}

void normalise(Stereo& s, double peak)
{
    double m = 1e-9;
    for (double v : s.left)
        m = std::max(m, std::fabs(v));
    for (double v : s.right)
        m = std::max(m, std::fabs(v));
    for (double& v : s.left)
        v *= peak / m;
    for (double& v : s.right)
        v *= peak / m;
}

// A few milliseconds of fade at both ends keep the edges free of clicks.
void fadeEdges(Stereo& s, int rate)
{
    const int n = static_cast<int>(s.left.size());
    const int in = rate * 2 / 1000, out = rate * 4 / 1000;
    for (int i = 0; i < n; ++i) {
        double g = 1.0;
        if (i < in)
            g = static_cast<double>(i) / in;
        if (i >= n - out)
            g = std::min(g, static_cast<double>(n - 1 - i) / out);
        s.left[i] *= g;
        s.right[i] *= g;
    }
}

using Voice = double (*)(double t, double duration, Noise& noise, int channel);

double startJingle(double t, double, Noise&, int channel)
{
    // Rising arpeggio C5 E5 G5 C6, the last note ringing out.
    const double notes[] = {72, 76, 79, 84};
    double s = 0;
    for (int i = 0; i < 4; ++i) {
        const double pan = (i % 2 == 0) == (channel == 0) ? 1.0 : 0.7;
        s += pan * bell(t - i * 0.11, midi(notes[i]), i == 3 ? 0.45 : 0.22);
    }
    return s + 0.35 * bell(t - 0.33, midi(79), 0.45) * (channel == 0 ? 0.8 : 1.0);
}

double pauseChime(double t, double, Noise&, int)
{
    return bell(t, midi(81), 0.12, 0.15) + 0.8 * bell(t - 0.16, midi(76), 0.14, 0.15);
}

double promotionFanfare(double t, double, Noise&, int)
{
    // G4 C5 E5 then a held C major chord.
    double s = horn(t, midi(67), 0.12, 0.06) + horn(t - 0.16, midi(72), 0.12, 0.06) +
               horn(t - 0.32, midi(76), 0.12, 0.06);
    const double chord = 0.50;
    for (double n : {72.0, 76.0, 79.0, 84.0})
        s += 0.55 * horn(t - chord, midi(n), 1.6, 0.75);
    return s;
}

double gameOverPhrase(double t, double, Noise&, int channel)
{
    // A slowing minor descent E5 D5 C5 B4 to a long A4.
    const double notes[] = {76, 74, 72, 71};
    const double starts[] = {0.0, 0.30, 0.62, 0.98};
    double s = 0;
    for (int i = 0; i < 4; ++i)
        s += horn(t - starts[i], midi(notes[i]), 0.22, 0.08);
    const double pan = channel == 0 ? 1.0 : 0.85;
    return s + pan * horn(t - 1.38, midi(69), 0.9, 0.28) + 0.5 * horn(t - 1.38, midi(57), 0.9, 0.28);
}

double turnClick(double t, double, Noise&, int)
{
    const double env = std::min(1.0, t / 0.002) * std::exp(-t / 0.024);
    return env * (std::sin(2 * kPi * 1760 * t) * 0.6 + std::sin(2 * kPi * 880 * t) * 0.4);
}

double landingThud(double t, double, Noise& noise, int)
{
    // A low body whose pitch sinks, with a short noisy knock on top.
    const double f0 = 150, f1 = 55;
    const double phase = 2 * kPi * (f1 * t + (f0 - f1) * 0.05 * (1 - std::exp(-t / 0.05)));
    const double body = std::sin(phase) * std::exp(-t / 0.095);
    const double knock = noise.next() * std::exp(-t / 0.012) * 0.35;
    return body + knock;
}

double clearSweep(double t, double, Noise& noise, int)
{
    // Rising filtered noise, then a quick sparkle that rings out.
    const double cutoff = 0.02 + 0.25 * std::min(1.0, t / 0.55);
    noise.lowPass += cutoff * (noise.next() - noise.lowPass);
    const double sweep = noise.lowPass * std::min(1.0, t / 0.05) * (t < 0.55 ? 1.0 : std::exp(-(t - 0.55) / 0.08)) * 1.6;
    double sparkle = 0;
    const double notes[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i)
        sparkle += bell(t - 0.35 - i * 0.07, midi(notes[i]), i == 3 ? 0.75 : 0.3, 0.2) * 0.5;
    return sweep + sparkle;
}

double fillerPop(double t, double, Noise&, int)
{
    const double phase = 2 * kPi * (600 * t + 600 * t * t / (2 * 0.227));
    return std::min(1.0, t / 0.003) * std::exp(-t / 0.06) * std::sin(phase);
}

double piercingZing(double t, double, Noise&, int)
{
    // A falling zap, then a metallic ring of inharmonic partials.
    const double sweepPhase = 2 * kPi * (400 * t + 1600 * 0.12 * (1 - std::exp(-t / 0.12)));
    const double zap = std::sin(sweepPhase + 1.5 * std::sin(2 * kPi * 90 * t)) * std::exp(-t / 0.16) * 0.7;
    double ring = 0;
    const double partials[] = {1.0, 2.76, 5.40};
    for (int i = 0; i < 3; ++i)
        ring += std::sin(2 * kPi * 660 * partials[i] * t) * std::exp(-t / (0.36 / (i + 1))) / (i + 1);
    return zap + 0.5 * ring * std::min(1.0, t / 0.01);
}

Voice voiceFor(const std::string& name)
{
    if (name == "start") return startJingle;
    if (name == "pause") return pauseChime;
    if (name == "next") return promotionFanfare;
    if (name == "lose") return gameOverPhrase;
    if (name == "turn") return turnClick;
    if (name == "down") return landingThud;
    if (name == "xc") return clearSweep;
    if (name == "xa") return fillerPop;
    if (name == "ct") return piercingZing;
    throw std::invalid_argument("unknown sound " + name);
}

double peakFor(const std::string& name)
{
    // Frequent sounds sit lower than the rare ones.
    if (name == "turn" || name == "down" || name == "xa")
        return 0.45;
    return 0.6;
}

}  // namespace

const std::vector<SoundFormat>& soundFormats()
{
    static const std::vector<SoundFormat> formats = {
        {"start", 2, 16000, 85436, 85494, true, true, false},
        {"pause", 1, 44100, 47916, 47960, false, false, false},
        {"next", 1, 22050, 171076, 171196, false, false, true},
        {"lose", 2, 44100, 512488, 512532, false, false, false},
        {"turn", 1, 11025, 1904, 2054, true, false, true},
        {"down", 1, 22050, 16256, 16424, false, false, true},
        {"xc", 1, 44100, 181250, 181294, false, false, false},
        {"xa", 1, 11025, 5010, 5054, false, false, false},
        {"ct", 1, 44100, 84992, 85036, false, false, false},
    };
    return formats;
}

Bytes renderSound(const SoundFormat& f)
{
    const int blockAlign = 2 * f.channels;
    const int frames = f.dataBytes / blockAlign;
    const double duration = static_cast<double>(frames) / f.rate;
    Stereo s{std::vector<double>(frames), std::vector<double>(frames)};
    const Voice voice = voiceFor(f.name);
    for (int channel = 0; channel < f.channels; ++channel) {
        Noise noise;
        auto& out = channel == 0 ? s.left : s.right;
        for (int i = 0; i < frames; ++i)
            out[i] = voice(static_cast<double>(i) / f.rate, duration, noise, channel);
    }
    if (f.channels == 1)
        s.right = s.left;
    normalise(s, peakFor(f.name));
    fadeEdges(s, f.rate);

    ByteWriter w;
    w.tag("RIFF");
    w.u32(static_cast<std::uint32_t>(f.totalBytes - 8));
    w.tag("WAVE");
    w.tag("fmt ");
    w.u32(f.longFmt ? 18 : 16);
    w.u16(1);
    w.u16(f.channels);
    w.u32(static_cast<std::uint32_t>(f.rate));
    w.u32(static_cast<std::uint32_t>(f.rate * blockAlign));
    w.u16(blockAlign);
    w.u16(16);
    if (f.longFmt)
        w.u16(0);
    if (f.fact) {
        w.tag("fact");
        w.u32(4);
        w.u32(static_cast<std::uint32_t>(frames));
    }
    w.tag("data");
    w.u32(static_cast<std::uint32_t>(f.dataBytes));
    for (int i = 0; i < frames; ++i) {
        for (int channel = 0; channel < f.channels; ++channel) {
            const double v = (channel == 0 ? s.left : s.right)[i];
            w.i16(static_cast<int>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
        }
    }
    if (f.trailingList) {
        const int listBytes = f.totalBytes - static_cast<int>(w.size()) - 8;
        const std::string text = "Zembra assetgen: " + f.name;
        const int textBytes = listBytes - 4 - 8;
        if (textBytes < static_cast<int>(text.size()) + 1 || textBytes % 2 != 0)
            throw std::logic_error("no room for the LIST chunk of " + f.name);
        w.tag("LIST");
        w.u32(static_cast<std::uint32_t>(listBytes));
        w.tag("INFO");
        w.tag("ISFT");
        w.u32(static_cast<std::uint32_t>(textBytes));
        w.text(text);
        w.zeros(textBytes - text.size());
    }
    if (static_cast<int>(w.size()) != f.totalBytes)
        throw std::logic_error("size mismatch for " + f.name);
    return w.bytes();
}

}  // namespace assetgen
