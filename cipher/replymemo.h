#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <list>

// What recent decryptions gave, under the bytes they were made from: the service
// repeats its poll replies until something changes, and a large one costs far
// more to check, inflate and decode than to compare. The outcome is a function of
// the flags and the deciphered body past the random byte alone.
//
// Held by bytes, not by entries: a log page of a few MB must not stay pinned after
// its reader has dropped it. An entry that would cost more than kAtOnce is kept
// only on its second sighting, so a one-off large reply never pushes out the poll's.
class ReplyMemo
{
public:
    static constexpr qint64 kBudget = 4 * 1024 * 1024; // body, plain bytes and text of all entries
    static constexpr qint64 kMaxEntry = 1024 * 1024;
    static constexpr qint64 kAtOnce = 64 * 1024;
    static constexpr int kMaxEntries = 8;

    explicit ReplyMemo(qint64 budget = kBudget);
    ReplyMemo(const ReplyMemo&) = delete;
    ReplyMemo& operator=(const ReplyMemo&) = delete;

    // The plain bytes decrypted from this body before, or null.
    const QByteArray* find(int flags, const char* data, int size);
    void remember(int flags, const char* data, int size, const QByteArray& plain);
    // The text of plain bytes this memo handed out, decoded once; null when the
    // bytes are not held or their text would not fit.
    const QString* textOf(const QByteArray& plain);

    qint64 heldBytes() const { return m_held; }
    int size() const { return int(m_entries.size()); }

    // The one the cipher uses on this thread.
    static ReplyMemo& forThisThread();

private:
    struct Entry
    {
        QByteArray body; // flags, then the body past the random byte
        QByteArray plain;
        QString text;
        bool decoded = false;
        quint64 used = 0;
        qint64 cost() const;
    };
    struct Sighting
    {
        int size = -1;
        uint hash = 0;
    };

    qint64 entryLimit() const { return qMin(kMaxEntry, m_budget); }
    bool seenBefore(int flags, const char* data, int size);
    // Drops the entries read longest ago, sparing `keep`, until `extra` more fits.
    void makeRoom(qint64 extra, const Entry* keep);

    qint64 m_budget;
    qint64 m_held = 0;
    quint64 m_clock = 0;
    std::list<Entry> m_entries; // few, and their addresses stay put
    Sighting m_sightings[8];
    int m_nextSighting = 0;
};
