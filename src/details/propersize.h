#pragma once

#include <QFont>
#include <array>
#include <functional>

class QPaintDevice;

// The point sizes the character table tries when it fits a face to a height.
constexpr int kFirstTriedSize = 8;
constexpr int kLastTriedSize = 99;

// The largest point size from 8 to 99 whose line height (heightAt) stays below target
// pixels: the size before the first one that reaches it, 10 when 8 already does, and 99
// when none does.
int GetProperFontSize(const std::function<int(int)>& heightAt, int target);

// The line heights of one face at the tried sizes, on one paint device, each measured once
// when first asked for: fitting the grid and the large character to their heights asks for
// many of the same sizes twice.
class TFaceHeights {
public:
    TFaceHeights(const QFont& face, const QPaintDevice* device);

    int HeightAt(int pointSize);
    int ProperSize(int target);
    // How many sizes were measured so far.
    int MeasuredCount() const { return measured_; }

private:
    QFont face_;
    const QPaintDevice* device_;
    std::array<int, kLastTriedSize - kFirstTriedSize + 1> heights_{};
    int measured_ = 0;
};
