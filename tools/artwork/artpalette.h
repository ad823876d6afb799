#pragma once

#include <QColor>

// One palette for all artwork so icons, pictures and animations read as one set.
// The status colours sit close to the texts the program colours itself.
class ArtPalette
{
public:
    static QColor ink() { return QColor(0x3c, 0x41, 0x48); }
    static QColor text() { return QColor(0x59, 0x59, 0x5b); }
    static QColor window() { return QColor(0xef, 0xef, 0xef); }
    static QColor paper() { return QColor(0xfb, 0xfc, 0xfd); }

    static QColor brand() { return QColor(0x1f, 0x6f, 0xb5); }
    static QColor brandDark() { return QColor(0x15, 0x4a, 0x7c); }
    static QColor brandLight() { return QColor(0x6c, 0xae, 0xe6); }
    static QColor accent() { return QColor(0xff, 0x66, 0x00); }

    static QColor green() { return QColor(0x2e, 0xa0, 0x43); }
    static QColor yellow() { return QColor(0xf2, 0xc1, 0x2e); }
    static QColor red() { return QColor(0xde, 0x14, 0x14); }
    static QColor orange() { return QColor(0xff, 0x7a, 0x1a); }
    static QColor grey() { return QColor(0xa3, 0xa9, 0xb0); }

    // Device bodies.
    static QColor chassis() { return QColor(0x33, 0x39, 0x41); }
    static QColor chassisLight() { return QColor(0x58, 0x62, 0x6e); }
    static QColor bezel() { return QColor(0x22, 0x27, 0x2d); }
    static QColor panel() { return QColor(0xdd, 0xe2, 0xe7); }
    static QColor lcd() { return QColor(0x7f, 0xd3, 0xf7); }
    static QColor lcdDark() { return QColor(0x10, 0x2c, 0x3a); }

    // Darker rim of a filled shape.
    static QColor rim(const QColor& fill) { return fill.darker(135); }
};
