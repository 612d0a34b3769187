// The wave reader on the shipped cues and on hundreds of damaged files made
// from them and from streams of other codecs, fuzzing with a fixed seed:
// under the sanitizers, any fault of the reader's stops the test.
#include "wave_file.h"

#include <sndfile.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace spinzaro {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<char>;

Bytes readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A second of a chord in the given format, written by libsndfile.
Bytes encoded(const fs::path& path, int format, int channels)
{
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<short> samples(44100 * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<short>(8000 * std::sin(0.03 * static_cast<double>(i)));
    sf_writef_short(file, samples.data(), 44100);
    sf_close(file);
    return readBytes(path);
}

// Ogg's page checksum: CRC-32, polynomial 0x04C11DB7, neither reflected nor inverted.
std::uint32_t oggChecksum(const char* page, std::size_t length)
{
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= static_cast<std::uint32_t>(static_cast<unsigned char>(page[i])) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000U) != 0 ? (crc << 1) ^ 0x04C11DB7U : crc << 1;
    }
    return crc;
}

// An Ogg Vorbis stream of four channels whose last page claims the granule
// 2^62 + 1000: frames times channels is then 2^64 + 4000.
Bytes withHugeLastGranule(Bytes ogg)
{
    std::size_t last = 0;
    for (std::size_t at = 0; at + 4 <= ogg.size(); ++at)
        if (std::equal(ogg.begin() + static_cast<std::ptrdiff_t>(at), ogg.begin() + static_cast<std::ptrdiff_t>(at) + 4, "OggS"))
            last = at;
    const std::uint64_t granule = (std::uint64_t{1} << 62) + 1000;
    for (int i = 0; i < 8; ++i)
        ogg[last + 6 + static_cast<std::size_t>(i)] = static_cast<char>(granule >> (8 * i));
    const auto segments = static_cast<unsigned char>(ogg[last + 26]);
    std::size_t length = 27 + segments;
    for (std::size_t i = 0; i < segments; ++i)
        length += static_cast<unsigned char>(ogg[last + 27 + i]);
    std::fill_n(ogg.begin() + static_cast<std::ptrdiff_t>(last) + 22, 4, '\0');
    const std::uint32_t crc = oggChecksum(ogg.data() + last, length);
    for (int i = 0; i < 4; ++i)
        ogg[last + 22 + static_cast<std::size_t>(i)] = static_cast<char>(crc >> (8 * i));
    return ogg;
}

// Standard error caught in a file for the life of the object.
class ErrorCatcher {
public:
    ErrorCatcher() : file_(std::tmpfile()), saved_(::dup(STDERR_FILENO))
    {
        std::fflush(stderr);
        ::dup2(::fileno(file_), STDERR_FILENO);
    }
    ~ErrorCatcher()
    {
        restore();
        std::fclose(file_);
    }
    std::string text()
    {
        restore();
        std::rewind(file_);
        std::string caught;
        for (int c; (c = std::fgetc(file_)) != EOF;)
            caught += static_cast<char>(c);
        return caught;
    }

private:
    void restore()
    {
        std::fflush(stderr);
        if (saved_ >= 0)
            ::dup2(saved_, STDERR_FILENO), ::close(std::exchange(saved_, -1));
    }
    std::FILE* file_;
    int saved_;
};

struct Folder {
    Folder() : path(::mkdtemp(std::string("/tmp/spinzaro-fuzz-XXXXXX").data())) {}
    ~Folder() { fs::remove_all(path); }
    fs::path path;
};

TEST(WaveFuzzTest, DamagedWavesAndStreamsOfOtherCodecsGiveSilenceWithoutAFaultOrAWord)
{
    const Folder folder;
    const fs::path shipped = fs::canonical("/proc/self/exe").parent_path();
    std::vector<Bytes> seeds;
    for (const auto& entry : fs::directory_iterator(shipped))
        if (entry.path().extension() == ".wav") {
            ASSERT_TRUE(readWave(entry.path().string()).has_value()) << entry.path();
            seeds.push_back(readBytes(entry.path()));
        }
    ASSERT_FALSE(seeds.empty());

    // The overflow case, checked against libsndfile itself: it does claim that length.
    const fs::path hugeOgg = folder.path / "huge-granule.wav";
    writeBytes(hugeOgg, withHugeLastGranule(encoded(folder.path / "a.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 4)));
    SF_INFO info{};
    SNDFILE* claimed = sf_open(hugeOgg.c_str(), SFM_READ, &info);
    ASSERT_NE(claimed, nullptr);
    sf_close(claimed);
    EXPECT_GT(info.frames, sf_count_t{1} << 61);
    // A stream mpg123 decodes, which it would complain about once damaged.
    const Bytes mp3 = encoded(folder.path / "a.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 1);
    ErrorCatcher error;
    EXPECT_FALSE(readWave(hugeOgg.string()).has_value());
    EXPECT_FALSE(readWave((folder.path / "a.mp3").string()).has_value());
    seeds.push_back(readBytes(hugeOgg));
    seeds.push_back(mp3);

    std::mt19937 random(24);
    int read = 0;
    for (int round = 0; round < 60; ++round)
        for (const Bytes& seed : seeds) {
            Bytes mutant = seed;
            const auto changes = std::uniform_int_distribution<int>(1, 24)(random);
            for (int i = 0; i < changes; ++i)
                mutant[random() % std::min<std::size_t>(mutant.size(), random() % 2 != 0 ? 64 : mutant.size())] =
                    static_cast<char>(random());
            if (round % 5 == 0)
                mutant.resize(random() % mutant.size());
            const fs::path path = folder.path / ("mutant-" + std::to_string(read++) + ".wav");
            writeBytes(path, mutant);
            const std::optional<Wave> wave = readWave(path.string());
            if (wave) {
                EXPECT_EQ(wave->samples.size() % static_cast<std::size_t>(wave->channels), 0u);
            }
            fs::remove(path);
        }
    EXPECT_EQ(read, 60 * static_cast<int>(seeds.size()));
    EXPECT_EQ(error.text(), "") << "a decoder printed";
}

}  // namespace
}  // namespace spinzaro
