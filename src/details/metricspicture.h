#pragma once

#include <QPixmap>

// The 377 x 225 picture on the "Metrics" page that explains the terms shown below it: a line
// of large glyphs on black with the cell height, internal leading, ascent, descent, line gap
// and the two character widths marked out.
QPixmap MetricsPicture();
