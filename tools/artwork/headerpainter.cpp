#include "headerpainter.h"

#include "artpalette.h"
#include "symbolpainter.h"

#include <QPainter>
#include <QPainterPath>

namespace {
QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient shade(const QRectF& box, const QColor& colour)
{
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour.darker(110));
    return g;
}

void message(QPainter& p)
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(3, 4, 26, 18), 4, 4);
    QPainterPath tail;
    tail.moveTo(9, 20);
    tail.lineTo(8, 28);
    tail.lineTo(16, 21);
    tail.closeSubpath();
    p.setPen(QPen(ArtPalette::brandDark(), 1.4));
    p.setBrush(shade(QRectF(3, 4, 26, 24), ArtPalette::brand()));
    p.drawPath(bubble.united(tail));
    p.setPen(roundPen(Qt::white, 2));
    p.drawLine(QPointF(8.5, 10), QPointF(23.5, 10));
    p.drawLine(QPointF(8.5, 15.5), QPointF(19, 15.5));
}

void systemCommand(QPainter& p)
{
    const QRectF frame(2.5, 4.5, 27, 23);
    p.setPen(QPen(ArtPalette::bezel(), 1.4));
    p.setBrush(ArtPalette::chassis());
    p.drawRoundedRect(frame, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::chassisLight());
    p.drawRoundedRect(QRectF(3.2, 5.2, 25.6, 5), 2.4, 2.4);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 0 ? ArtPalette::accent() : ArtPalette::grey());
        p.drawEllipse(QPointF(7 + 4 * i, 7.7), 1.2, 1.2);
    }
    p.setPen(roundPen(ArtPalette::lcd(), 2.2));
    p.drawPolyline(QPolygonF({QPointF(7.5, 14), QPointF(12, 18), QPointF(7.5, 22)}));
    p.setPen(roundPen(Qt::white, 2.2));
    p.drawLine(QPointF(15, 22.5), QPointF(22.5, 22.5));
}

void sendMail(QPainter& p)
{
    const QRectF envelope(2.5, 7, 27, 19);
    p.setPen(QPen(ArtPalette::brandDark(), 1.4));
    p.setBrush(shade(envelope, ArtPalette::paper()));
    p.drawRoundedRect(envelope, 2, 2);
    p.setPen(roundPen(ArtPalette::brand(), 1.6));
    p.drawPolyline(QPolygonF({QPointF(3.5, 8.5), QPointF(16, 18), QPointF(28.5, 8.5)}));
    p.drawLine(QPointF(3.5, 25), QPointF(12.5, 16.5));
    p.drawLine(QPointF(28.5, 25), QPointF(19.5, 16.5));
    // Outgoing arrow.
    p.setPen(roundPen(ArtPalette::accent(), 2.4));
    p.drawLine(QPointF(20, 4), QPointF(29, 4));
    p.drawPolyline(QPolygonF({QPointF(26, 1.5), QPointF(29, 4), QPointF(26, 6.5)}));
}

void powerOff(QPainter& p)
{
    SymbolPainter::drawDisc(p, QPointF(16, 16), 13.5, ArtPalette::red());
    SymbolPainter::drawPowerSymbol(p, QPointF(16, 17), 7, 3, Qt::white);
}

void outputSocket(QPainter& p)
{
    const QRectF plate(3, 3, 26, 26);
    p.setPen(QPen(ArtPalette::grey().darker(130), 1.4));
    p.setBrush(shade(plate, ArtPalette::panel()));
    p.drawRoundedRect(plate, 5, 5);
    p.setPen(QPen(ArtPalette::grey().darker(115), 1.2));
    p.setBrush(QColor(0xc4, 0xcb, 0xd2));
    p.drawEllipse(QPointF(16, 16), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::ink());
    p.drawEllipse(QPointF(11.5, 16.5), 2, 2);
    p.drawEllipse(QPointF(20.5, 16.5), 2, 2);
    p.setBrush(ArtPalette::green());
    p.drawRoundedRect(QRectF(14.5, 6.5, 3, 4), 1, 1);
}
} // namespace

QImage HeaderPainter::paint(Kind kind, int size)
{
    QImage image = SymbolPainter::canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    switch (kind) {
    case Kind::Message:
        message(p);
        break;
    case Kind::SystemCommand:
        systemCommand(p);
        break;
    case Kind::SendMail:
        sendMail(p);
        break;
    case Kind::PowerOff:
        powerOff(p);
        break;
    case Kind::OutputSocket:
        outputSocket(p);
        break;
    }
    return image;
}
