#pragma once

class QWidget;

// Gives an auto-sized label its new width. A right-aligned label keeps its right edge, so
// text that grows extends to the left; any other keeps its left edge.
void ResizeToWidth(QWidget& label, int newWidth, bool rightAligned);
