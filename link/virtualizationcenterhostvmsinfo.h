#pragma once

#include "virtualizationcentervminfo.h"

#include <QList>
#include <QMetaType>
#include <QString>

// The state of one host and its virtual machines.
struct VirtualizationCenterHostVmsInfo
{
    int host_type = -1;
    int host_id = -1;
    // 0 not reported, 1 disabled, 2 disabled after login failures,
    // 3 offline, 4 online, 5 communication error
    int status = 0;
    QString name;
    QString version;
    QString error_info;
    QList<VirtualizationCenterVmInfo> vms;
};

Q_DECLARE_METATYPE(VirtualizationCenterHostVmsInfo)
