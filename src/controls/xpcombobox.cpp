#include "controls/xpcombobox.h"

#include <QChildEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "platform/colorref.h"

namespace {

const QColor kBorder = ColorFromRef(12164479);
// The frame pixel and the two rings of background inside it.
constexpr int kFrame = 3;
constexpr int kButtonWidth = 15;
constexpr int kButtonRight = 2;
constexpr int kButtonGap = 2;
constexpr int kIconGap = 2;

// The cell as a disabled control shows it: grey, and lighter.
QPixmap Greyed(const QPixmap& cell) {
    QImage image = cell.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    QPixmap greyed = QPixmap::fromImage(image);
    greyed.setDevicePixelRatio(cell.devicePixelRatio());
    return greyed;
}

}  // namespace

TXPComboBox::TXPComboBox(QWidget* parent)
    : QComboBox(parent),
      borderColor_(kBorder),
      buttonCells_(QStringLiteral(":/images/COMBOBTN.png"), QSize(15, 17)) {}

void TXPComboBox::SetBorderColor(const QColor& color) {
    borderColor_ = color;
    update();
}

void TXPComboBox::SetIcon(const QPixmap& icon) {
    icon_ = icon;
    PlaceEditor();
    update();
}

void TXPComboBox::SetViewIcon(bool value) {
    viewIcon_ = value;
    PlaceEditor();
    update();
}

QRect TXPComboBox::ButtonRect() const {
    return QRect(QPoint(width() - kButtonWidth - kButtonRight, kButtonRight),
                 QPoint(width() - kButtonRight - 1, height() - kButtonRight - 1));
}

QRect TXPComboBox::TextRect() const {
    int left = kFrame;
    if (viewIcon_ && !icon_.isNull()) {
        left += static_cast<int>(icon_.width() / icon_.devicePixelRatio()) + kIconGap;
    }
    return QRect(QPoint(left, kFrame),
                 QPoint(ButtonRect().left() - kButtonGap - 1, height() - kFrame - 1));
}

void TXPComboBox::showPopup() {
    pressed_ = true;
    update();
    QComboBox::showPopup();
}

void TXPComboBox::hidePopup() {
    QComboBox::hidePopup();
    pressed_ = false;
    update();
}

void TXPComboBox::mousePressEvent(QMouseEvent* event) {
    // The edit box takes clicks on the text; the button opens the list.
    if (event->button() == Qt::LeftButton && isEditable() &&
        ButtonRect().contains(event->position().toPoint())) {
        showPopup();
        return;
    }
    QComboBox::mousePressEvent(event);
}

void TXPComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    PlaceEditor();
}

void TXPComboBox::childEvent(QChildEvent* event) {
    QComboBox::childEvent(event);
    if (event->added() && qobject_cast<QLineEdit*>(event->child()) != nullptr) {
        event->child()->installEventFilter(this);
        PlaceEditor();
    }
}

// The combo box places its edit box for the style's frame; ours is thinner, so the edit box
// is put back wherever the box moves it.
bool TXPComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        PlaceEditor();
    }
    return QComboBox::eventFilter(watched, event);
}

void TXPComboBox::PlaceEditor() {
    QLineEdit* editor = lineEdit();
    if (editor != nullptr && editor->geometry() != TextRect()) {
        editor->setGeometry(TextRect());
    }
}

void TXPComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    const QColor back =
        palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Base);
    painter.fillRect(rect(), back);
    painter.setPen(borderColor_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QPixmap cell = buttonCells_.Image(pressed_ ? 1 : 0, devicePixelRatioF());
    painter.drawPixmap(ButtonRect(), enabled ? cell : Greyed(cell));
    if (viewIcon_ && !icon_.isNull()) {
        const int iconHeight = static_cast<int>(icon_.height() / icon_.devicePixelRatio());
        painter.drawPixmap(kFrame, (height() - iconHeight) / 2, icon_);
    }
    if (!isEditable()) {
        PaintText(painter, TextRect());
    }
}

void TXPComboBox::PaintText(QPainter& painter, const QRect& area) const {
    const bool selected = hasFocus() && !pressed_;
    if (selected) {
        painter.fillRect(area, palette().color(QPalette::Highlight));
    }
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(area.adjusted(kIconGap, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, currentText());
}
