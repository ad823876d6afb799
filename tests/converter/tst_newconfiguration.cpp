// The writer of the current layout: regrouping of the network, event sections,
// passwords, the migrations of the 2.3 layouts and the default event tables.
#include "cipher/cipherwrappers.h"
#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"
#include "converter/newconfiguration.h"
#include "inifixture.h"
#include "tests/support/lxtestcore.h"

#include <QTemporaryDir>
#include <QTranslator>

using KeyValues = QMap<QString, QString>;
using Luminorix::NewConfiguration;

namespace {

OldComputer computer(int number, const QString& password = QStringLiteral("Quillmarberon"))
{
    OldComputer c;
    c.number = number;
    c.name = QStringLiteral("pc%1").arg(number);
    c.address = QStringLiteral("10.0.0.%1").arg(number);
    c.password = password;
    return c;
}

OldGroup group(int number, const QString& name, const QList<int>& computers)
{
    OldGroup g;
    g.number = number;
    g.name = name;
    for (const int c : computers)
        g.computers.append(computer(c));
    return g;
}

OldEvent makeEvent(int eventNumber, const QString& key, const QString& parentType, int id)
{
    OldEvent e;
    e.eventNumber = eventNumber;
    e.event = key;
    e.parent_type = parentType;
    e.id = id;
    e.message.reset(new Converter::MessageAction);
    e.message->text = key;
    return e;
}

// English names of two display names, as the translation file will hold them.
class FakeEnglish : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QByteArray(context) != "Luminorix::NewConfiguration")
            return QString();
        if (QString::fromUtf8(sourceText) == QStringLiteral("Praca w trybie sieciowym"))
            return QStringLiteral("State normal");
        if (QString::fromUtf8(sourceText) == QStringLiteral("Przeciążenie"))
            return QStringLiteral("Overload");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestNewConfiguration : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int files = 0;

    QString newPath(const QByteArray& initial = QByteArray())
    {
        const QString path = dir.filePath(QStringLiteral("c%1.ini").arg(++files));
        IniFixture::writeFile(path, initial);
        return path;
    }

    // Full network of groups, ungrouped computers and events, written and read back.
    KeyValues network(QMap<int, OldEvent> events, QList<OldGroup> groups, OldGroup ungrouped = OldGroup())
    {
        const QString path = newPath();
        {
            NewConfiguration writer(path, nullptr);
            writer.writeNetwork(&events, &groups, &ungrouped);
            QString error;
            if (!writer.finish(&error))
                return {};
        }
        return IniFixture::keyValues(path);
    }

    static QMap<int, OldEvent> eventMap(const QList<OldEvent>& list)
    {
        QMap<int, OldEvent> map;
        for (const OldEvent& e : list)
            map.insert(e.eventNumber, e);
        return map;
    }

    // Runs one migration on the given file and returns its keys.
    KeyValues migrated(const QByteArray& text, void (NewConfiguration::*migration)())
    {
        const QString path = newPath(text);
        {
            NewConfiguration writer(path, nullptr);
            (writer.*migration)();
            QString error;
            if (!writer.finish(&error))
                return {};
        }
        return IniFixture::keyValues(path);
    }

    static KeyValues section(const KeyValues& all, const QString& name)
    {
        KeyValues result;
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            if (it.key().startsWith(name + QLatin1Char('/')))
                result.insert(it.key().mid(name.size() + 1), it.value());
        }
        return result;
    }

    static QStringList groupSections(const KeyValues& all)
    {
        QStringList names;
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            const QString name = it.key().section(QLatin1Char('/'), 0, 0);
            if (name.startsWith(QLatin1String("group.")) && !names.contains(name))
                names.append(name);
        }
        return names;
    }

private slots:
    void groupNames_data()
    {
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<QString>("newName");
        QTest::newRow("polish") << "Wszystkie komputery"
                                << "Default";
        QTest::newRow("english capitals") << "ALL COMPUTERS"
                                          << "Default";
        QTest::newRow("mixed") << "wszystkie KOMPUTERY"
                               << "Default";
        QTest::newRow("only begins so") << "Wszystkie komputery biura"
                                        << "Wszystkie komputery biura";
        QTest::newRow("other") << "Serwery"
                               << "Serwery";
    }

    void groupNames()
    {
        QFETCH(QString, oldName);
        QFETCH(QString, newName);
        const KeyValues all = network({}, {group(4, oldName, {1, 2})});
        QCOMPARE(section(all, QStringLiteral("group.0.4")),
                 (KeyValues{{"name", newName}, {"computer_count", "2"}, {"computers.0", "[1 2]"}}));
    }

    void computersOwningEventsGetGroups_data()
    {
        QTest::addColumn<QList<int>>("oldGroups");
        QTest::addColumn<QList<int>>("owners");   // computer ids of the events, in event order
        QTest::addColumn<KeyValues>("newGroups"); // group.0.N -> name:computer

        QTest::newRow("fills the gap")
            << QList<int>{0, 2} << QList<int>{7}
            << KeyValues{{"group.0.0", "g0:"}, {"group.0.2", "g2:"}, {"group.0.1", "Grupa 3:7"}};
        QTest::newRow("owners in order of first event")
            << QList<int>{} << QList<int>{5, 5, 2}
            << KeyValues{{"group.0.0", "Grupa 1:5"}, {"group.0.1", "Grupa 2:2"}};
        QTest::newRow("names count groups, numbers fill after") << QList<int>{0, 1, 2} << QList<int>{9, 8}
                                                                << KeyValues{{"group.0.0", "g0:"},
                                                                             {"group.0.1", "g1:"},
                                                                             {"group.0.2", "g2:"},
                                                                             {"group.0.3", "Grupa 4:9"},
                                                                             {"group.0.4", "Grupa 5:8"}};
    }

    void computersOwningEventsGetGroups()
    {
        QFETCH(QList<int>, oldGroups);
        QFETCH(QList<int>, owners);
        QFETCH(KeyValues, newGroups);
        QList<OldGroup> groups;
        for (const int number : oldGroups)
            groups.append(group(number, QStringLiteral("g%1").arg(number), {}));
        QList<OldEvent> events;
        for (int i = 0; i < owners.size(); ++i)
            events.append(
                makeEvent(i, QStringLiteral("e%1").arg(i), QStringLiteral("computer"), owners.at(i)));
        const KeyValues all = network(eventMap(events), groups);

        KeyValues found;
        for (const QString& name : groupSections(all)) {
            const KeyValues keys = section(all, name);
            found.insert(name, keys.value("name") + QLatin1Char(':') + keys.value("computers.0"));
        }
        QCOMPARE(found, newGroups);
        // Each event now belongs to its computer's group.
        for (int i = 0; i < owners.size(); ++i) {
            const KeyValues keys = section(all, QStringLiteral("event.0.%1").arg(i));
            QCOMPARE(keys.value("parent_type"), QStringLiteral("group"));
            const QString owningGroup = QStringLiteral("group.0.") + keys.value("id");
            QCOMPARE(newGroups.value(owningGroup).section(QLatin1Char(':'), 1),
                     QString::number(owners.at(i)));
        }
    }

    void emptyGroupHasNoList()
    {
        const KeyValues all = network({}, {group(0, QStringLiteral("pusta"), {})});
        QCOMPARE(section(all, QStringLiteral("group.0.0")),
                 (KeyValues{{"name", "pusta"}, {"computer_count", "0"}}));
    }

    void eventSectionsAndNumbers()
    {
        OldEvent first = makeEvent(0, QStringLiteral("stateNormal"), QStringLiteral("group"), 1);
        first.powerOff.reset(new Converter::PowerOffAction);
        first.powerOff->type = QStringLiteral("halt");
        first.powerOff->delay_time = 12;
        OldEvent second = makeEvent(3, QStringLiteral("stateOverload"), QStringLiteral("group"), 0);
        second.message.reset();
        second.sysCommand.reset(new Converter::SysCommandAction);
        second.sysCommand->command_line = QStringLiteral("x");
        OldEvent orphan = makeEvent(5, QStringLiteral("orphan"), QStringLiteral("group"), 9);
        OldEvent unowned = makeEvent(6, QStringLiteral("unowned"), QStringLiteral("ups"), 0);

        QMap<int, OldEvent> events = eventMap({first, second, orphan, unowned});
        QList<OldGroup> groups{group(0, QStringLiteral("a"), {}), group(1, QStringLiteral("b"), {})};
        OldGroup ungrouped;
        const QString path = newPath();
        {
            NewConfiguration writer(path, nullptr);
            writer.writeNetwork(&events, &groups, &ungrouped);
            QString error;
            QVERIFY(writer.finish(&error));
        }
        // Written events are consumed; the ones no group claims stay.
        QCOMPARE(events.keys(), (QList<int>{5, 6}));

        const KeyValues all = IniFixture::keyValues(path);
        // Group 0 comes first: its event is number 0 in section 0; group 1's two actions follow.
        QCOMPARE(section(all, QStringLiteral("event.0.0")), (KeyValues{{"event", "stateOverload"},
                                                                       {"eventNumber", "0"},
                                                                       {"parent_type", "group"},
                                                                       {"id", "0"},
                                                                       {"action", "sysCommand"},
                                                                       {"command_line", "x"},
                                                                       {"options", ""},
                                                                       {"standbyUps", "true"},
                                                                       {"delay_time", "0"}}));
        QCOMPARE(section(all, QStringLiteral("event.0.1")), (KeyValues{{"event", "stateNormal"},
                                                                       {"eventNumber", "1"},
                                                                       {"parent_type", "group"},
                                                                       {"id", "1"},
                                                                       {"action", "message"},
                                                                       {"text", "stateNormal"}}));
        QCOMPARE(section(all, QStringLiteral("event.0.2")), (KeyValues{{"event", "stateNormal"},
                                                                       {"eventNumber", "1"},
                                                                       {"parent_type", "group"},
                                                                       {"id", "1"},
                                                                       {"action", "powerOff"},
                                                                       {"type", "halt"},
                                                                       {"standbyUps", "false"},
                                                                       {"vms_action_ids", ""},
                                                                       {"delay_time", "12"}}));
        QVERIFY(section(all, QStringLiteral("event.0.3")).isEmpty());
    }

    void migratedNetworkMatchesMigration_data()
    {
        QTest::addColumn<QString>("model");
        QTest::newRow("extended") << QStringLiteral("Falcon_6k");
        QTest::newRow("renamed") << QStringLiteral("WrenPro");
        QTest::newRow("other") << QStringLiteral("Osprey_RS232");
        QTest::newRow("rt") << QStringLiteral("OspreyRT_USB");
        QTest::newRow("empty") << QString();
    }

    // Events written already migrated give the very bytes of the plain form run
    // through the migrations.
    void migratedNetworkMatchesMigration()
    {
        QFETCH(QString, model);
        const QStringList keys{"stateNormal",    "stateBatteryBackup", "stateBatteryLowLevel",
                               "stateShortcut",  "stateOverload",      "stateHybrid",
                               "stateAvrActive", "stateEmergency",     "Unknown",
                               QString(),        "statenormal"};
        QList<OldEvent> list;
        for (int i = 0; i < keys.size() * 2; ++i) {
            OldEvent e = makeEvent(i, keys.at(i % keys.size()), QStringLiteral("group"), i % 3);
            if (i % 2) {
                e.powerOff.reset(new Converter::PowerOffAction);
                e.powerOff->delay_time = i;
            }
            if (i % 3 == 1) {
                e.sendMail.reset(new Converter::SendMailAction);
                e.sendMail->subject = QStringLiteral("a, b; c");
            }
            if (i % 5 == 2) {
                e.sysCommand.reset(new Converter::SysCommandAction);
                e.sysCommand->command_line = QStringLiteral("x");
            }
            list.append(e);
        }
        OldDeviceConfig device;
        device.ups_model = model;
        QByteArray files[2];
        for (int migrated = 0; migrated < 2; ++migrated) {
            QMap<int, OldEvent> events = eventMap(list);
            QList<OldGroup> groups{group(0, QStringLiteral("a"), {}), group(1, QStringLiteral("b"), {}),
                                   group(2, QStringLiteral("c"), {})};
            OldGroup ungrouped;
            const QString path = newPath();
            {
                NewConfiguration writer(path, nullptr);
                writer.writeDevice(device);
                if (migrated)
                    writer.writeMigratedNetwork(&events, &groups, &ungrouped,
                                                NewConfiguration::mapUpsModel(model));
                else
                    writer.writeNetwork(&events, &groups, &ungrouped);
                writer.migrateUpsModels();
                writer.resetUsbPaths();
                if (!migrated)
                    writer.migrateEvents();
                QString error;
                QVERIFY(writer.finish(&error));
            }
            files[migrated] = IniFixture::readFile(path);
        }
        QVERIFY(files[0].contains("expressionIn") || !model.startsWith(QLatin1String("Falcon")));
        QCOMPARE(files[1], files[0]);
    }

    void passwordsAreEnciphered()
    {
        OldGroup ungrouped;
        ungrouped.computers = {computer(0), computer(1, QStringLiteral("zażółć")), computer(2, QString())};
        OldComputer carried = computer(3, QStringLiteral("AwNzdXJlbHlub3Q="));
        carried.passwordIsCipherText = true;
        ungrouped.computers.append(carried);
        // Listed by two groups: one section.
        const KeyValues all =
            network({}, {group(0, QStringLiteral("a"), {4}), group(1, QStringLiteral("b"), {4})}, ungrouped);
        QCOMPARE(decryptComputerPassword(all.value("computer.0/password")), QStringLiteral("Quillmarberon"));
        QCOMPARE(decryptComputerPassword(all.value("computer.1/password")), QStringLiteral("zażółć"));
        QVERIFY(!all.value("computer.2/password").isEmpty());
        QCOMPARE(decryptComputerPassword(all.value("computer.2/password")), QString());
        QCOMPARE(all.value("computer.3/password"), QStringLiteral("AwNzdXJlbHlub3Q="));
        QCOMPARE(section(all, QStringLiteral("computer.1")).keys(),
                 (QStringList{"address", "name", "password"}));
        QCOMPARE(all.value("computer.1/address"), QStringLiteral("10.0.0.1"));
    }

    void smtpAndDeviceAndGeneral()
    {
        const QString path = newPath();
        {
            NewConfiguration writer(path, nullptr);
            writer.writeGeneralSection(QStringLiteral("tryb;a,b"), true, QStringLiteral("2.6.0"),
                                       QStringLiteral("english"));
            OldDeviceConfig device;
            device.ups_model = QStringLiteral("Osprey");
            device.communication = QStringLiteral("ignored");
            device.com_port = QStringLiteral("COM1");
            writer.writeDevice(device);
            OldSmtpConfig smtp;
            smtp.server = QStringLiteral("mail");
            writer.writeSmtp(smtp);
            QString error;
            QVERIFY(writer.finish(&error));
        }
        const KeyValues all = IniFixture::keyValues(path);
        QCOMPARE(all.value("work_mode"), QStringLiteral("tryb;a,b"));
        QCOMPARE(all.value("run_at_boot"), QStringLiteral("1"));
        QCOMPARE(all.value("version"), QStringLiteral("2.6.0"));
        QCOMPARE(all.value("language"), QStringLiteral("english"));
        QCOMPARE(section(all, QStringLiteral("device.0")), (KeyValues{{"ups_model", "Osprey"},
                                                                      {"communication", ""},
                                                                      {"com_port", "COM1"},
                                                                      {"agent_ip", ""},
                                                                      {"read_community", ""},
                                                                      {"write_community", ""}}));
        const QString pass = all.value("smtp/pass");
        QVERIFY(!pass.isEmpty());
        SimpleCrypt crypt(smtpPasswordCipherKey());
        QCOMPARE(crypt.decryptToText(pass), QString());
        QCOMPARE(crypt.lastError(), int(SimpleCrypt::ErrorNoError));
    }

    void mapUpsModel_data()
    {
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<QString>("newName");
        QTest::newRow("WrenIIPro") << "WrenIIPro"
                                   << "WrenIIPro_USB";
        QTest::newRow("WrenPro") << "WrenPro"
                                 << "WrenPro_RS232";
        QTest::newRow("KitePro") << "KitePro"
                                 << "KitePro_USB";
        QTest::newRow("KitePro_Rack") << "KitePro_Rack"
                                      << "KitePro_Rack_RS232";
        QTest::newRow("Osprey") << "Osprey"
                                << "Osprey_RS232";
        QTest::newRow("Osprey_Rack") << "Osprey_Rack"
                                     << "Osprey_Rack_RS232";
        QTest::newRow("OspreyPro_USB_Rack") << "OspreyPro_USB_Rack"
                                            << "OspreyPro_Rack_USB";
        QTest::newRow("OspreyPro_RS232_Rack") << "OspreyPro_RS232_Rack"
                                              << "OspreyPro_Rack_RS232";
        QTest::newRow("KiteLCD") << "KiteLCD"
                                 << "KiteLCD_USB";
        QTest::newRow("Osprey_J") << "Osprey_J"
                                  << "OspreyJ_USB";
        QTest::newRow("small letters") << "osprey"
                                       << "osprey";
        QTest::newRow("already new") << "Osprey_RS232"
                                     << "Osprey_RS232";
    }

    void mapUpsModel()
    {
        QFETCH(QString, oldName);
        QFETCH(QString, newName);
        QCOMPARE(NewConfiguration::mapUpsModel(oldName), newName);
    }

    void isExtendedModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("extended");
        QTest::newRow("Harrier33 any case") << "hARRIER33_10k" << true;
        QTest::newRow("Falcon") << "Falcon_6k" << true;
        QTest::newRow("Virtual") << "virtual" << true;
        QTest::newRow("Condor inside") << "BigCONDORx" << true;
        QTest::newRow("Falcon later") << "XFalcon" << false;
        QTest::newRow("Harrier3") << "Harrier3" << false;
        QTest::newRow("empty") << "" << false;
    }

    void isExtendedModel()
    {
        QFETCH(QString, model);
        QFETCH(bool, extended);
        QCOMPARE(NewConfiguration::isExtendedModel(model), extended);
    }

    void defaultEventDefinition_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("definition");
        QTest::newRow("extended, group 0")
            << "Falcon"
            << "stateNormal" << 0
            << QStringList{"Praca w trybie sieciowym", "stateNormal,ON,==,", "stateNormal,OFF,==,"};
        QTest::newRow("extended, group 3")
            << "Falcon"
            << "stateOverload" << 3
            << QStringList{"Przeciążenie (3)", "stateEmergency,ON,==,alarmOutputOverload,ON,==,&&,",
                           "stateNormal,ON,==,stateEco,ON,==,||,alarmOutputOverload,OFF,==,||"};
        QTest::newRow("extended battery low")
            << "Harrier33"
            << "stateBatteryLowLevel" << 0
            << QStringList{"Niski poziom energii baterii",
                           "stateBatteryBackup,ON,==,messageBatteryLowLevel,ON,==,&&,",
                           "stateNormal,ON,==,stateEco,ON,==,||,messageBatteryLowLevel,OFF,==,||"};
        QTest::newRow("extended hybrid") << "Condor"
                                         << "stateHybrid" << 1
                                         << QStringList{"Praca w trybie hybrydowym (1)", "stateHybrid,ON,==,",
                                                        "stateNormal,ON,==,stateEco,ON,==,||"};
        QTest::newRow("extended has no AVR") << "Falcon"
                                             << "stateAvrActive" << 0 << QStringList{};
        QTest::newRow("other keeps the key, no suffix")
            << "Osprey_RS232"
            << "stateShortcut" << 4
            << QStringList{"stateShortcut", "stateShortcut,ON,==,", "stateNormal,ON,==,"};
        QTest::newRow("other AVR") << ""
                                   << "stateAvrActive" << 0
                                   << QStringList{"stateAvrActive", "stateAvrActive,ON,==,",
                                                  "stateNormal,ON,==,"};
        QTest::newRow("other has no hybrid") << "KitePro_USB"
                                             << "stateHybrid" << 0 << QStringList{};
        QTest::newRow("key in other case") << "Falcon"
                                           << "statenormal" << 0 << QStringList{};
    }

    void defaultEventDefinition()
    {
        QFETCH(QString, model);
        QFETCH(QString, key);
        QFETCH(int, number);
        QFETCH(QStringList, definition);
        QCOMPARE(NewConfiguration::defaultEventDefinition(model, key, number), definition);
    }

    void defaultRtEventDefinition_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("definition");
        QTest::newRow("USB shortcut")
            << "OspreyRT_3k_USB"
            << "stateShortcut"
            << QStringList{"Zwarcie", "alarmUpsShortcut,ON,==,", "alarmUpsShortcut,OFF,==,"};
        QTest::newRow("USB AVR")
            << "OspreyRT_usb"
            << "stateAvrActive"
            << QStringList{"Aktywny AVR",
                           "messageBoostingAvrEngaged,ON,==,messageBuckingAvrEngaged,ON,==,||,",
                           "messageBoostingAvrEngaged,OFF,==,messageBuckingAvrEngaged,OFF,==,&&,"};
        QTest::newRow("USB emergency")
            << "OspreyRT_USB"
            << "stateEmergency"
            << QStringList{"Praca w trybie awaryjnym", "stateEmergency,ON,==,", "stateNormal,ON,==,"};
        QTest::newRow("SNMP fault ends when the fault clears")
            << "OspreyRT_SNMP"
            << "stateFault"
            << QStringList{"Tryb błędu", "alarmGeneralFault,ON,==,", "alarmGeneralFault,OFF,==,"};
        QTest::newRow("SNMP battery")
            << "OspreyRT_snmp"
            << "stateBatteryBackup"
            << QStringList{"Praca w trybie podtrzymania z baterii",
                           "stateBatteryBackup,ON,==,alarmLowBattery,OFF,==,&&,", "stateNormal,ON,==,"};
        QTest::newRow("SNMP has no shortcut") << "OspreyRT_SNMP"
                                              << "stateShortcut" << QStringList{};
        QTest::newRow("usb is tested first") << "OspreyRT_SNMP_USB"
                                             << "stateFault" << QStringList{};
        QTest::newRow("neither word") << "OspreyRT_RS232"
                                      << "stateNormal" << QStringList{};
    }

    void defaultRtEventDefinition()
    {
        QFETCH(QString, model);
        QFETCH(QString, key);
        QFETCH(QStringList, definition);
        QCOMPARE(NewConfiguration::defaultRtEventDefinition(model, key, 0), definition);
    }

    void displayNamesUnderTheEnglishTranslation()
    {
        FakeEnglish english;
        QCoreApplication::installTranslator(&english);
        const QStringList normal = NewConfiguration::defaultEventDefinition("Falcon", "stateNormal", 2);
        const QStringList overload =
            NewConfiguration::defaultRtEventDefinition("OspreyRT_USB", "stateOverload", 0);
        const QStringList emergency =
            NewConfiguration::defaultRtEventDefinition("OspreyRT_USB", "stateEmergency", 1);
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(normal.value(0), QStringLiteral("State normal (2)"));
        QCOMPARE(overload.value(0), QStringLiteral("Overload"));
        QCOMPARE(emergency.value(0), QStringLiteral("Praca w trybie awaryjnym (1)"));
    }

    void migrateEvents_data()
    {
        QTest::addColumn<QByteArray>("eventSection");
        QTest::addColumn<QString>("model");
        QTest::addColumn<KeyValues>("after");

        QTest::newRow("extended model, group 2")
            << QByteArray("event=stateNormal\nid=2\nparent_type=group\naction=message\n") << "Falcon"
            << KeyValues{{"event", "Praca w trybie sieciowym (2)"},
                         {"expressionIn", "[stateNormal ON ==]"},
                         {"expressionOut", "[stateNormal OFF ==]"},
                         {"parent_id", "2"},
                         {"action", "message"}};
        QTest::newRow("other model") << QByteArray("event=stateNormal\nid=2\nparent_type=group\n")
                                     << "Osprey_RS232"
                                     << KeyValues{{"event", "stateNormal"},
                                                  {"expressionIn", "[stateNormal ON ==]"},
                                                  {"expressionOut", "[stateNormal OFF ==]"},
                                                  {"parent_id", "2"}};
        QTest::newRow("no default: owner keys only")
            << QByteArray("event=stateHybrid\nid=1\nparent_type=group\n") << "Osprey_RS232"
            << KeyValues{{"event", "stateHybrid"}, {"parent_id", "1"}};
        QTest::newRow("no id") << QByteArray("event=stateAvrActive\n") << "Falcon"
                               << KeyValues{{"event", "stateAvrActive"}, {"parent_id", "0"}};
        QTest::newRow("already current keeps its owner") << QByteArray("event=x\nparent_id=4\n") << "Falcon"
                                                         << KeyValues{{"event", "x"}, {"parent_id", "4"}};
        QTest::newRow("keys in other letter case")
            << QByteArray("Event=stateOverload\nID=3\nParent_Type=group\n") << "Falcon"
            << KeyValues{
                   {"event", "Przeciążenie (3)"},
                   {"expressionIn", "[stateEmergency ON == alarmOutputOverload ON == &&]"},
                   {"expressionOut", "[stateNormal ON == stateEco ON == || alarmOutputOverload OFF == ||]"},
                   {"parent_id", "3"}};
    }

    void migrateEvents()
    {
        QFETCH(QByteArray, eventSection);
        QFETCH(QString, model);
        QFETCH(KeyValues, after);
        const KeyValues all =
            migrated("[device.0]\nups_model=" + model.toUtf8() + "\n[event.0.0]\n" + eventSection,
                     &NewConfiguration::migrateEvents);
        QCOMPARE(section(all, QStringLiteral("event.0.0")), after);
    }

    void migrateEventsByDeviceNumber()
    {
        const KeyValues all = migrated("[device.1]\nups_model=Falcon\n[device.10]\nups_model=Osprey\n"
                                       "[event.1.0]\nevent=stateNormal\nid=0\n"
                                       "[event.10.0]\nevent=stateNormal\nid=5\n"
                                       "[event.10.1]\nevent=stateOverload\nid=6\n"
                                       "[event.2.0]\nevent=stateNormal\nid=7\n",
                                       &NewConfiguration::migrateEvents);
        QCOMPARE(all.value("event.1.0/event"), QStringLiteral("Praca w trybie sieciowym"));
        QCOMPARE(all.value("event.10.0/event"), QStringLiteral("stateNormal"));
        QCOMPARE(all.value("event.10.0/parent_id"), QStringLiteral("5"));
        QCOMPARE(all.value("event.10.1/event"), QStringLiteral("stateOverload"));
        QCOMPARE(all.value("event.10.1/parent_id"), QStringLiteral("6"));
        // No device 2: untouched.
        QCOMPARE(section(all, QStringLiteral("event.2.0")),
                 (KeyValues{{"event", "stateNormal"}, {"id", "7"}}));
    }

    void migrateRtEvents_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<KeyValues>("after");
        const KeyValues untouched{{"event", "stateOverload"}, {"parent_id", "2"}, {"action", "message"}};
        QTest::newRow("USB") << "OspreyRT_USB"
                             << KeyValues{{"event", "Przeciążenie (2)"},
                                          {"expressionIn", "[alarmOutputOverload ON ==]"},
                                          {"expressionOut", "[alarmOutputOverload OFF ==]"},
                                          {"parent_id", "2"},
                                          {"action", "message"}};
        QTest::newRow("SNMP") << "OspreyRT_SNMP"
                              << KeyValues{{"event", "Przeciążenie (2)"},
                                           {"expressionIn", "[alarmOutputOverload ON ==]"},
                                           {"expressionOut", "[alarmOutputOverload OFF ==]"},
                                           {"parent_id", "2"},
                                           {"action", "message"}};
        QTest::newRow("RT without interface word") << "OspreyRT" << untouched;
        QTest::newRow("not RT in other letter case") << "ospreyRT_USB" << untouched;
        QTest::newRow("not RT") << "Falcon_USB" << untouched;
    }

    void migrateRtEvents()
    {
        QFETCH(QString, model);
        QFETCH(KeyValues, after);
        const KeyValues all =
            migrated("[device.0]\nups_model=" + model.toUtf8() +
                         "\n[event.0.3]\nevent=stateOverload\nparent_id=2\naction=message\n",
                     &NewConfiguration::migrateRtEvents);
        QCOMPARE(section(all, QStringLiteral("event.0.3")), after);
    }

    void migrateUpsModelsAndUsbPaths()
    {
        const QByteArray text = "[device.0]\nups_model=Osprey\nusb_path=/dev/a\n[device.1]\ncom_port=COM1\n"
                                "[mydevice.2]\nups_model=KitePro\n[Device.3]\nups_model=KitePro\n";
        const KeyValues models = migrated(text, &NewConfiguration::migrateUpsModels);
        QCOMPARE(models.value("device.0/ups_model"), QStringLiteral("Osprey_RS232"));
        QCOMPARE(models.value("device.0/usb_path"), QStringLiteral("/dev/a"));
        QVERIFY(models.contains("device.1/ups_model"));
        QCOMPARE(models.value("device.1/ups_model"), QString());
        QCOMPARE(models.value("mydevice.2/ups_model"), QStringLiteral("KitePro_USB"));
        QCOMPARE(models.value("Device.3/ups_model"), QStringLiteral("KitePro"));

        const KeyValues paths = migrated(text, &NewConfiguration::resetUsbPaths);
        QCOMPARE(paths.value("device.0/usb_path"), QString());
        QVERIFY(paths.contains("device.1/usb_path"));
        QCOMPARE(paths.value("device.0/ups_model"), QStringLiteral("Osprey"));
    }

    void stampReplacesKeysInAnyCase()
    {
        const QString path = newPath("[General]\nVersion=2.4.3\nLANGUAGE=polish\nwork_mode=x\n");
        {
            NewConfiguration writer(path, nullptr);
            writer.stampVersion(QStringLiteral("2.6.0"), QStringLiteral("english"));
            QString error;
            QVERIFY(writer.finish(&error));
        }
        QCOMPARE(IniFixture::keyValues(path),
                 (KeyValues{{"version", "2.6.0"}, {"language", "english"}, {"work_mode", "x"}}));
    }

    void finishReportsAFailedWrite()
    {
        // A file where the folder should be: nothing can be created below it.
        const QString blocker = newPath("x");
        NewConfiguration writer(blocker + QStringLiteral("/c.ini"), nullptr);
        writer.stampVersion(QStringLiteral("2.6.0"), QStringLiteral("polish"));
        QString error;
        QVERIFY(!writer.finish(&error));
        QVERIFY(!error.isEmpty());
    }

    // The check that catches a file the settings library cut short while saying it
    // wrote it: a faithful copy passes whatever types the values had, any loss fails.
    void sameAsCatchesALossyCopy_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("same");
        QTest::newRow("faithful copy") << "" << true;
        QTest::newRow("without the line end") << "no line end" << true;
        QTest::newRow("cut in the last value") << "cut value" << false;
        QTest::newRow("last line lost") << "cut line" << false;
        QTest::newRow("empty") << "empty" << false;
        QTest::newRow("a value changed") << "changed" << false;
        QTest::newRow("a key more") << "extra" << false;
    }

    void sameAsCatchesALossyCopy()
    {
        QFETCH(QString, change);
        QFETCH(bool, same);
        // Ints, lists of none, one and several items, texts that need quoting.
        QMap<int, OldEvent> events = eventMap(
            {makeEvent(0, "stateNormal", "group", 0), makeEvent(1, "custom, with; marks", "group", 2)});
        QList<OldGroup> groups{group(0, "Wszystkie komputery", {1, 2, 3}), group(1, "solo", {4}),
                               group(2, "empty", {})};
        OldGroup ungrouped;
        const QString path = newPath();
        NewConfiguration writer(path, nullptr);
        writer.writeGeneralSection(QStringLiteral("a,b"), true, QStringLiteral("2.6.0"),
                                   QStringLiteral("żółw"));
        writer.writeMigratedNetwork(&events, &groups, &ungrouped, QStringLiteral("OspreyRT"));
        QString error;
        QVERIFY(writer.finish(&error));

        QByteArray bytes = IniFixture::readFile(path);
        QVERIFY(bytes.endsWith("\n"));
        if (change == QLatin1String("no line end"))
            bytes.chop(1);
        else if (change == QLatin1String("cut value"))
            bytes.chop(3);
        else if (change == QLatin1String("cut line"))
            bytes.truncate(bytes.lastIndexOf('\n', bytes.size() - 2) + 1);
        else if (change == QLatin1String("empty"))
            bytes.clear();
        else if (change == QLatin1String("changed"))
            bytes.replace("computer_count=3", "computer_count=2");
        else if (change == QLatin1String("extra"))
            bytes.append("[extra]\nkey=1\n");
        QVERIFY(change.isEmpty() || change == QLatin1String("no line end") ||
                bytes != IniFixture::readFile(path));
        QCOMPARE(writer.sameAs(newPath(bytes)), same);
    }
};

LX_TEST_GUILESS_MAIN(TestNewConfiguration)
#include "tst_newconfiguration.moc"
