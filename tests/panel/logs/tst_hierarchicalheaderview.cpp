#include "panel/logs/hierarchicalheaderview.h"
#include "tests/support/lxtest.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTableView>

namespace {
// What the view asked its style to draw: each header cell, with the geometry it
// gave it. Calls that the style makes to itself for the parts of a cell are not
// recorded, only the view's own.
class RecordingStyle : public QProxyStyle
{
public:
    struct Draw
    {
        QStyle::ControlElement element;
        QRect rect;
        QString text;
        QStyle::State state;
        QStyleOptionHeader::SectionPosition position;
        QTransform transform;
    };

    RecordingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
        if (depth == 0 && header)
            draws.append({element, header->rect, header->text, header->state, header->position,
                          painter->worldTransform()});
        ++depth;
        QProxyStyle::drawControl(element, option, painter, widget);
        --depth;
    }

    // "text@x,y wxh" of every whole cell drawn (CE_Header), sorted.
    QStringList cells() const
    {
        QStringList out;
        for (const Draw& d : draws) {
            if (d.element == CE_Header)
                out << QStringLiteral("%1@%2,%3 %4x%5")
                           .arg(d.text)
                           .arg(d.rect.x())
                           .arg(d.rect.y())
                           .arg(d.rect.width())
                           .arg(d.rect.height());
        }
        out.sort();
        return out;
    }
    const Draw* find(const QString& text, ControlElement element = CE_Header) const
    {
        for (const Draw& d : draws) {
            if (d.text == text && d.element == element)
                return &d;
        }
        return nullptr;
    }

    mutable QList<Draw> draws;
    mutable int depth = 0;
};

// A data model that hands out a header model the way the view expects.
class CarrierModel : public QStandardItemModel
{
public:
    CarrierModel(int rows, int columns, QAbstractItemModel* header, int role = Qt::UserRole)
        : QStandardItemModel(rows, columns), header(header), role(role)
    {
    }
    QVariant data(const QModelIndex& index, int asked) const override
    {
        if (!index.isValid() && asked == role)
            return QVariant::fromValue<QObject*>(header);
        return QStandardItemModel::data(index, asked);
    }

private:
    QPointer<QAbstractItemModel> header;
    int role;
};

QStandardItem* cell(const QString& text, const QSize& hint = QSize())
{
    auto* item = new QStandardItem(text);
    if (hint.isValid())
        item->setData(hint, Qt::SizeHintRole);
    return item;
}

// [A], [G over L1, L2, L3], [B], with size hints that fix their measures.
QStandardItemModel* groupedHeader()
{
    auto* header = new QStandardItemModel;
    header->setItem(0, 0, cell(QStringLiteral("A"), QSize(120, 45)));
    QStandardItem* group = cell(QStringLiteral("G"), QSize(60, 50));
    for (int c = 0; c < 3; ++c)
        group->setChild(0, c, cell(QStringLiteral("L%1").arg(c + 1), QSize(200, 40)));
    header->setItem(0, 1, group);
    header->setItem(0, 2, cell(QStringLiteral("B")));
    return header;
}

// Makes the measuring operation callable.
struct Probe : HierarchicalHeaderView
{
    using HierarchicalHeaderView::HierarchicalHeaderView;
    using HierarchicalHeaderView::sectionSizeFromContents;
    QSize plainSize(int section) const { return QHeaderView::sectionSizeFromContents(section); }
};

// A shown header over `sections` columns of fixed widths 50, 60, 70, ...
struct Rig
{
    RecordingStyle style;
    QScopedPointer<QStandardItemModel> headerModel;
    CarrierModel model;
    Probe view;

    explicit Rig(int sections, Qt::Orientation orientation = Qt::Horizontal)
        : headerModel(groupedHeader()),
          model(orientation == Qt::Horizontal ? 1 : sections, orientation == Qt::Horizontal ? sections : 1,
                headerModel.data(), orientation == Qt::Horizontal ? Qt::UserRole : Qt::UserRole + 1),
          view(orientation)
    {
        view.setStyle(&style);
        view.setStretchLastSection(false);
        view.setModel(&model);
        for (int s = 0; s < sections; ++s)
            view.resizeSection(s, 50 + 10 * s);
        if (orientation == Qt::Horizontal)
            view.resize(600, 100);
        else
            view.resize(150, 600);
        view.show();
    }
    QStringList paint()
    {
        style.draws.clear();
        view.viewport()->grab();
        return style.cells();
    }
};

// Collects the regions the viewport is asked to repaint.
class PaintWatcher : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion region;
};
} // namespace

class TestHierarchicalHeaderView : public QObject
{
    Q_OBJECT

private slots:
    void groupSpansItsLeaves();
    void sectionWithoutLeafIsPlain();
    void groupFollowsItsLeavesSizes();
    void resizingRepaintsTheSpanningCells_data();
    void resizingRepaintsTheSpanningCells();
    void selectedColumnSinksOnlyItsLeaf();
    void turnedTextIsDrawnAndMeasuredUpwards();
    void sizeOfAStack();
    void verticalHeaderSpansDownwards();
    void positions_data();
    void positions();
    void plainWithoutHeaderModel_data();
    void plainWithoutHeaderModel();
    void headerModelGoneMeansPlain();
    void headerModelChangesAreFollowed();
    void groupsWidenedToTheirHeadings_data();
    void groupsWidenedToTheirHeadings();
};

void TestHierarchicalHeaderView::groupSpansItsLeaves()
{
    Rig rig(5);
    // Sections 0..4 start at 0, 50, 110, 180, 260. G's 50 pixels sit above each
    // phase, which takes the rest of the height.
    QCOMPARE(rig.paint(),
             (QStringList{"A@0,0 50x100", "B@260,0 90x100", "G@50,0 210x50", "G@50,0 210x50", "G@50,0 210x50",
                          "L1@50,50 60x50", "L2@110,50 70x50", "L3@180,50 80x50"}));
}

void TestHierarchicalHeaderView::sectionWithoutLeafIsPlain()
{
    Rig rig(6);
    const QStringList cells = rig.paint();
    // The sixth section has no leaf: the data model's own heading, over the full height.
    QVERIFY2(cells.contains(QStringLiteral("6@350,0 100x100")), qPrintable(cells.join(QLatin1Char(' '))));
    QCOMPARE(cells.size(), 9);
    QCOMPARE(rig.view.sectionSizeFromContents(5), rig.view.plainSize(5));
}

void TestHierarchicalHeaderView::groupFollowsItsLeavesSizes()
{
    Rig rig(5);
    rig.view.resizeSection(1, 100);
    QCOMPARE(rig.paint(),
             (QStringList{"A@0,0 50x100", "B@300,0 90x100", "G@50,0 250x50", "G@50,0 250x50", "G@50,0 250x50",
                          "L1@50,50 100x50", "L2@150,50 70x50", "L3@220,50 80x50"}));
}

void TestHierarchicalHeaderView::resizingRepaintsTheSpanningCells_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("repaintedFrom");

    QTest::newRow("first phase") << 1 << 50;
    QTest::newRow("second phase: from the group's start") << 2 << 50;
    QTest::newRow("third phase: from the group's start") << 3 << 50;
    QTest::newRow("plain cell: from itself") << 4 << 260;
}

void TestHierarchicalHeaderView::resizingRepaintsTheSpanningCells()
{
    QFETCH(int, section);
    QFETCH(int, repaintedFrom);

    Rig rig(5);
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    QCoreApplication::processEvents(); // repaints asked for before the watch
    PaintWatcher watcher;
    rig.view.viewport()->installEventFilter(&watcher);
    rig.view.resizeSection(section, rig.view.sectionSize(section) + 7);
    QTRY_VERIFY(!watcher.region.isEmpty());
    QCOMPARE(watcher.region.boundingRect().left(), repaintedFrom);
    QCOMPARE(watcher.region.boundingRect().right(), rig.view.viewport()->width() - 1);
}

void TestHierarchicalHeaderView::selectedColumnSinksOnlyItsLeaf()
{
    RecordingStyle style;
    QScopedPointer<QStandardItemModel> headerModel(groupedHeader());
    CarrierModel model(3, 5, headerModel.data());
    QTableView table;
    auto* view = new HierarchicalHeaderView(Qt::Horizontal, &table);
    table.setHorizontalHeader(view);
    table.setModel(&model);
    view->setStyle(&style);
    view->setSectionsClickable(true);
    view->setHighlightSections(true);
    table.resize(600, 300);
    table.show();
    table.selectColumn(2);

    view->viewport()->grab();
    const RecordingStyle::Draw* leaf = style.find(QStringLiteral("L2"));
    QVERIFY(leaf);
    QVERIFY(leaf->state & QStyle::State_Sunken);
    QVERIFY(leaf->state & QStyle::State_On);
    for (const RecordingStyle::Draw& d : style.draws) {
        if (d.text == QLatin1String("G") || d.text == QLatin1String("L1"))
            QVERIFY(!(d.state & (QStyle::State_Sunken | QStyle::State_On)));
    }
}

void TestHierarchicalHeaderView::turnedTextIsDrawnAndMeasuredUpwards()
{
    Rig rig(5);
    const QString text = QStringLiteral("a long heading");
    QStandardItem* plain = rig.headerModel->item(0, 2);
    plain->setText(text);
    const QSize flat = rig.view.sectionSizeFromContents(4);

    plain->setData(true, Qt::UserRole);
    const QSize turned = rig.view.sectionSizeFromContents(4);
    QFont bold = rig.view.font();
    bold.setWeight(QFont::Bold);
    const QSize textSize = QFontMetrics(bold).size(0, text);
    QCOMPARE(turned.width() - flat.width(), textSize.height() - textSize.width());
    QCOMPARE(turned.height() - flat.height(), textSize.width() - textSize.height());

    rig.paint();
    const RecordingStyle::Draw* frame = rig.style.find(text, QStyle::CE_HeaderSection);
    const RecordingStyle::Draw* label = rig.style.find(text, QStyle::CE_HeaderLabel);
    QVERIFY(frame && label);
    QCOMPARE(frame->rect, QRect(260, 0, 90, 100));
    // Turned by -90 degrees: the label's box is the cell's height by its width,
    // centred on (-centre y, centre x) of the cell.
    QCOMPARE(label->transform.map(QPointF(1, 0)), QPointF(0, -1));
    QCOMPARE(label->rect, QRect(-98, 260, 100, 90));
    QVERIFY(!rig.style.find(text, QStyle::CE_Header));
}

void TestHierarchicalHeaderView::sizeOfAStack()
{
    Rig rig(5);
    // A leaf under G: the leaf's width, and the heights of G and the leaf.
    QCOMPARE(rig.view.sectionSizeFromContents(2), QSize(200, 90));
    QCOMPARE(rig.view.sectionSizeFromContents(0), QSize(120, 45));
}

void TestHierarchicalHeaderView::verticalHeaderSpansDownwards()
{
    Rig rig(5, Qt::Vertical);
    // G's 60 pixels of width stand left of each phase.
    QCOMPARE(rig.paint(),
             (QStringList{"A@0,0 150x50", "B@0,260 150x90", "G@0,50 60x210", "G@0,50 60x210", "G@0,50 60x210",
                          "L1@60,50 90x60", "L2@60,110 90x70", "L3@60,180 90x80"}));
    QCOMPARE(rig.view.sectionSizeFromContents(3), QSize(260, 40));
}

void TestHierarchicalHeaderView::positions_data()
{
    QTest::addColumn<int>("sections");
    QTest::addColumn<QList<int>>("positions");

    QTest::newRow("one") << 1 << QList<int>{QStyleOptionHeader::OnlyOneSection};
    QTest::newRow("three") << 3
                           << QList<int>{QStyleOptionHeader::Beginning, QStyleOptionHeader::Middle,
                                         QStyleOptionHeader::End};
}

void TestHierarchicalHeaderView::positions()
{
    QFETCH(int, sections);
    QFETCH(QList<int>, positions);

    RecordingStyle style;
    QStandardItemModel headerModel;
    for (int s = 0; s < sections; ++s)
        headerModel.setItem(0, s, cell(QString::number(s)));
    CarrierModel model(1, sections, &headerModel);
    HierarchicalHeaderView view(Qt::Horizontal);
    view.setStyle(&style);
    view.setModel(&model);
    view.resize(400, 40);
    view.show();
    view.viewport()->grab();
    QList<int> seen;
    for (int s = 0; s < sections; ++s)
        seen << style.find(QString::number(s))->position;
    QCOMPARE(seen, positions);
}

void TestHierarchicalHeaderView::plainWithoutHeaderModel_data()
{
    QTest::addColumn<QVariant>("answer");

    QTest::newRow("no answer") << QVariant();
    QTest::newRow("not an object") << QVariant(42);
    QTest::newRow("an object, not a model") << QVariant::fromValue<QObject*>(static_cast<QObject*>(qApp));
}

void TestHierarchicalHeaderView::plainWithoutHeaderModel()
{
    QFETCH(QVariant, answer);

    struct Answering : QStandardItemModel
    {
        QVariant answer;
        QVariant data(const QModelIndex& index, int role) const override
        {
            return !index.isValid() && role == Qt::UserRole ? answer : QStandardItemModel::data(index, role);
        }
    } model;
    model.answer = answer;
    model.setColumnCount(3);
    model.setRowCount(1);

    RecordingStyle style;
    Probe view(Qt::Horizontal);
    view.setStyle(&style);
    view.setStretchLastSection(false);
    view.setModel(&model);
    QCOMPARE(view.count(), 3);
    view.resize(400, 30);
    view.show();
    view.viewport()->grab();
    QStringList texts;
    for (const RecordingStyle::Draw& d : style.draws)
        texts << d.text;
    texts.sort();
    QCOMPARE(texts, (QStringList{"1", "2", "3"}));
    QCOMPARE(view.sectionSizeFromContents(1), view.plainSize(1));
}

void TestHierarchicalHeaderView::headerModelGoneMeansPlain()
{
    Rig rig(5);
    rig.headerModel.reset();
    const QStringList cells = rig.paint();
    QCOMPARE(cells.size(), 5);
    QVERIFY2(cells.contains(QStringLiteral("2@50,0 60x100")), qPrintable(cells.join(QLatin1Char(' '))));
    QCOMPARE(rig.view.sectionSizeFromContents(2), rig.view.plainSize(2));
}

void TestHierarchicalHeaderView::headerModelChangesAreFollowed()
{
    Rig rig(5);
    rig.paint();
    // A new first cell moves every leaf one section on; B is left without one.
    rig.headerModel->insertColumn(0, {cell(QStringLiteral("C"))});
    QCOMPARE(rig.paint(),
             (QStringList{"A@50,0 60x100", "C@0,0 50x100", "G@110,0 240x50", "G@110,0 240x50",
                          "G@110,0 240x50", "L1@110,50 70x50", "L2@180,50 80x50", "L3@260,50 90x50"}));
    QCOMPARE(rig.view.sectionSizeFromContents(1), QSize(120, 45));
}

void TestHierarchicalHeaderView::groupsWidenedToTheirHeadings_data()
{
    QTest::addColumn<int>("groupWidth"); // what G's heading needs; 0: no header model
    QTest::addColumn<int>("topWidth");   // T above G and L3; 0: G is a top-level cell
    QTest::addColumn<QList<int>>("sizes");

    // Leaves at 50 pixels each, A and B at 40 before and after them.
    QTest::newRow("widened evenly") << 300 << 0 << QList<int>{40, 100, 100, 100, 40};
    QTest::newRow("the odd pixels to the first leaves") << 302 << 0 << QList<int>{40, 101, 101, 100, 40};
    QTest::newRow("wide enough already") << 150 << 0 << QList<int>{40, 50, 50, 50, 40};
    QTest::newRow("nested: the inner group first, then the outer")
        << 200 << 400 << QList<int>{40, 150, 150, 100, 40};
    QTest::newRow("no header model") << 0 << 0 << QList<int>{40, 50, 50, 50, 40};
}

void TestHierarchicalHeaderView::groupsWidenedToTheirHeadings()
{
    QFETCH(int, groupWidth);
    QFETCH(int, topWidth);
    QFETCH(QList<int>, sizes);

    QStandardItemModel header;
    header.setItem(0, 0, cell(QStringLiteral("A")));
    QStandardItem* group = cell(QStringLiteral("G"), QSize(groupWidth, 20));
    if (topWidth > 0) {
        QStandardItem* top = cell(QStringLiteral("T"), QSize(topWidth, 20));
        group->setChild(0, 0, cell(QStringLiteral("L1")));
        group->setChild(0, 1, cell(QStringLiteral("L2")));
        top->setChild(0, 0, group);
        top->setChild(0, 1, cell(QStringLiteral("L3")));
        header.setItem(0, 1, top);
    } else {
        for (int c = 0; c < 3; ++c)
            group->setChild(0, c, cell(QStringLiteral("L%1").arg(c + 1)));
        header.setItem(0, 1, group);
    }
    header.setItem(0, 2, cell(QStringLiteral("B")));
    CarrierModel model(1, 5, groupWidth > 0 ? &header : nullptr);
    QTableView table;
    auto* view = new HierarchicalHeaderView(Qt::Horizontal, &table);
    table.setHorizontalHeader(view);
    table.setModel(&model);
    const QList<int> before{40, 50, 50, 50, 40};
    for (int s = 0; s < before.size(); ++s)
        view->resizeSection(s, before.at(s));

    view->fitGroupsToHeadings();
    QList<int> after;
    for (int s = 0; s < 5; ++s)
        after << view->sectionSize(s);
    QCOMPARE(after, sizes);
}

LX_TEST_MAIN(TestHierarchicalHeaderView)
#include "tst_hierarchicalheaderview.moc"
