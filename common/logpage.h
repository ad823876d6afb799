#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// One page of a UPS log, read from the lines the service sent and laid out as
// the log viewer shows it: the column headings and the cell texts. The log
// type (not in the page) says how the lines are read:
//   "parameters"    a header line of ";"-separated keys, then one row a line;
//                   three-phase runs (_L1, _L2, _L3) share one heading over
//                   three sub-headings;
//   "messages"      date, time and message codes, ","-separated, no header;
//   "compensation"  a header line that is skipped, then eight ";" fields a row.
// Nothing here needs widgets; the viewer turns the page into its models.
class LogPage
{
    // The viewer's texts, in the viewer's translation context.
    Q_DECLARE_TR_FUNCTIONS(UpsLogsWindow)

public:
    enum class Kind
    {
        None, // an empty page or an unknown log type: nothing to show
        Parameters,
        Messages,
        Compensation
    };

    // A top-level heading; a three-phase group has its sub-headings ("L1",
    // "L2", "L3" in the order the keys came) as children, one per column.
    struct Heading
    {
        QString text;
        QStringList children;

        bool operator==(const Heading& other) const
        {
            return text == other.text && children == other.children;
        }
    };

    static LogPage decode(const QString& logType, const QStringList& lines);

    // Columns, left to right, that the headings stand for: a heading without
    // children heads one, a group one per child.
    int leafCount() const;

    int rowCount() const { return rows.size(); }
    // The cells row `row` has, from the left; a short line leaves the rest empty.
    int cellCount(int row) const;
    // The text of a cell; null for a cell without one (past the cells of its
    // row, or a message line's missing date or time), unlike an empty text.
    QString cell(int row, int column) const;
    // The same cut to `maxLength` characters, ending in "…" where it was cut.
    QString cell(int row, int column, int maxLength) const;
    // The length of a cell's whole text, without making the text.
    int cellLength(int row, int column) const;
    // Whether a cell of the row holds a line break, so the row is taller.
    bool breaksLines(int row) const;

    // A cell shows (and is measured by) at most this much of its text: one
    // cell of millions of characters is otherwise laid out at every paint.
    static const int shownLength = 2000;
    // What a cell's tooltip shows at most; a message line also stops turning
    // codes into texts past it.
    static const int tipLength = 20000;

    Kind kind = Kind::None;
    int columnCount = 0;
    QVector<Heading> headings;

private:
    // A parameters line is kept whole and cut where a cell is asked for: a long
    // page is read at once, and only the cells in sight are ever made. Lines of
    // the other logs are short and kept as their cells.
    struct Row
    {
        QString line;
        QVector<int> ends; // where each cell of `line` ends
        QStringList cells; // for a row not kept as a line
    };

    void decodeParameters(const QStringList& lines);
    void decodeMessages(const QStringList& lines);
    void decodeCompensation(const QStringList& lines);

    QVector<Row> rows;
    int statusColumn = -1; // shows device-state texts for keywords
};
