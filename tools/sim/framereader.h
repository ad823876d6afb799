#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace LxSim {

// Cuts a byte stream into frames as bytes arrive.
class FrameReader
{
public:
    // A larger announced length is taken as a broken stream.
    static constexpr quint32 maxFrameLength = 16u * 1024u * 1024u;

    enum class Status
    {
        NeedMore,
        Frame,
        TooLong
    };

    void append(const QByteArray& bytes) { buffer.append(bytes); }
    // On Frame, `cipherText` receives the frame's body and the frame is consumed.
    Status next(QByteArray* cipherText);
    void clear() { buffer.clear(); }
    int buffered() const { return buffer.size(); }

private:
    QByteArray buffer;
};

} // namespace LxSim
