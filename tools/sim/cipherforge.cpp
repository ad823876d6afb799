#include "cipherforge.h"

#include "cipher/fixedkeys.h"

#include <QCryptographicHash>

namespace LxSim {

CipherForge::CipherForge() : key(messageCipherKey()) {}

CipherForge::CipherForge(quint64 key) : key(key) {}

QByteArray CipherForge::encipher(quint8 flags, const QByteArray& body, quint8 version) const
{
    QByteArray out;
    out.reserve(body.size() + 2);
    out.append(char(version));
    out.append(char(flags));
    char previous = 0;
    for (int i = 0; i < body.size(); ++i) {
        const char c = char(body[i] ^ keyPart(i) ^ previous);
        out.append(c);
        previous = c;
    }
    return out;
}

QByteArray CipherForge::decipher(const QByteArray& cipherText) const
{
    QByteArray body;
    char previous = 0;
    for (int i = 2; i < cipherText.size(); ++i) {
        const char c = cipherText[i];
        body.append(char(c ^ keyPart(i - 2) ^ previous));
        previous = c;
    }
    return body;
}

QByteArray CipherForge::build(quint8 flags, const QByteArray& payload) const
{
    QByteArray body(1, char(0x5A)); // the random byte; any value will do
    if (flags & Checksum) {
        const quint16 sum = qChecksum(payload.constData(), uint(payload.size()), Qt::ChecksumIso3309);
        body.append(char(sum >> 8));
        body.append(char(sum & 0xFF));
    } else if (flags & Sha1) {
        body.append(QCryptographicHash::hash(payload, QCryptographicHash::Sha1));
    }
    body.append(payload);
    return encipher(flags, body);
}

QByteArray CipherForge::brokenCompressed(const QByteArray& plain)
{
    QByteArray compressed = qCompress(plain, 9);
    // After the 4-byte size and the 2-byte zlib header: a final block of the
    // reserved type 3, which every inflater rejects.
    if (compressed.size() > 6)
        compressed[6] = char(0xFF);
    return compressed;
}

} // namespace LxSim
