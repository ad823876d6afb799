#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QVector>

// Busy animations, written as looping GIFs.
class SpinnerPainter
{
public:
    // A ring of dots with a fading tail.
    static QByteArray dots(int size, int count, const QColor& colour, int delayCentiseconds);
    // An arc running round a pale track.
    static QByteArray arc(int size, int frameCount, const QColor& colour, int delayCentiseconds);

    // Index 0 is transparent; the rest are ramps from the window colour to each given colour.
    static QVector<QRgb> rampPalette(const QVector<QColor>& colours, int steps);
    static QColor mix(const QColor& from, const QColor& to, qreal amount);

private:
    static QByteArray encode(const QVector<QImage>& frames, const QVector<QColor>& colours, int delay);
};
