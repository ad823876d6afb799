#include "simconnection.h"

#include "cipher/cipherwrappers.h"
#include "framecodec.h"

#include <QTcpSocket>
#include <QTimer>

namespace LxSim {

SimConnection::SimConnection(QTcpSocket* socket, int id, QObject* parent)
    : QObject(parent), socket(socket), connectionId(id), pumpTimer(new QTimer(this)),
      trickleTimer(new QTimer(this))
{
    pumpTimer->setObjectName(QStringLiteral("pumpTimer"));
    trickleTimer->setObjectName(QStringLiteral("trickleTimer"));
    connect(trickleTimer, &QTimer::timeout, this, &SimConnection::trickleByte);
    socket->setParent(this);
    // Small writes must leave as their own segments for the split-frame faults.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    pumpTimer->setSingleShot(true);
    connect(pumpTimer, &QTimer::timeout, this, &SimConnection::pump);
    connect(socket, &QTcpSocket::readyRead, this, &SimConnection::readReady);
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        queue.clear();
        pumpTimer->stop();
        trickleTimer->stop();
        if (!closedSignalled) {
            closedSignalled = true;
            emit closed();
        }
    });
}

SimConnection::~SimConnection()
{
    socket->disconnect(this);
    socket->abort();
}

bool SimConnection::isOpen() const
{
    return socket->state() == QAbstractSocket::ConnectedState;
}

void SimConnection::send(const QByteArray& plainText, int delayMs)
{
    Step step;
    step.bytes = FrameCodec::encode(plainText);
    step.frame = true;
    if (delayMs <= 0) {
        enqueue(step);
        return;
    }
    // The delay holds back this frame only; what is queued meanwhile goes first.
    QTimer::singleShot(delayMs, this, [this, step] { enqueue(step); });
}

void SimConnection::sendRaw(const QByteArray& bytes)
{
    Step step;
    step.bytes = bytes;
    enqueue(step);
}

void SimConnection::play(const FaultPlan& plan, int chunkIntervalMs)
{
    bool first = true;
    for (const QByteArray& chunk : plan.chunks) {
        Step step;
        step.bytes = chunk;
        step.delayMs = first ? 0 : chunkIntervalMs;
        first = false;
        enqueue(step);
    }
    if (plan.closeAfter)
        closeAfterQueue();
}

void SimConnection::closeAfterQueue()
{
    Step step;
    step.kind = Step::Close;
    enqueue(step);
}

void SimConnection::abort()
{
    queue.clear();
    pumpTimer->stop();
    trickleTimer->stop();
    trickling = false;
    socket->abort();
    // A socket that was not connected any more says nothing on abort.
    if (!closedSignalled) {
        closedSignalled = true;
        emit closed();
    }
}

void SimConnection::setFrozen(bool on)
{
    frozen = on;
    if (frozen)
        return;
    finishTrickle();
    readReady(); // what came meanwhile
    if (!pumpTimer->isActive())
        pump();
}

void SimConnection::trickleNext(int intervalMs)
{
    trickleMs = qMax(1, intervalMs);
}

void SimConnection::trickleByte()
{
    if (frozen)
        return;
    if (trickleRest.size() <= 1 || socket->state() != QAbstractSocket::ConnectedState) {
        trickleTimer->stop();
        return;
    }
    socket->write(trickleRest.left(1));
    socket->flush();
    trickleRest.remove(0, 1);
}

void SimConnection::finishTrickle()
{
    if (!trickling)
        return;
    trickling = false;
    trickleTimer->stop();
    if (socket->state() == QAbstractSocket::ConnectedState) {
        socket->write(trickleRest);
        socket->flush();
    }
    trickleRest.clear();
}

void SimConnection::enqueue(const Step& step)
{
    queue.enqueue(step);
    if (!pumpTimer->isActive())
        pump();
}

void SimConnection::pump()
{
    // A hung service sends nothing, and nothing passes a frame still trickling.
    while (!frozen && !trickling && !queue.isEmpty()) {
        Step& head = queue.head();
        if (head.delayMs > 0) {
            pumpTimer->start(head.delayMs);
            head.delayMs = 0;
            return;
        }
        const Step step = queue.dequeue();
        if (socket->state() != QAbstractSocket::ConnectedState)
            continue;
        if (step.kind == Step::Close) {
            socket->flush();
            socket->disconnectFromHost();
        } else if (trickleMs > 0 && step.frame) {
            socket->write(step.bytes.left(FrameCodec::headerSize));
            socket->flush();
            trickleRest = step.bytes.mid(FrameCodec::headerSize);
            trickling = true;
            trickleTimer->start(trickleMs);
            trickleMs = 0;
        } else {
            socket->write(step.bytes);
            socket->flush();
        }
    }
}

void SimConnection::readReady()
{
    if (frozen)
        return;
    reader.append(socket->readAll());
    QByteArray cipherText;
    for (;;) {
        const FrameReader::Status status = reader.next(&cipherText);
        if (status == FrameReader::Status::NeedMore)
            return;
        if (status == FrameReader::Status::TooLong) {
            reader.clear();
            emit badFrame(QStringLiteral("announced frame length over the bound"));
            abort();
            return;
        }
        emit frameReceived(decryptMessage(cipherText), cipherText);
        if (socket->state() != QAbstractSocket::ConnectedState)
            return;
    }
}

} // namespace LxSim
