#include "darstellung/Farbwert.h"

#include <QGuiApplication>

QColor Farbwert::alsFarbe(qint32 wert, const QPalette& palette) {
    const quint32 w = quint32(wert);
    if (w & 0x80000000u) {
        switch (w & 0xFFu) {
            case 0x01:
                return palette.color(QPalette::Window);  // desktop
            case 0x04:
                return palette.color(QPalette::Window);  // menu
            case 0x05:
                return palette.color(QPalette::Base);  // window background
            case 0x07:
                return palette.color(QPalette::WindowText);  // menu text
            case 0x08:
                return palette.color(QPalette::Text);  // window text
            case 0x0D:
                return palette.color(QPalette::Highlight);
            case 0x0E:
                return palette.color(QPalette::HighlightedText);
            case 0x0F:
                return palette.color(QPalette::Button);  // button face
            case 0x10:
                return palette.color(QPalette::Dark);  // button shadow
            case 0x11:
                return palette.color(QPalette::PlaceholderText);  // grey text
            case 0x12:
                return palette.color(QPalette::ButtonText);
            case 0x14:
                return palette.color(QPalette::Light);  // button highlight
            case 0x18:
                return palette.color(QPalette::ToolTipBase);
            case 0x17:
                return palette.color(QPalette::ToolTipText);
            default:
                return palette.color(QPalette::Window);
        }
    }
    return QColor(int(w & 0xFF), int((w >> 8) & 0xFF), int((w >> 16) & 0xFF));
}

QColor Farbwert::alsFarbe(qint32 wert) { return alsFarbe(wert, QGuiApplication::palette()); }

qint32 Farbwert::alsWert(const QColor& farbe) {
    return qint32(quint32(farbe.red()) | (quint32(farbe.green()) << 8) |
                  (quint32(farbe.blue()) << 16));
}
