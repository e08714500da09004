#include "details/propersize.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

// The sample the sizes are measured with. Its height is that of the font's line (ascent plus
// descent), as the window system measured text, not of the ink of these letters.
const char* const kSample = "abfghjlpyAQ";

}  // namespace

int GetProperFontSize(const std::function<int(int)>& heightAt, int target) {
    for (int size = kFirstTriedSize; size <= kLastTriedSize; ++size) {
        if (heightAt(size) >= target) {
            return size == kFirstTriedSize ? 10 : size - 1;
        }
    }
    return kLastTriedSize;
}

TFaceHeights::TFaceHeights(const QFont& face, const QPaintDevice* device)
    : face_(face), device_(device) {}

int TFaceHeights::HeightAt(int pointSize) {
    int& height = heights_.at(static_cast<std::size_t>(pointSize - kFirstTriedSize));
    if (height == 0) {
        QFont font = face_;
        font.setPointSize(pointSize);
        const QFontMetrics metrics(font, device_);
        // At least 1, as 0 marks a size not measured yet.
        height = std::max(1, metrics.size(Qt::TextSingleLine, kSample).height());
        ++measured_;
    }
    return height;
}

int TFaceHeights::ProperSize(int target) {
    return GetProperFontSize([this](int size) { return HeightAt(size); }, target);
}
