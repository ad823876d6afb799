#pragma once
// What the benchmarks share: the memory figures of this process, and a quiet
// offscreen start for those that show widgets.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace Bench {

// A "kB" line of /proc/self/status (VmRSS, VmHWM, VmSize, VmPeak), or -1.
inline long statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Offscreen unless told otherwise, and without the line offscreen windows print
// each time they cannot pass on size hints. Call before the application exists.
inline void startOffscreen()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg && !message.contains(QLatin1String("propagateSizeHints")))
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace Bench
