#pragma once

#include "link/virtualizationcenterhost.h"
#include "link/virtualizationcenterhostvmsinfo.h"
#include "panel/base/awaitedanswer.h"
#include "panel/base/sessionstamp.h"
#include "vmtablewidget.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QWidget>

class AnswerWait;
class QTimer;
class QVBoxLayout;
namespace Luminorix {
class UpsSocketController;
}

// The virtual machines tab: the one host and VM table, fed with what the
// service reports and turning the table's signals into requests. While open it
// polls once a second and asks for the machines of one host per tick in turn;
// the table is usable only while its host data is fresh and the centre is on.
class VirtCentWindowTabVirtualization : public QWidget
{
    Q_OBJECT

public:
    static constexpr int pollIntervalMs = 1000;
    // Host data older than this leaves the table disabled.
    static constexpr int hostListFreshMs = 30000;

    explicit VirtCentWindowTabVirtualization(Luminorix::UpsSocketController* controller,
                                             QWidget* parent = nullptr);

    // The longest a run of an action may stay unanswered.
    static constexpr int runAnswerMs = 30000;

    // The first requests, then the poll.
    void start();
    // The administrator's session ended: no more polls, nothing more to click.
    void endSession();

    // The details text of a host in the table for the status of its machines reply.
    static QString detailsText(const VirtualizationCenterHostVmsInfo& info);

public slots:
    void slot_timer_update();
    void slot_virtualizationCenterEnabledReceived(bool is_enabled);
    void slot_virtualizationCenterHostManagementReceived(VmTableWidget::ManagementConfig management_config);
    void slot_virtualizationCenterHostManagementSetResultReceived(bool has_error, QString error_str);
    void slot_virtualizationCenterActionListReceived(QList<VmTableWidget::ActionParameters> action_list);
    void slot_virtualizationCenterAddActionResultReceived(bool has_error, QString error_str);
    void slot_virtualizationCenterEditActionResultReceived(bool has_error, QString error_str);
    void slot_virtualizationCenterDeleteActionResultReceived(bool has_error, QString error_str);
    void slot_virtualizationCenterRunActionResultReceived(bool has_error, QString error_str);
    void slot_virtualizationCenterHostListReceived(QList<VirtualizationCenterHost> hosts);
    void slot_virtualizationCenterHostVmsInfoReceived(VirtualizationCenterHostVmsInfo host_vms_info);

private slots:
    void slot_updateManagementOptions(VmTableWidget::ManagementConfig management_config);
    void slot_addNewAction(VmTableWidget::ActionParameters action);
    void slot_replaceAction(int action_id, VmTableWidget::ActionParameters action);
    void slot_deleteAction(int action_id);
    void slot_runAction(int action_id);

private:
    bool hostDataFresh() const;
    void runUnanswered();
    // Shows `text` with `error_str` when the service reports an error.
    bool reportError(bool has_error, const QString& text, const QString& error_str);

    Luminorix::UpsSocketController* controller;
    // The session the centre was opened in: its changes go out in it only.
    SessionStamp session;
    QVBoxLayout* layout;
    VmTableWidget* vm_table;
    bool vc_enabled = false;
    QList<VirtualizationCenterHost> polled_hosts;
    QElapsedTimer host_list_age;
    QTimer* update_timer;
    AnswerWait* run_wait;
    // Each result is this tab's only after its own request: the same controller
    // also brings those of a window closed before this one opened.
    bool wait_management_result = false;
    // After two changes in a row the read-back of the first comes before the
    // one that shows the second.
    AwaitedAnswer<VmTableWidget::ManagementConfig> management_reread;
    bool wait_add_action = false;
    bool wait_edit_action = false;
    bool wait_delete_action = false;
    bool wait_run_action = false;
    // Whose machines the next tick asks for: one position for the whole
    // program, so that reopening the window goes on where it stopped.
    static int next_host_index;
};

// The tab's links to the service controller: the enabled state, the host list,
// the machines of a host, the management configuration, the actions and the
// results of changing them.
void connectToService(VirtCentWindowTabVirtualization* tab, Luminorix::UpsSocketController* controller);
