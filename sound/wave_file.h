// Reads a cue's wave file without ever waiting on what lies at its path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace spinzaro {

// Decoded sound, interleaved signed 16-bit samples in the machine's byte order.
struct Wave {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;

    std::size_t frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
};

// Far above any cue (the longest lasts two seconds, under 200 KiB), so a
// stray path costs neither memory nor time.
inline constexpr std::int64_t maxWaveFileBytes = std::int64_t{8} * 1024 * 1024;
inline constexpr std::size_t maxWaveSamples = std::size_t{8} * 1024 * 1024;

// Only a regular file of at most maxWaveFileBytes, a RIFF WAVE of PCM, float,
// A-law or mu-law samples, that the decoder reads as sound with at least one
// frame; nullopt for anything else, without a word. A pipe, a device
// or a folder is recognised without reading from it.
std::optional<Wave> readWave(const std::string& path);

}  // namespace spinzaro
