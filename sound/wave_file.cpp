// Opens cue files defensively and decodes them with libsndfile.
#include "wave_file.h"

#include <sndfile.h>

#include <array>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spinzaro {
namespace {

bool isSmallRegularFile(const struct stat& status)
{
    return S_ISREG(status.st_mode) && status.st_size <= maxWaveFileBytes;
}

// A descriptor for a small regular file, or -1. Never blocks: the path is
// looked at before it is opened, so a pipe or a device is not opened at all,
// and what was opened is looked at again, in case the path changed between.
int openSmallRegularFile(const std::string& path, off_t& size)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !isSmallRegularFile(status))
        return -1;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return -1;
    if (::fstat(descriptor, &status) != 0 || !isSmallRegularFile(status)) {
        ::close(descriptor);
        return -1;
    }
    size = status.st_size;
    return descriptor;
}

std::uint32_t littleEndian(const unsigned char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

// Whether the sample format is one libsndfile decodes itself, before it is
// handed over: the other codecs go to libraries of their own, and mpg123
// prints its complaints about a broken stream straight to stderr.
bool isWaveOfPlainSamples(int descriptor, off_t size)
{
    std::array<unsigned char, 12> riff{};
    if (::pread(descriptor, riff.data(), riff.size(), 0) != static_cast<ssize_t>(riff.size()) ||
        std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(riff.data() + 8, "WAVE", 4) != 0)
        return false;
    // Chunks until the format; each step moves forward, so this ends.
    for (off_t offset = 12; offset + 8 <= size;) {
        std::array<unsigned char, 8 + 26> chunk{};
        const ssize_t got = ::pread(descriptor, chunk.data(), chunk.size(), offset);
        if (got < 10)
            return false;
        const std::uint32_t length = littleEndian(chunk.data() + 4, 4);
        if (std::memcmp(chunk.data(), "fmt ", 4) != 0) {
            offset += off_t{8} + length + (length & 1U);
            continue;
        }
        std::uint32_t tag = littleEndian(chunk.data() + 8, 2);
        if (tag == 0xFFFE && length >= 26 && got >= 8 + 26)  // extensible: the tag opens the sub-format
            tag = littleEndian(chunk.data() + 8 + 24, 2);
        // PCM, IEEE float, A-law, mu-law
        return tag == 1 || tag == 3 || tag == 6 || tag == 7;
    }
    return false;
}

// frames * channels, checked: a stream's header may claim any length.
std::optional<std::size_t> sampleCount(sf_count_t frames, int channels)
{
    std::size_t count = 0;
    if (frames <= 0 || channels <= 0 ||
        __builtin_mul_overflow(static_cast<std::uint64_t>(frames), static_cast<std::uint64_t>(channels), &count) ||
        count > maxWaveSamples)
        return std::nullopt;
    return count;
}

std::optional<Wave> decode(SNDFILE* file, const SF_INFO& info)
{
    const std::optional<std::size_t> count = sampleCount(info.frames, info.channels);
    if (!count || info.samplerate <= 0)
        return std::nullopt;
    Wave wave{info.samplerate, info.channels, {}};
    wave.samples.resize(*count);
    const sf_count_t read = sf_readf_short(file, wave.samples.data(), info.frames);
    if (read <= 0)
        return std::nullopt;
    wave.samples.resize(static_cast<std::size_t>(read) * static_cast<std::size_t>(info.channels));
    return wave;
}

}  // namespace

std::optional<Wave> readWave(const std::string& path)
{
    off_t size = 0;
    const int descriptor = openSmallRegularFile(path, size);
    if (descriptor < 0)
        return std::nullopt;
    std::optional<Wave> wave;
    SF_INFO info{};
    // The descriptor stays ours: libsndfile closes it on some failures and
    // not on others, and closing it twice could close another thread's file.
    SNDFILE* file =
        isWaveOfPlainSamples(descriptor, size) ? sf_open_fd(descriptor, SFM_READ, &info, SF_FALSE) : nullptr;
    if (file != nullptr) {
        wave = decode(file, info);
        sf_close(file);
    }
    ::close(descriptor);
    return wave;
}

}  // namespace spinzaro
