#pragma once

#include <QLabel>
#include <functional>
#include <string>

class QPainter;

// A one-line label whose caption carries inline markup: <b></b>, <i></i>, <u></u> for the
// style and <cRRGGBB></c> for the colour (tags in any letter case). The caption is UTF-8;
// a multi-byte sequence is measured and drawn as one character. Vertical placement comes
// from the vertical part of alignment(); "transparent" is autoFillBackground() == false.
class TXLabel : public QLabel {
    Q_OBJECT

public:
    explicit TXLabel(QWidget* parent = nullptr);
    explicit TXLabel(const QString& caption, QWidget* parent = nullptr);

    // setText() of QLabel is not virtual: set the caption here so auto-size follows it.
    void SetCaption(const QString& caption);
    void SetCaption(const std::string& caption) { SetCaption(QString::fromUtf8(caption)); }
    void SetCaption(const char* caption) { SetCaption(QString::fromUtf8(caption)); }
    std::string Caption() const { return text().toUtf8().toStdString(); }

    // The caption's colour before any colour tag (the palette's WindowText).
    QColor FontColor() const;
    void SetFontColor(const QColor& color);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    void SetTransparent(bool value) { setAutoFillBackground(!value); }

    // Width of text as drawn: style tags change the measuring font, colour tags take no room.
    int GetTextWidth(const std::string& text) const;
    int GetTextWidth(const QString& text) const {
        return GetTextWidth(text.toUtf8().toStdString());
    }
    // Resizes the label to its caption when auto-size is on; right-aligned keeps its right edge.
    void AdjustBounds();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    std::function<void()> OnClick;

signals:
    void clicked();

protected:
    void DoDrawText(QPainter& painter, const QRect& rect);
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool autoSize_ = false;
    bool pressed_ = false;
};
