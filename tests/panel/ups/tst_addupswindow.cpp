#include "common/upsmodelcatalogue.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "panel/ups/addupswindow.h"
#include "panel/ups/snmpoptionswindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Luminorix::Utils::SerialPort;
using Luminorix::Utils::Ups;
using LxTest::answerNextDialog;
using LxTest::answerNextMessageBox;

namespace {
const QString classRefusal =
    QStringLiteral("Oprogramowanie wspiera monitorowanie tylko jednego urządzenia tej klasy");
const QString resetQuestion = QStringLiteral(
    "Konfiguracja dla tego zasilacza zostanie przywrócona do domyślnych zdarzeń. Czy kontynuować?");

Ups record(const QString& id, const QString& model, const QString& communication, const QString& name,
           const QString& port = QString())
{
    Ups u;
    u.id = id;
    u.model_name = model;
    u.communication = communication;
    u.user_defined_name = name;
    u.com_port = port;
    return u;
}

// The serial UPS of the stand-in's world, on its own (busy) port.
Ups serialUps()
{
    return record(QStringLiteral("6"), QStringLiteral("KitePro_Rack_RS232"), QStringLiteral("rs232"),
                  QStringLiteral("Reception"), QStringLiteral("COM3"));
}

Ups harrierOnSerial()
{
    return record(QStringLiteral("7"), QStringLiteral("HarrierRT_RS232"), QStringLiteral("rs232"),
                  QStringLiteral("Rack"), QStringLiteral("COM1"));
}

Ups harrierOnSnmp()
{
    Ups u = record(QStringLiteral("8"), QStringLiteral("HarrierRT_SNMP"), QStringLiteral("snmp"),
                   QStringLiteral("Hall"));
    u.ip = QStringLiteral("192.168.10.21");
    u.read = QStringLiteral("public");
    u.write = QStringLiteral("private");
    u.snmp_ver = QStringLiteral("v2c");
    u.serial_no = QStringLiteral("HR-17");
    return u;
}

// What set_new_ups and change_ups carry after `pass`, as it must stand on the wire:
// model, id, interface, port, address, read, write, version, serial, then the three
// log settings (always empty from this dialog), the reset flag and the name.
QString wire(const QStringList& v)
{
    Q_ASSERT(v.size() == 11);
    return QStringLiteral("<model_name>%1</model_name><id>%2</id><communication>%3</communication>"
                          "<com_port>%4</com_port><ip>%5</ip><read>%6</read><write>%7</write>"
                          "<snmp_ver>%8</snmp_ver><serial_no>%9</serial_no>")
               .arg(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]) +
           QStringLiteral("<log_file_size></log_file_size><log_time_interval></log_time_interval>"
                          "<log_params></log_params><reset_events_request>%1</reset_events_request>"
                          "<user_defined_name>%2</user_defined_name>")
               .arg(v[9], v[10]);
}

// The dialog wired as the window wires it, on a controller connected to the stand-in.
struct Fixture
{
    ServiceRig rig;
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    // COM2 is held by another program, COM3 by the serial UPS; a nameless entry is skipped.
    QList<SerialPort> ports{{QStringLiteral("COM1"), true},
                            {QStringLiteral("COM2"), false},
                            {QString(), true},
                            {QStringLiteral("COM3"), false},
                            {QStringLiteral("COM4"), true}};
    AddUpsWindow dialog{&ports};

    // Opened by a logged-in administrator.
    Fixture()
    {
        rig.logIn(controller);
        connectToService(&dialog, &controller, relay);
    }
    bool start()
    {
        rig.world.loadDemo();
        if (!rig.listen() || !rig.connect(controller))
            return false;
        rig.server.clearRequests();
        dialog.show();
        return true;
    }
    // As the window logs out: the session ends, then the relay tells the dialog.
    void logOut()
    {
        controller.setPassword(QString());
        emit relay.administratorLoggedOut();
    }
    QComboBox* box(const char* name) const { return dialog.findChild<QComboBox*>(QLatin1String(name)); }
    QLineEdit* nameEdit() const { return dialog.findChild<QLineEdit*>(QStringLiteral("upsNameEdit")); }
    QPushButton* ok() const
    {
        return dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
    }
    QPushButton* snmpButton() const
    {
        return dialog.findChild<QPushButton*>(QStringLiteral("snmpOptionsButton"));
    }
    void choose(const char* boxName, const QString& text)
    {
        QComboBox* b = box(boxName);
        const int index = b->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        b->setCurrentIndex(index);
    }
    // As the user types: replaces the name and emits textEdited.
    void typeName(const QString& text)
    {
        nameEdit()->selectAll();
        QTest::keyClick(nameEdit(), Qt::Key_Backspace);
        QTest::keyClicks(nameEdit(), text);
    }
    // Fills the SNMP options dialog the button opens and presses OK there.
    void setSnmp(const QStringList& values)
    {
        answerNextDialog([values](QWidget* w) {
            auto* options = qobject_cast<SnmpOptionsWindow*>(w);
            QVERIFY(options);
            options->findChild<QLineEdit*>(QStringLiteral("agentIpEdit"))->setText(values.value(0));
            options->findChild<QLineEdit*>(QStringLiteral("readCommunityEdit"))->setText(values.value(1));
            options->findChild<QLineEdit*>(QStringLiteral("writeCommunityEdit"))->setText(values.value(2));
            // A held version cannot be chosen.
            auto* version = options->findChild<QComboBox*>(QStringLiteral("snmpVerComboBox"));
            if (version->isEnabled())
                version->setCurrentText(values.value(3));
            options->findChild<QLineEdit*>(QStringLiteral("serialNoEdit"))->setText(values.value(4));
            options->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        snmpButton()->click();
    }
    // Names of the requests the stand-in got since start(), once all the dialog sent has arrived.
    QStringList sentNames()
    {
        if (!rig.waitForAllSent(controller))
            return {QStringLiteral("no fence")};
        return rig.server.requestNames();
    }
    QString payloadOf(const QString& name) const
    {
        const QList<LxSim::SimRequest> named = rig.requests(name);
        return named.isEmpty() ? QString() : named.first().payload();
    }
};
} // namespace

class TestAddUpsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form();
    void modelList();
    void newDevice_data();
    void newDevice();
    void busyPortsInItalics();
    void snmpOptionsFollowTheModel_data();
    void snmpOptionsFollowTheModel();
    void snmpOptionsCancelled();
    void editOpensWithOkOff_data();
    void editOpensWithOkOff();
    void okFollowsEdits();
    void serialEditAcceptsItsBusyPort();
    void editSends_data();
    void editSends();
    void noToTheResetKeepsTheEntries();
    void logoutDuringTheResetQuestionSendsNothing();
    void oneDevicePerClass_data();
    void oneDevicePerClass();
    void logoutLocksOk();
    void cancelSendsNothing();

private:
    LxTest::ModalWatchdog* watchdog = nullptr;
};

void TestAddUpsWindow::init()
{
    watchdog = new LxTest::ModalWatchdog;
}

void TestAddUpsWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
    delete watchdog;
    watchdog = nullptr;
}

void TestAddUpsWindow::form()
{
    // Drawn for a desktop's 9 pt; the offscreen platform's 12 pt makes the form grow.
    const QFont before = QApplication::font();
    QFont desktop(QStringLiteral("Sans Serif"));
    desktop.setPointSizeF(9.0);
    QApplication::setFont(desktop);
    QList<SerialPort> ports;
    AddUpsWindow dialog(&ports);
    QApplication::setFont(before);
    QCOMPARE(dialog.size(), QSize(470, 303));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("upsNameEdit"))->maxLength(), 80);
    QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("logoLabel"))->pixmap(Qt::ReturnByValue).isNull());
    // The first model is valid, yet nothing was chosen: OK waits for a change.
    QVERIFY(!dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
}

void TestAddUpsWindow::modelList()
{
    QList<SerialPort> ports;
    AddUpsWindow dialog(&ports);
    QComboBox* models = dialog.findChild<QComboBox*>(QStringLiteral("upsModelBox"));
    QStringList texts;
    for (int i = 0; i < models->count(); ++i) {
        texts << models->itemText(i);
        QCOMPARE(models->itemData(i).toString(), models->itemText(i));
    }
    QCOMPARE(texts.first(), QStringLiteral("WREN PRO"));
    // One entry per name, though Osprey comes over two interfaces.
    QCOMPARE(texts.count(QStringLiteral("OSPREY")), 1);
    QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
    QVERIFY(!texts.contains(QStringLiteral("WIRTUALNY UPS")));
    QVERIFY(texts.contains(QStringLiteral("AGREGAT IBIS")));
    // Osprey's interfaces in catalogue order, the port row shown for the first.
    const int osprey = texts.indexOf(QStringLiteral("OSPREY"));
    QVERIFY(osprey > texts.indexOf(QStringLiteral("KITE PRO RACK")));
    models->setCurrentIndex(osprey);
    QComboBox* interfaces = dialog.findChild<QComboBox*>(QStringLiteral("communicationInterfaceBox"));
    QCOMPARE(interfaces->count(), 2);
    QCOMPARE(interfaces->itemText(0), QStringLiteral("RS232"));
    QCOMPARE(interfaces->itemText(1), QStringLiteral("USB"));
}

void TestAddUpsWindow::newDevice_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("snmp"); // address, read, write, version, serial; empty: not opened
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sent"); // the set_new_ups payload; empty when OK stays off

    QTest::newRow("USB") << "KITE PRO"
                         << "USB" << QString() << QStringList() << "Lab"
                         << wire({"KitePro_USB", "", "usb", "", "", "", "", "", "", "0", "Lab"});
    QTest::newRow("RS232 on a free port")
        << "KITE PRO RACK"
        << "RS232"
        << "COM4" << QStringList() << "Rack 2"
        << wire({"KitePro_Rack_RS232", "", "rs232", "COM4", "", "", "", "", "", "0", "Rack 2"});
    QTest::newRow("RS232 on a busy port") << "KITE PRO RACK"
                                          << "RS232"
                                          << "COM2" << QStringList() << "Rack 2" << QString();
    QTest::newRow("SNMP without an address") << "HARRIER RT"
                                             << "SNMP" << QString() << QStringList() << "Hall" << QString();
    QTest::newRow("SNMP, free texts escaped")
        << "HARRIER RT"
        << "SNMP" << QString() << QStringList{"10.0.0.7", "pub & co", "<priv>", "v2c", ""} << "R&D room"
        << wire({"HarrierRT_SNMP", "", "snmp", "", "10.0.0.7", "pub &amp; co", "&lt;priv&gt;", "v2c", "", "0",
                 "R&amp;D room"});
    QTest::newRow("generator set: version held, serial kept")
        << "AGREGAT IBIS"
        << "SNMP" << QString() << QStringList{"10.0.0.8", "public", "private", "v2c", "GS-7"} << "Yard"
        << wire({"Ibis_SNMP", "", "snmp", "", "10.0.0.8", "public", "private", "v1", "GS-7", "0", "Yard"});
    const QString longName = QString(79, QLatin1Char('n')) + QStringLiteral("xyz");
    QTest::newRow("name cut to 80") << "PLOVER"
                                    << "USB" << QString() << QStringList() << longName
                                    << wire({"Plover_USB", "", "usb", "", "", "", "", "", "", "0",
                                             longName.left(80)});
}

void TestAddUpsWindow::newDevice()
{
    QFETCH(QString, model);
    QFETCH(QString, interface);
    QFETCH(QString, port);
    QFETCH(QStringList, snmp);
    QFETCH(QString, name);
    QFETCH(QString, sent);

    Fixture f;
    QVERIFY(f.start());
    f.dialog.setConfiguredUps({serialUps()});
    f.choose("upsModelBox", model);
    f.choose("communicationInterfaceBox", interface);
    QCOMPARE(f.box("communicationPortBox")->isVisible(), interface == QLatin1String("RS232"));
    QCOMPARE(f.snmpButton()->isVisible(), interface == QLatin1String("SNMP"));
    if (!port.isEmpty())
        f.choose("communicationPortBox", port);
    if (!snmp.isEmpty())
        f.setSnmp(snmp);
    f.typeName(name);
    QCOMPARE(f.ok()->isEnabled(), !sent.isEmpty());
    if (sent.isEmpty()) {
        QTest::keyClick(&f.dialog, Qt::Key_Return);
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.sentNames(), QStringList());
        return;
    }

    f.ok()->click();
    QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(f.sentNames(), (QStringList{"set_new_ups", "get_available_ports"}));
    QCOMPARE(f.payloadOf(QStringLiteral("set_new_ups")), sent);
    // The stand-in reads the free texts back as they were typed.
    const LxSim::SimDevice added = f.rig.world.devices().last();
    QCOMPARE(added.user_defined_name, name.left(80));
    if (!snmp.isEmpty())
        QCOMPARE(added.read, snmp.at(1));
}

void TestAddUpsWindow::busyPortsInItalics()
{
    Fixture f;
    QVERIFY(f.start());
    f.choose("upsModelBox", QStringLiteral("KITE PRO RACK"));
    QComboBox* ports = f.box("communicationPortBox");
    QCOMPARE(ports->count(), 4);
    const QStringList names{"COM1", "COM2", "COM3", "COM4"};
    const QList<bool> free{true, false, false, true};
    for (int i = 0; i < ports->count(); ++i) {
        QCOMPARE(ports->itemText(i), names.at(i));
        QCOMPARE(ports->itemData(i).toBool(), free.at(i));
        const QFont font = ports->itemData(i, Qt::FontRole).value<QFont>();
        QCOMPARE(font.italic(), !free.at(i));
        if (!free.at(i)) {
            // The list's own family and size, only slanted: the popup draws the item in it.
            QCOMPARE(font.family(), ports->font().family());
            QCOMPARE(font.pointSizeF(), ports->font().pointSizeF());
            QCOMPARE(ports->itemData(i, Qt::ForegroundRole).value<QColor>(), QColor(QStringLiteral("grey")));
        }
    }
    // The window's list is read again each time RS232 is chosen.
    f.ports = {{QStringLiteral("ttyS0"), true}};
    f.choose("upsModelBox", QStringLiteral("OSPREY"));
    QCOMPARE(ports->count(), 1);
    QCOMPARE(ports->itemText(0), QStringLiteral("ttyS0"));
}

void TestAddUpsWindow::snmpOptionsFollowTheModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("versionChoice");
    QTest::addColumn<bool>("serialRow");

    QTest::newRow("Harrier RT") << "HARRIER RT" << true << false;
    QTest::newRow("Harrier RT Plus") << "HARRIER RT PLUS" << false << false;
    QTest::newRow("Harrier RT Plus 6k/10k") << "HARRIER RT PLUS 6K/10K" << true << false;
    QTest::newRow("Harrier 31 Dual") << "HARRIER 31 DUAL" << true << false;
    QTest::newRow("Harrier Dark") << "HARRIER DARK" << true << false;
    QTest::newRow("Osprey XL") << "OSPREY XL" << false << false;
    QTest::newRow("generator set") << "AGREGAT IBIS" << false << true;
}

void TestAddUpsWindow::snmpOptionsFollowTheModel()
{
    QFETCH(QString, model);
    QFETCH(bool, versionChoice);
    QFETCH(bool, serialRow);

    QList<SerialPort> ports;
    AddUpsWindow dialog(&ports);
    dialog.editDevice(harrierOnSnmp());
    dialog.show();
    auto* models = dialog.findChild<QComboBox*>(QStringLiteral("upsModelBox"));
    models->setCurrentIndex(models->findText(model));
    dialog.findChild<QComboBox*>(QStringLiteral("communicationInterfaceBox"))
        ->setCurrentText(QStringLiteral("SNMP"));

    bool enabled = !versionChoice;
    QString version;
    bool serialShown = !serialRow;
    answerNextDialog([&](QWidget* w) {
        auto* combo = w->findChild<QComboBox*>(QStringLiteral("snmpVerComboBox"));
        enabled = combo->isEnabled();
        version = combo->currentText();
        serialShown = w->findChild<QLineEdit*>(QStringLiteral("serialNoEdit"))->isVisible();
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("serialNoLabel"))->isVisible(), serialShown);
        w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    dialog.findChild<QPushButton*>(QStringLiteral("snmpOptionsButton"))->click();
    QCOMPARE(enabled, versionChoice);
    QCOMPARE(serialShown, serialRow);
    // The record's v2c where the model lets it be chosen, v1 where it is held.
    QCOMPARE(version, versionChoice ? QStringLiteral("v2c") : QStringLiteral("v1"));
}

void TestAddUpsWindow::snmpOptionsCancelled()
{
    QList<SerialPort> ports;
    AddUpsWindow dialog(&ports);
    dialog.editDevice(harrierOnSnmp());
    dialog.show();
    QStringList shown;
    answerNextDialog([&](QWidget* w) {
        for (const char* name : {"agentIpEdit", "readCommunityEdit", "writeCommunityEdit", "serialNoEdit"})
            shown << w->findChild<QLineEdit*>(QLatin1String(name))->text();
        shown << w->findChild<QComboBox*>(QStringLiteral("snmpVerComboBox"))->currentText();
        w->findChild<QLineEdit*>(QStringLiteral("agentIpEdit"))->setText(QStringLiteral("10.9.9.9"));
        w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    dialog.findChild<QPushButton*>(QStringLiteral("snmpOptionsButton"))->click();
    QCOMPARE(shown, (QStringList{"192.168.10.21", "public", "private", "HR-17", "v2c"}));
    // Cancelled: the record keeps its address, so nothing changed.
    QVERIFY(!dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
}

void TestAddUpsWindow::editOpensWithOkOff_data()
{
    QTest::addColumn<Ups>("device");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("port");

    QTest::newRow("serial") << serialUps() << "KITE PRO RACK"
                            << "RS232"
                            << "COM3";
    QTest::newRow("SNMP") << harrierOnSnmp() << "HARRIER RT"
                          << "SNMP" << QString();
    QTest::newRow("USB") << record("9", "Plover_USB", "usb", "Desk") << "PLOVER"
                         << "USB" << QString();
    Ups upperCase = harrierOnSerial();
    upperCase.communication = QStringLiteral("RS232");
    QTest::newRow("interface in upper case") << upperCase << "HARRIER RT"
                                             << "RS232"
                                             << "COM1";
}

void TestAddUpsWindow::editOpensWithOkOff()
{
    QFETCH(Ups, device);
    QFETCH(QString, model);
    QFETCH(QString, interface);
    QFETCH(QString, port);

    Fixture f;
    f.dialog.editDevice(device);
    f.dialog.setConfiguredUps({device});
    QCOMPARE(f.box("upsModelBox")->currentText(), model);
    QCOMPARE(f.box("communicationInterfaceBox")->currentText(), interface);
    QCOMPARE(f.box("communicationPortBox")->currentText(), port);
    QCOMPARE(f.nameEdit()->text(), device.user_defined_name);
    QVERIFY(!f.ok()->isEnabled());
    // Re-choosing what is already there changes nothing either.
    f.choose("communicationInterfaceBox", interface);
    QVERIFY(!f.ok()->isEnabled());
}

void TestAddUpsWindow::okFollowsEdits()
{
    Fixture f;
    f.dialog.editDevice(harrierOnSnmp());
    f.dialog.show();
    QVERIFY(!f.ok()->isEnabled());

    struct Step
    {
        std::function<void()> act;
        bool ok;
        const char* what;
    };
    const QList<Step> steps = {
        {[&] { f.typeName(QStringLiteral("Hall 2")); }, true, "name changed"},
        {[&] { f.typeName(QStringLiteral("Hall")); }, false, "name back"},
        {[&] { f.typeName(QStringLiteral("hall")); }, true, "name case counts"},
        {[&] { f.typeName(QStringLiteral("Hall")); }, false, "name back again"},
        {[&] {
             f.setSnmp({"192.168.10.22", "public", "private", "v2c", "HR-17"});
         },
         true, "address changed"},
        {[&] {
             f.setSnmp({"192.168.10.21", "public", "private", "v2c", "HR-17"});
         },
         false, "address back"},
        {[&] {
             f.setSnmp({"192.168.10.21", "Public", "private", "v2c", "HR-17"});
         },
         true, "community case"},
        {[&] {
             f.setSnmp({"192.168.10.21", "public", "private", "v1", "HR-17"});
         },
         true, "version"},
        {[&] {
             f.setSnmp({"192.168.10.21", "public", "private", "v2c", "hr-17"});
         },
         true, "serial case"},
        {[&] {
             f.setSnmp({"192.168.10.21", "public", "private", "v2c", "HR-17"});
         },
         false, "all back"},
        {[&] { f.choose("communicationInterfaceBox", QStringLiteral("USB")); }, true, "interface"},
        {[&] { f.choose("communicationInterfaceBox", QStringLiteral("SNMP")); }, false, "interface back"},
        {[&] { f.choose("upsModelBox", QStringLiteral("HARRIER RT PLUS")); }, true, "model"},
    };
    for (const Step& step : steps) {
        step.act();
        QVERIFY2(f.ok()->isEnabled() == step.ok, step.what);
    }
}

void TestAddUpsWindow::serialEditAcceptsItsBusyPort()
{
    Fixture f;
    f.dialog.editDevice(serialUps());
    f.dialog.show();
    QCOMPARE(f.box("communicationPortBox")->currentText(), QStringLiteral("COM3"));
    QVERIFY(!f.ok()->isEnabled());
    f.choose("communicationPortBox", QStringLiteral("COM1"));
    QVERIFY(f.ok()->isEnabled());
    // Busy with another program, but an edit may name any port.
    f.choose("communicationPortBox", QStringLiteral("COM2"));
    QVERIFY(f.ok()->isEnabled());
    f.choose("communicationPortBox", QStringLiteral("COM3"));
    QVERIFY(!f.ok()->isEnabled());
    // Another model with RS232 keeps the port chosen.
    f.choose("upsModelBox", QStringLiteral("OSPREY"));
    QCOMPARE(f.box("communicationInterfaceBox")->currentText(), QStringLiteral("RS232"));
    QCOMPARE(f.box("communicationPortBox")->currentText(), QStringLiteral("COM3"));
    QVERIFY(f.ok()->isEnabled());
}

namespace {
enum class Change
{
    PortToCom1,
    ToUsb,
    ToSnmp,
    ToOsprey
};
} // namespace
Q_DECLARE_METATYPE(Change)

void TestAddUpsWindow::editSends_data()
{
    QTest::addColumn<Ups>("device");
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("sent");

    QTest::newRow("port of a serial UPS")
        << serialUps() << Change::PortToCom1 << false
        << wire({"KitePro_Rack_RS232", "6", "rs232", "COM1", "", "", "", "", "", "0", "Reception"});
    QTest::newRow("Harrier RT from RS232 to SNMP asks")
        << harrierOnSerial() << Change::ToSnmp << true
        << wire({"HarrierRT_SNMP", "7", "snmp", "", "10.1.1.9", "R&amp;D", "w&lt;1&gt;", "v2c", "", "1",
                 "Rack"});
    QTest::newRow("Harrier RT from RS232 to USB does not")
        << harrierOnSerial() << Change::ToUsb << false
        << wire({"HarrierRT_USB", "7", "usb", "", "", "", "", "", "", "0", "Rack"});
    QTest::newRow("Harrier RT from SNMP to USB asks, address dropped")
        << harrierOnSnmp() << Change::ToUsb << true
        << wire({"HarrierRT_USB", "8", "usb", "", "", "", "", "", "HR-17", "1", "Hall"});
    QTest::newRow("another model asks")
        << serialUps() << Change::ToOsprey << true
        << wire({"Osprey_RS232", "6", "rs232", "COM3", "", "", "", "", "", "1", "Reception"});
}

void TestAddUpsWindow::editSends()
{
    QFETCH(Ups, device);
    QFETCH(Change, change);
    QFETCH(bool, asks);
    QFETCH(QString, sent);

    Fixture f;
    QVERIFY(f.start());
    f.dialog.editDevice(device);
    f.dialog.setConfiguredUps({serialUps(), device});
    switch (change) {
    case Change::PortToCom1:
        f.choose("communicationPortBox", QStringLiteral("COM1"));
        break;
    case Change::ToUsb:
        f.choose("communicationInterfaceBox", QStringLiteral("USB"));
        break;
    case Change::ToSnmp:
        f.choose("communicationInterfaceBox", QStringLiteral("SNMP"));
        f.setSnmp({"10.1.1.9", "R&D", "w<1>", "v2c", ""});
        break;
    case Change::ToOsprey:
        f.choose("upsModelBox", QStringLiteral("OSPREY"));
        break;
    }
    QVERIFY(f.ok()->isEnabled());
    QSharedPointer<LxTest::SeenBox> question;
    if (asks)
        question = answerNextMessageBox(QMessageBox::Yes);
    f.ok()->click();
    if (asks) {
        QVERIFY(question->seen);
        QCOMPARE(question->windowTitle, QStringLiteral("Uwaga"));
        QCOMPARE(question->text, resetQuestion);
    }
    QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(f.sentNames(), (QStringList{"change_ups", "get_available_ports"}));
    QCOMPARE(f.payloadOf(QStringLiteral("change_ups")), sent);
}

// "No" sends nothing and leaves the dialog as the user left it; the next OK asks
// again and sends the same change, not one rebuilt from a half-applied record.
void TestAddUpsWindow::noToTheResetKeepsTheEntries()
{
    Fixture f;
    QVERIFY(f.start());
    f.dialog.editDevice(harrierOnSerial());
    f.dialog.setConfiguredUps({harrierOnSerial()});
    f.choose("communicationInterfaceBox", QStringLiteral("SNMP"));
    f.setSnmp({"10.1.1.9", "public", "private", "v1", ""});
    f.typeName(QStringLiteral("Rack B"));

    auto question = answerNextMessageBox(QMessageBox::No);
    f.ok()->click();
    QVERIFY(question->seen);
    QVERIFY(f.dialog.isVisible());
    QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(f.sentNames(), QStringList());
    QCOMPARE(f.box("communicationInterfaceBox")->currentText(), QStringLiteral("SNMP"));
    QCOMPARE(f.nameEdit()->text(), QStringLiteral("Rack B"));
    QVERIFY(f.ok()->isEnabled());
    f.rig.server.clearRequests();

    question = answerNextMessageBox(QMessageBox::Yes);
    f.ok()->click();
    QVERIFY(question->seen);
    QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(f.sentNames(), (QStringList{"change_ups", "get_available_ports"}));
    QCOMPARE(f.payloadOf(QStringLiteral("change_ups")), wire({"HarrierRT_SNMP", "7", "snmp", "", "10.1.1.9",
                                                              "public", "private", "v1", "", "1", "Rack B"}));
}

// The session ends while the question is open: Yes then sends nothing, with
// the password gone, and the dialog stays as the user left it.
void TestAddUpsWindow::logoutDuringTheResetQuestionSendsNothing()
{
    Fixture f;
    QVERIFY(f.start());
    f.dialog.editDevice(harrierOnSerial());
    f.dialog.setConfiguredUps({harrierOnSerial()});
    f.choose("upsModelBox", QStringLiteral("OSPREY"));
    QVERIFY(f.ok()->isEnabled());
    const auto question = answerNextDialog([&f](QWidget* w) {
        f.logOut();
        qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
    });
    f.ok()->click();
    QVERIFY(question->seen);
    QCOMPARE(question->text, resetQuestion);
    QVERIFY(f.dialog.isVisible());
    QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(f.box("upsModelBox")->currentText(), QStringLiteral("OSPREY"));
    QCOMPARE(f.sentNames(), QStringList());
}

void TestAddUpsWindow::oneDevicePerClass_data()
{
    QTest::addColumn<QStringList>("configured");
    QTest::addColumn<QString>("edited"); // empty: a new device
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("refused");

    QTest::newRow("second of class 1") << QStringList{"KiteLCD_USB"} << QString() << "WREN II PRO" << true;
    QTest::newRow("class 1 free") << QStringList{"KitePro_USB"} << QString() << "WREN II PRO" << false;
    QTest::newRow("classes 2 and 3 are apart")
        << QStringList{"HarrierRT_6_10_USB"} << QString() << "HARRIER RT" << false;
    QTest::newRow("second of class 4") << QStringList{"Wren_Avr_USB"} << QString() << "WREN AVR" << true;
    QTest::newRow("change within its class") << QStringList{"KiteLCD_USB"} << "KiteLCD_USB"
                                             << "PLOVER" << false;
    QTest::newRow("change into an occupied class")
        << QStringList{"KiteLCD_USB", "KitePro_USB"} << "KitePro_USB"
        << "PLOVER" << true;
}

void TestAddUpsWindow::oneDevicePerClass()
{
    QFETCH(QStringList, configured);
    QFETCH(QString, edited);
    QFETCH(QString, model);
    QFETCH(bool, refused);

    Fixture f;
    QVERIFY(f.start());
    QList<Ups> records;
    for (int i = 0; i < configured.size(); ++i)
        records << record(QString::number(20 + i), configured.at(i), QStringLiteral("usb"), QString());
    if (!edited.isEmpty())
        f.dialog.editDevice(records.at(configured.indexOf(edited)));
    f.dialog.setConfiguredUps(records);
    f.choose("upsModelBox", model);
    f.typeName(QStringLiteral("Biuro"));

    // A refusal comes first; an allowed change of model asks about the events.
    QSharedPointer<LxTest::SeenBox> box;
    if (refused || !edited.isEmpty())
        box = answerNextMessageBox(refused ? QMessageBox::Ok : QMessageBox::Yes);
    f.ok()->click();
    if (refused) {
        QVERIFY(box->seen);
        QCOMPARE(box->windowTitle, QStringLiteral("Uwaga"));
        QCOMPARE(box->text, classRefusal);
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.box("upsModelBox")->currentText(), model);
        QCOMPARE(f.sentNames(), QStringList());
        return;
    }
    QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
    const QString request = edited.isEmpty() ? QStringLiteral("set_new_ups") : QStringLiteral("change_ups");
    QCOMPARE(f.sentNames(), (QStringList{request, "get_available_ports"}));
}

void TestAddUpsWindow::logoutLocksOk()
{
    Fixture f;
    QVERIFY(f.start());
    f.choose("upsModelBox", QStringLiteral("PLOVER"));
    f.typeName(QStringLiteral("Desk"));
    QVERIFY(f.ok()->isEnabled());
    f.logOut();
    QVERIFY(!f.ok()->isEnabled());
    f.typeName(QStringLiteral("Desk 2"));
    QVERIFY(!f.ok()->isEnabled());
    QTest::keyClick(&f.dialog, Qt::Key_Return);
    f.dialog.accept();
    QVERIFY(f.dialog.isVisible());
    QCOMPARE(f.sentNames(), QStringList());
}

void TestAddUpsWindow::cancelSendsNothing()
{
    Fixture f;
    QVERIFY(f.start());
    f.choose("upsModelBox", QStringLiteral("PLOVER"));
    f.typeName(QStringLiteral("Desk"));
    f.dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.sentNames(), QStringList());
}

LX_TEST_MAIN(TestAddUpsWindow)
#include "tst_addupswindow.moc"
