#pragma once

#include <QSize>

class QColor;
class QFontMetrics;
class QPainter;
class QPixmap;
class QRect;
class QString;

// The drawing shared by the check box and the radio button: the 13 × 13 state cell at the
// left edge, vertically centred, and the caption from x = 17 to the right edge, single line,
// vertically centred, with its accelerator underlined.
void PaintCellAndCaption(QPainter& painter, const QRect& rect, const QPixmap& cell,
                         const QString& caption, const QColor& ink);
// The room the cell and the caption need, at least the default 17-pixel height.
QSize CellAndCaptionSize(const QFontMetrics& metrics, const QString& caption);
