#pragma once

#include <QObject>
#include <QTimer>

// The grace periods between what the link reports and what the window shows: a
// device that stays silent, a service that stays away. Arming one stops the other;
// one that already runs keeps its time, so that reports repeated more often than
// the interval cannot put its expiry off for ever. Both repeat until stopped.
class ConnectionWatchdogs : public QObject
{
    Q_OBJECT

public:
    explicit ConnectionWatchdogs(int intervalMs, QObject* parent = nullptr);

    void armDevice();
    void armService();
    // A usable device state: both are satisfied.
    void stop();

signals:
    void deviceSilent();
    void serviceLost();

private:
    int interval;
    QTimer* communication;
    QTimer* socket;
};
