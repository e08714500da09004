#include "fakes/recordingdevice.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>

namespace fakes {

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(RecordingDevice& device)
        : QPaintEngine(QPaintEngine::AllFeatures), device_(device) {}

    bool begin(QPaintDevice* /*device*/) override {
        if (device_.pages_.empty()) {
            device_.pages_.emplace_back();
        }
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if ((dirty & DirtyPen) != 0) {
            pen_ = state.pen();
        }
        if ((dirty & DirtyFont) != 0) {
            font_ = state.font();
        }
        if ((dirty & DirtyClipRegion) != 0) {
            clip_ = state.clipRegion().boundingRect();
        }
        if ((dirty & DirtyClipPath) != 0) {
            clip_ = state.clipPath().boundingRect();
        }
        if ((dirty & DirtyClipEnabled) != 0 && !state.isClipEnabled()) {
            clip_ = QRectF();
        }
    }

    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
        device_.pages_.back().texts.push_back({item.text(), origin, font_, pen_.color(), clip_});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            device_.pages_.back().lines.push_back({lines[i], pen_.color(), pen_.widthF()});
        }
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            const QLineF line(lines[i]);
            drawLines(&line, 1);
        }
    }
    void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override {}
    void drawPath(const QPainterPath& /*path*/) override {}
    void drawPolygon(const QPointF* /*points*/, int /*count*/, PolygonDrawMode /*mode*/) override {}

private:
    RecordingDevice& device_;
    QPen pen_;
    QFont font_;
    QRectF clip_;
};

std::vector<QString> DrawnPage::Texts() const {
    std::vector<QString> all;
    for (const DrawnText& text : texts) {
        all.push_back(text.text);
    }
    return all;
}

const DrawnText* DrawnPage::Find(const QString& prefix) const {
    for (const DrawnText& text : texts) {
        if (text.text.startsWith(prefix)) {
            return &text;
        }
    }
    return nullptr;
}

RecordingDevice::RecordingDevice(int width, int height, int dotsPerInch)
    : width_(width),
      height_(height),
      dotsPerInch_(dotsPerInch),
      engine_(std::make_unique<RecordingEngine>(*this)) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const {
    return engine_.get();
}

void RecordingDevice::NewPage() {
    pages_.emplace_back();
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return width_;
        case PdmHeight:
            return height_;
        case PdmWidthMM:
            return static_cast<int>(width_ * 25.4 / dotsPerInch_);
        case PdmHeightMM:
            return static_cast<int>(height_ * 25.4 / dotsPerInch_);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dotsPerInch_;
        case PdmNumColors:
            return 1 << 24;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
    }
}

}  // namespace fakes
