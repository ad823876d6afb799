#pragma once

#include "vmhoststore.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QPair>
#include <QString>
#include <QVector>
#include <QWidget>

class CustomTableWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTableWidgetItem;
class QVBoxLayout;
class VmActionEditor;

// The host and VM table of the virtualization centre, with its four tabs:
// overview, the choice of the managing system, the power actions and their
// test. Data in, rows out: the virtual machines tab feeds it the service's
// replies (setHostList, setHostVms, updateHost, setVmName, setVmState, then
// refreshTable; setManagementConfig, setActionList) and turns its five signals
// into requests. It never talks to the service itself.
//
// The rows and their marks live in the store, not in the table, which shows
// the store on every refresh.
class VmTableWidget : public QWidget, public VmTableWidgetTypes
{
    Q_OBJECT

public:
    // Item data of the rows' column-0 items (and the indent of column 1).
    enum ItemRole
    {
        HostTypeRole = Qt::UserRole + 1, // 257
        HostIdRole = Qt::UserRole + 2,   // 258
        VmIdRole = Qt::UserRole + 3,     // 259, -1 on a host row
        IndentRole = Qt::UserRole + 4,   // 260, pixels
    };

    enum Mode
    {
        Overview = 0,       // tab "Podgląd"
        ManagementView = 1, // tab "System zarządzający", read only
        ManagementEdit = 2, // the same, editing
        ActionView = 3,     // tab "Akcje", browsing
        ActionNew = 4,      // a new action
        ActionEdit = 5,     // editing the selected action
        ActionTest = 6,     // tab "Testowanie akcji"
    };

    using CheckContext = VmHostStore::CheckContext;
    static constexpr CheckContext NoMarks = VmHostStore::NoMarks;
    static constexpr CheckContext ActionTargets = VmHostStore::ActionTargets;
    static constexpr CheckContext ManagerPick = VmHostStore::ManagerPick;
    static constexpr int HostPlaceholder = VmHostStore::HostPlaceholder;
    static constexpr int VmPlaceholder = VmHostStore::VmPlaceholder;
    using HostEntry = VmHostStore::HostEntry;
    using VmEntry = VmHostStore::VmEntry;

    // The three strings are the header labels of columns 1 to 3.
    VmTableWidget(QString nameHeader, QString stateHeader, QString detailsHeader, QWidget* parent = nullptr);
    ~VmTableWidget() override;

    // Merges of the service's replies; each is ignored (reports success) while
    // the check context is ActionTargets or ManagerPick.
    void setHostList(int host_type, QList<int> host_ids);
    bool setHostVms(int host_type, int host_id, QList<int> vm_ids);
    bool updateHost(int host_type, int host_id, QString name, int status, QString details);
    bool setVmName(int host_type, int host_id, int vm_id, QString name);
    bool setVmState(int host_type, int host_id, int vm_id, int state, int pending);

    // Stores applied in every context; neither refreshes the table.
    void setManagementConfig(ManagementConfig config);
    void setActionList(QList<ActionParameters> actions);

    // Null when there is no such entry. The pointers stay valid until the host
    // list changes.
    const HostEntry* findHost(int host_type, int host_id) const;
    const VmEntry* findVm(int host_type, int host_id, int vm_id) const;

    // Marks. A vm_id below 0 means the host row.
    void setCheckContext(CheckContext context, bool readOnly);
    void setItemMark(bool checked, int host_type, int host_id, int vm_id);
    void setAllMarks(bool checked);
    void markItems(QList<VmActionTarget> targets);
    void removePlaceholders();
    QList<VmActionTarget> checkedItems() const;
    bool hasCheckedHost() const;
    bool hasCheckedVm() const;

    void refreshTable();
    // After a re-read of the management configuration: the view of the managing
    // system (when shown) follows what the service holds, marks included.
    void showCommittedManagement();
    // A run of the test panel is out: "Wykonaj akcję" stays disabled until its
    // result (or the end of the wait for it) clears this.
    void setRunPending(bool pending);
    bool isRunPending() const { return runPending; }
    void setMode(int mode);

    int mode() const;
    CheckContext checkContext() const;
    bool isReadOnly() const;
    ManagementConfig managementConfig() const;
    QList<ActionParameters> actionList() const;
    const QList<HostEntry>& hostList() const;

    void clearHosts();
    void clearActions();
    void clearAll();

signals:
    void signal_updateManagementOptions(VmTableWidget::ManagementConfig management_config);
    void signal_addNewAction(VmTableWidget::ActionParameters action);
    void signal_replaceAction(int action_id, VmTableWidget::ActionParameters action);
    void signal_deleteAction(int action_id);
    void signal_runAction(int action_id);

private slots:
    void slot_globalCheckBoxChanged(int state);
    void slot_itemCheckBoxChanged(QTableWidgetItem* sender);
    void slot_tab_mode_changed(int index);
    void slot_cb_config_management_changed(int index);
    void slot_chb_ups_shutdown_changed(int state);
    void slot_btn_change_management_vm();
    void slot_btn_management_apply();
    void slot_btn_management_cancel();
    void slot_btn_action_test();

private:
    void buildManagementPanel(QVBoxLayout* layout);
    void buildTestPanel(QVBoxLayout* layout);
    void updateManagementPanel();
    void updateTestPanel();
    // What one row of the table shows, so a refresh rewrites only the rows
    // whose look differs from what the store now holds.
    struct ShownRow
    {
        int host_type = -1;
        int host_id = -1;
        int vm_id = -1; // -1 on a host row
        QString name;
        QString details;
        int code = 0;         // host status or VM state
        bool pending = false; // a power operation under way
        bool manager = false;
        bool boxEnabled = false;
        bool boxChecked = false;
        bool operator==(const ShownRow& other) const;
        bool operator!=(const ShownRow& other) const { return !(*this == other); }
        QPair<QPair<int, int>, int> key() const { return {{host_type, host_id}, vm_id}; }
    };
    using RowKey = QPair<QPair<int, int>, int>;
    QVector<ShownRow> wantedRows() const;
    void writeRow(int row, const ShownRow& shown);
    // The text and look of each cell of a row, by which the columns are fitted.
    void countCells(const ShownRow& shown, int delta);
    // The store's rows, in a new order or number: kept rows move with their items.
    void moveRows(const QVector<ShownRow>& wanted);
    QString statusText(int status) const;
    QIcon statusIcon(int status) const;
    QString stateText(int state) const;
    QIcon stateIcon(int state) const;

    // state
    int currentMode = Overview;
    bool runPending = false;
    VmHostStore store;
    ManagementConfig edited;

    // the rows as shown and the store's revision they show
    static constexpr int ColumnCount = 4;
    QVector<ShownRow> shownRows;
    quint64 shownRevision = 0;
    bool shownOnce = false;
    // A box the reader clicked shows what the store did not take: its row is written again.
    bool boxClicked = false;
    // How many cells of each column show each text and look; a column is fitted
    // again when a text or look comes or goes.
    QHash<QString, int> cellCounts[ColumnCount];
    bool columnChanged[ColumnCount] = {};

    // pictures, read once
    struct Icons
    {
        QIcon host, hostDisabled, hostDispass, hostOffline, hostOnline, hostInvalid, hostUpdate;
        QIcon vmMaster, vmNormal, vmRunning, vmSuspended, vmPoweroff, vmChanging;
    } icons;

    // widgets
    QTabBar* tabBar = nullptr;
    CustomTableWidget* table = nullptr;
    QCheckBox* headerCheckBox = nullptr;

    QGroupBox* managementGroup = nullptr;
    QComboBox* managementTypeCombo = nullptr;
    QLineEdit* managerLineEdit = nullptr;
    QCheckBox* upsShutdownCheckBox = nullptr;
    QPushButton* managementEditButton = nullptr;
    QPushButton* managementApplyButton = nullptr;
    QPushButton* managementCancelButton = nullptr;

    VmActionEditor* actionEditor = nullptr;

    QGroupBox* testGroup = nullptr;
    QComboBox* testActionCombo = nullptr;
    QPushButton* testRunButton = nullptr;
};
