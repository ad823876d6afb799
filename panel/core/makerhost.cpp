#include "makerhost.h"

#include <QByteArray>
#include <QtGlobal>

QString makerWebHost()
{
    const QByteArray override = qgetenv("LX_MAKER_HOST");
    if (!override.isEmpty())
        return QString::fromLocal8Bit(override);
    return QStringLiteral("www.luminorix.example");
}
