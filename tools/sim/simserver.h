#pragma once

#include "faultplan.h"
#include "simreply.h"
#include "simrequest.h"
#include "simresponder.h"

#include <QHostAddress>
#include <QList>
#include <QObject>

class QTcpServer;

namespace LxSim {

class SimConnection;

// The stand-in service: listens, reads requests from every client, logs them,
// answers through its responder, and sends pushed replies and faults.
class SimServer : public QObject
{
    Q_OBJECT

public:
    explicit SimServer(QObject* parent = nullptr);
    ~SimServer() override;

    SimResponder& responder() { return answers; }

    // Port 0 picks a free port; port() tells which.
    bool listen(const QHostAddress& address = QHostAddress::LocalHost, quint16 port = 12323);
    // Listens again on the address and port of the last successful listen.
    bool restart();
    bool isListening() const;
    QHostAddress address() const { return boundAddress; }
    quint16 port() const { return boundPort; }
    QString errorString() const { return lastError; }

    // No new clients; the connected ones stay.
    void stopListening();
    // Closes every client gracefully, after what is queued for it.
    void disconnectClients();
    // Drops every client at once.
    void abortClients();
    // stopListening and abortClients.
    void stop();
    int clientCount() const { return connections.size(); }

    // Every request received, in order.
    QList<SimRequest> requests() const { return log; }
    QStringList requestNames() const;
    void clearRequests() { log.clear(); }
    void forgetRequest(int index) { log.removeAt(index); }

    // One frame with `plainText` to every client, like an unsolicited reply.
    void push(const QByteArray& plainText, int delayMs = 0);
    // Bytes as they are, unframed, to every client.
    void pushRaw(const QByteArray& bytes);
    // A damaged version of `reply` to every client (FaultPlan::make).
    void inject(Fault fault, const QByteArray& reply, const QByteArray& second = QByteArray());
    void play(const FaultPlan& plan);
    // A hung service: nothing is read, answered or sent (pushes included)
    // and no client is accepted, while every connection stays open; unfreeze
    // carries on with what came meanwhile, in order.
    void freeze();
    void unfreeze();
    bool isFrozen() const { return frozen; }
    // The next reply to each client, connected now or before unfreeze, goes
    // out as its frame header, then one byte every `intervalMs`, never its
    // last byte: what follows it waits behind it until unfreeze.
    void trickleNextReply(int intervalMs);

    // Pause between the chunks of a fault; the default keeps the chunks of a
    // split frame in separate segments.
    void setChunkIntervalMs(int ms) { chunkIntervalMs = ms; }

signals:
    void clientConnected(int connection);
    void clientDisconnected(int connection);
    void requestReceived(const LxSim::SimRequest& request);
    // A reply text queued for a client (answers and pushes; not faults).
    void replyQueued(int connection, const QByteArray& text);
    // A frame that did not decipher, or an announced length over the bound.
    void badFrame(int connection, const QString& reason);

private:
    void acceptClients();
    void handleFrame(SimConnection* connection, const QString& plainText);

    QTcpServer* server;
    SimResponder answers;
    QList<SimConnection*> connections;
    QList<SimRequest> log;
    QHostAddress boundAddress = QHostAddress::LocalHost;
    quint16 boundPort = 0;
    QString lastError;
    int nextConnectionId = 1;
    int chunkIntervalMs = 2;
    bool frozen = false;
    int trickleMs = 0; // armed for clients yet to come; 0: not
};

} // namespace LxSim
