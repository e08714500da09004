#pragma once

#include <QLabel>
#include <QPixmap>
#include <string>

class QPainter;

// A label that draws a small picture left of its caption and sizes itself to fit both
// (the folder labels of the main window). A picture without an alpha channel is drawn
// with its bottom-left pixel's colour as the transparent colour.
class TXImageLabel : public QLabel {
    Q_OBJECT

public:
    explicit TXImageLabel(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    void SetCaption(const std::string& caption) { SetCaption(QString::fromUtf8(caption)); }
    void SetCaption(const char* caption) { SetCaption(QString::fromUtf8(caption)); }
    std::string Caption() const { return text().toUtf8().toStdString(); }

    const QPixmap& Image() const { return image_; }
    void SetImage(const QPixmap& image);
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value);
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int value);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    void SetTransparent(bool value) { setAutoFillBackground(!value); }

    void AdjustBounds();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void DoDrawText(QPainter& painter, const QRect& rect);
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int NaturalWidth() const;
    QSize ImageSize() const;

    QPixmap image_;
    int leftMargin_ = 4;
    int rightMargin_ = 2;
    bool autoSize_ = true;
};
