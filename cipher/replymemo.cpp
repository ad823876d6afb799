#include "replymemo.h"

#include <QHash>
#include <algorithm>
#include <cstring>

qint64 ReplyMemo::Entry::cost() const
{
    return body.size() + plain.size() + (decoded ? qint64(text.size()) * 2 : 0);
}

ReplyMemo::ReplyMemo(qint64 budget) : m_budget(budget) {}

ReplyMemo& ReplyMemo::forThisThread()
{
    thread_local ReplyMemo memo;
    return memo;
}

const QByteArray* ReplyMemo::find(int flags, const char* data, int size)
{
    for (Entry& entry : m_entries) {
        if (entry.body.size() == size + 1 && uchar(entry.body.at(0)) == flags &&
            (size == 0 || std::memcmp(entry.body.constData() + 1, data, size_t(size)) == 0)) {
            entry.used = ++m_clock;
            return &entry.plain;
        }
    }
    return nullptr;
}

bool ReplyMemo::seenBefore(int flags, const char* data, int size)
{
    const uint hash = qHashBits(data, size_t(size), uint(flags));
    for (const Sighting& sighting : m_sightings) {
        if (sighting.size == size && sighting.hash == hash)
            return true;
    }
    m_sightings[m_nextSighting] = {size, hash};
    m_nextSighting = (m_nextSighting + 1) % int(sizeof m_sightings / sizeof m_sightings[0]);
    return false;
}

void ReplyMemo::remember(int flags, const char* data, int size, const QByteArray& plain)
{
    const qint64 cost = qint64(size) + 1 + plain.size();
    if (cost > entryLimit())
        return;
    if (cost > kAtOnce && !seenBefore(flags, data, size))
        return;
    makeRoom(cost, nullptr);
    if (int(m_entries.size()) >= kMaxEntries) {
        const auto oldest = std::min_element(m_entries.begin(), m_entries.end(),
                                             [](const Entry& a, const Entry& b) { return a.used < b.used; });
        m_held -= oldest->cost();
        m_entries.erase(oldest);
    }
    Entry entry;
    entry.body.reserve(size + 1);
    entry.body.append(char(flags));
    entry.body.append(data, size);
    entry.plain = plain;
    entry.used = ++m_clock;
    m_held += entry.cost();
    m_entries.push_back(std::move(entry));
}

const QString* ReplyMemo::textOf(const QByteArray& plain)
{
    if (plain.isEmpty())
        return nullptr;
    for (Entry& entry : m_entries) {
        if (entry.plain.constData() != plain.constData() || entry.plain.size() != plain.size())
            continue;
        if (!entry.decoded) {
            // UTF-16 takes at most two bytes for each byte of UTF-8.
            const qint64 textCost = qint64(plain.size()) * 2;
            if (entry.cost() + textCost > entryLimit())
                return nullptr;
            makeRoom(textCost, &entry);
            const qint64 before = entry.cost();
            entry.text = QString::fromUtf8(plain.constData(), plain.size());
            entry.decoded = true;
            m_held += entry.cost() - before;
        }
        return &entry.text;
    }
    return nullptr;
}

void ReplyMemo::makeRoom(qint64 extra, const Entry* keep)
{
    while (!m_entries.empty() && m_held + extra > m_budget) {
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (&*it != keep && (oldest == m_entries.end() || it->used < oldest->used))
                oldest = it;
        }
        if (oldest == m_entries.end())
            return;
        m_held -= oldest->cost();
        m_entries.erase(oldest);
    }
}
