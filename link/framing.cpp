#include "framing.h"

namespace Luminorix {

QByteArray encodeFrameLength(quint32 length)
{
    QByteArray bytes(kFrameHeaderSize, '\0');
    bytes[0] = char((length >> 24) & 0xff);
    bytes[1] = char((length >> 16) & 0xff);
    bytes[2] = char((length >> 8) & 0xff);
    bytes[3] = char(length & 0xff);
    return bytes;
}

quint32 readFrameLength(const char* header)
{
    const auto* b = reinterpret_cast<const uchar*>(header);
    return (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]);
}

QByteArray buildFrame(const QByteArray& cipherText)
{
    QByteArray frame;
    frame.reserve(kFrameHeaderSize + cipherText.size());
    frame.append(encodeFrameLength(quint32(cipherText.size())));
    frame.append(cipherText);
    return frame;
}

} // namespace Luminorix
