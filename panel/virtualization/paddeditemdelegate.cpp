#include "paddeditemdelegate.h"

#include <QPainter>
#include <QStyle>
#include <QWidget>

namespace {
// Pixels to indent, 0 when the cell holds no number there.
int indentOf(const QModelIndex& index)
{
    if (!index.model())
        return 0;
    bool ok = false;
    const int indent = index.model()->data(index, PaddedItemDelegate::IndentRole).toInt(&ok);
    return ok && indent > 0 ? indent : 0;
}
} // namespace

PaddedItemDelegate::PaddedItemDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

PaddedItemDelegate::~PaddedItemDelegate() = default;

void PaddedItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyleOptionViewItem moved(option);
    const int indent = indentOf(index);
    if (indent > 0)
        moved.rect.setLeft(moved.rect.left() + indent);

    if (option.state & QStyle::State_Selected) {
        const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                                   : QPalette::Inactive;
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    }

    QStyledItemDelegate::paint(painter, moved, index);

    if ((option.state & QStyle::State_HasFocus) && option.widget) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = option.rect;
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
}

QSize PaddedItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rwidth() += indentOf(index);
    return size;
}
