// Times whole rounds of the real window, Spin press to the end of the evaluation, through its real timers.
#include "form1.h"
#include "losing_draws.h"
#include "measure.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using spinzaro::Label;
using spinzaro::bench::monotonicNs;

constexpr double chainMs = 3 * spinzaro::timerIntervalMs(spinzaro::Timer::Timer1);
constexpr int warmUpRounds = 5;
// Between rounds, so each press finds the previous round painted and settled.
constexpr int pauseBetweenRoundsMs = 10;

// The real window's controls; the evaluation's last act is the balance
// caption, so its arrival marks the end of the round.
class TimedControls : public spinzaro::WindowControls {
public:
    void setCaption(Label label, std::string_view text) override
    {
        if (label == Label::lbAhead && evaluated)
            evaluated(monotonicNs());
        WindowControls::setCaption(label, text);
    }

    std::function<void(std::int64_t)> evaluated;
};

class RoundDriver {
public:
    RoundDriver(QPushButton* spin, TimedControls& controls, int rounds) : spin_(spin), rounds_(rounds)
    {
        controls.evaluated = [this](std::int64_t at) { evaluated(at); };
    }

    void press()
    {
        pressed_ = monotonicNs();
        spin_->click();
    }

    void summarise() const
    {
        using namespace spinzaro::bench;
        const double p99 = percentile(roundMs_, 99);
        report("rounds", static_cast<double>(roundMs_.size()));
        report("round_median_ms", median(roundMs_));
        report("round_p99_ms", p99);
        report("round_max_ms", percentile(roundMs_, 100));
        report("round_p99_within_5ms", p99 <= chainMs + 5 ? "yes" : "no");
    }

private:
    void evaluated(std::int64_t at)
    {
        if (++done_ > warmUpRounds)
            roundMs_.push_back(spinzaro::bench::toMs(at - pressed_));
        if (done_ == warmUpRounds + rounds_) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return;
        }
        QTimer::singleShot(pauseBetweenRoundsMs, Qt::PreciseTimer, spin_, [this] { press(); });
    }

    QPushButton* spin_;
    int rounds_;
    int done_ = 0;
    std::int64_t pressed_ = 0;
    std::vector<double> roundMs_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;

    auto timed = std::make_unique<TimedControls>();
    TimedControls& controls = *timed;
    spinzaro::Form1 window(std::make_unique<spinzaro::bench::LosingDraws>(), std::move(timed));
    auto* spin = window.findChild<QPushButton*>(QStringLiteral("cmdSpin"));
    if (spin == nullptr) {
        std::fprintf(stderr, "reel_timing: no cmdSpin button\n");
        return 1;
    }
    RoundDriver driver(spin, controls, rounds);
    spinzaro::bench::report("platform", QApplication::platformName().toStdString());
    window.show();
    // Half a second for the window to be shown and painted before the first press.
    QTimer::singleShot(500, &window, [&driver] { driver.press(); });
    const int status = QApplication::exec();
    driver.summarise();
    return status;
}
