#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QtTest>

// Files of the converter's tests: writing fixtures, reading results as plain
// key/value maps.
class IniFixture
{
public:
    static bool writeFile(const QString& path, const QByteArray& bytes);
    static QByteArray readFile(const QString& path);

    // Every key of a settings file as "section/key" -> text; a list becomes
    // "[a b c]". Read as UTF-8, which also decodes the \x escapes.
    static QMap<QString, QString> keyValues(const QString& path);

    // Replaces {cpw:plain} and {spw:plain} by cipher text of plain under the
    // computer-password and SMTP keys: stored passwords differ on every run.
    static QByteArray withCipherTexts(const QByteArray& text);

    // Plain text of password values ("computer.N/password", "smtp/pass");
    // other values unchanged. An undecipherable password becomes "<undecipherable>".
    static QMap<QString, QString> withPlainPasswords(const QMap<QString, QString>& values);
};

namespace QTest {
// Shows both maps when a comparison of key/value maps fails.
template <> inline char* toString(const QMap<QString, QString>& values)
{
    QStringList lines;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        lines.append(it.key() + QLatin1Char('=') + it.value());
    return qstrdup(("{" + lines.join(QStringLiteral("; ")) + "}").toUtf8().constData());
}
} // namespace QTest
