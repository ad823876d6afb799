#include "loopback.h"

#include <QTcpServer>

quint16 LxTest::closedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString LxTest::closedLoopbackHost()
{
    return QStringLiteral("127.0.0.1:%1").arg(closedLoopbackPort());
}
