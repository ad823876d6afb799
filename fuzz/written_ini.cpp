// Arbitrary bytes as a file the settings library wrote: the converter's quick
// reading must not crash, and whatever it accepts the library must read the
// same way, or the read-back check could vouch for a file the service reads
// otherwise. The same bytes as an old file: the quick reading of it must give
// what the library's reading gives, key for key and type for type.
#include "converter/caselesssettings.h"
#include "converter/initext.h"
#include "converter/writtenini.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

int counter = 0;

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// The bytes as a file for the library; a new name each time, since the library
// caches what it read by path. Empty when it cannot be written.
QString fileOf(const QByteArray& bytes, const char* prefix)
{
    const QString path =
        workDir().filePath(QStringLiteral("%1%2.ini").arg(QLatin1String(prefix)).arg(++counter));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QStringList texts(const QVariant& value)
{
    if (!value.isValid())
        return {};
    if (value.userType() == QMetaType::QStringList || value.userType() == QMetaType::QVariantList)
        return value.toStringList();
    return {value.toString()};
}

void check(const QByteArray& bytes, QTextCodec* codec)
{
    QVector<Converter::WrittenIni::Entry> entries;
    if (!Converter::WrittenIni::read(bytes, codec, &entries))
        return;
    QSet<QString> keys;
    for (const Converter::WrittenIni::Entry& entry : qAsConst(entries)) {
        // The read-back check refuses a key twice itself.
        if (keys.contains(entry.key))
            return;
        keys.insert(entry.key);
    }
    const QString path = fileOf(bytes, "in");
    if (path.isEmpty())
        return;
    QSettings library(path, QSettings::IniFormat);
    if (codec)
        library.setIniCodec(codec);
    const QStringList libraryKeys = library.allKeys();
    if (QSet<QString>(libraryKeys.cbegin(), libraryKeys.cend()) != keys)
        std::abort();
    for (const Converter::WrittenIni::Entry& entry : qAsConst(entries)) {
        if (texts(library.value(entry.key)) != (entry.isList ? entry.list : QStringList{entry.text}))
            std::abort();
    }
    QFile::remove(path);
}

void compareOldReadings(const QByteArray& bytes)
{
    // What the converter hands to neither reading.
    if (Converter::IniText::firstDamagedLine(bytes) != 0)
        return;
    QTextCodec* codec = Converter::IniText::codecFor(bytes);
    QVector<Converter::WrittenIni::Entry> entries;
    Converter::CaselessSettings quick;
    if (!Converter::WrittenIni::read(bytes, codec, &entries) ||
        !Converter::CaselessSettings::fromEntries(entries, &quick))
        return;
    const QString path = fileOf(bytes, "old");
    if (path.isEmpty())
        return;
    {
        QSettings library(path, QSettings::IniFormat);
        if (codec)
            library.setIniCodec(codec);
        const Converter::CaselessSettings slow(library);
        const QHash<QString, QVariant> slowValues = slow.values();
        const QHash<QString, QVariant> quickValues = quick.values();
        if (library.status() != QSettings::NoError || slowValues.size() != quickValues.size())
            std::abort();
        for (auto it = slowValues.cbegin(); it != slowValues.cend(); ++it) {
            const auto found = quickValues.constFind(it.key());
            if (found == quickValues.constEnd() || found->userType() != it->userType() || *found != *it)
                std::abort();
        }
        QList<QString> slowSections = slow.sectionNames();
        QList<QString> quickSections = quick.sectionNames();
        std::sort(slowSections.begin(), slowSections.end());
        std::sort(quickSections.begin(), quickSections.end());
        if (slowSections != quickSections)
            std::abort();
    }
    QFile::remove(path);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "written_ini";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    check(bytes, nullptr);
    check(bytes, QTextCodec::codecForName("UTF-8"));
    compareOldReadings(bytes);
    return 0;
}
