#pragma once

#include <QHeaderView>
#include <QStyleOptionHeader>

// A header of several levels: each section shows a stack of cells, from a
// top-level cell down to the section's own leaf, and a cell with children
// spans the sections of all its leaves. The levels come from a header model
// that the table's data model hands out at the invalid index, under
// Qt::UserRole for a horizontal header and Qt::UserRole + 1 for a vertical
// one, as a QObject*. In the header model the top-level cells are the items of
// row 0, and a cell's children the items of row 0 under it; leaves, numbered
// depth-first from 0, head the sections of the same number. Whatever is
// missing (no header model, a section without a leaf) is drawn and measured as
// a plain header would. The view reads the header model and never owns it.
//
// Item data of a cell: Qt::DisplayRole text, Qt::ForegroundRole and
// Qt::BackgroundRole brushes, Qt::FontRole, Qt::SizeHintRole, and any valid
// Qt::UserRole value to turn the text upwards.
class HierarchicalHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    HierarchicalHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~HierarchicalHeaderView() override;

    // Takes the header model from `model`, then shows `model` as usual.
    void setModel(QAbstractItemModel* model) override;
    // Widens the sections below each cell with children together, evenly,
    // until the cell's span is as wide as its own text needs (as tall, for a
    // vertical header). Sized to their own cells alone, the leaves of a group
    // can be narrower than its heading, which is then drawn cut.
    void fitGroupsToHeadings();

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    // The option every cell of a section is drawn and measured with.
    QStyleOptionHeader sectionStyleOption(int logicalIndex) const;

private slots:
    // A resized section also moves the cells that span it from earlier sections.
    void on_sectionResized(int logicalIndex);

private:
    struct HeaderState;
    HeaderState* state;

    // Fits the cell and the cells below it, whose leaves head the sections from
    // `firstSection` on; returns how many sections they head.
    int fitGroup(const QModelIndex& cell, int firstSection);
};
