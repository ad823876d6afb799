#include "plainxmlreader.h"

#include "replybounds.h"

#include <QVarLengthArray>

namespace Luminorix {

namespace {

bool isNameStart(ushort c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isNameChar(ushort c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// Characters QXmlStreamReader passes through unchanged and in one token: no
// markup, no references, no carriage return (it would be normalized), no
// "]" (it cuts the token), nothing outside the plane of single code units.
bool isPlainChar(ushort c)
{
    if (c < 0x80)
        return c >= 0x20 && c < 0x7F && c != '<' && c != '&' && c != '>' && c != ']';
    return c < 0xD800 || (c >= 0xE000 && c <= 0xFFFD);
}

bool isPlainTextChar(ushort c)
{
    return c == '\n' || c == '\t' || isPlainChar(c);
}

// Attribute values would have tabs and line breaks normalized.
bool isPlainValueChar(ushort c)
{
    return c != '"' && isPlainChar(c);
}

// End of the name starting at `i`, or `i` when there is none.
int scanName(const ushort* s, int i, int n)
{
    if (i >= n || !isNameStart(s[i]))
        return i;
    ++i;
    while (i < n && isNameChar(s[i]))
        ++i;
    return i;
}

// Names starting with "xml" in any case are reserved, "xmlns" among them.
bool isReserved(const ushort* s, int i, int end)
{
    return end - i >= 3 && (s[i] | 0x20) == 'x' && (s[i + 1] | 0x20) == 'm' && (s[i + 2] | 0x20) == 'l';
}

bool sameName(const ushort* s, int a, int b, int length)
{
    for (int k = 0; k < length; ++k) {
        if (s[a + k] != s[b + k])
            return false;
    }
    return true;
}
} // namespace

PlainXmlReader::PlainXmlReader()
{
    m_tokens.append({QXmlStreamReader::NoToken, 0, 0, 0, 0});
}

bool PlainXmlReader::fail()
{
    m_document.clear();
    m_tokens.clear();
    m_attributes.clear();
    m_tokens.append({QXmlStreamReader::NoToken, 0, 0, 0, 0});
    m_current = 0;
    return false;
}

bool PlainXmlReader::load(const QString& document)
{
    m_document = document;
    m_tokens.clear();
    m_attributes.clear();
    m_current = 0;
    const int n = document.size();
    m_tokens.reserve(n / 8 + 4);
    m_tokens.append({QXmlStreamReader::NoToken, 0, 0, 0, 0});
    m_tokens.append({QXmlStreamReader::StartDocument, 0, 0, 0, 0});
    QVarLengthArray<int, 64> open;
    bool rootSeen = false;
    if (!scan(0, n, open, rootSeen) || !open.isEmpty() || !rootSeen)
        return fail();
    m_tokens.append({QXmlStreamReader::EndDocument, 0, 0, 0, 0});
    return true;
}

bool PlainXmlReader::loadPart(const QString& document, int from, int to, int rootOffset, int rootLength)
{
    m_document = document;
    m_tokens.clear();
    m_attributes.clear();
    m_current = 0;
    const int n = document.size();
    if (from < 0 || to > n || from > to)
        return fail();
    m_tokens.append({QXmlStreamReader::NoToken, 0, 0, 0, 0});
    m_tokens.append({QXmlStreamReader::StartDocument, 0, 0, 0, 0});
    QVarLengthArray<int, 64> open;
    bool rootSeen = false;
    if (from > 0) {
        open.append(m_tokens.size());
        m_tokens.append({QXmlStreamReader::StartElement, rootOffset, rootLength, 0, 0});
        rootSeen = true;
    }
    if (!scan(from, to, open, rootSeen) || !rootSeen)
        return fail();
    // Closing the root is checked against the document's end within scan().
    if (to == n ? !open.isEmpty() : open.size() != 1)
        return fail();
    m_tokens.append({QXmlStreamReader::EndDocument, 0, 0, 0, 0});
    return true;
}

bool PlainXmlReader::scan(int i, int n, QVarLengthArray<int, 64>& open, bool& rootSeen)
{
    const ushort* s = m_document.utf16();
    const int size = m_document.size();
    if (i == 0 && (n == 0 || s[0] != '<'))
        return false;
    while (i < n) {
        if (s[i] != '<') {
            const int start = i;
            while (i < n && s[i] != '<') {
                if (!isPlainTextChar(s[i]))
                    return false;
                ++i;
            }
            if (open.isEmpty())
                return false;
            m_tokens.append({QXmlStreamReader::Characters, start, i - start, 0, 0});
            continue;
        }
        if (i + 1 < n && s[i + 1] == '/') {
            const int start = i + 2;
            const int end = scanName(s, start, n);
            if (open.isEmpty() || end == start || end >= n || s[end] != '>')
                return false;
            const Token& opening = m_tokens.at(open.last());
            if (opening.length != end - start || !sameName(s, opening.offset, start, end - start))
                return false;
            open.removeLast();
            m_tokens.append({QXmlStreamReader::EndElement, start, end - start, 0, 0});
            i = end + 1;
            if (open.isEmpty() && i != size)
                return false; // only the root, and nothing after it
            continue;
        }
        const int start = i + 1;
        const int end = scanName(s, start, n);
        if (end == start || isReserved(s, start, end) || (open.isEmpty() && rootSeen) ||
            open.size() >= kMaxReplyDepth)
            return false;
        int j = end;
        const int firstAttribute = m_attributes.size();
        while (j < n && s[j] == ' ') {
            const int nameStart = j + 1;
            const int nameEnd = scanName(s, nameStart, n);
            if (nameEnd == nameStart || isReserved(s, nameStart, nameEnd) || nameEnd + 1 >= n ||
                s[nameEnd] != '=' || s[nameEnd + 1] != '"')
                return false;
            const int valueStart = nameEnd + 2;
            int valueEnd = valueStart;
            while (valueEnd < n && isPlainValueChar(s[valueEnd]))
                ++valueEnd;
            if (valueEnd >= n || s[valueEnd] != '"')
                return false;
            const int nameLength = nameEnd - nameStart;
            if (m_attributes.size() - firstAttribute >= kMaxReplyAttributes)
                return false; // and so the check for a redefinition below stays short
            for (int a = firstAttribute; a < m_attributes.size(); ++a) {
                const Attribute& other = m_attributes.at(a);
                if (other.nameLength == nameLength && sameName(s, other.nameOffset, nameStart, nameLength))
                    return false; // redefined: an error for QXmlStreamReader
            }
            m_attributes.append({nameStart, nameLength, valueStart, valueEnd - valueStart});
            j = valueEnd + 1;
        }
        if (j >= n || s[j] != '>')
            return false;
        open.append(m_tokens.size());
        m_tokens.append({QXmlStreamReader::StartElement, start, end - start, firstAttribute,
                         m_attributes.size() - firstAttribute});
        rootSeen = true;
        i = j + 1;
    }
    return true;
}

QXmlStreamReader::TokenType PlainXmlReader::readNext()
{
    if (m_current + 1 < m_tokens.size())
        ++m_current;
    return tokenType();
}

QStringRef PlainXmlReader::name() const
{
    const Token& t = token();
    if (t.type != QXmlStreamReader::StartElement && t.type != QXmlStreamReader::EndElement)
        return QStringRef();
    return QStringRef(&m_document, t.offset, t.length);
}

QStringRef PlainXmlReader::text() const
{
    const Token& t = token();
    if (t.type != QXmlStreamReader::Characters)
        return QStringRef();
    return QStringRef(&m_document, t.offset, t.length);
}

PlainXmlReader::Attributes PlainXmlReader::attributes() const
{
    const Token& t = token();
    if (t.type != QXmlStreamReader::StartElement)
        return Attributes(this, 0, 0);
    return Attributes(this, t.firstAttribute, t.attributeCount);
}

QStringRef PlainXmlReader::Attributes::value(QLatin1String name) const
{
    for (int a = m_first; a < m_first + m_count; ++a) {
        const Attribute& attribute = m_reader->m_attributes.at(a);
        const QStringRef attributeName(&m_reader->m_document, attribute.nameOffset, attribute.nameLength);
        if (attributeName == name)
            return QStringRef(&m_reader->m_document, attribute.valueOffset, attribute.valueLength);
    }
    return QStringRef();
}

} // namespace Luminorix
