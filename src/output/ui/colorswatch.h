#pragma once

#include <QFrame>
#include <cstdint>

// A framed box filled with one colour (0x00BBGGRR) that reports a click of the left button.
class TColorSwatch : public QFrame {
    Q_OBJECT

public:
    explicit TColorSwatch(QWidget* parent = nullptr);

    std::uint32_t Color() const { return color_; }
    void SetColor(std::uint32_t color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::uint32_t color_ = 0;
};
