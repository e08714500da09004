#include "controls/imagelist.h"

#include <QFileInfo>
#include <QImageReader>
#include <cmath>
#include <utility>

namespace {

QString TwiceName(const QString& path) {
    const QFileInfo info(path);
    const QString base = path.left(path.size() - info.suffix().size() - 1);
    return base + QStringLiteral("@2x.") + info.suffix();
}

QPixmap Read(const QString& path, qreal ratio) {
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

}  // namespace

QPixmap ResourceBitmap(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1) {
        QPixmap twice = Read(TwiceName(path), 2);
        if (!twice.isNull()) {
            return twice;
        }
    }
    return Read(path, 1);
}

TImageList::TImageList(QString resource, QSize cellSize)
    : resource_(std::move(resource)), cellSize_(cellSize) {}

const QPixmap& TImageList::Bitmap(qreal devicePixelRatio) const {
    if (devicePixelRatio > 1) {
        if (!twiceLoaded_) {
            twice_ = ResourceBitmap(resource_, devicePixelRatio);
            twiceLoaded_ = true;
        }
        return twice_;
    }
    if (!singleLoaded_) {
        single_ = ResourceBitmap(resource_, 1);
        singleLoaded_ = true;
    }
    return single_;
}

int TImageList::Count() const {
    const QPixmap& bitmap = Bitmap(1);
    return cellSize_.width() > 0 ? bitmap.width() / cellSize_.width() : 0;
}

QPixmap TImageList::Image(int index, qreal devicePixelRatio) const {
    if (index < 0 || index >= Count()) {
        return {};
    }
    const QPixmap& bitmap = Bitmap(devicePixelRatio);
    const qreal ratio = bitmap.devicePixelRatio();
    const QSize cell(static_cast<int>(std::lround(cellSize_.width() * ratio)),
                     static_cast<int>(std::lround(cellSize_.height() * ratio)));
    QPixmap image = bitmap.copy(QRect(QPoint(index * cell.width(), 0), cell));
    image.setDevicePixelRatio(ratio);
    return image;
}
