#include "helpers.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QMutex>
#include <QWaitCondition>
#include <algorithm>

QString hashPassword(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString escapeXml(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    escaped.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    escaped.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    escaped.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return escaped;
}

void waitMilliseconds(int ms)
{
    // QWaitCondition takes an unsigned time: a negative one would wait forever.
    if (ms <= 0)
        return;
    QMutex mutex;
    QWaitCondition never;
    mutex.lock();
    // Nothing wakes it, but a spurious wake-up must not cut the pause short.
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        never.wait(&mutex, deadline);
    mutex.unlock();
}

int firstFreeId(QVector<int>& ids)
{
    if (ids.isEmpty())
        return 0;
    std::sort(ids.begin(), ids.end());
    if (ids.first() >= 1)
        return 0;
    for (int i = 1; i < ids.size(); ++i) {
        if (ids.at(i) > i)
            return i;
    }
    return ids.size();
}

const QString& degreeCelsiusUnit()
{
    static const QString unit = QStringLiteral("\u00B0C");
    return unit;
}
