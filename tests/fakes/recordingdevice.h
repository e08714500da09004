#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

namespace fakes {

// One text a painter drew: its baseline origin, font, colour and the clip it was drawn in
// (null when none).
struct DrawnText {
    QString text;
    QPointF origin;
    QFont font;
    QColor color;
    QRectF clip;
};

struct DrawnLine {
    QLineF line;
    QColor color;
    double width = 0;
};

struct DrawnPage {
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;

    // The texts in drawing order.
    std::vector<QString> Texts() const;
    // The first text that starts with prefix, or nullptr.
    const DrawnText* Find(const QString& prefix) const;
};

// A paint device of a chosen size and resolution that records the texts and lines drawn on
// it, page by page, instead of making pixels: what a printer was asked to print.
class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(int width, int height, int dotsPerInch);
    ~RecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    // Further drawing goes onto a new page.
    void NewPage();
    const std::vector<DrawnPage>& Pages() const { return pages_; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class RecordingEngine;

    int width_;
    int height_;
    int dotsPerInch_;
    std::vector<DrawnPage> pages_;
    std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace fakes
