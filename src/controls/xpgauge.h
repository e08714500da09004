#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class TThreadTimer;

// The flat progress gauge: a rounded frame, an inner shadow and a glossy bar drawn as blocks
// with 2-pixel gaps (or smooth), plus a remaining-time estimate sampled by a thread timer.
// The estimate's tick is delivered on the user-interface thread, where the progress is set.
class TXPGauge : public QWidget {
    Q_OBJECT

public:
    static constexpr int DefaultEstimateInterval = 3000;

    explicit TXPGauge(QWidget* parent = nullptr);
    ~TXPGauge() override;

    std::uint64_t Progress() const { return progress_; }
    void SetProgress(std::uint64_t value);
    std::uint64_t MaxValue() const { return maxValue_; }
    void SetMaxValue(std::uint64_t value);
    // In block mode the steps follow the size: (width - 6) / (height - 5).
    int TotalStep() const;
    void SetTotalStep(int value);
    int FilledSteps() const { return filled_; }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value);

    QColor BarColor() const { return barColor_; }
    void SetBarColor(const QColor& color);
    void SetBarColor(std::uint32_t colorRef);
    QColor BorderColor() const { return borderColor_; }
    void SetBorderColor(const QColor& color);
    void SetBorderColor(std::uint32_t colorRef);
    bool InnerShadow() const { return innerShadow_; }
    void SetInnerShadow(bool value);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    void SetColor(std::uint32_t colorRef);

    // Seconds left by the estimate, -1 when there is none.
    int RemainSeconds() const { return remainSeconds_; }
    std::function<void(TXPGauge& sender)> OnRemainSeconds;

    void Start();
    void Pause() { paused_ = true; }
    void Restart() { paused_ = false; }
    void Stop();
    bool Estimating() const { return timer_ != nullptr; }

    // Lets pending events run after a visible change of the bar.
    void SetProcessEvents(std::function<void()> processEvents);
    // Time between estimates (ms) for the next Start().
    void SetEstimateInterval(int milliseconds) { estimateInterval_ = milliseconds; }
    // Milliseconds of a monotonic clock; replaceable so the estimate can be checked.
    void SetClock(std::function<std::uint64_t()> clock);

    QSize sizeHint() const override { return {100, 20}; }

signals:
    void remainSecondsChanged(int seconds);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Tick();
    void FreeTimer();
    void ComputeBlockSteps();
    int BlockSteps() const;
    bool UpdateFilled();
    bool SetRemainSeconds(int value);
    void PaintBar(class QPainter& painter, int right) const;

    std::uint64_t progress_ = 0;
    std::uint64_t maxValue_ = 100;
    int totalStep_ = 1;
    int filled_ = 0;
    bool smooth_ = false;
    QColor barColor_;
    QColor borderColor_;
    bool innerShadow_ = true;
    QColor color_;
    int remainSeconds_ = -1;
    std::unique_ptr<TThreadTimer> timer_;
    std::uint64_t lastTime_ = 0;
    std::uint64_t lastProgress_ = 0;
    bool paused_ = false;
    bool inTick_ = false;
    int estimateInterval_ = DefaultEstimateInterval;
    std::function<void()> processEvents_;
    std::function<std::uint64_t()> clock_;
};
