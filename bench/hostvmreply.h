#pragma once
// One host-VM reply merged as the virtual machines tab merges it, shared by the
// table's poll benchmarks and the one host of hostile size in bench_hostile.
#include "panel/virtualization/vmtablewidget.h"

#include <QList>
#include <QString>

namespace Bench {

// The ids, the host, then each machine's name and state; `tick` moves the states.
inline void mergeHostVmReply(VmTableWidget* table, int hostId, int vms, int tick)
{
    QList<int> ids;
    for (int vm = 0; vm < vms; ++vm)
        ids << vm;
    table->setHostVms(1, hostId, ids);
    table->updateHost(1, hostId, QStringLiteral("esxi-%1.example.lan").arg(hostId), 4,
                      QStringLiteral("Online (VMware ESXi 7.0.3)"));
    for (int vm = 0; vm < vms; ++vm) {
        table->setVmName(1, hostId, vm, QStringLiteral("vm-%1-%2 application server").arg(hostId).arg(vm));
        table->setVmState(1, hostId, vm, 1 + (vm + tick) % 3, (vm + tick) % 7 == 0 ? 3 : 0);
    }
}

} // namespace Bench
