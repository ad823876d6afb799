#include "luminorixsocket.h"

LuminorixSocket::LuminorixSocket(QObject* parent) : QTcpSocket(parent) {}

void LuminorixSocket::connectToService(const QString& host, quint16 port)
{
    connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
}
