#include "controls/threadtimer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

TEST(TThreadTimer, DefaultsToThreeSecondsDisabled) {
    TThreadTimer timer;
    EXPECT_EQ(timer.Interval(), 3000);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.ThreadsStarted(), 0);
}

TEST(TThreadTimer, IntervalBelowTenTicksNoFasterThanEveryTenMilliseconds) {
    std::atomic<int> ticks{0};
    TThreadTimer timer;
    timer.SetInterval(1);
    timer.OnTimer = [&](TThreadTimer&) { ++ticks; };
    timer.SetEnabled(true);
    std::this_thread::sleep_for(200ms);
    timer.SetEnabled(false);
    // At most one tick per 10 ms (20 in 200 ms, a little slack for the stop).
    EXPECT_GE(ticks.load(), 2);
    EXPECT_LE(ticks.load(), 22);
}

TEST(TThreadTimer, DisableAndDestroyLeavesNoTickBehind) {
    std::atomic<int> ticks{0};
    auto timer = std::make_unique<TThreadTimer>();
    timer->SetInterval(10);
    timer->OnTimer = [&](TThreadTimer&) { ++ticks; };
    timer->SetEnabled(true);
    std::this_thread::sleep_for(50ms);
    timer->SetEnabled(false);
    timer.reset();
    const int seen = ticks.load();
    EXPECT_GE(seen, 1);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(ticks.load(), seen);
}

TEST(TThreadTimer, QueuedTicksOfADestroyedTimerAreDropped) {
    int ticks = 0;
    auto timer = std::make_unique<TThreadTimer>();
    timer->SetDeliverOnUiThread(true);
    timer->SetInterval(10);
    timer->OnTimer = [&](TThreadTimer&) { ++ticks; };
    timer->SetEnabled(true);
    // Ticks pile up in the queue while the user-interface thread is busy.
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(ticks, 0);
    timer->SetEnabled(false);
    timer.reset();
    QCoreApplication::processEvents();
    QTest::qWait(30);
    EXPECT_EQ(ticks, 0);
}

TEST(TThreadTimer, TimerDestroyedByItsOwnWorkerTickIsNotTouchedAgain) {
    std::atomic<int> ticks{0};
    auto* timer = new TThreadTimer;
    timer->SetInterval(10);
    timer->OnTimer = [&ticks](TThreadTimer& sender) {
        ++ticks;
        delete &sender;
    };
    timer->SetEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.load() >= 1; }, 5000));
    // The worker leaves its loop without reading the freed timer (AddressSanitizer checks).
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(ticks.load(), 1);
}

// A worker tick that turns its own timer off while the user-interface thread destroys the
// timer: the two meet on the timer's state (ThreadSanitizer and AddressSanitizer check).
TEST(TThreadTimer, TickTurningItsTimerOffMeetsTheTimersDestruction) {
    constexpr int kRounds = 200;
    std::atomic<int> ticks{0};
    for (int round = 0; round < kRounds; ++round) {
        std::atomic<bool> ticking{false};
        auto timer = std::make_unique<TThreadTimer>();
        timer->SetInterval(TThreadTimer::MinInterval);
        timer->OnTimer = [&](TThreadTimer& sender) {
            ticking = true;
            ++ticks;
            sender.SetEnabled(false);
        };
        timer->SetEnabled(true);
        while (!ticking.load()) {
            std::this_thread::yield();
        }
        timer.reset();
    }
    // Each timer turned itself off at its first tick, and none ticked after its destruction.
    EXPECT_EQ(ticks.load(), kRounds);
}

TEST(TThreadTimer, TickMayRestartItsOwnTimer) {
    std::atomic<int> ticks{0};
    TThreadTimer timer;
    timer.SetInterval(TThreadTimer::MinInterval);
    timer.OnTimer = [&](TThreadTimer& sender) {
        if (++ticks < 3) {
            sender.SetEnabled(false);
            sender.SetEnabled(true);
        } else {
            sender.SetEnabled(false);
        }
    };
    timer.SetEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.load() >= 3; }, 5000));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(ticks.load(), 3);
    EXPECT_EQ(timer.ThreadsStarted(), 3);
    EXPECT_FALSE(timer.Enabled());
}

TEST(TThreadTimer, EnablingTwiceStartsOneThread) {
    TThreadTimer timer;
    timer.SetInterval(10);
    timer.SetEnabled(true);
    timer.SetEnabled(true);
    EXPECT_EQ(timer.ThreadsStarted(), 1);
    EXPECT_TRUE(timer.Enabled());
}

TEST(TThreadTimer, QuickDisableAndEnableDoesNotLeaveTwoWorkersTicking) {
    std::atomic<int> ticks{0};
    TThreadTimer timer;
    timer.SetInterval(50);
    timer.OnTimer = [&](TThreadTimer&) { ++ticks; };
    timer.SetEnabled(true);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    EXPECT_EQ(timer.ThreadsStarted(), 2);
    std::this_thread::sleep_for(275ms);
    timer.SetEnabled(false);
    // One worker gives five ticks in 275 ms; two would give about ten.
    EXPECT_LE(ticks.load(), 6);
}

TEST(TThreadTimer, UserInterfaceDeliveryRunsOnTheTimersThread) {
    TThreadTimer timer;
    timer.SetDeliverOnUiThread(true);
    timer.SetInterval(10);
    QThread* tickThread = nullptr;
    int ticks = 0;
    QObject::connect(&timer, &TThreadTimer::timer, [&] {
        tickThread = QThread::currentThread();
        ++ticks;
    });
    timer.SetEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000));
    timer.SetEnabled(false);
    EXPECT_EQ(tickThread, QCoreApplication::instance()->thread());
    const int seen = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, seen);
}

TEST(TThreadTimer, WorkerTicksWithoutTheUserInterfaceThread) {
    std::atomic<bool> otherThread{false};
    TThreadTimer timer;
    timer.SetInterval(10);
    const auto uiThread = std::this_thread::get_id();
    timer.OnTimer = [&](TThreadTimer&) { otherThread = std::this_thread::get_id() != uiThread; };
    timer.SetEnabled(true);
    std::this_thread::sleep_for(50ms);
    timer.SetEnabled(false);
    EXPECT_TRUE(otherThread.load());
}
