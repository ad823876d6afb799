#include "connectionwatchdogs.h"

#include "common/named.h"

ConnectionWatchdogs::ConnectionWatchdogs(int intervalMs, QObject* parent)
    : QObject(parent), interval(intervalMs), communication(named(new QTimer(this), "communicationWatchdog")),
      socket(named(new QTimer(this), "socketWatchdog"))
{
    connect(communication, &QTimer::timeout, this, &ConnectionWatchdogs::deviceSilent);
    connect(socket, &QTimer::timeout, this, &ConnectionWatchdogs::serviceLost);
}

void ConnectionWatchdogs::armDevice()
{
    socket->stop();
    if (!communication->isActive())
        communication->start(interval);
}

void ConnectionWatchdogs::armService()
{
    communication->stop();
    if (!socket->isActive())
        socket->start(interval);
}

void ConnectionWatchdogs::stop()
{
    socket->stop();
    communication->stop();
}
