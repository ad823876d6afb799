#pragma once

#include <QByteArray>
#include <QString>

// The text of the last large reply decoded, so that the next one is decoded only
// where its bytes differ: a status list of a thousand devices changes in a few
// records a poll, and decoding all of it cost more than reading what changed.
// The text is the one QString::fromUtf8 gives, whatever the bytes.
class LastReplyText
{
public:
    static constexpr int kMinSize = 16 * 1024; // below this a whole decoding is cheap
    static constexpr int kMaxSize = 1024 * 1024;

    QString decode(const QByteArray& plain);

    // The one the cipher uses on this thread.
    static LastReplyText& forThisThread();

private:
    // The text of `plain` decoded only where it differs from the last; false
    // when that cannot be done safely.
    bool splice(const QByteArray& plain, QString* text) const;

    QByteArray m_plain;
    QString m_text; // one unit a byte of m_plain, or empty
};
