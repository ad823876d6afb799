#include "gifwriter.h"

#include <climits>

namespace {
constexpr int maxCodes = 4096;

class BitPacker
{
public:
    void put(int code, int width)
    {
        buffer |= quint32(code) << bits;
        bits += width;
        while (bits >= 8) {
            bytes.append(char(buffer & 0xff));
            buffer >>= 8;
            bits -= 8;
        }
    }
    QByteArray take()
    {
        if (bits > 0)
            bytes.append(char(buffer & 0xff));
        buffer = 0;
        bits = 0;
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 buffer = 0;
    int bits = 0;
};
} // namespace

GifWriter::GifWriter(QSize size, const QVector<QRgb>& palette, int transparentIndex)
    : canvas(size), colours(palette), transparent(transparentIndex),
      tableBits(colourTableBits(palette.size()))
{
    colours.resize(1 << tableBits);
    out.append("GIF89a", 6);
    writeWord(canvas.width());
    writeWord(canvas.height());
    // Global table present, 8-bit colour resolution, unsorted.
    out.append(char(0x80 | 0x70 | (tableBits - 1)));
    out.append(char(0));
    out.append(char(0));
    for (QRgb c : qAsConst(colours)) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    // Loop for ever.
    out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
    writeWord(0);
    out.append(char(0));
}

int GifWriter::colourTableBits(int count)
{
    int bits = 1;
    while ((1 << bits) < count && bits < 8)
        ++bits;
    return bits;
}

void GifWriter::writeWord(int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

quint8 GifWriter::nearestIndex(QRgb colour)
{
    const auto found = lookup.constFind(colour);
    if (found != lookup.constEnd())
        return *found;
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < colours.size(); ++i) {
        if (i == transparent)
            continue;
        const int dr = qRed(colours[i]) - qRed(colour);
        const int dg = qGreen(colours[i]) - qGreen(colour);
        const int db = qBlue(colours[i]) - qBlue(colour);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    lookup.insert(colour, quint8(best));
    return quint8(best);
}

void GifWriter::addFrame(const QImage& frame, int delayCentiseconds)
{
    const QImage image = frame.convertToFormat(QImage::Format_ARGB32)
                             .copy(QRect(QPoint(0, 0), canvas)); // pads with transparent black
    QByteArray indices;
    indices.reserve(canvas.width() * canvas.height());
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (transparent >= 0 && qAlpha(line[x]) < 128)
                indices.append(char(transparent));
            else
                indices.append(char(nearestIndex(line[x] | 0xff000000u)));
        }
    }

    // Graphic control: restore to background so transparent areas do not keep older frames.
    out.append("\x21\xf9\x04", 3);
    out.append(char((2 << 2) | (transparent >= 0 ? 1 : 0)));
    writeWord(delayCentiseconds);
    out.append(char(transparent >= 0 ? transparent : 0));
    out.append(char(0));

    out.append(char(0x2c));
    writeWord(0);
    writeWord(0);
    writeWord(canvas.width());
    writeWord(canvas.height());
    out.append(char(0));

    const int minCodeSize = qMax(2, tableBits);
    out.append(char(minCodeSize));
    const QByteArray data = lzwEncode(indices, minCodeSize);
    for (int pos = 0; pos < data.size(); pos += 255) {
        const int chunk = qMin(255, data.size() - pos);
        out.append(char(chunk));
        out.append(data.constData() + pos, chunk);
    }
    out.append(char(0));
    ++frames;
}

QByteArray GifWriter::finish()
{
    out.append(char(0x3b));
    return out;
}

QByteArray GifWriter::lzwEncode(const QByteArray& indices, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitPacker packer;
    QHash<quint32, int> table;
    int nextCode = 0;
    int codeSize = 0;
    const auto reset = [&] {
        table.clear();
        nextCode = endCode + 1;
        codeSize = minCodeSize + 1;
    };
    reset();
    packer.put(clearCode, codeSize);
    if (indices.isEmpty()) {
        packer.put(endCode, codeSize);
        return packer.take();
    }

    int prefix = quint8(indices.at(0));
    for (int i = 1; i < indices.size(); ++i) {
        const int symbol = quint8(indices.at(i));
        const quint32 key = (quint32(prefix) << 8) | quint32(symbol);
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = *found;
            continue;
        }
        packer.put(prefix, codeSize);
        table.insert(key, nextCode++);
        if (nextCode == maxCodes) {
            // The decoder lags one entry behind, so it never sees the last slot; start afresh.
            packer.put(clearCode, codeSize);
            reset();
        } else if (nextCode > (1 << codeSize)) {
            ++codeSize;
        }
        prefix = symbol;
    }
    packer.put(prefix, codeSize);
    // Reading that last code makes the decoder add one more entry, which may widen the end code.
    if (nextCode >= (1 << codeSize) && codeSize < 12)
        ++codeSize;
    packer.put(endCode, codeSize);
    return packer.take();
}
