#pragma once

#include <QList>
#include <QMetaType>

// One host that a virtualization-centre action works on.
struct VmActionTarget
{
    int host_type = -1;
    int host_id = -1;
    QList<int> vm_ids; // -1 stands for the host itself
};

Q_DECLARE_METATYPE(VmActionTarget)
