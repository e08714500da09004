#pragma once

#include <QCheckBox>
#include <QColor>

#include "controls/imagelist.h"

// A check box drawn from the "CHECKBTN" cells (checked, unchecked) with its caption beside
// them: in FocusedColor while it has the focus, grey when disabled. The whole control takes
// clicks; its caption's accelerator toggles it.
class TXPCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit TXPCheckBox(QWidget* parent = nullptr);
    explicit TXPCheckBox(const QString& caption, QWidget* parent = nullptr);

    QColor FocusedColor() const { return focusedColor_; }
    void SetFocusedColor(const QColor& color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QColor focusedColor_{0, 0, 255};
    TImageList cells_;
};
