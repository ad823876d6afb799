#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// A group of networked computers within a UPS's configuration.
struct Group
{
    QString group_name;
    QVector<int> computers; // computer_configId of each member, in order
    int group_configId = -1;
};

Q_DECLARE_METATYPE(Group)
