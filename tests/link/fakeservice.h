#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// A listening stand-in for the service on 127.0.0.1 and an ephemeral port:
// deciphers every frame the controller sends and writes raw bytes back.
class FakeService : public QObject
{
    Q_OBJECT

public:
    FakeService();

    quint16 port() const;
    bool waitForClient(int timeoutMs = 5000);
    // True when a further connection arrives within the time.
    bool waitForNextClient(int timeoutMs);
    bool waitForRequests(int count, int timeoutMs = 5000);
    bool waitForDisconnect(int timeoutMs = 5000);
    bool clientConnected() const;

    void send(const QByteArray& bytes);
    void sendReply(const QString& plainXml);
    void dropClient();

    QStringList requests; // plain texts, in arrival order
    int connections = 0;

private:
    void accept();
    void readFrames();

    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    QByteArray m_buffer;
};
