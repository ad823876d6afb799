#include "statuslistreader.h"

#include "replyparsers.h"

#include <algorithm>
#include <cstring>

namespace Luminorix {

namespace {
const QLatin1String kRoot("ups_current_status_list");

// A unit at a time costs more than the rest of reading one changed record, so
// the texts are compared by blocks, long ones first, and by units only within
// the last block that differs.
const int kBlocks[] = {1024, 64};

// How many units at the start of `a` and `b`, both `n` long, are the same.
template <typename Unit> int samePrefix(const Unit* a, const Unit* b, int n)
{
    int same = 0;
    for (const int block : kBlocks)
        while (same + block <= n && std::memcmp(a + same, b + same, block * sizeof(Unit)) == 0)
            same += block;
    while (same < n && a[same] == b[same])
        ++same;
    return same;
}

// How many units before `a` and `b`, both at least `n` long, are the same.
template <typename Unit> int sameSuffix(const Unit* a, const Unit* b, int n)
{
    int same = 0;
    for (const int block : kBlocks)
        while (same + block <= n &&
               std::memcmp(a - same - block, b - same - block, block * sizeof(Unit)) == 0)
            same += block;
    while (same < n && a[-1 - same] == b[-1 - same])
        ++same;
    return same;
}

bool isAscii(const char* s, int n)
{
    quint64 any = 0;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 word;
        std::memcpy(&word, s + i, sizeof word);
        any |= word;
    }
    for (; i < n; ++i)
        any |= uchar(s[i]);
    return (any & 0x8080808080808080ull) == 0;
}
} // namespace

bool StatusListReader::walk(PlainXmlReader& reader, bool reuse, int* start, QVector<Segment>* segments,
                            QVector<Utils::currentDeviceStatus>* records) const
{
    // What a record holds depends on its own tokens alone (the list reader starts
    // each one afresh), and in a plain document those follow from its text: the
    // same text at the same place gives the same record.
    const QString& document = reader.document();
    int firstToken = reader.tokenIndex();
    int depth = 0;
    while (!reader.atEnd()) {
        if (reader.isStartElement()) {
            ++depth;
        } else if (reader.isEndElement()) {
            --depth;
            if (reader.name() == kRoot)
                return depth == 0;
            if (endsStatusRecord(reader)) {
                const int boundary = reader.tokenIndex();
                // The end tags closing the record's wrapper go with it, so that the
                // next record starts where only the root is open.
                int last = boundary;
                int closed = 0;
                while (depth - closed > 1) {
                    reader.readNext();
                    if (!reader.isEndElement() || reader.name() == kRoot || endsStatusRecord(reader))
                        break;
                    last = reader.tokenIndex();
                    ++closed;
                }
                reader.seek(last);
                depth -= closed;
                const int end = reader.endTagEnd();
                const int index = segments->size();
                Segment segment{*start, end - *start, -1, depth == 1};
                const bool same =
                    reuse && index < m_segments.size() &&
                    QStringRef(&document, *start, end - *start) ==
                        QStringRef(&m_text, m_segments.at(index).offset, m_segments.at(index).length);
                if (same) {
                    if (m_segments.at(index).record >= 0) {
                        segment.record = records->size();
                        records->append(m_records.at(m_segments.at(index).record));
                    }
                } else {
                    reader.seek(firstToken);
                    Utils::currentDeviceStatus record;
                    if (parseStatusRecord(reader, boundary, &record)) {
                        segment.record = records->size();
                        records->append(record);
                    }
                    reader.seek(last);
                }
                segments->append(segment);
                *start = end;
                firstToken = reader.tokenIndex() + 1;
            }
        }
        reader.readNext();
    }
    return false;
}

QVector<Utils::currentDeviceStatus> StatusListReader::read(PlainXmlReader& reader, const QByteArray& plain)
{
    makeText();
    QVector<Segment> segments;
    segments.reserve(m_segments.size());
    QVector<Utils::currentDeviceStatus> records;
    records.reserve(m_records.size());
    int start = 0;
    const bool atRoot = reader.isStartElement() && reader.name() == kRoot;
    const bool closed = walk(reader, true, &start, &segments, &records);
    m_text = reader.document();
    keepPlain(plain);
    m_segments = segments;
    m_records = records;
    m_spare = {};
    m_spareFrom = -1;
    m_tail = start;
    m_known = atRoot && closed;
    return records;
}

bool StatusListReader::readChanged(const QString& document, QVector<Utils::currentDeviceStatus>* records,
                                   const QByteArray& plain)
{
    if (!m_known)
        return false;
    makeText();
    const int newSize = document.size();
    Change change;
    if (!changeOf(m_text.utf16(), m_text.size(), document.utf16(), newSize, &change)) {
        if (!plain.isNull())
            keepPlain(plain);
        *records = m_records;
        return true;
    }
    QVector<Segment> changed;
    QVector<Utils::currentDeviceStatus> read;
    int end = 0;
    if (!readPart(document, change.from, change, newSize, &changed, &read, &end))
        return false;
    m_text = document;
    keepPlain(plain);
    apply(change, changed, read, end, records);
    return true;
}

bool StatusListReader::readChanged(const QByteArray& plain, QVector<Utils::currentDeviceStatus>* records)
{
    if (!m_known || m_plain.isNull())
        return false;
    const int newSize = plain.size();
    const char* d = plain.constData();
    Change change;
    if (!changeOf(m_plain.constData(), m_plain.size(), d, newSize, &change)) {
        m_plain = plain;
        *records = m_records;
        return true;
    }
    // The rest is the list before's, ASCII already.
    if (!isAscii(d + change.from, change.to - change.from))
        return false;
    // The part alone, behind the root's start tag when the part does not hold
    // it, and with the byte after it, so the reader knows the document goes on.
    const int base = change.from > 0 ? 1 + kRoot.size() : 0;
    const int length = change.to - change.from + (change.to < newSize ? 1 : 0);
    QString text;
    text.reserve(base + length);
    if (base > 0)
        text.append(QLatin1Char('<')).append(kRoot);
    text.append(QLatin1String(d + change.from, length));
    QVector<Segment> changed;
    QVector<Utils::currentDeviceStatus> read;
    int end = 0;
    if (!readPart(text, base, change, newSize, &changed, &read, &end))
        return false;
    m_plain = plain;
    m_text = QString();
    apply(change, changed, read, end, records);
    return true;
}

template <typename Unit>
bool StatusListReader::changeOf(const Unit* o, int oldSize, const Unit* d, int newSize, Change* out) const
{
    const int shorter = std::min(oldSize, newSize);
    const int prefix = samePrefix(o, d, shorter);
    if (prefix == oldSize && prefix == newSize)
        return false;
    const int suffix = sameSuffix(o + oldSize, d + newSize, shorter - prefix);

    // The records the changed text touches, widened to where only the root is
    // open, so the part between is read as it would be within the whole.
    const int count = m_segments.size();
    const auto containing = [this, count](int offset) {
        if (offset >= m_tail)
            return count;
        return int(std::upper_bound(m_segments.begin(), m_segments.end(), offset,
                                    [](int at, const Segment& s) { return at < s.offset + s.length; }) -
                   m_segments.begin());
    };
    Change change;
    change.first = containing(prefix);
    while (change.first > 0 && !m_segments.at(change.first - 1).top)
        --change.first;
    change.last = containing(std::max(prefix, oldSize - suffix - 1));
    while (change.last < count && !m_segments.at(change.last).top)
        ++change.last;
    change.from = change.first < count ? m_segments.at(change.first).offset : m_tail;
    change.oldTo =
        change.last < count ? m_segments.at(change.last).offset + m_segments.at(change.last).length : oldSize;
    change.shift = newSize - oldSize;
    change.to = change.oldTo + change.shift;
    *out = change;
    return true;
}

bool StatusListReader::readPart(const QString& text, int base, const Change& change, int newSize,
                                QVector<Segment>* segments, QVector<Utils::currentDeviceStatus>* read,
                                int* end) const
{
    const int to = base + change.to - change.from;
    PlainXmlReader part;
    if (!part.loadPart(text, base, to, 1, kRoot.size()))
        return false;
    part.readNext();
    part.readNext();
    if (base == 0 && part.name() != kRoot)
        return false;
    int start = base;
    const bool closed = walk(part, false, &start, segments, read);
    if (!closed && !part.atEnd())
        return false; // a list's end tag within: the list reader stops there
    if (change.to == newSize ? !closed
                             : (closed || start != to || segments->isEmpty() || !segments->last().top))
        return false;
    const int shift = change.from - base;
    if (shift != 0) {
        for (Segment& segment : *segments)
            segment.offset += shift;
    }
    *end = start + shift;
    return true;
}

void StatusListReader::apply(const Change& change, const QVector<Segment>& changed,
                             QVector<Utils::currentDeviceStatus>& read, int end,
                             QVector<Utils::currentDeviceStatus>* records)
{
    const int count = m_segments.size();
    const int first = change.first;
    const int last = change.last;
    const int shift = change.shift;
    const int stop = std::min(last + 1, count);
    m_tail = last < count ? m_tail + shift : end;
    // The records of the segments replaced, which follow one another.
    int held = 0;
    int firstRecord = -1;
    for (int i = first; i < stop; ++i) {
        const int record = m_segments.at(i).record;
        if (record >= 0 && held++ == 0)
            firstRecord = record;
    }
    if (changed.size() == stop - first && read.size() == held) {
        // The usual change, a record's text, leaves every record in its place: the
        // lists are written over rather than built again. The caller's copy goes
        // first (not by clear(), which copies a shared list to empty it); a list
        // someone else keeps is copied once, and from then on the list before,
        // let go of by then, is brought up to date instead.
        *records = {};
        Utils::currentDeviceStatus* list = nullptr;
        if (held > 0) {
            if (m_spareFrom >= 0 && m_spare.isDetached()) {
                // Only the records the last change wrote are behind.
                Utils::currentDeviceStatus* spare = m_spare.data();
                for (int i = m_spareFrom; i < m_spareTo; ++i)
                    spare[i] = m_records.at(i);
                m_spare.swap(m_records);
            } else if (!m_records.isDetached()) {
                m_spare = m_records; // data() copies it below
            } else {
                m_spare = {};
            }
            m_spareFrom = m_spare.isEmpty() ? -1 : firstRecord;
            m_spareTo = firstRecord + held;
            list = m_records.data();
        }
        Segment* segments = m_segments.data();
        int next = firstRecord;
        for (int i = first; i < stop; ++i) {
            Segment segment = changed.at(i - first);
            if (segment.record >= 0) {
                list[next] = std::move(read[segment.record]);
                segment.record = next++;
            }
            segments[i] = segment;
        }
        if (shift != 0) {
            for (int i = stop; i < count; ++i)
                segments[i].offset += shift;
        }
        *records = m_records;
        return;
    }

    QVector<Segment> segments;
    segments.reserve(count - (last - first) + changed.size());
    QVector<Utils::currentDeviceStatus> list;
    list.reserve(m_records.size() + read.size());
    const auto keep = [&](Segment segment, const Utils::currentDeviceStatus* record) {
        if (segment.record >= 0) {
            segment.record = list.size();
            list.append(*record);
        }
        segments.append(segment);
    };
    for (int i = 0; i < first; ++i)
        keep(m_segments.at(i),
             m_segments.at(i).record >= 0 ? &m_records.at(m_segments.at(i).record) : nullptr);
    for (const Segment& segment : changed)
        keep(segment, segment.record >= 0 ? &read.at(segment.record) : nullptr);
    for (int i = stop; i < count; ++i) {
        Segment segment = m_segments.at(i);
        segment.offset += shift;
        keep(segment, segment.record >= 0 ? &m_records.at(segment.record) : nullptr);
    }
    m_segments = segments;
    m_records = list;
    m_spare = {};
    m_spareFrom = -1;
    *records = list;
}

void StatusListReader::makeText()
{
    if (!m_text.isNull() || m_plain.isNull())
        return;
    m_text = QString::fromLatin1(m_plain.constData(), m_plain.size());
}

void StatusListReader::keepPlain(const QByteArray& plain)
{
    // Only ASCII has its text's offsets; the caller vouches that it is m_text's.
    const bool same =
        !plain.isNull() && plain.size() == m_text.size() && isAscii(plain.constData(), plain.size());
    m_plain = same ? plain : QByteArray();
}

} // namespace Luminorix
