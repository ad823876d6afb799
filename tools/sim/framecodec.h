#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace LxSim {

// The service's side of the framing: a 4-byte big-endian length, then the
// cipher text. Written here rather than borrowed from the panel's link library
// so that a framing mistake there cannot hide behind the same mistake here.
class FrameCodec
{
public:
    static constexpr int headerSize = 4;

    static QByteArray header(quint32 length);
    static quint32 readLength(const QByteArray& bytes);
    // Length prefix followed by `cipherText`.
    static QByteArray frame(const QByteArray& cipherText);
    // Enciphers `plainText` with the message key and frames it.
    static QByteArray encode(const QByteArray& plainText);
};

} // namespace LxSim
