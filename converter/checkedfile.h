#pragma once

#include <QByteArray>
#include <QString>

namespace Luminorix {

// File steps of the converter whose every result is checked, with the system's
// own reason on failure. The Qt classes lose some of these results: a buffered
// write that fails at close reports success, and a save file follows a link.
class CheckedFile
{
public:
    // What a copy of a file takes over from it.
    struct Attributes
    {
        bool known = false;
        unsigned mode = 0600; // permission bits only
        unsigned owner = 0;
        unsigned group = 0;
    };

    static Attributes attributesOf(const QString& path);

    // Creates a new file of a unique name in folder (name followed by a random
    // suffix) with the attributes, as far as they can be given, writes bytes to
    // it, makes them durable and reads them back. The path on success, empty
    // with the reason on failure (nothing is left behind then).
    static QString stage(const QString& folder, const QString& name, const QByteArray& bytes,
                         const Attributes& attributes, QString* error);
    // The same under exactly that path, which must not exist.
    static bool create(const QString& path, const QByteArray& bytes, const Attributes& attributes,
                       QString* error);

    static bool read(const QString& path, QByteArray* bytes, QString* error);

    // Puts from in the place of to in one step; a link at to is replaced, not followed.
    static bool replace(const QString& from, const QString& to, QString* error);

    // A new folder only its owner can enter; fails when anything is at path.
    static bool makeFolder(const QString& path, QString* error);
    // Removes a file, a link (never its target) or a folder with everything in it.
    static bool remove(const QString& path, QString* error);

    // Why a file of size bytes cannot be written in folder now; empty when it can.
    // Names the cause of a failure that a library kept to itself.
    static QString probe(const QString& folder, qint64 size);

    // Makes the names in folder durable after a replace; not every file system can.
    static void syncFolder(const QString& folder);
};

} // namespace Luminorix
