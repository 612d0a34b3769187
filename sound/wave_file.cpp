// Opens cue files defensively and decodes them with libsndfile.
#include "wave_file.h"

#include <sndfile.h>

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
int openSmallRegularFile(const std::string& path)
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
    return descriptor;
}

}  // namespace

std::optional<Wave> readWave(const std::string& path)
{
    const int descriptor = openSmallRegularFile(path);
    if (descriptor < 0)
        return std::nullopt;
    SF_INFO info{};
    // The descriptor stays ours: libsndfile closes it on some failures and
    // not on others, and closing it twice could close another thread's file.
    SNDFILE* file = sf_open_fd(descriptor, SFM_READ, &info, SF_FALSE);
    if (file == nullptr) {
        ::close(descriptor);
        return std::nullopt;
    }
    std::optional<Wave> wave;
    if (info.channels > 0 && info.samplerate > 0 && info.frames > 0 &&
        static_cast<std::uint64_t>(info.frames) * static_cast<std::uint64_t>(info.channels) <= maxWaveSamples) {
        Wave decoded{info.samplerate, info.channels, {}};
        decoded.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
        const sf_count_t read = sf_readf_short(file, decoded.samples.data(), info.frames);
        if (read > 0) {
            decoded.samples.resize(static_cast<std::size_t>(read * info.channels));
            wave = std::move(decoded);
        }
    }
    sf_close(file);
    ::close(descriptor);
    return wave;
}

}  // namespace spinzaro
