#include "controls/menuimagelist.h"

#include "controls/imagelist.h"

QIcon MenuImage(int index) {
    const TImageList images(QString::fromLatin1(kMenuImagesResource), QSize(16, 16));
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap image = images.Image(index, ratio);
        if (!image.isNull()) {
            icon.addPixmap(image);
        }
    }
    return icon;
}
