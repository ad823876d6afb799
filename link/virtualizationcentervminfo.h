#pragma once

#include <QMetaType>
#include <QString>

// One virtual machine of a host.
struct VirtualizationCenterVmInfo
{
    int vm_id = -1;
    QString vm_name;
    int vm_state = 0;      // 0 unknown, 1 powered on, 2 suspended, 3 powered off
    int vm_pending_st = 0; // 0 none, 1 power on, 2 suspend, 3 power off, 4 reset
};

Q_DECLARE_METATYPE(VirtualizationCenterVmInfo)
