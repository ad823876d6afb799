#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTcpServer>

class QSslSocket;

// A small HTTPS server on 127.0.0.1 for the update tests: answers GET by path
// from a table, can hold a body back half-way, and counts failed handshakes.
//
// data/: testca.pem is a throw-away authority (its key was discarded);
// server.pem/.key is signed by it for IP 127.0.0.1 and localhost;
// stranger.pem/.key is self-signed for the same names. All valid for 100 years;
// to renew, make the same three with openssl req/x509 (RSA 2048, SAN as above).
class TestHttpsServer : public QTcpServer
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray reason = "OK";
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        // Content-Length as announced; -1 announces the body's real size.
        qint64 announcedLength = -1;
        // Bytes of the body actually sent; -1 sends all of it.
        qint64 sentLength = -1;
        // After a cut-short body: keep the connection open instead of closing it.
        bool holdOpen = false;
    };

    // `identity` names a pair in the data folder: "server" (signed by the test
    // authority) or "stranger" (self-signed, trusted by nobody).
    explicit TestHttpsServer(const QString& identity = QStringLiteral("server"), QObject* parent = nullptr);

    bool start();
    // "127.0.0.1:<port>", as the update checker takes its host.
    QString hostAndPort() const;

    void setResponse(const QByteArray& path, const Response& response);
    QList<QByteArray> requestedPaths() const { return paths; }
    // More body bytes to every connection whose response holds it open.
    void sendToHeld(const QByteArray& bytes);
    int failedHandshakes() const { return handshakeFailures; }

    // A client configuration that trusts the test authority and nothing else.
    static QSslConfiguration trustingClientConfiguration();
    // A checker's wait for this server's answer: long enough that no loaded or
    // valgrind run calls a served site unreachable.
    static constexpr int patientAnswerTimeoutMs = 10 * 60 * 1000;
    // How long a test waits for what follows from this server's answer: under
    // valgrind on a loaded machine one TLS round trip can take many seconds.
    static constexpr int answerWaitMs = 60000;
    static QByteArray dataFile(const QString& name);

signals:
    void requestServed(const QByteArray& path);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void serve(QSslSocket* socket);

    QSslCertificate certificate;
    QSslKey key;
    QHash<QByteArray, Response> responses;
    QList<QByteArray> paths;
    QHash<QSslSocket*, QByteArray> pending;
    QList<QSslSocket*> held;
    int handshakeFailures = 0;
};
