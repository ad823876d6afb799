#pragma once

#include "oldcomputer.h"

#include <QList>
#include <QString>

// One group of networked computers of the old layout (section group.N), or the
// holder of the computers no group lists (empty name, number 0).
struct OldGroup
{
    QString name;
    QList<OldComputer> computers;
    int number = 0;
};
