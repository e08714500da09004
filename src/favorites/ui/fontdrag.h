#pragma once

class QMimeData;
class TXFontListView;

// What a drag out of the font list view carries: the names of the fonts it takes as text,
// for programs that accept text, and a mark naming this very view in this very process. The
// favorites pane goes by the mark when the toolkit hands a drop over without its source.
QMimeData* NewFontDragData(TXFontListView& view);

// True when data carries the mark of view.
bool IsFontDragFrom(const QMimeData* data, const TXFontListView& view);
