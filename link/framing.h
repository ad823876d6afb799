#pragma once

#include <QByteArray>
#include <QtGlobal>

// Frames on the service connection: a 4-byte big-endian length, then that
// many bytes of cipher text.
namespace Luminorix {

constexpr int kFrameHeaderSize = 4;
// Far above any real reply; a larger announced length means the stream is
// garbage and waiting for it would only pin memory.
constexpr qint64 kMaxFrameLength = 16 * 1024 * 1024;

QByteArray encodeFrameLength(quint32 length);
// Reads the length from the first 4 bytes of `header`.
quint32 readFrameLength(const char* header);
// Length prefix followed by `cipherText`.
QByteArray buildFrame(const QByteArray& cipherText);

} // namespace Luminorix
