#pragma once

#include "common/ups.h"

#include <QString>
#include <QTreeWidgetItem>

// One row of the device tree: the device's record and its catalogue label.
class UpsTreeElement : public QTreeWidgetItem
{
public:
    UpsTreeElement() : QTreeWidgetItem(0) {}
    ~UpsTreeElement() override = default;

    // The tree is as narrow as the window's form has it: a name longer than that is
    // read whole in the row's tooltip.
    QVariant data(int column, int role) const override
    {
        if (role == Qt::ToolTipRole && QTreeWidgetItem::data(column, role).toString().isEmpty())
            return QTreeWidgetItem::data(column, Qt::DisplayRole);
        return QTreeWidgetItem::data(column, role);
    }

    Luminorix::Utils::Ups ups;
    QString modelLabel;
    // The catalogue lists the record's model. An element of another model still
    // names its device, but the panel can show or configure nothing of it.
    bool knownModel = false;
};
