// The virtual machines tab against the stand-in: the poll and its rotation, the
// table's freshness, and the actions and the managing system changed through the
// table, with the exact requests and the messages of the service's results.
#include "panel/base/answerwait.h"
#include "panel/virtualization/virtcentwindowtabvirtualization.h"
#include "panel/virtualization/vmtablewidget.h"
#include "rowbox.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "vcrig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <functional>

using Controller = Luminorix::UpsSocketController;

namespace {
const QString title = QStringLiteral("Centrum wirtualizacji");
const QString hostVmsRequest = QStringLiteral("get_virtualization_center_hostvmsinfo");
const QString actionListRequest = QStringLiteral("get_virtualization_center_action_list");
const QString managementRequest = QStringLiteral("get_virtualization_center_host_management");

// The tab on a controller connected to the stand-in. Its poll timer is stopped
// at once: the test ticks by calling the slot.
struct VmTab
{
    VcRig vc;
    VirtCentWindowTabVirtualization tab{&vc.controller};
    QSignalSpy lists{&vc.controller, &Controller::virtualizationCenterHostListReceived};
    QSignalSpy infos{&vc.controller, &Controller::virtualizationCenterHostVmsInfoReceived};
    QSignalSpy actionLists{&vc.controller, &Controller::virtualizationCenterActionListReceived};

    bool start(bool answered = true)
    {
        if (!vc.start())
            return false;
        connectToService(&tab, &vc.controller);
        tab.resize(900, 700);
        tab.show();
        tab.start();
        tab.findChild<QTimer*>(QStringLiteral("update_timer"))->stop();
        return !answered || QTest::qWaitFor([&] { return actionLists.count() > 0; }, 20000);
    }
    // One tick, and its answers (the host list, the machines of one host).
    bool tick()
    {
        const int listsBefore = lists.count();
        const int infosBefore = infos.count();
        tab.slot_timer_update();
        return QTest::qWaitFor([&] { return lists.count() > listsBefore && infos.count() > infosBefore; },
                               20000);
    }
    // Ticks until every host has reported its machines once.
    bool loadAll()
    {
        for (int i = 0; i < 3; ++i) {
            if (!tick())
                return false;
        }
        return true;
    }
    VmTableWidget* table() { return tab.findChild<VmTableWidget*>(QStringLiteral("vm_table")); }
    template <class W> W* child(const char* name) { return table()->findChild<W*>(QLatin1String(name)); }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    void goToTab(int index) { child<QTabBar>("vmTabBar")->setCurrentIndex(index); }
    // Clicks the check box of the row of a host (vmId -1) or of one of its machines.
    void clickMark(int hostId, int vmId)
    {
        QVERIFY2(::clickMark(child<QTableWidget>("vmTable"), hostId, vmId), "no such row");
    }
    void selectAction(const char* comboName, const QString& text)
    {
        auto* combo = child<QComboBox>(comboName);
        combo->setCurrentIndex(combo->findText(text));
    }
    QStringList comboTexts(const char* comboName)
    {
        QStringList out;
        auto* combo = child<QComboBox>(comboName);
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }
    QStringList worldActions() const
    {
        QStringList out;
        for (const LxSim::ReplyBuilder::Action& a : vc.rig.world.virtualizationCenterActions())
            out << a.name;
        return out;
    }
};

using Step = std::function<void(VmTab&)>;

QString hostVms(int type, int id)
{
    return QStringLiteral("%1/%2").arg(type).arg(id);
}
} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(std::function<void(Luminorix::UpsSocketController&)>)

class TestVirtCentWindowTabVirtualization : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LxTest::closeAllMessageBoxes(); }
    void startupAndRotation();
    void repliesReachTheTable();
    void shrunkListStartsAgain();
    void tableEnabled_data();
    void tableEnabled();
    void detailsText_data();
    void detailsText();
    void createAction();
    void editAction();
    void removeAction();
    void runAction();
    void runOneAtATime_data();
    void runOneAtATime();
    void managingSystem();
    void refusedManagementShowsStored();
    void secondManagementChangeOutlastsTheFirstsReadBack();
    void serviceErrors_data();
    void serviceErrors();
    void othersResultsIgnored_data();
    void othersResultsIgnored();
};

void TestVirtCentWindowTabVirtualization::startupAndRotation()
{
    VmTab t;
    QVERIFY(t.start());
    QCOMPARE(t.vc.names(), (QStringList{"get_virtualization_center_enabled", managementRequest,
                                        "get_virtualization_center_host_list", actionListRequest}));
    QCOMPARE(t.tab.findChild<QTimer*>(QStringLiteral("update_timer"))->interval(), 1000);

    // Each tick: the state, the list, and the machines of one host; every host
    // (of any type) in turn, in the list's order.
    t.vc.rig.server.clearRequests();
    QStringList asked;
    for (int i = 0; i < 6; ++i) {
        QVERIFY(t.tick());
        const QList<LxSim::SimRequest> vms = t.vc.requests(hostVmsRequest);
        asked << hostVms(vms.last().value("host_type").toInt(), vms.last().value("host_id").toInt());
    }
    QCOMPARE(t.vc.count("get_virtualization_center_enabled"), 6);
    QCOMPARE(t.vc.count("get_virtualization_center_host_list"), 6);
    QCOMPARE(t.vc.rig.server.requests().size(), 18);
    QCOMPARE(asked.mid(3), asked.mid(0, 3));
    const QStringList order{hostVms(1, 1), hostVms(1, 2), hostVms(2, 1)};
    const int first = order.indexOf(asked.first());
    QVERIFY(first >= 0);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(asked.at(i), order.at((first + i) % 3));
    QCOMPARE(t.vc.requests(hostVmsRequest).first().raw,
             t.vc.mapRequest(hostVmsRequest, {{"host_id", asked.first().section('/', 1)},
                                              {"host_type", asked.first().section('/', 0, 0)}}));
}

void TestVirtCentWindowTabVirtualization::repliesReachTheTable()
{
    VmTab t;
    QVERIFY(t.start());
    const VmTableWidget* table = t.table();
    // The list alone: the two ESXi hosts, unnamed until their machines come.
    QCOMPARE(table->hostList().size(), 2);
    QVERIFY(table->findHost(1, 1)->name.isEmpty());
    QVERIFY(!table->findHost(2, 1));
    QVERIFY(t.loadAll());
    const VmTableWidget::HostEntry* a = table->findHost(1, 1);
    QCOMPARE(a->name, QStringLiteral("Host A"));
    QCOMPARE(a->status, 4);
    QCOMPARE(a->details, QStringLiteral("Online (VMware ESXi 7.0.3)"));
    QCOMPARE(a->vms.size(), 3);
    QCOMPARE(table->findVm(1, 1, 3)->state, 3);
    const VmTableWidget::VmEntry* files = table->findVm(1, 2, 5);
    QCOMPARE(files->name, QStringLiteral("File server"));
    QCOMPARE(files->state, 2);
    QCOMPARE(files->pending, 1);
    QCOMPARE(table->hostList().size(), 2);
}

// The rotation is one position for the whole program; a list that shrank below
// it starts again at its first host.
void TestVirtCentWindowTabVirtualization::shrunkListStartsAgain()
{
    VmTab t;
    QVERIFY(t.start());
    for (int i = 0; i < 3; ++i) {
        QVERIFY(t.tick());
        if (t.vc.requests(hostVmsRequest).last().value("host_type") == QLatin1String("2"))
            break;
    }
    QCOMPARE(t.vc.requests(hostVmsRequest).last().value("host_type"), QStringLiteral("2"));
    // The next tick would ask for the fourth host; the list now holds one.
    QList<LxSim::SimWorld::VcHost> hosts = t.vc.rig.world.vcHostList();
    t.vc.rig.world.setVcHosts({hosts.at(1)});
    // This tick still goes by the old list (its first host, gone now) and brings the new one.
    const int listsBefore = t.lists.count();
    t.tab.slot_timer_update();
    QTRY_VERIFY(t.lists.count() > listsBefore);
    QVERIFY(t.tick());
    QCOMPARE(t.vc.requests(hostVmsRequest).last().value("host_id"), QStringLiteral("2"));
    QVERIFY(!t.table()->findHost(1, 1));
}

void TestVirtCentWindowTabVirtualization::tableEnabled_data()
{
    QTest::addColumn<Step>("setUp");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("hostVmsRequests");

    QTest::newRow("fresh list, centre on") << Step([](VmTab&) {}) << true << 1;
    QTest::newRow("centre off") << Step([](VmTab& t) {
        t.vc.rig.world.setVirtualizationCenterEnabled(false);
    }) << false << 1;
    QTest::newRow("no hosts") << Step([](VmTab& t) { t.vc.rig.world.setVcHosts({}); }) << false << 0;
    // A list that never came is as stale as an old one.
    QTest::newRow("no host list yet") << Step([](VmTab& t) {
        t.vc.rig.server.responder().script(QStringLiteral("get_virtualization_center_host_list"), {});
    }) << false << 0;
}

void TestVirtCentWindowTabVirtualization::tableEnabled()
{
    QFETCH(Step, setUp);
    QFETCH(bool, enabled);
    QFETCH(int, hostVmsRequests);

    VmTab t;
    setUp(t);
    QVERIFY(t.start());
    // Before the first tick the tab leaves the table as the table set itself.
    QVERIFY(t.table()->isEnabled());
    t.tab.slot_timer_update();
    QCOMPARE(t.table()->isEnabled(), enabled);
    // The stand-in logs in order: once this arrives, the tick's requests have.
    t.vc.controller.getVirtualizationCenterActionList();
    QVERIFY(t.vc.waitFor(actionListRequest, 2));
    QCOMPARE(t.vc.count(hostVmsRequest), hostVmsRequests);
}

void TestVirtCentWindowTabVirtualization::detailsText_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");

    QTest::newRow("not reported") << 0 << "";
    QTest::newRow("monitoring off") << 1 << "Monitorowanie hosta wyłączone";
    QTest::newRow("blocked by logins") << 2 << "Monitorowanie hosta zablokowane błędami autoryzacji";
    QTest::newRow("off") << 3 << "Host wyłączony lub nieosiągalny";
    QTest::newRow("online") << 4 << "Online (8.0 <u1>)";
    QTest::newRow("error") << 5 << "Błąd komunikacji z hostem (timeout %2)";
    QTest::newRow("above") << 6 << "";
    QTest::newRow("negative") << -1 << "";
}

void TestVirtCentWindowTabVirtualization::detailsText()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    VirtualizationCenterHostVmsInfo info;
    info.status = status;
    info.version = QStringLiteral("8.0 <u1>");
    info.error_info = QStringLiteral("timeout %2");
    QCOMPARE(VirtCentWindowTabVirtualization::detailsText(info), text);
}

void TestVirtCentWindowTabVirtualization::createAction()
{
    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    t.goToTab(2);
    QCOMPARE(t.comboTexts("vmActionCombo"), (QStringList{"Power off host A", "Suspend the file server"}));
    t.button("vmActionNewButton")->click();
    // A new action starts from a copy of the selected one.
    auto* name = t.child<QLineEdit>("vmActionNameLineEdit");
    QCOMPARE(name->text(), QStringLiteral("Power off host A"));
    QVERIFY(t.child<QCheckBox>("vmHostPowerOffCheckBox")->isChecked());
    name->setText(QStringLiteral("  Nightly   <shutdown> "));
    t.child<QComboBox>("vmActionTypeCombo")->setCurrentIndex(1); // "Uśpij"
    t.clickMark(2, 5);
    t.child<QCheckBox>("vmAllVmsCheckBox")->setChecked(true);
    t.button("vmActionApplyButton")->click();

    const QString add = QStringLiteral("set_virtualization_center_action_list_add");
    QVERIFY(t.vc.waitFor(add));
    QCOMPARE(t.vc.requests(add).at(0).raw,
             t.vc.request(add, "<name>Nightly &lt;shutdown&gt;</name><action_type>suspend</action_type>"
                               "<apply_to_all_running_vm>1</apply_to_all_running_vm>"
                               "<power_off_selected_hosts_after_vm_shutdown>1"
                               "</power_off_selected_hosts_after_vm_shutdown>"
                               "<selected_items><host_type>1</host_type><host_id>1</host_id>"
                               "<vm_ids><vm_id>-1</vm_id></vm_ids></selected_items>"
                               "<selected_items><host_type>1</host_type><host_id>2</host_id>"
                               "<vm_ids><vm_id>5</vm_id></vm_ids></selected_items>") +
                 "\n");
    // The result has the list read again; its new item carries the service's id.
    QVERIFY(t.vc.waitFor(actionListRequest, 2));
    QTRY_COMPARE(t.actionLists.count(), 2);
    auto* combo = t.child<QComboBox>("vmActionCombo");
    QCOMPARE(t.comboTexts("vmActionCombo"),
             (QStringList{"Power off host A", "Suspend the file server", "Nightly <shutdown>"}));
    combo->setCurrentIndex(2);
    QCOMPARE(combo->currentData().toInt(), 3);
    QVERIFY(t.button("vmActionEditButton")->isEnabled());
    QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
}

void TestVirtCentWindowTabVirtualization::editAction()
{
    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    t.goToTab(2);
    t.selectAction("vmActionCombo", QStringLiteral("Suspend the file server"));
    t.button("vmActionEditButton")->click();
    auto* name = t.child<QLineEdit>("vmActionNameLineEdit");
    name->setText(QStringLiteral("SUSPEND the file server"));    // its own name in capitals
    t.child<QComboBox>("vmActionTypeCombo")->setCurrentIndex(2); // "Reset"
    QVERIFY(!t.child<QCheckBox>("vmHostPowerOffCheckBox")->isEnabled());
    t.button("vmActionApplyButton")->click();

    const QString edit = QStringLiteral("set_virtualization_center_action_list_edit");
    QVERIFY(t.vc.waitFor(edit));
    QCOMPARE(t.vc.requests(edit).at(0).raw,
             t.vc.request(edit, "<action_id>2</action_id><name>SUSPEND the file server</name>"
                                "<action_type>reset</action_type>"
                                "<apply_to_all_running_vm>0</apply_to_all_running_vm>"
                                "<power_off_selected_hosts_after_vm_shutdown>0"
                                "</power_off_selected_hosts_after_vm_shutdown>"
                                "<selected_items><host_type>1</host_type><host_id>2</host_id>"
                                "<vm_ids><vm_id>5</vm_id></vm_ids></selected_items>") +
                 "\n");
    QTRY_COMPARE(t.actionLists.count(), 2);
    QCOMPARE(t.worldActions(), (QStringList{"Power off host A", "SUSPEND the file server"}));
    QCOMPARE(t.comboTexts("vmActionCombo"), t.worldActions());
    QCOMPARE(t.vc.rig.world.virtualizationCenterActions().at(1).type, QStringLiteral("reset"));
}

void TestVirtCentWindowTabVirtualization::removeAction()
{
    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    t.goToTab(2);
    QString question;
    QString boxTitle;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    LxTest::answerNextDialog([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        boxTitle = box->windowTitle();
        question = box->text();
        defaultButton = box->standardButton(box->defaultButton());
        box->button(QMessageBox::Yes)->click();
    });
    t.button("vmActionRemoveButton")->click();
    QCOMPARE(boxTitle, QStringLiteral("Usuwanie akcji"));
    QCOMPARE(question, QStringLiteral("Czy na pewno chcesz usunąć wybraną akcję:\n\"Power off host A\"?"));
    QCOMPARE(defaultButton, QMessageBox::No);
    const QString remove = QStringLiteral("set_virtualization_center_action_list_delete");
    QVERIFY(t.vc.waitFor(remove));
    QCOMPARE(t.vc.requests(remove).at(0).raw, t.vc.mapRequest(remove, {{"id", "1"}}));
    QTRY_COMPARE(t.actionLists.count(), 2);
    QCOMPARE(t.comboTexts("vmActionCombo"), QStringList{"Suspend the file server"});
    QCOMPARE(t.worldActions(), QStringList{"Suspend the file server"});

    // No: nothing goes.
    LxTest::answerNextMessageBox(QMessageBox::No);
    t.button("vmActionRemoveButton")->click();
    QTest::qWait(50);
    QCOMPARE(t.vc.count(remove), 1);
}

void TestVirtCentWindowTabVirtualization::runAction()
{
    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    t.goToTab(3);
    QCOMPARE(t.comboTexts("vmTestActionCombo"), (QStringList{"Power off host A", "Suspend the file server"}));
    t.selectAction("vmTestActionCombo", QStringLiteral("Suspend the file server"));
    auto started = LxTest::answerNextMessageBox(QMessageBox::Ok, 10000);
    t.button("vmTestRunButton")->click();
    const QString run = QStringLiteral("set_virtualization_center_action_run");
    QVERIFY(t.vc.waitFor(run));
    QTRY_VERIFY_WITH_TIMEOUT(started->seen, 10000);
    QCOMPARE(started->text, QStringLiteral("Akcja została uruchomiona."));
    QCOMPARE(t.vc.requests(run).at(0).raw, t.vc.request(run, "<ids><id>2</id></ids>") + "\n");
    // The run shows in the machines' pending operation at their next report.
    QTRY_COMPARE(t.vc.rig.world.vcHost(1, 2)->machines.at(0).pending, QStringLiteral("pa_power_suspend"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(t.tick());
    QCOMPARE(t.table()->findVm(1, 2, 5)->pending, 2);
    QCOMPARE(t.vc.count(actionListRequest), 1);
    QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
}

void TestVirtCentWindowTabVirtualization::runOneAtATime_data()
{
    QTest::addColumn<QString>("failure"); // what the service reports; empty: success
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("message");

    QTest::newRow("success") << "" << true << "Akcja została uruchomiona.";
    QTest::newRow("refused") << "Host locked" << true << "Błąd podczas testowania akcji:\n\nHost locked";
    QTest::newRow("no answer") << "" << false << "Usługa nie odpowiedziała na czas.";
}

// A double click sends one run; "Wykonaj akcję" comes back with the result, or
// when the wait for it ends.
void TestVirtCentWindowTabVirtualization::runOneAtATime()
{
    QFETCH(QString, failure);
    QFETCH(bool, answered);
    QFETCH(QString, message);

    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    const QString run = QStringLiteral("set_virtualization_center_action_run");
    t.vc.rig.world.failRequest(run, failure);
    t.vc.rig.world.delayRequest(run, answered ? 300 : 600000);
    t.goToTab(3);
    QPushButton* runButton = t.button("vmTestRunButton");
    // What a double click delivers: a click, then a second press and release.
    QTest::mouseClick(runButton, Qt::LeftButton);
    QTest::mouseDClick(runButton, Qt::LeftButton);
    QTest::mouseRelease(runButton, Qt::LeftButton);
    QVERIFY(!runButton->isEnabled());
    QVERIFY(t.vc.waitFor(run));
    auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok, 10000);
    if (!answered)
        t.tab.findChild<AnswerWait*>(QStringLiteral("run_wait"))->expireNow();
    QTRY_VERIFY_WITH_TIMEOUT(seen->seen, 10000);
    QCOMPARE(seen->windowTitle, title);
    QCOMPARE(seen->text, message);
    QVERIFY(runButton->isEnabled());
    // The link keeps the order: once this is in, a second run would be too.
    t.vc.controller.getVirtualizationCenterVersion();
    QVERIFY(t.vc.waitFor(QStringLiteral("get_virtualization_center_version")));
    QCOMPARE(t.vc.count(run), 1);
}

void TestVirtCentWindowTabVirtualization::managingSystem()
{
    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    t.goToTab(1);
    t.button("vmManagementEditButton")->click();
    t.child<QComboBox>("vmManagementTypeCombo")->setCurrentIndex(1); // "Maszyna wirtualna"
    t.clickMark(1, 1);
    QCOMPARE(t.child<QLineEdit>("vmManagerLineEdit")->text(), QStringLiteral("Luminorix manager"));
    t.button("vmManagementApplyButton")->click();
    const QString set = QStringLiteral("set_virtualization_center_host_management");
    QVERIFY(t.vc.waitFor(set));
    QCOMPARE(t.vc.requests(set).at(0).raw, t.vc.mapRequest(set, {{"host_id", "1"},
                                                                 {"host_type", "1"},
                                                                 {"is_managed_from_internal_vm", "1"},
                                                                 {"shutdown_ups_with_master_vm", "0"},
                                                                 {"vm_id", "1"}}));
    // Read back after the result.
    QVERIFY(t.vc.waitFor(managementRequest, 2));
    QCOMPARE(t.vc.rig.world.hostManagement().vmId, 1);
    QVERIFY(t.vc.rig.world.hostManagement().managedFromInternalVm);
}

// A refused choice of the managing system: once the stored configuration is
// read back, the panel shows it, not the choice the service refused.
void TestVirtCentWindowTabVirtualization::refusedManagementShowsStored()
{
    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    t.vc.rig.world.failRequest(QStringLiteral("set_virtualization_center_host_management"),
                               QStringLiteral("Denied"));
    t.goToTab(1);
    t.button("vmManagementEditButton")->click();
    auto* type = t.child<QComboBox>("vmManagementTypeCombo");
    type->setCurrentIndex(1); // "Maszyna wirtualna"
    t.clickMark(2, 5);
    QCOMPARE(t.child<QLineEdit>("vmManagerLineEdit")->text(), QStringLiteral("File server"));
    const int managementBefore = t.vc.count(managementRequest);
    auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok, 10000);
    t.button("vmManagementApplyButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(seen->seen, 10000);
    QVERIFY(t.vc.waitFor(managementRequest, managementBefore + 1));
    // The service holds the physical computer.
    QTRY_COMPARE(type->currentIndex(), 0);
    QCOMPARE(t.child<QLineEdit>("vmManagerLineEdit")->text(), QString());
    QVERIFY(t.table()->checkedItems().isEmpty());
    QCOMPARE(t.table()->managementConfig().is_managed_from_internal_vm, false);
    QVERIFY(t.button("vmManagementEditButton")->isEnabled());
}

// Two changes of the managing system in a row, each read back late: the
// read-back of the first comes after the second was made, and the panel shows
// the second, which the service holds.
void TestVirtCentWindowTabVirtualization::secondManagementChangeOutlastsTheFirstsReadBack()
{
    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    t.vc.rig.world.delayRequest(managementRequest, 1500);
    QSignalSpy readBacks(&t.vc.controller, &Controller::virtualizationCenterHostManagementReceived);
    t.goToTab(1);
    auto* type = t.child<QComboBox>("vmManagementTypeCombo");
    t.button("vmManagementEditButton")->click();
    type->setCurrentIndex(1); // "Maszyna wirtualna"
    t.clickMark(1, 1);
    const int asked = t.vc.count(managementRequest);
    t.button("vmManagementApplyButton")->click();
    QVERIFY(t.vc.waitFor(managementRequest, asked + 1));
    t.button("vmManagementEditButton")->click();
    type->setCurrentIndex(0); // "Fizyczny komputer"
    t.button("vmManagementApplyButton")->click();
    QVERIFY(t.vc.waitFor(managementRequest, asked + 2));
    QTRY_COMPARE(readBacks.count(), 2);
    QVERIFY(readBacks.at(0).at(0).value<VmTableWidget::ManagementConfig>().is_managed_from_internal_vm);
    QCOMPARE(type->currentIndex(), 0);
    QCOMPARE(t.child<QLineEdit>("vmManagerLineEdit")->text(), QString());
    QVERIFY(!t.vc.rig.world.hostManagement().managedFromInternalVm);
}

void TestVirtCentWindowTabVirtualization::serviceErrors_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<Step>("change");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("add") << "set_virtualization_center_action_list_add" << Step([](VmTab& t) {
        t.goToTab(2);
        t.button("vmActionNewButton")->click();
        t.child<QLineEdit>("vmActionNameLineEdit")->setText(QStringLiteral("Fresh"));
        t.button("vmActionApplyButton")->click();
    }) << "Błąd podczas tworzenia nowej akcji:\n\nno room"
                         << actionListRequest;
    QTest::newRow("edit") << "set_virtualization_center_action_list_edit" << Step([](VmTab& t) {
        t.goToTab(2);
        t.button("vmActionEditButton")->click();
        t.child<QLineEdit>("vmActionNameLineEdit")->setText(QStringLiteral("Renamed"));
        t.button("vmActionApplyButton")->click();
    }) << "Błąd podczas edycji akcji:\n\nno room"
                          << actionListRequest;
    QTest::newRow("delete") << "set_virtualization_center_action_list_delete" << Step([](VmTab& t) {
        t.goToTab(2);
        LxTest::answerNextMessageBox(QMessageBox::Yes);
        t.button("vmActionRemoveButton")->click();
    }) << "Błąd podczas usuwania akcji:\n\nno room"
                            << actionListRequest;
    QTest::newRow("run") << "set_virtualization_center_action_run" << Step([](VmTab& t) {
        t.goToTab(3);
        t.button("vmTestRunButton")->click();
    }) << "Błąd podczas testowania akcji:\n\nno room"
                         << QString();
    QTest::newRow("managing system") << "set_virtualization_center_host_management" << Step([](VmTab& t) {
        t.goToTab(1);
        t.button("vmManagementEditButton")->click();
        t.button("vmManagementApplyButton")->click();
    }) << "Błąd podczas zmiany konfiguracji systemu zarządzającego:\n\nno room"
                                     << managementRequest;
}

// An error is shown, and what the change touched is read back, so the table
// shows what the service holds rather than the change it refused.
void TestVirtCentWindowTabVirtualization::serviceErrors()
{
    QFETCH(QString, request);
    QFETCH(Step, change);
    QFETCH(QString, message);
    QFETCH(QString, readBack);

    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    t.vc.rig.world.failRequest(request, QStringLiteral("no room"));
    const int actionListsBefore = t.vc.count(actionListRequest);
    const int managementBefore = t.vc.count(managementRequest);
    change(t);
    // The error comes with the service's answer, after the change is sent.
    auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok, 10000);
    QVERIFY(t.vc.waitFor(request));
    QTRY_VERIFY_WITH_TIMEOUT(seen->seen, 10000);
    QCOMPARE(seen->windowTitle, title);
    QCOMPARE(seen->text, message);
    if (readBack == actionListRequest) {
        QVERIFY(t.vc.waitFor(actionListRequest, actionListsBefore + 1));
        QTRY_COMPARE(t.comboTexts("vmActionCombo"),
                     (QStringList{"Power off host A", "Suspend the file server"}));
    } else if (readBack == managementRequest) {
        QVERIFY(t.vc.waitFor(managementRequest, managementBefore + 1));
    }
    QTest::qWait(50);
    QCOMPARE(t.vc.count(actionListRequest), actionListsBefore + (readBack == actionListRequest ? 1 : 0));
    QCOMPARE(t.vc.count(managementRequest), managementBefore + (readBack == managementRequest ? 1 : 0));
}

using Send = std::function<void(Controller&)>;

void TestVirtCentWindowTabVirtualization::othersResultsIgnored_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<Send>("send");

    QTest::newRow("add") << "set_virtualization_center_action_list_add" << Send([](Controller& c) {
        VmTableWidget::ActionParameters action;
        action.name = QStringLiteral("Elsewhere");
        c.addVirtualizationCenterAction(action);
    });
    QTest::newRow("edit") << "set_virtualization_center_action_list_edit" << Send([](Controller& c) {
        VmTableWidget::ActionParameters action;
        action.name = QStringLiteral("Elsewhere");
        c.editVirtualizationCenterAction(1, action);
    });
    QTest::newRow("delete") << "set_virtualization_center_action_list_delete"
                            << Send([](Controller& c) { c.deleteVirtualizationCenterAction(1); });
    QTest::newRow("run") << "set_virtualization_center_action_run"
                         << Send([](Controller& c) { c.runVirtualizationCenterAction({1}); });
    QTest::newRow("managing system") << "set_virtualization_center_host_management"
                                     << Send([](Controller& c) {
                                            c.setVirtualizationCenterHostManagement(
                                                VmTableWidget::ManagementConfig());
                                        });
}

// The results of requests this tab did not send (a window closed before this
// one opened sent them on the same controller) show nothing and read nothing back.
void TestVirtCentWindowTabVirtualization::othersResultsIgnored()
{
    QFETCH(QString, request);
    QFETCH(Send, send);

    VmTab t;
    QVERIFY(t.start());
    QVERIFY(t.loadAll());
    t.vc.rig.world.failRequest(request, QStringLiteral("not yours"));
    QVERIFY(t.vc.settle());
    int results = 0;
    for (auto signal : {&Controller::virtualizationCenterAddActionResultReceived,
                        &Controller::virtualizationCenterEditActionResultReceived,
                        &Controller::virtualizationCenterDeleteActionResultReceived,
                        &Controller::virtualizationCenterRunActionResultReceived,
                        &Controller::virtualizationCenterHostManagementSetResultReceived})
        QObject::connect(&t.vc.controller, signal, &t.tab, [&results] { ++results; });
    send(t.vc.controller);
    QTRY_COMPARE(results, 1);
    QVERIFY(t.vc.settle());
    QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
    QCOMPARE(t.vc.count(actionListRequest), 0);
    QCOMPARE(t.vc.count(managementRequest), 0);
}

LX_TEST_MAIN(TestVirtCentWindowTabVirtualization)
#include "tst_virtcentwindowtabvirtualization.moc"
