#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// For the build-time generators: an unchanged file keeps its time stamp, so
// the resource compiler does not run again.
inline bool writeIfChanged(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes)
        return true;
    file.close();
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size() && file.flush();
}
