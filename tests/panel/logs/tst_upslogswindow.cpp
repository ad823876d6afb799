#include "common/logpage.h"
#include "common/upstexts.h"
#include "link/upssocketcontroller.h"
#include "panel/base/answerwait.h"
#include "panel/logs/hierarchicalheaderview.h"
#include "panel/logs/upslogswindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/servicerig.h"
#include "tools/sim/replybuilder.h"

#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTranslator>

namespace {
QTableView* tableOf(const UpsLogsWindow& dialog)
{
    return dialog.findChild<QTableView*>(QStringLiteral("logTable"));
}

// The column headings as shown: a group as "text{child,child}" over its phases.
QString headings(const QTableView* table)
{
    const QAbstractItemModel* model = table->model();
    QStringList out;
    const QVariant carried = model->data(QModelIndex(), Qt::UserRole);
    const auto* header = qobject_cast<const QAbstractItemModel*>(carried.value<QObject*>());
    if (!header) {
        for (int c = 0; c < model->columnCount(); ++c)
            out << model->headerData(c, Qt::Horizontal).toString();
        return out.join(QLatin1Char('|'));
    }
    for (int c = 0; c < header->columnCount(); ++c) {
        const QModelIndex top = header->index(0, c);
        QStringList children;
        for (int k = 0; k < header->columnCount(top); ++k)
            children << header->index(0, k, top).data().toString();
        out << top.data().toString() +
                   (children.isEmpty() ? QString() : QLatin1Char('{') + children.join(',') + '}');
    }
    return out.join(QLatin1Char('|'));
}

// Rows separated by " / ", cells by "|".
QString cells(const QTableView* table)
{
    const QAbstractItemModel* model = table->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model->columnCount(); ++c)
            row << model->index(r, c).data().toString();
        rows << row.join(QLatin1Char('|'));
    }
    return rows.join(QStringLiteral(" / "));
}

// A three-phase UPS that keeps all three logs, one minute apart.
LxSim::SimDevice threePhaseDevice()
{
    LxSim::SimDevice d = LxSim::SimDevice::named(QStringLiteral("1"), QStringLiteral("Harrier33_SNMP"),
                                                 QStringLiteral("snmp"), QStringLiteral("Server room"));
    d.power_compensation = true;
    d.log_params = QStringLiteral("7");
    d.log_time_interval = QStringLiteral("60");
    return d;
}

// How wide a cell must be to show `text` whole: the text and the margins the
// view's item delegate keeps on both sides, and the grid line.
int wholeWidth(const QTableView* table, const QString& text)
{
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    return table->fontMetrics().horizontalAdvance(text) + 2 * margin + (table->showGrid() ? 1 : 0);
}

// The width a header cell's text needs, in the bold font the header draws it in.
int headingWidth(const QHeaderView* header, const QString& text)
{
    QFont bold = header->font();
    bold.setWeight(QFont::Bold);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return QFontMetrics(bold).horizontalAdvance(text) + 2 * margin;
}

// A parameters page of `rows` rows under `keys`, every cell "1" but `cell` at (row, column).
QStringList pageWith(const QStringList& keys, int rows, int row, int column, const QString& cell)
{
    QStringList lines{keys.join(QLatin1Char(';'))};
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (int c = 0; c < keys.size(); ++c)
            cells << (r == row && c == column ? cell : QStringLiteral("1"));
        lines << cells.join(QLatin1Char(';'));
    }
    return lines;
}
} // namespace

class TestUpsLogsWindow : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void pages_data();
    void pages();
    void threePhaseHeaderIsHierarchical();
    void rowsAsTallAsTheirLines();
    void emptyPageOrUnknownTypeLeavesNothing_data();
    void emptyPageOrUnknownTypeLeavesNothing();
    void eachPageFreesTheOneBefore();
    void pagingOverTheLink();
    void groupsAsWideAsTheirHeadings_data();
    void groupsAsWideAsTheirHeadings();
    void widthsAndHeightsFromEveryCell_data();
    void widthsAndHeightsFromEveryCell();
    void messagesReadWhole();
    void longCellShownCutWithTheRestInItsTooltip();
    void pagingFollowsTheService_data();
    void pagingFollowsTheService();
    void lostPageOpensPagingAgain();
    void closingClearsTheCacheOnce_data();
    void closingClearsTheCacheOnce();
};

void TestUpsLogsWindow::form()
{
    UpsLogsWindow dialog;
    QCOMPARE(dialog.size(), QSize(640, 450));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    const QTableView* table = tableOf(dialog);
    QCOMPARE(table->selectionMode(), QAbstractItemView::NoSelection);
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    // Until the first page: one cell saying there is nothing.
    QCOMPARE(cells(table), QStringLiteral("Brak logów do wyświetlenia"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("prevLog"))->text(), QStringLiteral("Poprzednie"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("nextLog"))->text(), QStringLiteral("Następne"));
    QCOMPARE(UpsLogsWindow::parameterLabel(QStringLiteral("input_voltage")),
             QStringLiteral("Napięcie wejściowe [V]"));
}

void TestUpsLogsWindow::pages_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("headings");
    QTest::addColumn<QString>("cells");

    const QString volts = QStringLiteral("Napięcie wejściowe [V]");
    QTest::newRow("parameters, three-phase")
        << "parameters"
        << QStringList{"date;time;input_voltage_L1;input_voltage_L2;input_voltage_L3;device_status",
                       "01.02;10:00;230;231;229;on_battery", "01.02;10:01;232;233"}
        << "Data|Czas|" + volts + "{L1,L2,L3}|Tryb pracy"
        << "01.02|10:00|230|231|229|" + upsStateText(QStringLiteral("on_battery")) +
               " / 01.02|10:01|232|233||";
    QTest::newRow("parameters, partial run keeps every column headed")
        << "parameters" << QStringList{"input_voltage_L1;input_voltage_L3;date", "1;3;d"}
        << volts + "{L1,L3}|Data"
        << "1|3|d";
    QTest::newRow("parameters, header only") << "parameters" << QStringList{"date;time"} << "Data|Czas"
                                             << "";
    QTest::newRow("messages") << "messages" << QStringList{"2025-02-01,10:00:00,5", "2025-02-01"}
                              << "Data|Czas|Komunikaty"
                              << "2025-02-01|10:00:00|" + upsEventText(QStringLiteral("5")) +
                                     " / 2025-02-01||";
    QTest::newRow("compensation")
        << "compensation" << QStringList{"skipped", "d;t;1;2;3;4;5;6;7;8"}
        << "Data|Czas|Bazowy wsp. \nkompensacji L1|Bazowy wsp. \nkompensacji L2|Bazowy wsp. \nkompensacji "
           "L3|Wsp. kompensacji L1|Wsp. kompensacji L2|Wsp. kompensacji L3"
        << "d|t|1|2|3|4|5|6";
}

void TestUpsLogsWindow::pages()
{
    QFETCH(QString, type);
    QFETCH(QStringList, lines);
    QFETCH(QString, headings);
    QFETCH(QString, cells);

    UpsLogsWindow dialog;
    dialog.setLogType(type);
    dialog.show();
    dialog.setLogs(lines);
    const QTableView* table = tableOf(dialog);
    if (table->model()->rowCount() > 0)
        QCOMPARE(::headings(table), headings);
    QCOMPARE(::cells(table), cells);
    QVERIFY(!table->horizontalHeader()->isHidden());
}

void TestUpsLogsWindow::threePhaseHeaderIsHierarchical()
{
    UpsLogsWindow dialog;
    dialog.setLogType(QStringLiteral("parameters"));
    dialog.show();
    dialog.setLogs({QStringLiteral("date;input_voltage_L1;input_voltage_L2;input_voltage_L3;time"),
                    QStringLiteral("d;1;2;3;t")});
    QTableView* table = tableOf(dialog);
    auto* header = qobject_cast<HierarchicalHeaderView*>(table->horizontalHeader());
    QVERIFY(header);
    QCOMPARE(header->parent(), table);
    QCOMPARE(header->count(), 5);
    // The phases lie under their group: the header is taller than one line of cells.
    QVERIFY(header->sizeHint().height() > QHeaderView(Qt::Horizontal).sizeHint().height());

    // A messages page afterwards keeps the view's header, drawn plain.
    dialog.setLogType(QStringLiteral("messages"));
    dialog.setLogs({QStringLiteral("d,t,5")});
    QCOMPARE(table->horizontalHeader(), header);
    QCOMPARE(::headings(table), QStringLiteral("Data|Czas|Komunikaty"));
}

void TestUpsLogsWindow::rowsAsTallAsTheirLines()
{
    UpsLogsWindow dialog;
    dialog.setLogType(QStringLiteral("parameters"));
    dialog.show();
    dialog.setLogs({QStringLiteral("date;time;x"), QStringLiteral("a;b;c"), QStringLiteral("two\nlines;b;c"),
                    QStringLiteral("three\nli\nnes;b"), QStringLiteral("a;b;c")});
    QTableView* table = tableOf(dialog);
    QList<int> heights;
    for (int r = 0; r < 4; ++r)
        heights << table->rowHeight(r);
    // As the view itself would size every row to its contents, one by one.
    table->resizeRowsToContents();
    for (int r = 0; r < 4; ++r)
        QCOMPARE(heights.at(r), table->rowHeight(r));
    QVERIFY(table->rowHeight(1) > table->rowHeight(0));
    QVERIFY(table->rowHeight(2) > table->rowHeight(1));
    QCOMPARE(table->rowHeight(3), table->rowHeight(0));
}

void TestUpsLogsWindow::emptyPageOrUnknownTypeLeavesNothing_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty page") << "parameters" << QStringList();
    QTest::newRow("unknown type") << "history" << QStringList{"a;b", "c;d"};
}

void TestUpsLogsWindow::emptyPageOrUnknownTypeLeavesNothing()
{
    QFETCH(QString, type);
    QFETCH(QStringList, lines);

    UpsLogsWindow dialog;
    dialog.setLogType(type);
    dialog.show();
    dialog.setLogs(lines);
    const QTableView* table = tableOf(dialog);
    // Neither rows nor the placeholder: the view has no model left.
    QCOMPARE(table->model(), nullptr);
}

void TestUpsLogsWindow::eachPageFreesTheOneBefore()
{
    UpsLogsWindow dialog;
    dialog.setLogType(QStringLiteral("parameters"));
    dialog.show();
    QPointer<QAbstractItemModel> placeholder(tableOf(dialog)->model());
    dialog.setLogs(
        {QStringLiteral("input_voltage_L1;input_voltage_L2;input_voltage_L3"), QStringLiteral("1;2;3")});
    QVERIFY(placeholder.isNull());
    QPointer<QAbstractItemModel> first(tableOf(dialog)->model());
    QPointer<QObject> firstHeader(first->data(QModelIndex(), Qt::UserRole).value<QObject*>());
    QVERIFY(firstHeader);
    QPointer<QHeaderView> firstView(tableOf(dialog)->horizontalHeader());

    dialog.setLogs({QStringLiteral("date"), QStringLiteral("d")});
    QVERIFY(first.isNull());
    QVERIFY(firstHeader.isNull());
    QVERIFY(firstView.isNull()); // replaced by the new page's header view
    QCOMPARE(cells(tableOf(dialog)), QStringLiteral("d"));

    // Paging on leaves nothing of the pages before behind.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const int objects = dialog.findChildren<QObject*>().size();
    for (int page = 0; page < 10; ++page)
        dialog.setLogs({QStringLiteral("a_L1;a_L2;a_L3"), QStringLiteral("1;2;3")});
    dialog.setLogs({QStringLiteral("date"), QStringLiteral("d")});
    QTRY_COMPARE(dialog.findChildren<QObject*>().size(), objects);
}

void TestUpsLogsWindow::pagingOverTheLink()
{
    ServiceRig rig;
    rig.world.setDevices({threePhaseDevice()});
    rig.world.setLogLength(45, 20);
    QVERIFY(rig.listen());
    Luminorix::UpsSocketController controller;
    QVERIFY(rig.connect(controller));

    UpsLogsWindow dialog;
    dialog.setLogType(QStringLiteral("parameters"));
    dialog.setSocketController(&controller);
    controller.getUpsLogs({{QStringLiteral("type"), QStringLiteral("parameters")},
                           {QStringLiteral("age"), QStringLiteral("first")}});
    dialog.show();
    const QTableView* table = tableOf(dialog);
    // The newest entries first; the three-phase values under their groups.
    QTRY_COMPARE(table->model()->rowCount(), 20);
    QCOMPARE(table->model()->index(0, 1).data().toString(), QStringLiteral("12:00:00"));
    QVERIFY(headings(table).contains(QStringLiteral("Napięcie wejściowe [V]{L1,L2,L3}")));

    auto* previous = dialog.findChild<QPushButton*>(QStringLiteral("prevLog"));
    auto* next = dialog.findChild<QPushButton*>(QStringLiteral("nextLog"));
    previous->click();
    QTRY_COMPARE(table->model()->index(0, 1).data().toString(), QStringLiteral("11:40:00"));
    previous->click();
    QTRY_COMPARE(table->model()->rowCount(), 5); // the oldest, short page
    QCOMPARE(table->model()->index(0, 1).data().toString(), QStringLiteral("11:20:00"));

    // A second click while the page is on the way asks for nothing more.
    next->click();
    next->click();
    QTRY_COMPARE(table->model()->index(0, 1).data().toString(), QStringLiteral("11:40:00"));
    next->click();
    QTRY_COMPARE(table->model()->index(0, 1).data().toString(), QStringLiteral("12:00:00"));
    QCOMPARE(rig.requests(QStringLiteral("get_ups_logs")).size(), 5);

    QStringList ages;
    for (const LxSim::SimRequest& request : rig.requests(QStringLiteral("get_ups_logs"))) {
        QCOMPARE(request.value(QStringLiteral("type")), QStringLiteral("parameters"));
        ages << request.value(QStringLiteral("age"));
    }
    QCOMPARE(ages, (QStringList{"first", "older", "older", "newer", "newer"}));
    QVERIFY(rig.requests(QStringLiteral("clear_logs_cache")).isEmpty());
}

void TestUpsLogsWindow::closingClearsTheCacheOnce_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("Anuluj") << "cancel";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("close button") << "close";
    QTest::newRow("deleted while open") << "delete";
}

void TestUpsLogsWindow::closingClearsTheCacheOnce()
{
    QFETCH(QString, how);

    ServiceRig rig;
    rig.world.setDevices({threePhaseDevice()});
    QVERIFY(rig.listen());
    Luminorix::UpsSocketController controller;
    QVERIFY(rig.connect(controller));

    auto* dialog = new UpsLogsWindow;
    dialog->setLogType(QStringLiteral("messages"));
    dialog->setSocketController(&controller);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    if (how == QLatin1String("cancel"))
        dialog->findChild<QPushButton*>(QStringLiteral("pushButton_3"))->click();
    else if (how == QLatin1String("escape"))
        QTest::keyClick(dialog, Qt::Key_Escape);
    else if (how == QLatin1String("close"))
        dialog->close();
    if (how != QLatin1String("delete"))
        QVERIFY(!dialog->isVisible());
    delete dialog;
    // A page that comes later reaches nothing.
    emit controller.upsLogs({QStringLiteral("d,t,5")});

    QTRY_COMPARE(rig.world.logsCacheClearCount(), 1);
    // Anything sent after the close arrives after every clear it sent.
    controller.sendCommand(QStringLiteral("get_service_version"));
    QTRY_VERIFY(!rig.requests(QStringLiteral("get_service_version")).isEmpty());
    QCOMPARE(rig.world.logsCacheClearCount(), 1);
    const QList<LxSim::SimRequest> clears = rig.requests(QStringLiteral("clear_logs_cache"));
    QCOMPARE(clears.size(), 1);
    QVERIFY(clears.first().children.isEmpty()); // the bare command
    QVERIFY(clears.first().hasPass);
}

void TestUpsLogsWindow::groupsAsWideAsTheirHeadings_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("Polish") << QString();
    QTest::newRow("English") << QStringLiteral(":/translation/luminorix_en_US.qm");
}

void TestUpsLogsWindow::groupsAsWideAsTheirHeadings()
{
    QFETCH(QString, language);
    QTranslator english;
    if (!language.isEmpty()) {
        QVERIFY(english.load(language));
        QCoreApplication::installTranslator(&english);
    }
    UpsLogsWindow dialog;
    dialog.setLogType(QStringLiteral("parameters"));
    dialog.show();
    // Short values: the phases alone are far narrower than their headings.
    dialog.setLogs(
        {QStringLiteral("date;input_voltage_L1;input_voltage_L2;input_voltage_L3;"
                        "output_spurious_power_L1;output_spurious_power_L2;output_spurious_power_L3;time"),
         QStringLiteral("d;1;2;3;4;5;6;t")});
    QCoreApplication::removeTranslator(&english);
    const QTableView* table = tableOf(dialog);
    const QHeaderView* header = table->horizontalHeader();
    const QAbstractItemModel* headerModel = qobject_cast<QAbstractItemModel*>(
        table->model()->data(QModelIndex(), Qt::UserRole).value<QObject*>());
    QVERIFY(headerModel);
    QCOMPARE(headerModel->columnCount(), 4);
    for (int group = 1; group <= 2; ++group) {
        const QString text = headerModel->index(0, group).data().toString();
        QCOMPARE(text.startsWith(QStringLiteral("Napięcie")) || text.startsWith(QStringLiteral("Moc")),
                 language.isEmpty());
        int span = 0;
        int narrowest = INT_MAX;
        int widest = 0;
        for (int s = 1 + 3 * (group - 1); s < 4 + 3 * (group - 1); ++s) {
            span += header->sectionSize(s);
            narrowest = qMin(narrowest, header->sectionSize(s));
            widest = qMax(widest, header->sectionSize(s));
        }
        QVERIFY2(
            span >= headingWidth(header, text),
            qPrintable(QStringLiteral("%1: %2 < %3").arg(text).arg(span).arg(headingWidth(header, text))));
        QVERIFY(widest - narrowest <= 1); // widened together
    }
}

void TestUpsLogsWindow::widthsAndHeightsFromEveryCell_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("shown");

    QStringList keys{QStringLiteral("date"), QStringLiteral("time"), QStringLiteral("device_status")};
    for (int i = 0; i < 20; ++i)
        keys << QStringLiteral("value%1").arg(i);
    const QString lowBattery = upsStateText(QStringLiteral("low_battery"));
    QTest::newRow("state far below the first screen")
        << "parameters" << pageWith(keys, 300, 280, 2, QStringLiteral("low_battery")) << 280 << 2
        << lowBattery;
    QTest::newRow("value far below") << "parameters"
                                     << pageWith(keys, 300, 250, 5, QStringLiteral("12345678901234567890"))
                                     << 250 << 5 << "12345678901234567890";
    QTest::newRow("line break far to the right")
        << "parameters" << pageWith(keys, 30, 1, 21, QStringLiteral("two\nlines")) << 1 << 21 << "two\nlines";
    // Two lines that together are longer than the widest one-line cell, each shorter.
    QStringList wide = pageWith(keys, 300, 250, 5, QStringLiteral("WWWWWW"));
    QStringList cells = wide[6].split(QLatin1Char(';'));
    cells[5] = QStringLiteral("WWWW\nWWWW");
    wide[6] = cells.join(QLatin1Char(';'));
    QTest::newRow("widest line, not the longest text") << "parameters" << wide << 250 << 5 << "WWWWWW";
    QStringList compensation{QStringLiteral("header")};
    // Past the 1,000 rows a plain header measures.
    for (int r = 0; r < 1600; ++r)
        compensation << (r == 1500 ? QStringLiteral("d;t;0.123456789012345;2;3;4;5;6")
                                   : QStringLiteral("d;t;1;2;3;4;5;6"));
    QTest::newRow("compensation far below")
        << "compensation" << compensation << 1500 << 2 << "0.123456789012345";
}

void TestUpsLogsWindow::widthsAndHeightsFromEveryCell()
{
    QFETCH(QString, type);
    QFETCH(QStringList, lines);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, shown);

    UpsLogsWindow dialog;
    dialog.setLogType(type);
    dialog.show();
    dialog.setLogs(lines);
    QTableView* table = tableOf(dialog);
    QCOMPARE(table->model()->index(row, column).data().toString(), shown);
    // Out of sight, both ways, when the page is shown.
    QVERIFY(table->rowViewportPosition(row) > table->viewport()->height() ||
            table->columnViewportPosition(column) > table->viewport()->width());
    for (const QString& line : shown.split(QLatin1Char('\n')))
        QVERIFY(table->columnWidth(column) >= wholeWidth(table, line));
    const int lineCount = shown.count(QLatin1Char('\n')) + 1;
    const int other = row == 0 ? 1 : 0;
    const int height = table->rowHeight(row);
    if (lineCount == 1) {
        QCOMPARE(height, table->rowHeight(other));
        return;
    }
    QVERIFY(height > table->rowHeight(other));
    // As tall as the view makes it measuring every column.
    table->verticalHeader()->setResizeContentsPrecision(-1);
    table->resizeRowToContents(row);
    QCOMPARE(height, table->rowHeight(row));
}

void TestUpsLogsWindow::messagesReadWhole()
{
    UpsLogsWindow dialog;
    dialog.setLogType(QStringLiteral("messages"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList codes{"5", "27", "28", "29", "30", "31", "32", "33"};
    QStringList texts;
    for (const QString& code : codes)
        texts << upsEventText(code);
    const QString whole = texts.join(QStringLiteral(", "));
    QStringList lines;
    for (int r = 0; r < 40; ++r)
        lines << QStringLiteral("2025-02-01,10:%1:00,5").arg(r, 2, 10, QLatin1Char('0'));
    lines << QStringLiteral("2025-02-01,11:00:00,") + codes.join(QLatin1Char(','));
    dialog.setLogs(lines);

    QTableView* table = tableOf(dialog);
    const QModelIndex cell = table->model()->index(40, 2);
    QCOMPARE(cell.data().toString(), whole);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), whole);
    QCOMPARE(table->model()->index(0, 2).data(Qt::ToolTipRole).toString(), upsEventText(QStringLiteral("5")));
    // The column is as wide as the longest line, past the viewport, and scrolls.
    QVERIFY(wholeWidth(table, whole) > table->viewport()->width());
    QVERIFY(table->columnWidth(2) >= wholeWidth(table, whole));
    QTRY_VERIFY(table->horizontalScrollBar()->maximum() > 0);
    table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
    QVERIFY(table->columnViewportPosition(2) + table->columnWidth(2) <= table->viewport()->width() + 1);
}

void TestUpsLogsWindow::longCellShownCutWithTheRestInItsTooltip()
{
    UpsLogsWindow dialog;
    dialog.setLogType(QStringLiteral("parameters"));
    dialog.show();
    const QString huge(LogPage::tipLength * 3, QLatin1Char('7'));
    dialog.setLogs(
        {QStringLiteral("date;input_voltage"), QStringLiteral("d;") + huge, QStringLiteral("d;230")});
    const QTableView* table = tableOf(dialog);
    const QModelIndex cut = table->model()->index(0, 1);
    QCOMPARE(cut.data().toString(), huge.left(LogPage::shownLength) + QChar(0x2026));
    QCOMPARE(cut.data(Qt::ToolTipRole).toString(), huge.left(LogPage::tipLength) + QChar(0x2026));
    QCOMPARE(table->model()->index(1, 1).data(Qt::ToolTipRole), QVariant());
    // Measured as shown, not as sent.
    QVERIFY(table->columnWidth(1) < wholeWidth(table, huge.left(LogPage::shownLength * 2)));
}

void TestUpsLogsWindow::pagingFollowsTheService_data()
{
    // Each step: the button clicked ("" for the opener's first page) and the page
    // the service answers with, one line a page ("" for an empty page).
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("answers");

    QTest::newRow("first page is the oldest")
        << QStringList{"", "prevLog", "nextLog", "nextLog"}
        << QStringList{"2025-02-01,09:00:00,5", "2025-02-01,09:00:00,5", "2025-02-01,10:00:00,5",
                       "2025-02-01,11:00:00,5"};
    QTest::newRow("a page repeated on the way")
        << QStringList{"", "prevLog", "prevLog", "prevLog"}
        << QStringList{"2025-02-01,12:00:00,5", "2025-02-01,11:00:00,5", "2025-02-01,11:00:00,5",
                       "2025-02-01,10:00:00,5"};
    QTest::newRow("an empty log") << QStringList{"", "prevLog", "nextLog"} << QStringList{"", "", ""};
}

// Where a page lies is the service's to say: whatever it answers, both ways stay
// open, and each is closed only while its page is on the way.
void TestUpsLogsWindow::pagingFollowsTheService()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, answers);

    ServiceRig rig;
    rig.world.setDevices({threePhaseDevice()});
    for (const QString& answer : answers) {
        const QStringList lines = answer.isEmpty() ? QStringList() : QStringList{answer};
        rig.server.responder().scriptOnce(QStringLiteral("get_ups_logs"),
                                          {LxSim::ReplyBuilder::upsLogs(lines)});
    }
    QVERIFY(rig.listen());
    Luminorix::UpsSocketController controller;
    QVERIFY(rig.connect(controller));

    UpsLogsWindow dialog;
    dialog.setLogType(QStringLiteral("messages"));
    dialog.setSocketController(&controller);
    QSignalSpy pages(&controller, &Luminorix::UpsSocketController::upsLogs);
    controller.getUpsLogs({{QStringLiteral("type"), QStringLiteral("messages")},
                           {QStringLiteral("age"), QStringLiteral("first")}});
    dialog.show();
    auto* older = dialog.findChild<QPushButton*>(QStringLiteral("prevLog"));
    auto* newer = dialog.findChild<QPushButton*>(QStringLiteral("nextLog"));
    const QTableView* table = tableOf(dialog);
    for (int step = 0; step < clicks.size(); ++step) {
        if (!clicks.at(step).isEmpty()) {
            dialog.findChild<QPushButton*>(clicks.at(step))->click();
            // Asked for: no second request until the page is here.
            QVERIFY(!older->isEnabled());
            QVERIFY(!newer->isEnabled());
        }
        QTRY_COMPARE(pages.count(), step + 1);
        QVERIFY2(older->isEnabled() && newer->isEnabled(), qPrintable(QString::number(step)));
        const QString shown = table->model() ? cells(table).section(QLatin1Char('|'), 1, 1) : QString();
        QCOMPARE(shown, answers.at(step).section(QLatin1Char(','), 1, 1));
    }
    QStringList ages;
    for (const LxSim::SimRequest& request : rig.requests(QStringLiteral("get_ups_logs")))
        ages << request.value(QStringLiteral("age"));
    QStringList asked{"first"};
    for (const QString& click : clicks.mid(1))
        asked << (click == QLatin1String("prevLog") ? "older" : "newer");
    QCOMPARE(ages, asked);
}

// A page whose answer is lost does not end paging: after the wait both ways are open again.
void TestUpsLogsWindow::lostPageOpensPagingAgain()
{
    ServiceRig rig;
    rig.world.setDevices({threePhaseDevice()});
    QVERIFY(rig.listen());
    Luminorix::UpsSocketController controller;
    QVERIFY(rig.connect(controller));

    UpsLogsWindow dialog;
    dialog.setLogType(QStringLiteral("messages"));
    dialog.setSocketController(&controller);
    dialog.show();
    auto* wait = dialog.findChild<AnswerWait*>(QStringLiteral("pageWait"));
    QCOMPARE(wait->timeoutMs(), UpsLogsWindow::pageAnswerMs);
    rig.server.responder().script(QStringLiteral("get_ups_logs"), {});
    auto* older = dialog.findChild<QPushButton*>(QStringLiteral("prevLog"));
    auto* newer = dialog.findChild<QPushButton*>(QStringLiteral("nextLog"));
    QVERIFY(older->isEnabled());
    QVERIFY(newer->isEnabled());
    older->click();
    older->click();
    QTRY_COMPARE(rig.requests(QStringLiteral("get_ups_logs")).size(), 1);
    QVERIFY(!older->isEnabled());
    wait->expireNow();
    QVERIFY(older->isEnabled());
    QVERIFY(newer->isEnabled());
    rig.server.responder().clearScript(QStringLiteral("get_ups_logs"));
    newer->click();
    QTRY_COMPARE(rig.requests(QStringLiteral("get_ups_logs")).size(), 2);
    QTRY_VERIFY(newer->isEnabled());
    QVERIFY(!wait->isWaiting());
    QCOMPARE(tableOf(dialog)->model()->index(0, 1).data().toString(), QStringLiteral("12:00:00"));
}

LX_TEST_MAIN(TestUpsLogsWindow)
#include "tst_upslogswindow.moc"
