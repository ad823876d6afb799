// Log pages come from the service: arbitrary lines into the page decoder of each
// log type, and arbitrary history values into the event history's reader. The
// first byte picks what is read; the rest are the lines, one per "\n", with "\r"
// standing for a line break inside a line (a key or a value may carry one).
#include "common/eventhistory.h"
#include "common/logpage.h"

#include <QStringList>
#include <QtGlobal>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

namespace {
void check(bool condition)
{
    if (!condition)
        abort();
}

void decodePage(const QString& type, LogPage::Kind kind, const QStringList& lines)
{
    const LogPage page = LogPage::decode(type, lines);
    check(page.kind == kind);
    switch (kind) {
    case LogPage::Kind::Parameters:
        // One heading per column, however the three-phase runs come.
        check(page.leafCount() == page.columnCount);
        check(page.rowCount() == lines.size() - 1);
        break;
    case LogPage::Kind::Messages:
        check(page.columnCount == 3 && page.headings.size() == 3);
        check(page.rowCount() == lines.size());
        break;
    case LogPage::Kind::Compensation:
        check(page.columnCount == 8 && page.headings.size() == 8);
        check(page.rowCount() == lines.size() - 1);
        break;
    case LogPage::Kind::None:
        break;
    }
    for (int r = 0; r < page.rowCount(); ++r) {
        const int cells = page.cellCount(r);
        check(cells <= page.columnCount);
        for (int c = -1; c <= cells; ++c) {
            const QString text = page.cell(r, c);
            if (c < 0 || c == cells)
                check(text.isNull());
            else if (kind == LogPage::Kind::Parameters)
                check(!text.isNull() && !text.contains(QLatin1Char(';')));
            if (c < 0 || c == cells)
                continue;
            // A cell cut where it is shown is the start of its whole text.
            check(page.cellLength(r, c) == text.size());
            const QString cut = page.cell(r, c, 3);
            check(text.size() <= 3 ? cut == text : cut == text.left(3) + QChar(0x2026));
        }
        page.breaksLines(r);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, int(size - 1));
    switch (data[0] % 4) {
    case 0:
    case 1:
    case 2: {
        static const char* const types[] = {"parameters", "messages", "compensation"};
        static const LogPage::Kind kinds[] = {LogPage::Kind::Parameters, LogPage::Kind::Messages,
                                              LogPage::Kind::Compensation};
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        decodePage(QLatin1String(types[data[0] % 4]), kinds[data[0] % 4], lines);
        break;
    }
    default: {
        const QStringList rows = EventHistory::rows(text);
        // The records are those of six fields once the empty parts are dropped.
        int records = 0;
        for (const QString& record : text.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            records += record.split(QLatin1Char(';'), Qt::SkipEmptyParts).size() == 6 ? 1 : 0;
        check(rows.size() == records);
        for (const QString& row : rows)
            check(row.contains(QLatin1String(" - ")));
        break;
    }
    }
    return 0;
}
