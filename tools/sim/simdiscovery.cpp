#include "simdiscovery.h"

#include "replybuilder.h"
#include "simserver.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

namespace LxSim {

SimDiscovery::SimDiscovery(SimServer& server, const QStringList& addresses, QObject* parent)
    : QObject(parent), server(server), addresses(addresses), socket(new QUdpSocket(this))
{
    connect(socket, &QUdpSocket::readyRead, this, &SimDiscovery::readDatagrams);
}

bool SimDiscovery::listen(const QHostAddress& address, quint16 port)
{
    return socket->bind(address, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
}

quint16 SimDiscovery::port() const
{
    return socket->localPort();
}

void SimDiscovery::readDatagrams()
{
    while (socket->hasPendingDatagrams()) {
        // Only the discovery datagram, the single digit "5", asks for answers.
        if (socket->receiveDatagram().data() != "5")
            continue;
        for (const QString& address : qAsConst(addresses))
            server.push(ReplyBuilder::discovered(address));
    }
}

} // namespace LxSim
