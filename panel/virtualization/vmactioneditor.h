#pragma once

#include "link/vmtablewidgettypes.h"

#include <QGroupBox>
#include <QList>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class VmTableWidget;

// The action panel of the host and VM table (tab "Akcje"): lists the actions
// the service holds, shows the selected one with its targets marked in the
// table, and creates, edits and removes actions. It marks rows and changes the
// table's mode through the table; the service hears of its edits through its
// three signals, which the table passes on as its own.
class VmActionEditor : public QGroupBox, public VmTableWidgetTypes
{
    Q_OBJECT

public:
    VmActionEditor(VmTableWidget* table, QWidget* parent);

    // The service's list; the combo in view is filled again, its choice kept where it still exists.
    void setActions(const QList<ActionParameters>& list);
    const QList<ActionParameters>& actionList() const { return actions; }
    void clearActions() { actions.clear(); }
    // Shows, enables and fills the panel for the table's mode; run on every mode change.
    void followMode();

    // One item per action, its id as data; the item of `keptId` (when given) is made current, else the first.
    static void fillActionCombo(QComboBox* combo, const QList<ActionParameters>& actions, const int* keptId);
    // The id of the combo's current item; false when there is none.
    static bool selectedActionId(const QComboBox* combo, int* id);

signals:
    void signal_addNewAction(VmTableWidgetTypes::ActionParameters action);
    void signal_replaceAction(int action_id, VmTableWidgetTypes::ActionParameters action);
    void signal_deleteAction(int action_id);

private slots:
    void slot_cb_action_list_changed(int index);
    void slot_cb_vm_action_type_changed(int index);
    void slot_chb_actions_toggled(bool checked);
    void slot_le_action_name_changed(QString text);
    void slot_btn_action_new();
    void slot_btn_action_edit();
    void slot_btn_action_remove();
    void slot_btn_action_apply();
    void slot_btn_action_cancel();

private:
    bool isEditingAction() const;
    const ActionParameters* findAction(int id) const;
    // Shows the action chosen in the action combo: its fields and its targets marked.
    void loadSelectedAction();

    VmTableWidget* table;
    QList<ActionParameters> actions;

    QComboBox* actionCombo = nullptr;
    QPushButton* actionNewButton = nullptr;
    QPushButton* actionEditButton = nullptr;
    QPushButton* actionRemoveButton = nullptr;
    QPushButton* actionApplyButton = nullptr;
    QPushButton* actionCancelButton = nullptr;
    QLineEdit* actionNameLineEdit = nullptr;
    QComboBox* actionTypeCombo = nullptr;
    QCheckBox* allVmsCheckBox = nullptr;
    QCheckBox* hostPowerOffCheckBox = nullptr;
    QLabel* hostPowerOffWarning = nullptr;
};
