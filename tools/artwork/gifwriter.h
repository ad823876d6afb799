#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QVector>

// Writes looping GIF89a animations: Qt reads GIF but cannot write it.
// Every frame is mapped onto one small global palette.
class GifWriter
{
public:
    // transparentIndex < 0: no transparency; pixels with alpha below one half map to it otherwise.
    GifWriter(QSize size, const QVector<QRgb>& palette, int transparentIndex = -1);

    // Frames are converted to the canvas size and palette; delay in hundredths of a second.
    void addFrame(const QImage& frame, int delayCentiseconds);
    int frameCount() const { return frames; }
    QByteArray finish();

    // The variable-length-code LZW stream of one image, before it is cut into sub-blocks.
    static QByteArray lzwEncode(const QByteArray& indices, int minCodeSize);

    static int colourTableBits(int colours);

private:
    quint8 nearestIndex(QRgb colour);
    void writeWord(int value);

    QSize canvas;
    QVector<QRgb> colours;
    int transparent;
    int tableBits;
    int frames = 0;
    QByteArray out;
    QHash<QRgb, quint8> lookup;
};
