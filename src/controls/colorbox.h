#pragma once

#include <QFrame>
#include <cstdint>
#include <functional>

// A small framed swatch filled with a colour (0x00BBGGRR) that reports a click on it, as the
// sample-text bar's colour boxes do. A disabled box reports nothing.
class TColorBox : public QFrame {
    Q_OBJECT

public:
    explicit TColorBox(QWidget* parent = nullptr);

    std::uint32_t Color() const { return color_; }
    void SetColor(std::uint32_t color);

    std::function<void(TColorBox& sender)> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::uint32_t color_ = 0;
};
