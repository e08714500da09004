#include "controls/xpgauge.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <vector>

#include "pixels.h"

namespace {

const QColor Bar(46, 211, 49);
const QColor Back(255, 255, 255);

QColor Lightened(int amount) {
    return QColor(std::min(255, Bar.red() + amount), std::min(255, Bar.green() + amount),
                  std::min(255, Bar.blue() + amount));
}

struct GaugeTest : ::testing::Test {
    GaugeTest() {
        gauge.resize(262, 13);
        gauge.SetColor(Back);
        gauge.SetBarColor(std::uint32_t{3265326});
        gauge.SetBorderColor(std::uint32_t{3947580});
        gauge.SetProcessEvents([this] { ++processed; });
    }
    TXPGauge gauge;
    int processed = 0;
};

}  // namespace

TEST_F(GaugeTest, BlockGaugeOf262By13HasThirtyTwoStepsAndHalfFillsSixteen) {
    EXPECT_EQ(gauge.BarColor(), Bar);
    EXPECT_EQ(gauge.TotalStep(), 32);
    gauge.SetProgress(50);
    EXPECT_EQ(gauge.FilledSteps(), 16);
    const QImage image = Render(gauge);
    const int mid = 6;
    // Sixteen blocks of 8 pixels from x = 3: the bar ends at 16 * 8 + 3.
    EXPECT_TRUE(SameRgb(image.pixel(128, mid), Bar));
    EXPECT_TRUE(SameRgb(image.pixel(131, mid), Back));
    // Two-pixel gaps after each block.
    EXPECT_TRUE(SameRgb(image.pixel(8, mid), Bar));
    EXPECT_TRUE(SameRgb(image.pixel(9, mid), Back));
    EXPECT_TRUE(SameRgb(image.pixel(10, mid), Back));
    EXPECT_TRUE(SameRgb(image.pixel(11, mid), Bar));
}

TEST_F(GaugeTest, ProgressRepaintsAndLetsEventsRunOnlyWhenAStepFills) {
    gauge.SetProgress(2);
    EXPECT_EQ(gauge.FilledSteps(), 0);
    EXPECT_EQ(processed, 0);
    gauge.SetProgress(4);
    EXPECT_EQ(gauge.FilledSteps(), 1);
    EXPECT_EQ(processed, 1);
    gauge.SetProgress(4);
    EXPECT_EQ(processed, 1);
}

TEST_F(GaugeTest, ProgressAboveMaximumIsIgnored) {
    gauge.SetProgress(40);
    gauge.SetProgress(101);
    EXPECT_EQ(gauge.Progress(), 40u);
    EXPECT_EQ(gauge.FilledSteps(), 12);
}

TEST_F(GaugeTest, MaximumZeroIsRefused) {
    gauge.SetMaxValue(0);
    EXPECT_EQ(gauge.MaxValue(), 100u);
    gauge.SetMaxValue(32);
    gauge.SetProgress(8);
    EXPECT_EQ(gauge.FilledSteps(), 8);
}

TEST_F(GaugeTest, HugeValuesDoNotOverflowTheStepArithmetic) {
    const std::uint64_t max = std::uint64_t{1} << 62;
    gauge.SetMaxValue(max);
    gauge.SetProgress(max / 2);
    EXPECT_EQ(gauge.FilledSteps(), 16);
}

TEST_F(GaugeTest, GlossHasTwoLinesEachSideForABarSevenHigh) {
    gauge.SetProgress(100);
    const QImage image = Render(gauge);
    const int x = 5;
    EXPECT_TRUE(SameRgb(image.pixel(x, 3), Lightened(60)));
    EXPECT_TRUE(SameRgb(image.pixel(x, 4), Lightened(30)));
    EXPECT_TRUE(SameRgb(image.pixel(x, 5), Bar));
    EXPECT_TRUE(SameRgb(image.pixel(x, 8), Lightened(30)));
    EXPECT_TRUE(SameRgb(image.pixel(x, 9), Lightened(60)));
    // A full block bar reaches width - 3, less the gap after its last block.
    EXPECT_TRUE(SameRgb(image.pixel(256, 6), Bar));
    EXPECT_TRUE(SameRgb(image.pixel(257, 6), Back));
}

TEST_F(GaugeTest, GlossHasOneLineEachSideForABarThreeHigh) {
    gauge.resize(100, 9);
    gauge.SetProgress(100);
    const QImage image = Render(gauge);
    EXPECT_TRUE(SameRgb(image.pixel(3, 3), Lightened(30)));
    EXPECT_TRUE(SameRgb(image.pixel(3, 4), Bar));
    EXPECT_TRUE(SameRgb(image.pixel(3, 5), Lightened(30)));
}

TEST_F(GaugeTest, FrameAndInnerShadow) {
    const QImage image = Render(gauge);
    EXPECT_TRUE(SameRgb(image.pixel(100, 0), QColor(60, 60, 60)));
    EXPECT_TRUE(SameRgb(image.pixel(100, 1), QColor(195, 195, 195)));
    EXPECT_TRUE(SameRgb(image.pixel(1, 6), QColor(195, 195, 195)));
    EXPECT_TRUE(SameRgb(image.pixel(100, 6), Back));
    gauge.SetInnerShadow(false);
    EXPECT_TRUE(SameRgb(Render(gauge).pixel(100, 1), Back));
}

TEST_F(GaugeTest, SmoothBarFollowsTotalStep) {
    gauge.SetSmooth(true);
    gauge.SetTotalStep(256);
    EXPECT_EQ(gauge.TotalStep(), 256);
    gauge.SetTotalStep(257);
    EXPECT_EQ(gauge.TotalStep(), 256);
    gauge.SetProgress(25);
    EXPECT_EQ(gauge.FilledSteps(), 64);
    const QImage image = Render(gauge);
    EXPECT_TRUE(SameRgb(image.pixel(66, 6), Bar));
    EXPECT_TRUE(SameRgb(image.pixel(67, 6), Back));
}

TEST_F(GaugeTest, EstimateArrivesOnTheUserInterfaceThread) {
    std::atomic<std::uint64_t> now{1000};
    gauge.SetClock([&] { return now.load(); });
    gauge.SetEstimateInterval(10);
    gauge.SetMaxValue(1000);
    bool onUiThread = false;
    gauge.OnRemainSeconds = [&](TXPGauge&) {
        onUiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
    };
    gauge.Start();
    EXPECT_EQ(gauge.Progress(), 0u);
    gauge.SetProgress(100);
    now = 2000;
    // 100 units in one second leave 900 units: nine seconds.
    ASSERT_TRUE(QTest::qWaitFor([&] { return gauge.RemainSeconds() == 9; }, 5000));
    EXPECT_TRUE(onUiThread);
    gauge.Stop();
    EXPECT_EQ(gauge.RemainSeconds(), -1);
    EXPECT_FALSE(gauge.Estimating());
}

TEST_F(GaugeTest, PausedEstimateTakesNoSamples) {
    std::atomic<std::uint64_t> now{1000};
    gauge.SetClock([&] { return now.load(); });
    gauge.SetEstimateInterval(10);
    gauge.Start();
    gauge.Pause();
    gauge.SetProgress(50);
    now = 2000;
    QTest::qWait(60);
    EXPECT_EQ(gauge.RemainSeconds(), -1);
    gauge.Restart();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gauge.RemainSeconds() == 1; }, 5000));
}

TEST_F(GaugeTest, EstimateOfTwoSecondsOrLessEndsTheSampling) {
    std::atomic<std::uint64_t> now{1000};
    gauge.SetClock([&] { return now.load(); });
    gauge.SetEstimateInterval(10);
    QSignalSpy spy(&gauge, &TXPGauge::remainSecondsChanged);
    gauge.Start();
    gauge.SetProgress(80);
    now = 2000;
    ASSERT_TRUE(QTest::qWaitFor([&] { return gauge.RemainSeconds() == 0; }, 5000));
    const auto raised = spy.count();
    gauge.SetProgress(90);
    now = 9000;
    QTest::qWait(60);
    EXPECT_EQ(spy.count(), raised);
    EXPECT_EQ(gauge.RemainSeconds(), 0);
}

TEST_F(GaugeTest, ReachingTheMaximumFreesTheEstimateTimer) {
    gauge.SetEstimateInterval(10);
    gauge.Start();
    EXPECT_TRUE(gauge.Estimating());
    gauge.SetProgress(100);
    EXPECT_FALSE(gauge.Estimating());
}

TEST_F(GaugeTest, ANewRunRepaintsTheBarOfTheLastRunAtItsFirstChange) {
    gauge.SetProgress(100);
    const int afterFirstRun = processed;
    gauge.Start();
    EXPECT_EQ(gauge.Progress(), 0u);
    gauge.SetProgress(1);
    EXPECT_EQ(gauge.FilledSteps(), 0);
    EXPECT_EQ(processed, afterFirstRun + 1);
    gauge.Stop();
}

TEST_F(GaugeTest, HandlerMayStopTheEstimateFromInsideTheTick) {
    std::atomic<std::uint64_t> now{1000};
    gauge.SetClock([&] { return now.load(); });
    gauge.SetEstimateInterval(10);
    gauge.SetMaxValue(1000);
    std::vector<int> seen;
    gauge.OnRemainSeconds = [&](TXPGauge& sender) {
        seen.push_back(sender.RemainSeconds());
        if (sender.RemainSeconds() >= 0) {
            sender.Stop();
        }
    };
    gauge.Start();
    gauge.SetProgress(500);
    now = 2000;
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 2; }, 5000));
    QTest::qWait(30);
    EXPECT_EQ(seen, (std::vector<int>{1, -1}));
    EXPECT_FALSE(gauge.Estimating());
}

// The progress windows close (and delete) the gauge from inside its own notifications; the
// gauge must not be read again after that (AddressSanitizer checks).
TEST(TXPGaugeTeardown, NotificationsMayDeleteTheGauge) {
    enum class Via { Handler, Signal, ProcessEvents };
    const struct {
        Via via;
        std::uint64_t progress;  // progress set after Start
        const char* what;
    } cases[] = {
        {Via::Handler, 50, "OnRemainSeconds with time left"},
        {Via::Handler, 999, "OnRemainSeconds at the end of the sampling"},
        {Via::Signal, 50, "remainSecondsChanged"},
        {Via::ProcessEvents, 1000, "events let run by a full bar"},
    };
    for (const auto& c : cases) {
        std::atomic<std::uint64_t> now{1000};
        auto* gauge = new TXPGauge;
        const QPointer<TXPGauge> alive(gauge);
        int deletions = 0;
        auto remove = [&deletions](TXPGauge& sender) {
            delete &sender;
            ++deletions;
        };
        gauge->resize(262, 13);
        gauge->SetClock([&] { return now.load(); });
        gauge->SetEstimateInterval(10);
        gauge->SetMaxValue(1000);
        gauge->SetProcessEvents([] {});
        if (c.via == Via::Handler) {
            gauge->OnRemainSeconds = remove;
        } else if (c.via == Via::Signal) {
            QObject::connect(gauge, &TXPGauge::remainSecondsChanged, gauge,
                             [&remove, gauge] { remove(*gauge); });
        } else {
            gauge->SetProcessEvents([&remove, gauge] { remove(*gauge); });
        }
        gauge->Start();
        gauge->SetProgress(c.progress);
        now = 2000;
        ASSERT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 5000)) << c.what;
        // The timer that ran the tick goes later; no tick of it may come back.
        QTest::qWait(40);
        EXPECT_EQ(deletions, 1) << c.what;
    }
}
