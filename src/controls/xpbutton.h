#pragma once

#include <QPushButton>

class QPainter;

// A push button drawn flat: a white face in a dark blue rounded frame with light inner edges
// that sink when pressed, blue lines along the bottom while it has the focus or is the
// dialog's current default button, and a pale face when disabled. It behaves as a push
// button (a double click counts as a click).
class TXPButton : public QPushButton {
    Q_OBJECT

public:
    explicit TXPButton(QWidget* parent = nullptr);
    explicit TXPButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintEdges(QPainter& painter, bool pressed) const;
};
