#include "logpage.h"

#include "logparameterlabel.h"
#include "upstexts.h"

namespace {
const QString statusKey = QStringLiteral("device_status");
const QString phase1 = QStringLiteral("_L1");
const QString phase2 = QStringLiteral("_L2");
const QString phase3 = QStringLiteral("_L3");

} // namespace

LogPage LogPage::decode(const QString& logType, const QStringList& lines)
{
    LogPage page;
    if (lines.isEmpty())
        return page;
    if (logType == QLatin1String("parameters"))
        page.decodeParameters(lines);
    else if (logType == QLatin1String("messages"))
        page.decodeMessages(lines);
    else if (logType == QLatin1String("compensation"))
        page.decodeCompensation(lines);
    return page;
}

int LogPage::cellCount(int row) const
{
    const Row& r = rows.at(row);
    return r.line.isNull() ? r.cells.size() : r.ends.size();
}

QString LogPage::cell(int row, int column) const
{
    const Row& r = rows.at(row);
    if (r.line.isNull())
        return r.cells.value(column);
    if (column < 0 || column >= r.ends.size())
        return QString();
    const int start = column == 0 ? 0 : r.ends.at(column - 1) + 1;
    const QString text = r.line.mid(start, r.ends.at(column) - start);
    return column == statusColumn ? upsStateText(text) : text;
}

QString LogPage::cell(int row, int column, int maxLength) const
{
    const Row& r = rows.at(row);
    QString text;
    if (r.line.isNull() || column == statusColumn) {
        text = cell(row, column);
    } else {
        if (column < 0 || column >= r.ends.size())
            return QString();
        const int start = column == 0 ? 0 : r.ends.at(column - 1) + 1;
        // One character more than is kept tells that there was more.
        text = r.line.mid(start, qMin(r.ends.at(column) - start, maxLength + 1));
    }
    if (text.size() > maxLength) {
        text.truncate(maxLength);
        text += QChar(0x2026);
    }
    return text;
}

int LogPage::cellLength(int row, int column) const
{
    const Row& r = rows.at(row);
    if (r.line.isNull() || column == statusColumn)
        return cell(row, column).size();
    if (column < 0 || column >= r.ends.size())
        return 0;
    return r.ends.at(column) - (column == 0 ? 0 : r.ends.at(column - 1) + 1);
}

bool LogPage::breaksLines(int row) const
{
    const Row& r = rows.at(row);
    if (r.line.isNull())
        return r.cells.join(QString()).contains(QLatin1Char('\n'));
    return r.line.leftRef(r.ends.isEmpty() ? 0 : r.ends.last()).contains(QLatin1Char('\n'));
}

int LogPage::leafCount() const
{
    int leaves = 0;
    for (const Heading& heading : headings)
        leaves += heading.children.isEmpty() ? 1 : heading.children.size();
    return leaves;
}

void LogPage::decodeParameters(const QStringList& lines)
{
    kind = Kind::Parameters;
    const QStringList keys = lines.first().split(QLatin1Char(';'));
    columnCount = keys.size();
    headings.reserve(columnCount);

    Heading group; // the open three-phase group, while it has children
    const auto closeGroup = [&] {
        if (!group.children.isEmpty())
            headings.append(group);
        group = Heading();
    };
    for (int k = 0; k < columnCount; ++k) {
        QString key = keys.at(k);
        key.remove(QLatin1Char('\n'));
        if (key == statusKey)
            statusColumn = k;
        // Every key heads exactly one column: a run cut short by another key,
        // a new first phase or the end of the line is shown with the phases it
        // has, so no column takes its neighbour's heading.
        if (key.contains(phase1)) {
            closeGroup();
            key.remove(phase1);
            group.text = logParameterLabel(key);
            group.children.append(QStringLiteral("L1"));
        } else if (!group.children.isEmpty() && key.contains(phase2)) {
            group.children.append(QStringLiteral("L2"));
        } else if (!group.children.isEmpty() && key.contains(phase3)) {
            group.children.append(QStringLiteral("L3"));
        } else {
            closeGroup();
            headings.append({logParameterLabel(key), {}});
            continue;
        }
        if (group.children.size() == 3)
            closeGroup();
    }
    closeGroup();

    rows.resize(lines.size() - 1);
    for (int i = 1; i < lines.size(); ++i) {
        Row& row = rows[i - 1];
        row.line = lines.at(i);
        if (row.line.isNull())
            row.line = QLatin1String(""); // a line, if an empty one
        // The first columnCount cells; the rest of a longer line is never looked
        // at. A line of n characters holds at most n + 1 cells, whatever the
        // header promises.
        const QChar* text = row.line.constData();
        const int length = row.line.size();
        row.ends.reserve(qMin(columnCount, length + 1));
        for (int at = 0; row.ends.size() < columnCount; ++at) {
            if (at == length || text[at] == QLatin1Char(';')) {
                row.ends.append(at);
                if (at == length)
                    break;
            }
        }
    }
}

void LogPage::decodeMessages(const QStringList& lines)
{
    kind = Kind::Messages;
    columnCount = 3;
    headings = {{tr("Data"), {}}, {tr("Czas"), {}}, {tr("Komunikaty"), {}}};
    rows.reserve(lines.size());
    for (const QString& line : lines) {
        // Fields are read in place: a line of a million codes makes no list of
        // them, and its texts stop where no tooltip shows them any more.
        QStringList cells{QString(), QString(), QLatin1String("")}; // the third cell always has its item
        QString& texts = cells[2];
        const QChar* text = line.constData();
        const int length = line.size();
        int field = 0;
        for (int start = 0, at = 0; at <= length && texts.size() <= tipLength; ++at) {
            if (at < length && text[at] != QLatin1Char(','))
                continue;
            if (at > start) { // empty fields are dropped
                if (field < 2) {
                    cells[field] = line.mid(start, at - start);
                } else {
                    if (!texts.isEmpty())
                        texts += QLatin1String(", ");
                    texts += upsEventText(line.mid(start, at - start));
                }
                ++field;
            }
            start = at + 1;
        }
        if (texts.size() > tipLength) {
            texts.truncate(tipLength);
            texts += QChar(0x2026);
        }
        Row row;
        row.cells = cells;
        rows.append(row);
    }
}

void LogPage::decodeCompensation(const QStringList& lines)
{
    kind = Kind::Compensation;
    columnCount = 8;
    headings = {{tr("Data"), {}},
                {tr("Czas"), {}},
                {tr("Bazowy wsp. \nkompensacji L1"), {}},
                {tr("Bazowy wsp. \nkompensacji L2"), {}},
                {tr("Bazowy wsp. \nkompensacji L3"), {}},
                {tr("Wsp. kompensacji L1"), {}},
                {tr("Wsp. kompensacji L2"), {}},
                {tr("Wsp. kompensacji L3"), {}}};
    rows.reserve(lines.size() - 1);
    for (int i = 1; i < lines.size(); ++i) {
        Row row;
        row.cells = lines.at(i).split(QLatin1Char(';'), Qt::SkipEmptyParts).mid(0, columnCount);
        rows.append(row);
    }
}
