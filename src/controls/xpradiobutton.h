#pragma once

#include <QColor>
#include <QRadioButton>

#include "controls/imagelist.h"

// A radio button drawn from the "RADIOBTN" cells (checked, unchecked) with its caption beside
// them, in FocusedColor while it has the focus. The radio buttons of one parent with the same
// GroupIndex form a group: checking one unchecks the others and raises its clicked signal, the
// arrow keys move the check through the group, and only the checked one is a tab stop.
class TXPRadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit TXPRadioButton(QWidget* parent = nullptr);
    explicit TXPRadioButton(const QString& caption, QWidget* parent = nullptr);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    QColor FocusedColor() const { return focusedColor_; }
    void SetFocusedColor(const QColor& color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void nextCheckState() override;
    void checkStateSet() override;

private:
    QList<TXPRadioButton*> Group() const;
    void Checked(bool checked);

    int groupIndex_ = 0;
    QColor focusedColor_{0, 0, 255};
    TImageList cells_;
};
