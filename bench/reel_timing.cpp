// Times whole rounds of the real window, Spin press to the end of the evaluation, through its real timers.
#include "fake_window.h"
#include "form1.h"
#include "measure.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace spinzaro::bench;

constexpr double chainMs = 3 * spinzaro::timerIntervalMs(spinzaro::Timer::Timer1);
constexpr int warmUpRounds = 5;
// Between rounds, so each press finds the previous round painted and settled.
constexpr int pauseBetweenRoundsMs = 10;

// The real window's controls; the evaluation's last act is the balance
// caption, so its arrival marks the end of the round.
class TimedControls : public spinzaro::QtWindowOperations {
public:
    void setCaption(spinzaro::Label label, std::string_view text) override
    {
        if (label == spinzaro::Label::lbAhead && evaluated)
            evaluated();
        QtWindowOperations::setCaption(label, text);
    }

    std::function<void()> evaluated;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;

    auto timed = std::make_unique<TimedControls>();
    TimedControls& controls = *timed;
    // Every reel stops on the emblem, which never pays: no round starts the pause that follows a win.
    using spinzaro::testkit::ScriptedRandom;
    auto losingDraws =
        std::make_unique<ScriptedRandom>(std::vector{spinzaro::testkit::drawFor(spinzaro::Symbol::emblem)});
    spinzaro::Form1 window(std::move(losingDraws), std::move(timed));
    auto* spin = window.findChild<QPushButton*>(QStringLiteral("cmdSpin"));
    if (spin == nullptr) {
        std::fprintf(stderr, "reel_timing: no cmdSpin button\n");
        return 1;
    }
    double pressedMs = 0;
    const auto press = [&] {
        pressedMs = monotonicMs();
        spin->click();
    };
    std::vector<double> roundMs;
    int done = 0;
    controls.evaluated = [&] {
        if (++done > warmUpRounds)
            roundMs.push_back(monotonicMs() - pressedMs);
        if (done == warmUpRounds + rounds)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        else
            QTimer::singleShot(pauseBetweenRoundsMs, Qt::PreciseTimer, spin, press);
    };
    report("platform", QApplication::platformName().toStdString());
    window.show();
    // Half a second for the window to be shown and painted before the first press.
    QTimer::singleShot(500, &window, press);
    const int status = QApplication::exec();

    const double p99 = percentile(roundMs, 99);
    report("rounds", static_cast<double>(roundMs.size()));
    report("round_median_ms", percentile(roundMs, 50));
    report("round_p99_ms", p99);
    report("round_max_ms", percentile(roundMs, 100));
    report("round_p99_within_5ms", p99 <= chainMs + 5 ? "yes" : "no");
    return status;
}
