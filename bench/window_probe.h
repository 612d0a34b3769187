// Notes when a window's first frame is painted and what it then costs to sit idle.
#pragma once

#include "measure.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>

namespace spinzaro::bench {

// "startup": exit right after the first frame. "idle SECONDS": then sit idle
// for that long with the window shown and report the CPU time used.
struct ProbeMode {
    bool idle = false;
    int idleSeconds = 10;
};

inline ProbeMode probeMode(int argc, char* argv[])
{
    ProbeMode mode;
    if (argc > 1 && std::string(argv[1]) == "idle") {
        mode.idle = true;
        if (argc > 2)
            mode.idleSeconds = std::atoi(argv[2]);
    }
    return mode;
}

class FirstFrameProbe : public QObject {
public:
    // mainMs: when main() was entered. The probe is made just before the
    // window is shown, so the start-up can be split into loading, building
    // the window and painting it.
    FirstFrameProbe(QWidget* canvas, ProbeMode mode, double mainMs)
        : canvas_(canvas), mode_(mode), mainMs_(mainMs), builtMs_(msSinceProcessStart())
    {
        canvas_->installEventFilter(this);
    }

    ~FirstFrameProbe() override
    {
        if (idler_.joinable())
            idler_.join();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == canvas_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            firstPaintMs_ = msSinceProcessStart();
            // Handled once the event loop is back, i.e. after the whole
            // window has been painted and flushed to the platform; ahead of
            // whatever the window itself left for after its first frame.
            QCoreApplication::postEvent(this, new QEvent(frameDoneEvent), Qt::HighEventPriority);
        }
        return false;
    }

    void customEvent(QEvent* event) override
    {
        if (event->type() == frameDoneEvent)
            frameDone();
    }

private:
    static constexpr auto frameDoneEvent = QEvent::Type(QEvent::User + 1);

    void frameDone()
    {
        const double frameMs = msSinceProcessStart();
        const long peakKb = statusField("VmHWM").value_or(-1);
        report("platform", QApplication::platformName().toStdString());
        report("client_size", std::to_string(canvas_->width()) + "x" + std::to_string(canvas_->height()));
        report("main_ms", mainMs_);
        report("built_ms", builtMs_);
        report("first_paint_ms", firstPaintMs_);
        report("first_frame_ms", frameMs);
        report("vmhwm_kb", static_cast<double>(peakKb));
        report("shared_libraries", static_cast<double>(sharedLibraries()));
        if (!mode_.idle) {
            QApplication::quit();
            return;
        }
        // A thread of its own keeps the time, so the window's event loop has
        // no timer of ours to wake up for.
        idler_ = std::thread([this] {
            const std::string mainThread = "/proc/self/task/" + std::to_string(getpid()) + "/status";
            std::this_thread::sleep_for(std::chrono::seconds(1));  // let the window settle
            const double cpuBefore = cpuMs();
            const long wakeupsBefore = statusField("voluntary_ctxt_switches", mainThread).value_or(0);
            const std::int64_t start = monotonicNs();
            std::this_thread::sleep_for(std::chrono::seconds(mode_.idleSeconds));
            const double cpuAfter = cpuMs();
            const long wakeupsAfter = statusField("voluntary_ctxt_switches", mainThread).value_or(0);
            report("idle_seconds", toMs(monotonicNs() - start) / 1e3);
            report("idle_cpu_ms", cpuAfter - cpuBefore);
            report("idle_wakeups", static_cast<double>(wakeupsAfter - wakeupsBefore));
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        });
    }

    // Distinct shared objects mapped into the process.
    static std::size_t sharedLibraries()
    {
        std::ifstream maps("/proc/self/maps");
        std::set<std::string> libraries;
        for (std::string line; std::getline(maps, line);) {
            const auto path = line.find('/');
            if (path != std::string::npos && line.find(".so", path) != std::string::npos)
                libraries.insert(line.substr(path));
        }
        return libraries.size();
    }

    QWidget* canvas_;
    ProbeMode mode_;
    double mainMs_;
    double builtMs_;
    bool painted_ = false;
    double firstPaintMs_ = 0;
    std::thread idler_;
};

}  // namespace spinzaro::bench
