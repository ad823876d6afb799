#pragma once

#include <QStyledItemDelegate>

// Indents a cell's content by the number of pixels the item holds in the
// indent role, so that VM rows are drawn under their host. Selection and the
// focus frame still cover the whole cell.
class PaddedItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int IndentRole = Qt::UserRole + 4;

    explicit PaddedItemDelegate(QObject* parent);
    ~PaddedItemDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
