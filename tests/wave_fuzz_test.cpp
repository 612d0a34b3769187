// The wave reader on the shipped cues, on hostile paths, and on hundreds of
// damaged files made from the cues and from a stream of another codec,
// fuzzing with a fixed seed: under the sanitizers, any fault of the reader's
// stops the test.
#include "cues.h"
#include "sound_server.h"
#include "wave_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace spinzaro {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<char>;

Bytes readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A hostile path read naively would hang the test until ctest gives up on it.
TEST(WaveReaderTest, ReadsTheShippedCuesAndGivesSilenceForAnythingElseWithoutAFaultOrAWord)
{
    const testkit::TempFolder folder;
    ::testing::internal::CaptureStderr();
    std::vector<Bytes> seeds;
    for (const CueFile& cue : cueFiles) {
        const std::string path = cuePath(fs::canonical("/proc/self/exe").parent_path().string(), cue.file);
        const auto wave = readWave(path);
        ASSERT_TRUE(wave.has_value()) << path;
        EXPECT_EQ(wave->sampleRate, 44100) << path;
        EXPECT_EQ(wave->channels, 1) << path;
        EXPECT_GT(wave->frames(), 44100u / 10) << path;
        EXPECT_LT(wave->frames(), 2u * 44100) << path;
        seeds.push_back(readBytes(path));
    }
    for (const std::string& path : testkit::makeHostileCuePaths(folder.path.string()))
        EXPECT_FALSE(readWave(path).has_value()) << path;
    // A stream mpg123 decodes, and would complain about on stderr once damaged.
    testkit::writeTone(folder.file("a.mp3"), 1.0, 8000, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
    seeds.push_back(readBytes(folder.file("a.mp3")));
    ASSERT_FALSE(seeds.back().empty());
    EXPECT_FALSE(readWave(folder.file("a.mp3")).has_value());

    std::mt19937 random(24);
    const std::string path = folder.file("mutant.wav");
    for (int round = 0; round < 60; ++round)
        for (const Bytes& seed : seeds) {
            Bytes mutant = seed;
            const auto changes = std::uniform_int_distribution<int>(1, 24)(random);
            for (int i = 0; i < changes; ++i)
                mutant[random() % std::min<std::size_t>(mutant.size(), random() % 2 != 0 ? 64 : mutant.size())] =
                    static_cast<char>(random());
            if (round % 5 == 0)
                mutant.resize(random() % mutant.size());
            std::ofstream(path, std::ios::binary).write(mutant.data(), static_cast<std::streamsize>(mutant.size()));
            if (const std::optional<Wave> wave = readWave(path)) {
                EXPECT_EQ(wave->samples.size() % static_cast<std::size_t>(wave->channels), 0u);
            }
        }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "a decoder printed";
}

}  // namespace
}  // namespace spinzaro
