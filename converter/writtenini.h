#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QTextCodec;

namespace Converter {

// A settings file as the settings library writes it, read without the library:
// one pass over the bytes, where the library's own reading builds its maps of
// every key again. Knows only the forms the library writes; on anything else it
// gives up, and the caller asks the library.
class WrittenIni
{
public:
    struct Entry
    {
        QString key;     // "section/key"; a key of the general section alone
        QString section; // shared by the entries of one section
        QString text;
        QStringList list;
        bool isList = false; // then list holds the value, possibly no item at all
    };

    // The entries in the order of the file; false on a form it does not know.
    static bool read(const QByteArray& bytes, QTextCodec* codec, QVector<Entry>* entries);
    // The same, one entry at a time, in one object whose buffers each line reuses:
    // a big file then costs no object per line. False on a form it does not know
    // or when each returns false; each may have seen part of the file then.
    static bool visit(const QByteArray& bytes, QTextCodec* codec,
                      const std::function<bool(const Entry&)>& each);
};

} // namespace Converter
