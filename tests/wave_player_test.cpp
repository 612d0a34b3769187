// The wave reader on good and hostile files, and the cue player silent, quick and one cue at a time.
#include "wave_player.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include <sys/stat.h>

namespace spinzaro {
namespace {

QByteArray le(qint64 value, int bytes)
{
    const quint32 little = qToLittleEndian(static_cast<quint32>(value));
    return QByteArray(reinterpret_cast<const char*>(&little), bytes);
}

QByteArray waveBytes(const QByteArray& samples, int bits = 16, int channels = 1, int rate = 44100, int tag = 1,
                     const QByteArray& beforeData = {})
{
    const int frame = channels * bits / 8;
    const QByteArray body = "WAVEfmt " + le(16, 4) + le(tag, 2) + le(channels, 2) + le(rate, 4) +
                            le(qint64{rate} * frame, 4) + le(frame, 2) + le(bits, 2) + beforeData + "data" +
                            le(samples.size(), 4) + samples;
    return "RIFF" + le(body.size(), 4) + body;
}

QByteArray sine(double seconds)
{
    QByteArray samples;
    for (int i = 0; i < static_cast<int>(seconds * 44100); ++i)
        samples += le(static_cast<qint16>(8000 * std::sin(i * 2 * M_PI * 440 / 44100)), 2);
    return samples;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

// Every way a cue file can be unusable; the player must pass over each in silence.
std::map<QString, QByteArray> unusableFiles()
{
    const QByteArray good = waveBytes(sine(0.05));
    QByteArray tooLongData = good;
    tooLongData.replace(40, 4, le(1000000, 4));
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) % 251);
    return {{"empty.wav", {}},
            {"truncated.wav", good.left(30)},
            {"garbage.wav", garbage},
            {"float.wav", waveBytes(sine(0.05), 32, 1, 44100, 3)},
            {"data_past_end.wav", tooLongData},
            {"no_channels.wav", waveBytes(sine(0.05), 16, 0)},
            {"rate_zero.wav", waveBytes(sine(0.05), 16, 1, 0)},
            {"rate_huge.wav", waveBytes(sine(0.05), 16, 1, 1000000000)},
            {"24bit.wav", waveBytes(sine(0.05), 24)},
            {"no_data.wav", good.left(36)},
            {"no_frame.wav", waveBytes("x")}};
}

template <typename Condition>
bool waitFor(Condition condition, int milliseconds = 3000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

void pause(int milliseconds)
{
    waitFor([] { return false; }, milliseconds);
}

TEST(ReadWaveTest, AcceptsIntegerPcmAndSkipsOtherChunks)
{
    const QTemporaryDir dir;
    const QByteArray samples = sine(0.1);
    for (const auto& [bits, channels, rate, format] : {std::tuple{8, 1, 8000, QAudioFormat::UInt8},
                                                       {16, 2, 44100, QAudioFormat::Int16},
                                                       {32, 1, 48000, QAudioFormat::Int32}}) {
        SCOPED_TRACE(bits);
        // An odd-sized chunk before the data, and a byte short of a whole frame at the end.
        const QByteArray list = "LIST" + le(3, 4) + "abc" + '\0';
        const QByteArray data = samples + "z";
        const auto wave = readWave(writeFile(dir, "ok.wav", waveBytes(data, bits, channels, rate, 1, list)));
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->format.sampleFormat(), format);
        EXPECT_EQ(wave->format.channelCount(), channels);
        EXPECT_EQ(wave->format.sampleRate(), rate);
        const int frame = bits / 8 * channels;
        EXPECT_EQ(wave->samples, data.left(data.size() / frame * frame));
    }
}

TEST(ReadWaveTest, RejectsMissingAndMalformedFiles)
{
    const QTemporaryDir dir;
    EXPECT_FALSE(readWave(dir.filePath("missing.wav")).has_value());
    for (const auto& [name, bytes] : unusableFiles())
        EXPECT_FALSE(readWave(writeFile(dir, name, bytes)).has_value()) << name.toStdString();
}

// A play() that returns within this has not waited for any test cue, the
// shortest of which lasts 200 ms; sanitized builds need the headroom.
constexpr qint64 returnsAtOnceMs = 150;

// Plays every file in the folder, in a child process whose output the test reads.
int playQuietly(const QString& folder)
{
    int faults = 0;
    WavePlayer player;
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot);
    names << "missing.wav";
    for (const QString& name : names) {
        QElapsedTimer timer;
        timer.start();
        player.play(QDir(folder).filePath(name));
        faults |= timer.elapsed() > returnsAtOnceMs ? 1 : 0;
        faults |= (name != "cue.wav" && player.isPlaying()) ? 2 : 0;
        pause(50);  // time for the backend to speak up, if it would
    }
    qWarning("the game's own warnings still pass");
    return faults;
}

void expectQuietChild(const QString& folder, const QString& pulseServer)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!pulseServer.isEmpty())
        environment.insert("PULSE_SERVER", pulseServer);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--play-quietly", folder});
    if (!child.waitForFinished(10000)) {
        child.kill();
        child.waitForFinished(1000);
        ADD_FAILURE() << "the child did not finish";
    }
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << "1: a play() did not return at once, 2: a bad file played";
    EXPECT_EQ(child.readAll().toStdString(), "the game's own warnings still pass\n");
}

bool soundServerReachable()
{
    const WavePlayer quiet;  // a missing server is not worth a line here either
    return !QMediaDevices::audioOutputs().isEmpty();
}

class WavePlayerQuietTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& [name, bytes] : unusableFiles())
            writeFile(dir_, name, bytes);
        writeFile(dir_, "cue.wav", waveBytes(sine(0.2)));
        // Opening a pipe with no writer would block for good.
        ASSERT_EQ(mkfifo(QFile::encodeName(dir_.filePath("pipe.wav")).constData(), 0600), 0);
        ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.wav"));
    }

    QTemporaryDir dir_;
};

TEST_F(WavePlayerQuietTest, WithoutAnyAudioDevice)
{
    expectQuietChild(dir_.path(), "unix:/nonexistent");
}

TEST_F(WavePlayerQuietTest, WithASoundServer)
{
    if (!soundServerReachable())
        GTEST_SKIP() << "no PulseAudio server reachable; start one with tests/null_audio_sink.sh";
    expectQuietChild(dir_.path(), {});
}

class WavePlayerPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!soundServerReachable())
            GTEST_SKIP() << "no PulseAudio server reachable; start one with tests/null_audio_sink.sh";
        first_ = writeFile(dir_, "first.wav", waveBytes(sine(1.5)));
        second_ = writeFile(dir_, "second.wav", waveBytes(sine(1.5)));
    }

    // The streams the server plays, as its own tool lists them.
    static int serverStreams()
    {
        QProcess pactl;
        pactl.start("pactl", {"list", "short", "sink-inputs"});
        if (!pactl.waitForFinished(3000))
            pactl.kill();
        return static_cast<int>(pactl.readAllStandardOutput().count('\n'));
    }

    QTemporaryDir dir_;
    QString first_;
    QString second_;
    WavePlayer player_;
};

TEST_F(WavePlayerPlaybackTest, CueSoundsInFullAfterPlayReturnsThenFreesItsStream)
{
    QProcess recorder;  // what the server plays, heard through its monitor
    recorder.start("pacat", {"--record", "--device=@DEFAULT_MONITOR@", "--channels=1", "--rate=44100", "--format=s16le",
                             "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForStarted(3000));
    pause(300);
    const QString shortCue = writeFile(dir_, "short.wav", waveBytes(sine(0.5)));
    QElapsedTimer timer;
    timer.start();
    player_.play(shortCue);
    EXPECT_LT(timer.elapsed(), returnsAtOnceMs);
    EXPECT_EQ(player_.currentPath(), shortCue);
    EXPECT_TRUE(waitFor([&] { return player_.isPlaying() && player_.playedMicroseconds() > 100000; }));
    EXPECT_TRUE(waitFor([&] { return !player_.isPlaying(); }, 5000));
    EXPECT_TRUE(waitFor([] { return serverStreams() == 0; }));
    recorder.terminate();
    ASSERT_TRUE(recorder.waitForFinished(3000));

    // The longest run of 10 ms windows with the tone in them: a cut-off
    // tail shortens it, while a stray sound elsewhere on the server does not.
    const QByteArray heard = recorder.readAllStandardOutput();
    int run = 0;
    int longestRun = 0;
    for (qsizetype at = 0; at + 882 <= heard.size(); at += 882) {
        int peak = 0;
        for (qsizetype i = at; i < at + 882; i += 2)
            peak = std::max(peak, std::abs(qFromLittleEndian<qint16>(heard.constData() + i)));
        run = peak > 1000 ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    EXPECT_GE(longestRun, 46);
}

TEST_F(WavePlayerPlaybackTest, OneCueAtATimeTheSameCueAgainRestartingItAndANewOneCuttingItOff)
{
    player_.play(first_);
    ASSERT_TRUE(waitFor([&] { return player_.playedMicroseconds() > 300000; }));
    const qint64 before = player_.playedMicroseconds();
    player_.play(first_);
    EXPECT_LT(player_.playedMicroseconds(), before);
    EXPECT_TRUE(waitFor([&] { return player_.isPlaying() && player_.playedMicroseconds() > 0; }));

    player_.play(second_);
    EXPECT_EQ(player_.currentPath(), second_);
    EXPECT_TRUE(player_.isPlaying());
    EXPECT_TRUE(waitFor([] { return serverStreams() == 1; }));
    player_.stop();
    EXPECT_FALSE(player_.isPlaying());
    EXPECT_TRUE(waitFor([] { return serverStreams() == 0; }));
}

}  // namespace
}  // namespace spinzaro

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No GUI application: as root, its offscreen platform warns about XDG_RUNTIME_DIR,
    // which would spoil the quiet test, and the player needs no window system.
    QCoreApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--play-quietly")
        return spinzaro::playQuietly(QString::fromLocal8Bit(argv[2]));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
