#include "upslogswindow.h"

#include "common/logpage.h"
#include "common/logparameterlabel.h"
#include "common/named.h"
#include "hierarchicalheaderview.h"
#include "link/upssocketcontroller.h"
#include "logtablemodel.h"
#include "panel/base/answerwait.h"
#include "ui_upslogswindow.h"

#include <QPushButton>
#include <QStandardItemModel>
#include <array>

namespace {
// The options a table view gives its delegate when it measures a cell.
QStyleOptionViewItem measureOptions(const QTableView* table)
{
    QStyleOptionViewItem option;
    option.initFrom(table);
    option.rect = QRect(); // no bounds: the text's own extent
    option.font = table->font();
    option.fontMetrics = QFontMetrics(option.font);
    option.state &= ~QStyle::State_HasFocus;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = table->textElideMode();
    const int icon = table->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, table);
    option.decorationSize = QSize(icon, icon);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.decorationAlignment = Qt::AlignCenter;
    if (table->wordWrap())
        option.features = QStyleOptionViewItem::WrapText;
    return option;
}
} // namespace

UpsLogsWindow::UpsLogsWindow(QWidget* parent) : QDialog(parent), ui(new Ui::UpsLogsWindow)
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->logTable->setSelectionMode(QAbstractItemView::NoSelection);
    pageWait = new AnswerWait(this, pageAnswerMs, "pageWait");
    connect(pageWait, &AnswerWait::expired, this, [this] { setPagingEnabled(true); });
    itemModel = new QStandardItemModel(1, 1, this);
    itemModel->setItem(0, 0, new QStandardItem(tr("Brak logów do wyświetlenia")));
    ui->logTable->setModel(itemModel);
    ui->logTable->resizeColumnsToContents();
}

UpsLogsWindow::~UpsLogsWindow()
{
    // However it closed, the service drops the reading position once.
    clearLogsCache();
    clearModels();
    delete ui;
}

void UpsLogsWindow::setSocketController(Luminorix::UpsSocketController* socketController)
{
    if (controller)
        disconnect(controller, nullptr, this, nullptr);
    controller = socketController;
    if (controller)
        connect(controller, &Luminorix::UpsSocketController::upsLogs, this, &UpsLogsWindow::setLogs);
}

QString UpsLogsWindow::parameterLabel(QString key)
{
    return logParameterLabel(key);
}

void UpsLogsWindow::setLogType(QString type)
{
    logType = type;
}

void UpsLogsWindow::nextLogButtonClickHandler()
{
    requestPage(QStringLiteral("newer"));
}

void UpsLogsWindow::prevLogButtonClickHandler()
{
    requestPage(QStringLiteral("older"));
}

void UpsLogsWindow::reject()
{
    clearLogsCache();
    QDialog::reject();
}

void UpsLogsWindow::requestPage(const QString& age)
{
    // The service keeps the position: no page number travels. A second click
    // before the answer would move it a page further than the user sees.
    if (!controller || pageWait->isWaiting())
        return;
    controller->getUpsLogs({{QStringLiteral("type"), logType}, {QStringLiteral("age"), age}});
    pageWait->start();
    setPagingEnabled(false);
}

void UpsLogsWindow::setPagingEnabled(bool enabled)
{
    ui->prevLog->setEnabled(enabled);
    ui->nextLog->setEnabled(enabled);
}

void UpsLogsWindow::clearLogsCache()
{
    if (!controller || cacheCleared)
        return;
    cacheCleared = true;
    controller->sendCommand(QStringLiteral("clear_logs_cache"));
}

void UpsLogsWindow::clearModels()
{
    delete itemModel;
    itemModel = nullptr;
    delete tableModel; // with its cells and header model
    tableModel = nullptr;
}

void UpsLogsWindow::fitToContents(const LogPage& page, HierarchicalHeaderView* groups)
{
    // A header with updates on finds each resized section's place on screen,
    // a walk over the sections before it: sized one by one, a wide page took
    // quadratic time. Off, every section is only noted, and the header is
    // drawn once when they are back on.
    QHeaderView* columns = ui->logTable->horizontalHeader();
    QHeaderView* rows = ui->logTable->verticalHeader();
    columns->setUpdatesEnabled(false);
    rows->setUpdatesEnabled(false);
    fitColumnWidths(page);
    if (groups)
        groups->fitGroupsToHeadings();
    fitRowHeights(page);
    columns->setUpdatesEnabled(true);
    rows->setUpdatesEnabled(true);
}

void UpsLogsWindow::fitColumnWidths(const LogPage& page)
{
    // Every row counts, not only those in sight. A text's width is taken as the
    // sum of its characters' widths, each measured once: enough to find the
    // widest cell of a column, which alone is then measured as the view would.
    QTableView* table = ui->logTable;
    const QAbstractItemModel* model = table->model();
    const int columns = model->columnCount();
    const QFontMetrics metrics(table->font());
    std::array<int, 256> latin;
    latin.fill(-1);
    QHash<ushort, int> others;
    const auto advance = [&](QChar c) {
        const ushort u = c.unicode();
        if (u < latin.size()) {
            if (latin[u] < 0)
                latin[u] = metrics.horizontalAdvance(c);
            return latin[u];
        }
        auto found = others.find(u);
        if (found == others.end())
            found = others.insert(u, metrics.horizontalAdvance(c));
        return *found;
    };
    const auto widthOf = [&](const QString& text) { // of its widest line
        int widest = 0;
        int width = 0;
        for (const QChar c : text) {
            if (c == QLatin1Char('\n')) {
                widest = qMax(widest, width);
                width = 0;
            } else {
                width += advance(c);
            }
        }
        return qMax(widest, width);
    };
    QVector<int> widestRow(columns, -1);
    QVector<int> widest(columns, -1);
    for (int r = 0; r < page.rowCount(); ++r) {
        const int cells = qMin(page.cellCount(r), columns);
        for (int c = 0; c < cells; ++c) {
            const QString text = page.cell(r, c, LogPage::shownLength);
            if (text.isEmpty())
                continue;
            const int width = widthOf(text);
            if (width > widest[c]) {
                widest[c] = width;
                widestRow[c] = r;
            }
        }
    }
    const QStyleOptionViewItem option = measureOptions(table);
    const int grid = table->showGrid() ? 1 : 0;
    QHeaderView* header = table->horizontalHeader();
    for (int c = 0; c < columns; ++c) {
        int width = header->sectionSizeHint(c);
        if (widestRow[c] >= 0) {
            const QModelIndex index = model->index(widestRow[c], c);
            width = qMax(width, table->itemDelegate(index)->sizeHint(option, index).width() + grid);
        }
        header->resizeSection(c, width);
    }
}

void UpsLogsWindow::fitRowHeights(const LogPage& page)
{
    // Each row as tall as its contents: one line of text is as tall in every
    // row, so it is measured once and made the rows' default; only rows with a
    // line break are measured, by their cell of the most lines, in whichever
    // column it lies (measuring 10,000 rows took seconds).
    QTableView* table = ui->logTable;
    const QAbstractItemModel* model = table->model();
    QHeaderView* rowHeader = table->verticalHeader();
    const int rows = qMin(page.rowCount(), model->rowCount());
    const int columns = model->columnCount();
    int r = 0;
    while (r < rows && page.breaksLines(r))
        ++r;
    if (r < rows) {
        table->resizeRowToContents(r);
        rowHeader->setDefaultSectionSize(rowHeader->sectionSize(r));
    }
    const QStyleOptionViewItem option = measureOptions(table);
    const int grid = table->showGrid() ? 1 : 0;
    for (r = 0; r < rows; ++r) {
        if (!page.breaksLines(r))
            continue;
        int tallest = -1;
        int mostBreaks = -1;
        const int cells = qMin(page.cellCount(r), columns);
        for (int c = 0; c < cells; ++c) {
            const int breaks = page.cell(r, c, LogPage::shownLength).count(QLatin1Char('\n'));
            if (breaks > mostBreaks) {
                mostBreaks = breaks;
                tallest = c;
            }
        }
        if (tallest < 0)
            continue;
        const QModelIndex index = model->index(r, tallest);
        const int height = table->itemDelegate(index)->sizeHint(option, index).height() + grid;
        rowHeader->resizeSection(r, qMax(rowHeader->sectionSizeHint(r), height));
    }
}

void UpsLogsWindow::setLogs(QStringList lines)
{
    clearModels();
    pageWait->stop();
    setPagingEnabled(true);
    const LogPage page = LogPage::decode(logType, lines);
    if (page.kind == LogPage::Kind::None)
        return;

    QTableView* table = ui->logTable;
    if (page.kind == LogPage::Kind::Parameters) {
        auto* header = new QStandardItemModel(1, page.headings.size());
        for (int p = 0; p < page.headings.size(); ++p) {
            const LogPage::Heading& heading = page.headings.at(p);
            auto* item = new QStandardItem(heading.text);
            for (int c = 0; c < heading.children.size(); ++c)
                item->setChild(0, c, new QStandardItem(heading.children.at(c)));
            header->setItem(0, p, item);
        }
        tableModel = new LogTableModel(page, this);
        tableModel->setHeaderModel(header);
        table->setModel(tableModel);
        // Installed once the view has the page's model: it takes the header model
        // from it, and the view's selection, which fits that model. The header
        // before it is deleted.
        auto* headerView = named(new HierarchicalHeaderView(Qt::Horizontal, table), "logHeader");
        // A double click on a divider measures the rows in sight only.
        headerView->setResizeContentsPrecision(0);
        table->setHorizontalHeader(headerView);
        fitToContents(page, headerView);
        headerView->setHidden(false);
    } else {
        itemModel = new QStandardItemModel(page.rowCount(), page.columnCount, this);
        for (int c = 0; c < page.headings.size(); ++c)
            itemModel->setHeaderData(c, Qt::Horizontal, page.headings.at(c).text, Qt::EditRole);
        // The messages are read whole in the tooltip, as is any other cell shown cut.
        const int messages = page.kind == LogPage::Kind::Messages ? 2 : -1;
        for (int r = 0; r < page.rowCount(); ++r) {
            for (int c = 0; c < page.cellCount(r); ++c) {
                const QString text = page.cell(r, c, LogPage::shownLength);
                if (text.isNull())
                    continue;
                auto* item = new QStandardItem(text);
                if (c == messages || page.cellLength(r, c) > LogPage::shownLength)
                    item->setToolTip(page.cell(r, c, LogPage::tipLength));
                itemModel->setItem(r, c, item);
            }
        }
        table->setModel(itemModel);
        fitToContents(page, nullptr);
    }
}
