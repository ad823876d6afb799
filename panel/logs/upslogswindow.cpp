#include "upslogswindow.h"

#include "base/named.h"
#include "hierarchicalheaderview.h"
#include "logpage.h"
#include "logparameterlabel.h"
#include "logtablemodel.h"
#include "ui_upslogswindow.h"
#include "upssocketcontroller.h"

#include <QStandardItemModel>

UpsLogsWindow::UpsLogsWindow(QWidget* parent) : QDialog(parent), ui(new Ui::UpsLogsWindow)
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->logTable->setSelectionMode(QAbstractItemView::NoSelection);
    // Row heights from the columns in sight, as the columns' widths come from the rows in sight.
    ui->logTable->verticalHeader()->setResizeContentsPrecision(0);
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
    // The service keeps the position: no page number travels, and a click does
    // not wait for the answer to the one before.
    if (controller)
        controller->getUpsLogs({{QStringLiteral("type"), logType}, {QStringLiteral("age"), age}});
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

void UpsLogsWindow::fitRowHeights(const LogPage& page)
{
    // Each row as tall as its contents: one line of text is as tall in every
    // row, so it is measured once and made the rows' default; only rows with a
    // line break are measured one by one (measuring 10,000 rows took seconds).
    QTableView* table = ui->logTable;
    QHeaderView* rowHeader = table->verticalHeader();
    int r = 0;
    while (r < page.rowCount() && page.breaksLines(r))
        ++r;
    if (r < page.rowCount()) {
        table->resizeRowToContents(r);
        rowHeader->setDefaultSectionSize(rowHeader->sectionSize(r));
    }
    for (r = 0; r < page.rowCount(); ++r) {
        if (page.breaksLines(r))
            table->resizeRowToContents(r);
    }
}

void UpsLogsWindow::setLogs(QStringList lines)
{
    clearModels();
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
        headerView->setResizeContentsPrecision(0);
        table->setHorizontalHeader(headerView);
        table->resizeColumnsToContents();
        fitRowHeights(page);
        headerView->setHidden(false);
    } else {
        itemModel = new QStandardItemModel(page.rowCount(), page.columnCount, this);
        for (int c = 0; c < page.headings.size(); ++c)
            itemModel->setHeaderData(c, Qt::Horizontal, page.headings.at(c).text, Qt::EditRole);
        for (int r = 0; r < page.rowCount(); ++r) {
            for (int c = 0; c < page.cellCount(r); ++c) {
                const QString text = page.cell(r, c);
                if (!text.isNull())
                    itemModel->setItem(r, c, new QStandardItem(text));
            }
        }
        table->setModel(itemModel);
        table->resizeColumnsToContents();
    }
}
