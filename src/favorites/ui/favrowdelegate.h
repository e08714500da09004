#pragma once

#include <QFont>
#include <QPixmap>
#include <QStyledItemDelegate>

class TFavRows;

// Measures and draws the rows of the favorites pane: group rows with the folder picture,
// the name and the font count in blue, font rows indented with the font picture in grey,
// and every row of the group under a drag in orange.
class TFavRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr QRgb kGroupColor = qRgb(34, 129, 255);
    static constexpr QRgb kFontColor = qRgb(85, 85, 85);
    static constexpr QRgb kDropColor = qRgb(255, 128, 0);

    TFavRowDelegate(const TFavRows& rows, QObject* parent);

    // The group row a drag would drop into, or -1.
    void SetDropTarget(int row) { dropTarget_ = row; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QColor TextColor(const QStyleOptionViewItem& option, int row) const;

    const TFavRows& rows_;
    int dropTarget_ = -1;
    QFont groupFont_;
    QFont fontFont_;
    QPixmap folderBitmap_;
    QPixmap fontBitmap_;
};
