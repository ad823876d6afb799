#pragma once

#include <QList>
#include <QString>

// A group as the current layout stores it (section group.0.N).
struct NetworkGroup
{
    QString name;
    QList<int> computerNumbers;
    int number = 0;
};
