#pragma once

#include <QColor>
#include <QCursor>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QPainter;

// The main window's status bar: equal panels, each "heading=value", with hover colour,
// a pressed look, a click that reports the panel index and a size grip that resizes the
// window it sits in.
class TBtnStatusBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int GripWidth = 18;

    explicit TBtnStatusBar(QWidget* parent = nullptr);

    const QStringList& Items() const { return items_; }
    void SetItems(const QStringList& items);
    void SetItems(const std::vector<std::string>& items);
    // Replaces the value part of one panel and keeps its heading; nothing for a bad index.
    void SetItemValue(int index, const QString& value);
    void SetItemValue(int index, const std::string& value) {
        SetItemValue(index, QString::fromUtf8(value));
    }
    QString ItemValue(int index) const;

    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool value);
    bool ShowDivier() const { return showDivider_; }
    void SetShowDivider(bool value);

    QColor HeadColor() const { return headColor_; }
    void SetHeadColor(const QColor& color);
    void SetHeadColor(std::uint32_t colorRef);
    QColor HotColor() const { return hotColor_; }
    void SetHotColor(const QColor& color);
    void SetHotColor(std::uint32_t colorRef);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    void SetColor(std::uint32_t colorRef);

    int HotIndex() const { return hot_; }
    int PressedIndex() const { return pressed_; }

    QRect ItemRect(int index) const;
    int GetItemAt(int x, int y) const;
    void DrawItem(QPainter& painter, int index, bool hot, QRect rect) const;
    void DrawSizeGrip(QPainter& painter) const;

    QSize sizeHint() const override;

    // Raised with the panel index, as is the clicked() signal.
    std::function<void(int)> OnClick;

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int PanelWidth() const;
    int PanelsRight() const;
    bool InGrip(int x) const;
    QString HeadingOf(int index) const;

    QStringList items_;
    bool sizeGrip_ = true;
    bool showDivider_ = true;
    QColor headColor_;
    QColor hotColor_;
    QColor color_;
    int hot_ = -1;
    int pressed_ = -1;
    bool sizeCursorShown_ = false;
    QCursor savedCursor_;
};
