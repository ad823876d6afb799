#include "framereader.h"

#include "framecodec.h"

namespace LxSim {

FrameReader::Status FrameReader::next(QByteArray* cipherText)
{
    if (buffer.size() < FrameCodec::headerSize)
        return Status::NeedMore;
    const quint32 length = FrameCodec::readLength(buffer);
    if (length > maxFrameLength)
        return Status::TooLong;
    if (quint64(buffer.size()) < quint64(FrameCodec::headerSize) + length)
        return Status::NeedMore;
    *cipherText = buffer.mid(FrameCodec::headerSize, int(length));
    buffer.remove(0, FrameCodec::headerSize + int(length));
    return Status::Frame;
}

} // namespace LxSim
