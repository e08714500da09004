#include "favorites/ui/favtitle.h"

#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <array>

#include "platform/uifont.h"

namespace {

constexpr int kCloseSize = 16;
constexpr int kCloseMargin = 2;
constexpr int kCrossInset = 4;
constexpr std::array<double, 3> kShadeSteps = {0.03, 0.06, 0.12};

// A small cross for the close button, drawn in the text colour so it follows the desktop.
QPixmap CrossPicture(const QColor& color) {
    QPixmap picture(kCloseSize, kCloseSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(color, 2, Qt::SolidLine, Qt::FlatCap));
    const int far = kCloseSize - kCrossInset;
    painter.drawLine(kCrossInset, kCrossInset, far, far);
    painter.drawLine(kCrossInset, far, far, kCrossInset);
    return picture;
}

}  // namespace

TFavTitle::TFavTitle(QWidget* parent) : QWidget(parent), close_(new QToolButton(this)) {
    setObjectName(QStringLiteral("pFavTitle"));
    setFixedHeight(kHeight);
    setFont(platform::UiFont(QStringLiteral("Tahoma"), 8));
    close_->setObjectName(QStringLiteral("sbFavPaneClose"));
    close_->setAutoRaise(true);
    close_->setFixedSize(kCloseSize, kCloseSize);
    close_->setIconSize(QSize(kCloseSize, kCloseSize));
    close_->setIcon(CrossPicture(palette().color(QPalette::WindowText)));
    close_->setFocusPolicy(Qt::NoFocus);
    connect(close_, &QToolButton::clicked, this, &TFavTitle::closeClicked);
}

QColor TFavTitle::ShadeLine(const QColor& face, int line) {
    const double k = kShadeSteps.at(static_cast<std::size_t>(line));
    auto part = [k](int value) { return static_cast<int>(value - value * k); };
    return QColor(part(face.red()), part(face.green()), part(face.blue()));
}

void TFavTitle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(rect(), face);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QStringLiteral("  Favorites"));
    const int lines = static_cast<int>(kShadeSteps.size());
    for (int line = 0; line < lines; ++line) {
        painter.setPen(ShadeLine(face, line));
        const int y = height() - lines + line;
        painter.drawLine(0, y, width() - 1, y);
    }
}

void TFavTitle::resizeEvent(QResizeEvent*) {
    close_->move(width() - kCloseSize - kCloseMargin, 0);
}
