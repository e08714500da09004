#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The fonts of the program's own texts. Its windows name classic Windows faces; each maps to
// a fixed stand-in from the packages the project's scripts install: "Tahoma" to DejaVu Sans
// Condensed, "MS Sans Serif" and "Verdana" to DejaVu Sans, "Arial" to Liberation Sans (the
// same metrics), "굴림" to the family the desktop picks for Korean sans-serif text. Any other
// face is used as named. A stand-in or face the system lacks gives the desktop's own font,
// never a guess of the font configuration.
QFont UiFont(const QString& face, int pointSize, bool bold = false);
// The same face at a size in pixels.
QFont UiPixelFont(const QString& face, int pixelSize, bool bold = false);

}  // namespace platform
