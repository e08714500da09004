#pragma once

#include <QWidget>
#include <functional>

class QPainter;

// A panel that draws nothing itself: its painting is its OnPaint handler's, which gets the
// panel's canvas (the top strip of the main window paints its gradient this way).
class TXPanel : public QWidget {
    Q_OBJECT

public:
    explicit TXPanel(QWidget* parent = nullptr);

    std::function<void(TXPanel& sender, QPainter& canvas)> OnPaint;

    QSize sizeHint() const override { return {100, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
