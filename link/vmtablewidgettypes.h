#pragma once

#include "vmactiontarget.h"

#include <QList>
#include <QMetaType>
#include <QString>

// The records that the VM table widget shares with the service link. The link
// must not depend on Qt Widgets, so they live here as nested types; the widget
// derives from this struct, which makes VmTableWidget::ManagementConfig and
// VmTableWidget::ActionParameters name these very types. The link's signals
// are declared with the VmTableWidgetTypes:: spelling (connect them by
// function pointer); registerLinkMetaTypes() adds the VmTableWidget:: names
// as aliases for queued connections.
struct VmTableWidgetTypes
{
    struct ManagementConfig
    {
        bool is_managed_from_internal_vm = false;
        int host_type = -1;
        int host_id = -1;
        int vm_id = -1;
        bool shutdown_ups_with_master_vm = false;
        bool valid = false; // set once a configuration has been received or stored
    };

    struct ActionParameters
    {
        int action_id = -1; // -1 for an action the service has not stored yet
        QString name;
        QList<VmActionTarget> selected_items;
        int action_type = 1; // 0 power on, 1 power off, 2 suspend, 3 reset
        bool apply_to_all_running_vm = false;
        bool power_off_selected_hosts_after_vm_shutdown = false;
    };
};

Q_DECLARE_METATYPE(VmTableWidgetTypes::ManagementConfig)
Q_DECLARE_METATYPE(VmTableWidgetTypes::ActionParameters)
