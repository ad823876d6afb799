#include "testframes.h"

#include "cipher/cipherwrappers.h"
#include "link/framing.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

QByteArray frameOf(const QString& plainXml)
{
    return Luminorix::buildFrame(encryptMessage(plainXml.toUtf8()));
}

QString indented(const QString& compactXml)
{
    QString out;
    QXmlStreamReader reader(compactXml);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartDocument() || reader.isEndDocument())
            continue;
        if (reader.hasError())
            return compactXml;
        writer.writeCurrentToken(reader);
    }
    return out;
}
