#include "favorites/ui/fontdrag.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QStringList>

#include "catalogue/fontlist.h"
#include "preview/xfontlistview.h"

namespace {

const QString kMarkFormat = QStringLiteral("application/x-glyphwell-font-view");

QByteArray MarkOf(const TXFontListView& view) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(&view));
}

// The marked fonts in list order, or the current one when none is marked.
QStringList DraggedNames(TXFontListView& view) {
    const TFontList& items = view.Items();
    QStringList names;
    for (int i = 0; i < items.GetCount(); ++i) {
        if (items.GetItems(i).Selected()) {
            names.append(QString::fromStdString(items.GetItems(i).FullName()));
        }
    }
    const int current = view.ItemIndex();
    if (names.isEmpty() && current >= 0 && current < items.GetCount()) {
        names.append(QString::fromStdString(items.GetItems(current).FullName()));
    }
    return names;
}

}  // namespace

QMimeData* NewFontDragData(TXFontListView& view) {
    auto* data = new QMimeData;
    data->setText(DraggedNames(view).join('\n'));
    data->setData(kMarkFormat, MarkOf(view));
    return data;
}

bool IsFontDragFrom(const QMimeData* data, const TXFontListView& view) {
    return data != nullptr && data->hasFormat(kMarkFormat) &&
           data->data(kMarkFormat) == MarkOf(view);
}
