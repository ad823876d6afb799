// The table helpers of the VM table: a header that carries widgets in its
// sections and keeps them there, and a delegate that indents a cell's content.
#include "panel/virtualization/customtablewidget.h"
#include "panel/virtualization/paddeditemdelegate.h"
#include "panel/virtualization/widgettableheader.h"
#include "tests/support/lxtest.h"

#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <memory>

namespace {
// The rectangle a section's widget must take.
QRect expected(QHeaderView* header, int section, int left, int top, int right, int bottom)
{
    return QRect(header->sectionViewportPosition(section) + left, top,
                 header->sectionSize(section) - left - right - 1, header->height() - 1 - top - bottom);
}

// The widget the header shows over a section, or null when only the header itself is there.
QWidget* widgetOver(QHeaderView* header, int section)
{
    const QPoint centre(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
    QWidget* found = header->childAt(centre);
    return found == header->viewport() ? nullptr : found;
}

std::unique_ptr<CustomTableWidget> table(int columns, int rows = 3)
{
    auto t = std::make_unique<CustomTableWidget>(nullptr);
    t->setColumnCount(columns);
    t->setRowCount(rows);
    t->horizontalHeader()->setFixedHeight(25);
    t->horizontalHeader()->setMinimumSectionSize(10);
    for (int c = 0; c < columns; ++c)
        t->setColumnWidth(c, 30);
    return t;
}

// One cell painted by the delegate into an image of its own size.
QImage paintCell(QAbstractItemDelegate& delegate, const QModelIndex& index, QStyle::State extra)
{
    QImage image(100, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.state = QStyle::State_Enabled | QStyle::State_Active | extra;
    option.palette = QApplication::palette();
    option.font = QApplication::font();
    option.fontMetrics = QFontMetrics(option.font);
    QPainter painter(&image);
    delegate.paint(&painter, option, index);
    return image;
}
} // namespace

class TestTableHelpers : public QObject
{
    Q_OBJECT

private slots:
    void sectionWidgetTakesItsMargins_data();
    void sectionWidgetTakesItsMargins();
    void everySectionHasAWidgetOnceShown();
    void resizingMovesTheSectionsFromThatOneOn();
    void sidewaysScrollingKeepsWidgetsOverTheirSections();
    void sectionsAddedAfterTheShowAreSkipped();
    void delegateWidensByTheIndent_data();
    void delegateWidensByTheIndent();
    void delegatePaintsTheIndentOnlyWhenSelected();
};

void TestTableHelpers::sectionWidgetTakesItsMargins_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QList<int>>("margins");
    QTest::addColumn<QRect>("rect"); // relative to the section's position
    QTest::newRow("the select-all box") << 0 << QList<int>{1, 1, 1, 1} << QRect(1, 1, 27, 22);
    QTest::newRow("no margins") << 0 << QList<int>{0, 0, 0, 0} << QRect(0, 0, 29, 24);
    QTest::newRow("uneven margins, second section") << 1 << QList<int>{3, 2, 5, 4} << QRect(3, 2, 21, 18);
}

void TestTableHelpers::sectionWidgetTakesItsMargins()
{
    QFETCH(int, section);
    QFETCH(QList<int>, margins);
    QFETCH(QRect, rect);
    auto t = table(3);
    auto* box = new QCheckBox;
    t->setHeaderWidget(section, box);
    t->setHeaderMargins(section, margins[0], margins[1], margins[2], margins[3]);
    t->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.get()));
    QHeaderView* header = t->horizontalHeader();
    QCOMPARE(box->parentWidget(), header);
    QVERIFY(box->isVisible());
    QCOMPARE(box->geometry(), rect.translated(header->sectionViewportPosition(section), 0));
}

void TestTableHelpers::everySectionHasAWidgetOnceShown()
{
    auto t = table(3);
    auto* box = new QCheckBox;
    t->setHeaderWidget(1, box);
    QHeaderView* header = t->horizontalHeader();
    t->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.get()));
    for (int section = 0; section < 3; ++section) {
        QWidget* widget = widgetOver(header, section);
        QVERIFY2(widget, qPrintable(QString::number(section)));
        QCOMPARE(widget->geometry(), expected(header, section, 0, 0, 0, 0));
    }
    QCOMPARE(widgetOver(header, 1), box);
}

void TestTableHelpers::resizingMovesTheSectionsFromThatOneOn()
{
    auto t = table(4);
    t->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.get()));
    QHeaderView* header = t->horizontalHeader();
    QList<QWidget*> widgets;
    QList<QRect> before;
    for (int section = 0; section < 4; ++section) {
        widgets << widgetOver(header, section);
        QVERIFY(widgets.last());
        before << widgets.last()->geometry();
    }

    t->setColumnWidth(1, 70);
    QCOMPARE(widgets[0]->geometry(), before[0]);
    QCOMPARE(widgets[1]->geometry(), before[1].adjusted(0, 0, 40, 0));
    QCOMPARE(widgets[2]->geometry(), before[2].translated(40, 0));
    QCOMPARE(widgets[3]->geometry(), before[3].translated(40, 0));

    header->moveSection(3, 0); // the last section shown first
    for (int section = 0; section < 4; ++section)
        QCOMPARE(widgets[section]->geometry(), expected(header, section, 0, 0, 0, 0));
}

void TestTableHelpers::sidewaysScrollingKeepsWidgetsOverTheirSections()
{
    auto t = table(6, 200);
    t->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (int c = 0; c < 6; ++c)
        t->setColumnWidth(c, 120);
    t->resize(300, 200);
    auto* box = new QCheckBox;
    t->setHeaderWidget(2, box);
    t->setHeaderMargins(2, 1, 1, 1, 1);
    t->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.get()));
    QHeaderView* header = t->horizontalHeader();
    const QRect start = box->geometry();

    t->verticalScrollBar()->setValue(50);
    QCOMPARE(box->geometry(), start);

    t->horizontalScrollBar()->setValue(90);
    QCOMPARE(header->offset(), 90);
    QCOMPARE(box->geometry(), start.translated(-90, 0));
    QCOMPARE(box->geometry(), expected(header, 2, 1, 1, 1, 1));
}

// A section added after the header was shown has no entry: resizing and
// moving must pass over it, not make one without a widget and place that.
void TestTableHelpers::sectionsAddedAfterTheShowAreSkipped()
{
    auto t = table(2);
    t->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.get()));
    QHeaderView* header = t->horizontalHeader();
    QWidget* second = widgetOver(header, 1);
    QVERIFY(second);

    t->setColumnCount(4);
    t->setColumnWidth(2, 30);
    t->setColumnWidth(0, 50);
    header->moveSection(3, 1);
    t->setColumnWidth(3, 60);
    QVERIFY(!widgetOver(header, 2));
    QVERIFY(!widgetOver(header, 3));
    QCOMPARE(second->geometry(), expected(header, 1, 0, 0, 0, 0));
}

void TestTableHelpers::delegateWidensByTheIndent_data()
{
    QTest::addColumn<QVariant>("indent");
    QTest::addColumn<int>("wider");
    QTest::newRow("no indent") << QVariant() << 0;
    QTest::newRow("a VM row") << QVariant(20) << 20;
    QTest::newRow("a number as text") << QVariant(QStringLiteral("12")) << 12;
    QTest::newRow("not a number") << QVariant(QStringLiteral("wide")) << 0;
}

void TestTableHelpers::delegateWidensByTheIndent()
{
    QFETCH(QVariant, indent);
    QFETCH(int, wider);
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QStringLiteral("virtual machine"));
    model.setData(model.index(0, 0), indent, Qt::UserRole + 4);
    const QModelIndex index = model.index(0, 0);
    QStyleOptionViewItem option;
    option.font = QApplication::font();
    option.fontMetrics = QFontMetrics(option.font);

    PaddedItemDelegate padded(nullptr);
    QStyledItemDelegate plain;
    const QSize base = plain.sizeHint(option, index);
    QCOMPARE(padded.sizeHint(option, index), QSize(base.width() + wider, base.height()));
    if (wider == 0)
        QCOMPARE(paintCell(padded, index, {}), paintCell(plain, index, {}));
}

void TestTableHelpers::delegatePaintsTheIndentOnlyWhenSelected()
{
    QStandardItemModel model(1, 1);
    const QModelIndex index = model.index(0, 0);
    model.setData(index, QBrush(Qt::red), Qt::BackgroundRole);
    model.setData(index, 20, Qt::UserRole + 4);
    PaddedItemDelegate padded(nullptr);

    const QImage plain = paintCell(padded, index, {});
    QCOMPARE(QColor(plain.pixel(5, 10)), QColor(Qt::white)); // the indent stays as it was
    QCOMPARE(QColor(plain.pixel(25, 10)), QColor(Qt::red));  // the content moved right

    const QImage selected = paintCell(padded, index, QStyle::State_Selected);
    const QColor highlight = QApplication::palette().brush(QPalette::Normal, QPalette::Highlight).color();
    QCOMPARE(QColor(selected.pixel(5, 10)), highlight);
}

LX_TEST_MAIN(TestTableHelpers)
#include "tst_tablehelpers.moc"
