#include "vmtablewidget.h"

#include "common/named.h"
#include "customtablewidget.h"
#include "link/linkmetatypes.h"
#include "paddeditemdelegate.h"
#include "vmactioneditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {
constexpr int VmIndent = 20;

bool isMonitoringOff(int status)
{
    return VmHostStore::isMonitoringOff(status);
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
    actionEditor = new VmActionEditor(this, this);
    layout->addWidget(actionEditor);
    buildTestPanel(layout);
    connect(actionEditor, &VmActionEditor::signal_addNewAction, this, &VmTableWidget::signal_addNewAction);
    connect(actionEditor, &VmActionEditor::signal_replaceAction, this, &VmTableWidget::signal_replaceAction);
    connect(actionEditor, &VmActionEditor::signal_deleteAction, this, &VmTableWidget::signal_deleteAction);

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

// ---- the store ----------------------------------------------------------------------------

void VmTableWidget::setHostList(int host_type, QList<int> host_ids)
{
    store.setHostList(host_type, host_ids);
}

bool VmTableWidget::setHostVms(int host_type, int host_id, QList<int> vm_ids)
{
    return store.setHostVms(host_type, host_id, vm_ids);
}

bool VmTableWidget::updateHost(int host_type, int host_id, QString name, int status, QString details)
{
    return store.updateHost(host_type, host_id, name, status, details);
}

bool VmTableWidget::setVmName(int host_type, int host_id, int vm_id, QString name)
{
    return store.setVmName(host_type, host_id, vm_id, name);
}

bool VmTableWidget::setVmState(int host_type, int host_id, int vm_id, int state, int pending)
{
    return store.setVmState(host_type, host_id, vm_id, state, pending);
}

void VmTableWidget::setManagementConfig(ManagementConfig config)
{
    store.setManagementConfig(config);
}

void VmTableWidget::showCommittedManagement()
{
    if (currentMode != ManagementView)
        return;
    // A new context clears the marks, so a refused choice loses its mark too.
    setCheckContext(ManagerPick, true);
    setMode(ManagementView);
    refreshTable();
}

void VmTableWidget::setActionList(QList<ActionParameters> list)
{
    actionEditor->setActions(list);
    if (currentMode == ActionTest) {
        int id = -1;
        const bool selected = VmActionEditor::selectedActionId(testActionCombo, &id);
        const QSignalBlocker block(testActionCombo);
        VmActionEditor::fillActionCombo(testActionCombo, actionEditor->actionList(),
                                        selected ? &id : nullptr);
    }
}

const VmTableWidget::HostEntry* VmTableWidget::findHost(int host_type, int host_id) const
{
    return store.findHost(host_type, host_id);
}

const VmTableWidget::VmEntry* VmTableWidget::findVm(int host_type, int host_id, int vm_id) const
{
    return store.findVm(host_type, host_id, vm_id);
}

void VmTableWidget::setCheckContext(CheckContext context, bool readOnly)
{
    {
        const QSignalBlocker blocker(headerCheckBox);
        headerCheckBox->setEnabled(context == ActionTargets && !readOnly);
    }
    store.setCheckContext(context, readOnly);
}

void VmTableWidget::setItemMark(bool checked, int host_type, int host_id, int vm_id)
{
    store.setItemMark(checked, host_type, host_id, vm_id);
}

void VmTableWidget::setAllMarks(bool checked)
{
    store.setAllMarks(checked);
}

void VmTableWidget::markItems(QList<VmActionTarget> targets)
{
    store.markItems(targets);
}

void VmTableWidget::removePlaceholders()
{
    store.removePlaceholders();
}

QList<VmActionTarget> VmTableWidget::checkedItems() const
{
    return store.checkedItems();
}

bool VmTableWidget::hasCheckedHost() const
{
    return store.hasCheckedHost();
}

bool VmTableWidget::hasCheckedVm() const
{
    return store.hasCheckedVm();
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

bool VmTableWidget::ShownRow::operator==(const ShownRow& o) const
{
    return host_type == o.host_type && host_id == o.host_id && vm_id == o.vm_id && code == o.code &&
           pending == o.pending && manager == o.manager && boxEnabled == o.boxEnabled &&
           boxChecked == o.boxChecked && name == o.name && details == o.details;
}

QVector<VmTableWidget::ShownRow> VmTableWidget::wantedRows() const
{
    const CheckContext context = store.checkContext();
    const bool readOnly = store.isReadOnly();
    QVector<ShownRow> rows;
    const QList<HostEntry>& hosts = store.hostList();
    int count = 0;
    for (const HostEntry& host : hosts)
        count += 1 + host.vms.size();
    rows.reserve(count);
    for (const HostEntry& host : hosts) {
        ShownRow row;
        row.host_type = host.host_type;
        row.host_id = host.host_id;
        row.name = host.name;
        row.details = host.details;
        row.code = host.status;
        row.boxEnabled = context == ActionTargets && !readOnly;
        row.boxChecked = context == ActionTargets && host.checked;
        rows << row;
        for (const VmEntry& vm : host.vms) {
            ShownRow vmRow;
            vmRow.host_type = host.host_type;
            vmRow.host_id = host.host_id;
            vmRow.vm_id = vm.vm_id;
            vmRow.name = vm.name;
            vmRow.code = vm.state;
            vmRow.pending = vm.pending != 0;
            vmRow.manager = store.isManagerVm(host.host_type, host.host_id, vm.vm_id);
            const bool usable = context == ManagerPick || (context == ActionTargets && !vmRow.manager);
            vmRow.boxEnabled = usable && !readOnly;
            vmRow.boxChecked = usable && vm.checked;
            rows << vmRow;
        }
    }
    return rows;
}

void VmTableWidget::refreshTable()
{
    // The poll refreshes about once a second with the same rows most times:
    // an unchanged store touches no row.
    if (shownOnce && !boxClicked && store.revision() == shownRevision)
        return;
    boxClicked = false;
    shownOnce = true;
    shownRevision = store.revision();
    const QVector<ShownRow> wanted = wantedRows();

    bool sameRows = wanted.size() == shownRows.size();
    for (int r = 0; sameRows && r < wanted.size(); ++r)
        sameRows = wanted.at(r).key() == shownRows.at(r).key();

    table->setUpdatesEnabled(false);
    {
        // The check states written here must not reach slot_itemCheckBoxChanged.
        const QSignalBlocker blocker(table);
        if (sameRows) {
            // A row's cells are replaced in place, which keeps the reader's selection.
            for (int r = 0; r < wanted.size(); ++r) {
                if (wanted.at(r) != shownRows.at(r)) {
                    countCells(shownRows.at(r), -1);
                    writeRow(r, wanted.at(r));
                    countCells(wanted.at(r), +1);
                }
            }
            shownRows = wanted;
        } else {
            // Rows come and go, so what the reader chose is found again by id.
            QSet<RowKey> selected;
            RowKey current(QPair<int, int>(0, 0), -2);
            const bool hasCurrent = table->currentIndex().isValid();
            for (const QModelIndex& index : table->selectionModel()->selectedRows())
                selected.insert(shownRows.at(index.row()).key());
            if (hasCurrent)
                current = shownRows.at(table->currentRow()).key();
            const int scrolled = table->verticalScrollBar()->value();

            moveRows(wanted);

            if (!selected.isEmpty() || hasCurrent) {
                QItemSelection rows;
                for (int r = 0; r < shownRows.size(); ++r) {
                    const RowKey key = shownRows.at(r).key();
                    if (selected.contains(key))
                        rows.select(table->model()->index(r, 0), table->model()->index(r, ColumnCount - 1));
                    if (hasCurrent && key == current)
                        table->selectionModel()->setCurrentIndex(table->model()->index(r, 0),
                                                                 QItemSelectionModel::NoUpdate);
                }
                table->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
            }
            table->verticalScrollBar()->setValue(scrolled);
        }
    }
    table->setUpdatesEnabled(true);

    // Fitting a column asks the delegate about a thousand cells, most of a
    // refresh's time; it is done only when the column shows other texts or
    // looks than before, which on a steady poll is rarely.
    for (int column = 0; column < ColumnCount; ++column) {
        if (columnChanged[column]) {
            table->resizeColumnToContents(column);
            columnChanged[column] = false;
        }
    }
}

void VmTableWidget::moveRows(const QVector<ShownRow>& wanted)
{
    QHash<RowKey, int> oldPosition;
    oldPosition.reserve(shownRows.size());
    for (int r = 0; r < shownRows.size(); ++r)
        oldPosition.insert(shownRows.at(r).key(), r);
    QVector<int> from(wanted.size(), -1); // a wanted row's old position, -1 for a new row
    QVector<bool> kept(shownRows.size(), false);
    bool inOrder = true;
    int last = -1;
    for (int r = 0; r < wanted.size(); ++r) {
        const int old = oldPosition.value(wanted.at(r).key(), -1);
        if (old < 0 || kept.at(old))
            continue; // a new row (or an id twice, shown once before)
        kept[old] = true;
        from[r] = old;
        inOrder = inOrder && old > last;
        last = old;
    }
    for (int r = 0; r < shownRows.size(); ++r) {
        if (!kept.at(r))
            countCells(shownRows.at(r), -1);
    }
    const auto rewriteKept = [&](int r) {
        const ShownRow& before = shownRows.at(from.at(r));
        if (wanted.at(r) != before) {
            countCells(before, -1);
            writeRow(r, wanted.at(r));
            countCells(wanted.at(r), +1);
        }
    };
    const auto writeNew = [&](int r) {
        writeRow(r, wanted.at(r));
        countCells(wanted.at(r), +1);
    };

    // Runs of rows that went and of rows that came.
    int runs = 0;
    for (int r = 0; r < shownRows.size(); ++r)
        runs += !kept.at(r) && (r == 0 || kept.at(r - 1));
    for (int r = 0; r < wanted.size(); ++r)
        runs += from.at(r) < 0 && (r == 0 || from.at(r - 1) >= 0);

    if (inOrder && runs <= 64) {
        // A few rows came or went, the others kept their order: the model
        // shifts the rest and no item moves.
        for (int end = shownRows.size(); end > 0;) {
            if (kept.at(end - 1)) {
                --end;
                continue;
            }
            int start = end - 1;
            while (start > 0 && !kept.at(start - 1))
                --start;
            table->model()->removeRows(start, end - start);
            end = start;
        }
        for (int r = 0; r < wanted.size();) {
            if (from.at(r) >= 0) {
                rewriteKept(r++);
                continue;
            }
            int end = r;
            while (end < wanted.size() && from.at(end) < 0)
                ++end;
            table->model()->insertRows(r, end - r);
            for (; r < end; ++r)
                writeNew(r);
        }
        shownRows = wanted;
        return;
    }

    // Many runs: the kept rows' items are taken out, then put where their rows
    // now are; the rows that went are deleted with the cells written over them.
    QVector<std::array<QTableWidgetItem*, ColumnCount>> taken(wanted.size());
    for (int r = 0; r < wanted.size(); ++r) {
        if (from.at(r) >= 0 && from.at(r) != r) {
            for (int column = 0; column < ColumnCount; ++column)
                taken[r][column] = table->takeItem(from.at(r), column);
        }
    }
    table->setRowCount(wanted.size());
    for (int r = 0; r < wanted.size(); ++r) {
        if (from.at(r) < 0) {
            writeNew(r);
            continue;
        }
        if (from.at(r) != r) {
            for (int column = 0; column < ColumnCount; ++column)
                table->setItem(r, column, taken.at(r)[column]);
        }
        rewriteKept(r);
    }
    shownRows = wanted;
}

void VmTableWidget::countCells(const ShownRow& shown, int delta)
{
    QString cells[ColumnCount];
    const QChar separator(0x1f);
    if (shown.vm_id < 0) {
        const QString name =
            shown.name.isEmpty() ? QStringLiteral("<HOST ID: %1>").arg(shown.host_id) : shown.name;
        const QString look = shown.code == HostPlaceholder ? QStringLiteral("hp")
                             : isMonitoringOff(shown.code) ? QStringLiteral("ho")
                                                           : QStringLiteral("hn");
        cells[0] = separator + QStringLiteral("h");
        cells[1] = name + separator + look;
        cells[2] = statusText(shown.code) +
                   (statusIcon(shown.code).isNull() ? QString() : QStringLiteral("+")) + separator + look;
        cells[3] = shown.details + separator + look;
    } else {
        QString name = shown.name.isEmpty() ? QStringLiteral("<VM ID: %1>").arg(shown.vm_id) : shown.name;
        if (shown.manager)
            name.prepend(QStringLiteral("[MANAGER] "));
        const bool placeholder = shown.code == VmPlaceholder;
        const bool icon = shown.pending || !stateIcon(shown.code).isNull();
        cells[0] = separator + QStringLiteral("v");
        cells[1] = name + separator +
                   (placeholder     ? (shown.manager ? QStringLiteral("vmp") : QStringLiteral("vp"))
                    : shown.manager ? QStringLiteral("vm")
                                    : QStringLiteral("vn"));
        cells[2] = stateText(shown.code) + separator + (icon ? QStringLiteral("vi") : QStringLiteral("v"));
        cells[3] = separator + QStringLiteral("v");
    }
    for (int column = 0; column < ColumnCount; ++column) {
        QHash<QString, int>& counts = cellCounts[column];
        auto it = counts.find(cells[column]);
        if (it == counts.end()) {
            if (delta > 0) {
                counts.insert(cells[column], delta);
                columnChanged[column] = true;
            }
        } else if ((*it += delta) <= 0) {
            counts.erase(it);
            columnChanged[column] = true;
        }
    }
}

void VmTableWidget::writeRow(int row, const ShownRow& shown)
{
    auto* mark = new QTableWidgetItem;
    if (!shown.boxEnabled)
        mark->setFlags(mark->flags() & ~Qt::ItemIsEnabled);
    mark->setCheckState(shown.boxChecked ? Qt::Checked : Qt::Unchecked);
    mark->setData(HostTypeRole, shown.host_type);
    mark->setData(HostIdRole, shown.host_id);
    mark->setData(VmIdRole, shown.vm_id);
    table->setItem(row, 0, mark);

    if (shown.vm_id < 0) {
        auto* name = new QTableWidgetItem(icons.host, shown.name.isEmpty()
                                                          ? QStringLiteral("<HOST ID: %1>").arg(shown.host_id)
                                                          : shown.name);
        auto* status = new QTableWidgetItem(statusIcon(shown.code), statusText(shown.code));
        auto* details = new QTableWidgetItem(shown.details);

        QFont nameFont = name->font();
        nameFont.setWeight(QFont::Bold);
        if (shown.code == HostPlaceholder) {
            nameFont.setStrikeOut(true);
            name->setForeground(QBrush(Qt::gray));
            QFont detailsFont = details->font();
            detailsFont.setStrikeOut(true);
            details->setFont(detailsFont);
            details->setForeground(QBrush(Qt::gray));
        } else if (isMonitoringOff(shown.code)) {
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
        table->setItem(row, 1, name);
        table->setItem(row, 2, status);
        table->setItem(row, 3, details);
        return;
    }

    QString text = shown.name.isEmpty() ? QStringLiteral("<VM ID: %1>").arg(shown.vm_id) : shown.name;
    if (shown.manager)
        text.prepend(QStringLiteral("[MANAGER] "));
    auto* name = new QTableWidgetItem(shown.manager ? icons.vmMaster : icons.vmNormal, text);
    name->setData(IndentRole, VmIndent);
    if (shown.manager)
        name->setForeground(QBrush(Qt::darkRed));
    if (shown.code == VmPlaceholder) {
        QFont font = name->font();
        font.setStrikeOut(true);
        name->setFont(font);
        name->setForeground(QBrush(Qt::gray));
    }
    table->setItem(row, 1, name);
    table->setItem(row, 2,
                   new QTableWidgetItem(shown.pending ? icons.vmChanging : stateIcon(shown.code),
                                        stateText(shown.code)));
    table->setItem(row, 3, new QTableWidgetItem(QString()));
}

void VmTableWidget::slot_globalCheckBoxChanged(int)
{
    setAllMarks(headerCheckBox->isChecked());
    refreshTable();
}

void VmTableWidget::slot_itemCheckBoxChanged(QTableWidgetItem* sender)
{
    // Everything is read from the item first: the refresh below may replace it.
    bool typeOk = false;
    bool hostOk = false;
    bool vmOk = false;
    const int host_type = sender->data(HostTypeRole).toInt(&typeOk);
    const int host_id = sender->data(HostIdRole).toInt(&hostOk);
    const int vm_id = sender->data(VmIdRole).toInt(&vmOk);
    if (!typeOk || !hostOk || !vmOk)
        return;
    const bool checked = sender->data(Qt::CheckStateRole) == Qt::Checked;
    // The box shows the click now; its row is compared again even when the store refuses it.
    if (sender->row() >= 0 && sender->row() < shownRows.size())
        shownRows[sender->row()].boxChecked = checked;
    boxClicked = true;
    sender = nullptr;

    if (store.checkContext() == ActionTargets) {
        setItemMark(checked, host_type, host_id, vm_id);
    } else if (store.checkContext() == ManagerPick) {
        store.pickManager(checked, host_type, host_id, vm_id);
    }
    setMode(currentMode);
    refreshTable();
}

// ---- modes and the management panel -------------------------------------------------------

void VmTableWidget::setMode(int mode)
{
    currentMode = mode >= Overview && mode <= ActionTest ? mode : Overview;
    if (currentMode == Overview && store.checkContext() != NoMarks)
        setCheckContext(NoMarks, false);
    updateManagementPanel();
    actionEditor->followMode();
    updateTestPanel();
}

void VmTableWidget::updateManagementPanel()
{
    const int m = currentMode;
    const ManagementConfig& committed = store.managementConfig();
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
    if (store.checkContext() != ManagerPick || store.isReadOnly() != pickReadOnly) {
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
        store.setManagementConfig(edited);
        emit signal_updateManagementOptions(store.managementConfig());
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
    return store.checkContext();
}

bool VmTableWidget::isReadOnly() const
{
    return store.isReadOnly();
}

VmTableWidget::ManagementConfig VmTableWidget::managementConfig() const
{
    return store.managementConfig();
}

QList<VmTableWidget::ActionParameters> VmTableWidget::actionList() const
{
    return actionEditor->actionList();
}

const QList<VmTableWidget::HostEntry>& VmTableWidget::hostList() const
{
    return store.hostList();
}

void VmTableWidget::clearHosts()
{
    store.clearHosts();
}

void VmTableWidget::clearActions()
{
    actionEditor->clearActions();
}

void VmTableWidget::clearAll()
{
    store.clearAll();
    actionEditor->clearActions();
}

// ---- the test panel -------------------------------------------------

void VmTableWidget::buildTestPanel(QVBoxLayout* layout)
{
    testGroup = named(new QGroupBox(tr("Testowanie akcji"), this), "vmTestGroup");
    auto* row = new QHBoxLayout(testGroup);
    row->addWidget(new QLabel(tr("Dostępne akcje"), testGroup));
    testActionCombo = named(new QComboBox(testGroup), "vmTestActionCombo");
    testActionCombo->setSizePolicy(QSizePolicy::Expanding, testActionCombo->sizePolicy().verticalPolicy());
    row->addWidget(testActionCombo);
    row->addSpacing(10);
    testRunButton = named(new QPushButton(tr("Wykonaj akcję"), testGroup), "vmTestRunButton");
    row->addWidget(testRunButton);
    testGroup->hide();
    layout->addWidget(testGroup);

    connect(testRunButton, &QPushButton::released, this, &VmTableWidget::slot_btn_action_test);
}

void VmTableWidget::updateTestPanel()
{
    if (currentMode == ActionTest) {
        if (store.checkContext() != NoMarks)
            setCheckContext(NoMarks, false);
        if (testActionCombo->count() != actionEditor->actionList().size())
            VmActionEditor::fillActionCombo(testActionCombo, actionEditor->actionList(), nullptr);
    } else {
        testActionCombo->clear();
    }
    testGroup->setVisible(currentMode == ActionTest);
}

void VmTableWidget::slot_btn_action_test()
{
    int id = -1;
    if (runPending || currentMode != ActionTest || !VmActionEditor::selectedActionId(testActionCombo, &id))
        return;
    setRunPending(true);
    emit signal_runAction(id);
}

void VmTableWidget::setRunPending(bool pending)
{
    runPending = pending;
    testRunButton->setEnabled(!pending);
}
