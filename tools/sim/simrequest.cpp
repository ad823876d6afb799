#include "simrequest.h"

#include <QXmlStreamReader>

namespace LxSim {

QString SimRequest::value(const QString& child) const
{
    for (const Child& c : children) {
        if (c.name == child)
            return c.text;
    }
    return QString();
}

QStringList SimRequest::values(const QString& child) const
{
    QStringList out;
    for (const Child& c : children) {
        if (c.name == child)
            out.append(c.text);
    }
    return out;
}

QMap<QString, QString> SimRequest::toMap() const
{
    QMap<QString, QString> map;
    for (const Child& c : children)
        map.insert(c.name, c.text);
    return map;
}

QString SimRequest::payload() const
{
    if (!wellFormed)
        return QString();
    int begin = raw.indexOf(QLatin1Char('>')) + 1;
    if (hasPass) {
        const int passEnd = raw.indexOf(QLatin1String("</pass>"));
        begin = passEnd >= 0 ? passEnd + 7 : raw.indexOf(QLatin1String("<pass/>")) + 7;
    }
    const int end = raw.lastIndexOf(QLatin1String("</"));
    return end > begin ? raw.mid(begin, end - begin) : QString();
}

QString SimRequest::describe() const
{
    if (!wellFormed)
        return QStringLiteral("not well-formed (%1)").arg(error);
    QStringList parts;
    parts << QStringLiteral("name=%1").arg(name);
    parts << (hasPass ? QStringLiteral("pass=\"%1\"").arg(pass) : QStringLiteral("no pass"));
    if (!text.isEmpty())
        parts << QStringLiteral("text=\"%1\"").arg(text);
    QStringList kids;
    for (const Child& c : children)
        kids << QStringLiteral("%1=\"%2\"").arg(c.name, c.inner);
    parts << QStringLiteral("children=[%1]").arg(kids.join(QStringLiteral(", ")));
    return parts.join(QLatin1Char(' '));
}

SimRequest SimRequest::parse(const QString& raw)
{
    SimRequest request;
    request.raw = raw;
    QXmlStreamReader reader(raw);
    int depth = 0;
    int childStart = 0; // offset where the current child's content begins
    bool firstChild = true;
    bool inPass = false;
    Child current;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (depth == 1) {
                request.name = reader.name().toString();
            } else if (depth == 2) {
                current = Child();
                current.name = reader.name().toString();
                childStart = int(reader.characterOffset());
                inPass = firstChild && current.name == QLatin1String("pass");
                firstChild = false;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == 2) {
                // The reader has already consumed the "<" of the end tag when it
                // reports the text before it, so the end is found from the tag itself.
                const int endTag = raw.lastIndexOf(QLatin1String("</"), int(reader.characterOffset()) - 1);
                current.inner = endTag >= childStart ? raw.mid(childStart, endTag - childStart) : QString();
                if (inPass) {
                    request.hasPass = true;
                    request.pass = current.text;
                } else {
                    request.children.append(current);
                }
                inPass = false;
            }
            --depth;
        } else if (token == QXmlStreamReader::Characters) {
            if (depth == 1)
                request.text += reader.text();
            else if (depth >= 2)
                current.text += reader.text();
        }
    }
    // Map-form requests put a line feed after each parameter.
    request.text = request.text.trimmed();
    if (reader.hasError()) {
        request.error = reader.errorString();
    } else if (request.name.isEmpty()) {
        request.error = QStringLiteral("no element");
    } else {
        request.wellFormed = true;
    }
    return request;
}

} // namespace LxSim
