#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

class QPainter;
class QRectF;

// Stylised pictures of the supported devices, one per model family member. The
// families differ in shape (tower, rack, three-phase cabinet, generator set,
// virtual UPS); models within a family differ in proportions and details.
class DevicePainter
{
public:
    enum class Family
    {
        Tower,
        Rack,
        RackTower,
        Cabinet,
        Generator,
        Virtual
    };

    enum class Display
    {
        Leds,
        Lcd,
        Touch
    };

    struct Model
    {
        QString name;
        Family family = Family::Tower;
        qreal width = 70;
        qreal height = 120;
        qreal depth = 60;
        QColor accent;
        Display display = Display::Lcd;
        int modules = 1;       // battery packs beside a tower, units stacked in a rack, cabinets side by side
        bool extended = false; // extra battery module
        bool dark = false;     // dark finish
        qreal corner = 4;
    };

    // Every picture name, in the order of the models they stand for.
    static QStringList names();
    static Model model(const QString& name);
    // A null image for an unknown name.
    static QImage paint(const QString& name, int size);

private:
    static void drawTower(QPainter& p, const Model& m);
    static void drawRack(QPainter& p, const Model& m);
    static void drawCabinet(QPainter& p, const Model& m);
    static void drawGenerator(QPainter& p, const Model& m);
    static void drawVirtual(QPainter& p, const Model& m);
};
