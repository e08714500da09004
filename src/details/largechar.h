#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>

// The paint box that shows the chosen character large, centred on white, in the face and
// point size it is given.
class TLargeChar : public QWidget {
    Q_OBJECT

public:
    explicit TLargeChar(QWidget* parent = nullptr);

    void SetCharFont(const QFont& font);
    const QFont& CharFont() const { return font_; }
    void SetText(const QString& text);
    const QString& Text() const { return text_; }

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QFont font_;
    QString text_;
};
