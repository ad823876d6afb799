#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace LxSim {

// Builds cipher texts by hand, byte for byte, so that tests can send texts the
// cipher class would never produce (a broken zlib stream under a valid checksum,
// unknown flags, another key).
class CipherForge
{
public:
    enum Flag : quint8
    {
        Compressed = 0x01,
        Checksum = 0x02,
        Sha1 = 0x04
    };

    // The message key by default.
    CipherForge();
    explicit CipherForge(quint64 key);

    // Version byte, flags, then `body` (random byte, integrity field, payload)
    // enciphered with the XOR chain.
    QByteArray encipher(quint8 flags, const QByteArray& body, quint8 version = 0x03) const;
    // The inverse of encipher: the body with its random byte, or empty when
    // the text is shorter than its two leading bytes.
    QByteArray decipher(const QByteArray& cipherText) const;
    // A consistent cipher text of `payload` as stored: the checksum (flag 0x02)
    // or digest (flag 0x04) is computed over `payload`, which is not compressed
    // here even when flag 0x01 is set.
    QByteArray build(quint8 flags, const QByteArray& payload) const;

    // qCompress form of `plain` whose zlib stream is broken right after its
    // header; inflating it fails.
    static QByteArray brokenCompressed(const QByteArray& plain);

private:
    char keyPart(int i) const { return char((key >> (8 * (i % 8))) & 0xFF); }

    quint64 key;
};

} // namespace LxSim
