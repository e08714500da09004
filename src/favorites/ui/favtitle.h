#pragma once

#include <QWidget>

class QToolButton;

// The favorites pane's title strip: the caption "  Favorites" on the button face, three
// shading lines along its bottom that darken step by step, and a flat close button.
class TFavTitle : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 20;

    explicit TFavTitle(QWidget* parent = nullptr);

    QToolButton* CloseButton() const { return close_; }
    // The shading lines from top to bottom, derived from the button face.
    static QColor ShadeLine(const QColor& face, int line);

signals:
    void closeClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* close_;
};
