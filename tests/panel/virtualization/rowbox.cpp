#include "rowbox.h"

#include "panel/virtualization/vmtablewidget.h"

#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTest>

QPoint checkBoxCentre(QTableWidget* table, int row)
{
    QStyleOptionViewItem option;
    option.initFrom(table->viewport());
    option.rect = table->visualRect(table->model()->index(row, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    return table->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table).center();
}

bool clickMark(QTableWidget* table, int hostId, int vmId)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* item = table->item(row, 0);
        if (item->data(VmTableWidget::HostIdRole).toInt() != hostId ||
            item->data(VmTableWidget::VmIdRole).toInt() != vmId)
            continue;
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, checkBoxCentre(table, row));
        return true;
    }
    return false;
}
