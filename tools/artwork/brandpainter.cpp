#include "brandpainter.h"

#include "artpalette.h"
#include "symbolpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
QFont brandFont(qreal pixelHeight, int weight, qreal spacingPercent = 100)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelHeight));
    font.setWeight(weight);
    font.setLetterSpacing(QFont::PercentageSpacing, spacingPercent);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The largest size up to pixelHeight at which the text fits the width.
QFont fittedFont(const QString& text, qreal maxWidth, qreal pixelHeight, int weight,
                 qreal spacingPercent = 100)
{
    QFont font = brandFont(pixelHeight, weight, spacingPercent);
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > maxWidth)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void begin(QPainter& p, QImage& image)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}
} // namespace

void BrandPainter::drawEmblem(QPainter& p, const QRectF& box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    QLinearGradient body(QPointF(0, 0), QPointF(0, 100));
    body.setColorAt(0, ArtPalette::brandLight());
    body.setColorAt(0.45, ArtPalette::brand());
    body.setColorAt(1, ArtPalette::brandDark());
    p.setPen(QPen(ArtPalette::brandDark().darker(120), 2.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 22, 22);

    // Charge bar along the foot: the battery that keeps the load alive.
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::accent());
    p.drawRoundedRect(QRectF(22, 80, 56, 7), 3.5, 3.5);

    QPolygonF bolt({QPointF(58, 10), QPointF(27, 51), QPointF(46, 51), QPointF(38, 76), QPointF(73, 35),
                    QPointF(53, 35), QPointF(64, 10)});
    p.setPen(QPen(ArtPalette::brandDark(), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(bolt);
    p.restore();
}

void BrandPainter::drawMakerMark(QPainter& p, const QRectF& box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    // A ring crossed by a wave that leaves it as a flat line: unsteady mains in, steady power out.
    p.setPen(QPen(ArtPalette::brand(), 9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 42, 42);
    QPainterPath wave;
    wave.moveTo(18, 50);
    wave.cubicTo(26, 18, 34, 18, 42, 50);
    wave.cubicTo(46, 66, 50, 66, 54, 50);
    wave.lineTo(82, 50);
    p.setPen(QPen(ArtPalette::brandDark(), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wave);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::accent());
    p.drawEllipse(QPointF(54, 50), 8, 8);
    p.restore();
}

QImage BrandPainter::appIcon(int size)
{
    QImage image = SymbolPainter::canvas(size, size);
    QPainter p;
    begin(p, image);
    drawEmblem(p, QRectF(0, 0, size, size));
    return image;
}

QImage BrandPainter::splash(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter p;
    begin(p, image);
    QLinearGradient sky(QPointF(0, 0), QPointF(width, height));
    sky.setColorAt(0, ArtPalette::brand());
    sky.setColorAt(1, ArtPalette::brandDark().darker(150));
    p.fillRect(image.rect(), sky);

    // Faint mains waveform across the background.
    for (int line = 0; line < 3; ++line) {
        QPainterPath wave;
        const qreal base = height * (0.62 + 0.1 * line);
        wave.moveTo(0, base);
        for (int x = 0; x <= width; x += 4)
            wave.lineTo(x, base + (14 - 3 * line) * std::sin((x + 40.0 * line) / width * 6.2832 * 1.5));
        p.setPen(QPen(QColor(255, 255, 255, 26 - 6 * line), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }

    const qreal mark = height * 0.34;
    const QRectF emblem(width * 0.08, height * 0.24, mark, mark);
    drawEmblem(p, emblem);

    const qreal textLeft = emblem.right() + width * 0.05;
    p.setPen(Qt::white);
    const QString name = QStringLiteral("Luminorix");
    p.setFont(fittedFont(name, width - textLeft - width * 0.08, height * 0.18, QFont::Bold));
    p.drawText(QRectF(textLeft, emblem.top() - height * 0.02, width - textLeft, mark * 0.72),
               Qt::AlignLeft | Qt::AlignVCenter, name);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtPalette::accent());
    p.drawRoundedRect(QRectF(textLeft + 2, emblem.top() + mark * 0.74, width * 0.44, height * 0.014), 2, 2);

    p.setPen(QColor(255, 255, 255, 60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    return image;
}

QImage BrandPainter::productBanner(int width, int height)
{
    QImage image = SymbolPainter::canvas(width, height);
    QPainter p;
    begin(p, image);
    const qreal mark = height * 0.84;
    const QRectF emblem(height * 0.08, height * 0.08, mark, mark);
    drawEmblem(p, emblem);
    const qreal textLeft = emblem.right() + height * 0.22;
    p.setPen(ArtPalette::ink());
    const QString name = QStringLiteral("Luminorix");
    const QString edition = QStringLiteral("PROFESSIONAL");
    p.setFont(fittedFont(name, width - textLeft - 4, height * 0.44, QFont::Bold));
    p.drawText(QRectF(textLeft, 0, width - textLeft, height * 0.66), Qt::AlignLeft | Qt::AlignBottom, name);
    p.setPen(ArtPalette::accent());
    p.setFont(fittedFont(edition, width - textLeft - 4, height * 0.15, QFont::DemiBold, 135));
    p.drawText(QRectF(textLeft + 2, height * 0.7, width - textLeft, height * 0.26),
               Qt::AlignLeft | Qt::AlignTop, edition);
    return image;
}

QImage BrandPainter::makerLogo(int width, int height)
{
    QImage image = SymbolPainter::canvas(width, height);
    QPainter p;
    begin(p, image);
    const qreal mark = height * 0.86;
    drawMakerMark(p, QRectF(height * 0.07, height * 0.07, mark, mark));
    const qreal textLeft = height * 1.1;
    p.setPen(ArtPalette::text());
    const QString name = QStringLiteral("LUMINORIX");
    const QString line = QStringLiteral("power protection");
    p.setFont(fittedFont(name, width - textLeft - 2, height * 0.36, QFont::Bold, 108));
    p.drawText(QRectF(textLeft, 0, width - textLeft, height * 0.64), Qt::AlignLeft | Qt::AlignBottom, name);
    p.setPen(ArtPalette::brand());
    p.setFont(fittedFont(line, width - textLeft - 2, height * 0.2, QFont::Normal, 104));
    p.drawText(QRectF(textLeft + 1, height * 0.64, width - textLeft, height * 0.34),
               Qt::AlignLeft | Qt::AlignTop, line);
    return image;
}

QImage BrandPainter::valueField(int width, int height)
{
    QImage image = SymbolPainter::canvas(width, height);
    QPainter p;
    begin(p, image);
    const QRectF box(0.5, 0.5, width - 1, height - 1);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(0x4a, 0x56, 0x63));
    fill.setColorAt(0.5, QColor(0x36, 0x40, 0x4b));
    fill.setColorAt(1, QColor(0x2a, 0x32, 0x3b));
    p.setPen(QPen(QColor(0x1b, 0x21, 0x27), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, 3.5, 3.5);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawLine(QPointF(3, 1.5), QPointF(width - 3, 1.5));
    return image;
}
