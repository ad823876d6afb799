#include "inifixture.h"

#include "cipher/cipherwrappers.h"
#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>

bool IniFixture::writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray IniFixture::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QMap<QString, QString> IniFixture::keyValues(const QString& path)
{
    // The library keeps what a settings object of this process wrote to a path;
    // a fresh copy makes it parse the bytes on disk.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ini"));
    if (!QFile::copy(path, copy))
        return {};
    QSettings settings(copy, QSettings::IniFormat);
    settings.setIniCodec(QTextCodec::codecForName("UTF-8"));
    QMap<QString, QString> values;
    const QStringList keys = settings.allKeys();
    for (const QString& key : keys) {
        const QVariant value = settings.value(key);
        if (value.type() == QVariant::StringList)
            values.insert(key,
                          QLatin1Char('[') + value.toStringList().join(QLatin1Char(' ')) + QLatin1Char(']'));
        else
            values.insert(key, value.toString());
    }
    return values;
}

QByteArray IniFixture::withCipherTexts(const QByteArray& text)
{
    QString result = QString::fromUtf8(text);
    static const QRegularExpression placeholder(QStringLiteral("\\{(cpw|spw):([^}]*)\\}"));
    QRegularExpressionMatch match;
    while ((match = placeholder.match(result)).hasMatch()) {
        const QString plain = match.captured(2);
        QString cipher;
        if (match.captured(1) == QLatin1String("cpw")) {
            cipher = encryptComputerPassword(plain);
        } else {
            SimpleCrypt crypt(smtpPasswordCipherKey());
            cipher = crypt.encryptToText(plain);
        }
        result.replace(match.capturedStart(), match.capturedLength(), cipher);
    }
    return result.toUtf8();
}

QMap<QString, QString> IniFixture::withPlainPasswords(const QMap<QString, QString>& values)
{
    static const QRegularExpression computerPassword(QStringLiteral("^computer\\.\\d+/password$"));
    QMap<QString, QString> result = values;
    for (auto it = result.begin(); it != result.end(); ++it) {
        const bool computer = computerPassword.match(it.key()).hasMatch();
        if (!computer && it.key() != QLatin1String("smtp/pass"))
            continue;
        SimpleCrypt crypt(computer ? computerPasswordCipherKey() : smtpPasswordCipherKey());
        const QString plain = crypt.decryptToText(it.value());
        it.value() = crypt.lastError() == SimpleCrypt::ErrorNoError && !it.value().isEmpty()
                         ? plain
                         : QStringLiteral("<undecipherable>");
    }
    return result;
}
