#include "virtcentwindowtabvirtualization.h"

#include "common/named.h"
#include "link/linkmetatypes.h"
#include "link/upssocketcontroller.h"
#include "panel/base/answerwait.h"

#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

int VirtCentWindowTabVirtualization::next_host_index = 0;

namespace {
// The one host type the table shows: an ESXi host reached over SSH.
const int esxiSshType = 1;
} // namespace

VirtCentWindowTabVirtualization::VirtCentWindowTabVirtualization(Luminorix::UpsSocketController* controller,
                                                                 QWidget* parent)
    : QWidget(parent), controller(controller), session(controller)
{
    registerLinkMetaTypes();
    layout = named(new QVBoxLayout, "layout");
    vm_table = named(new VmTableWidget(tr("Nazwa Hosta/Maszyny"), tr("Stan"), tr("Szczegóły")), "vm_table");
    update_timer = named(new QTimer(this), "update_timer");
    run_wait = new AnswerWait(this, runAnswerMs, "run_wait");
    setLayout(layout);
    layout->addWidget(vm_table);

    connect(vm_table, &VmTableWidget::signal_updateManagementOptions, this,
            &VirtCentWindowTabVirtualization::slot_updateManagementOptions);
    connect(vm_table, &VmTableWidget::signal_addNewAction, this,
            &VirtCentWindowTabVirtualization::slot_addNewAction);
    connect(vm_table, &VmTableWidget::signal_replaceAction, this,
            &VirtCentWindowTabVirtualization::slot_replaceAction);
    connect(vm_table, &VmTableWidget::signal_deleteAction, this,
            &VirtCentWindowTabVirtualization::slot_deleteAction);
    connect(vm_table, &VmTableWidget::signal_runAction, this,
            &VirtCentWindowTabVirtualization::slot_runAction);
    connect(update_timer, &QTimer::timeout, this, &VirtCentWindowTabVirtualization::slot_timer_update);
    connect(run_wait, &AnswerWait::expired, this, &VirtCentWindowTabVirtualization::runUnanswered);

    vm_table->refreshTable();
}

void VirtCentWindowTabVirtualization::start()
{
    controller->getVirtualizationCenterEnabled();
    controller->getVirtualizationCenterHostManagement();
    controller->getVirtualizationCenterHostList();
    controller->getVirtualizationCenterActionList();
    update_timer->start(pollIntervalMs);
}

void VirtCentWindowTabVirtualization::endSession()
{
    update_timer->stop();
    run_wait->stop();
    setEnabled(false);
}

bool VirtCentWindowTabVirtualization::hostDataFresh() const
{
    // Before the first host list there is no fresh data at all.
    return host_list_age.isValid() && !host_list_age.hasExpired(hostListFreshMs);
}

void VirtCentWindowTabVirtualization::slot_timer_update()
{
    controller->getVirtualizationCenterEnabled();
    controller->getVirtualizationCenterHostList();
    if (!polled_hosts.isEmpty()) {
        if (next_host_index >= polled_hosts.size() || next_host_index < 0)
            next_host_index = 0;
        const VirtualizationCenterHost& host = polled_hosts.at(next_host_index);
        controller->getVirtualizationCenterHostVmsInfo(host.type, host.id);
        ++next_host_index;
    }
    vm_table->setEnabled(hostDataFresh() && !polled_hosts.isEmpty() && vc_enabled);
}

void VirtCentWindowTabVirtualization::slot_virtualizationCenterHostListReceived(
    QList<VirtualizationCenterHost> hosts)
{
    host_list_age.start();
    polled_hosts = hosts;
    QList<int> ids;
    for (const VirtualizationCenterHost& host : polled_hosts) {
        if (host.type == esxiSshType)
            ids.append(host.id);
    }
    vm_table->setHostList(esxiSshType, ids);
    vm_table->refreshTable();
}

QString VirtCentWindowTabVirtualization::detailsText(const VirtualizationCenterHostVmsInfo& info)
{
    switch (info.status) {
    case 1:
        return tr("Monitorowanie hosta wyłączone");
    case 2:
        return tr("Monitorowanie hosta zablokowane błędami autoryzacji");
    case 3:
        return tr("Host wyłączony lub nieosiągalny");
    case 4:
        return tr("Online (%1)").arg(info.version);
    case 5:
        return tr("Błąd komunikacji z hostem (%1)").arg(info.error_info);
    default:
        return QString();
    }
}

void VirtCentWindowTabVirtualization::slot_virtualizationCenterHostVmsInfoReceived(
    VirtualizationCenterHostVmsInfo host_vms_info)
{
    const int type = host_vms_info.host_type;
    const int id = host_vms_info.host_id;
    QList<int> vmIds;
    for (const VirtualizationCenterVmInfo& vm : host_vms_info.vms)
        vmIds.append(vm.vm_id);
    vm_table->setHostVms(type, id, vmIds);
    vm_table->updateHost(type, id, host_vms_info.name, host_vms_info.status, detailsText(host_vms_info));
    for (const VirtualizationCenterVmInfo& vm : host_vms_info.vms) {
        vm_table->setVmName(type, id, vm.vm_id, vm.vm_name);
        vm_table->setVmState(type, id, vm.vm_id, vm.vm_state, vm.vm_pending_st);
    }
    vm_table->refreshTable();
}

void VirtCentWindowTabVirtualization::slot_virtualizationCenterEnabledReceived(bool is_enabled)
{
    vc_enabled = is_enabled;
}

void VirtCentWindowTabVirtualization::slot_virtualizationCenterHostManagementReceived(
    VmTableWidget::ManagementConfig management_config)
{
    vm_table->setManagementConfig(management_config);
    if (management_reread.take(management_config))
        vm_table->showCommittedManagement();
}

void VirtCentWindowTabVirtualization::slot_virtualizationCenterActionListReceived(
    QList<VmTableWidget::ActionParameters> action_list)
{
    vm_table->setActionList(action_list);
}

void VirtCentWindowTabVirtualization::slot_updateManagementOptions(
    VmTableWidget::ManagementConfig management_config)
{
    if (!session.send([&] { controller->setVirtualizationCenterHostManagement(management_config); }))
        return;
    wait_management_result = true;
}

void VirtCentWindowTabVirtualization::slot_addNewAction(VmTableWidget::ActionParameters action)
{
    if (!session.send([&] { controller->addVirtualizationCenterAction(action); }))
        return;
    wait_add_action = true;
}

void VirtCentWindowTabVirtualization::slot_replaceAction(int action_id,
                                                         VmTableWidget::ActionParameters action)
{
    if (!session.send([&] { controller->editVirtualizationCenterAction(action_id, action); }))
        return;
    wait_edit_action = true;
}

void VirtCentWindowTabVirtualization::slot_deleteAction(int action_id)
{
    if (!session.send([&] { controller->deleteVirtualizationCenterAction(action_id); }))
        return;
    wait_delete_action = true;
}

void VirtCentWindowTabVirtualization::slot_runAction(int action_id)
{
    if (!session.send([&] { controller->runVirtualizationCenterAction({action_id}); }))
        return;
    wait_run_action = true;
    run_wait->start();
}

void VirtCentWindowTabVirtualization::runUnanswered()
{
    wait_run_action = false;
    vm_table->setRunPending(false);
    QMessageBox::warning(this, tr("Centrum wirtualizacji"), tr("Usługa nie odpowiedziała na czas."),
                         QMessageBox::Ok);
}

bool VirtCentWindowTabVirtualization::reportError(bool has_error, const QString& text,
                                                  const QString& error_str)
{
    if (has_error)
        QMessageBox::warning(this, tr("Centrum wirtualizacji"), text.arg(error_str), QMessageBox::Ok);
    return has_error;
}

// After a change, successful or not, the tab reads back what the service now
// holds: after an error the table still shows the change it made locally.
void VirtCentWindowTabVirtualization::slot_virtualizationCenterHostManagementSetResultReceived(
    bool has_error, QString error_str)
{
    if (!wait_management_result)
        return;
    wait_management_result = false;
    reportError(has_error, tr("Błąd podczas zmiany konfiguracji systemu zarządzającego:\n\n%1"), error_str);
    management_reread.awaitAny();
    controller->getVirtualizationCenterHostManagement();
}

void VirtCentWindowTabVirtualization::slot_virtualizationCenterAddActionResultReceived(bool has_error,
                                                                                       QString error_str)
{
    if (!wait_add_action)
        return;
    wait_add_action = false;
    reportError(has_error, tr("Błąd podczas tworzenia nowej akcji:\n\n%1"), error_str);
    controller->getVirtualizationCenterActionList();
}

void VirtCentWindowTabVirtualization::slot_virtualizationCenterEditActionResultReceived(bool has_error,
                                                                                        QString error_str)
{
    if (!wait_edit_action)
        return;
    wait_edit_action = false;
    reportError(has_error, tr("Błąd podczas edycji akcji:\n\n%1"), error_str);
    controller->getVirtualizationCenterActionList();
}

void VirtCentWindowTabVirtualization::slot_virtualizationCenterDeleteActionResultReceived(bool has_error,
                                                                                          QString error_str)
{
    if (!wait_delete_action)
        return;
    wait_delete_action = false;
    reportError(has_error, tr("Błąd podczas usuwania akcji:\n\n%1"), error_str);
    controller->getVirtualizationCenterActionList();
}

void VirtCentWindowTabVirtualization::slot_virtualizationCenterRunActionResultReceived(bool has_error,
                                                                                       QString error_str)
{
    if (!wait_run_action)
        return;
    wait_run_action = false;
    run_wait->stop();
    vm_table->setRunPending(false);
    // A run changes nothing the tab holds, so nothing is read back.
    if (!reportError(has_error, tr("Błąd podczas testowania akcji:\n\n%1"), error_str))
        QMessageBox::information(this, tr("Centrum wirtualizacji"), tr("Akcja została uruchomiona."),
                                 QMessageBox::Ok);
}

void connectToService(VirtCentWindowTabVirtualization* tab, Luminorix::UpsSocketController* controller)
{
    using Controller = Luminorix::UpsSocketController;
    using Tab = VirtCentWindowTabVirtualization;
    QObject::connect(controller, &Controller::virtualizationCenterEnabledReceived, tab,
                     &Tab::slot_virtualizationCenterEnabledReceived);
    QObject::connect(controller, &Controller::virtualizationCenterHostManagementReceived, tab,
                     &Tab::slot_virtualizationCenterHostManagementReceived);
    QObject::connect(controller, &Controller::virtualizationCenterHostManagementSetResultReceived, tab,
                     &Tab::slot_virtualizationCenterHostManagementSetResultReceived);
    QObject::connect(controller, &Controller::virtualizationCenterActionListReceived, tab,
                     &Tab::slot_virtualizationCenterActionListReceived);
    QObject::connect(controller, &Controller::virtualizationCenterAddActionResultReceived, tab,
                     &Tab::slot_virtualizationCenterAddActionResultReceived);
    QObject::connect(controller, &Controller::virtualizationCenterEditActionResultReceived, tab,
                     &Tab::slot_virtualizationCenterEditActionResultReceived);
    QObject::connect(controller, &Controller::virtualizationCenterDeleteActionResultReceived, tab,
                     &Tab::slot_virtualizationCenterDeleteActionResultReceived);
    QObject::connect(controller, &Controller::virtualizationCenterRunActionResultReceived, tab,
                     &Tab::slot_virtualizationCenterRunActionResultReceived);
    QObject::connect(controller, &Controller::virtualizationCenterHostListReceived, tab,
                     &Tab::slot_virtualizationCenterHostListReceived);
    QObject::connect(controller, &Controller::virtualizationCenterHostVmsInfoReceived, tab,
                     &Tab::slot_virtualizationCenterHostVmsInfoReceived);
}
