#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

// A peer on loopback that misbehaves as a broken service would: it takes a
// connection and closes it at once, takes it and never says a word, or never
// takes it at all (the attempt hangs as towards a host that does not answer).
class LoopbackPeer : public QObject
{
    Q_OBJECT

public:
    enum class Kind
    {
        ClosesAtOnce,
        StaysSilent,
        NeverAccepts
    };

    explicit LoopbackPeer(Kind kind);
    ~LoopbackPeer() override;

    // Port 0 picks a free one. False when the address cannot be used here.
    bool listen(const QHostAddress& address, quint16 port = 0);
    quint16 port() const { return boundPort; }

    // Connections taken so far (never counts for NeverAccepts).
    int connections() const { return accepted; }
    // Bytes received from all connections (StaysSilent).
    qint64 bytesReceived() const { return received; }
    // Connections of StaysSilent that the other side has closed.
    int closedByClient() const { return closedCount; }

private:
    void accept();

    Kind kind;
    QTcpServer server;
    QList<QPointer<QTcpSocket>> clients;
    int listeningFd = -1;
    std::unique_ptr<QTcpSocket> filler;
    quint16 boundPort = 0;
    int accepted = 0;
    int closedCount = 0;
    qint64 received = 0;
};
