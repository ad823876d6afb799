#include "fakeservice.h"

#include "cipherwrappers.h"
#include "framing.h"
#include "testframes.h"

#include <QtTest>

FakeService::FakeService()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &FakeService::accept);
}

quint16 FakeService::port() const
{
    return m_server.serverPort();
}

bool FakeService::waitForClient(int timeoutMs)
{
    return QTest::qWaitFor([this] { return clientConnected(); }, timeoutMs);
}

bool FakeService::waitForNextClient(int timeoutMs)
{
    const int before = connections;
    return QTest::qWaitFor([&] { return connections > before; }, timeoutMs);
}

bool FakeService::waitForRequests(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return requests.size() >= count; }, timeoutMs);
}

bool FakeService::waitForDisconnect(int timeoutMs)
{
    return QTest::qWaitFor([this] { return !clientConnected(); }, timeoutMs);
}

bool FakeService::clientConnected() const
{
    return m_client && m_client->state() == QAbstractSocket::ConnectedState;
}

void FakeService::send(const QByteArray& bytes)
{
    if (!m_client)
        return;
    m_client->write(bytes);
    m_client->flush();
}

void FakeService::sendReply(const QString& plainXml)
{
    send(frameOf(plainXml));
}

void FakeService::dropClient()
{
    if (m_client)
        m_client->disconnectFromHost();
}

void FakeService::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++connections;
        if (m_client)
            m_client->deleteLater();
        m_client = socket;
        m_buffer.clear();
        connect(socket, &QTcpSocket::readyRead, this, &FakeService::readFrames);
    }
}

void FakeService::readFrames()
{
    if (!m_client)
        return;
    m_buffer += m_client->readAll();
    while (m_buffer.size() >= Luminorix::kFrameHeaderSize) {
        const qint64 length = Luminorix::readFrameLength(m_buffer.constData());
        if (m_buffer.size() < Luminorix::kFrameHeaderSize + length)
            return;
        requests.append(decryptMessage(m_buffer.mid(Luminorix::kFrameHeaderSize, int(length))));
        m_buffer.remove(0, Luminorix::kFrameHeaderSize + int(length));
    }
}
