#pragma once

#include <vector>

#include "output/printinfo.h"

class QPaintDevice;
class QPainter;
class TFontList;
class TSampleFontCache;

// The one layout of a font sample sheet, used for the printer, the print preview and the
// print window's page count. Every text is measured on the target device itself, so the
// layout holds at every resolution.

// Fills NameHeight, TextHeight when it is 0, ItemHeight, ItemsPerPage and PageCount for
// fonts laid out on canvas.
void CalcPrintLayout(QPaintDevice& canvas, const TFontList& fonts, TPrintInfo& info);

// The page numbers (1-based, ascending) that FromPage, ToPage and PageFilter select.
std::vector<int> SelectedPages(const TPrintInfo& info);

// Draws the selected pages of fonts through painter, each sample in the font's own face from
// faces; between two drawn pages it starts a new page on info.Printer, when there is one.
void DrawPrintPages(QPainter& painter, const TFontList& fonts, const TPrintInfo& info,
                    TSampleFontCache& faces);
