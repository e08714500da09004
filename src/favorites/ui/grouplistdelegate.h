#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// Draws the add dialog's group list: rows of the fixed height 18, each with the folder
// picture and the group's name.
class TGroupListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 18;

    explicit TGroupListDelegate(QObject* parent);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QPixmap folderBitmap_;
};
