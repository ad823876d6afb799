#include "devicepainter.h"

#include "artpalette.h"
#include "symbolpainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {
constexpr qreal grid = 200;
constexpr qreal floorLine = 176;

QPointF depthVector(qreal depth)
{
    return QPointF(depth * 0.5, -depth * 0.32);
}

QPen outline(const QColor& body)
{
    return QPen(body.darker(170), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Front rectangle of a figure of the given front size and depth, centred on the canvas floor.
QRectF placeFront(qreal width, qreal height, qreal depth, qreal shift = 0)
{
    const QPointF d = depthVector(depth);
    const qreal left = (grid - (width + d.x())) / 2 + shift;
    return QRectF(left, floorLine - height, width, height);
}

void drawShadow(QPainter& p, const QRectF& front, qreal depth)
{
    const QPointF d = depthVector(depth);
    const QRectF area(front.left() - 8, front.bottom() + d.y() - 6, front.width() + d.x() + 16, -d.y() + 14);
    QRadialGradient shadow(area.center(), area.width() / 2);
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(area.center());
    p.scale(1, area.height() / area.width());
    p.translate(-area.center());
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(area.center(), area.width() / 2, area.width() / 2);
    p.restore();
}

// An oblique box seen from the front left; returns nothing, the front face is the given rectangle.
void drawBox(QPainter& p, const QRectF& front, qreal depth, const QColor& body, qreal corner)
{
    const QPointF d = depthVector(depth);
    p.setPen(outline(body));
    p.setBrush(body.lighter(body.lightness() > 128 ? 108 : 138));
    p.drawPolygon(QPolygonF({front.topLeft(), front.topLeft() + d, front.topRight() + d, front.topRight()}));
    QLinearGradient side(front.topRight(), front.bottomRight());
    side.setColorAt(0, body.darker(112));
    side.setColorAt(1, body.darker(140));
    p.setBrush(side);
    p.drawPolygon(
        QPolygonF({front.topRight(), front.topRight() + d, front.bottomRight() + d, front.bottomRight()}));
    QLinearGradient face(front.topLeft(), front.topRight());
    face.setColorAt(0, body.lighter(118));
    face.setColorAt(1, body);
    p.setBrush(face);
    p.drawRoundedRect(front, corner, corner);
}

void drawSlots(QPainter& p, const QRectF& area, qreal pitch, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (qreal y = area.top(); y + 2 <= area.bottom(); y += pitch)
        p.drawRoundedRect(QRectF(area.left(), y, area.width(), qMin(2.4, pitch * 0.5)), 1, 1);
}

void drawPerforation(QPainter& p, const QRectF& area, qreal pitch, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    int row = 0;
    for (qreal y = area.top() + pitch / 2; y < area.bottom(); y += pitch, ++row) {
        const qreal offset = (row % 2) ? pitch / 2 : 0;
        for (qreal x = area.left() + pitch / 2 + offset; x < area.right(); x += pitch)
            p.drawEllipse(QPointF(x, y), pitch * 0.26, pitch * 0.26);
    }
}

void drawLcd(QPainter& p, const QRectF& box)
{
    p.setPen(QPen(ArtPalette::bezel(), 0.8));
    p.setBrush(ArtPalette::lcdDark());
    p.drawRoundedRect(box, 1.5, 1.5);
    const QRectF inner =
        box.adjusted(box.width() * 0.12, box.height() * 0.22, -box.width() * 0.12, -box.height() * 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::lcd());
    const qreal bar = inner.height() / 3.2;
    p.drawRect(QRectF(inner.left(), inner.top(), inner.width() * 0.62, bar));
    p.drawRect(QRectF(inner.left(), inner.bottom() - bar, inner.width() * 0.4, bar));
    // Battery gauge.
    const QRectF gauge(inner.right() - inner.width() * 0.28, inner.top(), inner.width() * 0.28,
                       inner.height());
    p.setPen(QPen(ArtPalette::lcd(), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(gauge);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::lcd());
    p.drawRect(gauge.adjusted(1.2, gauge.height() * 0.35, -1.2, -1.2));
}

void drawTouchScreen(QPainter& p, const QRectF& box)
{
    p.setPen(QPen(ArtPalette::bezel(), 1));
    p.setBrush(ArtPalette::bezel());
    p.drawRoundedRect(box, 2, 2);
    const QRectF screen = box.adjusted(2, 2, -2, -2);
    QLinearGradient glow(screen.topLeft(), screen.bottomRight());
    glow.setColorAt(0, ArtPalette::brandLight());
    glow.setColorAt(1, ArtPalette::brand());
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRect(screen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRect(QRectF(screen.left() + 2, screen.top() + 2, screen.width() * 0.5, 1.6));
    p.drawRect(QRectF(screen.left() + 2, screen.top() + 5, screen.width() * 0.3, 1.6));
    p.setBrush(ArtPalette::green().lighter(130));
    p.drawRect(QRectF(screen.left() + 2, screen.bottom() - 4, screen.width() * 0.7, 2));
}

void drawLeds(QPainter& p, const QPointF& first, qreal step, qreal radius, bool vertical)
{
    const QColor colours[] = {ArtPalette::green(), ArtPalette::yellow(), ArtPalette::red()};
    for (int i = 0; i < 3; ++i) {
        const QPointF at = first + (vertical ? QPointF(0, i * step) : QPointF(i * step, 0));
        p.setPen(QPen(ArtPalette::bezel(), 0.6));
        p.setBrush(colours[i].lighter(i == 0 ? 125 : 100));
        p.drawEllipse(at, radius, radius);
    }
}

void drawPowerButton(QPainter& p, const QPointF& centre, qreal radius)
{
    p.setPen(QPen(ArtPalette::bezel(), 0.8));
    QRadialGradient cap(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    cap.setColorAt(0, ArtPalette::chassisLight().lighter(140));
    cap.setColorAt(1, ArtPalette::chassis());
    p.setBrush(cap);
    p.drawEllipse(centre, radius, radius);
    SymbolPainter::drawPowerSymbol(p, centre + QPointF(0, radius * 0.08), radius * 0.45, radius * 0.18,
                                   ArtPalette::lcd());
}

void drawTowerUnit(QPainter& p, const QRectF& front, qreal depth, const DevicePainter::Model& m,
                   bool batteryPack)
{
    const QColor body = m.dark ? ArtPalette::bezel() : ArtPalette::chassis();
    drawBox(p, front, depth, body, m.corner);
    const qreal w = front.width();
    const qreal h = front.height();

    // Feet.
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::bezel());
    p.drawRect(QRectF(front.left() + w * 0.08, front.bottom() - 0.5, w * 0.18, 2.5));
    p.drawRect(QRectF(front.right() - w * 0.26, front.bottom() - 0.5, w * 0.18, 2.5));

    if (batteryPack) {
        drawSlots(p, QRectF(front.left() + w * 0.2, front.top() + h * 0.12, w * 0.6, h * 0.76), 6,
                  ArtPalette::bezel());
        return;
    }

    const QRectF panel(front.left() + w * 0.12, front.top() + h * 0.07, w * 0.76, h * 0.34);
    QLinearGradient panelShade(panel.topLeft(), panel.bottomLeft());
    panelShade.setColorAt(0, ArtPalette::chassisLight().lighter(115));
    panelShade.setColorAt(1, ArtPalette::chassisLight());
    p.setPen(QPen(ArtPalette::bezel(), 0.8));
    p.setBrush(panelShade);
    p.drawRoundedRect(panel, 3, 3);

    if (m.display == DevicePainter::Display::Leds) {
        drawLeds(p, QPointF(panel.left() + panel.width() * 0.28, panel.top() + panel.height() * 0.3),
                 panel.width() * 0.22, qMax(2.0, w * 0.045), false);
    } else {
        drawLcd(p, QRectF(panel.left() + panel.width() * 0.12, panel.top() + panel.height() * 0.12,
                          panel.width() * 0.76, panel.height() * 0.4));
    }
    drawPowerButton(p, QPointF(panel.center().x(), panel.top() + panel.height() * 0.76),
                    qMin(panel.height() * 0.17, w * 0.09));

    p.setPen(Qt::NoPen);
    p.setBrush(m.accent);
    p.drawRect(QRectF(front.left() + w * 0.12, panel.bottom() + h * 0.04, w * 0.76, qMax(2.0, h * 0.022)));

    drawSlots(p, QRectF(front.left() + w * 0.2, front.top() + h * 0.53, w * 0.6, h * 0.33), 5.5,
              ArtPalette::bezel());
}

void drawRackUnit(QPainter& p, const QRectF& front, qreal depth, const DevicePainter::Model& m, bool ears,
                  bool batteryPack)
{
    const QColor body = m.dark ? ArtPalette::bezel() : ArtPalette::chassis();
    const qreal w = front.width();
    const qreal h = front.height();
    if (ears) {
        p.setPen(outline(ArtPalette::chassisLight()));
        p.setBrush(ArtPalette::chassisLight());
        for (const QRectF& ear : {QRectF(front.left() - 7, front.top() + 1, 8, h - 2),
                                  QRectF(front.right() - 1, front.top() + 1, 8, h - 2)}) {
            p.drawRoundedRect(ear, 1.5, 1.5);
        }
    }
    drawBox(p, front, depth, body, m.corner);
    if (ears) {
        p.setPen(Qt::NoPen);
        p.setBrush(ArtPalette::bezel());
        for (qreal x : {front.left() - 3.0, front.right() + 3.0}) {
            p.drawEllipse(QPointF(x, front.top() + 4.5), 1.4, 1.4);
            p.drawEllipse(QPointF(x, front.bottom() - 4.5), 1.4, 1.4);
        }
    }

    const QRectF leftVent(front.left() + w * 0.05, front.top() + h * 0.2, w * 0.27, h * 0.6);
    const QRectF rightVent(front.right() - w * 0.32, front.top() + h * 0.2, w * 0.27, h * 0.6);
    if (batteryPack) {
        drawPerforation(p, leftVent.united(rightVent), 4.5, ArtPalette::bezel());
        return;
    }
    drawPerforation(p, leftVent, 4.5, ArtPalette::bezel());
    drawPerforation(p, rightVent, 4.5, ArtPalette::bezel());

    const QRectF panel(front.left() + w * 0.36, front.top() + h * 0.12, w * 0.28, h * 0.76);
    p.setPen(QPen(ArtPalette::bezel(), 0.8));
    p.setBrush(ArtPalette::chassisLight());
    p.drawRoundedRect(panel, 2.5, 2.5);
    if (m.display == DevicePainter::Display::Leds) {
        drawLeds(p, QPointF(panel.left() + panel.width() * 0.2, panel.center().y()), panel.width() * 0.2,
                 qMin(2.6, panel.height() * 0.14), false);
        drawPowerButton(p, QPointF(panel.right() - panel.width() * 0.16, panel.center().y()),
                        qMin(panel.height() * 0.24, 5.0));
    } else {
        const QRectF lcd(panel.left() + panel.width() * 0.08, panel.top() + panel.height() * 0.16,
                         panel.width() * 0.6, panel.height() * 0.68);
        drawLcd(p, lcd);
        drawPowerButton(p, QPointF((lcd.right() + panel.right()) / 2, panel.center().y()),
                        qMin(panel.height() * 0.24, (panel.right() - lcd.right()) * 0.36));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(m.accent);
    p.drawRect(QRectF(panel.left(), panel.bottom() + 1.2, panel.width(), qMax(1.6, h * 0.05)));
}

void drawCabinetUnit(QPainter& p, const QRectF& front, qreal depth, const DevicePainter::Model& m)
{
    const QColor body = m.dark ? ArtPalette::bezel().lighter(110) : QColor(0xb9, 0xc1, 0xc9);
    drawBox(p, front, depth, body, m.corner);
    const qreal w = front.width();
    const qreal h = front.height();

    p.setPen(Qt::NoPen);
    p.setBrush(m.dark ? ArtPalette::bezel().darker(130) : ArtPalette::chassis());
    p.drawRect(QRectF(front.left() + 0.6, front.bottom() - h * 0.06, w - 1.2, h * 0.06 - 0.6));
    p.setBrush(m.accent);
    p.drawRect(QRectF(front.left() + 0.6, front.top() + h * 0.035, w - 1.2, qMax(2.2, h * 0.025)));

    const int doors = w > 110 ? 2 : 1;
    const qreal doorTop = front.top() + h * 0.08;
    const qreal doorBottom = front.bottom() - h * 0.08;
    const qreal doorWidth = (w - 8) / doors;
    const QColor ventColour = m.dark ? QColor(0x0c, 0x0f, 0x12) : ArtPalette::chassis();
    for (int d = 0; d < doors; ++d) {
        const QRectF door(front.left() + 4 + d * doorWidth, doorTop, doorWidth - (doors > 1 ? 1.5 : 0),
                          doorBottom - doorTop);
        QLinearGradient face(door.topLeft(), door.topRight());
        face.setColorAt(0, body.lighter(112));
        face.setColorAt(1, body.darker(104));
        p.setPen(outline(body));
        p.setBrush(face);
        p.drawRoundedRect(door, 2, 2);
        drawPerforation(p,
                        QRectF(door.left() + 4, door.top() + door.height() * 0.55, door.width() - 8,
                               door.height() * 0.38),
                        4.2, ventColour);
        // Handle on the opening edge.
        const qreal handleX = (d == doors - 1) ? door.right() - 5 : door.right() - 5;
        p.setPen(Qt::NoPen);
        p.setBrush(ArtPalette::bezel());
        p.drawRoundedRect(QRectF(handleX, door.top() + door.height() * 0.3, 2.6, door.height() * 0.14), 1.3,
                          1.3);
    }

    const QRectF screen(front.left() + 9, doorTop + 6, qMin(34.0, w * 0.36), qMin(26.0, h * 0.17));
    if (m.display == DevicePainter::Display::Touch)
        drawTouchScreen(p, screen);
    else
        drawLcd(p, screen);
    drawLeds(p, QPointF(screen.left() + 3, screen.bottom() + 6), 5.5, 1.8, false);
}

void drawGeneratorSet(QPainter& p, const DevicePainter::Model& m)
{
    const QColor body(0x5f, 0x74, 0x86);
    const qreal w = m.width;
    const qreal h = m.height;
    const qreal base = 12;
    const QRectF skid = placeFront(w + 8, base, m.depth + 4);
    const QRectF front(skid.left() + 4, skid.top() - h, w, h);
    drawShadow(p, skid, m.depth + 4);
    drawBox(p, skid, m.depth + 4, ArtPalette::bezel(), 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0c, 0x0f, 0x12));
    p.drawRect(QRectF(skid.left() + skid.width() * 0.18, skid.top() + 3.5, skid.width() * 0.14, base - 6));
    p.drawRect(QRectF(skid.right() - skid.width() * 0.32, skid.top() + 3.5, skid.width() * 0.14, base - 6));

    // Exhaust stack rises from the back of the roof, so it goes behind the body.
    const QPointF d = depthVector(m.depth);
    const QPointF stackBase = front.topRight() + d * 0.55 - QPointF(w * 0.2, 0);
    p.setPen(outline(ArtPalette::chassis()));
    p.setBrush(ArtPalette::chassisLight());
    p.drawRect(QRectF(stackBase.x() - 4, stackBase.y() - 24, 8, 26));
    p.setBrush(ArtPalette::chassis());
    p.drawEllipse(QPointF(stackBase.x(), stackBase.y() - 24), 4, 1.8);

    drawBox(p, front, m.depth, body, m.corner);

    // Lifting eyes on the roof.
    p.setPen(QPen(ArtPalette::bezel(), 2));
    p.setBrush(Qt::NoBrush);
    for (qreal t : {0.22, 0.7}) {
        const QPointF at = front.topLeft() + QPointF(w * t, 0) + d * 0.5;
        p.drawArc(QRectF(at.x() - 3.5, at.y() - 4, 7, 7), 0, 180 * 16);
    }

    // Control door on the left, louvres on the right, the maker's stripe along the foot.
    const QRectF door(front.left() + 6, front.top() + 8, w * 0.3, h - 20);
    p.setPen(outline(body));
    p.setBrush(body.lighter(110));
    p.drawRoundedRect(door, 2, 2);
    const QRectF panel(door.left() + 5, door.top() + 6, door.width() - 10, door.height() * 0.42);
    p.setPen(QPen(ArtPalette::bezel(), 0.8));
    p.setBrush(ArtPalette::chassis());
    p.drawRoundedRect(panel, 1.5, 1.5);
    drawLcd(p, QRectF(panel.left() + 3, panel.top() + 3, panel.width() - 6, panel.height() * 0.45));
    drawLeds(p, QPointF(panel.left() + 5, panel.bottom() - 5), 5, 1.6, false);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::bezel());
    p.drawRoundedRect(QRectF(door.right() - 5, door.center().y(), 2.6, 10), 1.3, 1.3);

    const QRectF louvres(door.right() + 8, front.top() + 10, front.right() - door.right() - 14, h - 26);
    p.setPen(QPen(body.darker(150), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal y = louvres.top(); y <= louvres.bottom(); y += 6)
        p.drawLine(QPointF(louvres.left(), y), QPointF(louvres.right(), y + 2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(m.accent);
    p.drawRect(QRectF(front.left() + 0.6, front.bottom() - 9, w - 1.2, 4));

    // Louvres on the side face as well.
    p.setPen(QPen(body.darker(175), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (qreal t = 0.25; t < 0.8; t += 0.1) {
        const QPointF from = front.topRight() + QPointF(0, h * t) + d * 0.2;
        p.drawLine(from, from + d * 0.6);
    }
}

void drawVirtualGroup(QPainter& p, const DevicePainter::Model& m)
{
    // A dashed outline of one large unit stands for the group; real members below feed it.
    const QRectF ghost = placeFront(m.width, m.height, m.depth).translated(0, -26);
    const QPointF d = depthVector(m.depth);
    QPen dashed(ArtPalette::brand(), 1.6, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
    dashed.setDashPattern({3, 2.5});
    QColor veil = ArtPalette::brandLight();
    veil.setAlpha(55);
    p.setPen(dashed);
    p.setBrush(veil);
    QPolygonF outlineShape({ghost.bottomLeft(), ghost.topLeft(), ghost.topLeft() + d, ghost.topRight() + d,
                            ghost.bottomRight() + d, ghost.bottomRight()});
    p.drawPolygon(outlineShape);
    p.drawLine(ghost.topRight(), ghost.topRight() + d);
    p.drawLine(ghost.topRight(), ghost.bottomRight());
    p.drawLine(ghost.topLeft(), ghost.topRight());
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::brand());
    SymbolPainter::drawPowerSymbol(p, ghost.center() - QPointF(0, ghost.height() * 0.12),
                                   ghost.width() * 0.16, 3.2, ArtPalette::brand());

    DevicePainter::Model member;
    member.accent = m.accent;
    member.corner = 3;
    const qreal mw = 40;
    const qreal mh = 70;
    const qreal md = 30;
    const QRectF left(22, floorLine - mh, mw, mh);
    const QRectF right(grid - 22 - mw - depthVector(md).x(), floorLine - mh, mw, mh);

    // Links from each member up into the group.
    QPen link(ArtPalette::accent(), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(link);
    p.setBrush(Qt::NoBrush);
    const QPointF hub(ghost.center().x(), ghost.bottom() + 12);
    p.drawPolyline(
        QPolygonF({QPointF(left.center().x(), left.top() - 2), QPointF(left.center().x(), hub.y()),
                   QPointF(right.center().x(), hub.y()), QPointF(right.center().x(), right.top() - 2)}));
    p.drawLine(hub, QPointF(hub.x(), ghost.bottom() - 1));
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::accent());
    p.drawEllipse(hub, 3.2, 3.2);

    for (const QRectF& unit : {left, right}) {
        drawShadow(p, unit, md);
        drawTowerUnit(p, unit, md, member, false);
    }
}

QList<DevicePainter::Model> catalogue()
{
    using F = DevicePainter::Family;
    using D = DevicePainter::Display;
    const QColor blue = ArtPalette::brand();
    const QColor orange = ArtPalette::accent();
    const QColor green = ArtPalette::green();
    const QColor teal(0x1f, 0xa2, 0xa8);
    const QColor red = ArtPalette::red();
    const QColor silver = ArtPalette::grey();

    const auto tower = [](const char* name, qreal w, qreal h, qreal d, QColor accent, D display,
                          int packs = 1, qreal corner = 4) {
        DevicePainter::Model m;
        m.name = QLatin1String(name);
        m.family = F::Tower;
        m.width = w;
        m.height = h;
        m.depth = d;
        m.accent = accent;
        m.display = display;
        m.modules = packs;
        m.corner = corner;
        return m;
    };
    const auto rack = [](const char* name, F family, int units, QColor accent, D display, bool extended) {
        DevicePainter::Model m;
        m.name = QLatin1String(name);
        m.family = family;
        m.width = 140;
        m.height = 19 * units;
        m.depth = 70;
        m.accent = accent;
        m.display = display;
        m.modules = units;
        m.extended = extended;
        m.corner = 2;
        return m;
    };
    const auto cabinet = [](const char* name, qreal w, qreal h, QColor accent, D display, int units,
                            bool dark) {
        DevicePainter::Model m;
        m.name = QLatin1String(name);
        m.family = F::Cabinet;
        m.width = w;
        m.height = h;
        m.depth = 64;
        m.accent = accent;
        m.display = display;
        m.modules = units;
        m.dark = dark;
        m.corner = 2;
        return m;
    };

    QList<DevicePainter::Model> models{
        tower("wrenpro", 58, 86, 62, blue, D::Leds, 1, 6),
        tower("wreniipro", 58, 90, 62, orange, D::Lcd, 1, 6),
        tower("wren_avr", 54, 82, 58, silver, D::Leds, 1, 6),
        tower("kitelcd", 62, 100, 70, blue, D::Lcd),
        tower("plover", 52, 78, 60, teal, D::Leds, 1, 10),
        tower("kitepro", 64, 106, 74, orange, D::Lcd),
        rack("kitepro_rack", F::Rack, 2, orange, D::Lcd, false),
        tower("kitepro_avr", 64, 106, 74, green, D::Leds),
        rack("kitepro_avr_rack", F::Rack, 2, green, D::Leds, false),
        tower("osprey", 66, 118, 80, blue, D::Lcd),
        rack("osprey_rack", F::Rack, 2, blue, D::Lcd, false),
        tower("osprey_hid", 66, 118, 80, teal, D::Lcd),
        rack("osprey_hid_rack", F::Rack, 2, teal, D::Lcd, false),
        tower("ospreyj", 60, 110, 76, silver, D::Lcd),
        rack("ospreyrt", F::RackTower, 2, blue, D::Lcd, false),
        rack("ospreyrt_xl", F::RackTower, 2, blue, D::Lcd, true),
        tower("ospreyxl", 64, 118, 78, blue, D::Lcd, 2),
        rack("ospreyxl_rack", F::Rack, 2, blue, D::Lcd, true),
        tower("ospreylt", 62, 112, 76, green, D::Leds),
        tower("ospreypro", 70, 128, 84, orange, D::Lcd),
        rack("ospreypro_rack", F::Rack, 3, orange, D::Lcd, false),
        rack("harrier_rt_plus", F::RackTower, 2, red, D::Lcd, false),
        rack("harrierrtplus6_10", F::RackTower, 3, red, D::Lcd, true),
        rack("harrier_rt_pro_1k_3k", F::RackTower, 2, orange, D::Lcd, false),
        cabinet("harrier_multi_10k_20k", 92, 146, blue, D::Lcd, 1, false),
        cabinet("harrier_dark", 92, 146, orange, D::Touch, 1, true),
        cabinet("falcon", 100, 150, red, D::Touch, 1, false),
        cabinet("harrier_dual31", 66, 134, blue, D::Lcd, 2, false),
        cabinet("harrier33", 118, 148, blue, D::Touch, 1, false),
        cabinet("harrier33green", 118, 148, green, D::Touch, 1, false),
        rack("harrierrt", F::RackTower, 2, silver, D::Lcd, false),
        rack("harrierrt_6_10", F::RackTower, 3, silver, D::Lcd, true),
        tower("ospreycondor", 76, 134, 88, teal, D::Lcd),
        cabinet("harrier", 84, 140, silver, D::Lcd, 1, false),
    };

    DevicePainter::Model virtualGroup;
    virtualGroup.name = QStringLiteral("virtual_device");
    virtualGroup.family = F::Virtual;
    virtualGroup.width = 70;
    virtualGroup.height = 104;
    virtualGroup.depth = 60;
    virtualGroup.accent = blue;
    models << virtualGroup;

    DevicePainter::Model generator;
    generator.name = QStringLiteral("ibis");
    generator.family = F::Generator;
    generator.width = 136;
    generator.height = 78;
    generator.depth = 70;
    generator.accent = orange;
    generator.corner = 3;
    models << generator;
    return models;
}
} // namespace

QStringList DevicePainter::names()
{
    QStringList result;
    for (const Model& m : catalogue())
        result << m.name;
    return result;
}

DevicePainter::Model DevicePainter::model(const QString& name)
{
    for (const Model& m : catalogue()) {
        if (m.name == name)
            return m;
    }
    return Model();
}

QImage DevicePainter::paint(const QString& name, int size)
{
    const Model m = model(name);
    if (m.name.isEmpty())
        return QImage();
    QImage image = SymbolPainter::canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / grid, size / grid);
    switch (m.family) {
    case Family::Tower:
        drawTower(p, m);
        break;
    case Family::Rack:
    case Family::RackTower:
        drawRack(p, m);
        break;
    case Family::Cabinet:
        drawCabinet(p, m);
        break;
    case Family::Generator:
        drawGenerator(p, m);
        break;
    case Family::Virtual:
        drawVirtual(p, m);
        break;
    }
    return image;
}

void DevicePainter::drawTower(QPainter& p, const Model& m)
{
    // Extra battery packs stand to the left of the unit, drawn first so the unit overlaps them.
    const qreal packWidth = m.width * 0.8;
    const qreal total = m.width + (m.modules - 1) * (packWidth + 4);
    QRectF front = placeFront(total, m.height, m.depth);
    drawShadow(p, front, m.depth);
    for (int pack = 1; pack < m.modules; ++pack) {
        drawTowerUnit(p, QRectF(front.left(), front.top(), packWidth, m.height), m.depth, m, true);
        front.setLeft(front.left() + packWidth + 4);
    }
    drawTowerUnit(p, front, m.depth, m, false);
}

void DevicePainter::drawRack(QPainter& p, const Model& m)
{
    const bool standing = m.family == Family::RackTower;
    const qreal packHeight = m.extended ? 28 : 0;
    const qreal feet = standing ? 6 : 0;
    QRectF stack = placeFront(m.width, m.height + packHeight + feet, m.depth);
    drawShadow(p, stack, m.depth);
    if (standing) {
        // Two low stands under a unit that can also lie in a rack.
        for (qreal x : {stack.left() + 10, stack.right() - 30}) {
            const QRectF stand(x, stack.bottom() - feet, 20, feet);
            drawBox(p, stand, m.depth * 0.9, ArtPalette::bezel(), 1);
        }
    }
    qreal bottom = stack.bottom() - feet;
    if (m.extended) {
        drawRackUnit(p, QRectF(stack.left(), bottom - packHeight, m.width, packHeight), m.depth, m, !standing,
                     true);
        bottom -= packHeight;
    }
    drawRackUnit(p, QRectF(stack.left(), bottom - m.height, m.width, m.height), m.depth, m, !standing, false);
}

void DevicePainter::drawCabinet(QPainter& p, const Model& m)
{
    const qreal gap = 3;
    const qreal total = m.modules * m.width + (m.modules - 1) * gap;
    const QRectF whole = placeFront(total, m.height, m.depth);
    drawShadow(p, whole, m.depth);
    for (int unit = 0; unit < m.modules; ++unit)
        drawCabinetUnit(p, QRectF(whole.left() + unit * (m.width + gap), whole.top(), m.width, m.height),
                        m.depth, m);
}

void DevicePainter::drawGenerator(QPainter& p, const Model& m)
{
    drawGeneratorSet(p, m);
}

void DevicePainter::drawVirtual(QPainter& p, const Model& m)
{
    drawVirtualGroup(p, m);
}
