#pragma once

#include <QColor>
#include <QGroupBox>

// A group box drawn as a thin rounded frame in LineColor that starts at half the caption's
// height, with the caption at x = 8 on the background, cutting the frame's top line. The
// caption's colour is its own (CaptionColor), so the controls inside keep theirs.
class TXPGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit TXPGroupBox(QWidget* parent = nullptr);
    explicit TXPGroupBox(const QString& caption, QWidget* parent = nullptr);

    QColor LineColor() const { return lineColor_; }
    void SetLineColor(const QColor& color);
    // The caption's colour; invalid (the default) means the window text colour.
    QColor CaptionColor() const { return captionColor_; }
    void SetCaptionColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor lineColor_{128, 128, 128};
    QColor captionColor_;
};
