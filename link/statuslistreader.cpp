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
int samePrefix(const ushort* a, const ushort* b, int n)
{
    int same = 0;
    for (const int block : kBlocks)
        while (same + block <= n && std::memcmp(a + same, b + same, block * sizeof(ushort)) == 0)
            same += block;
    while (same < n && a[same] == b[same])
        ++same;
    return same;
}

// How many units before `a` and `b`, both at least `n` long, are the same.
int sameSuffix(const ushort* a, const ushort* b, int n)
{
    int same = 0;
    for (const int block : kBlocks)
        while (same + block <= n &&
               std::memcmp(a - same - block, b - same - block, block * sizeof(ushort)) == 0)
            same += block;
    while (same < n && a[-1 - same] == b[-1 - same])
        ++same;
    return same;
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

QVector<Utils::currentDeviceStatus> StatusListReader::read(PlainXmlReader& reader)
{
    QVector<Segment> segments;
    segments.reserve(m_segments.size());
    QVector<Utils::currentDeviceStatus> records;
    records.reserve(m_records.size());
    int start = 0;
    const bool atRoot = reader.isStartElement() && reader.name() == kRoot;
    const bool closed = walk(reader, true, &start, &segments, &records);
    m_text = reader.document();
    m_segments = segments;
    m_records = records;
    m_spare = {};
    m_spareFrom = -1;
    m_tail = start;
    m_known = atRoot && closed;
    return records;
}

bool StatusListReader::readChanged(const QString& document, QVector<Utils::currentDeviceStatus>* records)
{
    if (!m_known)
        return false;
    const int oldSize = m_text.size();
    const int newSize = document.size();
    const ushort* o = m_text.utf16();
    const ushort* d = document.utf16();
    const int shorter = std::min(oldSize, newSize);
    const int prefix = samePrefix(o, d, shorter);
    if (prefix == oldSize && prefix == newSize) {
        *records = m_records;
        return true;
    }
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
    int first = containing(prefix);
    while (first > 0 && !m_segments.at(first - 1).top)
        --first;
    int last = containing(std::max(prefix, oldSize - suffix - 1));
    while (last < count && !m_segments.at(last).top)
        ++last;
    const int from = first < count ? m_segments.at(first).offset : m_tail;
    const int oldTo = last < count ? m_segments.at(last).offset + m_segments.at(last).length : oldSize;
    const int shift = newSize - oldSize;
    const int to = oldTo + shift;

    PlainXmlReader part;
    if (!part.loadPart(document, from, to, 1, kRoot.size()))
        return false;
    part.readNext();
    part.readNext();
    if (from == 0 && part.name() != kRoot)
        return false;
    QVector<Segment> changed;
    QVector<Utils::currentDeviceStatus> read;
    int start = from;
    const bool closed = walk(part, false, &start, &changed, &read);
    if (!closed && !part.atEnd())
        return false; // a list's end tag within: the list reader stops there
    if (to == newSize ? !closed : (closed || start != to || changed.isEmpty() || !changed.last().top))
        return false;

    m_text = document;
    const int end = std::min(last + 1, count);
    m_tail = last < count ? m_tail + shift : start;
    // The records of the segments replaced, which follow one another.
    int held = 0;
    int firstRecord = -1;
    for (int i = first; i < end; ++i) {
        const int record = m_segments.at(i).record;
        if (record >= 0 && held++ == 0)
            firstRecord = record;
    }
    if (changed.size() == end - first && read.size() == held) {
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
        for (int i = first; i < end; ++i) {
            Segment segment = changed.at(i - first);
            if (segment.record >= 0) {
                list[next] = std::move(read[segment.record]);
                segment.record = next++;
            }
            segments[i] = segment;
        }
        if (shift != 0) {
            for (int i = end; i < count; ++i)
                segments[i].offset += shift;
        }
        *records = m_records;
        return true;
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
    for (int i = end; i < count; ++i) {
        Segment segment = m_segments.at(i);
        segment.offset += shift;
        keep(segment, segment.record >= 0 ? &m_records.at(segment.record) : nullptr);
    }
    m_segments = segments;
    m_records = list;
    m_spare = {};
    m_spareFrom = -1;
    *records = list;
    return true;
}

} // namespace Luminorix
