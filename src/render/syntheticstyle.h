#pragma once

class QRawFont;

// What the font engine makes up when a sample asks for a style its face lacks. The plain
// sample gets it from the engine; the supersampled one draws at a size where the engine
// would not embolden, and must place slanted glyphs itself, so it asks these first. Both
// read the face's own style bits as the engine does (OS/2 first, else the head table): the
// font itself reports the style of the face, not the one asked for.

// True when the engine slants font's face itself when italic is asked of it (the face is
// upright): its glyph images are then sheared, and only the outline knows their left edge.
bool EngineSlants(const QRawFont& font);

// How far the engine thickens font's glyphs, in font's pixels, when bold is asked of font's
// face drawn at 1 / scale of font's size: a face neither marked bold nor of weight 700 or
// more, not monospaced and under 64 pixels high, gains a 24th of its size to the right and
// upwards. 0 when the engine draws the face as it is.
double EngineBoldStrength(const QRawFont& font, int scale);
