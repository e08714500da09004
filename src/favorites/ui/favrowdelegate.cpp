#include "favorites/ui/favrowdelegate.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

#include "controls/imagelist.h"
#include "favorites/ui/favrows.h"
#include "platform/uifont.h"

namespace {

// Texts sit where they would in a row of the list's nominal height, even in a taller row.
constexpr int kNominalRowHeight = 18;
constexpr int kMinGroupRowHeight = 18;
constexpr int kGroupRowPadding = 14;
constexpr int kFontRowPadding = 6;
constexpr QPoint kFolderBitmapAt(2, 1);
constexpr int kGroupTextLeft = 20;
constexpr QPoint kFontBitmapAt(10, 1);
constexpr int kFontTextLeft = 30;
// Room kept free at the right end of a font row, so that a shortened name ends in "…".
constexpr int kFontTextRight = 4;

}  // namespace

TFavRowDelegate::TFavRowDelegate(const TFavRows& rows, QObject* parent)
    : QStyledItemDelegate(parent),
      rows_(rows),
      groupFont_(platform::UiFont(QStringLiteral("Arial"), 9, true)),
      fontFont_(platform::UiFont(QStringLiteral("Tahoma"), 8)),
      folderBitmap_(
          ResourceBitmap(QStringLiteral(":/images/FONTFOLDER.png"), qGuiApp->devicePixelRatio())),
      fontBitmap_(
          ResourceBitmap(QStringLiteral(":/images/FONT.png"), qGuiApp->devicePixelRatio())) {}

QSize TFavRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    if (rows_.IsGroupRow(index.row())) {
        const int height = QFontMetrics(groupFont_).height() + kGroupRowPadding;
        return {option.rect.width(), std::max(kMinGroupRowHeight, height)};
    }
    return {option.rect.width(), QFontMetrics(fontFont_).height() + kFontRowPadding};
}

QColor TFavRowDelegate::TextColor(const QStyleOptionViewItem& option, int row) const {
    // Text on the highlight stays in the highlight's text colour, also while the list is not
    // focused, so a chosen row never shows blue on blue.
    if (option.state & QStyle::State_Selected) {
        return option.palette.color(QPalette::HighlightedText);
    }
    if (dropTarget_ >= 0 && rows_.GroupRowOf(row) == dropTarget_) {
        return QColor(kDropColor);
    }
    return QColor(rows_.IsGroupRow(row) ? kGroupColor : kFontColor);
}

void TFavRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const int row = index.row();
    const bool group = rows_.IsGroupRow(row);
    const QRect& rect = option.rect;
    painter->save();
    painter->fillRect(
        rect, option.palette.brush((option.state & QStyle::State_Selected) ? QPalette::Highlight
                                                                           : QPalette::Base));
    const QColor textColor = TextColor(option, row);
    painter->setPen(textColor);
    painter->setFont(group ? groupFont_ : fontFont_);
    const int textHeight = painter->fontMetrics().height();
    const int top = rect.top() + (kNominalRowHeight - textHeight) / 2;
    const QString name = index.data(Qt::DisplayRole).toString();
    if (group) {
        painter->drawPixmap(rect.topLeft() + kFolderBitmapAt, folderBitmap_);
        const QString text =
            QStringLiteral("%1 (%2)").arg(name).arg(index.data(TFavRows::kCountRole).toInt());
        painter->drawText(QRect(rect.left() + kGroupTextLeft, top, rect.width(), textHeight),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    } else {
        painter->drawPixmap(rect.topLeft() + kFontBitmapAt, fontBitmap_);
        // A name longer than the pane is wide loses its end to "…" rather than being cut.
        const int room = std::max(0, rect.width() - kFontTextLeft - kFontTextRight);
        painter->drawText(QRect(rect.left() + kFontTextLeft, top, room, textHeight),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          painter->fontMetrics().elidedText(name, Qt::ElideRight, room));
    }
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(textColor, 1, Qt::DotLine));
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}
