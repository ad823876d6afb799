#pragma once

#include "link/virtualizationcenteraddhostresult.h"
#include "link/virtualizationcenterchangehostsettingsresult.h"
#include "link/virtualizationcenteresxishhhost.h"
#include "link/virtualizationcenterhost.h"
#include "panel/base/awaitedanswer.h"
#include "panel/base/sessionstamp.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class AnswerWait;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
namespace Luminorix {
class UpsSocketController;
}

// The hypervisor hosts the service knows: pick one, see and edit the settings of
// a host reached over SSH, add such a host, remove one, and have the service test
// its connection. The tab keeps no settings: every value comes from the service
// and every change is one request. It acts on the first reply of each kind after
// its own request and ignores the rest (the virtual machines tab polls the host
// list each second through the same controller).
class VirtCentWindowTabHosts : public QWidget
{
    Q_OBJECT

public:
    // 0 no host shown, 1 host shown, 2 adding a host, 3 editing the shown host, 4 test running.
    // The longest a connection test may take before the tab stops waiting for it.
    static constexpr int testAnswerMs = 60000;

    enum Mode
    {
        Idle = 0,
        HostShown = 1,
        AddingHost = 2,
        EditingHost = 3,
        TestRunning = 4
    };

    explicit VirtCentWindowTabHosts(Luminorix::UpsSocketController* controller, QWidget* parent = nullptr);
    ~VirtCentWindowTabHosts() override;

    // How many host lists that do not show a change yet (a removed host still
    // listed, an added one missing, a renamed one under its old name) are taken
    // as made before it and passed over.
    static constexpr int staleListsAfterChange = 3;

    void requestVirtualizationCenterHostList();
    void requestEsxiSshHostDetails();
    // The administrator's session ended: nothing more to click, nothing to wait for.
    void endSession();
    int mode() const { return currentMode; }

signals:
    void signal_lockControls(bool lock);

public slots:
    void slot_virtualizationCenterHostListReceived(QList<VirtualizationCenterHost> hosts);
    void slot_virtualizationCenterEsxiSshHostDetailsReceived(VirtualizationCenterEsxiShhHost host);
    void slot_virtualizationCenterHostAddNewResultReceived(VirtualizationCenterAddHostResult result);
    void slot_virtualizationCenterEsxiSshHostTestResultReceived(bool has_error, QString error_str);
    void slot_virtualizationCenterChangeHostSettingsResultReceived(
        VirtualizationCenterChangeHostSettingsResult result);

private slots:
    void slot_cb_host_list_selected(int id);
    void slot_btn_add_host();
    void slot_btn_edit_host();
    void slot_btn_remove_host();
    void slot_btn_host_enabled_save();
    void slot_btn_host_name_save();
    void slot_btn_host_conn_save();
    void slot_btn_host_username_save();
    void slot_btn_host_pass_change();
    void slot_btn_test_connection();
    void slot_btn_force_connection();
    void slot_btn_accept_addnewmode();
    void slot_btn_cancel_addnewmode();

private:
    void buildForm();
    void setMode(int mode);
    // The selection has changed to `host`: a form that shows another host goes idle.
    void select(const VirtualizationCenterHost& host);
    void startTest(bool allowConnectNewHost);
    void testUnanswered();
    void endTest();
    void sendEdit(const QMap<QString, QString>& parameters);
    // Asks for a list that shows a change: `host` listed (under `name`, unless
    // that is null) or, with `listed` false, gone.
    void requestListShowing(const VirtualizationCenterHost& host, bool listed,
                            const QString& name = QString());
    int typedPort() const;

    void clearHostFields();
    bool validateHostName(const QString& name, int excludedId);
    bool validateHostConnection(const QString& address, int port);
    bool validateUserName(const QString& user_name);
    void warn(const QString& text);

    Luminorix::UpsSocketController* controller;
    // The session the centre was opened in: its changes go out in it only.
    SessionStamp session;

    QComboBox* cb_host_list;
    QPushButton* btn_add_host;
    QPushButton* btn_edit_host;
    QPushButton* btn_remove_host;
    QGroupBox* gb_host_params;
    QLabel* lbl_host_config;
    QCheckBox* chk_host_enabled;
    QLabel* lbl_logfail_icon;
    QLabel* lbl_logfail_text;
    QPushButton* btn_host_enabled_save;
    QLabel* lbl_host_name;
    QLineEdit* le_host_name;
    QPushButton* btn_host_name_save;
    QLabel* lbl_host_address;
    QLineEdit* le_host_address;
    QLabel* lbl_host_port;
    QLineEdit* le_host_port;
    QPushButton* btn_host_conn_save;
    QLabel* lbl_host_username;
    QLineEdit* le_host_username;
    QPushButton* btn_host_username_save;
    QLabel* lbl_host_pass;
    QLineEdit* le_host_pass;
    QPushButton* btn_host_pass_change;
    QPushButton* btn_accept_addnewmode;
    QPushButton* btn_cancel_addnewmode;
    QGroupBox* gb_host_test;
    QLabel* lbl_test_connection;
    QPushButton* btn_test_connection;
    QPushButton* btn_force_connection;
    QLabel* lbl_test_result;
    QTextEdit* te_test_result;
    // A test whose answer was lost (the service restarted, the link dropped)
    // would otherwise keep the whole tab locked.
    AnswerWait* test_wait;

    QList<VirtualizationCenterHost> host_list;
    VirtualizationCenterHost selected_host;
    // The host whose details fill the form (type -1 when none does).
    VirtualizationCenterHost shown_host;
    int currentMode = Idle;
    AwaitedAnswer<QList<VirtualizationCenterHost>> host_list_answer;
    bool wait_host_details = false;
    bool wait_add_result = false;
    bool wait_edit_result = false;
    // A details reply about another host asks again once per selection, so a
    // service that keeps answering about the wrong host cannot start a loop.
    bool details_asked_again = false;
    // A host added or renamed that no list taken since shows: its name is taken
    // all the same (type and id -1 while an add is unanswered).
    VirtualizationCenterHost unlisted_host;
    // The name of a rename under way, null when none is.
    QString saved_name;
};

// The tab's links to the service controller: host list, details, add, edit and test results.
void connectToService(VirtCentWindowTabHosts* tab, Luminorix::UpsSocketController* controller);
