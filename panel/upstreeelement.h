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
};
