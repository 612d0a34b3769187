// make_waves: synthesizes the five sound cues of Spinzaro.
//
// Usage: make_waves <output-folder>
//
// Everything is generated from oscillators, seeded noise and envelopes, so the
// game ships no third-party audio and rerunning gives byte-identical files.
// Output: 16-bit PCM, mono, 44.1 kHz WAV, each cue normalized to about -3 dBFS.

#include "../engine/cues.h"
#include "wave_toolkit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

using namespace wave_toolkit;

// ------------------------------------------------------------------- cues ---

// Reel whirr: ratchet ticks that speed up then slow down, over a soft motor hum.
Buffer spin()
{
    const double length = 0.7;
    Buffer out = silence(length);
    Noise noise(0x5EED01);

    double phase = 0.6;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = timeOf(i);
        // Quick spin-up, slower run-down: peak rate about a third of the way in.
        double rate = 12.0 + 48.0 * std::sin(std::numbers::pi * std::pow(t / length, 0.65));  // ticks/s
        phase += rate / kRate;
        if (phase >= 1.0) {
            phase -= 1.0;
            Buffer tick = silence(0.015);
            LowPass body(4000.0), body2(5000.0), rumble(500.0);
            double pitch = noise.range(1150.0, 1350.0);
            for (size_t j = 0; j < tick.size(); ++j) {
                double tj = timeOf(j);
                double n = noise.white();
                double band = body2(body(n)) - rumble(n);  // soft band-pass, no hiss
                double env = std::min(1.0, tj / 0.0004) * expDecay(tj, 0.0025);
                tick[j] = static_cast<float>(env * (3.0 * band + 0.35 * sine(pitch, tj)));
            }
            mixInto(out, tick, t, 0.55 + 0.45 * rate / 60.0);
        }
    }

    for (size_t i = 0; i < out.size(); ++i) {
        double t = timeOf(i);
        double hum = 0.6 * sine(70.0, t) + 0.3 * sine(140.0, t) + 0.1 * sine(210.0, t);
        out[i] += static_cast<float>(0.22 * adsr(t, length, 0.08, 0.1, 0.8, 0.25) * hum);
    }
    LowPass mellow(7000.0);  // take the hiss off the clicks
    for (float& s : out)
        s = static_cast<float>(mellow(s));
    return out;
}

// Coin drop: a bright clink, two smaller bounces, then a dull thud inside.
Buffer coinSlot()
{
    Buffer out = silence(0.42);
    const std::vector<double> coin{1.0, 1.53, 2.41, 3.17};
    mixInto(out, metalHit(2600.0, coin, 0.045), 0.0, 1.0);
    mixInto(out, metalHit(2680.0, coin, 0.025), 0.11, 0.45);
    mixInto(out, metalHit(2550.0, coin, 0.015), 0.18, 0.22);

    Buffer thud = silence(0.12);
    Noise noise(0x5EED02);
    LowPass muffle(400.0), muffle2(600.0);
    for (size_t i = 0; i < thud.size(); ++i) {
        double t = timeOf(i);
        double tone = std::sin(kTwoPi * (110.0 * t - 120.0 * t * t));  // slight pitch drop
        thud[i] = static_cast<float>(expDecay(t, 0.03) * (0.7 * tone + 3.0 * muffle2(muffle(noise.white()))));
    }
    mixInto(out, thud, 0.26, 0.8);
    return out;
}

// Win bell: three quick strikes on a bright bell with inharmonic partials.
Buffer slotBell()
{
    const double length = 1.3;
    Buffer out = silence(length);
    struct Partial {
        double ratio, amp, tau;
    };
    const std::vector<Partial> partials{
        {1.0, 1.0, 0.55}, {2.0, 0.6, 0.40}, {2.76, 0.5, 0.30}, {5.4, 0.3, 0.15}, {8.9, 0.15, 0.07}};
    const double base = 820.0;

    Buffer strike = silence(length);
    Noise noise(0x5EED03);
    for (size_t i = 0; i < strike.size(); ++i) {
        double t = timeOf(i);
        double s = 0.3 * expDecay(t, 0.002) * noise.white();  // hammer tick
        for (const Partial& p : partials)
            s += p.amp * expDecay(t, p.tau) * sine(base * p.ratio, t);
        strike[i] = static_cast<float>(s);
    }
    mixInto(out, strike, 0.0, 1.0);
    mixInto(out, strike, 0.13, 0.8);
    mixInto(out, strike, 0.26, 0.9);

    // Let the tail die away smoothly instead of being cut by the file end.
    for (size_t i = 0; i < out.size(); ++i)
        out[i] *= static_cast<float>(adsr(timeOf(i), length, 0.001, 0.0, 1.0, 0.25));
    return out;
}

// Siren: two smooth up-and-down wails, a few harmonics softened by a low-pass.
Buffer police()
{
    const double length = 1.8, cycle = 0.9;
    const double low = 620.0, high = 1250.0;
    Buffer out = silence(length);
    LowPass soften(2200.0), soften2(3000.0);
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = timeOf(i);
        double sweep = 0.5 - 0.5 * std::cos(kTwoPi * t / cycle);
        double freq = low + (high - low) * sweep + 6.0 * sine(7.0, t);  // a touch of wobble
        phase += freq / kRate;
        phase -= std::floor(phase);
        double tone = 0.0;
        const double amps[] = {1.0, 0.45, 0.25, 0.12, 0.06};
        for (int h = 0; h < 5; ++h)
            tone += amps[h] * std::sin(kTwoPi * (h + 1) * phase);
        double env = adsr(t, length, 0.06, 0.0, 1.0, 0.2);
        out[i] = static_cast<float>(env * soften2(soften(tone)));
    }
    return out;
}

// Payout: many coin clinks at random times and pitches, dense first then thinning.
Buffer coinsWin()
{
    const double length = 1.4;
    Buffer out = silence(length);
    Noise noise(0x5EED04);
    const std::vector<double> coin{1.0, 1.47, 2.09, 2.83};
    for (int c = 0; c < 70; ++c) {
        double u = noise.uniform();
        double when = 1.15 * u * u;  // squaring bunches the coins near the start
        double base = noise.range(2400.0, 4000.0);
        double tau = noise.range(0.015, 0.045);
        double gain = noise.range(0.3, 1.0) * expDecay(when, 0.6);
        mixInto(out, metalHit(base, coin, tau), when, gain);
    }
    for (size_t i = 0; i < out.size(); ++i)
        out[i] *= static_cast<float>(adsr(timeOf(i), length, 0.001, 0.0, 1.0, 0.2));
    return out;
}

// ------------------------------------------------------------- wav output ---

void putLE(std::ofstream& f, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// RIFF/WAVE, PCM format 1, mono, 44.1 kHz, 16-bit little-endian.
bool writeWav(const std::filesystem::path& path, const Buffer& b)
{
    std::ofstream f(path, std::ios::binary);
    if (!f)
        return false;
    const uint32_t dataBytes = static_cast<uint32_t>(b.size() * 2);
    f.write("RIFF", 4);
    putLE(f, 36 + dataBytes, 4);
    f.write("WAVE", 4);
    f.write("fmt ", 4);
    putLE(f, 16, 4);         // chunk size
    putLE(f, 1, 2);          // PCM
    putLE(f, 1, 2);          // channels
    putLE(f, kRate, 4);      // sample rate
    putLE(f, kRate * 2, 4);  // byte rate
    putLE(f, 2, 2);          // block align
    putLE(f, 16, 2);         // bits per sample
    f.write("data", 4);
    putLE(f, dataBytes, 4);
    for (float s : b) {
        long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        putLE(f, static_cast<uint32_t>(static_cast<int16_t>(v)) & 0xFFFF, 2);
    }
    return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output-folder>\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    // The file names come from the game's own cue table, so each wave lands
    // under the name the game plays it by.
    struct Synthesis {
        spinzaro::Cue cue;
        Buffer (*make)();
    };
    const Synthesis syntheses[] = {{spinzaro::Cue::spin, spin},
                                   {spinzaro::Cue::coinSlot, coinSlot},
                                   {spinzaro::Cue::bell, slotBell},
                                   {spinzaro::Cue::police, police},
                                   {spinzaro::Cue::coinsWin, coinsWin}};
    for (const Synthesis& synthesis : syntheses) {
        const std::filesystem::path file = spinzaro::cuePath(dir.string(), spinzaro::cueFile(synthesis.cue));
        Buffer b = synthesis.make();
        finish(b);
        if (!writeWav(file, b)) {
            std::cerr << "could not write " << file.string() << "\n";
            return 1;
        }
        std::cout << file.filename().string() << ": " << b.size() << " samples\n";
    }
    return 0;
}
