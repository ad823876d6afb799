#include "panel/logs/logtablemodel.h"
#include "tests/support/lxtest.h"

#include <QPointer>
#include <QStandardItem>
#include <QStandardItemModel>

namespace {
// An item that writes its text into a shared list when it is destroyed.
struct CountedItem : QStandardItem
{
    CountedItem(const QString& text, QStringList* gone) : QStandardItem(text), gone(gone) {}
    ~CountedItem() override { gone->append(text()); }
    QStringList* gone;
};

// Makes indexes anywhere, also outside the grid, as a careless view might.
struct AnyIndexModel : LogTableModel
{
    using LogTableModel::createIndex;
    using LogTableModel::LogTableModel;
};
} // namespace

class TestLogTableModel : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void cells_data();
    void cells();
    void headerModelAtAnyIndex();
    void itemsOutsideTheGridAreRefused_data();
    void itemsOutsideTheGridAreRefused();
    void refillingACellFreesTheFirstItem();
    void cellsOfADecodedPage();
    void destructionFreesEverythingOnce();
};

void TestLogTableModel::sizes_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("columnCount");

    QTest::newRow("3 x 5") << 3 << 5 << 3 << 5;
    // No rows, no columns: a page with only its header line shows nothing.
    QTest::newRow("0 x 5") << 0 << 5 << 0 << 0;
    QTest::newRow("2 x 0") << 2 << 0 << 2 << 0;
    QTest::newRow("negative counts") << -1 << -4 << 0 << 0;
}

void TestLogTableModel::sizes()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, rowCount);
    QFETCH(int, columnCount);

    LogTableModel model(rows, columns);
    QCOMPARE(model.rowCount(), rowCount);
    QCOMPARE(model.columnCount(), columnCount);
    // The parent is not looked at.
    QCOMPARE(model.rowCount(model.index(0, 0)), rowCount);
}

void TestLogTableModel::cells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("filled") << 0 << 1 << int(Qt::DisplayRole) << QVariant(QStringLiteral("230"));
    QTest::newRow("number as text") << 1 << 2 << int(Qt::DisplayRole) << QVariant(QStringLiteral("42"));
    QTest::newRow("not filled") << 1 << 0 << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("other role") << 0 << 1 << int(Qt::ToolTipRole) << QVariant();
    QTest::newRow("edit role") << 0 << 1 << int(Qt::EditRole) << QVariant();
    QTest::newRow("row past the grid") << 2 << 0 << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("column past the grid") << 0 << 3 << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("invalid index") << -1 << -1 << int(Qt::DisplayRole) << QVariant();
}

void TestLogTableModel::cells()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QVariant, value);

    AnyIndexModel model(2, 3);
    model.setItem(0, 1, new QStandardItem(QStringLiteral("230")));
    auto* number = new QStandardItem;
    number->setData(42, Qt::DisplayRole);
    model.setItem(1, 2, number);

    // Indexes outside the grid are made by hand: the model must not read past it.
    const QModelIndex index = row < 0 ? QModelIndex() : model.createIndex(row, column);
    const QVariant read = model.data(index, role);
    QCOMPARE(read, value);
    if (value.isValid())
        QCOMPARE(read.userType(), int(QMetaType::QString));
}

void TestLogTableModel::headerModelAtAnyIndex()
{
    LogTableModel model(1, 1);
    QVariant answer = model.data(QModelIndex(), Qt::UserRole);
    QCOMPARE(answer.userType(), int(QMetaType::QObjectStar));
    QCOMPARE(answer.value<QObject*>(), nullptr);

    auto* header = new QStandardItemModel;
    QPointer<QStandardItemModel> watch(header);
    model.setHeaderModel(header);
    QCOMPARE(model.data(QModelIndex(), Qt::UserRole).value<QObject*>(), header);
    QCOMPARE(model.data(model.index(0, 0), Qt::UserRole).value<QObject*>(), header);

    // A second header model replaces the first, which the model owned.
    model.setHeaderModel(new QStandardItemModel);
    QVERIFY(watch.isNull());
}

void TestLogTableModel::itemsOutsideTheGridAreRefused_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("stored");

    QTest::newRow("inside") << 1 << 2 << true;
    QTest::newRow("row past") << 2 << 0 << false;
    QTest::newRow("column past") << 0 << 3 << false;
    QTest::newRow("negative row") << -1 << 0 << false;
    QTest::newRow("negative column") << 0 << -1 << false;
}

void TestLogTableModel::itemsOutsideTheGridAreRefused()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, stored);

    QStringList gone;
    {
        LogTableModel model(2, 3);
        auto* item = new CountedItem(QStringLiteral("x"), &gone);
        QStandardItem* result = model.setItem(row, column, item);
        QCOMPARE(result, stored ? item : nullptr);
        QCOMPARE(gone.isEmpty(), stored); // a refused item is freed at once
        if (stored)
            QCOMPARE(model.data(model.index(row, column)).toString(), QStringLiteral("x"));
    }
    QCOMPARE(gone, QStringList{QStringLiteral("x")});
}

void TestLogTableModel::refillingACellFreesTheFirstItem()
{
    QStringList gone;
    {
        LogTableModel model(1, 1);
        auto* first = new CountedItem(QStringLiteral("first"), &gone);
        model.setItem(0, 0, first);
        model.setItem(0, 0, first); // the same item again is kept, not freed
        QVERIFY(gone.isEmpty());
        model.setItem(0, 0, new CountedItem(QStringLiteral("second"), &gone));
        QCOMPARE(gone, QStringList{QStringLiteral("first")});
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("second"));
    }
    QCOMPARE(gone, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
}

void TestLogTableModel::cellsOfADecodedPage()
{
    const LogPage page = LogPage::decode(QStringLiteral("parameters"),
                                         {QStringLiteral("date;device_status;x"),
                                          QStringLiteral("d;on_battery"), QStringLiteral("e;stop;3;4")});
    AnyIndexModel model(page);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.data(model.index(0, 0)), QVariant(QStringLiteral("d")));
    QCOMPARE(model.data(model.index(0, 1)), QVariant(page.cell(0, 1)));
    QCOMPARE(model.data(model.index(0, 2)), QVariant()); // past the short line
    QCOMPARE(model.data(model.index(1, 2)), QVariant(QStringLiteral("3")));
    QCOMPARE(model.data(model.createIndex(1, 3)), QVariant()); // the line's extra cell is no column
    QCOMPARE(model.data(model.index(1, 0), Qt::ToolTipRole), QVariant());
    // An item set on a cell shows instead of the page's text.
    model.setItem(1, 0, new QStandardItem(QStringLiteral("item")));
    QCOMPARE(model.data(model.index(1, 0)), QVariant(QStringLiteral("item")));
    QCOMPARE(model.setItem(1, 0, nullptr), nullptr);
    QCOMPARE(model.data(model.index(1, 0)), QVariant(QStringLiteral("e")));
}

void TestLogTableModel::destructionFreesEverythingOnce()
{
    QStringList gone;
    int headerModelsGone = 0;
    {
        auto* model = new LogTableModel(2, 5);
        auto* header = new QStandardItemModel;
        connect(header, &QObject::destroyed, [&] { ++headerModelsGone; });
        header->setItem(0, 0, new CountedItem(QStringLiteral("date"), &gone));
        auto* group = new CountedItem(QStringLiteral("voltage"), &gone);
        for (int c = 0; c < 3; ++c)
            group->setChild(0, c, new CountedItem(QStringLiteral("L%1").arg(c + 1), &gone));
        header->setItem(0, 1, group);
        header->setItem(0, 2, new CountedItem(QStringLiteral("state"), &gone));
        model->setHeaderModel(header);
        model->setItem(0, 0, new CountedItem(QStringLiteral("cell 0,0"), &gone));
        model->setItem(1, 4, new CountedItem(QStringLiteral("cell 1,4"), &gone));
        delete model;
    }
    QCOMPARE(headerModelsGone, 1);
    QCOMPARE(gone.size(), 8);
    QCOMPARE(QSet<QString>(gone.begin(), gone.begin() + 6),
             (QSet<QString>{"date", "voltage", "L1", "L2", "L3", "state"}));
    // Then the cells, row by row.
    QCOMPARE(gone.mid(6), (QStringList{QStringLiteral("cell 0,0"), QStringLiteral("cell 1,4")}));
}

LX_TEST_MAIN(TestLogTableModel)
#include "tst_logtablemodel.moc"
