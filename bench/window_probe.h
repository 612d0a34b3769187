// Notes when a window's first frame is painted, and the memory it took to get there.
#pragma once

#include "measure.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace spinzaro::bench {

class FirstFrameProbe : public QObject {
public:
    // mainMs: when main() was entered. The probe is made just before the
    // window is shown, so the start-up can be split into loading, building
    // the window and painting it.
    FirstFrameProbe(QWidget* canvas, double mainMs) : canvas_(canvas), mainMs_(mainMs), builtMs_(msSinceProcessStart())
    {
        canvas_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == canvas_ && event->type() == QEvent::Paint && firstPaintMs_ == 0) {
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
        if (event->type() != frameDoneEvent)
            return;
        report("first_frame_ms", msSinceProcessStart());
        report("platform", QApplication::platformName().toStdString());
        report("main_ms", mainMs_);
        report("built_ms", builtMs_);
        report("first_paint_ms", firstPaintMs_);
        report("vmhwm_kb", peakResidentKb());
        QApplication::quit();
    }

private:
    static constexpr auto frameDoneEvent = QEvent::Type(QEvent::User + 1);

    QWidget* canvas_;
    double mainMs_;
    double builtMs_;
    double firstPaintMs_ = 0;
};

}  // namespace spinzaro::bench
