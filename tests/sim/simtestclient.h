#pragma once

#include "tools/sim/framereader.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTcpSocket>

// A bare client of the stand-in: frames and enciphers what it is given and
// collects the deciphered replies.
class SimTestClient : public QObject
{
    Q_OBJECT

public:
    explicit SimTestClient(QObject* parent = nullptr);

    bool connectTo(quint16 port);
    void send(const QByteArray& plainText);
    void sendRaw(const QByteArray& bytes);
    // "<name><pass>pass</pass></name>", the plain request form.
    void sendCommand(const QString& name, const QString& pass = QString());
    void sendPayload(const QString& name, const QByteArray& payload, const QString& pass = QString());

    QStringList replies;
    // Bytes left over that do not (yet) make a frame.
    int pendingBytes() const { return reader.buffered(); }
    QTcpSocket socket;

private:
    void readReady();

    LxSim::FrameReader reader;
};
