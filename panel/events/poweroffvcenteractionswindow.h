#pragma once

#include "link/vmtablewidgettypes.h"

#include <QDialog>
#include <QList>
#include <QSharedPointer>
#include <QString>

class DialogRelay;
class PowerOffAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QSpinBox;
namespace Luminorix {
class UpsSocketController;
}

// Edits the system power-off of one event: which virtualization-centre actions
// run, how the system shuts down, whether the UPS goes off after it, and the
// delay. It asks the service how the centre is set up and offers what that
// allows; until an answer comes, what the record holds is kept.
class PowerOffVCenterActionsWindow : public QDialog
{
    Q_OBJECT

public:
    // Shutdown modes, in radio order; the record stores them as texts.
    enum Mode
    {
        StandardShutdown,
        ForcedShutdown,
        Hibernation,
        Reboot,
        NoAction
    };

    PowerOffVCenterActionsWindow(Luminorix::UpsSocketController* controller, QWidget* parent = nullptr);

    // Sends the four questions about the virtualization centre; only the first
    // answer of each kind after this counts.
    void requestVirtualizationCentre();

    void setDelay(int seconds);
    int delay() const;
    void setPowerOffUps(bool powerOff);
    bool isPowerOffUps() const;
    void setShutdownMode(int mode);
    int shutdownMode() const;
    void setSelectedActionIds(const QList<int>& ids);
    QList<int> checkedActionIds() const;
    void setGroupHasLocalComputer(bool has);
    void setUpsPowerOffSupported(bool supported);

    // The record into the dialog and back. The ids go back as they came while
    // the service has not listed its actions: unlisted is not unchecked.
    void showAction(const PowerOffAction& action);
    void writeAction(PowerOffAction& action) const;

    // Runs the dialog, wired to `controller` and the opener's `relay`, on
    // `action` (none yet: the dialog's defaults). OK writes the record back,
    // making one when there was none; Cancel changes nothing. True on OK.
    static bool editAction(QSharedPointer<PowerOffAction>& action, Luminorix::UpsSocketController* controller,
                           const DialogRelay& relay, QWidget* parent, bool groupHasLocalComputer,
                           bool upsPowerOffSupported);

    // "shutdown" ... "no_action"; any other text is NoAction, and so is any
    // other mode.
    static int modeForType(const QString& type);
    static QString typeForMode(int mode);

protected:
    bool event(QEvent* event) override;

private slots:
    void slot_virtualizationCenterVersionReceived(QString vc_version);
    void slot_virtualizationCenterEnabledReceived(bool is_enabled);
    void
    slot_virtualizationCenterHostManagementReceived(VmTableWidgetTypes::ManagementConfig management_config);
    void slot_virtualizationCenterActionListReceived(QList<VmTableWidgetTypes::ActionParameters> action_list);
    void slot_actionsListSelectionChanged(QListWidgetItem* changedItem);
    void slot_rb_poweroff_changed(bool checked);

private:
    friend void connectToService(PowerOffVCenterActionsWindow* dialog,
                                 Luminorix::UpsSocketController* controller, const DialogRelay& relay);

    bool isManagerMode() const;
    bool powersOffManager(const VmTableWidgetTypes::ActionParameters& action) const;
    void updateUi(bool full);
    void updateManagerWarning();

    Luminorix::UpsSocketController* controller;
    bool vcEnabled = false;
    VmTableWidgetTypes::ManagementConfig management;
    bool awaitingVersion = false;
    bool awaitingEnabled = false;
    bool awaitingManagement = false;
    bool awaitingActionList = false;
    bool enabledAnswered = false;
    bool actionListAnswered = false;
    bool groupHasLocalComputer = false;
    bool upsPowerOffSupported = true;
    bool storedPowerOffUps = false;
    int storedMode = StandardShutdown;
    QList<VmTableWidgetTypes::ActionParameters> actions;
    QList<int> selectedIds;

    QListWidget* actionList;
    QLabel* managerWarningIcon;
    QLabel* managerWarningLabel;
    QLabel* systemNoteIcon;
    QLabel* systemNoteLabel;
    QList<QRadioButton*> modeRadios;
    QLabel* upsNoteIcon;
    QLabel* upsNoteLabel;
    QCheckBox* powerOffUpsCheckBox;
    QSpinBox* delaySpinBox;
};

// The four answers of the service to the dialog's slots; nothing the window
// forwards concerns it.
void connectToService(PowerOffVCenterActionsWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
