#include "vmactioneditor.h"

#include "common/named.h"
#include "vmtablewidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

// The texts keep the table's translation context, where the catalogue has them.

VmActionEditor::VmActionEditor(VmTableWidget* table, QWidget* parent)
    : QGroupBox(VmTableWidget::tr("Zarządzanie akcjami hostów i VM"), parent), table(table)
{
    setObjectName(QStringLiteral("vmActionGroup"));
    auto* rows = new QVBoxLayout(this);

    auto* listRow = new QHBoxLayout;
    listRow->addWidget(new QLabel(VmTableWidget::tr("Lista akcji"), this));
    actionCombo = named(new QComboBox(this), "vmActionCombo");
    actionCombo->setSizePolicy(QSizePolicy::Expanding, actionCombo->sizePolicy().verticalPolicy());
    listRow->addWidget(actionCombo);
    rows->addLayout(listRow);

    auto* buttonRow = new QHBoxLayout;
    actionNewButton = named(new QPushButton(VmTableWidget::tr("Utwórz nową"), this), "vmActionNewButton");
    actionEditButton = named(new QPushButton(VmTableWidget::tr("Edytuj"), this), "vmActionEditButton");
    actionRemoveButton = named(new QPushButton(VmTableWidget::tr("Usuń"), this), "vmActionRemoveButton");
    actionApplyButton = named(new QPushButton(VmTableWidget::tr("Zastosuj"), this), "vmActionApplyButton");
    actionCancelButton = named(new QPushButton(VmTableWidget::tr("Anuluj"), this), "vmActionCancelButton");
    buttonRow->addWidget(actionNewButton);
    buttonRow->addWidget(actionEditButton);
    buttonRow->addWidget(actionRemoveButton);
    buttonRow->addSpacing(20);
    buttonRow->addWidget(actionApplyButton);
    buttonRow->addWidget(actionCancelButton);
    rows->addLayout(buttonRow);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(VmTableWidget::tr("Nazwa akcji"), this));
    actionNameLineEdit = named(new QLineEdit(this), "vmActionNameLineEdit");
    actionNameLineEdit->setReadOnly(true);
    nameRow->addWidget(actionNameLineEdit);
    rows->addLayout(nameRow);

    auto* vmGroup =
        named(new QGroupBox(VmTableWidget::tr("Operacje na wybranych VM"), this), "vmActionVmGroup");
    auto* vmRows = new QVBoxLayout(vmGroup);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(new QLabel(VmTableWidget::tr("Operacja na VM:"), vmGroup));
    typeRow->addSpacing(10);
    actionTypeCombo = named(new QComboBox(vmGroup), "vmActionTypeCombo");
    actionTypeCombo->addItem(VmTableWidget::tr("Wyłącz"), 1);
    actionTypeCombo->addItem(VmTableWidget::tr("Uśpij"), 2);
    actionTypeCombo->addItem(VmTableWidget::tr("Reset"), 3);
    actionTypeCombo->addItem(VmTableWidget::tr("Uruchom"), 0);
    typeRow->addWidget(actionTypeCombo);
    typeRow->addStretch();
    vmRows->addLayout(typeRow);
    allVmsCheckBox = named(
        new QCheckBox(VmTableWidget::tr("Wykonaj operację na wszystkich maszynach na wybranych hostach"),
                      vmGroup),
        "vmAllVmsCheckBox");
    vmRows->addWidget(allVmsCheckBox);
    rows->addWidget(vmGroup);

    auto* hostGroup =
        named(new QGroupBox(VmTableWidget::tr("Operacje na wybranych hostach"), this), "vmActionHostGroup");
    auto* hostRow = new QHBoxLayout(hostGroup);
    hostPowerOffCheckBox =
        named(new QCheckBox(VmTableWidget::tr("Po wykonaniu akcji wyłącz wybrane hosty"), hostGroup),
              "vmHostPowerOffCheckBox");
    hostRow->addWidget(hostPowerOffCheckBox);
    hostRow->addSpacing(10);
    hostPowerOffWarning = named(new QLabel(hostGroup), "vmHostPowerOffWarning");
    hostPowerOffWarning->setPixmap(QPixmap(QStringLiteral(":/img/img/host_poweroff_warning.png")));
    hostPowerOffWarning->setToolTip(VmTableWidget::tr(
        "Uwaga: Wszystkie uruchomione i nie wyłączone (nie uśpione) maszyny wirtualne mogą zostać wyłączone "
        "razem z hostem.\nUpewnij się, że wszystkie maszyny wirtualne są bezpiecznie wyłączone przed "
        "zamknięciem hosta, aby uniknąć utraty danych.\nZaznaczenie opcji 'Wykonaj operację na wszystkich "
        "maszynach' spowoduje, że\nwszystkie działające maszyny wirtualne zostaną bezpiecznie wyłączone."));
    hostPowerOffWarning->hide();
    hostRow->addWidget(hostPowerOffWarning);
    hostRow->addStretch();
    rows->addWidget(hostGroup);

    hide();

    connect(actionCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VmActionEditor::slot_cb_action_list_changed);
    connect(actionTypeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VmActionEditor::slot_cb_vm_action_type_changed);
    connect(hostPowerOffCheckBox, &QCheckBox::toggled, this, &VmActionEditor::slot_chb_actions_toggled);
    connect(allVmsCheckBox, &QCheckBox::toggled, this, &VmActionEditor::slot_chb_actions_toggled);
    connect(actionNameLineEdit, &QLineEdit::textChanged, this, &VmActionEditor::slot_le_action_name_changed);
    connect(actionNewButton, &QPushButton::released, this, &VmActionEditor::slot_btn_action_new);
    connect(actionEditButton, &QPushButton::released, this, &VmActionEditor::slot_btn_action_edit);
    connect(actionRemoveButton, &QPushButton::released, this, &VmActionEditor::slot_btn_action_remove);
    connect(actionApplyButton, &QPushButton::released, this, &VmActionEditor::slot_btn_action_apply);
    connect(actionCancelButton, &QPushButton::released, this, &VmActionEditor::slot_btn_action_cancel);
}

bool VmActionEditor::isEditingAction() const
{
    return table->mode() == VmTableWidget::ActionNew || table->mode() == VmTableWidget::ActionEdit;
}

void VmActionEditor::fillActionCombo(QComboBox* combo, const QList<ActionParameters>& actions,
                                     const int* keptId)
{
    combo->clear();
    int current = 0;
    for (const ActionParameters& action : actions) {
        if (keptId && action.action_id == *keptId)
            current = combo->count();
        combo->addItem(action.name.isEmpty() ? QStringLiteral("<Action ID %1>").arg(action.action_id)
                                             : action.name,
                       action.action_id);
    }
    if (combo->count() > 0)
        combo->setCurrentIndex(current);
}

bool VmActionEditor::selectedActionId(const QComboBox* combo, int* id)
{
    const QVariant data = combo->currentData();
    bool ok = false;
    *id = data.toInt(&ok);
    return combo->currentIndex() >= 0 && data.isValid() && ok;
}

const VmActionEditor::ActionParameters* VmActionEditor::findAction(int id) const
{
    for (const ActionParameters& action : actions) {
        if (action.action_id == id)
            return &action;
    }
    return nullptr;
}

void VmActionEditor::loadSelectedAction()
{
    int id = -1;
    const bool selected = selectedActionId(actionCombo, &id);
    table->removePlaceholders();
    const ActionParameters* action = selected ? findAction(id) : nullptr;
    if (!action)
        return;
    actionNameLineEdit->setText(action->name);
    if (actionTypeCombo->currentData().toInt() != action->action_type) {
        const int index = actionTypeCombo->findData(action->action_type);
        if (index >= 0)
            actionTypeCombo->setCurrentIndex(index);
    }
    allVmsCheckBox->setChecked(action->apply_to_all_running_vm);
    hostPowerOffCheckBox->setChecked(action->power_off_selected_hosts_after_vm_shutdown);
    // markItems may append placeholders, which changes the list the action lives in.
    const QList<VmActionTarget> targets = action->selected_items;
    table->setAllMarks(false);
    table->markItems(targets);
}

void VmActionEditor::followMode()
{
    const int m = table->mode();
    const bool editing = isEditingAction();
    const bool shown = m == VmTableWidget::ActionView || editing;
    const QSignalBlocker blockCombo(actionCombo);
    const QSignalBlocker blockType(actionTypeCombo);
    const QSignalBlocker blockAll(allVmsCheckBox);
    const QSignalBlocker blockPowerOff(hostPowerOffCheckBox);
    const QSignalBlocker blockName(actionNameLineEdit);

    bool hostOperation = false;
    bool warning = false;
    if (!shown) {
        if (actionCombo->count() > 0)
            actionCombo->clear();
    } else {
        if (m == VmTableWidget::ActionView && actionCombo->count() != actions.size())
            fillActionCombo(actionCombo, actions, nullptr);
        const bool targetsReadOnly = !editing;
        bool contextSet = false;
        if (table->checkContext() != VmTableWidget::ActionTargets || table->isReadOnly() != targetsReadOnly) {
            table->setCheckContext(VmTableWidget::ActionTargets, targetsReadOnly);
            contextSet = true;
        }
        if (contextSet || m == VmTableWidget::ActionView)
            loadSelectedAction();
        if (editing) {
            const int type = actionTypeCombo->currentData().toInt();
            hostOperation = type == 1 || type == 2;
            if (!hostOperation)
                hostPowerOffCheckBox->setChecked(false);
            if (!table->hasCheckedHost()) {
                allVmsCheckBox->setChecked(false);
                hostPowerOffCheckBox->setChecked(false);
            }
            warning = hostOperation && !allVmsCheckBox->isChecked() && hostPowerOffCheckBox->isChecked();
        }
    }

    int id = -1;
    // An action the service has not stored yet (id -1 until its list comes back)
    // can be neither edited nor removed.
    const bool storedSelected = selectedActionId(actionCombo, &id) && id >= 0;
    const bool hostMarked = table->hasCheckedHost();
    setVisible(shown);
    actionCombo->setEnabled(m == VmTableWidget::ActionView);
    actionNewButton->setEnabled(m == VmTableWidget::ActionView);
    actionEditButton->setEnabled(m == VmTableWidget::ActionView && storedSelected);
    actionRemoveButton->setEnabled(m == VmTableWidget::ActionView && storedSelected);
    actionApplyButton->setEnabled(editing && !actionNameLineEdit->text().isEmpty());
    actionCancelButton->setEnabled(editing);
    actionNameLineEdit->setReadOnly(!editing);
    actionNameLineEdit->setEnabled(editing);
    actionTypeCombo->setEnabled(editing);
    allVmsCheckBox->setEnabled(editing && hostMarked);
    hostPowerOffCheckBox->setEnabled(editing && hostOperation && hostMarked);
    hostPowerOffWarning->setVisible(editing && warning);
}

void VmActionEditor::setActions(const QList<ActionParameters>& list)
{
    actions = list;
    if (table->mode() != VmTableWidget::ActionView)
        return;
    int id = -1;
    const bool selected = selectedActionId(actionCombo, &id);
    {
        const QSignalBlocker block(actionCombo);
        fillActionCombo(actionCombo, actions, selected ? &id : nullptr);
    }
    // The panel shows the action the combo now names, as the service holds it.
    table->setMode(VmTableWidget::ActionView);
    table->refreshTable();
}

void VmActionEditor::slot_cb_action_list_changed(int)
{
    if (table->mode() != VmTableWidget::ActionView)
        return;
    followMode();
    table->refreshTable();
}

void VmActionEditor::slot_cb_vm_action_type_changed(int)
{
    if (!isEditingAction())
        return;
    followMode();
    table->refreshTable();
}

void VmActionEditor::slot_chb_actions_toggled(bool)
{
    if (!isEditingAction())
        return;
    followMode();
    table->refreshTable();
}

void VmActionEditor::slot_le_action_name_changed(QString)
{
    if (!isEditingAction())
        return;
    followMode();
    table->refreshTable();
}

void VmActionEditor::slot_btn_action_new()
{
    if (table->mode() != VmTableWidget::ActionView)
        return;
    table->setMode(VmTableWidget::ActionNew);
    table->refreshTable();
}

void VmActionEditor::slot_btn_action_edit()
{
    if (table->mode() != VmTableWidget::ActionView)
        return;
    table->setMode(VmTableWidget::ActionEdit);
    table->refreshTable();
}

void VmActionEditor::slot_btn_action_cancel()
{
    if (!isEditingAction())
        return;
    table->setMode(VmTableWidget::ActionView);
    table->refreshTable();
}

void VmActionEditor::slot_btn_action_remove()
{
    if (table->mode() != VmTableWidget::ActionView)
        return;
    int id = -1;
    const ActionParameters* action = selectedActionId(actionCombo, &id) ? findAction(id) : nullptr;
    // An action the service never stored has nothing to delete there.
    if (action && id >= 0) {
        QMessageBox box(
            QMessageBox::Question, VmTableWidget::tr("Usuwanie akcji"),
            VmTableWidget::tr("Czy na pewno chcesz usunąć wybraną akcję:\n\"%1\"?").arg(action->name),
            QMessageBox::Yes | QMessageBox::No, table);
        // Enter must not delete an action.
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() == QMessageBox::Yes) {
            for (int i = 0; i < actions.size(); ++i) {
                if (actions.at(i).action_id == id) {
                    actions.removeAt(i);
                    break;
                }
            }
            emit signal_deleteAction(id);
            const QSignalBlocker block(actionCombo);
            actionCombo->clear();
        }
    }
    table->setMode(VmTableWidget::ActionView);
    table->refreshTable();
}

void VmActionEditor::slot_btn_action_apply()
{
    const int m = table->mode();
    if (m != VmTableWidget::ActionNew && m != VmTableWidget::ActionEdit)
        return;
    const QString name = actionNameLineEdit->text().simplified();
    int editedId = -1;
    if (m == VmTableWidget::ActionEdit && !selectedActionId(actionCombo, &editedId))
        editedId = -1;
    bool taken = false;
    for (const ActionParameters& action : actions) {
        if (m == VmTableWidget::ActionEdit && action.action_id == editedId)
            continue;
        taken = taken || action.name.simplified().compare(name, Qt::CaseInsensitive) == 0;
    }
    QString refusal;
    if (name.isEmpty())
        refusal = VmTableWidget::tr("Nazwa akcji nie może być pusta");
    else if (taken)
        refusal = VmTableWidget::tr("Akcja o podanej nazwie już istnieje");
    else if (m == VmTableWidget::ActionEdit && editedId < 0)
        // The edit names no action the service holds: saying nothing would lose it unnoticed.
        refusal = VmTableWidget::tr("Edytowana akcja nie jest zapisana w usłudze");
    if (!refusal.isEmpty()) {
        QMessageBox::critical(table, VmTableWidget::tr("Błąd"), refusal, QMessageBox::Ok);
        table->setMode(VmTableWidget::ActionView);
        table->refreshTable();
        return;
    }

    ActionParameters action;
    action.action_id = editedId;
    action.name = name;
    action.action_type = actionTypeCombo->currentData().toInt();
    action.apply_to_all_running_vm = allVmsCheckBox->isChecked();
    action.power_off_selected_hosts_after_vm_shutdown = hostPowerOffCheckBox->isChecked();
    action.selected_items = table->checkedItems();
    if (m == VmTableWidget::ActionNew) {
        actions.append(action);
        emit signal_addNewAction(action);
    } else {
        for (ActionParameters& stored : actions) {
            if (stored.action_id == editedId)
                stored = action;
        }
        emit signal_replaceAction(editedId, action);
    }
    {
        const QSignalBlocker block(actionCombo);
        actionCombo->clear();
    }
    table->setMode(VmTableWidget::ActionView);
    table->refreshTable();
}
