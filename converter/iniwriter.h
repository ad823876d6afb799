#pragma once

#include "keyrecord.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

class QTextCodec;

namespace Converter {

// A new settings file, byte for byte as the settings library writes one from
// the same keys, without the sorted maps the library builds of every key on
// the way. Knows only what the converter writes; on anything else it says so,
// and the caller lets the library write.
class IniWriter
{
public:
    // False, with nothing appended, when a key or a value is of a form it does
    // not write as the library would.
    // order, when given, gets each key of the record in the order written.
    struct Written
    {
        const QString* section;
        const QString* key;
        const QVariant* value;
    };
    static bool format(const KeyRecord& record, QTextCodec* codec, QByteArray* bytes,
                       QVector<Written>* order = nullptr);
    // The same from full keys as the library keeps them ("section/key", a key of
    // the general section alone).
    static bool format(const QHash<QString, QVariant>& values, QTextCodec* codec, QByteArray* bytes);

    // Whether the library stores key under exactly that name: no empty part.
    static bool isPlainKey(const QString& key);
    // The text after "=" for value; false for a type it does not write.
    static bool appendValue(const QVariant& value, QTextCodec* codec, QByteArray* bytes);
    static void appendKey(const QStringRef& key, QByteArray* bytes);
};

} // namespace Converter
