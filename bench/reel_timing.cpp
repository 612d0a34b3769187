// Times whole rounds of the real window, Spin press to the end of the evaluation, through its real timers.
#include "form1.h"
#include "identity.h"
#include "losing_draws.h"
#include "measure.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using spinzaro::Label;
using spinzaro::Timer;
using spinzaro::bench::monotonicNs;
using spinzaro::bench::toMs;

constexpr std::size_t chainLength = 3;  // Timer1, Timer2, Timer3
constexpr double periodMs = spinzaro::timerIntervalMs(Timer::Timer1);
constexpr double chainMs = chainLength * periodMs;
constexpr int warmUpRounds = 5;
// Between rounds, so each press finds the previous round painted and settled.
constexpr int pauseBetweenRoundsMs = 10;

// When, within one round, each timer of the chain was first started and first
// fired; zero until it happens.
struct RoundMarks {
    std::int64_t pressed = 0;
    std::array<std::int64_t, chainLength> started{};
    std::array<std::int64_t, chainLength> fired{};
};

// The real window's controls; the evaluation's last act is the balance
// caption, so its arrival marks the end of the round. The timers' starts are
// noted on the way through the window's own operation.
class TimedControls : public spinzaro::WindowControls {
public:
    explicit TimedControls(RoundMarks& marks) : marks_(marks) {}

    void setEnabled(Timer timer, bool enabled) override
    {
        const auto index = static_cast<std::size_t>(timer);
        if (enabled && index < chainLength && marks_.started[index] == 0)
            marks_.started[index] = monotonicNs();
        WindowControls::setEnabled(timer, enabled);
    }
    using WindowControls::setEnabled;

    void setCaption(Label label, std::string_view text) override
    {
        if (label == Label::lbAhead && evaluated)
            evaluated(monotonicNs());
        WindowControls::setCaption(label, text);
    }

    std::function<void(std::int64_t)> evaluated;

private:
    RoundMarks& marks_;
};

// Sees a timer's tick before the timer turns it into its timeout signal.
class TickWatch : public QObject {
public:
    TickWatch(RoundMarks& marks, std::size_t index) : marks_(marks), index_(index) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && marks_.fired[index_] == 0)
            marks_.fired[index_] = monotonicNs();
        return false;
    }

private:
    RoundMarks& marks_;
    std::size_t index_;
};

class RoundDriver {
public:
    RoundDriver(spinzaro::Form1& window, TimedControls& controls, RoundMarks& marks, int rounds)
        : window_(window), marks_(marks), rounds_(rounds)
    {
        spin_ = window_.findChild<QPushButton*>(QStringLiteral("cmdSpin"));
        controls.evaluated = [this](std::int64_t at) { evaluated(at); };
        const std::array<const char*, chainLength> names = {"Timer1", "Timer2", "Timer3"};
        for (std::size_t index = 0; index < chainLength; ++index) {
            watches_[index] = std::make_unique<TickWatch>(marks_, index);
            window_.findChild<QTimer*>(QString::fromLatin1(names[index]))->installEventFilter(watches_[index].get());
        }
    }

    QPushButton* spinButton() const { return spin_; }

    void press()
    {
        marks_ = RoundMarks{};
        marks_.pressed = monotonicNs();
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
        report("round_min_ms", percentile(roundMs_, 0));
        report("round_p99_within_5ms", p99 <= chainMs + 5 ? "yes" : "no");
        // Where the time beyond three periods goes.
        report("press_to_timer1_median_ms", median(pressWorkMs_));
        report("press_to_timer1_max_ms", percentile(pressWorkMs_, 100));
        report("tick_late_median_ms", median(tickLateMs_));
        report("tick_late_p99_ms", percentile(tickLateMs_, 99));
        report("tick_late_max_ms", percentile(tickLateMs_, 100));
        report("tick_to_next_start_median_ms", median(handlerMs_));
        report("tick_to_next_start_max_ms", percentile(handlerMs_, 100));
    }

private:
    void evaluated(std::int64_t at)
    {
        ++done_;
        if (done_ > warmUpRounds) {
            roundMs_.push_back(toMs(at - marks_.pressed));
            pressWorkMs_.push_back(toMs(marks_.started[0] - marks_.pressed));
            for (std::size_t index = 0; index < chainLength; ++index) {
                tickLateMs_.push_back(toMs(marks_.fired[index] - marks_.started[index]) - periodMs);
                const std::int64_t next = index + 1 < chainLength ? marks_.started[index + 1] : at;
                handlerMs_.push_back(toMs(next - marks_.fired[index]));
            }
        }
        if (done_ == warmUpRounds + rounds_) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return;
        }
        QTimer::singleShot(pauseBetweenRoundsMs, Qt::PreciseTimer, spin_, [this] { press(); });
    }

    spinzaro::Form1& window_;
    RoundMarks& marks_;
    QPushButton* spin_ = nullptr;
    std::array<std::unique_ptr<TickWatch>, chainLength> watches_;
    int rounds_;
    int done_ = 0;
    std::vector<double> roundMs_;
    std::vector<double> pressWorkMs_;
    std::vector<double> tickLateMs_;
    std::vector<double> handlerMs_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spinzaro::identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(spinzaro::identity::version));

    int rounds = 240;
    bool coarse = false;
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--coarse") == 0)
            coarse = true;
        else
            rounds = std::atoi(argv[index]);
    }

    RoundMarks marks;
    auto timed = std::make_unique<TimedControls>(marks);
    TimedControls& controls = *timed;
    spinzaro::Form1 window(std::make_unique<spinzaro::bench::LosingDraws>(), std::move(timed));
    RoundDriver driver(window, controls, marks, rounds);
    if (driver.spinButton() == nullptr) {
        std::fprintf(stderr, "reel_timing: no cmdSpin button\n");
        return 1;
    }
    // For comparison only: the same chain on Qt's default timer kind.
    if (coarse) {
        for (const char* name : {"Timer1", "Timer2", "Timer3", "tmrWait"})
            window.findChild<QTimer*>(QString::fromLatin1(name))->setTimerType(Qt::CoarseTimer);
    }
    const Qt::TimerType kind = window.findChild<QTimer*>(QStringLiteral("Timer1"))->timerType();
    spinzaro::bench::report("platform", QApplication::platformName().toStdString());
    spinzaro::bench::report("timer_type", kind == Qt::PreciseTimer  ? "precise"
                                          : kind == Qt::CoarseTimer ? "coarse"
                                                                    : "very coarse");
    window.show();
    // Half a second for the window to be shown and painted before the first press.
    QTimer::singleShot(500, &window, [&driver] { driver.press(); });
    const int status = QApplication::exec();
    driver.summarise();
    return status;
}
