#pragma once
// Colours as the settings hold them: 0x00BBGGRR, or 0x80000000 plus a system colour index
// (0x80000012 button text, 0x8000000F button face) taken from the palette.

#include <QColor>
#include <QPalette>

namespace Farbwert {
QColor alsFarbe(qint32 wert, const QPalette& palette);
QColor alsFarbe(qint32 wert);  // with the application's palette
// 0x00BBGGRR of a colour.
qint32 alsWert(const QColor& farbe);
}  // namespace Farbwert
