#include "testhttpsserver.h"

#include <QFile>
#include <QSslSocket>

QByteArray TestHttpsServer::dataFile(const QString& name)
{
    QFile file(QStringLiteral(LX_TEST_HTTPS_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("test data missing: %s", qPrintable(file.fileName()));
    return file.readAll();
}

QSslConfiguration TestHttpsServer::trustingClientConfiguration()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates(QSslCertificate::fromData(dataFile(QStringLiteral("testca.pem"))));
    return configuration;
}

TestHttpsServer::TestHttpsServer(const QString& identity, QObject* parent)
    : QTcpServer(parent), certificate(dataFile(identity + QStringLiteral(".pem"))),
      key(dataFile(identity + QStringLiteral(".key")), QSsl::Rsa)
{
}

bool TestHttpsServer::start()
{
    return listen(QHostAddress::LocalHost, 0);
}

QString TestHttpsServer::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(serverPort());
}

void TestHttpsServer::setResponse(const QByteArray& path, const Response& response)
{
    responses.insert(path, response);
}

void TestHttpsServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    socket->setLocalCertificate(certificate);
    socket->setPrivateKey(key);
    socket->setPeerVerifyMode(QSslSocket::VerifyNone);
    connect(socket, &QSslSocket::readyRead, this, [this, socket] { serve(socket); });
    connect(socket, &QSslSocket::disconnected, this, [this, socket] {
        if (!socket->isEncrypted())
            ++handshakeFailures;
        pending.remove(socket);
        held.removeAll(socket);
        socket->deleteLater();
    });
    socket->startServerEncryption();
}

void TestHttpsServer::serve(QSslSocket* socket)
{
    QByteArray& request = pending[socket];
    request += socket->readAll();
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QByteArray path = requestLine.value(1);
    request.clear();
    paths.append(path);

    Response response;
    const auto found = responses.constFind(path);
    if (found != responses.constEnd()) {
        response = found.value();
    } else {
        response.status = 404;
        response.reason = "Not Found";
        response.body = "<html><body>not here</body></html>";
    }
    const qint64 announced = response.announcedLength >= 0 ? response.announcedLength : response.body.size();
    const qint64 sent = response.sentLength >= 0 ? response.sentLength : response.body.size();

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + response.reason + "\r\n";
    head += "Content-Length: " + QByteArray::number(announced) + "\r\n";
    head += "Connection: close\r\n";
    for (const auto& header : response.headers)
        head += header.first + ": " + header.second + "\r\n";
    head += "\r\n";
    socket->write(head);
    socket->write(response.body.left(int(sent)));
    emit requestServed(path);
    if (response.holdOpen)
        held.append(socket);
    else
        socket->disconnectFromHost();
}

void TestHttpsServer::sendToHeld(const QByteArray& bytes)
{
    for (QSslSocket* socket : qAsConst(held))
        socket->write(bytes);
}
