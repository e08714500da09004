#include "controls/xpgauge.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <chrono>
#include <cstdlib>
#include <limits>

#include "controls/threadtimer.h"
#include "platform/colorref.h"

namespace {

constexpr int Border = 3;

std::uint64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

QColor Lighten(const QColor& color, int amount) {
    return QColor(std::min(255, color.red() + amount), std::min(255, color.green() + amount),
                  std::min(255, color.blue() + amount));
}

}  // namespace

TXPGauge::TXPGauge(QWidget* parent)
    : QWidget(parent),
      barColor_(46, 211, 49),
      borderColor_(60, 60, 60),
      color_(palette().color(QPalette::Base)),
      processEvents_([] { QCoreApplication::processEvents(); }),
      clock_(SteadyMilliseconds) {
    setMinimumHeight(6);
    resize(100, 20);
    ComputeBlockSteps();
}

// A handler that deletes the gauge from inside a tick must not delete the timer running it.
TXPGauge::~TXPGauge() {
    FreeTimer();
}

void TXPGauge::SetProcessEvents(std::function<void()> processEvents) {
    processEvents_ = std::move(processEvents);
}

void TXPGauge::SetClock(std::function<std::uint64_t()> clock) {
    clock_ = std::move(clock);
}

int TXPGauge::BlockSteps() const {
    return std::max(0, (width() - 6) / (std::max(height(), 6) - 5));
}

int TXPGauge::TotalStep() const {
    return smooth_ ? totalStep_ : BlockSteps();
}

void TXPGauge::ComputeBlockSteps() {
    if (!smooth_) {
        totalStep_ = BlockSteps();
    }
}

// Filled steps = Progress × TotalStep / MaxValue, kept within the bar. The product is formed
// in floating point only when it would not fit in 64 bits.
bool TXPGauge::UpdateFilled() {
    ComputeBlockSteps();
    const auto steps = static_cast<std::uint64_t>(std::max(totalStep_, 0));
    std::uint64_t filled = 0;
    if (steps != 0 && progress_ > std::numeric_limits<std::uint64_t>::max() / steps) {
        filled = static_cast<std::uint64_t>(static_cast<long double>(progress_) * steps /
                                            static_cast<long double>(maxValue_));
    } else {
        filled = progress_ * steps / maxValue_;
    }
    const int newFilled = static_cast<int>(std::min(filled, steps));
    if (newFilled == filled_) {
        return false;
    }
    filled_ = newFilled;
    return true;
}

void TXPGauge::SetProgress(std::uint64_t value) {
    if (value == progress_ || value > maxValue_) {
        return;
    }
    progress_ = value;
    if (UpdateFilled()) {
        repaint();
        if (processEvents_) {
            // The events may close the window that holds this gauge.
            const QPointer<TXPGauge> alive(this);
            processEvents_();
            if (!alive) {
                return;
            }
        }
    }
    if (progress_ == maxValue_) {
        FreeTimer();
    }
}

void TXPGauge::SetMaxValue(std::uint64_t value) {
    if (value == maxValue_ || value == 0) {
        return;
    }
    ComputeBlockSteps();
    maxValue_ = value;
    if (UpdateFilled()) {
        update();
    }
}

void TXPGauge::SetTotalStep(int value) {
    if (!smooth_ || value < 1 || value > width() - 6 || value == totalStep_) {
        return;
    }
    totalStep_ = value;
    UpdateFilled();
    update();
}

void TXPGauge::SetSmooth(bool value) {
    if (value == smooth_) {
        return;
    }
    smooth_ = value;
    ComputeBlockSteps();
    UpdateFilled();
    update();
}

void TXPGauge::SetBarColor(const QColor& color) {
    barColor_ = color;
    update();
}

void TXPGauge::SetBarColor(std::uint32_t colorRef) {
    SetBarColor(ColorFromRef(colorRef));
}

void TXPGauge::SetBorderColor(const QColor& color) {
    borderColor_ = color;
    update();
}

void TXPGauge::SetBorderColor(std::uint32_t colorRef) {
    SetBorderColor(ColorFromRef(colorRef));
}

void TXPGauge::SetInnerShadow(bool value) {
    innerShadow_ = value;
    update();
}

void TXPGauge::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TXPGauge::SetColor(std::uint32_t colorRef) {
    SetColor(ColorFromRef(colorRef));
}

void TXPGauge::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ComputeBlockSteps();
    UpdateFilled();
}

void TXPGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.setPen(borderColor_);
    painter.setBrush(color_);
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 2.5, 2.5);
    if (innerShadow_) {
        painter.setPen(QColor(std::abs(color_.red() - 60), std::abs(color_.green() - 60),
                              std::abs(color_.blue() - 60)));
        painter.drawLine(2, 1, w - 3, 1);
        painter.drawLine(1, 2, 1, h - 3);
        painter.drawPoint(2, 2);
    }
    ComputeBlockSteps();
    UpdateFilled();
    if (filled_ == 0 || totalStep_ == 0) {
        return;
    }
    const int block = h - 5;
    int right = 0;
    if (smooth_) {
        right = (w - 6) * filled_ / totalStep_ + Border;
    } else {
        right = block * filled_ + Border;
        if (w - Border - right < block) {
            right = w - Border;
        }
    }
    PaintBar(painter, right);
}

void TXPGauge::PaintBar(QPainter& painter, int right) const {
    const int h = height();
    painter.fillRect(QRect(QPoint(Border, Border), QPoint(right - 1, h - Border - 1)), barColor_);
    const int barHeight = h - 6;
    const int n = std::min(2, ((barHeight + (barHeight & 1)) - 2) / 2);
    for (int i = 0; i < n; ++i) {
        painter.setPen(Lighten(barColor_, (n - i) * 30));
        painter.drawLine(Border, Border + i, right - 1, Border + i);
        painter.drawLine(Border, h - 4 - i, right - 1, h - 4 - i);
    }
    if (smooth_) {
        return;
    }
    const int block = h - 5;
    for (int j = 1; j <= filled_; ++j) {
        painter.fillRect(QRect(j * block + 1, Border, 2, h - 2 * Border), color_);
    }
}

void TXPGauge::Start() {
    FreeTimer();
    timer_ = std::make_unique<TThreadTimer>();
    timer_->SetDeliverOnUiThread(true);
    timer_->SetInterval(estimateInterval_);
    // The filled steps keep the old run's count, so the first step change of the new run
    // repaints the bar instead of leaving the old fill on screen.
    lastProgress_ = 0;
    progress_ = 0;
    paused_ = false;
    timer_->OnTimer = [this](TThreadTimer&) {
        const QPointer<TXPGauge> alive(this);
        inTick_ = true;
        Tick();
        if (alive) {
            inTick_ = false;
        }
    };
    timer_->SetEnabled(true);
    lastTime_ = clock_();
}

void TXPGauge::Tick() {
    const std::uint64_t now = clock_();
    if (paused_ || now == lastTime_) {
        return;
    }
    const double rate = (static_cast<double>(progress_) - static_cast<double>(lastProgress_)) *
                        10.0 / (static_cast<double>(now) - static_cast<double>(lastTime_));
    lastTime_ = now;
    lastProgress_ = progress_;
    if (rate <= 0) {
        return;
    }
    const std::uint64_t left = progress_ < maxValue_ ? maxValue_ - progress_ : 0;
    const double seconds = static_cast<double>(left) / rate * 10.0 * 0.001;
    if (!SetRemainSeconds(static_cast<int>(std::min(seconds, static_cast<double>(INT32_MAX))))) {
        return;
    }
    if (remainSeconds_ <= 2 && timer_) {
        timer_->SetEnabled(false);
    }
}

// The progress windows may close, and so delete, the gauge from a notification; the handler
// runs from a copy so that it outlives the gauge. False when the gauge is gone.
bool TXPGauge::SetRemainSeconds(int value) {
    const QPointer<TXPGauge> alive(this);
    remainSeconds_ = value;
    emit remainSecondsChanged(value);
    if (alive && OnRemainSeconds) {
        const auto handler = OnRemainSeconds;
        handler(*this);
    }
    return !alive.isNull();
}

// A handler of OnRemainSeconds may stop the estimate from inside the tick; the timer running
// that tick is then handed to the event loop instead of being deleted under it.
void TXPGauge::FreeTimer() {
    if (!timer_) {
        return;
    }
    timer_->SetEnabled(false);
    if (inTick_) {
        timer_.release()->deleteLater();
    } else {
        timer_.reset();
    }
}

void TXPGauge::Stop() {
    FreeTimer();
    SetRemainSeconds(-1);
}
