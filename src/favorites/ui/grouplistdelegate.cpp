#include "favorites/ui/grouplistdelegate.h"
#include "controls/imagelist.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

constexpr QPoint kBitmapAt(4, 1);
constexpr int kTextLeft = 24;

}  // namespace

TGroupListDelegate::TGroupListDelegate(QObject* parent)
    : QStyledItemDelegate(parent),
      folderBitmap_(
          ResourceBitmap(QStringLiteral(":/images/FONTFOLDER.png"), qGuiApp->devicePixelRatio())) {}

QSize TGroupListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), kRowHeight};
}

void TGroupListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QRect& rect = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int textHeight = painter->fontMetrics().height();
    const int top = rect.top() + (rect.height() - textHeight) / 2;
    painter->drawPixmap(rect.topLeft() + kBitmapAt, folderBitmap_);
    painter->drawText(QRect(rect.left() + kTextLeft, top, rect.width(), textHeight),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(painter->pen().color(), 1, Qt::DotLine));
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}
