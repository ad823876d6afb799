#include "singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), name(name) {}

SingleInstance::~SingleInstance()
{
    if (server)
        server->close();
}

QString SingleInstance::serverName()
{
    QString name = QStringLiteral("luminorix_instance");
#ifdef Q_OS_UNIX
    // Local sockets of every user share one temporary folder here.
    name += QLatin1Char('-') + QString::number(::getuid());
#endif
    return name;
}

bool SingleInstance::claim()
{
    {
        QLocalSocket probe;
        probe.connectToServer(name, QIODevice::ReadWrite);
        if (probe.isValid() && probe.waitForConnected(500))
            return false;
    }
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // A name left by a killed run would keep listen() from taking it.
    QLocalServer::removeServer(name);
    connect(server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    // Without the name the panel still works; it only cannot be woken by a second start.
    server->listen(name);
    return true;
}

void SingleInstance::takeConnection()
{
    QLocalSocket* socket = server->nextPendingConnection();
    if (socket) {
        QObject::disconnect(socket, nullptr, nullptr, nullptr);
        // Nothing is ever read from it; without this each later start would leave one behind.
        socket->deleteLater();
    }
    emit wakeRequested();
}
