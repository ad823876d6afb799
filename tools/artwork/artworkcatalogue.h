#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <functional>

// Every generated file with the resource prefix it is compiled under; the
// resource path is ":" + prefix + "/" + path.
class ArtworkCatalogue
{
public:
    struct Item
    {
        QString prefix;
        QString path;
        std::function<QByteArray()> render;
    };

    static QList<Item> items();
    static QString resourcePath(const Item& item);
    // A resource collection file listing the items relative to the folder they are written to.
    static QByteArray qrc(const QList<Item>& items);
    static QByteArray png(const QImage& image);
};
