#include "statuslistreader.h"

#include "replyparsers.h"

namespace Luminorix {

QVector<Utils::currentDeviceStatus> StatusListReader::read(PlainXmlReader& reader)
{
    // What a record holds depends on its own tokens alone (the list reader starts
    // each one afresh), and in a plain document those follow from its text: the
    // same text at the same place gives the same record.
    const QString& document = reader.document();
    QVector<Segment> segments;
    segments.reserve(m_segments.size());
    QVector<Utils::currentDeviceStatus> records;
    records.reserve(m_records.size());
    int start = 0;
    int firstToken = reader.tokenIndex();
    while (!reader.atEnd()) {
        if (reader.isEndElement()) {
            if (reader.name() == QLatin1String("ups_current_status_list"))
                break;
            if (endsStatusRecord(reader)) {
                const int end = reader.endTagEnd();
                const int index = segments.size();
                Segment segment{start, end - start, -1};
                const bool same =
                    index < m_segments.size() &&
                    QStringRef(&document, start, end - start) ==
                        QStringRef(&m_text, m_segments.at(index).offset, m_segments.at(index).length);
                if (same) {
                    if (m_segments.at(index).record >= 0) {
                        segment.record = records.size();
                        records.append(m_records.at(m_segments.at(index).record));
                    }
                } else {
                    const int boundary = reader.tokenIndex();
                    reader.seek(firstToken);
                    Utils::currentDeviceStatus record;
                    if (parseStatusRecord(reader, boundary, &record)) {
                        segment.record = records.size();
                        records.append(record);
                    }
                }
                segments.append(segment);
                start = end;
                firstToken = reader.tokenIndex() + 1;
            }
        }
        reader.readNext();
    }
    m_text = document;
    m_segments = segments;
    m_records = records;
    return records;
}

} // namespace Luminorix
