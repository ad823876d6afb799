#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One panel per user: a later start finds the running one under a local socket
// name, which takes that as a request to show itself, and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& name = serverName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Per user, so that two users of one machine never meet each other's panel.
    static QString serverName();

    // False when another instance answers under the name (the connection has
    // woken it); otherwise this one listens under the name from now on.
    bool claim();

signals:
    // A later start knocked.
    void wakeRequested();

private:
    void takeConnection();

    QString name;
    QLocalServer* server = nullptr;
};
