// The game's former cue player on Qt Multimedia, kept only as a yardstick for the
// benchmarks: it reads and starts each cue on the calling thread.
#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class QAudioSink;

namespace spinzaro::baseline {

// A parsed PCM wave: its format and sample bytes (whole frames only).
struct Wave {
    QAudioFormat format;
    QByteArray samples;
};

// Reads a RIFF/WAVE file of integer PCM (8, 16 or 32 bit, mono or stereo);
// nullopt for anything else, including a file without a single frame.
std::optional<Wave> readWave(const QString& path);

class WavePlayer : public QObject {
    Q_OBJECT
public:
    explicit WavePlayer(QObject* parent = nullptr);
    ~WavePlayer() override;

    // Cuts off the cue still sounding and starts this one; returns at once
    // and says nothing when the file or the audio device is unusable.
    void play(const QString& path);
    void stop();

    // True from play() until the cue has played out, or stop().
    bool isPlaying() const;
    QString currentPath() const;
    // How far the current cue has played, as the sound server last told
    // (it tells now and then, not continuously).
    qint64 playedMicroseconds() const;

private:
    void releaseWhenDrained();

    // The sink reads from the buffer: declared after it, so it goes first.
    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer tailTimer_;
    QElapsedTimer streamClosed_;
    QString currentPath_;
};

}  // namespace spinzaro::baseline
