#pragma once

#include <QColor>
#include <QImage>

class QPainter;

// Flat symbols on a 24-unit design grid, scaled to the target size; they stay
// legible from 16 px up because strokes are thick and shapes few.
class SymbolPainter
{
public:
    enum class Glyph
    {
        None,
        Check,
        Cross,
        Question,
        Exclamation,
        Info,
        Minus,
        Power,
        Play,
        Pause,
        Stop,
        Refresh,
        Hourglass,
        Padlock
    };

    static QImage canvas(int width, int height);
    // Begins antialiased painting on a 24 x 24 grid stretched over the image.
    static void begin(QPainter& painter, QImage& image);

    static QImage disc(int size, const QColor& fill, Glyph glyph);
    static QImage triangle(int size, const QColor& fill, Glyph glyph);
    static QImage led(int size, const QColor& fill, bool master, Glyph glyph = Glyph::None);
    static QImage clock(int size);
    static QImage host(int size, bool warning);
    static QImage monitor(int size, bool master);

    // Parts on the 24-unit grid, for composing larger pictures.
    static void drawDisc(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill);
    static void drawTriangle(QPainter& p, const QRectF& box, const QColor& fill);
    static void drawGlyph(QPainter& p, Glyph glyph, const QPointF& centre, qreal scale, const QColor& colour);
    static void drawStar(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill);
    static void drawPowerSymbol(QPainter& p, const QPointF& centre, qreal radius, qreal width,
                                const QColor& colour);
};
