#pragma once

#include <QFont>
#include <QString>

// The fonts the control's own texts use. The classic UI families ("Tahoma", "MS Sans Serif")
// are used when the system has them; otherwise the desktop's default sans-serif stands in.
QFont UiFont(const QString& family, int pointSize, bool bold = false);
