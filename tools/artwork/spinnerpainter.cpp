#include "spinnerpainter.h"

#include "artpalette.h"
#include "gifwriter.h"
#include "symbolpainter.h"

#include <QPainter>
#include <QtMath>

namespace {
constexpr int rampSteps = 15;

// GIF has one-bit transparency: keep the solid part of each edge pixel, blended
// over the usual window colour, and drop the faint rest.
QImage flatten(const QImage& frame)
{
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    const QColor window = ArtPalette::window();
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a < 128) {
                line[x] = 0;
                continue;
            }
            const auto over = [a](int c, int bg) { return (c * a + bg * (255 - a)) / 255; };
            line[x] = qRgb(over(qRed(line[x]), window.red()), over(qGreen(line[x]), window.green()),
                           over(qBlue(line[x]), window.blue()));
        }
    }
    return out;
}
} // namespace

QColor SpinnerPainter::mix(const QColor& from, const QColor& to, qreal amount)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * amount,
                            from.greenF() + (to.greenF() - from.greenF()) * amount,
                            from.blueF() + (to.blueF() - from.blueF()) * amount);
}

QVector<QRgb> SpinnerPainter::rampPalette(const QVector<QColor>& colours, int steps)
{
    QVector<QRgb> palette{ArtPalette::window().rgb()};
    for (const QColor& colour : colours) {
        for (int step = 1; step <= steps; ++step)
            palette << mix(ArtPalette::window(), colour, qreal(step) / steps).rgb();
    }
    return palette;
}

QByteArray SpinnerPainter::encode(const QVector<QImage>& frames, const QVector<QColor>& colours, int delay)
{
    GifWriter writer(frames.first().size(), rampPalette(colours, rampSteps), 0);
    for (const QImage& frame : frames)
        writer.addFrame(flatten(frame), delay);
    return writer.finish();
}

QByteArray SpinnerPainter::dots(int size, int count, const QColor& colour, int delayCentiseconds)
{
    QVector<QImage> frames;
    const QPointF centre(size / 2.0, size / 2.0);
    const qreal ring = size * 0.36;
    const qreal dot = qMax(1.2, size * 0.085);
    for (int frame = 0; frame < count; ++frame) {
        QImage image = SymbolPainter::canvas(size, size);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < count; ++i) {
            const int behind = (frame - i + count) % count;
            const qreal strength = qMax(0.22, 1.0 - behind * (1.0 / (count * 0.6)));
            const qreal angle = -M_PI / 2 + i * 2 * M_PI / count;
            p.setBrush(mix(ArtPalette::window(), colour, strength));
            const qreal r = dot * (0.75 + 0.25 * strength);
            p.drawEllipse(centre + QPointF(ring * qCos(angle), ring * qSin(angle)), r, r);
        }
        p.end();
        frames << image;
    }
    return encode(frames, {colour}, delayCentiseconds);
}

QByteArray SpinnerPainter::arc(int size, int frameCount, const QColor& colour, int delayCentiseconds)
{
    QVector<QImage> frames;
    const qreal width = size * 0.11;
    const QRectF ring(width, width, size - 2 * width, size - 2 * width);
    const QColor track = mix(ArtPalette::window(), ArtPalette::grey(), 0.55);
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image = SymbolPainter::canvas(size, size);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(track, width));
        p.drawEllipse(ring);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        const int start = 90 * 16 - frame * 360 * 16 / frameCount;
        // The arc breathes a little so the motion reads as work, not a fixed wheel.
        const int span = (80 + int(40 * std::sin(frame * 2 * M_PI / frameCount))) * 16;
        p.drawArc(ring, start, -span);
        p.end();
        frames << image;
    }
    return encode(frames, {colour, ArtPalette::grey()}, delayCentiseconds);
}
