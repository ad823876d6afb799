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

private:
    // The text from the end of the record before (or the document's start) to
    // the end tag that ends this one, and the record read from it, if any.
    struct Segment
    {
        int offset;
        int length;
        int record; // into m_records, or -1
    };

    QString m_text;
    QVector<Segment> m_segments;
    QVector<Utils::currentDeviceStatus> m_records;
};

} // namespace Luminorix
