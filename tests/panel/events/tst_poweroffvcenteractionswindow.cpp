#include "common/helpers.h"
#include "common/poweroffaction.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "panel/events/poweroffvcenteractionswindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"
#include "tools/sim/replybuilder.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

using Management = VmTableWidgetTypes::ManagementConfig;
using ActionParameters = VmTableWidgetTypes::ActionParameters;

namespace {
const QStringList fourRequests = {QStringLiteral("get_virtualization_center_version"),
                                  QStringLiteral("get_virtualization_center_enabled"),
                                  QStringLiteral("get_virtualization_center_host_management"),
                                  QStringLiteral("get_virtualization_center_action_list")};

const char* const radioNames[] = {"shutdownRadio", "forcedShutdownRadio", "hibernationRadio", "rebootRadio",
                                  "noActionRadio"};

ActionParameters action(int id, const QString& name, int type = 1, bool powerOffHosts = false,
                        int hostType = 1, int hostId = 1)
{
    ActionParameters a;
    a.action_id = id;
    a.name = name;
    a.action_type = type;
    a.power_off_selected_hosts_after_vm_shutdown = powerOffHosts;
    VmActionTarget target;
    target.host_type = hostType;
    target.host_id = hostId;
    target.vm_ids = {-1};
    a.selected_items = {target};
    return a;
}

Management managedFrom(int hostType, int hostId, bool shutdownUps)
{
    Management m;
    m.is_managed_from_internal_vm = true;
    m.host_type = hostType;
    m.host_id = hostId;
    m.vm_id = 4;
    m.shutdown_ups_with_master_vm = shutdownUps;
    m.valid = true;
    return m;
}

PowerOffAction record(const QString& type, bool stanbyUps, const QString& ids, int delay)
{
    PowerOffAction a;
    a.type = type;
    a.stanbyUps = stanbyUps;
    a.vms_action_ids = ids;
    a.delay_time = delay;
    return a;
}

QString describe(const PowerOffAction& a)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(a.type)
        .arg(int(a.stanbyUps))
        .arg(a.vms_action_ids)
        .arg(a.delay_time);
}

// The dialog wired to a controller that is not connected: the requests are
// seen on their way out and the answers are emitted by the test.
struct Editor
{
    Luminorix::UpsSocketController controller;
    QStringList sent;
    DialogRelay relay;
    PowerOffVCenterActionsWindow dialog{&controller};

    explicit Editor(bool request = true)
    {
        controller.setSendObserver([this](const QByteArray& text) {
            const int end = text.indexOf('>');
            sent << QString::fromUtf8(text.mid(1, end - 1));
        });
        connectToService(&dialog, &controller, relay);
        if (request)
            dialog.requestVirtualizationCentre();
    }
    void answer(bool enabled, const Management& management, const QList<ActionParameters>& actions)
    {
        emit controller.virtualizationCenterVersionReceived(QStringLiteral("1.2"));
        emit controller.virtualizationCenterEnabledReceived(enabled);
        emit controller.virtualizationCenterHostManagementReceived(management);
        emit controller.virtualizationCenterActionListReceived(actions);
    }
    template <class T> T* child(const char* name) const { return dialog.findChild<T*>(QLatin1String(name)); }
    QRadioButton* radio(int mode) const { return child<QRadioButton>(radioNames[mode]); }
    QCheckBox* upsBox() const { return child<QCheckBox>("powerOffUpsCheckBox"); }
    QListWidget* list() const { return child<QListWidget>("actionList"); }
    bool shown(const char* name) const { return child<QWidget>(name)->isVisibleTo(&dialog); }
    QList<int> rowsChecked() const
    {
        QList<int> ids;
        for (int row = 0; row < list()->count(); ++row) {
            if (list()->item(row)->checkState() == Qt::Checked)
                ids << list()->item(row)->data(Qt::UserRole).toInt();
        }
        return ids;
    }
    QString written(PowerOffAction a = PowerOffAction()) const
    {
        dialog.writeAction(a);
        return describe(a);
    }
};
} // namespace

class TestPowerOffVCenterActionsWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void form();
    void fourRequestsToTheService_data();
    void fourRequestsToTheService();
    void shownFromTheRecord();
    void typeTexts_data();
    void typeTexts();
    void upsBoxAndNotes_data();
    void upsBoxAndNotes();
    void noActionTakesTheUpsBox();
    void managerWarning();
    void onlyTheFirstAwaitedReplyCounts();
    void userChoicesSurviveLateReplies();
    void editorOkAndCancel_data();
    void editorOkAndCancel();
};

void TestPowerOffVCenterActionsWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
}

void TestPowerOffVCenterActionsWindow::form()
{
    Editor e(false);
    QCOMPARE(e.dialog.windowTitle(), QStringLiteral("Zamknij system / Wykonaj akcje Centrum Wirtualizacji"));
    QCOMPARE(e.dialog.minimumSize(), QSize(555, 660));
    const QStringList texts = {"Standardowe zamknięcie systemu", "Wymuszone zamknięcie systemu", "Hibernacja",
                               "Restart systemu", "Nic nie rób"};
    for (int mode = 0; mode < 5; ++mode)
        QCOMPARE(e.radio(mode)->text(), texts.at(mode));
    auto* delay = e.child<QSpinBox>("delaySpinBox");
    QCOMPARE(delay->minimum(), 0);
    QCOMPARE(delay->maximum(), 999900);
    QCOMPARE(delay->value(), 180);
    // Until the service speaks: centre off, no actions, nothing sent yet.
    QVERIFY(!e.list()->isEnabled());
    QCOMPARE(e.list()->count(), 0);
    QVERIFY(!e.radio(4)->isEnabled());
    QVERIFY(e.sent.isEmpty());
    for (const char* name :
         {"managerWarningIcon", "managerWarningLabel", "systemNoteIcon", "systemNoteLabel"})
        QVERIFY(!e.shown(name));

    e.dialog.requestVirtualizationCentre();
    QCOMPARE(e.sent, fourRequests);
}

void TestPowerOffVCenterActionsWindow::fourRequestsToTheService_data()
{
    // Delay of each reply in ms, in request order; -1: the service never answers it.
    QTest::addColumn<QList<int>>("delays");
    QTest::addColumn<bool>("centreEnabled");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QList<int>>("rowsChecked");
    QTest::addColumn<bool>("noActionEnabled");

    const QString stored = QStringLiteral(" 3, x,,7");
    // "No action" takes the UPS box off, so the stored "switch the UPS off" goes
    // back as stanbyUps 1 wherever the mode stays 4.
    QTest::newRow("prompt, centre on")
        << QList<int>{0, 0, 0, 0} << true << "no_action|1|3,7|60" << QList<int>{3, 7} << true;
    QTest::newRow("prompt, centre off")
        << QList<int>{0, 0, 0, 0} << false << "shutdown|0|3,7|60" << QList<int>{3, 7} << false;
    QTest::newRow("late, in reverse order")
        << QList<int>{600, 450, 300, 150} << true << "no_action|1|3,7|60" << QList<int>{3, 7} << true;
    QTest::newRow("centre off said last")
        << QList<int>{0, 500, 0, 0} << false << "shutdown|0|3,7|60" << QList<int>{3, 7} << false;
    QTest::newRow("no action list") << QList<int>{0, 0, 0, -1} << true << "no_action|1|" + stored + "|60"
                                    << QList<int>() << true;
    QTest::newRow("no enabled state, centre off")
        << QList<int>{0, -1, 0, 0} << false << "no_action|1|3,7|60" << QList<int>{3, 7} << false;
    QTest::newRow("no answer at all")
        << QList<int>{-1, -1, -1, -1} << false << "no_action|1|" + stored + "|60" << QList<int>() << false;
}

// The four questions reach the service in their order, whatever comes back
// when; the stored choice stands for everything the service did not answer.
void TestPowerOffVCenterActionsWindow::fourRequestsToTheService()
{
    QFETCH(QList<int>, delays);
    QFETCH(bool, centreEnabled);
    QFETCH(QString, written);
    QFETCH(QList<int>, rowsChecked);
    QFETCH(bool, noActionEnabled);

    ServiceRig rig;
    QVERIFY(rig.listen());
    rig.world.setVirtualizationCenterEnabled(centreEnabled);
    LxSim::ReplyBuilder::Action a3;
    a3.id = 3;
    a3.name = QStringLiteral("Hosty");
    LxSim::ReplyBuilder::Action a5 = a3;
    a5.id = 5;
    LxSim::ReplyBuilder::Action a7 = a3;
    a7.id = 7;
    rig.world.setVirtualizationCenterActions({a3, a5, a7});
    Luminorix::UpsSocketController controller;
    controller.setPassword(rig.world.adminDigest());
    QVERIFY(rig.connect(controller));
    // Scripted once the start-up series, which asks for the enabled state too, is answered.
    const QList<QByteArray> replies = {
        LxSim::ReplyBuilder::virtualizationCenterVersion(QStringLiteral("1")),
        LxSim::ReplyBuilder::virtualizationCenterEnabled(centreEnabled),
        LxSim::ReplyBuilder::hostManagement(rig.world.hostManagement()),
        LxSim::ReplyBuilder::actionList(rig.world.virtualizationCenterActions())};
    for (int i = 0; i < 4; ++i) {
        if (delays.at(i) < 0)
            rig.server.responder().script(fourRequests.at(i), {});
        else
            rig.server.responder().script(fourRequests.at(i), {LxSim::SimReply(replies.at(i), delays.at(i))});
    }
    const int before = rig.server.requests().size();

    QSignalSpy version(&controller, &Luminorix::UpsSocketController::virtualizationCenterVersionReceived);
    QSignalSpy enabled(&controller, &Luminorix::UpsSocketController::virtualizationCenterEnabledReceived);
    QSignalSpy management(&controller,
                          &Luminorix::UpsSocketController::virtualizationCenterHostManagementReceived);
    QSignalSpy list(&controller, &Luminorix::UpsSocketController::virtualizationCenterActionListReceived);
    const QList<QSignalSpy*> spies = {&version, &enabled, &management, &list};

    DialogRelay relay;
    PowerOffVCenterActionsWindow dialog(&controller);
    connectToService(&dialog, &controller, relay);
    dialog.requestVirtualizationCentre();
    dialog.showAction(record(QStringLiteral("no_action"), false, QStringLiteral(" 3, x,,7"), 60));
    dialog.setGroupHasLocalComputer(true);
    dialog.show();

    QVERIFY(rig.waitForRequests(before + 4));
    const QList<LxSim::SimRequest> requests = rig.server.requests().mid(before);
    QStringList names;
    for (const LxSim::SimRequest& request : requests) {
        names << request.name;
        QCOMPARE(request.raw,
                 QStringLiteral("<%1><pass>%2</pass></%1>").arg(request.name, rig.world.adminDigest()));
    }
    QCOMPARE(names, fourRequests);

    for (int i = 0; i < 4; ++i) {
        if (delays.at(i) >= 0)
            QTRY_COMPARE_WITH_TIMEOUT(spies.at(i)->count(), 1, 20000);
    }
    // A silent reply stays silent: one more round trip shows nothing came meanwhile.
    controller.getServiceVersion();
    QSignalSpy serviceVersion(&controller, &Luminorix::UpsSocketController::serviceVersionReceived);
    QTRY_COMPARE_WITH_TIMEOUT(serviceVersion.count(), 1, 20000);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(spies.at(i)->count(), delays.at(i) < 0 ? 0 : 1);

    QList<int> checked;
    auto* rows = dialog.findChild<QListWidget*>(QStringLiteral("actionList"));
    for (int row = 0; row < rows->count(); ++row) {
        if (rows->item(row)->checkState() == Qt::Checked)
            checked << rows->item(row)->data(Qt::UserRole).toInt();
    }
    QCOMPARE(checked, rowsChecked);
    QCOMPARE(rows->isEnabled(), centreEnabled && delays.at(1) >= 0);
    QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("noActionRadio"))->isEnabled(), noActionEnabled);
    PowerOffAction out = record(QStringLiteral("no_action"), false, QStringLiteral(" 3, x,,7"), 60);
    dialog.writeAction(out);
    QCOMPARE(describe(out), written);
    controller.disconnectFromService();
}

// The record's fields as the dialog shows them, once the actions are listed.
void TestPowerOffVCenterActionsWindow::shownFromTheRecord()
{
    Editor e;
    e.dialog.showAction(record(QStringLiteral("reboot"), false, QStringLiteral(" 3,, ,x,7"), 60));
    e.dialog.setGroupHasLocalComputer(true);
    e.answer(true, Management(), {action(3, "a"), action(5, "b"), action(7, "c")});
    QVERIFY(e.radio(3)->isChecked());
    QVERIFY(e.upsBox()->isChecked());
    QVERIFY(e.upsBox()->isEnabled());
    QCOMPARE(e.child<QSpinBox>("delaySpinBox")->value(), 60);
    QCOMPARE(e.list()->count(), 3);
    QCOMPARE(e.list()->item(1)->text(), QStringLiteral("b"));
    QCOMPARE(e.rowsChecked(), (QList<int>{3, 7}));
    QCOMPARE(e.written(), QStringLiteral("reboot|0|3,7|60"));

    // An id the service does not list is dropped once the list is known.
    Editor f;
    f.dialog.showAction(record(QStringLiteral("reboot"), false, QStringLiteral("3,7"), 60));
    f.answer(true, Management(), {action(7, "c")});
    QCOMPARE(f.written(), QStringLiteral("reboot|0|7|60"));
}

void TestPowerOffVCenterActionsWindow::typeTexts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("centreEnabled");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("writtenType");

    QTest::newRow("shutdown") << "shutdown" << true << 0 << "shutdown";
    QTest::newRow("forced") << "shutdown_Force" << true << 1 << "shutdown_Force";
    QTest::newRow("hibernation") << "hibernation" << true << 2 << "hibernation";
    QTest::newRow("reboot") << "reboot" << true << 3 << "reboot";
    QTest::newRow("no action") << "no_action" << true << 4 << "no_action";
    QTest::newRow("other case is no action") << "Shutdown" << true << 4 << "no_action";
    QTest::newRow("unknown text") << "sleep" << true << 4 << "no_action";
    QTest::newRow("no action, centre off") << "no_action" << false << 0 << "shutdown";
    QTest::newRow("unknown text, centre off") << "sleep" << false << 0 << "shutdown";
    QTest::newRow("reboot, centre off") << "reboot" << false << 3 << "reboot";
}

void TestPowerOffVCenterActionsWindow::typeTexts()
{
    QFETCH(QString, type);
    QFETCH(bool, centreEnabled);
    QFETCH(int, mode);
    QFETCH(QString, writtenType);

    Editor e;
    e.dialog.showAction(record(type, true, QString(), 1));
    e.answer(centreEnabled, Management(), {});
    QCOMPARE(e.dialog.shutdownMode(), mode);
    QVERIFY(e.radio(mode)->isChecked());
    PowerOffAction out;
    e.dialog.writeAction(out);
    QCOMPARE(out.type, writtenType);
}

void TestPowerOffVCenterActionsWindow::upsBoxAndNotes_data()
{
    QTest::addColumn<bool>("supported");
    QTest::addColumn<bool>("localComputer");
    QTest::addColumn<bool>("manager");
    QTest::addColumn<bool>("boxEnabled");
    QTest::addColumn<bool>("boxChecked");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("tip");

    const QString unsupported = QStringLiteral("Funkcjonalność niedostępna w UPS (więcej informacji)");
    const QString unsupportedTip = QStringLiteral("Wybrany model UPS nie obsługuje funkcji wyłączenia UPS");
    // The stored choice is "switch the UPS off"; the manager's setting is "leave it on".
    QTest::newRow("local group") << true << true << false << true << true << QString() << QString();
    QTest::newRow("group without the local computer")
        << true << false << false << false << true
        << "Funkcjonalność niedostępna dla tej konfiguracji (więcej informacji)"
        << "Aktualna konfiguracja zdarzeń nie zezwala na wyłączenie UPS.\nWyłączenie UPS możliwe jest tylko "
           "wtedy, gdy dana grupa zawiera komputer lokalny";
    QTest::newRow("UPS cannot switch off")
        << false << true << false << false << true << unsupported << unsupportedTip;
    QTest::newRow("manager") << true << true << true << false << false
                             << "Opcja kontrolowana z poziomu Centrum Wirtualizacji (więcej informacji)"
                             << "Luminorix pracuje na maszynie wirtualnej w trybie MANAGER\nWyłączenie UPS "
                                "kontrolowane jest z poziomu ustawień Centrum Wirtualizacji";
    QTest::newRow("manager, UPS cannot switch off")
        << false << true << true << false << false << unsupported << unsupportedTip;
}

void TestPowerOffVCenterActionsWindow::upsBoxAndNotes()
{
    QFETCH(bool, supported);
    QFETCH(bool, localComputer);
    QFETCH(bool, manager);
    QFETCH(bool, boxEnabled);
    QFETCH(bool, boxChecked);
    QFETCH(QString, note);
    QFETCH(QString, tip);

    Editor e;
    e.dialog.showAction(record(QStringLiteral("shutdown"), false, QString(), 10));
    e.dialog.setGroupHasLocalComputer(localComputer);
    e.dialog.setUpsPowerOffSupported(supported);
    e.answer(true, manager ? managedFrom(1, 2, false) : Management(), {});
    QCOMPARE(e.upsBox()->isEnabled(), boxEnabled);
    QCOMPARE(e.upsBox()->isChecked(), boxChecked);
    QCOMPARE(e.shown("upsNoteLabel"), !boxEnabled);
    QCOMPARE(e.shown("upsNoteIcon"), !boxEnabled);
    QCOMPARE(e.child<QLabel>("upsNoteLabel")->text(), note);
    QCOMPARE(e.child<QLabel>("upsNoteLabel")->toolTip(), tip);
    QCOMPARE(e.child<QLabel>("upsNoteIcon")->toolTip(), tip);
    QCOMPARE(e.shown("systemNoteLabel"), manager);
    QCOMPARE(e.shown("systemNoteIcon"), manager);
    // What OK stores is what the box shows, the manager's setting included.
    QCOMPARE(e.written().section(QLatin1Char('|'), 1, 1),
             boxChecked ? QStringLiteral("0") : QStringLiteral("1"));
}

void TestPowerOffVCenterActionsWindow::noActionTakesTheUpsBox()
{
    Editor e;
    e.dialog.showAction(record(QStringLiteral("shutdown"), false, QString(), 10));
    e.dialog.setGroupHasLocalComputer(true);
    e.answer(true, Management(), {});
    QVERIFY(e.upsBox()->isChecked());
    e.radio(4)->click();
    QVERIFY(!e.upsBox()->isChecked());
    QVERIFY(!e.upsBox()->isEnabled());
    QCOMPARE(e.written(), QStringLiteral("no_action|1||10"));
    e.radio(2)->click();
    QVERIFY(e.upsBox()->isChecked());
    QVERIFY(e.upsBox()->isEnabled());
    QCOMPARE(e.written(), QStringLiteral("hibernation|0||10"));
}

void TestPowerOffVCenterActionsWindow::managerWarning()
{
    Editor e;
    e.dialog.setGroupHasLocalComputer(true);
    // Host 1/2 runs the manager machine.
    e.answer(true, managedFrom(1, 2, true),
             {action(1, "power off, hosts, manager's host", 1, true, 1, 2),
              action(2, "suspend, hosts, manager's host", 2, true, 1, 2),
              action(3, "reset, hosts, manager's host", 3, true, 1, 2),
              action(4, "power off, VMs only", 1, false, 1, 2),
              action(5, "power off, other host", 1, true, 1, 3),
              action(6, "power off, other host type", 1, true, 2, 2)});
    const QList<bool> flags = {true, true, false, false, false, false};
    for (int row = 0; row < flags.size(); ++row)
        QCOMPARE(e.list()->item(row)->data(Qt::UserRole + 1).toBool(), flags.at(row));
    QVERIFY(!e.upsBox()->isEnabled());
    QVERIFY(e.upsBox()->isChecked());
    QVERIFY(e.shown("systemNoteLabel"));

    QVERIFY(!e.shown("managerWarningLabel"));
    e.list()->item(3)->setCheckState(Qt::Checked);
    QVERIFY(!e.shown("managerWarningLabel"));
    e.list()->item(1)->setCheckState(Qt::Checked);
    QVERIFY(e.shown("managerWarningLabel"));
    QVERIFY(e.shown("managerWarningIcon"));
    e.list()->item(1)->setCheckState(Qt::Unchecked);
    QVERIFY(!e.shown("managerWarningLabel"));
    QVERIFY(!e.shown("managerWarningIcon"));
    QCOMPARE(e.written(), QStringLiteral("shutdown|0|4|180"));
}

// Replies before the questions, and the second of a kind, change nothing: they
// answer another window.
void TestPowerOffVCenterActionsWindow::onlyTheFirstAwaitedReplyCounts()
{
    Editor e(false);
    e.dialog.showAction(record(QStringLiteral("no_action"), true, QStringLiteral("1"), 5));
    e.answer(false, Management(), {action(1, "early")});
    QCOMPARE(e.list()->count(), 0);
    QVERIFY(e.radio(4)->isChecked());

    e.dialog.requestVirtualizationCentre();
    e.answer(true, Management(), {action(1, "first"), action(2, "first too")});
    e.answer(false, managedFrom(1, 1, true), {action(9, "second")});
    QCOMPARE(e.list()->count(), 2);
    QCOMPARE(e.list()->item(0)->text(), QStringLiteral("first"));
    QVERIFY(e.list()->isEnabled());
    QVERIFY(e.radio(4)->isChecked());
    QVERIFY(!e.shown("systemNoteLabel"));
    QCOMPARE(e.written(), QStringLiteral("no_action|1|1|5"));
}

// A reply that comes after the user changed the choices rebuilds the dialog
// from what the user chose, not from what the record held.
void TestPowerOffVCenterActionsWindow::userChoicesSurviveLateReplies()
{
    Editor e;
    e.dialog.showAction(record(QStringLiteral("shutdown"), true, QStringLiteral("1"), 5));
    e.dialog.setGroupHasLocalComputer(true);
    emit e.controller.virtualizationCenterEnabledReceived(true);
    emit e.controller.virtualizationCenterActionListReceived({action(1, "a"), action(2, "b")});
    e.list()->item(0)->setCheckState(Qt::Unchecked);
    e.list()->item(1)->setCheckState(Qt::Checked);
    e.radio(1)->click();
    e.upsBox()->click();
    emit e.controller.virtualizationCenterHostManagementReceived(Management());
    emit e.controller.virtualizationCenterVersionReceived(QStringLiteral("1"));
    QCOMPARE(e.rowsChecked(), QList<int>{2});
    QVERIFY(e.radio(1)->isChecked());
    QVERIFY(e.upsBox()->isChecked());
    QCOMPARE(e.written(), QStringLiteral("shutdown_Force|0|2|5"));
}

void TestPowerOffVCenterActionsWindow::editorOkAndCancel_data()
{
    QTest::addColumn<bool>("hasRecord");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("after"); // empty: no record

    // The user sets the delay to 999 s each time.
    QTest::newRow("new action, OK") << false << true << "shutdown|1||999";
    QTest::newRow("new action, Anuluj") << false << false << QString();
    QTest::newRow("record, OK") << true << true << "hibernation|0|4, 2|999";
    QTest::newRow("record, Anuluj") << true << false << "hibernation|0|4, 2|30";
}

// The editor's whole run on an event's record; the service is not reachable, so
// the stored ids go back as they came.
void TestPowerOffVCenterActionsWindow::editorOkAndCancel()
{
    QFETCH(bool, hasRecord);
    QFETCH(bool, ok);
    QFETCH(QString, after);

    QSharedPointer<PowerOffAction> action;
    if (hasRecord)
        action.reset(
            new PowerOffAction(record(QStringLiteral("hibernation"), false, QStringLiteral("4, 2"), 30)));
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    QStringList sent;
    controller.setSendObserver([&sent](const QByteArray& text) { sent << QString::fromUtf8(text); });
    bool accepted = !ok;
    {
        LxTest::ModalWatchdog watchdog;
        LxTest::answerNextDialog([&](QWidget* w) {
            // Changes that Anuluj must drop.
            w->findChild<QSpinBox*>(QStringLiteral("delaySpinBox"))->setValue(999);
            w->findChild<QPushButton*>(QLatin1String(ok ? "okButton" : "cancelButton"))->click();
        });
        accepted = PowerOffVCenterActionsWindow::editAction(action, &controller, relay, nullptr, true, true);
    }
    QCOMPARE(accepted, ok);
    QCOMPARE(sent.size(), 4);
    QCOMPARE(action ? describe(*action) : QString(), after);
}

LX_TEST_MAIN(TestPowerOffVCenterActionsWindow)
#include "tst_poweroffvcenteractionswindow.moc"
