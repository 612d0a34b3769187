// The former cue player on Qt Multimedia, for side-by-side benchmarks only.
#include "qt_multimedia_player.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QFileInfo>
#include <QLatin1StringView>
#include <QMediaDevices>
#include <QtEndian>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace spinzaro::baseline {
namespace {

// Far above any cue; keeps a stray path from costing the game memory or time.
constexpr qint64 maxFileBytes = qint64{32} * 1024 * 1024;
constexpr quint32 minSampleRate = 1000;
constexpr quint32 maxSampleRate = 192000;
constexpr quint16 pcmFormatTag = 1;
// Beyond the stream's own buffer, for the latency of the device behind the server.
constexpr int tailMarginMilliseconds = 500;
// Ten were enough against a local server; five times that for a busy machine.
constexpr qint64 closingSettleMilliseconds = 50;

quint16 readU16(const char* at)
{
    return qFromLittleEndian<quint16>(at);
}

quint32 readU32(const char* at)
{
    return qFromLittleEndian<quint32>(at);
}

std::optional<QAudioFormat> parseFormat(const char* body, qint64 size)
{
    if (size < 16)
        return std::nullopt;
    const quint16 tag = readU16(body);
    const quint16 channels = readU16(body + 2);
    const quint32 rate = readU32(body + 4);
    const quint16 bits = readU16(body + 14);
    if (tag != pcmFormatTag || channels < 1 || channels > 2 || rate < minSampleRate || rate > maxSampleRate)
        return std::nullopt;
    QAudioFormat format;
    switch (bits) {
    case 8: format.setSampleFormat(QAudioFormat::UInt8); break;
    case 16: format.setSampleFormat(QAudioFormat::Int16); break;
    case 32: format.setSampleFormat(QAudioFormat::Int32); break;
    default: return std::nullopt;
    }
    format.setChannelCount(channels);
    format.setSampleRate(static_cast<int>(rate));
    return format;
}

// Qt Multimedia's PulseAudio backend warns on the default category when
// there is no server or a stream fails; the game has nothing to tell the
// player about that, so those lines go, and every other message passes on.
std::atomic<QtMessageHandler> previousHandler{nullptr};

bool isAudioBackendNoise(const QMessageLogContext& context, const QString& message)
{
    const QLatin1StringView category(context.category ? context.category : "default");
    if (category.startsWith(QLatin1StringView("qt.multimedia")))
        return true;
    if (category != QLatin1StringView("default"))
        return false;
    // Some come quoted, streamed into qWarning() as strings.
    const QStringView text = QStringView(message).startsWith(u'"') ? QStringView(message).mid(1) : message;
    for (const char* known : {"PulseAudioService:", "QAudioSink:", "Stream error:", "pa_stream_",
                              "No audio device detected", "Got a buffer underflow", "Got a buffer overflow"}) {
        if (text.startsWith(QLatin1StringView(known)))
            return true;
    }
    return false;
}

void dropAudioBackendNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg && isAudioBackendNoise(context, message))
        return;
    if (const QtMessageHandler previous = previousHandler.load())
        previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void installNoiseFilter()
{
    // Once per process and never removed: the backend outlives any player
    // and may still speak up from its own thread as the program ends.
    static std::once_flag once;
    std::call_once(once, [] { previousHandler.store(qInstallMessageHandler(dropAudioBackendNoise)); });
}

}  // namespace

std::optional<Wave> readWave(const QString& path)
{
    // Only regular files: opening a pipe or a device could block the game.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() < 12 || info.size() > maxFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(maxFileBytes + 1);
    const qint64 size = bytes.size();
    if (size < 12 || size > maxFileBytes || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<QAudioFormat> format;
    qint64 dataAt = -1;
    qint64 dataSize = 0;
    for (qint64 at = 12; at + 8 <= size && (!format || dataAt < 0);) {
        const char* header = bytes.constData() + at;
        const qint64 bodyAt = at + 8;
        const qint64 bodySize = readU32(header + 4);
        if (bodySize > size - bodyAt)
            return std::nullopt;
        const QByteArrayView id(header, 4);
        if (id == "fmt " && !format) {
            format = parseFormat(header + 8, bodySize);
            if (!format)
                return std::nullopt;
        } else if (id == "data" && dataAt < 0) {
            dataAt = bodyAt;
            dataSize = bodySize;
        }
        at = bodyAt + bodySize + (bodySize & 1);
    }
    if (!format || dataAt < 0)
        return std::nullopt;
    const qint64 frameBytes = format->bytesPerFrame();
    const qint64 wholeFrames = dataSize / frameBytes * frameBytes;
    if (wholeFrames == 0)
        return std::nullopt;
    return Wave{*format, bytes.mid(dataAt, wholeFrames)};
}

WavePlayer::WavePlayer(QObject* parent) : QObject(parent)
{
    installNoiseFilter();
    // The player is made as the game starts: connecting to the sound server
    // now spares the first cue that wait.
    QMediaDevices::defaultAudioOutput();
    tailTimer_.setSingleShot(true);
    connect(&tailTimer_, &QTimer::timeout, this, [this] {
        if (sink_) {
            sink_->stop();
            streamClosed_.start();
        }
    });
}

WavePlayer::~WavePlayer()
{
    stop();
    // Qt 6.4 tears its PulseAudio connection down at exit without waiting
    // for the server's answers to a stream just closed, and now and then
    // crashes on them; the player goes at shutdown, so let them arrive first.
    if (streamClosed_.isValid() && streamClosed_.elapsed() < closingSettleMilliseconds)
        QThread::msleep(static_cast<unsigned long>(closingSettleMilliseconds - streamClosed_.elapsed()));
}

void WavePlayer::play(const QString& path)
{
    stop();
    std::optional<Wave> wave = readWave(path);
    if (!wave)
        return;
    // Null when no sound server or card is there: then the game plays mute.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(wave->format))
        return;
    buffer_.setData(wave->samples);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, wave->format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, &WavePlayer::releaseWhenDrained);
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError) {
        stop();
        return;
    }
    currentPath_ = path;
}

void WavePlayer::stop()
{
    tailTimer_.stop();
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        sink_.reset();
        streamClosed_.start();
    }
    buffer_.close();
    buffer_.setData(QByteArray());
    currentPath_.clear();
}

bool WavePlayer::isPlaying() const
{
    return sink_ && sink_->state() != QAudio::StoppedState;
}

QString WavePlayer::currentPath() const
{
    return currentPath_;
}

qint64 WavePlayer::playedMicroseconds() const
{
    return sink_ ? sink_->processedUSecs() : 0;
}

void WavePlayer::releaseWhenDrained()
{
    // The sink turns idle once it has taken the last samples, while the
    // server still holds up to a buffer of them: stopping it then would cut
    // that tail off, so the stream goes only once that has played out.
    // Idle before the end is a stall, not the end.
    if (!sink_ || sink_->state() != QAudio::IdleState || !buffer_.atEnd() || tailTimer_.isActive())
        return;
    const qint64 bufferedMicroseconds = sink_->format().durationForBytes(static_cast<qint32>(sink_->bufferSize()));
    tailTimer_.start(static_cast<int>(bufferedMicroseconds / 1000) + tailMarginMilliseconds);
}

}  // namespace spinzaro::baseline
