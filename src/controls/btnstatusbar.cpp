#include "controls/btnstatusbar.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWindow>

#include "platform/colorref.h"

namespace {

constexpr int GripZone = 20;

// The top shading: the button face with red, green and blue reduced by 10 %, 6 % and 3 %.
QColor ShadeOf(const QColor& face) {
    auto reduce = [](int value, double factor) { return value - static_cast<int>(value * factor); };
    return QColor(reduce(face.red(), 0.10), reduce(face.green(), 0.06), reduce(face.blue(), 0.03));
}

}  // namespace

TBtnStatusBar::TBtnStatusBar(QWidget* parent)
    : QWidget(parent),
      headColor_(0, 0, 255),
      hotColor_(255, 0, 0),
      color_(palette().color(QPalette::Button)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFixedHeight(19);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TBtnStatusBar::SetItems(const QStringList& items) {
    items_ = items;
    hot_ = hot_ < items_.size() ? hot_ : -1;
    pressed_ = pressed_ < items_.size() ? pressed_ : -1;
    update();
}

void TBtnStatusBar::SetItems(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) {
        list << QString::fromUtf8(item);
    }
    SetItems(list);
}

void TBtnStatusBar::SetItemValue(int index, const QString& value) {
    if (index < 0 || index >= items_.size()) {
        return;
    }
    items_[index] = HeadingOf(index) + '=' + value;
    update();
}

QString TBtnStatusBar::ItemValue(int index) const {
    if (index < 0 || index >= items_.size()) {
        return {};
    }
    const QString& item = items_[index];
    const qsizetype equals = item.indexOf('=');
    return equals < 0 ? QString() : item.mid(equals + 1);
}

QString TBtnStatusBar::HeadingOf(int index) const {
    const QString& item = items_[index];
    const qsizetype equals = item.indexOf('=');
    return equals < 0 ? item : item.left(equals);
}

void TBtnStatusBar::SetSizeGrip(bool value) {
    sizeGrip_ = value;
    update();
}

void TBtnStatusBar::SetShowDivider(bool value) {
    showDivider_ = value;
    update();
}

void TBtnStatusBar::SetHeadColor(const QColor& color) {
    headColor_ = color;
    repaint();
}

void TBtnStatusBar::SetHeadColor(std::uint32_t colorRef) {
    SetHeadColor(ColorFromRef(colorRef));
}

void TBtnStatusBar::SetHotColor(const QColor& color) {
    hotColor_ = color;
    repaint();
}

void TBtnStatusBar::SetHotColor(std::uint32_t colorRef) {
    SetHotColor(ColorFromRef(colorRef));
}

void TBtnStatusBar::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TBtnStatusBar::SetColor(std::uint32_t colorRef) {
    SetColor(ColorFromRef(colorRef));
}

int TBtnStatusBar::PanelsRight() const {
    return width() - (sizeGrip_ ? GripWidth : 0);
}

int TBtnStatusBar::PanelWidth() const {
    return items_.isEmpty() ? PanelsRight() : PanelsRight() / static_cast<int>(items_.size());
}

bool TBtnStatusBar::InGrip(int x) const {
    return sizeGrip_ && x > width() - GripZone;
}

// Panels are separated by a two-pixel gap; the last one reaches the grip.
QRect TBtnStatusBar::ItemRect(int index) const {
    const int panelWidth = PanelWidth();
    const int left = panelWidth * index;
    int right = panelWidth * (index + 1) - 2;
    if (index == static_cast<int>(items_.size()) - 1) {
        right = PanelsRight();
    }
    return QRect(QPoint(left, 3), QPoint(right - 1, height() - 1));
}

int TBtnStatusBar::GetItemAt(int x, int y) const {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        if (ItemRect(i).contains(x, y)) {
            return i;
        }
    }
    return -1;
}

QSize TBtnStatusBar::sizeHint() const {
    return {200, 19};
}

void TBtnStatusBar::paintEvent(QPaintEvent*) {
    QPixmap buffer(size() * devicePixelRatioF());
    buffer.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(&buffer);
    painter.setFont(font());
    painter.fillRect(rect(), color_);
    painter.setPen(ShadeOf(palette().color(QPalette::Button)));
    for (int y = 0; y < 3; ++y) {
        painter.drawLine(0, y, width() - 1, y);
    }
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        DrawItem(painter, i, i == hot_, ItemRect(i));
    }
    if (items_.isEmpty() && sizeGrip_) {
        DrawSizeGrip(painter);
    }
    painter.end();
    QPainter(this).drawPixmap(0, 0, buffer);
}

void TBtnStatusBar::DrawItem(QPainter& painter, int index, bool hot, QRect rect) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        return;
    }
    painter.fillRect(rect, color_);
    rect.adjust(5, 2, 0, -1);
    const QString heading = HeadingOf(index);
    const QFontMetrics metrics(painter.font());
    painter.setPen(headColor_);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, heading);
    rect.adjust(metrics.horizontalAdvance(heading) + 8, 0, -2, 0);
    if (index == pressed_) {
        rect.translate(1, 1);
    }
    painter.setPen(hot ? hotColor_ : palette().color(QPalette::WindowText));
    const QString value =
        metrics.elidedText(ItemValue(index), Qt::ElideRight, std::max(0, rect.width()));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, value);
    if (showDivider_) {
        // The divider closes the value area (pressed shift included), just inside the panel.
        const int x = rect.right() + 1;
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(x, rect.top(), x, rect.bottom());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(x + 1, rect.top(), x + 1, rect.bottom());
    }
    if (index == static_cast<int>(items_.size()) - 1 && sizeGrip_) {
        DrawSizeGrip(painter);
    }
}

void TBtnStatusBar::DrawSizeGrip(QPainter& painter) const {
    const int w = width();
    const int h = height();
    const QColor highlight = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3 - row; ++column) {
            const int x = w - 4 - 4 * column;
            const int y = h - 4 - 4 * row;
            painter.fillRect(x, y, 2, 2, highlight);
            painter.fillRect(x - 1, y - 1, 2, 2, shadow);
        }
    }
    painter.setPen(shadow);
    painter.drawLine(w - 20, 4, w - 20, h - 1);
    painter.setPen(highlight);
    painter.drawLine(w - 19, 4, w - 19, h - 1);
}

void TBtnStatusBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (InGrip(pos.x())) {
        if (!sizeCursorShown_) {
            savedCursor_ = cursor();
            sizeCursorShown_ = true;
            setCursor(Qt::SizeFDiagCursor);
        }
    } else if (sizeCursorShown_) {
        sizeCursorShown_ = false;
        setCursor(savedCursor_);
    }
    const int index = GetItemAt(pos.x(), pos.y());
    if (index != hot_) {
        hot_ = index;
        update();
    }
}

void TBtnStatusBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (InGrip(pos.x())) {
        QWindow* handle = window()->windowHandle();
        if (handle != nullptr) {
            handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
        }
        return;
    }
    pressed_ = GetItemAt(pos.x(), pos.y());
    update();
}

void TBtnStatusBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int pressed = pressed_;
    pressed_ = -1;
    update();
    const QPoint pos = event->position().toPoint();
    if (pressed >= 0 && GetItemAt(pos.x(), pos.y()) == pressed) {
        emit clicked(pressed);
        if (OnClick) {
            OnClick(pressed);
        }
    }
}

void TBtnStatusBar::leaveEvent(QEvent*) {
    hot_ = -1;
    if (sizeCursorShown_) {
        sizeCursorShown_ = false;
        setCursor(savedCursor_);
    }
    update();
}
