#include "messagetext.h"

namespace MessageText {

QString shownForEditing(const QString& text, bool* shortened)
{
    bool cut = false;
    QString shown;
    int start = 0;
    while (start <= text.size()) {
        int end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const int length = end - start;
        if (length > maxShownLineLength)
            cut = true;
        if (!cut) {
            start = end + 1;
            continue;
        }
        // The first cut line: from here on the text is copied line by line.
        if (shown.isNull()) {
            shown = text.left(start);
            shown.reserve(text.size());
        }
        shown += text.midRef(start, qMin(length, maxShownLineLength));
        if (end < text.size())
            shown += QLatin1Char('\n');
        start = end + 1;
    }
    if (shortened)
        *shortened = cut;
    return cut ? shown : text;
}

} // namespace MessageText
