// The action editor and the test panel of the VM table, alone: what they show,
// what they refuse and what they emit. The requests those signals become are
// tested through the virtual machines tab.
#include "panel/virtualization/vmtablewidget.h"
#include "rowbox.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableWidget>
#include <functional>

using Actions = QList<VmTableWidget::ActionParameters>;

namespace {
constexpr int Esxi = 1;

VmTableWidget::ActionParameters action(int id, const QString& name, int type,
                                       const QList<VmActionTarget>& targets, bool allVms = false,
                                       bool hostsOff = false)
{
    VmTableWidget::ActionParameters a;
    a.action_id = id;
    a.name = name;
    a.action_type = type;
    a.selected_items = targets;
    a.apply_to_all_running_vm = allVms;
    a.power_off_selected_hosts_after_vm_shutdown = hostsOff;
    return a;
}

VmActionTarget target(int hostId, const QList<int>& vms)
{
    VmActionTarget t;
    t.host_type = Esxi;
    t.host_id = hostId;
    t.vm_ids = vms;
    return t;
}

// Host 1 with VMs 10 and 11, host 2 with VM 20; three actions, the last on a
// host the service no longer reports.
Actions threeActions()
{
    return {action(1, QStringLiteral("Wyłącz serwery"), 1, {target(1, {-1, 10})}, false, true),
            action(2, QString(), 0, {target(2, {20})}),
            action(7, QStringLiteral("Gone host"), 2, {target(9, {-1, 30})})};
}

struct Editor
{
    VmTableWidget w{QStringLiteral("Nazwa"), QStringLiteral("Stan"), QStringLiteral("Szczegóły")};
    QSignalSpy added{&w, &VmTableWidget::signal_addNewAction};
    QSignalSpy replaced{&w, &VmTableWidget::signal_replaceAction};
    QSignalSpy deleted{&w, &VmTableWidget::signal_deleteAction};
    QSignalSpy run{&w, &VmTableWidget::signal_runAction};

    explicit Editor(const Actions& actions = threeActions())
    {
        w.resize(900, 700);
        w.setHostList(Esxi, {1, 2});
        w.setHostVms(Esxi, 1, {10, 11});
        w.setHostVms(Esxi, 2, {20});
        w.updateHost(Esxi, 1, QStringLiteral("esx-a"), 4, QString());
        w.updateHost(Esxi, 2, QStringLiteral("esx-b"), 4, QString());
        w.setActionList(actions);
        w.refreshTable();
        w.show();
    }
    template <class W> W* child(const char* name) { return w.findChild<W*>(QLatin1String(name)); }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QComboBox* combo() { return child<QComboBox>("vmActionCombo"); }
    QLineEdit* name() { return child<QLineEdit>("vmActionNameLineEdit"); }
    QCheckBox* allVms() { return child<QCheckBox>("vmAllVmsCheckBox"); }
    QCheckBox* hostsOff() { return child<QCheckBox>("vmHostPowerOffCheckBox"); }
    void goToTab(int index) { child<QTabBar>("vmTabBar")->setCurrentIndex(index); }
    QStringList texts(QComboBox* c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }
    // The marked targets as "host:vm,vm host:vm".
    QString marks()
    {
        QStringList out;
        for (const VmActionTarget& t : w.checkedItems()) {
            QStringList vms;
            for (int vm : t.vm_ids)
                vms << QString::number(vm);
            out << QStringLiteral("%1:%2").arg(t.host_id).arg(vms.join(QLatin1Char(',')));
        }
        return out.join(QLatin1Char(' '));
    }
    void clickMark(int hostId, int vmId)
    {
        QVERIFY2(::clickMark(child<QTableWidget>("vmTable"), hostId, vmId), "no such row");
    }
    // Presses "Zastosuj"; returns the critical box's text when one is expected.
    QString apply(bool refused)
    {
        if (!refused) {
            button("vmActionApplyButton")->click();
            return QString();
        }
        auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok);
        button("vmActionApplyButton")->click();
        return seen->seen && seen->windowTitle == QStringLiteral("Błąd") ? seen->text
                                                                         : QStringLiteral("(no box)");
    }
};

using Step = std::function<void(Editor&)>;
} // namespace

Q_DECLARE_METATYPE(Step)

class TestVmActionEditor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LxTest::closeAllMessageBoxes(); }
    void browsing();
    void apply_data();
    void apply();
    void typeAndHostBoxes();
    void removeAndRun();
    void emptyList();
    void newListRefillsTheCombos();
    void unstoredActionIsNeitherEditedNorRemoved();
};

void TestVmActionEditor::browsing()
{
    Editor e;
    QVERIFY(!e.child<QGroupBox>("vmActionGroup")->isVisible());
    e.goToTab(2);
    QVERIFY(e.child<QGroupBox>("vmActionGroup")->isVisible());
    QCOMPARE(e.texts(e.combo()), (QStringList{"Wyłącz serwery", "<Action ID 2>", "Gone host"}));
    QCOMPARE(e.name()->text(), QStringLiteral("Wyłącz serwery"));
    QCOMPARE(e.marks(), QStringLiteral("1:-1,10"));
    QVERIFY(e.hostsOff()->isChecked());
    QVERIFY(!e.name()->isEnabled());
    QVERIFY(!e.hostsOff()->isEnabled());
    QVERIFY(e.button("vmActionEditButton")->isEnabled());
    QVERIFY(!e.button("vmActionApplyButton")->isEnabled());

    // An action on a host the service no longer reports shows it as placeholders.
    e.combo()->setCurrentIndex(2);
    QCOMPARE(e.name()->text(), QStringLiteral("Gone host"));
    QCOMPARE(e.child<QComboBox>("vmActionTypeCombo")->currentText(), QStringLiteral("Uśpij"));
    QCOMPARE(e.marks(), QStringLiteral("9:-1,30"));
    QCOMPARE(e.w.findHost(Esxi, 9)->status, int(VmTableWidget::HostPlaceholder));
    QCOMPARE(e.w.findVm(Esxi, 9, 30)->state, int(VmTableWidget::VmPlaceholder));
    e.goToTab(0);
    QVERIFY(!e.w.findHost(Esxi, 9));
    QVERIFY(!e.child<QGroupBox>("vmActionGroup")->isVisible());
}

void TestVmActionEditor::apply_data()
{
    QTest::addColumn<Step>("edit");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("emitted"); // "add" or "replace", with the name sent

    const Step fresh = [](Editor& e) { e.button("vmActionNewButton")->click(); };
    const Step second = [](Editor& e) {
        e.combo()->setCurrentIndex(1);
        e.button("vmActionEditButton")->click();
    };
    const Step first = [](Editor& e) { e.button("vmActionEditButton")->click(); };
    const QString taken = QStringLiteral("Akcja o podanej nazwie już istnieje");

    QTest::newRow("new from the selected, name kept") << fresh << taken << QString();
    QTest::newRow("new, only blanks") << Step([=](Editor& e) {
        fresh(e);
        e.name()->setText(QStringLiteral("   "));
    }) << "Nazwa akcji nie może być pusta"
                                      << QString();
    QTest::newRow("new, trimmed and folded") << Step([=](Editor& e) {
        fresh(e);
        e.name()->setText(QStringLiteral("  Noc   i\tdzień "));
    }) << QString() << "add Noc i dzień";
    QTest::newRow("edit, another's name in other case") << Step([=](Editor& e) {
        second(e);
        e.name()->setText(QStringLiteral(" wyłącz  SERWERY "));
    }) << taken << QString();
    QTest::newRow("edit, own name in capitals") << Step([=](Editor& e) {
        first(e);
        e.name()->setText(QStringLiteral("WYŁĄCZ SERWERY"));
    }) << QString() << "replace 1 WYŁĄCZ SERWERY";
    QTest::newRow("edit an unnamed one") << Step([=](Editor& e) {
        second(e);
        e.name()->setText(QStringLiteral("Named"));
    }) << QString() << "replace 2 Named";
}

void TestVmActionEditor::apply()
{
    QFETCH(Step, edit);
    QFETCH(QString, refusal);
    QFETCH(QString, emitted);

    Editor e;
    e.goToTab(2);
    edit(e);
    const int chosen = e.combo()->currentIndex();
    QCOMPARE(e.apply(!refusal.isEmpty()), refusal);
    QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
    QCOMPARE(e.w.mode(), int(VmTableWidget::ActionView));
    // A stored change brings the first action back; a refusal keeps the one chosen.
    QCOMPARE(e.combo()->currentIndex(), emitted.isEmpty() ? chosen : 0);
    QStringList signalled;
    for (const QList<QVariant>& args : e.added)
        signalled << QStringLiteral("add ") + args.at(0).value<VmTableWidget::ActionParameters>().name;
    for (const QList<QVariant>& args : e.replaced)
        signalled << QStringLiteral("replace %1 ").arg(args.at(0).toInt()) +
                         args.at(1).value<VmTableWidget::ActionParameters>().name;
    QCOMPARE(signalled, emitted.isEmpty() ? QStringList() : QStringList{emitted});
    if (emitted.startsWith(QLatin1String("add"))) {
        const auto sent = e.added.at(0).at(0).value<VmTableWidget::ActionParameters>();
        QCOMPARE(sent.action_id, -1);
        // A copy of the selected action's settings and targets.
        QCOMPARE(sent.action_type, 1);
        QVERIFY(sent.power_off_selected_hosts_after_vm_shutdown);
        QCOMPARE(sent.selected_items.size(), 1);
        QCOMPARE(sent.selected_items.at(0).vm_ids, (QList<int>{-1, 10}));
        QCOMPARE(e.texts(e.combo()).last(), QStringLiteral("Noc i dzień"));
    }
}

// The host power-off box goes with power-off and suspend, and both boxes with
// a marked host; the warning shows when hosts go off without their machines.
void TestVmActionEditor::typeAndHostBoxes()
{
    Editor e;
    e.goToTab(2);
    e.button("vmActionNewButton")->click();
    auto* type = e.child<QComboBox>("vmActionTypeCombo");
    auto* warning = e.child<QLabel>("vmHostPowerOffWarning");
    QVERIFY(e.hostsOff()->isChecked());
    QVERIFY(warning->isVisible());
    type->setCurrentIndex(2); // "Reset"
    QVERIFY(!e.hostsOff()->isChecked());
    QVERIFY(!e.hostsOff()->isEnabled());
    QVERIFY(!warning->isVisible());
    type->setCurrentIndex(3); // "Uruchom"
    QVERIFY(!e.hostsOff()->isEnabled());
    type->setCurrentIndex(1); // "Uśpij"
    QVERIFY(e.hostsOff()->isEnabled());
    e.hostsOff()->setChecked(true);
    QVERIFY(warning->isVisible());
    e.allVms()->setChecked(true);
    QVERIFY(!warning->isVisible());
    // No host marked any more: neither box applies.
    e.clickMark(1, -1);
    QCOMPARE(e.marks(), QStringLiteral("1:10"));
    QVERIFY(!e.allVms()->isChecked());
    QVERIFY(!e.allVms()->isEnabled());
    QVERIFY(!e.hostsOff()->isChecked());
    QVERIFY(!e.hostsOff()->isEnabled());
}

void TestVmActionEditor::removeAndRun()
{
    Editor e;
    e.goToTab(2);
    LxTest::answerNextMessageBox(QMessageBox::No);
    e.button("vmActionRemoveButton")->click();
    QCOMPARE(e.deleted.count(), 0);
    QCOMPARE(e.combo()->count(), 3);

    e.combo()->setCurrentIndex(2);
    LxTest::answerNextMessageBox(QMessageBox::Yes);
    e.button("vmActionRemoveButton")->click();
    QCOMPARE(e.deleted.count(), 1);
    QCOMPARE(e.deleted.at(0).at(0).toInt(), 7);
    QCOMPARE(e.texts(e.combo()), (QStringList{"Wyłącz serwery", "<Action ID 2>"}));
    QCOMPARE(e.combo()->currentIndex(), 0);
    QVERIFY(!e.w.findHost(Esxi, 9));

    e.goToTab(3);
    QVERIFY(!e.child<QGroupBox>("vmActionGroup")->isVisible());
    auto* tests = e.child<QComboBox>("vmTestActionCombo");
    QCOMPARE(e.texts(tests), (QStringList{"Wyłącz serwery", "<Action ID 2>"}));
    QCOMPARE(e.marks(), QString());
    tests->setCurrentIndex(1);
    e.button("vmTestRunButton")->click();
    QCOMPARE(e.run.count(), 1);
    QCOMPARE(e.run.at(0).at(0).toInt(), 2);
}

void TestVmActionEditor::emptyList()
{
    Editor e{Actions()};
    e.goToTab(2);
    QVERIFY(!e.button("vmActionEditButton")->isEnabled());
    QVERIFY(!e.button("vmActionRemoveButton")->isEnabled());
    e.button("vmActionNewButton")->click();
    QVERIFY(e.name()->text().isEmpty());
    QCOMPARE(e.child<QComboBox>("vmActionTypeCombo")->currentText(), QStringLiteral("Wyłącz"));
    QCOMPARE(e.marks(), QString());
    QVERIFY(!e.button("vmActionApplyButton")->isEnabled());
    e.goToTab(3);
    e.button("vmTestRunButton")->click();
    QCOMPARE(e.run.count(), 0);
}

// A list from the service replaces the combos' items in view, the choice kept
// where it still exists, and the panel shows the chosen action as stored.
void TestVmActionEditor::newListRefillsTheCombos()
{
    Editor e;
    e.goToTab(2);
    e.combo()->setCurrentIndex(2);
    Actions changed = threeActions();
    changed[2].name = QStringLiteral("Renamed by the service");
    changed.prepend(action(12, QStringLiteral("Other panel's"), 3, {}));
    e.w.setActionList(changed);
    QCOMPARE(e.texts(e.combo()),
             (QStringList{"Other panel's", "Wyłącz serwery", "<Action ID 2>", "Renamed by the service"}));
    QCOMPARE(e.combo()->currentData().toInt(), 7);
    QCOMPARE(e.name()->text(), QStringLiteral("Renamed by the service"));
    QCOMPARE(e.marks(), QStringLiteral("9:-1,30"));

    // The chosen action is gone: the first one is shown.
    changed.removeLast();
    e.w.setActionList(changed);
    QCOMPARE(e.combo()->currentIndex(), 0);
    QCOMPARE(e.name()->text(), QStringLiteral("Other panel's"));
    QVERIFY(!e.w.findHost(Esxi, 9));

    e.goToTab(3);
    auto* tests = e.child<QComboBox>("vmTestActionCombo");
    tests->setCurrentIndex(2);
    changed[2].name = QStringLiteral("Now named");
    e.w.setActionList(changed);
    QCOMPARE(e.texts(tests), (QStringList{"Other panel's", "Wyłącz serwery", "Now named"}));
    QCOMPARE(tests->currentData().toInt(), 2);
    QCOMPARE(e.run.count(), 0);
}

// Until the service's list comes back, an action just added carries no id: it
// can be neither edited nor removed, and nothing about it is sent.
void TestVmActionEditor::unstoredActionIsNeitherEditedNorRemoved()
{
    Editor e;
    e.goToTab(2);
    e.button("vmActionNewButton")->click();
    e.name()->setText(QStringLiteral("Fresh"));
    QCOMPARE(e.apply(false), QString());
    QCOMPARE(e.added.count(), 1);
    e.combo()->setCurrentIndex(3);
    QCOMPARE(e.combo()->currentText(), QStringLiteral("Fresh"));
    QCOMPARE(e.combo()->currentData().toInt(), -1);
    QVERIFY(!e.button("vmActionEditButton")->isEnabled());
    QVERIFY(!e.button("vmActionRemoveButton")->isEnabled());

    // Even reached past the disabled buttons: no question and no request.
    QVERIFY(QMetaObject::invokeMethod(e.child<QObject>("vmActionGroup"), "slot_btn_action_remove"));
    QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
    QCOMPARE(e.deleted.count(), 0);
    QVERIFY(QMetaObject::invokeMethod(e.child<QObject>("vmActionGroup"), "slot_btn_action_edit"));
    QCOMPARE(e.w.mode(), int(VmTableWidget::ActionEdit));
    e.name()->setText(QStringLiteral("Fresh 2"));
    QCOMPARE(e.apply(true), QStringLiteral("Edytowana akcja nie jest zapisana w usłudze"));
    QCOMPARE(e.replaced.count(), 0);
    QCOMPARE(e.w.mode(), int(VmTableWidget::ActionView));
}

LX_TEST_MAIN(TestVmActionEditor)
#include "tst_vmactioneditor.moc"
