#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One entry of the service's hypervisor host list.
struct VirtualizationCenterHost
{
    int type = -1; // 1: ESXi host reached over SSH
    int id = -1;
    QString name;
    bool is_disabled = false;
    bool is_disabled_logfail = false;
};

Q_DECLARE_METATYPE(VirtualizationCenterHost)
