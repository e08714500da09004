#pragma once

#include <QColor>
#include <QComboBox>
#include <QPixmap>

#include "controls/imagelist.h"

class QPainter;

// A combo box with a thin frame of its own (one pixel of BorderColor and two rings of the
// background) and the drop-down button drawn from the "COMBOBTN" cells at its right end
// ((W-17, 2) to (W-2, H-2)): the normal cell, the pressed one while the list is down, greyed
// when disabled. It can show an icon before its text (SetIcon, SetViewIcon).
class TXPComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TXPComboBox(QWidget* parent = nullptr);

    QColor BorderColor() const { return borderColor_; }
    void SetBorderColor(const QColor& color);
    const QPixmap& Icon() const { return icon_; }
    void SetIcon(const QPixmap& icon);
    bool ViewIcon() const { return viewIcon_; }
    void SetViewIcon(bool value);

    // Where the drop-down button is drawn, and where the text (or the edit box) goes.
    QRect ButtonRect() const;
    QRect TextRect() const;
    bool ButtonPressed() const { return pressed_; }

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceEditor();
    void PaintText(QPainter& painter, const QRect& area) const;

    QColor borderColor_;
    QPixmap icon_;
    bool viewIcon_ = false;
    bool pressed_ = false;
    TImageList buttonCells_;
};
