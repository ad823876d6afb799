// Decrypts arbitrary bytes, as binary cipher text and as Base64 text, under the
// message key. Whatever decrypts must survive a fresh encryption and decryption.
// The input also goes in as a compressed payload under a valid checksum, so the
// inflation sees arbitrary data: what it accepts must equal qUncompress's result.
#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void quietHandler(QtMsgType, const QMessageLogContext&, const QString&) {}

void fail(const char* what)
{
    std::fprintf(stderr, "simplecrypt_decrypt: %s\n", what);
    std::abort();
}

void checkFailure(const SimpleCrypt& crypt, const QByteArray& plain)
{
    const int error = crypt.lastError();
    if (error != SimpleCrypt::ErrorNoError && error != SimpleCrypt::ErrorUnknownVersion &&
        error != SimpleCrypt::ErrorIntegrityFailed)
        fail("unexpected error code");
    if (error != SimpleCrypt::ErrorNoError && !plain.isEmpty())
        fail("failure with a non-empty result");
    if (uint(plain.size()) > SimpleCrypt::maxUncompressedSize)
        fail("result over the cap");
}

// Encrypts the plain text again with the modes the input's flags suggest and
// requires the exact bytes back.
void roundTrip(const QByteArray& plain, int flags)
{
    SimpleCrypt writer(messageCipherKey());
    writer.setCompressionMode(
        (flags & 0x01) ? SimpleCrypt::CompressionAlways
                       : ((flags & 0x08) ? SimpleCrypt::CompressionNever : SimpleCrypt::CompressionAuto));
    writer.setIntegrityProtectionMode((flags & 0x02)   ? SimpleCrypt::ProtectionChecksum
                                      : (flags & 0x04) ? SimpleCrypt::ProtectionHash
                                                       : SimpleCrypt::ProtectionNone);
    const QByteArray cipher = writer.encryptToByteArray(plain);
    if (writer.lastError() != SimpleCrypt::ErrorNoError || cipher.size() < 3)
        fail("encryption failed");

    SimpleCrypt reader(messageCipherKey());
    if (reader.decryptToByteArray(cipher) != plain || reader.lastError() != SimpleCrypt::ErrorNoError)
        fail("round trip mismatch (binary)");
    const QString text = writer.encryptToText(plain);
    if (reader.decryptToByteArray(text) != plain || reader.lastError() != SimpleCrypt::ErrorNoError)
        fail("round trip mismatch (Base64)");
}
// Payload behind a checksum that holds, marked compressed: the flags byte lies
// outside the checksum, so it can be set after encryption.
void compressedPayload(const QByteArray& payload)
{
    SimpleCrypt writer(messageCipherKey());
    writer.setCompressionMode(SimpleCrypt::CompressionNever);
    QByteArray cipher = writer.encryptToByteArray(payload);
    cipher[1] = char(cipher[1] | SimpleCrypt::CryptoFlagCompression);

    SimpleCrypt reader(messageCipherKey());
    const QByteArray plain = reader.decryptToByteArray(cipher);
    checkFailure(reader, plain);
    if (reader.lastError() == SimpleCrypt::ErrorNoError) {
        if (plain != qUncompress(payload))
            fail("inflation differs from qUncompress");
        return;
    }
    // Rejected: qUncompress must not find exactly the declared size in it either
    // (it tolerates short and long streams, which count as damage here). The
    // bound is looser than the cipher's expansion limit so that one gets checked.
    if (payload.size() > 4) {
        const quint32 declared = (quint32(quint8(payload[0])) << 24) | (quint32(quint8(payload[1])) << 16) |
                                 (quint32(quint8(payload[2])) << 8) | quint32(quint8(payload[3]));
        if (declared > 0 && declared <= SimpleCrypt::maxUncompressedSize &&
            quint64(declared) <= quint64(payload.size() - 4) * 2048u &&
            uint(qUncompress(payload).size()) == declared)
            fail("valid payload rejected");
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(quietHandler);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    const int flags = size > 1 ? data[1] : 0;

    SimpleCrypt crypt(messageCipherKey());
    const QByteArray plain = crypt.decryptToByteArray(input);
    checkFailure(crypt, plain);
    if (crypt.lastError() == SimpleCrypt::ErrorNoError)
        roundTrip(plain, flags);

    const QByteArray fromText = crypt.decryptToByteArray(QString::fromLatin1(input));
    checkFailure(crypt, fromText);
    if (crypt.lastError() == SimpleCrypt::ErrorNoError) {
        const QByteArray decoded = QByteArray::fromBase64(input);
        roundTrip(fromText, decoded.size() > 1 ? quint8(decoded[1]) : 0);
    }

    compressedPayload(input);
    return 0;
}
