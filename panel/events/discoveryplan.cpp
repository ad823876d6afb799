#include "discoveryplan.h"

QList<DiscoveryInterface> systemDiscoveryInterfaces()
{
    QList<DiscoveryInterface> found;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& networkInterface : all)
        found.append({networkInterface.flags(), networkInterface.addressEntries()});
    return found;
}

DiscoveryPlan planDiscovery(const QList<DiscoveryInterface>& interfaces)
{
    const QNetworkInterface::InterfaceFlags needed =
        QNetworkInterface::IsUp | QNetworkInterface::IsRunning | QNetworkInterface::CanBroadcast;
    DiscoveryPlan plan;
    for (const DiscoveryInterface& networkInterface : interfaces) {
        const bool suitable = (networkInterface.flags & needed) == needed &&
                              !(networkInterface.flags & QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry& entry : networkInterface.entries) {
            plan.ownAddresses.append(entry.ip().toString());
            const QHostAddress broadcast = entry.broadcast();
            if (suitable && !broadcast.isNull() && broadcast.protocol() == QAbstractSocket::IPv4Protocol)
                plan.broadcasts.append(broadcast);
        }
    }
    return plan;
}
