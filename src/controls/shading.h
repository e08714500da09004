#pragma once

#include <QColor>

class QPainter;
class QRect;

// The shaded colours of the program's strips and lines, derived from the button face so that
// they follow it.

// shade(c, k): each of red, green and blue loses the fraction k of itself, truncated.
QColor Shade(const QColor& color, double k);

// The background of the top strip and of its toolbars, in the control's own coordinates:
// the face colour, and from row 14 down each pair of rows 0.8 % darker than the pair above.
void PaintGradient(QPainter& painter, const QRect& rect, const QColor& face);
