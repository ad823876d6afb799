#pragma once

#include "ups.h"

#include <QString>
#include <QTreeWidgetItem>

// One row of the device tree: the device's record and its catalogue label.
class UpsTreeElement : public QTreeWidgetItem
{
public:
    UpsTreeElement() : QTreeWidgetItem(0) {}
    ~UpsTreeElement() override = default;

    Luminorix::Utils::Ups ups;
    QString modelLabel;
    // The catalogue lists the record's model. An element of another model still
    // names its device, but the panel can show or configure nothing of it.
    bool knownModel = false;
};
