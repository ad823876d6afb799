#pragma once

#include <QHostAddress>
#include <QList>
#include <QNetworkAddressEntry>
#include <QNetworkInterface>
#include <QStringList>

// Networked computers listen for the discovery datagram on this port.
constexpr quint16 defaultDiscoveryPort = 12322;

// One network interface as discovery sees it: its state and its addresses.
struct DiscoveryInterface
{
    QNetworkInterface::InterfaceFlags flags;
    QList<QNetworkAddressEntry> entries;
};

// Where the datagram goes, and which addresses are this machine's own (a
// computer that answers from one of them is not listed as found).
struct DiscoveryPlan
{
    QStringList ownAddresses;
    QList<QHostAddress> broadcasts; // one per suitable address entry, repeats kept
};

QList<DiscoveryInterface> systemDiscoveryInterfaces();
// Every address is recorded; the datagram goes only from interfaces that are
// up, running, broadcast-capable and not loopback, to each non-null IPv4
// broadcast address.
DiscoveryPlan planDiscovery(const QList<DiscoveryInterface>& interfaces);
