#include "framecodec.h"

#include "cipher/cipherwrappers.h"

namespace LxSim {

QByteArray FrameCodec::header(quint32 length)
{
    QByteArray bytes(headerSize, '\0');
    bytes[0] = char((length >> 24) & 0xFF);
    bytes[1] = char((length >> 16) & 0xFF);
    bytes[2] = char((length >> 8) & 0xFF);
    bytes[3] = char(length & 0xFF);
    return bytes;
}

quint32 FrameCodec::readLength(const QByteArray& bytes)
{
    if (bytes.size() < headerSize)
        return 0;
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    return (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]);
}

QByteArray FrameCodec::frame(const QByteArray& cipherText)
{
    return header(quint32(cipherText.size())) + cipherText;
}

QByteArray FrameCodec::encode(const QByteArray& plainText)
{
    return frame(encryptMessage(plainText));
}

} // namespace LxSim
