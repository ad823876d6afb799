#include "vmtablewidget.h"

#include "base/named.h"
#include "customtablewidget.h"
#include "linkmetatypes.h"
#include "paddeditemdelegate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
constexpr int VmIndent = 20;

// What is stored as the committed configuration: a physical computer names no VM.
VmTableWidget::ManagementConfig normalised(VmTableWidget::ManagementConfig config)
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

bool isMonitoringOff(int status)
{
    return status == 1 || status == 2;
}
} // namespace

VmTableWidget::VmTableWidget(QString nameHeader, QString stateHeader, QString detailsHeader, QWidget* parent)
    : QWidget(parent)
{
    registerLinkMetaTypes();

    icons.host = QIcon(QStringLiteral(":/img/img/host.png"));
    icons.hostDisabled = QIcon(QStringLiteral(":/img/img/host_status_disabled.png"));
    icons.hostDispass = QIcon(QStringLiteral(":/img/img/host_status_dispass.png"));
    icons.hostOffline = QIcon(QStringLiteral(":/img/img/host_status_offline.png"));
    icons.hostOnline = QIcon(QStringLiteral(":/img/img/host_status_online.png"));
    icons.hostInvalid = QIcon(QStringLiteral(":/img/img/host_status_invalid.png"));
    icons.hostUpdate = QIcon(QStringLiteral(":/img/img/host_status_update.png"));
    icons.vmMaster = QIcon(QStringLiteral(":/img/img/vm_mode_master.png"));
    icons.vmNormal = QIcon(QStringLiteral(":/img/img/vm_mode_normal.png"));
    icons.vmRunning = QIcon(QStringLiteral(":/img/img/vm_state_running.png"));
    icons.vmSuspended = QIcon(QStringLiteral(":/img/img/vm_state_suspended.png"));
    icons.vmPoweroff = QIcon(QStringLiteral(":/img/img/vm_state_poweroff.png"));
    icons.vmChanging = QIcon(QStringLiteral(":/img/img/vm_state_chnanging.png"));

    auto* layout = new QVBoxLayout(this);

    tabBar = named(new QTabBar(this), "vmTabBar");
    tabBar->addTab(tr("Podgląd"));
    tabBar->addTab(tr("System zarządzający"));
    tabBar->addTab(tr("Akcje"));
    tabBar->addTab(tr("Testowanie akcji"));
    layout->addWidget(tabBar);

    table = named(new CustomTableWidget(this), "vmTable");
    table->setColumnCount(ColumnCount);
    table->setHorizontalHeaderLabels({QString(), nameHeader, stateHeader, detailsHeader});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setStyleSheet(QStringLiteral("QHeaderView::section { color: darkBlue; padding: 5px; }"));
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setMinimumHeight(100);
    table->setItemDelegate(named(new PaddedItemDelegate(table), "vmTableDelegate"));
    layout->addWidget(table);

    headerCheckBox = named(new QCheckBox, "vmHeaderCheckBox");
    headerCheckBox->setEnabled(false);
    table->setHeaderWidget(0, headerCheckBox);
    table->setHeaderMargins(0, 1, 1, 1, 1);

    buildManagementPanel(layout);
    buildActionPanel(layout);
    buildTestPanel(layout);

    connect(headerCheckBox, &QCheckBox::stateChanged, this, &VmTableWidget::slot_globalCheckBoxChanged);
    connect(table, &QTableWidget::itemChanged, this, &VmTableWidget::slot_itemCheckBoxChanged);
    connect(tabBar, &QTabBar::currentChanged, this, &VmTableWidget::slot_tab_mode_changed);
    connect(managementTypeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VmTableWidget::slot_cb_config_management_changed);
    connect(upsShutdownCheckBox, &QCheckBox::stateChanged, this,
            &VmTableWidget::slot_chb_ups_shutdown_changed);
    connect(managementEditButton, &QPushButton::released, this,
            &VmTableWidget::slot_btn_change_management_vm);
    connect(managementApplyButton, &QPushButton::released, this, &VmTableWidget::slot_btn_management_apply);
    connect(managementCancelButton, &QPushButton::released, this, &VmTableWidget::slot_btn_management_cancel);

    setCheckContext(NoMarks, false);
    setMode(Overview);
}

VmTableWidget::~VmTableWidget() = default;

void VmTableWidget::buildManagementPanel(QVBoxLayout* layout)
{
    managementGroup =
        named(new QGroupBox(tr("Konfiguracja systemu zarządzającego"), this), "vmManagementGroup");
    auto* rows = new QVBoxLayout(managementGroup);

    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(new QLabel(tr("Typ systemu, na którym pracuje usługa Luminorix"), managementGroup));
    typeRow->addSpacing(10);
    managementTypeCombo = named(new QComboBox(managementGroup), "vmManagementTypeCombo");
    managementTypeCombo->addItem(tr("Fizyczny komputer"), false);
    managementTypeCombo->addItem(tr("Maszyna wirtualna"), true);
    typeRow->addWidget(managementTypeCombo);
    rows->addLayout(typeRow);

    auto* managerRow = new QHBoxLayout;
    managerRow->addWidget(new QLabel(tr("Nazwa maszyny z Luminorix (manager)"), managementGroup));
    managerLineEdit = named(new QLineEdit(tr("<Fizyczny Komputer>"), managementGroup), "vmManagerLineEdit");
    managerLineEdit->setReadOnly(true);
    managerRow->addWidget(managerLineEdit);
    rows->addLayout(managerRow);

    upsShutdownCheckBox =
        named(new QCheckBox(tr("Po wyłączeniu maszyny MANAGER wyłącz zasilacz UPS"), managementGroup),
              "vmUpsShutdownCheckBox");
    rows->addWidget(upsShutdownCheckBox);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    managementEditButton = named(new QPushButton(tr("Edytuj"), managementGroup), "vmManagementEditButton");
    managementApplyButton =
        named(new QPushButton(tr("Zastosuj"), managementGroup), "vmManagementApplyButton");
    managementCancelButton =
        named(new QPushButton(tr("Anuluj"), managementGroup), "vmManagementCancelButton");
    buttons->addWidget(managementEditButton);
    buttons->addWidget(managementApplyButton);
    buttons->addWidget(managementCancelButton);
    rows->addLayout(buttons);

    managementGroup->hide();
    layout->addWidget(managementGroup);
}

// ---- merges -------------------------------------------------------------------------------

bool VmTableWidget::mergesFrozen() const
{
    return context == ActionTargets || context == ManagerPick;
}

void VmTableWidget::setHostList(int host_type, QList<int> host_ids)
{
    if (mergesFrozen())
        return;
    QList<int> kept;
    for (auto it = hosts.begin(); it != hosts.end();) {
        if (it->host_type != host_type) {
            ++it;
        } else if (!host_ids.contains(it->host_id)) {
            it = hosts.erase(it);
        } else {
            kept << it->host_id;
            ++it;
        }
    }
    for (int id : qAsConst(host_ids)) {
        if (kept.contains(id))
            continue;
        HostEntry host;
        host.host_type = host_type;
        host.host_id = id;
        hosts << host;
        kept << id; // an id listed twice gives one row
    }
}

bool VmTableWidget::setHostVms(int host_type, int host_id, QList<int> vm_ids)
{
    if (mergesFrozen())
        return true;
    HostEntry* host = findHost(host_type, host_id);
    if (!host)
        return false;
    QList<int> kept;
    for (auto it = host->vms.begin(); it != host->vms.end();) {
        if (vm_ids.contains(it->vm_id)) {
            kept << it->vm_id;
            ++it;
        } else {
            it = host->vms.erase(it);
        }
    }
    for (int id : qAsConst(vm_ids)) {
        if (kept.contains(id))
            continue;
        VmEntry vm;
        vm.vm_id = id;
        host->vms << vm;
        kept << id;
    }
    return true;
}

bool VmTableWidget::updateHost(int host_type, int host_id, QString name, int status, QString details)
{
    if (mergesFrozen())
        return true;
    HostEntry* host = findHost(host_type, host_id);
    if (!host)
        return false;
    host->name = name;
    host->status = status;
    host->details = details;
    return true;
}

bool VmTableWidget::setVmName(int host_type, int host_id, int vm_id, QString name)
{
    if (mergesFrozen())
        return true;
    VmEntry* vm = findVm(host_type, host_id, vm_id);
    if (!vm)
        return false;
    vm->name = name;
    return true;
}

bool VmTableWidget::setVmState(int host_type, int host_id, int vm_id, int state, int pending)
{
    if (mergesFrozen())
        return true;
    VmEntry* vm = findVm(host_type, host_id, vm_id);
    if (!vm)
        return false;
    vm->state = state;
    vm->pending = pending;
    return true;
}

void VmTableWidget::setManagementConfig(ManagementConfig config)
{
    committed = normalised(config);
}

void VmTableWidget::setActionList(QList<ActionParameters> list)
{
    actions = list;
}

// ---- look-ups -----------------------------------------------------------------------------

VmTableWidget::HostEntry* VmTableWidget::findHost(int host_type, int host_id)
{
    for (HostEntry& host : hosts) {
        if (host.host_type == host_type && host.host_id == host_id)
            return &host;
    }
    return nullptr;
}

const VmTableWidget::HostEntry* VmTableWidget::findHost(int host_type, int host_id) const
{
    for (const HostEntry& host : hosts) {
        if (host.host_type == host_type && host.host_id == host_id)
            return &host;
    }
    return nullptr;
}

VmTableWidget::VmEntry* VmTableWidget::findVm(int host_type, int host_id, int vm_id)
{
    HostEntry* host = findHost(host_type, host_id);
    if (!host)
        return nullptr;
    for (VmEntry& vm : host->vms) {
        if (vm.vm_id == vm_id)
            return &vm;
    }
    return nullptr;
}

const VmTableWidget::VmEntry* VmTableWidget::findVm(int host_type, int host_id, int vm_id) const
{
    const HostEntry* host = findHost(host_type, host_id);
    if (!host)
        return nullptr;
    for (const VmEntry& vm : host->vms) {
        if (vm.vm_id == vm_id)
            return &vm;
    }
    return nullptr;
}

// ---- marks --------------------------------------------------------------------------------

void VmTableWidget::setCheckContext(CheckContext newContext, bool newReadOnly)
{
    context = newContext;
    readOnly = newReadOnly;
    {
        const QSignalBlocker blocker(headerCheckBox);
        headerCheckBox->setEnabled(context == ActionTargets && !readOnly);
    }
    if (context == NoMarks)
        removePlaceholders();
    setAllMarks(false);
}

void VmTableWidget::setItemMark(bool checked, int host_type, int host_id, int vm_id)
{
    if (vm_id >= 0) {
        if (VmEntry* vm = findVm(host_type, host_id, vm_id))
            vm->checked = checked;
    } else if (HostEntry* host = findHost(host_type, host_id)) {
        host->checked = checked;
    }
}

void VmTableWidget::setAllMarks(bool checked)
{
    for (HostEntry& host : hosts) {
        if (!checked)
            host.checked = false;
        else if (context == ActionTargets && !isMonitoringOff(host.status))
            host.checked = true;
        for (VmEntry& vm : host.vms) {
            if (!checked)
                vm.checked = false;
            else if (committed.valid && isManagerVm(host.host_type, host.host_id, vm.vm_id))
                continue;
            else if (context == ActionTargets)
                vm.checked = true;
        }
    }
}

void VmTableWidget::markItems(QList<VmActionTarget> targets)
{
    if (!mergesFrozen())
        return;
    for (const VmActionTarget& target : qAsConst(targets)) {
        for (int vmId : target.vm_ids) {
            HostEntry* host = findHost(target.host_type, target.host_id);
            if (!host) {
                HostEntry placeholder;
                placeholder.host_type = target.host_type;
                placeholder.host_id = target.host_id;
                placeholder.status = HostPlaceholder;
                hosts << placeholder;
                host = &hosts.last();
            }
            if (vmId < 0) {
                host->checked = true;
                continue;
            }
            VmEntry* vm = findVm(target.host_type, target.host_id, vmId);
            if (!vm) {
                VmEntry placeholder;
                placeholder.vm_id = vmId;
                placeholder.state = VmPlaceholder;
                host->vms << placeholder;
                vm = &host->vms.last();
            }
            vm->checked = true;
        }
    }
}

void VmTableWidget::removePlaceholders()
{
    for (auto it = hosts.begin(); it != hosts.end();) {
        if (it->status == HostPlaceholder) {
            it = hosts.erase(it);
            continue;
        }
        for (auto vm = it->vms.begin(); vm != it->vms.end();) {
            if (vm->state == VmPlaceholder)
                vm = it->vms.erase(vm);
            else
                ++vm;
        }
        ++it;
    }
}

QList<VmActionTarget> VmTableWidget::checkedItems() const
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

bool VmTableWidget::hasCheckedHost() const
{
    for (const HostEntry& host : hosts) {
        if (host.checked)
            return true;
    }
    return false;
}

bool VmTableWidget::hasCheckedVm() const
{
    for (const HostEntry& host : hosts) {
        for (const VmEntry& vm : host.vms) {
            if (vm.checked)
                return true;
        }
    }
    return false;
}

bool VmTableWidget::isManagerVm(int host_type, int host_id, int vm_id) const
{
    return host_type == committed.host_type && host_id == committed.host_id && vm_id == committed.vm_id;
}

// ---- the table ----------------------------------------------------------------------------

QString VmTableWidget::statusText(int status) const
{
    switch (status) {
    case 1:
        return tr("Nieaktywny");
    case 2:
        return tr("Nieaktywny (błąd autoryzacji)");
    case 3:
        return tr("Niedostępny");
    case 4:
        return tr("Dostępny");
    case 5:
        return tr("Błąd połączenia");
    case 6:
        return tr("Aktualizacja stanu");
    case HostPlaceholder:
        return tr("Nieznany/Usunięty");
    default:
        return QString();
    }
}

QIcon VmTableWidget::statusIcon(int status) const
{
    switch (status) {
    case 1:
        return icons.hostDisabled;
    case 2:
        return icons.hostDispass;
    case 3:
        return icons.hostOffline;
    case 4:
        return icons.hostOnline;
    case 5:
        return icons.hostInvalid;
    case 6:
        return icons.hostUpdate;
    case HostPlaceholder:
        return icons.hostDisabled;
    default:
        return QIcon();
    }
}

QString VmTableWidget::stateText(int state) const
{
    switch (state) {
    case 1:
        return tr("Uruchomiona");
    case 2:
        return tr("Wstrzymana");
    case 3:
        return tr("Wyłączona");
    case VmPlaceholder:
        return tr("Niedostępna/Nieznana/Usunięta");
    default:
        return QString();
    }
}

QIcon VmTableWidget::stateIcon(int state) const
{
    switch (state) {
    case 1:
        return icons.vmRunning;
    case 2:
        return icons.vmSuspended;
    case 3:
        return icons.vmPoweroff;
    case VmPlaceholder:
        return icons.hostDisabled;
    default:
        return QIcon();
    }
}

void VmTableWidget::refreshTable()
{
    table->setUpdatesEnabled(false);
    {
        // The check states written here must not reach slot_itemCheckBoxChanged.
        const QSignalBlocker blocker(table);
        table->clearContents();
        table->setRowCount(0);

        const QList<HostEntry> snapshot = hosts;
        int rows = 0;
        for (const HostEntry& host : snapshot)
            rows += 1 + host.vms.size();
        table->setRowCount(rows);

        int row = 0;
        for (const HostEntry& host : snapshot) {
            appendHostRow(row++, host);
            for (const VmEntry& vm : host.vms)
                appendVmRow(row++, host, vm);
        }
    }
    table->setUpdatesEnabled(true);

    // Fitting a column asks the delegate about a thousand cells, most of a
    // refresh's time; it is done only when the column shows other texts or
    // looks than at its last fitting, which on a steady poll is rarely.
    for (int column = 0; column < ColumnCount; ++column) {
        if (shownCells[column] != fittedCells[column]) {
            table->resizeColumnToContents(column);
            fittedCells[column] = shownCells[column];
        }
        shownCells[column].clear();
    }
}

void VmTableWidget::noteCell(int column, const QString& text, const char* look)
{
    shownCells[column].insert(text + QChar(0x1f) + QLatin1String(look));
}

void VmTableWidget::appendHostRow(int row, const HostEntry& host)
{
    auto* mark = new QTableWidgetItem;
    if (context == ActionTargets) {
        if (readOnly)
            mark->setFlags(mark->flags() & ~Qt::ItemIsEnabled);
        mark->setCheckState(host.checked ? Qt::Checked : Qt::Unchecked);
    } else {
        mark->setFlags(mark->flags() & ~Qt::ItemIsEnabled);
        mark->setCheckState(Qt::Unchecked);
    }
    mark->setData(HostTypeRole, host.host_type);
    mark->setData(HostIdRole, host.host_id);
    mark->setData(VmIdRole, -1);

    auto* name = new QTableWidgetItem(
        icons.host, host.name.isEmpty() ? QStringLiteral("<HOST ID: %1>").arg(host.host_id) : host.name);
    auto* status = new QTableWidgetItem(statusIcon(host.status), statusText(host.status));
    auto* details = new QTableWidgetItem(host.details);

    QFont nameFont = name->font();
    nameFont.setWeight(QFont::Bold);
    if (host.status == HostPlaceholder) {
        nameFont.setStrikeOut(true);
        name->setForeground(QBrush(Qt::gray));
        QFont detailsFont = details->font();
        detailsFont.setStrikeOut(true);
        details->setFont(detailsFont);
        details->setForeground(QBrush(Qt::gray));
    } else if (isMonitoringOff(host.status)) {
        nameFont.setItalic(true);
        name->setForeground(QBrush(Qt::gray));
        for (QTableWidgetItem* item : {status, details}) {
            QFont font = item->font();
            font.setItalic(true);
            item->setFont(font);
            item->setForeground(QBrush(Qt::gray));
        }
    }
    name->setFont(nameFont);

    const char* look = host.status == HostPlaceholder ? "hp" : isMonitoringOff(host.status) ? "ho" : "hn";
    noteCell(0, QString(), "h");
    noteCell(1, name->text(), look);
    noteCell(2, status->text() + (status->icon().isNull() ? QString() : QStringLiteral("+")), look);
    noteCell(3, details->text(), look);

    table->setItem(row, 0, mark);
    table->setItem(row, 1, name);
    table->setItem(row, 2, status);
    table->setItem(row, 3, details);
}

void VmTableWidget::appendVmRow(int row, const HostEntry& host, const VmEntry& vm)
{
    const bool manager = isManagerVm(host.host_type, host.host_id, vm.vm_id);

    auto* mark = new QTableWidgetItem;
    if (context == ManagerPick || (context == ActionTargets && !manager)) {
        if (readOnly)
            mark->setFlags(mark->flags() & ~Qt::ItemIsEnabled);
        mark->setCheckState(vm.checked ? Qt::Checked : Qt::Unchecked);
    } else {
        mark->setFlags(mark->flags() & ~Qt::ItemIsEnabled);
        mark->setCheckState(Qt::Unchecked);
    }
    mark->setData(HostTypeRole, host.host_type);
    mark->setData(HostIdRole, host.host_id);
    mark->setData(VmIdRole, vm.vm_id);

    QString shown = vm.name.isEmpty() ? QStringLiteral("<VM ID: %1>").arg(vm.vm_id) : vm.name;
    if (manager)
        shown.prepend(QStringLiteral("[MANAGER] "));
    auto* name = new QTableWidgetItem(manager ? icons.vmMaster : icons.vmNormal, shown);
    name->setData(IndentRole, VmIndent);
    if (manager)
        name->setForeground(QBrush(Qt::darkRed));
    if (vm.state == VmPlaceholder) {
        QFont font = name->font();
        font.setStrikeOut(true);
        name->setFont(font);
        name->setForeground(QBrush(Qt::gray));
    }

    auto* state =
        new QTableWidgetItem(vm.pending != 0 ? icons.vmChanging : stateIcon(vm.state), stateText(vm.state));

    noteCell(0, QString(), "v");
    noteCell(1, shown, vm.state == VmPlaceholder ? (manager ? "vmp" : "vp") : manager ? "vm" : "vn");
    noteCell(2, state->text(), state->icon().isNull() ? "v" : "vi");
    noteCell(3, QString(), "v");

    table->setItem(row, 0, mark);
    table->setItem(row, 1, name);
    table->setItem(row, 2, state);
    table->setItem(row, 3, new QTableWidgetItem(QString()));
}

void VmTableWidget::slot_globalCheckBoxChanged(int)
{
    setAllMarks(headerCheckBox->isChecked());
    refreshTable();
}

void VmTableWidget::slot_itemCheckBoxChanged(QTableWidgetItem* sender)
{
    // Everything is read from the item first: the refresh below deletes it.
    bool typeOk = false;
    bool hostOk = false;
    bool vmOk = false;
    const int host_type = sender->data(HostTypeRole).toInt(&typeOk);
    const int host_id = sender->data(HostIdRole).toInt(&hostOk);
    const int vm_id = sender->data(VmIdRole).toInt(&vmOk);
    if (!typeOk || !hostOk || !vmOk)
        return;
    const bool checked = sender->data(Qt::CheckStateRole) == Qt::Checked;
    sender = nullptr;

    if (context == ActionTargets) {
        setItemMark(checked, host_type, host_id, vm_id);
    } else if (context == ManagerPick) {
        for (HostEntry& host : hosts) {
            host.checked = false;
            for (VmEntry& vm : host.vms) {
                vm.checked = host.host_type == host_type && host.host_id == host_id && vm.vm_id == vm_id
                                 ? checked
                                 : false;
            }
        }
    }
    setMode(currentMode);
    refreshTable();
}

// ---- modes and the management panel -------------------------------------------------------

void VmTableWidget::setMode(int mode)
{
    currentMode = mode >= Overview && mode <= ActionTest ? mode : Overview;
    if (currentMode == Overview && context != NoMarks)
        setCheckContext(NoMarks, false);
    updateManagementPanel();
    updateActionPanel();
    updateTestPanel();
}

void VmTableWidget::updateManagementPanel()
{
    const int m = currentMode;
    if (m != ManagementView && m != ManagementEdit) {
        edited.valid = false;
        managementGroup->hide();
        for (QWidget* w : std::initializer_list<QWidget*>{managementTypeCombo, managerLineEdit,
                                                          upsShutdownCheckBox, managementEditButton,
                                                          managementApplyButton, managementCancelButton})
            w->setEnabled(false);
        return;
    }

    const QSignalBlocker comboBlocker(managementTypeCombo);
    bool vmChosen = managementTypeCombo->currentData().toBool();

    if (m == ManagementView && committed.valid) {
        if (vmChosen != committed.is_managed_from_internal_vm) {
            const int index = managementTypeCombo->findData(committed.is_managed_from_internal_vm);
            if (index >= 0)
                managementTypeCombo->setCurrentIndex(index);
            vmChosen = managementTypeCombo->currentData().toBool();
        }
        upsShutdownCheckBox->setChecked(committed.shutdown_ups_with_master_vm);
        edited = committed;
    }

    const bool pickReadOnly = !(m == ManagementEdit && vmChosen);
    bool contextReset = false;
    if (context != ManagerPick || readOnly != pickReadOnly) {
        setCheckContext(ManagerPick, pickReadOnly);
        contextReset = true;
    }

    if (vmChosen && edited.valid && edited.host_type >= 0 && edited.host_id >= 0 && edited.vm_id >= 0 &&
        (m == ManagementView || contextReset)) {
        removePlaceholders();
        VmActionTarget target;
        target.host_type = edited.host_type;
        target.host_id = edited.host_id;
        target.vm_ids << edited.vm_id;
        markItems({target});
    }

    bool nothingMarked = false;
    if (m == ManagementEdit && edited.valid) {
        if (vmChosen) {
            edited.is_managed_from_internal_vm = true;
            const QList<VmActionTarget> marked = checkedItems();
            if (marked.size() == 1 && marked.first().vm_ids.size() == 1) {
                edited.host_type = marked.first().host_type;
                edited.host_id = marked.first().host_id;
                edited.vm_id = marked.first().vm_ids.first();
                if (edited.host_type < 0 || edited.host_id < 0 || edited.vm_id < 0)
                    edited.host_type = edited.host_id = edited.vm_id = -1;
            } else {
                edited.host_type = edited.host_id = edited.vm_id = -1;
            }
            edited.shutdown_ups_with_master_vm = upsShutdownCheckBox->isChecked();
            nothingMarked = marked.isEmpty();
        } else {
            edited.is_managed_from_internal_vm = false;
            edited.shutdown_ups_with_master_vm = false;
            upsShutdownCheckBox->setChecked(false);
        }
    }

    const bool idsIncomplete = edited.host_type < 0 || edited.host_id < 0 || edited.vm_id < 0;
    if (edited.valid) {
        if (!edited.is_managed_from_internal_vm) {
            managerLineEdit->setText(QString());
        } else if (idsIncomplete) {
            managerLineEdit->setText(nothingMarked
                                         ? QString()
                                         : QStringLiteral("<INVALID VM ID: HOST ID: %1 - VM ID: %2>")
                                               .arg(edited.host_id)
                                               .arg(edited.vm_id));
        } else if (const VmEntry* vm = findVm(edited.host_type, edited.host_id, edited.vm_id);
                   vm && vm->state != VmPlaceholder) {
            managerLineEdit->setText(
                !vm->name.isEmpty()
                    ? vm->name
                    : QStringLiteral("<HOST ID: %1 - VM ID: %2>").arg(edited.host_id).arg(edited.vm_id));
        } else {
            managerLineEdit->setText(QStringLiteral("<UNKNOWN VM: HOST ID: %1 - VM ID: %2>")
                                         .arg(edited.host_id)
                                         .arg(edited.vm_id));
        }
    }

    managementGroup->show();
    const bool editing = m == ManagementEdit;
    managementTypeCombo->setEnabled(editing && committed.valid);
    managerLineEdit->setEnabled(editing && committed.valid && vmChosen);
    upsShutdownCheckBox->setEnabled(editing && committed.valid && vmChosen);
    managementEditButton->setEnabled(!editing && committed.valid);
    managementApplyButton->setEnabled(editing && edited.valid &&
                                      !(edited.is_managed_from_internal_vm && idsIncomplete));
    managementCancelButton->setEnabled(editing);
}

void VmTableWidget::slot_tab_mode_changed(int index)
{
    switch (index) {
    case 1:
        setMode(ManagementView);
        break;
    case 2:
        setMode(ActionView);
        break;
    case 3:
        setMode(ActionTest);
        break;
    default:
        setMode(Overview);
        break;
    }
    refreshTable();
}

void VmTableWidget::slot_cb_config_management_changed(int)
{
    if (currentMode != ManagementEdit)
        return;
    setMode(ManagementEdit);
    refreshTable();
}

void VmTableWidget::slot_chb_ups_shutdown_changed(int)
{
    if (currentMode != ManagementEdit)
        return;
    setMode(ManagementEdit);
    refreshTable();
}

void VmTableWidget::slot_btn_change_management_vm()
{
    if (currentMode != ManagementView)
        return;
    setMode(ManagementEdit);
    refreshTable();
}

void VmTableWidget::slot_btn_management_apply()
{
    if (currentMode != ManagementEdit)
        return;
    if (edited.valid) {
        committed = normalised(edited);
        emit signal_updateManagementOptions(committed);
        edited.valid = false;
    }
    setMode(ManagementView);
    refreshTable();
}

void VmTableWidget::slot_btn_management_cancel()
{
    if (currentMode != ManagementEdit)
        return;
    edited.valid = false;
    setMode(ManagementView);
    refreshTable();
}

// ---- accessors ----------------------------------------------------------------------------

int VmTableWidget::mode() const
{
    return currentMode;
}

VmTableWidget::CheckContext VmTableWidget::checkContext() const
{
    return context;
}

bool VmTableWidget::isReadOnly() const
{
    return readOnly;
}

VmTableWidget::ManagementConfig VmTableWidget::managementConfig() const
{
    return committed;
}

QList<VmTableWidget::ActionParameters> VmTableWidget::actionList() const
{
    return actions;
}

const QList<VmTableWidget::HostEntry>& VmTableWidget::hostList() const
{
    return hosts;
}

void VmTableWidget::clearHosts()
{
    hosts.clear();
}

void VmTableWidget::clearActions()
{
    actions.clear();
}

void VmTableWidget::clearAll()
{
    hosts.clear();
    actions.clear();
    committed = ManagementConfig();
}

// ---- the action editor and the test panel -------------------------------------------------

void VmTableWidget::buildActionPanel(QVBoxLayout* layout)
{
    actionGroup = named(new QGroupBox(tr("Zarządzanie akcjami hostów i VM"), this), "vmActionGroup");
    actionGroup->hide();
    layout->addWidget(actionGroup);
}

void VmTableWidget::buildTestPanel(QVBoxLayout* layout)
{
    testGroup = named(new QGroupBox(tr("Testowanie akcji"), this), "vmTestGroup");
    testGroup->hide();
    layout->addWidget(testGroup);
}

void VmTableWidget::updateActionPanel()
{
    const bool shown = currentMode == ActionView || currentMode == ActionNew || currentMode == ActionEdit;
    if (shown) {
        const bool targetsReadOnly = currentMode == ActionView;
        if (context != ActionTargets || readOnly != targetsReadOnly)
            setCheckContext(ActionTargets, targetsReadOnly);
    }
    actionGroup->setVisible(shown);
}

void VmTableWidget::updateTestPanel()
{
    if (currentMode == ActionTest && context != NoMarks)
        setCheckContext(NoMarks, false);
    testGroup->setVisible(currentMode == ActionTest);
}

void VmTableWidget::slot_cb_action_list_changed(int) {}
void VmTableWidget::slot_cb_vm_action_type_changed(int) {}
void VmTableWidget::slot_chb_actions_toggled(bool) {}
void VmTableWidget::slot_le_action_name_changed(QString) {}
void VmTableWidget::slot_btn_action_new() {}
void VmTableWidget::slot_btn_action_edit() {}
void VmTableWidget::slot_btn_action_remove() {}
void VmTableWidget::slot_btn_action_apply() {}
void VmTableWidget::slot_btn_action_cancel() {}
void VmTableWidget::slot_btn_action_test() {}
