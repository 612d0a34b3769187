// The synthesis toolkit of make_waves: oscillators, seeded noise, envelopes,
// filters and the final level, all at the cues' one sample rate.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace wave_toolkit {

inline constexpr int kRate = 44100;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Buffer = std::vector<float>;

inline Buffer silence(double seconds)
{
    return Buffer(static_cast<size_t>(seconds * kRate), 0.0f);
}

inline double timeOf(size_t i)
{
    return static_cast<double>(i) / kRate;
}

// Small xorshift generator: own implementation so the noise is identical
// whatever standard library builds the tool.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
    double uniform()  // [0, 1)
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ >> 8) * (1.0 / 16777216.0);
    }
    double white() { return 2.0 * uniform() - 1.0; }  // [-1, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    uint32_t state_;
};

inline double sine(double freq, double t)
{
    return std::sin(kTwoPi * freq * t);
}

// Exponential decay with time constant tau (seconds); zero before t = 0.
inline double expDecay(double t, double tau)
{
    return t < 0.0 ? 0.0 : std::exp(-t / tau);
}

// Linear attack / decay / sustain / release envelope over a note of given length.
inline double adsr(double t, double length, double a, double d, double s, double r)
{
    if (t < 0.0 || t > length)
        return 0.0;
    double level = t < a ? t / a : t < a + d ? 1.0 - (1.0 - s) * (t - a) / d : s;
    double untilEnd = length - t;
    if (untilEnd < r)
        level *= untilEnd / r;
    return level;
}

// One-pole low-pass: y += k * (x - y), with k set from the cutoff frequency.
class LowPass {
public:
    explicit LowPass(double cutoff) : k_(1.0 - std::exp(-kTwoPi * cutoff / kRate)) {}
    double operator()(double x) { return y_ += k_ * (x - y_); }

private:
    double k_;
    double y_ = 0.0;
};

// Adds src into dst starting at offset seconds, scaled by gain (clipped to dst).
inline void mixInto(Buffer& dst, const Buffer& src, double offset, double gain)
{
    auto start = static_cast<size_t>(offset * kRate);
    for (size_t i = 0; i < src.size() && start + i < dst.size(); ++i)
        dst[start + i] += static_cast<float>(gain * src[i]);
}

// A struck metal object: a few inharmonic partials, higher ones dying faster.
// The buffer lasts until the lowest partial is about -70 dB, with a short fade.
inline Buffer metalHit(double base, const std::vector<double>& ratios, double tau)
{
    const double seconds = 8.0 * tau;
    Buffer out = silence(seconds);
    for (size_t p = 0; p < ratios.size(); ++p) {
        double amp = 1.0 / (1.0 + 0.6 * static_cast<double>(p));
        double partTau = tau / (1.0 + 0.5 * static_cast<double>(p));
        for (size_t i = 0; i < out.size(); ++i) {
            double t = timeOf(i);
            double env = expDecay(t, partTau) * adsr(t, seconds, 0.0002, 0.0, 1.0, 0.01);
            out[i] += static_cast<float>(amp * env * sine(base * ratios[p], t));
        }
    }
    return out;
}

// Short fades against clicks, then scale the peak to about -3 dBFS.
inline void finish(Buffer& b)
{
    const size_t fadeIn = kRate * 3 / 1000, fadeOut = kRate * 8 / 1000;
    for (size_t i = 0; i < fadeIn && i < b.size(); ++i)
        b[i] *= static_cast<float>(i) / fadeIn;
    for (size_t i = 0; i < fadeOut && i < b.size(); ++i)
        b[b.size() - 1 - i] *= static_cast<float>(i) / fadeOut;

    float peak = 0.0f;
    for (float s : b)
        peak = std::max(peak, std::abs(s));
    if (peak <= 0.0f)
        return;
    const float gain = static_cast<float>(std::pow(10.0, -3.0 / 20.0)) / peak;
    for (float& s : b)
        s *= gain;
}

}  // namespace wave_toolkit
