#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

// Symmetric cipher with a 64-bit key: XOR chain over a versioned cipher text with
// optional compression and a checksum or SHA-1 digest. The integrity field only
// detects a wrong key or damaged data; it authenticates nothing.
//
// Cipher text: 0x03, flags, then the enciphered body (random byte, integrity
// field, payload). The service reads and writes the same format, bit for bit.
class SimpleCrypt
{
public:
    enum CompressionMode
    {
        CompressionAuto = 0,   // compress when that makes the payload strictly shorter
        CompressionAlways = 1, // any other value: never compress
        CompressionNever = 2
    };
    enum IntegrityProtectionMode
    {
        ProtectionNone = 0,     // any value other than 1 and 2 means none
        ProtectionChecksum = 1, // CRC-16 (ISO 3309) as qChecksum computes it
        ProtectionHash = 2      // SHA-1 digest
    };
    enum Error
    {
        ErrorNoError = 0,
        ErrorNoKeySet = 1,
        ErrorUnknownVersion = 2,
        ErrorIntegrityFailed = 3
    };
    enum CryptoFlag
    {
        CryptoFlagNone = 0x00,
        CryptoFlagCompression = 0x01,
        CryptoFlagChecksum = 0x02,
        CryptoFlagHash = 0x04
    };

    // Largest payload decryption inflates; a larger declared size is damage.
    static constexpr quint32 maxUncompressedSize = 64u * 1024u * 1024u;

    SimpleCrypt();
    explicit SimpleCrypt(quint64 key);

    void assignKey(quint64 key);
    void deriveKeyParts();
    quint64 key() const { return m_key; }
    bool hasKey() const { return !m_keyParts.isEmpty(); }

    void setCompressionMode(int mode) { m_compressionMode = mode; }
    int compressionMode() const { return m_compressionMode; }
    void setIntegrityProtectionMode(int mode) { m_integrityMode = mode; }
    int integrityProtectionMode() const { return m_integrityMode; }
    // Outcome of the last encryption or decryption, one of Error.
    int lastError() const { return m_lastError; }

    QByteArray encryptToByteArray(const QString& plaintext);
    QByteArray encryptToByteArray(QByteArray plaintext);
    QString encryptToText(const QString& plaintext);
    QString encryptToText(const QByteArray& plaintext);

    QByteArray decryptToByteArray(const QString& cyphertext);
    QByteArray decryptToByteArray(QByteArray cypher);
    QString decryptToText(const QString& cyphertext);
    QString decryptToText(const QByteArray& cypher);
    // The text decryptToText gives for the bytes decryptToByteArray gave.
    static QString textOf(const QByteArray& plain);

private:
    quint64 m_key;
    QVector<char> m_keyParts;
    int m_compressionMode;
    int m_integrityMode;
    int m_lastError;
};
