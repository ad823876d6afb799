#include "panel/events/discoveryplan.h"
#include "panel/events/eventdefinitions.h"
#include "tests/support/lxtestcore.h"

Q_DECLARE_METATYPE(QList<DiscoveryInterface>)

// The model rules of the event tables and the choice of discovery targets:
// plain logic, no widgets.
class TestEventDefinitions : public QObject
{
    Q_OBJECT

private slots:
    void tableChoice_data();
    void tableChoice();
    void advancedModels_data();
    void advancedModels();
    void offeredKeys_data();
    void offeredKeys();
    void avrTableCountsAvrAsNormal();
    void discoveryTargets_data();
    void discoveryTargets();
};

void TestEventDefinitions::tableChoice_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("avr");
    QTest::newRow("Osprey_ prefix") << "Osprey_1000_USB" << true;
    QTest::newRow("OspreyJ_ prefix") << "OspreyJ_800" << true;
    QTest::newRow("prefix is case-sensitive") << "osprey_1000_USB" << false;
    QTest::newRow("HID in upper case") << "Osprey_HID_1500" << false;
    QTest::newRow("hid in lower case") << "Osprey_hid_1500" << false;
    QTest::newRow("other family") << "KitePro_USB" << false;
    QTest::newRow("Osprey without underscore") << "OspreyRT_2000" << false;
}

void TestEventDefinitions::tableChoice()
{
    QFETCH(QString, model);
    QFETCH(bool, avr);
    QCOMPARE(usesAvrEventDefinitions(model), avr);
}

void TestEventDefinitions::advancedModels_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("advanced");
    QTest::newRow("prefix, any case") << "harrier33_10k" << true;
    QTest::newRow("Virtual_Device") << "Virtual_Device" << true;
    QTest::newRow("prefix only at the start") << "My_Falcon" << false;
    QTest::newRow("part anywhere, any case") << "pro_ibis_gen" << true;
    QTest::newRow("Osprey_HID is advanced") << "Osprey_HID_1500" << true;
    QTest::newRow("plain line-interactive") << "KitePro_USB" << false;
    QTest::newRow("KitePro_Avr") << "KitePro_Avr_1000" << true;
}

void TestEventDefinitions::advancedModels()
{
    QFETCH(QString, model);
    QFETCH(bool, advanced);
    QCOMPARE(isAdvancedEventModel(model), advanced);
}

void TestEventDefinitions::offeredKeys_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("keys");
    const QStringList base{"stateNormal", "stateBatteryBackup", "stateBatteryLowLevel"};
    QTest::newRow("plain") << "KitePro_USB" << base + QStringList{"stateNoCommunication"};
    QTest::newRow("no communication event, exact name") << "KitePro_Rack_RS232" << base;
    QTest::newRow("lower case name offers it")
        << "kitepro_rack_rs232" << base + QStringList{"stateNoCommunication"};
    QTest::newRow("Osprey, any case")
        << "osprey_1000"
        << base + QStringList{"stateOverload", "stateShortcut", "stateAvrActive", "stateNoCommunication"};
    QTest::newRow("Plover") << "Plover_2000"
                            << base + QStringList{"stateNoCommunication", "stateAvrActive", "stateFault"};
    QTest::newRow("WrenIIPro") << "WrenIIPro_1000"
                               << base + QStringList{"stateNoCommunication", "stateFault"};
    QTest::newRow("WrenPro_RS232") << "WrenPro_RS232" << base;
}

void TestEventDefinitions::offeredKeys()
{
    QFETCH(QString, model);
    QFETCH(QStringList, keys);
    QCOMPARE(offeredEventKeysForModel(model), keys);
    // Every offered key has a row in the table the model uses.
    const QVector<EventDefinition>& table =
        usesAvrEventDefinitions(model) ? avrEventDefinitionTable() : defaultEventDefinitionTable();
    for (const QString& key : keys) {
        const bool found = std::any_of(table.begin(), table.end(), [&](const EventDefinition& row) {
            return key == QLatin1String(row.key);
        });
        QVERIFY2(found, qPrintable(key));
    }
}

void TestEventDefinitions::avrTableCountsAvrAsNormal()
{
    QMap<QString, QStringList> a, b;
    for (const EventDefinition& row : defaultEventDefinitionTable())
        a.insert(QLatin1String(row.key), {QLatin1String(row.expressionIn), QLatin1String(row.expressionOut)});
    for (const EventDefinition& row : avrEventDefinitionTable())
        b.insert(QLatin1String(row.key), {QLatin1String(row.expressionIn), QLatin1String(row.expressionOut)});
    QCOMPARE(a.size(), 8);
    QCOMPARE(b.size(), 7);
    QVERIFY(!b.contains(QStringLiteral("stateFault")));
    QCOMPARE(a.value("stateBatteryLowLevel").at(1), QStringLiteral("stateNormal,ON,==,"));
    QCOMPARE(b.value("stateBatteryLowLevel").at(1),
             QStringLiteral("stateNormal,ON,==,stateAvrActive,ON,==,||,"));
    QCOMPARE(b.value("stateNormal").at(0), QStringLiteral("stateNormal,ON,==,stateAvrActive,ON,==,||,"));
    QCOMPARE(b.value("stateNormal").at(1), QStringLiteral("stateNormal,OFF,==,stateAvrActive,OFF,==,&&,"));
    QCOMPARE(b.value("stateShortcut").at(1), QStringLiteral("stateShortcut,OFF,==,"));
}

namespace {
QNetworkAddressEntry entry(const char* ip, const char* broadcast = nullptr)
{
    QNetworkAddressEntry e;
    e.setIp(QHostAddress(QLatin1String(ip)));
    if (broadcast)
        e.setBroadcast(QHostAddress(QLatin1String(broadcast)));
    return e;
}
const QNetworkInterface::InterfaceFlags lan =
    QNetworkInterface::IsUp | QNetworkInterface::IsRunning | QNetworkInterface::CanBroadcast;
} // namespace

void TestEventDefinitions::discoveryTargets_data()
{
    QTest::addColumn<QList<DiscoveryInterface>>("interfaces");
    QTest::addColumn<QStringList>("broadcasts");
    QTest::addColumn<QStringList>("own");

    QTest::newRow("one network") << QList<DiscoveryInterface>{{lan, {entry("192.168.1.5", "192.168.1.255")}}}
                                 << QStringList{"192.168.1.255"} << QStringList{"192.168.1.5"};
    QTest::newRow("two entries on one network send twice")
        << QList<DiscoveryInterface>{{lan,
                                      {entry("10.0.0.5", "10.0.0.255"), entry("10.0.0.6", "10.0.0.255")}}}
        << QStringList{"10.0.0.255", "10.0.0.255"} << QStringList{"10.0.0.5", "10.0.0.6"};
    QTest::newRow("IPv6 entry recorded, not sent to")
        << QList<DiscoveryInterface>{{lan, {entry("fe80::1"), entry("10.0.0.5", "10.0.0.255")}}}
        << QStringList{"10.0.0.255"} << QStringList{"fe80::1", "10.0.0.5"};
    QTest::newRow("loopback skipped, its address kept")
        << QList<DiscoveryInterface>{{lan | QNetworkInterface::IsLoopBack,
                                      {entry("127.0.0.1", "127.255.255.255")}}}
        << QStringList{} << QStringList{"127.0.0.1"};
    QTest::newRow("down interface skipped")
        << QList<DiscoveryInterface>{{QNetworkInterface::CanBroadcast, {entry("10.1.0.5", "10.1.0.255")}}}
        << QStringList{} << QStringList{"10.1.0.5"};
    QTest::newRow("not running skipped")
        << QList<DiscoveryInterface>{{QNetworkInterface::IsUp | QNetworkInterface::CanBroadcast,
                                      {entry("10.1.0.5", "10.1.0.255")}}}
        << QStringList{} << QStringList{"10.1.0.5"};
    QTest::newRow("point-to-point without broadcast")
        << QList<DiscoveryInterface>{{QNetworkInterface::IsUp | QNetworkInterface::IsRunning |
                                          QNetworkInterface::IsPointToPoint,
                                      {entry("10.8.0.2", "10.8.0.255")}}}
        << QStringList{} << QStringList{"10.8.0.2"};
    QTest::newRow("no broadcast address")
        << QList<DiscoveryInterface>{{lan, {entry("10.2.0.5")}}} << QStringList{} << QStringList{"10.2.0.5"};
}

void TestEventDefinitions::discoveryTargets()
{
    QFETCH(QList<DiscoveryInterface>, interfaces);
    QFETCH(QStringList, broadcasts);
    QFETCH(QStringList, own);
    const DiscoveryPlan plan = planDiscovery(interfaces);
    QStringList sent;
    for (const QHostAddress& address : plan.broadcasts)
        sent.append(address.toString());
    QCOMPARE(sent, broadcasts);
    QCOMPARE(plan.ownAddresses, own);
}

LX_TEST_GUILESS_MAIN(TestEventDefinitions)
#include "tst_eventdefinitions.moc"
