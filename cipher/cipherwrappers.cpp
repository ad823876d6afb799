#include "cipherwrappers.h"

#include "fixedkeys.h"
#include "simplecrypt.h"

QByteArray encryptMessage(const QByteArray& message)
{
    const int nul = message.indexOf('\0');
    const int length = nul < 0 ? message.size() : nul;
    SimpleCrypt crypt(messageCipherKey());
    return crypt.encryptToByteArray(QString::fromUtf8(message.constData(), length));
}

QString decryptMessage(const QByteArray& cipherText)
{
    return messageText(decryptMessageBytes(cipherText));
}

QByteArray decryptMessageBytes(const QByteArray& cipherText)
{
    SimpleCrypt crypt(messageCipherKey());
    return crypt.decryptToByteArray(cipherText);
}

QString messageText(const QByteArray& plain)
{
    return SimpleCrypt::textOf(plain);
}

QString encryptComputerPassword(const QString& password)
{
    SimpleCrypt crypt(computerPasswordCipherKey());
    return crypt.encryptToText(password);
}

QString decryptComputerPassword(const QString& cipherText)
{
    SimpleCrypt crypt(computerPasswordCipherKey());
    return crypt.decryptToText(cipherText);
}
