#pragma once

#include "common/currentdevicestatus.h"
#include "plainxmlreader.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Luminorix {

// Reads plain status lists one after another, reading again only the records
// whose text changed since the list before: with a thousand devices and one of
// them changing, the rest costs a comparison of bytes. The result is the list
// parseUpsCurrentStatusList would read from the same document.
//
// A list whose UTF-8 bytes are all ASCII may also come as those bytes, so that
// a changed list costs what changed and not the making of its whole text.
class StatusListReader
{
public:
    // From the reader standing on the list's root element, as the list reader.
    // `plain`, when not null, is the UTF-8 the reader's document was made from.
    QVector<Utils::currentDeviceStatus> read(PlainXmlReader& reader, const QByteArray& plain = QByteArray());
    // The list in `document` when it differs from the list read before only in
    // records that can be read, and checked to be plain, by themselves; false
    // when the document has to be loaded and read whole. `*records` may hold the
    // list handed out before: it is let go of first, so that the records are
    // written over in place unless someone else keeps that list.
    bool readChanged(const QString& document, QVector<Utils::currentDeviceStatus>* records,
                     const QByteArray& plain = QByteArray());
    // The same for the document whose UTF-8 is `plain`, when both it and the
    // list read before are ASCII (the text of ASCII is its bytes, offset for
    // offset); false, touching nothing, when it has to go by the text.
    bool readChanged(const QByteArray& plain, QVector<Utils::currentDeviceStatus>* records);

private:
    // The text from the end of the record before (or the document's start) to
    // the end tag that ends this one, and the record read from it, if any.
    struct Segment
    {
        int offset;
        int length;
        int record; // into m_records, or -1
        bool top;   // only the root is open at its end
    };

    // The segments a change of [prefix, oldSize - suffix) in the list read
    // before touches, and the part of the text they span.
    struct Change
    {
        int first; // into m_segments
        int last;  // the last, or m_segments.size() for the text after them
        int from;  // where the part starts, in both lists
        int oldTo; // where it ends in the list before
        int to;    // and in the new one
        int shift; // the new size less the old
    };

    // Walks from the reader's root up to the root's end tag, appending the
    // segments from `*start` on; true when it stopped at the root's own end.
    bool walk(PlainXmlReader& reader, bool reuse, int* start, QVector<Segment>* segments,
              QVector<Utils::currentDeviceStatus>* records) const;
    // The change from the list before, `o`, to `d`; false when they are the same.
    template <typename Unit>
    bool changeOf(const Unit* o, int oldSize, const Unit* d, int newSize, Change* change) const;
    // Reads the part of a change from `text`, which holds it from `base` on
    // (and, before, the root's name at 1); the segments come out at the
    // document's offsets.
    bool readPart(const QString& text, int base, const Change& change, int newSize,
                  QVector<Segment>* segments, QVector<Utils::currentDeviceStatus>* read, int* end) const;
    // Puts the part read in the place of the records it replaces.
    void apply(const Change& change, const QVector<Segment>& changed,
               QVector<Utils::currentDeviceStatus>& read, int end,
               QVector<Utils::currentDeviceStatus>* records);
    // m_text made again from m_plain after a list read from its bytes.
    void makeText();
    // Keeps `plain`, the UTF-8 of m_text, when it is ASCII.
    void keepPlain(const QByteArray& plain);

    // The list's text; null after a list read from its bytes, which m_plain then holds.
    QString m_text;
    // The list's UTF-8 when it is all ASCII, else null.
    QByteArray m_plain;
    QVector<Segment> m_segments;
    QVector<Utils::currentDeviceStatus> m_records;
    // The list before m_records, written over for the next list once whoever
    // kept it (the panel's tree keeps the list before) lets go: it differs
    // from m_records in [m_spareFrom, m_spareTo) alone; m_spareFrom is -1 when
    // it is no such list.
    QVector<Utils::currentDeviceStatus> m_spare;
    int m_spareFrom = -1;
    int m_spareTo = -1;
    int m_tail = 0;       // where the text after the last record starts
    bool m_known = false; // the list read before is whole, its root closing at its end
};

} // namespace Luminorix
