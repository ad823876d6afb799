#pragma once

#include <QByteArray>
#include <QString>

// Each call uses a fresh SimpleCrypt with its fixed key and the default modes
// (automatic compression, 16-bit checksum). A failed decryption gives an empty
// text; the cipher's own warning is the only report.

// Enciphers the message up to its first NUL byte, read as UTF-8.
QByteArray encryptMessage(const QByteArray& message);
QString decryptMessage(const QByteArray& cipherText);
// decryptMessage in two steps, for a reader that can take the UTF-8 itself.
QByteArray decryptMessageBytes(const QByteArray& cipherText);
QString messageText(const QByteArray& plain);

// Base64 cipher text, as stored in the service's configuration file.
QString encryptComputerPassword(const QString& password);
QString decryptComputerPassword(const QString& cipherText);
