#include "vmhoststore.h"

#include <QSet>
#include <algorithm>

VmHostStore::ManagementConfig VmHostStore::normalised(ManagementConfig config)
{
    if (!config.is_managed_from_internal_vm) {
        config.host_type = -1;
        config.host_id = -1;
        config.vm_id = -1;
        config.shutdown_ups_with_master_vm = false;
    }
    config.valid = true;
    return config;
}

// ---- merges -------------------------------------------------------------------------------

bool VmHostStore::mergesFrozen() const
{
    return context == ActionTargets || context == ManagerPick;
}

namespace {
// The merge of a reply that lists ids: the entries it concerns (`ours`) whose id
// is listed stay in their places, the others go, and each listed id not there
// yet gets a new entry at the end (one for an id listed twice). False when the
// reply changed nothing, as the same list of every poll does.
template <typename Entry, typename Ours, typename IdOf, typename Make>
bool mergeListed(QList<Entry>& entries, const QList<int>& ids, Ours ours, IdOf idOf, Make make)
{
    // Sets, not list searches: the service may list a hundred thousand hosts.
    const QSet<int> listed(ids.cbegin(), ids.cend());
    QSet<int> present;
    bool removed = false;
    for (const Entry& entry : qAsConst(entries)) {
        if (!ours(entry))
            continue;
        if (listed.contains(idOf(entry)))
            present.insert(idOf(entry));
        else
            removed = true;
    }
    if (!removed && present.size() == listed.size())
        return false;

    QList<Entry> kept;
    kept.reserve(entries.size() + ids.size());
    for (const Entry& entry : qAsConst(entries)) {
        if (!ours(entry) || listed.contains(idOf(entry)))
            kept << entry;
    }
    for (int id : ids) {
        if (present.contains(id))
            continue;
        kept << make(id);
        present.insert(id);
    }
    entries = kept;
    return true;
}
} // namespace

void VmHostStore::setHostList(int host_type, const QList<int>& host_ids)
{
    if (mergesFrozen())
        return;
    const bool changed = mergeListed(
        hosts, host_ids, [host_type](const HostEntry& host) { return host.host_type == host_type; },
        [](const HostEntry& host) { return host.host_id; },
        [host_type](int id) {
            HostEntry host;
            host.host_type = host_type;
            host.host_id = id;
            return host;
        });
    if (changed)
        rowsChanged();
}

bool VmHostStore::setHostVms(int host_type, int host_id, const QList<int>& vm_ids)
{
    if (mergesFrozen())
        return true;
    HostEntry* found = host(host_type, host_id);
    if (!found)
        return false;
    const bool changed = mergeListed(
        found->vms, vm_ids, [](const VmEntry&) { return true; }, [](const VmEntry& vm) { return vm.vm_id; },
        [](int id) {
            VmEntry vm;
            vm.vm_id = id;
            return vm;
        });
    if (changed)
        rowsChanged();
    return true;
}

bool VmHostStore::updateHost(int host_type, int host_id, const QString& name, int status,
                             const QString& details)
{
    if (mergesFrozen())
        return true;
    HostEntry* found = host(host_type, host_id);
    if (!found)
        return false;
    assign(found->name, name);
    assign(found->status, status);
    assign(found->details, details);
    return true;
}

bool VmHostStore::setVmName(int host_type, int host_id, int vm_id, const QString& name)
{
    if (mergesFrozen())
        return true;
    VmEntry* found = vm(host_type, host_id, vm_id);
    if (!found)
        return false;
    assign(found->name, name);
    return true;
}

bool VmHostStore::setVmState(int host_type, int host_id, int vm_id, int state, int pending)
{
    if (mergesFrozen())
        return true;
    VmEntry* found = vm(host_type, host_id, vm_id);
    if (!found)
        return false;
    assign(found->state, state);
    assign(found->pending, pending);
    return true;
}

void VmHostStore::setManagementConfig(const ManagementConfig& config)
{
    committed = normalised(config);
    ++changes; // the manager VM's row looks different
}

bool VmHostStore::isManagerVm(int host_type, int host_id, int vm_id) const
{
    return host_type == committed.host_type && host_id == committed.host_id && vm_id == committed.vm_id;
}

// ---- look-ups -----------------------------------------------------------------------------

void VmHostStore::rowsChanged()
{
    indexDirty = true;
    ++changes;
}

void VmHostStore::rebuildIndex() const
{
    hostIndex.clear();
    hostIndex.reserve(hosts.size());
    vmIndex.clear();
    vmIndex.resize(hosts.size());
    for (int h = 0; h < hosts.size(); ++h) {
        const HostEntry& host = hosts.at(h);
        // The first entry of an id is the one found, as a search would find it.
        const QPair<int, int> key(host.host_type, host.host_id);
        if (!hostIndex.contains(key))
            hostIndex.insert(key, h);
        QHash<int, int>& vms = vmIndex[h];
        vms.reserve(host.vms.size());
        for (int v = 0; v < host.vms.size(); ++v) {
            if (!vms.contains(host.vms.at(v).vm_id))
                vms.insert(host.vms.at(v).vm_id, v);
        }
    }
    indexDirty = false;
}

int VmHostStore::hostPosition(int host_type, int host_id) const
{
    if (indexDirty)
        rebuildIndex();
    return hostIndex.value(QPair<int, int>(host_type, host_id), -1);
}

int VmHostStore::vmPosition(int hostPos, int vm_id) const
{
    return hostPos < 0 ? -1 : vmIndex.at(hostPos).value(vm_id, -1);
}

VmHostStore::HostEntry* VmHostStore::host(int host_type, int host_id)
{
    const int h = hostPosition(host_type, host_id);
    return h < 0 ? nullptr : &hosts[h];
}

const VmHostStore::HostEntry* VmHostStore::findHost(int host_type, int host_id) const
{
    const int h = hostPosition(host_type, host_id);
    return h < 0 ? nullptr : &hosts.at(h);
}

VmHostStore::VmEntry* VmHostStore::vm(int host_type, int host_id, int vm_id)
{
    const int h = hostPosition(host_type, host_id);
    const int v = vmPosition(h, vm_id);
    return v < 0 ? nullptr : &hosts[h].vms[v];
}

const VmHostStore::VmEntry* VmHostStore::findVm(int host_type, int host_id, int vm_id) const
{
    const int h = hostPosition(host_type, host_id);
    const int v = vmPosition(h, vm_id);
    return v < 0 ? nullptr : &hosts.at(h).vms.at(v);
}

// ---- marks --------------------------------------------------------------------------------

void VmHostStore::setCheckContext(CheckContext newContext, bool newReadOnly)
{
    context = newContext;
    readOnly = newReadOnly;
    ++changes; // every row's box follows the context
    if (context == NoMarks)
        removePlaceholders();
    setAllMarks(false);
}

void VmHostStore::setItemMark(bool checked, int host_type, int host_id, int vm_id)
{
    if (vm_id >= 0) {
        if (VmEntry* found = vm(host_type, host_id, vm_id))
            assign(found->checked, checked);
    } else if (HostEntry* found = host(host_type, host_id)) {
        assign(found->checked, checked);
    }
}

void VmHostStore::pickManager(bool checked, int host_type, int host_id, int vm_id)
{
    for (HostEntry& host : hosts) {
        assign(host.checked, false);
        for (VmEntry& vm : host.vms) {
            const bool picked = host.host_type == host_type && host.host_id == host_id && vm.vm_id == vm_id;
            assign(vm.checked, picked && checked);
        }
    }
}

void VmHostStore::setAllMarks(bool checked)
{
    for (HostEntry& host : hosts) {
        if (!checked)
            assign(host.checked, false);
        else if (context == ActionTargets && !isMonitoringOff(host.status))
            assign(host.checked, true);
        for (VmEntry& vm : host.vms) {
            if (!checked)
                assign(vm.checked, false);
            else if (committed.valid && isManagerVm(host.host_type, host.host_id, vm.vm_id))
                continue;
            else if (context == ActionTargets)
                assign(vm.checked, true);
        }
    }
}

void VmHostStore::markItems(const QList<VmActionTarget>& targets)
{
    if (!mergesFrozen())
        return;
    for (const VmActionTarget& target : targets) {
        for (int vmId : target.vm_ids) {
            HostEntry* found = host(target.host_type, target.host_id);
            if (!found) {
                HostEntry placeholder;
                placeholder.host_type = target.host_type;
                placeholder.host_id = target.host_id;
                placeholder.status = HostPlaceholder;
                hosts << placeholder;
                rowsChanged();
                found = &hosts.last();
            }
            if (vmId < 0) {
                assign(found->checked, true);
                continue;
            }
            VmEntry* marked = vm(target.host_type, target.host_id, vmId);
            if (!marked) {
                VmEntry placeholder;
                placeholder.vm_id = vmId;
                placeholder.state = VmPlaceholder;
                found->vms << placeholder;
                rowsChanged();
                marked = &found->vms.last();
            }
            assign(marked->checked, true);
        }
    }
}

void VmHostStore::removePlaceholders()
{
    const auto isPlaceholder = [](const VmEntry& vm) { return vm.state == VmPlaceholder; };
    bool any = false;
    for (const HostEntry& host : qAsConst(hosts))
        any = any || host.status == HostPlaceholder ||
              std::any_of(host.vms.cbegin(), host.vms.cend(), isPlaceholder);
    if (!any)
        return;
    QList<HostEntry> kept;
    kept.reserve(hosts.size());
    for (const HostEntry& host : qAsConst(hosts)) {
        if (host.status == HostPlaceholder)
            continue;
        kept << host;
        QList<VmEntry>& vms = kept.last().vms;
        if (std::any_of(vms.cbegin(), vms.cend(), isPlaceholder))
            vms.erase(std::remove_if(vms.begin(), vms.end(), isPlaceholder), vms.end());
    }
    hosts = kept;
    rowsChanged();
}

QList<VmActionTarget> VmHostStore::checkedItems() const
{
    QList<VmActionTarget> targets;
    for (const HostEntry& host : hosts) {
        VmActionTarget target;
        target.host_type = host.host_type;
        target.host_id = host.host_id;
        if (host.checked)
            target.vm_ids << -1;
        for (const VmEntry& vm : host.vms) {
            if (vm.checked)
                target.vm_ids << vm.vm_id;
        }
        if (!target.vm_ids.isEmpty())
            targets << target;
    }
    return targets;
}

bool VmHostStore::hasCheckedHost() const
{
    return std::any_of(hosts.cbegin(), hosts.cend(), [](const HostEntry& host) { return host.checked; });
}

bool VmHostStore::hasCheckedVm() const
{
    for (const HostEntry& host : hosts) {
        if (std::any_of(host.vms.cbegin(), host.vms.cend(), [](const VmEntry& vm) { return vm.checked; }))
            return true;
    }
    return false;
}

void VmHostStore::clearHosts()
{
    hosts.clear();
    rowsChanged();
}

void VmHostStore::clearAll()
{
    hosts.clear();
    committed = ManagementConfig();
    rowsChanged();
}
