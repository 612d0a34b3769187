// Times the game's cue call on the event thread, for a real wave file beside the executable.
#include "form1.h"
#include "identity.h"
#include "losing_draws.h"
#include "machine_state.h"
#include "measure.h"
#include "wave_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char* argv[])
{
    using namespace spinzaro::bench;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spinzaro::identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(spinzaro::identity::version));

    const int calls = argc > 1 ? std::atoi(argv[1]) : 200;
    // The event loop runs between calls, as it would between a player's presses.
    const int pauseMs = argc > 2 ? std::atoi(argv[2]) : 20;

    spinzaro::Form1 window(std::make_unique<LosingDraws>());
    // The path the game builds for its Spin cue.
    const std::string path = spinzaro::cuePath(window.applicationFolder(), "\\Spin.wav");
    const auto wave = spinzaro::readWave(QString::fromStdString(path));
    if (!wave) {
        std::fprintf(stderr, "cue_cost: no playable Spin.wav beside the executable\n");
        return 1;
    }

    std::vector<double> callUs;
    int playing = 0;
    for (int call = 0; call < calls; ++call) {
        const std::int64_t start = monotonicNs();
        window.playWave(path);
        callUs.push_back(static_cast<double>(monotonicNs() - start) / 1e3);
        if (window.wavePlayer().isPlaying())
            ++playing;
        QEventLoop pause;
        QTimer::singleShot(pauseMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
    window.wavePlayer().stop();

    // The two parts of a call that run before any sound is handed over.
    std::vector<double> readUs;
    std::vector<double> deviceUs;
    for (int call = 0; call < calls; ++call) {
        std::int64_t start = monotonicNs();
        const auto again = spinzaro::readWave(QString::fromStdString(path));
        readUs.push_back(static_cast<double>(monotonicNs() - start) / 1e3);
        start = monotonicNs();
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        deviceUs.push_back(static_cast<double>(monotonicNs() - start) / 1e3);
        if (!again || (!output.isNull() && output.description().isEmpty()))
            return 1;
    }

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    report("audio_device", device.isNull() ? std::string("none") : device.description().toStdString());
    report("wave_ms",
           static_cast<double>(wave->format.durationForBytes(static_cast<qint32>(wave->samples.size()))) / 1e3);
    report("cue_calls", static_cast<double>(callUs.size()));
    report("cue_playing_after_call", static_cast<double>(playing));
    report("cue_first_us", callUs.front());
    report("cue_median_us", median(callUs));
    report("cue_p99_us", percentile(callUs, 99));
    report("cue_max_us", percentile(callUs, 100));
    const std::vector<double> warm(callUs.begin() + 1, callUs.end());
    report("cue_warm_max_us", percentile(warm, 100));
    report("read_wave_median_us", median(readUs));
    report("default_device_median_us", median(deviceUs));
    return 0;
}
