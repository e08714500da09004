#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A bitmap resource for a device with this pixel ratio: above 1 its "@2x" twin when there is
// one (marked as such, so it draws at the same size), else the resource itself. A resource
// that cannot be read gives a null pixmap.
QPixmap ResourceBitmap(const QString& path, qreal devicePixelRatio);

// A row of equally sized pictures in one bitmap resource, picked by index: the menu images,
// and the state cells of the check box, radio button and combo box.
class TImageList {
public:
    TImageList(QString resource, QSize cellSize);

    QSize CellSize() const { return cellSize_; }
    // Cells in the resource; 0 when it cannot be read.
    int Count() const;
    // Cell index for a device with this pixel ratio; null for an index outside the list.
    QPixmap Image(int index, qreal devicePixelRatio = 1) const;

private:
    const QPixmap& Bitmap(qreal devicePixelRatio) const;

    QString resource_;
    QSize cellSize_;
    mutable QPixmap single_;
    mutable QPixmap twice_;
    mutable bool singleLoaded_ = false;
    mutable bool twiceLoaded_ = false;
};
