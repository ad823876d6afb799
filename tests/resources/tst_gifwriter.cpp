#include "tests/support/lxtestcore.h"
#include "tools/artwork/gifwriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>

// The animations are written by our own encoder; Qt's reader is the judge.
class TestGifWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void colourTableBits_data();
    void colourTableBits();
};

namespace {
enum Pattern
{
    Noise,   // no repeats: the code table fills and restarts many times
    Uniform, // one long run: long chains of codes
    Stripes, // short repeats
    Gradient
};

QVector<QRgb> palette(int colours)
{
    QVector<QRgb> result;
    for (int i = 0; i < colours; ++i)
        result << qRgb((i * 37) & 0xff, (i * 91 + 17) & 0xff, (255 - i * 13) & 0xff);
    return result;
}

// An indexed picture, and the same in colours as it is handed to the writer.
QImage frame(QSize size, const QVector<QRgb>& colours, Pattern pattern, quint32 seed, QVector<int>& indices)
{
    QRandomGenerator random(seed);
    QImage image(size, QImage::Format_ARGB32);
    indices.clear();
    const int count = colours.size();
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            int index = 0;
            switch (pattern) {
            case Noise:
                index = int(random.bounded(count));
                break;
            case Uniform:
                index = int(seed % quint32(count));
                break;
            case Stripes:
                index = ((x + int(seed)) / 3 + y) % count;
                break;
            case Gradient:
                index = (x * count / qMax(1, size.width()) + int(seed)) % count;
                break;
            }
            indices << index;
            image.setPixel(x, y, colours.at(index));
        }
    }
    return image;
}
} // namespace

void TestGifWriter::roundTrip_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<int>("frames");

    QTest::newRow("noise 256 colours, many table resets") << QSize(211, 173) << 256 << int(Noise) << 2;
    QTest::newRow("noise 16 colours") << QSize(97, 61) << 16 << int(Noise) << 3;
    QTest::newRow("noise 2 colours, minimum code size") << QSize(64, 64) << 2 << int(Noise) << 2;
    QTest::newRow("noise 5 colours, padded table") << QSize(33, 17) << 5 << int(Noise) << 2;
    QTest::newRow("uniform, long chains") << QSize(400, 300) << 4 << int(Uniform) << 2;
    QTest::newRow("stripes") << QSize(120, 80) << 32 << int(Stripes) << 4;
    QTest::newRow("gradient") << QSize(255, 3) << 128 << int(Gradient) << 2;
    QTest::newRow("single pixel") << QSize(1, 1) << 2 << int(Noise) << 2;
    QTest::newRow("one column") << QSize(1, 300) << 64 << int(Noise) << 2;
}

void TestGifWriter::roundTrip()
{
    QFETCH(QSize, size);
    QFETCH(int, colours);
    QFETCH(int, pattern);
    QFETCH(int, frames);

    const QVector<QRgb> table = palette(colours);
    GifWriter writer(size, table);
    QVector<QVector<int>> expected;
    for (int i = 0; i < frames; ++i) {
        QVector<int> indices;
        writer.addFrame(frame(size, table, Pattern(pattern), quint32(7 + i), indices), 4 + i);
        expected << indices;
    }
    QCOMPARE(writer.frameCount(), frames);
    QByteArray bytes = writer.finish();
    QVERIFY(bytes.startsWith("GIF89a"));
    QVERIFY(bytes.endsWith(';'));

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.imageCount(), frames);
    QCOMPARE(reader.loopCount(), -1);
    for (int i = 0; i < frames; ++i) {
        const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(decoded.size(), size);
        QCOMPARE(reader.nextImageDelay(), (4 + i) * 10);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb want = table.at(expected[i][y * size.width() + x]);
                if (decoded.pixel(x, y) != want)
                    QFAIL(qPrintable(QStringLiteral("frame %1 differs at %2,%3").arg(i).arg(x).arg(y)));
            }
        }
    }
}

void TestGifWriter::colourTableBits_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("bits");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 1;
    QTest::newRow("3") << 3 << 2;
    QTest::newRow("16") << 16 << 4;
    QTest::newRow("17") << 17 << 5;
    QTest::newRow("256") << 256 << 8;
}

void TestGifWriter::colourTableBits()
{
    QFETCH(int, colours);
    QFETCH(int, bits);
    QCOMPARE(GifWriter::colourTableBits(colours), bits);
}

LX_TEST_GUILESS_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
