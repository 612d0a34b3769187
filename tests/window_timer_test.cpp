// The window's interval timer: the rules the reel animation relies on.
#include "window_timer.h"

#include <QTest>

#include <gtest/gtest.h>

namespace spinzaro {
namespace {

TEST(WindowTimerTest, EnablingARunningTimerKeepsItsScheduleAndDisablingStopsIt)
{
    // Long enough never to fire here, however slow the machine.
    WindowTimer timer(nullptr, 100'000);
    timer.setEnabled(true);
    const int firstDue = timer.remainingTime();
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer.remainingTime() < firstDue - 20; }));
    timer.setEnabled(true);
    // Restarted, it would be due a whole interval from now again.
    EXPECT_LT(timer.remainingTime(), firstDue - 20);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isActive());
}

}  // namespace
}  // namespace spinzaro
