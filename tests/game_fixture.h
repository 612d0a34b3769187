// A loaded machine on the recording window, with helpers to play rounds.
#pragma once

#include "fake_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace spinzaro::testkit {

using ::testing::ElementsAre;

// The pay area between rounds, and from each Spin press until a win.
inline constexpr const char* payTableShown =
    "imgMenu lbAmount_0 lbAmount_1 lbAmount_2 lbAmount_3 lbAmount_4 lbAmount_5 lbAmount_6 lbAmount_7";

class GameTest : public ::testing::Test {
protected:
    GameTest()
    {
        window.connect(machine);
        machine.Form_Load();
        loadLog = window.takeLog();
    }

    // Scripts the draws of one round with ticks on time so the reels come to
    // rest on the given symbols. In order the round draws: left at 50 ms; left,
    // left, middle at 100 ms; left, left, middle, middle, right at 150 ms.
    void scriptLanding(Symbol left, Symbol middle, Symbol right)
    {
        random.script({drawFor(left), drawFor(left), drawFor(left), drawFor(middle), drawFor(left), drawFor(left),
                       drawFor(middle), drawFor(middle), drawFor(right)});
    }

    // Presses Spin and lets the reels run until the evaluation has run; the
    // pause of a win is left running.
    void spinTo(Symbol left, Symbol middle, Symbol right)
    {
        scriptLanding(left, middle, right);
        machine.cmdSpin_Click();
        while (window.enabled(Timer::Timer1))
            window.deliverNextTick();
    }

    FakeWindow window;
    ScriptedRandom random;
    SlotMachine machine{window, random};
    std::vector<std::string> loadLog;  // what loading the window did
};

}  // namespace spinzaro::testkit
