#pragma once

#include <QColor>
#include <QLineEdit>

// A single-line edit box with a thin frame of its own (one pixel of BorderColor and a ring of
// the background inside it) instead of the sunken one; its height follows its font: text
// height + 4.
class TXPEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TXPEdit(QWidget* parent = nullptr);

    QColor BorderColor() const { return borderColor_; }
    void SetBorderColor(const QColor& color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AdjustHeight();

    QColor borderColor_;
};
