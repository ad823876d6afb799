#include "hierarchicalheaderview.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QModelIndexList>
#include <QPainter>
#include <QPointer>

struct HierarchicalHeaderView::HeaderState
{
    QPointer<QAbstractItemModel> headerModel;
    // The leaf of each section, found once for the header model as it stands: a
    // search per section from the first cell made a wide header's every paint
    // and measure quadratic. Any change to the header model's shape drops it.
    mutable QVector<QModelIndex> sectionLeaves;
    mutable bool leavesFound = false;
    QList<QMetaObject::Connection> shapeWatch;

    void watch(QAbstractItemModel* model, HierarchicalHeaderView* view)
    {
        for (const QMetaObject::Connection& c : qAsConst(shapeWatch))
            QObject::disconnect(c);
        shapeWatch.clear();
        leavesFound = false;
        headerModel = model;
        if (!model)
            return;
        const auto forget = [this] { leavesFound = false; };
        shapeWatch << QObject::connect(model, &QAbstractItemModel::modelReset, view, forget)
                   << QObject::connect(model, &QAbstractItemModel::layoutChanged, view, forget)
                   << QObject::connect(model, &QAbstractItemModel::rowsInserted, view, forget)
                   << QObject::connect(model, &QAbstractItemModel::rowsRemoved, view, forget)
                   << QObject::connect(model, &QAbstractItemModel::rowsMoved, view, forget)
                   << QObject::connect(model, &QAbstractItemModel::columnsInserted, view, forget)
                   << QObject::connect(model, &QAbstractItemModel::columnsRemoved, view, forget)
                   << QObject::connect(model, &QAbstractItemModel::columnsMoved, view, forget);
    }

    // The leaf that heads `section`, or an invalid index.
    QModelIndex sectionLeaf(int section) const
    {
        if (!headerModel)
            return QModelIndex();
        if (!leavesFound) {
            sectionLeaves.clear();
            const int top = headerModel->columnCount(QModelIndex());
            for (int c = 0; c < top; ++c)
                collectLeaves(headerModel->index(0, c), sectionLeaves);
            leavesFound = true;
        }
        return section >= 0 && section < sectionLeaves.size() ? sectionLeaves.at(section) : QModelIndex();
    }

    // Depth-first, children left to right: leaf number s heads section s.
    void collectLeaves(const QModelIndex& cell, QVector<QModelIndex>& out) const
    {
        if (!cell.isValid())
            return;
        const int children = headerModel->columnCount(cell);
        if (children == 0) {
            out.append(cell);
            return;
        }
        for (int c = 0; c < children; ++c)
            collectLeaves(headerModel->index(0, c, cell), out);
    }

    // The leaves below `cell`, left to right; none for a leaf itself.
    QModelIndexList leaves(const QModelIndex& cell) const
    {
        QModelIndexList out;
        if (!cell.isValid())
            return out;
        const int children = headerModel->columnCount(cell);
        for (int c = 0; c < children; ++c) {
            const QModelIndex child = headerModel->index(0, c, cell);
            if (headerModel->columnCount(child) == 0)
                out.append(child);
            else
                out += leaves(child);
        }
        return out;
    }

    static QSize cellSize(const QModelIndex& cell, const HierarchicalHeaderView* view,
                          const QStyleOptionHeader& option)
    {
        const QVariant hintValue = cell.data(Qt::SizeHintRole);
        const QSize hint = hintValue.canConvert<QSize>() ? hintValue.toSize() : QSize(-1, -1);
        QFont font = view->font();
        const QVariant fontValue = cell.data(Qt::FontRole);
        if (fontValue.isValid() && fontValue.canConvert<QFont>())
            font = qvariant_cast<QFont>(fontValue);
        font.setWeight(QFont::Bold);
        const QFontMetrics metrics(font);
        QSize text = metrics.size(0, cell.data(Qt::DisplayRole).toString());
        if (cell.data(Qt::UserRole).isValid())
            text.transpose();
        const QSize decoration =
            view->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), view);
        const QSize empty = metrics.size(0, QString());
        return QSize(qMax(hint.width(), text.width() + decoration.width() - empty.width()),
                     qMax(hint.height(), text.height() + decoration.height() - empty.height()));
    }

    static void applyBrushes(const QModelIndex& cell, QStyleOptionHeader& option)
    {
        const QVariant foreground = cell.data(Qt::ForegroundRole);
        if (foreground.canConvert<QBrush>())
            option.palette.setBrush(QPalette::ButtonText, qvariant_cast<QBrush>(foreground));
        const QVariant background = cell.data(Qt::BackgroundRole);
        if (background.canConvert<QBrush>()) {
            option.palette.setBrush(QPalette::Button, qvariant_cast<QBrush>(background));
            option.palette.setBrush(QPalette::Window, qvariant_cast<QBrush>(background));
        }
    }

    // Where the cell starts along the sections and how far it spans: from the
    // section of its first leaf over those of all its leaves, which are taken
    // to lie side by side in logical order.
    QPair<int, int> span(const HierarchicalHeaderView* view, const QModelIndex& cell, const QModelIndex& leaf,
                         int logicalIndex, int sectionStart) const
    {
        const QModelIndexList below = leaves(cell);
        if (below.isEmpty())
            return {sectionStart, view->sectionSize(logicalIndex)};
        const int first = logicalIndex - below.indexOf(leaf);
        int start = sectionStart;
        for (int s = first; s < logicalIndex; ++s)
            start -= view->sectionSize(s);
        int extent = 0;
        for (int s = first; s < first + below.size(); ++s)
            extent += view->sectionSize(s);
        return {start, extent};
    }

    static void drawCell(QPainter* painter, const HierarchicalHeaderView* view, const QModelIndex& cell,
                         QStyleOptionHeader& cellOption)
    {
        cellOption.text = cell.data(Qt::DisplayRole).toString();
        painter->save();
        if (cell.data(Qt::UserRole).isValid()) {
            view->style()->drawControl(QStyle::CE_HeaderSection, &cellOption, painter, view);
            painter->setWorldTransform(QTransform().rotate(-90), true);
            // The cell's rectangle turned with the painter: its height by its width,
            // centred on (-centre y, centre x).
            const QRect r = cellOption.rect;
            const int left = -(r.top() + r.bottom()) / 2 - (r.bottom() - r.top()) / 2;
            const int top = (r.left() + r.right()) / 2 - (r.right() - r.left()) / 2;
            cellOption.rect.setCoords(left, top, left + (r.bottom() - r.top()), top + (r.right() - r.left()));
            view->style()->drawControl(QStyle::CE_HeaderLabel, &cellOption, painter, view);
        } else {
            view->style()->drawControl(QStyle::CE_Header, &cellOption, painter, view);
        }
        painter->restore();
    }

    // Paints one cell of a section from `top` down; returns where the next level starts.
    int drawHorizontalHeaderCell(QPainter* painter, const HierarchicalHeaderView* view,
                                 const QModelIndex& cell, const QModelIndex& leaf, int logicalIndex,
                                 const QStyleOptionHeader& option, const QRect& sectionRect, int top) const
    {
        QStyleOptionHeader cellOption = option;
        applyBrushes(cell, cellOption);
        // The leaf takes the rest of the section.
        const int height =
            cell == leaf ? sectionRect.height() - top : cellSize(cell, view, cellOption).height();
        const QPair<int, int> across = span(view, cell, leaf, logicalIndex, sectionRect.left());
        cellOption.rect = QRect(across.first, top, across.second, height);
        drawCell(painter, view, cell, cellOption);
        return top + height;
    }

    // The same with the axes exchanged: from `left` rightwards.
    int drawVerticalHeaderCell(QPainter* painter, const HierarchicalHeaderView* view, const QModelIndex& cell,
                               const QModelIndex& leaf, int logicalIndex, const QStyleOptionHeader& option,
                               const QRect& sectionRect, int left) const
    {
        QStyleOptionHeader cellOption = option;
        applyBrushes(cell, cellOption);
        const int width =
            cell == leaf ? sectionRect.width() - left : cellSize(cell, view, cellOption).width();
        const QPair<int, int> across = span(view, cell, leaf, logicalIndex, sectionRect.top());
        cellOption.rect = QRect(left, across.first, width, across.second);
        drawCell(painter, view, cell, cellOption);
        return left + width;
    }
};

HierarchicalHeaderView::HierarchicalHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent), state(new HeaderState)
{
    connect(this, &QHeaderView::sectionResized, this, &HierarchicalHeaderView::on_sectionResized);
}

HierarchicalHeaderView::~HierarchicalHeaderView()
{
    delete state;
}

void HierarchicalHeaderView::setModel(QAbstractItemModel* model)
{
    QAbstractItemModel* headerModel = nullptr;
    if (model) {
        const int role = orientation() == Qt::Horizontal ? Qt::UserRole : Qt::UserRole + 1;
        const QVariant answer = model->data(QModelIndex(), role);
        if (answer.isValid())
            headerModel = qobject_cast<QAbstractItemModel*>(qvariant_cast<QObject*>(answer));
    }
    state->watch(headerModel, this);
    QHeaderView::setModel(model);
    if (!model)
        return;
    const int sections = orientation() == Qt::Horizontal ? model->columnCount() : model->rowCount();
    if (sections != 0)
        initializeSections(0, sections - 1);
}

void HierarchicalHeaderView::fitGroupsToHeadings()
{
    if (!state->headerModel)
        return;
    const int top = state->headerModel->columnCount(QModelIndex());
    int section = 0;
    for (int c = 0; c < top; ++c)
        section += fitGroup(state->headerModel->index(0, c), section);
}

int HierarchicalHeaderView::fitGroup(const QModelIndex& cell, int firstSection)
{
    const int children = state->headerModel->columnCount(cell);
    if (children == 0)
        return 1;
    int leaves = 0;
    for (int c = 0; c < children; ++c)
        leaves += fitGroup(state->headerModel->index(0, c, cell), firstSection + leaves);
    const int last = qMin(firstSection + leaves, count()) - 1;
    if (last < firstSection)
        return leaves;
    const QStyleOptionHeader option = sectionStyleOption(firstSection);
    const QSize size = HeaderState::cellSize(cell, this, option);
    int need = orientation() == Qt::Horizontal ? size.width() : size.height();
    if (orientation() == Qt::Horizontal && !cell.data(Qt::UserRole).isValid()) {
        // The label is drawn inside a margin at both ends; the cell's measure
        // keeps room for one.
        QFont font = this->font();
        const QVariant fontValue = cell.data(Qt::FontRole);
        if (fontValue.isValid() && fontValue.canConvert<QFont>())
            font = qvariant_cast<QFont>(fontValue);
        font.setWeight(QFont::Bold);
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, &option, this);
        need = qMax(need,
                    QFontMetrics(font).size(0, cell.data(Qt::DisplayRole).toString()).width() + 2 * margin);
    }
    int have = 0;
    for (int s = firstSection; s <= last; ++s)
        have += sectionSize(s);
    const int spanned = last - firstSection + 1;
    const int missing = need - have;
    for (int s = firstSection; missing > 0 && s <= last; ++s) {
        const int i = s - firstSection;
        resizeSection(s, sectionSize(s) + missing / spanned + (i < missing % spanned ? 1 : 0));
    }
    return leaves;
}

QStyleOptionHeader HierarchicalHeaderView::sectionStyleOption(int logicalIndex) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    if (window()->isActiveWindow())
        option.state |= QStyle::State_Active;
    option.textAlignment = Qt::AlignCenter;
    option.iconAlignment = Qt::AlignVCenter;
    option.section = logicalIndex;

    const int visual = visualIndex(logicalIndex);
    const int sections = count();
    if (sections == 1)
        option.position = QStyleOptionHeader::OnlyOneSection;
    else if (visual == 0)
        option.position = QStyleOptionHeader::Beginning;
    else if (visual + 1 == sections)
        option.position = QStyleOptionHeader::End;
    else
        option.position = QStyleOptionHeader::Middle;

    QItemSelectionModel* selection = selectionModel();
    if (!selection)
        return option;
    const bool horizontal = orientation() == Qt::Horizontal;
    const auto isSelected = [&](int logical) {
        if (logical < 0)
            return false;
        return horizontal ? selection->isColumnSelected(logical, rootIndex())
                          : selection->isRowSelected(logical, rootIndex());
    };
    if (sectionsClickable() && highlightSections()) {
        const bool touched = horizontal ? selection->columnIntersectsSelection(logicalIndex, rootIndex())
                                        : selection->rowIntersectsSelection(logicalIndex, rootIndex());
        if (touched)
            option.state |= QStyle::State_On;
        if (isSelected(logicalIndex))
            option.state |= QStyle::State_Sunken;
    }
    const bool previous = visual > 0 && isSelected(this->logicalIndex(visual - 1));
    const bool next = visual + 1 < sections && isSelected(this->logicalIndex(visual + 1));
    if (previous && next)
        option.selectedPosition = QStyleOptionHeader::NextAndPreviousAreSelected;
    else if (next)
        option.selectedPosition = QStyleOptionHeader::NextIsSelected;
    else if (previous)
        option.selectedPosition = QStyleOptionHeader::PreviousIsSelected;
    else
        option.selectedPosition = QStyleOptionHeader::NotAdjacent;
    return option;
}

void HierarchicalHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QModelIndex leaf =
        rect.isValid() && state->headerModel ? state->sectionLeaf(logicalIndex) : QModelIndex();
    if (!leaf.isValid()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    const QStyleOptionHeader option = sectionStyleOption(logicalIndex);
    const QPointF brushOrigin = painter->brushOrigin();

    QModelIndexList chain; // from the top-level cell down to the leaf
    for (QModelIndex cell = leaf; cell.isValid(); cell = cell.parent())
        chain.prepend(cell);

    const bool horizontal = orientation() == Qt::Horizontal;
    int pos = horizontal ? rect.top() : rect.left();
    for (int i = 0; i < chain.size(); ++i) {
        QStyleOptionHeader cellOption = option;
        // Only the section's own cell shows it selected, not the cells spanning it.
        if (i + 1 < chain.size() && (cellOption.state & (QStyle::State_Sunken | QStyle::State_On)))
            cellOption.state &= ~(QStyle::State_Sunken | QStyle::State_On);
        pos = horizontal ? state->drawHorizontalHeaderCell(painter, this, chain[i], leaf, logicalIndex,
                                                           cellOption, rect, pos)
                         : state->drawVerticalHeaderCell(painter, this, chain[i], leaf, logicalIndex,
                                                         cellOption, rect, pos);
    }
    painter->setBrushOrigin(brushOrigin);
}

QSize HierarchicalHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    const QModelIndex leaf = state->headerModel ? state->sectionLeaf(logicalIndex) : QModelIndex();
    if (!leaf.isValid())
        return QHeaderView::sectionSizeFromContents(logicalIndex);
    const QStyleOptionHeader option = sectionStyleOption(logicalIndex);
    QSize size = HeaderState::cellSize(leaf, this, option);
    for (QModelIndex cell = leaf.parent(); cell.isValid(); cell = cell.parent()) {
        const QSize above = HeaderState::cellSize(cell, this, option);
        if (orientation() == Qt::Horizontal)
            size.rheight() += above.height();
        else
            size.rwidth() += above.width();
    }
    return size;
}

void HierarchicalHeaderView::on_sectionResized(int logicalIndex)
{
    // Sized in bulk with updates off: all of the header is drawn once they are on.
    if (isSectionHidden(logicalIndex) || !state->headerModel || !updatesEnabled())
        return;
    const QModelIndex leaf = state->sectionLeaf(logicalIndex);
    if (!leaf.isValid())
        return;
    QModelIndex root = leaf;
    while (root.parent().isValid())
        root = root.parent();
    const int before = state->leaves(root).indexOf(leaf); // -1 for a top-level leaf
    const int w = viewport()->width();
    const int h = viewport()->height();
    for (int section = logicalIndex - 1; section >= logicalIndex - before; --section) {
        const int pos = sectionViewportPosition(section);
        QRect r;
        if (orientation() == Qt::Horizontal)
            r = isRightToLeft() ? QRect(0, 0, pos + sectionSize(section), h) : QRect(pos, 0, w - pos, h);
        else
            r = QRect(0, pos, w, h - pos);
        viewport()->update(r.normalized());
    }
}
