#pragma once

#include <QByteArray>
#include <QString>

// A reply as the service puts it on the wire: length prefix and cipher text.
QByteArray frameOf(const QString& plainXml);
// The same document laid out with line breaks and indentation.
QString indented(const QString& compactXml);
