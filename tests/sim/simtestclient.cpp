#include "simtestclient.h"

#include "cipher/cipherwrappers.h"
#include "tools/sim/framecodec.h"

#include <QHostAddress>

SimTestClient::SimTestClient(QObject* parent) : QObject(parent)
{
    connect(&socket, &QTcpSocket::readyRead, this, &SimTestClient::readReady);
}

bool SimTestClient::connectTo(quint16 port)
{
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(5000);
}

void SimTestClient::send(const QByteArray& plainText)
{
    sendRaw(LxSim::FrameCodec::encode(plainText));
}

void SimTestClient::sendRaw(const QByteArray& bytes)
{
    socket.write(bytes);
    socket.flush();
}

void SimTestClient::sendCommand(const QString& name, const QString& pass)
{
    sendPayload(name, QByteArray(), pass);
}

void SimTestClient::sendPayload(const QString& name, const QByteArray& payload, const QString& pass)
{
    const QByteArray tag = name.toUtf8();
    send("<" + tag + "><pass>" + pass.toUtf8() + "</pass>" + payload + "</" + tag + ">");
}

void SimTestClient::readReady()
{
    reader.append(socket.readAll());
    QByteArray cipherText;
    while (reader.next(&cipherText) == LxSim::FrameReader::Status::Frame)
        replies.append(decryptMessage(cipherText));
}
