// Arbitrary keys and values written by the converter's own writer and by the
// settings library: whatever the writer takes on, it must write byte for byte as
// the library does. Input: the first byte picks the codec (odd: UTF-8), then one
// "key=value" per line, as UTF-8; a value "[a|b" is a list, "#12" an int.
#include "converter/iniwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>
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

QVariant valueOf(const QString& text)
{
    if (text.startsWith(QLatin1Char('[')))
        return text.mid(1).split(QLatin1Char('|'));
    if (text.startsWith(QLatin1Char('#')))
        return text.mid(1).toInt();
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "ini_writer";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    QTextCodec* codec = data[0] % 2 ? QTextCodec::codecForName("UTF-8") : nullptr;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, int(size - 1));
    QHash<QString, QVariant> values;
    for (const QByteArray& line : bytes.split('\n')) {
        const int equals = line.indexOf('=');
        if (equals < 0)
            continue;
        values.insert(QString::fromUtf8(line.left(equals)), valueOf(QString::fromUtf8(line.mid(equals + 1))));
    }
    QByteArray ours;
    if (values.isEmpty() || !Converter::IniWriter::format(values, codec, &ours))
        return 0;
    // A new name each time: the settings library caches what it read by path.
    const QString path = workDir().filePath(QStringLiteral("w%1.ini").arg(++counter));
    {
        QSettings settings(path, QSettings::IniFormat);
        if (codec)
            settings.setIniCodec(codec);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    if (file.readAll() != ours)
        std::abort();
    file.close();
    QFile::remove(path);
    return 0;
}
