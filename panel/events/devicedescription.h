#pragma once

#include "common/ups.h"

#include <QMap>
#include <QString>
#include <QStringList>

// What a UPS family's description file offers to event conditions: its item
// keys in file order and their display texts in one language. The files are
// compiled in under ":/data/data/".
class DeviceDescription
{
public:
    enum Status
    {
        Read,
        MissingFile,
        UnreadableFile,
        XmlError // what came before the error is kept
    };

    // Reads the file of `device`'s model, with the texts of `language` ("polish"
    // gives the Polish texts, anything else the English ones). Items only for
    // parallel units or power compensation are left out of the offered keys
    // unless the device has that capability; their texts stay.
    static DeviceDescription read(const Luminorix::Utils::Ups& device, const QString& language);

    // The file name, without ".xml", that a model name selects.
    static QString fileNameForModel(const QString& modelName);
    // ":/data/data/" + file name + ".xml".
    static QString resourcePath(const QString& modelName);
    // The models whose events are user definitions written against their
    // description file rather than the fixed event tables.
    static bool isAdvancedEventModel(const QString& modelName);

    Status status = MissingFile;
    QString path;
    QStringList offeredKeys;
    QMap<QString, QString> texts;
};
