#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace LxSim {

// Damaged traffic the stand-in can send in place of a clean reply frame.
enum class Fault
{
    SplitBytes,        // a valid frame, one byte per write
    TwoFramesOneWrite, // two valid frames in a single write
    HeaderOnly,        // a length prefix whose body never follows
    ZeroLength,        // a frame of length 0, then a valid frame, in one write
    OversizeLength,    // a length over the 16 MiB bound, then a few bytes
    WrongKey,          // enciphered with another key
    FlippedByte,       // one cipher byte inverted
    DamagedZlib,       // compressed flag, valid checksum, broken zlib stream
    MalformedXml,      // deciphers to text that is not XML
    TruncatedXml,      // deciphers to a document cut inside its first tag
    UnterminatedXml,   // deciphers to a document cut before its root's end tag
    CloseMidFrame      // half a frame, then the connection is closed
};

// The bytes to write for one fault, chunk by chunk (each chunk one write and
// flush, with a pause between chunks), and what to do with the connection after.
struct FaultPlan
{
    QList<QByteArray> chunks;
    bool closeAfter = false;

    // `reply` is the clean reply text the fault damages; `second` the text of
    // the extra frame where a fault needs one (empty: `reply` again).
    static FaultPlan make(Fault fault, const QByteArray& reply, const QByteArray& second = QByteArray());
    static QString name(Fault fault);
    static QList<Fault> all();
};

} // namespace LxSim
