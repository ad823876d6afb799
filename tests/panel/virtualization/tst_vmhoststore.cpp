// The hosts and VMs behind the virtualization centre's table, without widgets:
// the service's replies merged into entries, the marks of each check context,
// and the revision by which the table tells an unchanged reply.
#include "panel/virtualization/vmhoststore.h"
#include "tests/support/lxtestcore.h"
#include "vmtargettext.h"

#include <QStringList>
#include <QtTest>
#include <functional>

using StoreScript = std::function<void(VmHostStore&)>;
Q_DECLARE_METATYPE(StoreScript)

namespace {
constexpr int Esxi = 1;

// Host 1 "esx-a" (online) with VMs 10 "web" and 11 "db"; host 2 (monitoring off) with VM 20.
void twoHosts(VmHostStore& s)
{
    s.setHostList(Esxi, {1, 2});
    s.setHostVms(Esxi, 1, {10, 11});
    s.updateHost(Esxi, 1, QStringLiteral("esx-a"), 4, QStringLiteral("Online"));
    s.setVmName(Esxi, 1, 10, QStringLiteral("web"));
    s.setVmState(Esxi, 1, 10, 1, 0);
    s.setVmName(Esxi, 1, 11, QStringLiteral("db"));
    s.setVmState(Esxi, 1, 11, 3, 0);
    s.setHostVms(Esxi, 2, {20});
    s.updateHost(Esxi, 2, QStringLiteral("esx-b"), 1, QString());
}

// "id:name/status[vm:name/state/pending ...]" per host, "*" after a marked entry.
QString describe(const VmHostStore& s)
{
    QStringList out;
    for (const VmHostStore::HostEntry& host : s.hostList()) {
        QStringList vms;
        for (const VmHostStore::VmEntry& vm : host.vms)
            vms << QStringLiteral("%1:%2/%3/%4%5")
                       .arg(vm.vm_id)
                       .arg(vm.name)
                       .arg(vm.state)
                       .arg(vm.pending)
                       .arg(vm.checked ? "*" : "");
        out << QStringLiteral("%1:%2/%3%4[%5]")
                   .arg(host.host_id)
                   .arg(host.name)
                   .arg(host.status)
                   .arg(host.checked ? "*" : "")
                   .arg(vms.join(' '));
    }
    return out.join(' ');
}

VmHostStore::ManagementConfig manager(int hostId, int vmId)
{
    VmHostStore::ManagementConfig c;
    c.is_managed_from_internal_vm = true;
    c.host_type = Esxi;
    c.host_id = hostId;
    c.vm_id = vmId;
    return c;
}
} // namespace

class TestVmHostStore : public QObject
{
    Q_OBJECT

private slots:
    void repliesMerge_data();
    void repliesMerge();
    void marks_data();
    void marks();
    void committedConfigurationIsNormalised();
};

void TestVmHostStore::repliesMerge_data()
{
    QTest::addColumn<StoreScript>("reply");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<bool>("changed"); // whether the revision moved

    const QString start = QStringLiteral("1:esx-a/4[10:web/1/0 11:db/3/0] 2:esx-b/1[20:/0/0]");
    QTest::newRow("the same replies again") << StoreScript(twoHosts) << start << false;
    QTest::newRow("the same host list in another order") << StoreScript([](VmHostStore& s) {
        s.setHostList(Esxi, {2, 1});
    }) << start << false;
    QTest::newRow("hosts of another type stay") << StoreScript([](VmHostStore& s) {
        s.setHostList(2, {7});
        s.setHostList(2, {});
    }) << start << true;
    QTest::newRow("a host gone with its machines, a new one last") << StoreScript([](VmHostStore& s) {
        s.setHostList(Esxi, {3, 2, 3});
    }) << QStringLiteral("2:esx-b/1[20:/0/0] 3:/0[]") << true;
    QTest::newRow("a machine gone, a new one last keeps the others") << StoreScript([](VmHostStore& s) {
        s.setHostVms(Esxi, 1, {12, 11});
    }) << QStringLiteral("1:esx-a/4[11:db/3/0 12:/0/0] 2:esx-b/1[20:/0/0]")
                                                                     << true;
    QTest::newRow("a state") << StoreScript([](VmHostStore& s) { s.setVmState(Esxi, 1, 11, 3, 2); })
                             << QStringLiteral("1:esx-a/4[10:web/1/0 11:db/3/2] 2:esx-b/1[20:/0/0]") << true;
    QTest::newRow("replies about entries not listed") << StoreScript([](VmHostStore& s) {
        QVERIFY(!s.setHostVms(Esxi, 9, {1}));
        QVERIFY(!s.updateHost(Esxi, 9, "x", 4, ""));
        QVERIFY(!s.setVmName(Esxi, 1, 99, "x"));
        QVERIFY(!s.setVmState(Esxi, 9, 1, 1, 0));
    }) << start << false;
    QTest::newRow("frozen while targets are marked") << StoreScript([](VmHostStore& s) {
        s.setCheckContext(VmHostStore::ActionTargets, false);
        const quint64 marked = s.revision();
        s.setHostList(Esxi, {});
        QVERIFY(s.setHostVms(Esxi, 9, {1}));
        QVERIFY(s.updateHost(Esxi, 1, "x", 5, ""));
        QCOMPARE(s.revision(), marked);
    }) << start << true;
}

void TestVmHostStore::repliesMerge()
{
    QFETCH(StoreScript, reply);
    QFETCH(QString, entries);
    QFETCH(bool, changed);

    VmHostStore s;
    twoHosts(s);
    const quint64 before = s.revision();
    reply(s);
    QCOMPARE(describe(s), entries);
    QCOMPARE(s.revision() != before, changed);
}

void TestVmHostStore::marks_data()
{
    QTest::addColumn<StoreScript>("marking");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("checked");

    QTest::newRow("all, for an action: not the host whose monitoring is off, not the manager")
        << StoreScript([](VmHostStore& s) {
               s.setManagementConfig(manager(1, 11));
               s.setCheckContext(VmHostStore::ActionTargets, false);
               s.setAllMarks(true);
           })
        << QStringLiteral("1:esx-a/4*[10:web/1/0* 11:db/3/0] 2:esx-b/1[20:/0/0*]")
        << QStringLiteral("1:1[-1,10] 1:2[20]");
    QTest::newRow("all, while the manager is picked: nothing") << StoreScript([](VmHostStore& s) {
        s.setCheckContext(VmHostStore::ManagerPick, false);
        s.setAllMarks(true);
    }) << QStringLiteral("1:esx-a/4[10:web/1/0 11:db/3/0] 2:esx-b/1[20:/0/0]")
                                                               << QString();
    QTest::newRow("the manager pick keeps one machine") << StoreScript([](VmHostStore& s) {
        s.setCheckContext(VmHostStore::ManagerPick, false);
        s.pickManager(true, Esxi, 1, 10);
        s.pickManager(true, Esxi, 2, 20);
    }) << QStringLiteral("1:esx-a/4[10:web/1/0 11:db/3/0] 2:esx-b/1[20:/0/0*]")
                                                        << QStringLiteral("1:2[20]");
    QTest::newRow("targets that vanished come back as placeholders") << StoreScript([](VmHostStore& s) {
        s.setCheckContext(VmHostStore::ActionTargets, true);
        VmActionTarget gone;
        gone.host_type = Esxi;
        gone.host_id = 9;
        gone.vm_ids = {30};
        VmActionTarget here;
        here.host_type = Esxi;
        here.host_id = 1;
        here.vm_ids = {-1, 12};
        s.markItems({here, gone});
    }) << QStringLiteral("1:esx-a/4*[10:web/1/0 11:db/3/0 12:/4/0*] 2:esx-b/1[20:/0/0] 9:/7[30:/4/0*]")
                                                                     << QStringLiteral("1:1[-1,12] 1:9[30]");
    QTest::newRow("no marks: placeholders go, marks are cleared") << StoreScript([](VmHostStore& s) {
        s.setCheckContext(VmHostStore::ActionTargets, false);
        VmActionTarget gone;
        gone.host_type = Esxi;
        gone.host_id = 9;
        gone.vm_ids = {-1};
        s.markItems({gone});
        s.setItemMark(true, Esxi, 1, 10);
        s.setCheckContext(VmHostStore::NoMarks, false);
    }) << QStringLiteral("1:esx-a/4[10:web/1/0 11:db/3/0] 2:esx-b/1[20:/0/0]")
                                                                  << QString();
    QTest::newRow("marks are not set outside a marking context") << StoreScript([](VmHostStore& s) {
        VmActionTarget here;
        here.host_type = Esxi;
        here.host_id = 1;
        here.vm_ids = {-1, 99};
        s.markItems({here});
    }) << QStringLiteral("1:esx-a/4[10:web/1/0 11:db/3/0] 2:esx-b/1[20:/0/0]")
                                                                 << QString();
}

void TestVmHostStore::marks()
{
    QFETCH(StoreScript, marking);
    QFETCH(QString, entries);
    QFETCH(QString, checked);

    VmHostStore s;
    twoHosts(s);
    marking(s);
    QCOMPARE(describe(s), entries);
    QCOMPARE(describe(s.checkedItems()), checked);
    QCOMPARE(s.hasCheckedHost(), checked.contains(QStringLiteral("[-1")));
}

// A physical computer names no machine, and a stored configuration is valid.
void TestVmHostStore::committedConfigurationIsNormalised()
{
    VmHostStore s;
    VmHostStore::ManagementConfig physical = manager(1, 10);
    physical.is_managed_from_internal_vm = false;
    physical.shutdown_ups_with_master_vm = true;
    s.setManagementConfig(physical);
    QVERIFY(s.managementConfig().valid);
    QCOMPARE(s.managementConfig().host_id, -1);
    QCOMPARE(s.managementConfig().vm_id, -1);
    QVERIFY(!s.managementConfig().shutdown_ups_with_master_vm);
    QVERIFY(!s.isManagerVm(Esxi, 1, 10));
    s.setManagementConfig(manager(1, 10));
    QVERIFY(s.isManagerVm(Esxi, 1, 10));
}

LX_TEST_GUILESS_MAIN(TestVmHostStore)
#include "tst_vmhoststore.moc"
