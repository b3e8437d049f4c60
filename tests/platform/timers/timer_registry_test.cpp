#include "platform/timers/timer_registry.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {
// The real timers on QTimer: ids are never 0 and never reused while running, a timer
// repeats until killed, and it may kill itself from its own callback.
TEST(TimerRegistry, RealTimersRepeatUntilKilled) {
    TimerService& timers = Timers();
    int ticks = 0;
    const TimerId a = timers.SetTimer(5, [&] { ++ticks; });
    const TimerId b = timers.SetTimer(1000000, [] {});
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
    EXPECT_TRUE(timers.KillTimer(a));
    EXPECT_FALSE(timers.IsTimerRunning(a));
    const int after = ticks;
    QTest::qWait(30);
    EXPECT_EQ(ticks, after);
    EXPECT_FALSE(timers.KillTimer(a));

    TimerId self = 0;
    int selfTicks = 0;
    self = timers.SetTimer(1, [&] {
        ++selfTicks;
        timers.KillTimer(self);
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return selfTicks == 1; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(selfTicks, 1);

    TimerId held = b;
    KillTimerId(held);
    EXPECT_EQ(held, 0u);
    EXPECT_FALSE(timers.IsTimerRunning(b));
    KillTimerId(held); // 0 stays 0, nothing killed
    EXPECT_EQ(timers.SetTimer(-1, [] {}), 0u);
}
} // namespace
