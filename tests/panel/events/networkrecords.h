#pragma once
// Computers and groups as a test of the network dialog gives them, in one line each.
#include "common/computer.h"
#include "common/group.h"

#include <QString>
#include <QVector>

inline Computer computer(int id, const QString& name, const QString& address = QStringLiteral("10.0.0.9"))
{
    Computer c;
    c.computer_configId = id;
    c.computer_name = name;
    c.computer_address = address;
    return c;
}

inline Group group(int id, const QString& name, const QVector<int>& members)
{
    Group g;
    g.group_configId = id;
    g.group_name = name;
    g.computers = members;
    return g;
}
