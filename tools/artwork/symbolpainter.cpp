#include "symbolpainter.h"

#include "artpalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {
QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient verticalShade(const QRectF& box, const QColor& fill)
{
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, fill.lighter(118));
    shade.setColorAt(1, fill.darker(108));
    return shade;
}
} // namespace

QImage SymbolPainter::canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void SymbolPainter::begin(QPainter& painter, QImage& image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(image.width() / 24.0, image.height() / 24.0);
}

void SymbolPainter::drawDisc(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(ArtPalette::rim(fill), radius / 10.0));
    p.setBrush(verticalShade(box, fill));
    p.drawEllipse(box.adjusted(radius / 20.0, radius / 20.0, -radius / 20.0, -radius / 20.0));
}

void SymbolPainter::drawTriangle(QPainter& p, const QRectF& box, const QColor& fill)
{
    QPainterPath path;
    path.moveTo(box.center().x(), box.top());
    path.lineTo(box.right(), box.bottom());
    path.lineTo(box.left(), box.bottom());
    path.closeSubpath();
    p.setPen(roundPen(ArtPalette::rim(fill), box.width() / 14.0));
    p.setBrush(verticalShade(box, fill));
    p.drawPath(path);
}

void SymbolPainter::drawStar(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? radius : radius * 0.45;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(r * qCos(angle), r * qSin(angle));
    }
    p.setPen(QPen(Qt::white, radius * 0.32, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(star);
    p.setPen(QPen(ArtPalette::rim(fill), radius * 0.08));
    p.setBrush(fill);
    p.drawPolygon(star);
}

void SymbolPainter::drawPowerSymbol(QPainter& p, const QPointF& centre, qreal radius, qreal width,
                                    const QColor& colour)
{
    p.setPen(roundPen(colour, width));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(ring, 125 * 16, 290 * 16);
    p.drawLine(QPointF(centre.x(), centre.y() - radius * 1.25),
               QPointF(centre.x(), centre.y() - radius * 0.1));
}

void SymbolPainter::drawGlyph(QPainter& p, Glyph glyph, const QPointF& centre, qreal scale,
                              const QColor& colour)
{
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    const QPen pen = roundPen(colour, 2.6);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Check:
        p.drawPolyline(QPolygonF({QPointF(-5, 0.3), QPointF(-1.6, 3.8), QPointF(5.2, -3.8)}));
        break;
    case Glyph::Cross:
        p.drawLine(QPointF(-3.8, -3.8), QPointF(3.8, 3.8));
        p.drawLine(QPointF(3.8, -3.8), QPointF(-3.8, 3.8));
        break;
    case Glyph::Question: {
        QPainterPath hook;
        hook.moveTo(-3.3, -2.4);
        hook.cubicTo(-3.3, -7.0, 3.5, -7.0, 3.5, -2.6);
        hook.cubicTo(3.5, 0.2, 0, 0.2, 0, 2.4);
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(0, 5.9), 1.6, 1.6);
        break;
    }
    case Glyph::Exclamation:
        p.drawLine(QPointF(0, -5.8), QPointF(0, 1.6));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(0, 5.6), 1.6, 1.6);
        break;
    case Glyph::Info:
        p.drawLine(QPointF(0, -0.8), QPointF(0, 5.8));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(0, -5.0), 1.6, 1.6);
        break;
    case Glyph::Minus:
        p.setPen(roundPen(colour, 3));
        p.drawLine(QPointF(-5, 0), QPointF(5, 0));
        break;
    case Glyph::Power:
        drawPowerSymbol(p, QPointF(0, 0.8), 5.2, 2.3, colour);
        break;
    case Glyph::Play:
        p.setPen(roundPen(colour, 1.2));
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({QPointF(-3, -5), QPointF(5.2, 0), QPointF(-3, 5)}));
        break;
    case Glyph::Pause:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(-4.6, -5, 3.4, 10), 0.8, 0.8);
        p.drawRoundedRect(QRectF(1.2, -5, 3.4, 10), 0.8, 0.8);
        break;
    case Glyph::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(-4.4, -4.4, 8.8, 8.8), 1.2, 1.2);
        break;
    case Glyph::Refresh: {
        p.setPen(roundPen(colour, 2.3));
        const QRectF ring(-5, -5, 10, 10);
        p.drawArc(ring, 30 * 16, 150 * 16);
        p.drawArc(ring, 210 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({QPointF(-8.6, -1.4), QPointF(-1.6, -1.4), QPointF(-5.1, 3.4)}));
        p.drawPolygon(QPolygonF({QPointF(8.6, 1.4), QPointF(1.6, 1.4), QPointF(5.1, -3.4)}));
        break;
    }
    case Glyph::Hourglass:
        p.setPen(roundPen(colour, 1.8));
        p.drawLine(QPointF(-4.5, -6), QPointF(4.5, -6));
        p.drawLine(QPointF(-4.5, 6), QPointF(4.5, 6));
        p.setBrush(colour);
        p.setPen(roundPen(colour, 1.2));
        p.drawPolygon(QPolygonF({QPointF(-3.6, -5), QPointF(3.6, -5), QPointF(0, 0)}));
        p.drawPolygon(QPolygonF({QPointF(0, 0.6), QPointF(3.6, 5), QPointF(-3.6, 5)}));
        break;
    case Glyph::Padlock:
        p.setPen(roundPen(colour, 2.0));
        p.drawArc(QRectF(-3.2, -6.4, 6.4, 8), 0, 180 * 16);
        p.drawLine(QPointF(-3.2, -2.4), QPointF(-3.2, -0.8));
        p.drawLine(QPointF(3.2, -2.4), QPointF(3.2, -0.8));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(-5, -1, 10, 7.2), 1.2, 1.2);
        break;
    }
    p.restore();
}

QImage SymbolPainter::disc(int size, const QColor& fill, Glyph glyph)
{
    QImage image = canvas(size, size);
    QPainter p;
    begin(p, image);
    drawDisc(p, QPointF(12, 12), 11, fill);
    // Soft highlight on the upper half keeps the flat discs from looking dull.
    QLinearGradient gloss(QPointF(12, 1.5), QPointF(12, 12));
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(4, 1.8, 16, 10));
    drawGlyph(p, glyph, QPointF(12, 12), 1.15, Qt::white);
    return image;
}

QImage SymbolPainter::triangle(int size, const QColor& fill, Glyph glyph)
{
    QImage image = canvas(size, size);
    QPainter p;
    begin(p, image);
    drawTriangle(p, QRectF(1.2, 1.8, 21.6, 20.2), fill);
    drawGlyph(p, glyph, QPointF(12, 14.4), 0.95, ArtPalette::ink());
    return image;
}

QImage SymbolPainter::led(int size, const QColor& fill, bool master, Glyph glyph)
{
    QImage image = canvas(size, size);
    QPainter p;
    begin(p, image);
    const QPointF centre(12, 12);
    const qreal radius = 9.6;
    QRadialGradient glow(QPointF(9.5, 8.5), radius * 1.4);
    glow.setColorAt(0, fill.lighter(160));
    glow.setColorAt(0.55, fill);
    glow.setColorAt(1, fill.darker(125));
    p.setPen(QPen(ArtPalette::rim(fill).darker(115), 1.3));
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(6.6, 5.2, 6.4, 4.2));
    drawGlyph(p, glyph, centre, 1.0, Qt::white);
    if (master)
        drawStar(p, QPointF(18.2, 18.0), 6.0, ArtPalette::brand());
    return image;
}

QImage SymbolPainter::clock(int size)
{
    QImage image = canvas(size, size);
    QPainter p;
    begin(p, image);
    const QPointF centre(12, 12);
    p.setPen(QPen(ArtPalette::brandDark(), 1.6));
    p.setBrush(ArtPalette::paper());
    p.drawEllipse(centre, 10.2, 10.2);
    p.setPen(roundPen(ArtPalette::ink(), 1.2));
    for (int hour = 0; hour < 12; hour += 3) {
        const qreal angle = hour * M_PI / 6;
        p.drawLine(centre + QPointF(7.6 * qSin(angle), -7.6 * qCos(angle)),
                   centre + QPointF(8.8 * qSin(angle), -8.8 * qCos(angle)));
    }
    p.setPen(roundPen(ArtPalette::ink(), 2.0));
    p.drawLine(centre, centre + QPointF(0, -6.4));
    p.setPen(roundPen(ArtPalette::red(), 1.8));
    p.drawLine(centre, centre + QPointF(4.8, 2.6));
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::ink());
    p.drawEllipse(centre, 1.4, 1.4);
    return image;
}

QImage SymbolPainter::host(int size, bool warning)
{
    QImage image = canvas(size, size);
    QPainter p;
    begin(p, image);
    const QRectF body(5, 1.5, 14, 21);
    QLinearGradient shade(body.topLeft(), body.topRight());
    shade.setColorAt(0, ArtPalette::chassisLight());
    shade.setColorAt(1, ArtPalette::chassis());
    p.setPen(QPen(ArtPalette::bezel(), 1.2));
    p.setBrush(shade);
    p.drawRoundedRect(body, 2, 2);
    p.setPen(roundPen(ArtPalette::grey(), 1.6));
    for (qreal y : {6.0, 9.5, 13.0})
        p.drawLine(QPointF(8, y), QPointF(16, y));
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::green().lighter(120));
    p.drawEllipse(QPointF(15.2, 18.6), 1.5, 1.5);
    if (warning) {
        drawTriangle(p, QRectF(10.5, 10.5, 13, 12.4), ArtPalette::orange());
        drawGlyph(p, Glyph::Exclamation, QPointF(17, 18.2), 0.55, ArtPalette::ink());
    }
    return image;
}

QImage SymbolPainter::monitor(int size, bool master)
{
    QImage image = canvas(size, size);
    QPainter p;
    begin(p, image);
    p.setPen(QPen(ArtPalette::ink(), 1.2));
    p.setBrush(ArtPalette::chassisLight());
    p.drawRoundedRect(QRectF(1.5, 3, 21, 14.5), 1.8, 1.8);
    QLinearGradient screen(QPointF(0, 4.5), QPointF(0, 15.5));
    screen.setColorAt(0, ArtPalette::brandLight());
    screen.setColorAt(1, ArtPalette::brand());
    p.setPen(Qt::NoPen);
    p.setBrush(screen);
    p.drawRect(QRectF(3.6, 5, 16.8, 10.5));
    p.setBrush(ArtPalette::ink());
    p.drawPolygon(QPolygonF({QPointF(10, 17.5), QPointF(14, 17.5), QPointF(15, 20.5), QPointF(9, 20.5)}));
    p.drawRoundedRect(QRectF(6.5, 20, 11, 2), 1, 1);
    if (master)
        drawStar(p, QPointF(17.4, 7.6), 6.2, QColor(0xf5, 0xb7, 0x00));
    return image;
}
