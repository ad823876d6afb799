#include "replybounds.h"

namespace Luminorix {

namespace {
// Position just past `terminator` searched from `from`, or -1.
int pastTerminator(const QString& text, QLatin1String terminator, int from)
{
    const int at = text.indexOf(terminator, from);
    return at < 0 ? -1 : at + terminator.size();
}
} // namespace

bool withinReplyBounds(const QString& text)
{
    const QChar* s = text.constData();
    const int n = text.size();
    int depth = 0;
    int i = 0;
    while ((i = text.indexOf(QLatin1Char('<'), i)) >= 0) {
        if (i + 1 >= n)
            return true;
        const QChar next = s[i + 1];
        if (next == QLatin1Char('/')) {
            --depth; // a stray end tag is the reader's error to find
            i += 2;
            continue;
        }
        if (next == QLatin1Char('?')) {
            i = pastTerminator(text, QLatin1String("?>"), i + 2);
        } else if (next == QLatin1Char('!')) {
            if (text.midRef(i, 4) == QLatin1String("<!--"))
                i = pastTerminator(text, QLatin1String("-->"), i + 4);
            else if (text.midRef(i, 9) == QLatin1String("<![CDATA["))
                i = pastTerminator(text, QLatin1String("]]>"), i + 9);
            else
                return false; // a document type: entities could expand the reply without end
        } else {
            // A start tag: every attribute has one quoted value, and a value
            // may hold '>' but never '<'.
            int attributes = 0;
            int j = i + 1;
            for (; j < n; ++j) {
                const QChar c = s[j];
                if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                    if (++attributes > kMaxReplyAttributes)
                        return false;
                    j = text.indexOf(c, j + 1);
                    if (j < 0)
                        return true; // cut off inside the tag
                } else if (c == QLatin1Char(':')) {
                    return false; // a namespace prefix
                } else if (c == QLatin1Char('>') || c == QLatin1Char('<')) {
                    break;
                }
            }
            if (j >= n)
                return true;
            const bool empty = s[j] == QLatin1Char('>') && s[j - 1] == QLatin1Char('/');
            if (!empty && ++depth > kMaxReplyDepth)
                return false;
            i = j;
        }
        if (i < 0)
            return true;
    }
    return true;
}

} // namespace Luminorix
