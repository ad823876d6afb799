#pragma once
// "type:host[vm,vm]" of each action target, for comparing lists of them.
#include "link/vmactiontarget.h"

#include <QList>
#include <QString>
#include <QStringList>

inline QString describe(const QList<VmActionTarget>& targets)
{
    QStringList out;
    for (const VmActionTarget& t : targets) {
        QStringList ids;
        for (int id : t.vm_ids)
            ids << QString::number(id);
        out << QStringLiteral("%1:%2[%3]").arg(t.host_type).arg(t.host_id).arg(ids.join(','));
    }
    return out.join(' ');
}
