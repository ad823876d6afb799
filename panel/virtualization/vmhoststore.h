#pragma once

#include "link/vmactiontarget.h"
#include "link/vmtablewidgettypes.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QVector>

// The hosts and VMs of the virtualization centre's table, with the marks of
// their rows: the service's replies merge into it, the table shows it. While
// marks are edited (ActionTargets or ManagerPick) the merges are ignored, so
// the rows stand still under the reader's clicks.
class VmHostStore : public VmTableWidgetTypes
{
public:
    enum CheckContext
    {
        NoMarks = 0,       // no usable check box
        ActionTargets = 1, // the hosts and VMs of an action
        ManagerPick = 2,   // the one manager VM
    };

    // Host status codes: 1 to 5 as the service reports them, 0 none reported,
    // 6 update under way, 7 a placeholder for a host the service no longer lists.
    enum HostStatus
    {
        HostPlaceholder = 7
    };
    // VM states: 0 to 3 as the service reports them, 4 a placeholder.
    enum VmState
    {
        VmPlaceholder = 4
    };

    struct VmEntry
    {
        int vm_id = -1;
        QString name;
        int state = 0;
        int pending = 0; // the service's pending operation, 0 none
        bool checked = false;
    };

    struct HostEntry
    {
        int host_type = -1;
        int host_id = -1;
        QString name;
        int status = 0;
        QString details;
        bool checked = false;
        QList<VmEntry> vms;
    };

    static bool isMonitoringOff(int status) { return status == 1 || status == 2; }
    // What is stored as the committed configuration: a physical computer names no VM.
    static ManagementConfig normalised(ManagementConfig config);

    // Merges of the service's replies; each is ignored (reports success) while
    // the check context is ActionTargets or ManagerPick.
    void setHostList(int host_type, const QList<int>& host_ids);
    bool setHostVms(int host_type, int host_id, const QList<int>& vm_ids);
    bool updateHost(int host_type, int host_id, const QString& name, int status, const QString& details);
    bool setVmName(int host_type, int host_id, int vm_id, const QString& name);
    bool setVmState(int host_type, int host_id, int vm_id, int state, int pending);
    bool mergesFrozen() const;

    void setManagementConfig(const ManagementConfig& config);
    const ManagementConfig& managementConfig() const { return committed; }
    bool isManagerVm(int host_type, int host_id, int vm_id) const;

    // Null when there is no such entry. The pointers stay valid until the host
    // list changes.
    const HostEntry* findHost(int host_type, int host_id) const;
    const VmEntry* findVm(int host_type, int host_id, int vm_id) const;

    // Marks. A vm_id below 0 means the host row.
    void setCheckContext(CheckContext context, bool readOnly);
    CheckContext checkContext() const { return context; }
    bool isReadOnly() const { return readOnly; }
    void setItemMark(bool checked, int host_type, int host_id, int vm_id);
    // The manager pick: the one VM marked (or none), every other mark cleared.
    void pickManager(bool checked, int host_type, int host_id, int vm_id);
    void setAllMarks(bool checked);
    void markItems(const QList<VmActionTarget>& targets);
    void removePlaceholders();
    QList<VmActionTarget> checkedItems() const;
    bool hasCheckedHost() const;
    bool hasCheckedVm() const;

    const QList<HostEntry>& hostList() const { return hosts; }
    void clearHosts();
    void clearAll();

    // Grows with every change of what the rows show, so a reply that changed
    // nothing is told from one that did without looking at the rows.
    quint64 revision() const { return changes; }

private:
    HostEntry* host(int host_type, int host_id);
    VmEntry* vm(int host_type, int host_id, int vm_id);
    // Positions by id, rebuilt on the first look-up after the rows changed.
    void rebuildIndex() const;
    int hostPosition(int host_type, int host_id) const;
    int vmPosition(int hostPos, int vm_id) const;
    void rowsChanged();
    template <typename T> void assign(T& field, const T& value)
    {
        if (field != value) {
            field = value;
            ++changes;
        }
    }

    CheckContext context = NoMarks;
    bool readOnly = false;
    QList<HostEntry> hosts;
    ManagementConfig committed;
    quint64 changes = 0;
    mutable bool indexDirty = true;
    mutable QHash<QPair<int, int>, int> hostIndex; // (type, id) to position in hosts
    mutable QVector<QHash<int, int>> vmIndex;      // per host position: VM id to position in its vms
};
