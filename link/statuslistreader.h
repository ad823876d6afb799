#pragma once

#include "common/currentdevicestatus.h"
#include "plainxmlreader.h"

#include <QString>
#include <QVector>

namespace Luminorix {

// Reads plain status lists one after another, reading again only the records
// whose text changed since the list before: with a thousand devices and one of
// them changing, the rest costs a comparison of bytes. The result is the list
// parseUpsCurrentStatusList would read from the same document.
class StatusListReader
{
public:
    // From the reader standing on the list's root element, as the list reader.
    QVector<Utils::currentDeviceStatus> read(PlainXmlReader& reader);
    // The list in `document` when it differs from the list read before only in
    // records that can be read, and checked to be plain, by themselves; false
    // when the document has to be loaded and read whole. `*records` may hold the
    // list handed out before: it is let go of first, so that the records are
    // written over in place unless someone else keeps that list.
    bool readChanged(const QString& document, QVector<Utils::currentDeviceStatus>* records);

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

    // Walks from the reader's root up to the root's end tag, appending the
    // segments from `*start` on; true when it stopped at the root's own end.
    bool walk(PlainXmlReader& reader, bool reuse, int* start, QVector<Segment>* segments,
              QVector<Utils::currentDeviceStatus>* records) const;

    QString m_text;
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
    bool m_known = false; // m_text is a whole list, its root closing at its end
};

} // namespace Luminorix
