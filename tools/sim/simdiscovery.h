#pragma once

#include <QHostAddress>
#include <QObject>
#include <QStringList>

class QUdpSocket;

namespace LxSim {

class SimServer;

// The networked computers of a manual run: when the panel's discovery
// datagram reaches the stand-in, each of them "answers" and the service
// reports it to every client as discovered_message.
class SimDiscovery : public QObject
{
    Q_OBJECT

public:
    SimDiscovery(SimServer& server, const QStringList& addresses, QObject* parent = nullptr);

    // Port 0 picks a free port; port() tells which.
    bool listen(const QHostAddress& address = QHostAddress::AnyIPv4, quint16 port = 12322);
    quint16 port() const;

private:
    void readDatagrams();

    SimServer& server;
    QStringList addresses;
    QUdpSocket* socket;
};

} // namespace LxSim
