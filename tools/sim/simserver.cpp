#include "simserver.h"

#include "simconnection.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace LxSim {

SimServer::SimServer(QObject* parent) : QObject(parent), server(new QTcpServer(this))
{
    qRegisterMetaType<LxSim::SimRequest>();
    connect(server, &QTcpServer::newConnection, this, &SimServer::acceptClients);
}

SimServer::~SimServer()
{
    blockSignals(true);
    stop();
}

bool SimServer::listen(const QHostAddress& address, quint16 port)
{
    if (server->isListening())
        server->close();
    if (!server->listen(address, port)) {
        lastError = server->errorString();
        return false;
    }
    boundAddress = address;
    boundPort = server->serverPort();
    lastError.clear();
    return true;
}

bool SimServer::restart()
{
    return listen(boundAddress, boundPort);
}

bool SimServer::isListening() const
{
    return server->isListening();
}

void SimServer::stopListening()
{
    server->close();
}

void SimServer::disconnectClients()
{
    for (SimConnection* c : connections)
        c->closeAfterQueue();
}

void SimServer::abortClients()
{
    const QList<SimConnection*> all = connections;
    for (SimConnection* c : all)
        c->abort();
}

void SimServer::stop()
{
    stopListening();
    abortClients();
}

QStringList SimServer::requestNames() const
{
    QStringList names;
    for (const SimRequest& r : log)
        names.append(r.wellFormed ? r.name : QStringLiteral("<not well-formed>"));
    return names;
}

void SimServer::push(const QByteArray& plainText, int delayMs)
{
    for (SimConnection* c : connections) {
        c->send(plainText, delayMs);
        emit replyQueued(c->id(), plainText);
    }
}

void SimServer::pushRaw(const QByteArray& bytes)
{
    for (SimConnection* c : connections)
        c->sendRaw(bytes);
}

void SimServer::inject(Fault fault, const QByteArray& reply, const QByteArray& second)
{
    play(FaultPlan::make(fault, reply, second));
}

void SimServer::play(const FaultPlan& plan)
{
    for (SimConnection* c : connections)
        c->play(plan, chunkIntervalMs);
}

void SimServer::freeze()
{
    frozen = true;
    server->pauseAccepting();
    for (SimConnection* c : connections)
        c->setFrozen(true);
}

void SimServer::unfreeze()
{
    frozen = false;
    trickleMs = 0;
    const QList<SimConnection*> all = connections;
    for (SimConnection* c : all)
        c->setFrozen(false);
    server->resumeAccepting();
    acceptClients(); // those that came meanwhile
}

void SimServer::trickleNextReply(int intervalMs)
{
    trickleMs = intervalMs;
    for (SimConnection* c : connections)
        c->trickleNext(intervalMs);
}

void SimServer::acceptClients()
{
    if (frozen)
        return;
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        auto* connection = new SimConnection(socket, nextConnectionId++, this);
        connections.append(connection);
        if (trickleMs > 0)
            connection->trickleNext(trickleMs);
        connect(connection, &SimConnection::frameReceived, this,
                [this, connection](const QString& text) { handleFrame(connection, text); });
        connect(connection, &SimConnection::badFrame, this,
                [this, connection](const QString& reason) { emit badFrame(connection->id(), reason); });
        connect(connection, &SimConnection::closed, this, [this, connection] {
            connections.removeAll(connection);
            const int id = connection->id();
            connection->deleteLater();
            emit clientDisconnected(id);
        });
        emit clientConnected(connection->id());
    }
}

void SimServer::handleFrame(SimConnection* connection, const QString& plainText)
{
    if (plainText.isEmpty()) {
        emit badFrame(connection->id(), QStringLiteral("frame did not decipher"));
        return;
    }
    SimRequest request = SimRequest::parse(plainText);
    request.connection = connection->id();
    log.append(request);
    emit requestReceived(request);
    for (const SimReply& reply : answers.respond(request)) {
        connection->send(reply.text, reply.delayMs);
        emit replyQueued(connection->id(), reply.text);
    }
}

} // namespace LxSim
