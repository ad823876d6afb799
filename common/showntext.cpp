#include "showntext.h"

namespace ShownText {

namespace {

bool fits(const QString& text, const Limits& limits)
{
    if (text.size() > limits.length || text.count(QLatin1Char('\n')) >= limits.lines)
        return false;
    int start = 0;
    while (start <= text.size()) {
        int end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        if (end - start > limits.lineLength)
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

QString bounded(const QString& text, const Limits& limits, bool* shortened)
{
    const bool whole = fits(text, limits);
    if (shortened)
        *shortened = !whole;
    if (whole)
        return text;
    // Only the lines shown are walked: the cost is that of what is shown.
    QString shown;
    shown.reserve(qMin(text.size(), limits.length));
    int start = 0;
    for (int line = 0; line < limits.lines && start <= text.size(); ++line) {
        if (line > 0) {
            if (shown.size() >= limits.length)
                break;
            shown += QLatin1Char('\n');
        }
        int end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const int room = limits.length - shown.size();
        shown += text.midRef(start, qMin(qMin(end - start, limits.lineLength), room));
        start = end + 1;
    }
    return shown;
}

} // namespace ShownText
