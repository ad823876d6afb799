#pragma once

#include <QImage>

class QPainter;
class QRectF;

// The product's mark and the pictures built around it.
class BrandPainter
{
public:
    static QImage appIcon(int size);
    static QImage splash(int width, int height);
    static QImage productBanner(int width, int height);
    static QImage makerLogo(int width, int height);
    // Dark value field drawn behind white text; stretched as a border image with 4 px edges.
    static QImage valueField(int width, int height);

    static void drawEmblem(QPainter& p, const QRectF& box);
    static void drawMakerMark(QPainter& p, const QRectF& box);
};
