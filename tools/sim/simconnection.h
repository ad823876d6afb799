#pragma once

#include "faultplan.h"
#include "framereader.h"

#include <QByteArray>
#include <QObject>
#include <QQueue>

class QTcpSocket;
class QTimer;

namespace LxSim {

// One client of the stand-in: cuts its bytes into frames and writes what the
// stand-in sends through one ordered queue, so a damaged frame played slowly
// is never interleaved with other traffic.
class SimConnection : public QObject
{
    Q_OBJECT

public:
    // Takes ownership of `socket`.
    SimConnection(QTcpSocket* socket, int id, QObject* parent = nullptr);
    ~SimConnection() override;

    int id() const { return connectionId; }
    bool isOpen() const;

    // Frames and enciphers `plainText` and queues it, after `delayMs`.
    void send(const QByteArray& plainText, int delayMs = 0);
    // Queues raw bytes, written as they are.
    void sendRaw(const QByteArray& bytes);
    // Queues a fault's chunks with `chunkIntervalMs` between them.
    void play(const FaultPlan& plan, int chunkIntervalMs);
    // After everything queued so far: close gracefully.
    void closeAfterQueue();
    // At once, dropping whatever is queued.
    void abort();
    // Frozen: nothing is read or written; what comes is held until thawed.
    // Thawing also ends a trickle.
    void setFrozen(bool frozen);
    // The next reply frame goes out as its header, then one byte every
    // `intervalMs`, its last byte held (and all after it) until thawed.
    void trickleNext(int intervalMs);

signals:
    // A frame deciphered to `plainText` (empty when it did not decipher).
    void frameReceived(const QString& plainText, const QByteArray& cipherText);
    // The client announced a frame over the bound; the connection is dropped.
    void badFrame(const QString& reason);
    void closed();

private slots:
    void readReady();
    void pump();

private:
    struct Step
    {
        enum Kind
        {
            Write,
            Close
        };
        Kind kind = Write;
        QByteArray bytes;
        int delayMs = 0;
        bool frame = false; // a whole reply frame, not raw bytes or a fault's chunk
    };

    void enqueue(const Step& step);
    void trickleByte();
    void finishTrickle();

    QTcpSocket* socket;
    int connectionId;
    FrameReader reader;
    QQueue<Step> queue;
    QTimer* pumpTimer;
    QTimer* trickleTimer;
    bool closedSignalled = false;
    bool frozen = false;
    int trickleMs = 0;      // armed for the next frame; 0: not
    QByteArray trickleRest; // what the trickling frame has still to send
    bool trickling = false;
};

} // namespace LxSim
