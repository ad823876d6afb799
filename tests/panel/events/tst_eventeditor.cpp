#include "common/event.h"
#include "common/helpers.h"
#include "link/upssocketcontroller.h"
#include "networkrecords.h"
#include "panel/base/dialogrelay.h"
#include "panel/events/networkconfigurationwindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTreeWidget>

using LxTest::ShownBox;
using LxTest::takeMessageBoxes;

namespace {
const QString attention = QStringLiteral("Uwaga!");
const QString configure = QStringLiteral("\nWybierz przycisk \"Konfiguruj\".");

Luminorix::Utils::Ups device(const QString& model, bool sockets = true, bool shutdownSupported = true)
{
    Luminorix::Utils::Ups ups;
    ups.id = QStringLiteral("1");
    ups.model_name = model;
    ups.output_socket1 = sockets;
    ups.output_socket2 = sockets;
    ups.ups_shutdown_supported = shutdownSupported;
    return ups;
}

Event stored(const QString& key, int group, int number)
{
    Event e;
    e.event_state = key;
    e.event_parentId = group;
    e.event_number = number;
    return e;
}

// The dialog on a controller that is not connected: what it would send is
// seen on the way out, and the configuration is handed to it as the
// controller's signals would.
struct Dialog
{
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    NetworkConfigurationWindow dialog;
    QList<QByteArray> sent;

    explicit Dialog(const Luminorix::Utils::Ups& ups) : dialog(ups)
    {
        // Opened by a logged-in administrator.
        controller.setPassword(hashPassword(QStringLiteral("Quillmarberon")));
        connectToService(&dialog, &controller, relay);
        controller.setSendObserver([this](const QByteArray& text) { sent << text; });
    }
    // Group 0 holds the service's own machine, group 1 another computer.
    void load(const QVector<Event>& events)
    {
        dialog.setGroupsFromConfig(
            {group(0, QStringLiteral("Serwerownia"), {1}), group(1, QStringLiteral("Biuro"), {2})});
        dialog.setEventsFromConfig(events);
        dialog.setAllComputers({computer(1, QStringLiteral("Serwer"), QStringLiteral("127.0.0.1")),
                                computer(2, QStringLiteral("Biuro-1"), QStringLiteral("192.168.1.7"))});
    }
    template <class T> T* child(const char* name) const { return dialog.findChild<T*>(QLatin1String(name)); }
    void click(const char* name) const { child<QAbstractButton>(name)->click(); }
    void check(const char* name, bool on = true) const { child<QCheckBox>(name)->setChecked(on); }
    QTreeWidget* network() const { return child<QTreeWidget>("networkElementsTree"); }
    QTreeWidget* eventRows() const { return child<QTreeWidget>("eventsTree"); }
    QComboBox* workMode() const { return child<QComboBox>("workModeBox"); }
    void selectGroup(int id) const
    {
        for (int i = 0; i < network()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = network()->topLevelItem(i);
            if (item->text(NetworkConfigurationWindow::GroupIdColumn).toInt() == id)
                network()->setCurrentItem(item);
        }
    }
    void chooseKey(const QString& key) const { workMode()->setCurrentIndex(workMode()->findData(key)); }
    bool editorOpen() const { return child<QWidget>("saveEventButton")->isEnabled(); }
    QStringList rowTexts() const
    {
        QStringList rows;
        for (int i = 0; i < eventRows()->topLevelItemCount(); ++i) {
            QStringList columns;
            for (int c = 0; c < eventRows()->columnCount(); ++c)
                columns << eventRows()->topLevelItem(i)->text(c);
            rows << columns.join(QLatin1Char('|'));
        }
        return rows;
    }
    // The body of the last events request (what follows its pass).
    QString eventsSent() const
    {
        for (int i = sent.size() - 1; i >= 0; --i) {
            const QString text = QString::fromUtf8(sent.at(i));
            if (text.startsWith(QLatin1String("<events>")))
                return text.mid(text.indexOf(QLatin1String("</pass>")) + 7)
                    .chopped(int(qstrlen("</events>")));
        }
        return QString();
    }
};

// One event as the events request writes it, without actions.
QString eventXml(const QString& key, const QString& in, const QString& out, int number, int parent)
{
    return QStringLiteral(
               "<event><event_state>%1</event_state><expressionIn>%2</expressionIn><expressionOut>%3"
               "</expressionOut><event_number>%4</event_number><event_parentId>%5</event_parentId>"
               "<actions></actions></event>")
        .arg(key, in, out)
        .arg(number)
        .arg(parent);
}
} // namespace

class TestEventEditor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void workModeOffers_data();
    void workModeOffers();
    void advancedModelsOfferTheirEventNames();
    void defaultTablesInTheEventsRequest_data();
    void defaultTablesInTheEventsRequest();
    void saveChecks_data();
    void saveChecks();
    void addNumbersAndCancelRemoves();
    void editShowsTheEventAndSaveKeepsIt();
    void refusalsWithoutSelection();
    void removeTakesTheSelectedRow();
    void uncheckedActionGoesAtSave();
    void okWhileEditingCancelsTheEdit_data();
    void okWhileEditingCancelsTheEdit();
    void eventsReplyWhileEditingChangesNothing();
    void eventsReplyWhileAnActionDialogRuns();
    void commandUpsOffFollowsGroupAndDevice_data();
    void commandUpsOffFollowsGroupAndDevice();
    void advancedNameProposals_data();
    void advancedNameProposals();
    void advancedDefinitionSavedOrRestored_data();
    void advancedDefinitionSavedOrRestored();
    void wholeEventOverTheLink();
};

void TestEventEditor::cleanup()
{
    LxTest::closeAllMessageBoxes();
}

void TestEventEditor::workModeOffers_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("keys");

    const QString normal = QStringLiteral("stateNormal");
    const QString backup = QStringLiteral("stateBatteryBackup");
    const QString low = QStringLiteral("stateBatteryLowLevel");
    const QString overload = QStringLiteral("stateOverload");
    const QString shortcut = QStringLiteral("stateShortcut");
    const QString avr = QStringLiteral("stateAvrActive");
    const QString noCommunication = QStringLiteral("stateNoCommunication");
    const QString fault = QStringLiteral("stateFault");
    QTest::newRow("Osprey_, table B")
        << "Osprey_1500" << QStringList{normal, backup, low, overload, shortcut, avr, noCommunication};
    QTest::newRow("osprey in lower case")
        << "ospreyPro_1000" << QStringList{normal, backup, low, overload, shortcut, avr, noCommunication};
    QTest::newRow("KitePro_Rack_RS232") << "KitePro_Rack_RS232" << QStringList{normal, backup, low};
    QTest::newRow("the same in lower case")
        << "kitepro_rack_rs232" << QStringList{normal, backup, low, noCommunication};
    QTest::newRow("WrenPro_RS232") << "WrenPro_RS232" << QStringList{normal, backup, low};
    QTest::newRow("Plover") << "Plover_3000" << QStringList{normal, backup, low, noCommunication, avr, fault};
    QTest::newRow("KiteLCD") << "kitelcd_usb" << QStringList{normal, backup, low, noCommunication, fault};
    QTest::newRow("WrenIIPro") << "WrenIIPro_800" << QStringList{normal, backup, low, noCommunication, fault};
    QTest::newRow("other model") << "Kite_600" << QStringList{normal, backup, low, noCommunication};
}

void TestEventEditor::workModeOffers()
{
    QFETCH(QString, model);
    QFETCH(QStringList, keys);

    const QMap<QString, QString> names = {{"stateNoCommunication", "Brak komunikacji"},
                                          {"stateNormal", "Praca w trybie sieciowym"},
                                          {"stateBatteryBackup", "Praca w trybie podtrzymania z baterii"},
                                          {"stateBatteryLowLevel", "Niski poziom energii baterii"},
                                          {"stateShortcut", "Zwarcie"},
                                          {"stateOverload", "Przeciążenie"},
                                          {"stateAvrActive", "Aktywny AVR"},
                                          {"stateFault", "Tryb błędu"}};
    Dialog d(device(model));
    QStringList offered;
    QStringList texts;
    QStringList expectedTexts;
    for (int i = 0; i < d.workMode()->count(); ++i) {
        offered << d.workMode()->itemData(i).toString();
        texts << d.workMode()->itemText(i);
    }
    for (const QString& key : qAsConst(keys))
        expectedTexts << names.value(key);
    QCOMPARE(offered, keys);
    QCOMPARE(texts, expectedTexts);
    QVERIFY(!d.child<QWidget>("advancedConfigurationButton")->isVisibleTo(&d.dialog));
}

void TestEventEditor::advancedModelsOfferTheirEventNames()
{
    Dialog d(device(QStringLiteral("Harrier33_SNMP")));
    QVERIFY(d.child<QWidget>("advancedConfigurationButton")->isVisibleTo(&d.dialog));
    d.load({stored(QStringLiteral("Zdarzenie 1"), 0, 1), stored(QStringLiteral("Przegrzanie"), 1, 2),
            stored(QStringLiteral("Przegrzanie"), 0, 3)});
    QStringList texts;
    for (int i = 0; i < d.workMode()->count(); ++i) {
        texts << d.workMode()->itemText(i);
        QCOMPARE(d.workMode()->itemData(i).toString(), d.workMode()->itemText(i));
    }
    QCOMPARE(texts, (QStringList{"Zdarzenie 1", "Przegrzanie", "Przegrzanie"}));
    // Rows name the events themselves, not a table's texts.
    QCOMPARE(d.rowTexts(), (QStringList{"Zdarzenie 1|||||", "Przegrzanie|||||"}));
}

void TestEventEditor::defaultTablesInTheEventsRequest_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("events"); // key, expressionIn, expressionOut, ... in offer order

    const QStringList tableA = {
        "stateNormal",          "stateNormal,ON,==,",          "stateNormal,OFF,==,",
        "stateBatteryBackup",   "stateBatteryBackup,ON,==,",   "stateNormal,ON,==,",
        "stateBatteryLowLevel", "stateBatteryLowLevel,ON,==,", "stateNormal,ON,==,",
        "stateOverload",        "stateOverload,ON,==,",        "stateNormal,ON,==,",
        "stateShortcut",        "stateShortcut,ON,==,",        "stateNormal,ON,==,",
        "stateAvrActive",       "stateAvrActive,ON,==,",       "stateNormal,ON,==,",
        "stateNoCommunication", "stateNoCommunication,ON,==,", "stateNoCommunication,OFF,==,"};
    const QStringList tableB = {
        "stateNormal", "stateNormal,ON,==,stateAvrActive,ON,==,||,",
        "stateNormal,OFF,==,stateAvrActive,OFF,==,&&,",
        // Stored without its last comma.
        "stateBatteryBackup", "stateBatteryBackup,ON,==,", "stateNormal,ON,==,stateAvrActive,ON,==,||",
        "stateBatteryLowLevel", "stateBatteryLowLevel,ON,==,", "stateNormal,ON,==,stateAvrActive,ON,==,||,",
        "stateOverload", "stateOverload,ON,==,", "stateOverload,OFF,==,", "stateShortcut",
        "stateShortcut,ON,==,", "stateShortcut,OFF,==,", "stateAvrActive", "stateAvrActive,ON,==,",
        "stateAvrActive,OFF,==,", "stateNoCommunication", "stateNoCommunication,ON,==,",
        "stateNoCommunication,OFF,==,"};
    QTest::newRow("table A, Osprey without the underscore") << "OspreyPro_1000" << tableA;
    QTest::newRow("table A, Osprey_ with hid") << "Osprey_1000hid" << tableA;
    QTest::newRow("table A, osprey_ in lower case") << "osprey_1000" << tableA;
    QTest::newRow("table B, Osprey_") << "Osprey_1500" << tableB;
    QTest::newRow("table B, OspreyJ_") << "OspreyJ_3000" << tableB;
    QTest::newRow("table A, Plover with its fault")
        << "Plover_3000"
        << QStringList{"stateNormal",          "stateNormal,ON,==,",          "stateNormal,OFF,==,",
                       "stateBatteryBackup",   "stateBatteryBackup,ON,==,",   "stateNormal,ON,==,",
                       "stateBatteryLowLevel", "stateBatteryLowLevel,ON,==,", "stateNormal,ON,==,",
                       "stateNoCommunication", "stateNoCommunication,ON,==,", "stateNoCommunication,OFF,==,",
                       "stateAvrActive",       "stateAvrActive,ON,==,",       "stateNormal,ON,==,",
                       "stateFault",           "stateFault,ON,==,",           "stateNormal,ON,==,"};
}

// Every offered event, added and saved through the editor, reaches the
// service with the conditions of the model's table, byte for byte.
void TestEventEditor::defaultTablesInTheEventsRequest()
{
    QFETCH(QString, model);
    QFETCH(QStringList, events);

    ServiceRig rig;
    QVERIFY(rig.listen());
    rig.world.setComputersPayload(
        QStringLiteral("<computer><computer_name>Serwer</computer_name><computer_address>"
                       "127.0.0.1</computer_address><computer_password></computer_password>"
                       "<computer_configId>1</computer_configId></computer>"));
    rig.world.setGroupsPayload(
        QStringLiteral("1"), QStringLiteral("<ups_id>1</ups_id><group><group_name>Serwerownia</group_name>"
                                            "<group_configId>4</group_configId><computers><computer>"
                                            "<computer_configId>1</computer_configId></computer></computers>"
                                            "</group>"));
    Luminorix::UpsSocketController controller;
    controller.setPassword(rig.world.adminDigest());
    QVERIFY(rig.connect(controller));
    DialogRelay relay;
    NetworkConfigurationWindow dialog(device(model));
    connectToService(&dialog, &controller, relay);
    dialog.requestNetworkConfiguration(QStringLiteral("1"));
    auto* save =
        dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Save);
    QTRY_VERIFY_WITH_TIMEOUT(save->isEnabled(), 20000);

    auto* workMode = dialog.findChild<QComboBox*>(QStringLiteral("workModeBox"));
    QCOMPARE(workMode->count(), events.size() / 3);
    QString expected = QStringLiteral("<ups_id>1</ups_id>");
    for (int i = 0; i < workMode->count(); ++i) {
        dialog.findChild<QPushButton*>(QStringLiteral("addEventButton"))->click();
        workMode->setCurrentIndex(i);
        dialog.findChild<QPushButton*>(QStringLiteral("saveEventButton"))->click();
        QVERIFY(takeMessageBoxes().isEmpty());
        const auto escaped = [](QString text) {
            return text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
        };
        expected += eventXml(events.at(3 * i), escaped(events.at(3 * i + 1)), escaped(events.at(3 * i + 2)),
                             i + 1, 4);
    }
    const int before = rig.server.requests().size();
    save->click();
    QVERIFY(rig.waitForRequests(before + 3));
    const QList<LxSim::SimRequest> requests = rig.server.requests().mid(before);
    QCOMPARE(requests.at(1).name, QStringLiteral("events"));
    QCOMPARE(requests.at(1).payload(), expected);
    controller.disconnectFromService();
}

void TestEventEditor::saveChecks_data()
{
    QTest::addColumn<bool>("edit");         // the existing event of group 0, or a new one
    QTest::addColumn<QString>("key");       // the work mode chosen
    QTest::addColumn<QStringList>("boxes"); // the action boxes checked
    QTest::addColumn<int>("commandDelay");  // of the event's actions; -1: none
    QTest::addColumn<int>("shutdownDelay");
    QTest::addColumn<int>("socket1Delay"); // -1: section 1 not controlled
    QTest::addColumn<int>("socket2Delay");
    QTest::addColumn<bool>("sockets"); // the UPS has output sockets
    QTest::addColumn<QString>("message");

    const QString normal = QStringLiteral("stateNormal");
    const QString low = QStringLiteral("stateBatteryLowLevel");
    const QString duplicate = QStringLiteral("Konfiguracja zawiera już zdarzenie Praca w trybie sieciowym");
    const QString commandLate = QStringLiteral(
        "Nieprawidłowa konfiguracja.\nOpóźnienie wykonania polecenia systemowego jest większe od opóźnienia "
        "zamknięcia systemu.\nPolecenie systemowe nie zostanie wykonane.");
    const QString socketLate = QStringLiteral(
        "Nieprawidłowa konfiguracja.\nOpóźnienie włączenia/wyłączenia gniazda sterowalnego jest większe od "
        "opóźnienia zamknięcia systemu.\nPolecenie dla gniazda sterowalnego nie zostanie wykonane.");

    QTest::newRow("new, free key") << false << low << QStringList() << -1 << -1 << -1 << -1 << true
                                   << QString();
    QTest::newRow("new, key of the group")
        << false << normal << QStringList() << -1 << -1 << -1 << -1 << true << duplicate;
    QTest::newRow("edited keeps its own key")
        << true << normal << QStringList() << -1 << -1 << -1 << -1 << true << QString();
    QTest::newRow("power-off without parameters")
        << false << low << QStringList{"shutdownSystemBox", "systemCommandBox"} << -1 << -1 << -1 << -1
        << true << "Nie zostały ustawione parametry zamknięcia systemu." + configure;
    QTest::newRow("command without parameters")
        << false << low << QStringList{"systemCommandBox", "sendEmailBox"} << -1 << -1 << -1 << -1 << true
        << "Nie zostały ustawione parametry polecenia systemowego." + configure;
    QTest::newRow("e-mail without parameters")
        << false << low << QStringList{"sendEmailBox", "outputSocketBox"} << -1 << -1 << -1 << -1 << true
        << "Nie zostały ustawione parametry dla wysyłania email." + configure;
    QTest::newRow("sockets without parameters")
        << false << low << QStringList{"outputSocketBox"} << -1 << -1 << -1 << -1 << true
        << "Nie zostały ustawione parametry gniazda sterowalnego." + configure;
    QTest::newRow("no sockets on the UPS: the hidden box does not count")
        << false << low << QStringList{"outputSocketBox"} << -1 << -1 << -1 << -1 << false << QString();
    QTest::newRow("command as late as the power-off")
        << true << normal << QStringList{"systemCommandBox", "shutdownSystemBox"} << 60 << 60 << -1 << -1
        << true << commandLate;
    QTest::newRow("command a second earlier")
        << true << normal << QStringList{"systemCommandBox", "shutdownSystemBox"} << 59 << 60 << -1 << -1
        << true << QString();
    QTest::newRow("command later, power-off unchecked")
        << true << normal << QStringList{"systemCommandBox"} << 90 << 60 << -1 << -1 << true << QString();
    QTest::newRow("section 1 as late as the power-off")
        << true << normal << QStringList{"outputSocketBox", "shutdownSystemBox"} << -1 << 60 << 60 << -1
        << true << socketLate;
    QTest::newRow("section 2 later than the power-off")
        << true << normal << QStringList{"outputSocketBox", "shutdownSystemBox"} << -1 << 60 << 10 << 61
        << true << socketLate;
    QTest::newRow("late section not controlled")
        << true << normal << QStringList{"outputSocketBox", "shutdownSystemBox"} << -1 << 60 << -1 << -1
        << true << QString();
}

void TestEventEditor::saveChecks()
{
    QFETCH(bool, edit);
    QFETCH(QString, key);
    QFETCH(QStringList, boxes);
    QFETCH(int, commandDelay);
    QFETCH(int, shutdownDelay);
    QFETCH(int, socket1Delay);
    QFETCH(int, socket2Delay);
    QFETCH(bool, sockets);
    QFETCH(QString, message);

    Event existing = stored(QStringLiteral("stateNormal"), 0, 1);
    if (commandDelay >= 0) {
        existing.sysCommandAction.reset(new SysCommandAction);
        existing.sysCommandAction->delay_time = commandDelay;
    }
    if (shutdownDelay >= 0) {
        existing.powerOffAction.reset(new PowerOffAction);
        existing.powerOffAction->delay_time = shutdownDelay;
    }
    // The unconfigured section is as late as can be: only configured sections count.
    existing.outputSocketAction.reset(new OutputSocketControlAction);
    existing.outputSocketAction->first_sock_conf = socket1Delay >= 0;
    existing.outputSocketAction->first_sock_delay = socket1Delay >= 0 ? socket1Delay : 999;
    existing.outputSocketAction->second_sock_conf = socket2Delay >= 0;
    existing.outputSocketAction->second_sock_delay = socket2Delay >= 0 ? socket2Delay : 999;

    Dialog d(device(QStringLiteral("Kite_600"), sockets));
    d.load({existing, stored(QStringLiteral("stateBatteryLowLevel"), 1, 2)});
    d.selectGroup(0);
    if (edit) {
        d.eventRows()->setCurrentItem(d.eventRows()->topLevelItem(0));
        d.click("editEventButton");
    } else {
        d.click("addEventButton");
    }
    d.chooseKey(key);
    // Exactly these: an edited event comes with the boxes of its actions checked.
    for (const char* box : {"systemCommandBox", "sendEmailBox", "shutdownSystemBox", "outputSocketBox"})
        d.check(box, boxes.contains(QLatin1String(box)));
    d.click("saveEventButton");

    if (!message.isEmpty()) {
        QCOMPARE(takeMessageBoxes(), (QList<ShownBox>{{attention, message}}));
        QVERIFY(d.editorOpen());
        QVERIFY(!d.child<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Save)->isEnabled());
        return;
    }
    QVERIFY(takeMessageBoxes().isEmpty());
    QVERIFY(!d.editorOpen());
    QVERIFY(d.child<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Save)->isEnabled());
    QCOMPARE(d.eventRows()->topLevelItemCount(), edit ? 1 : 2);
    d.dialog.accept();
    const QString sent = d.eventsSent();
    QCOMPARE(sent.count(QStringLiteral("<event>")), edit ? 2 : 3);
    // Saved into the group it was made in.
    QVERIFY(sent.contains(QStringLiteral("<event_state>%1</event_state>").arg(key)));
    QVERIFY(!sent.contains(QStringLiteral("<event_parentId>-1</event_parentId>")));
    // What is unchecked is gone; the other group's event keeps its own.
    QCOMPARE(sent.count(QStringLiteral("<output_sock_action>")),
             !edit || boxes.contains(QStringLiteral("outputSocketBox")) ? 1 : 0);
}

void TestEventEditor::addNumbersAndCancelRemoves()
{
    Dialog d(device(QStringLiteral("Kite_600")));
    d.load({stored(QStringLiteral("stateNormal"), 1, 3), stored(QStringLiteral("stateBatteryBackup"), 0, 7)});
    d.selectGroup(0);
    d.click("addEventButton");
    QVERIFY(d.editorOpen());
    for (const char* name : {"addEventButton", "editEventButton", "removeEventButton", "eventsTree",
                             "networkElementsTree", "networkElementsGroup"})
        QVERIFY2(!d.child<QWidget>(name)->isEnabled(), name);
    QVERIFY(!d.child<QWidget>("messageEdit")->isEnabled());
    QVERIFY(!d.child<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Save)->isEnabled());
    d.check("showMessageBox");
    QVERIFY(d.child<QWidget>("messageEdit")->isEnabled());
    d.click("cancelEventButton");
    QVERIFY(!d.editorOpen());
    QVERIFY(!d.child<QCheckBox>("showMessageBox")->isChecked());
    // The added event is gone again.
    d.dialog.accept();
    QCOMPARE(d.eventsSent().count(QStringLiteral("<event>")), 2);

    Dialog e(device(QStringLiteral("Kite_600")));
    e.load({stored(QStringLiteral("stateNormal"), 1, 3), stored(QStringLiteral("stateBatteryBackup"), 0, 7)});
    e.selectGroup(1);
    e.click("addEventButton");
    e.chooseKey(QStringLiteral("stateBatteryLowLevel"));
    e.check("showMessageBox");
    e.child<QPlainTextEdit>("messageEdit")->setPlainText(QStringLiteral("Bateria <20%"));
    e.click("saveEventButton");
    QCOMPARE(e.rowTexts(),
             (QStringList{"Praca w trybie sieciowym|||||", "Niski poziom energii baterii|*||||"}));
    e.dialog.accept();
    QVERIFY(e.eventsSent().endsWith(QStringLiteral(
        "<event><event_state>stateBatteryLowLevel</event_state><expressionIn>stateBatteryLowLevel,ON,"
        "==,</expressionIn><expressionOut>stateNormal,ON,==,</expressionOut><event_number>8"
        "</event_number><event_parentId>1</event_parentId><actions><message_action><message_text>"
        "Bateria &lt;20%</message_text></message_action></actions></event>")));
}

void TestEventEditor::editShowsTheEventAndSaveKeepsIt()
{
    Event existing = stored(QStringLiteral("stateBatteryBackup"), 0, 5);
    existing.messageAction.reset(new MessageAction);
    existing.messageAction->message_text = QStringLiteral("Praca z baterii");
    existing.powerOffAction.reset(new PowerOffAction);
    existing.powerOffAction->delay_time = 300;
    existing.powerOffAction->type = QStringLiteral("shutdown");
    Dialog d(device(QStringLiteral("Kite_600"), false));
    d.load({stored(QStringLiteral("stateNormal"), 0, 1), existing});
    d.selectGroup(0);
    QCOMPARE(d.rowTexts(),
             (QStringList{"Praca w trybie sieciowym||||", "Praca w trybie podtrzymania z baterii|*|||*"}));
    d.eventRows()->setCurrentItem(d.eventRows()->topLevelItem(1));
    d.click("editEventButton");
    QCOMPARE(d.workMode()->currentData().toString(), QStringLiteral("stateBatteryBackup"));
    QCOMPARE(d.child<QPlainTextEdit>("messageEdit")->toPlainText(), QStringLiteral("Praca z baterii"));
    QVERIFY(d.child<QCheckBox>("showMessageBox")->isChecked());
    QVERIFY(d.child<QCheckBox>("shutdownSystemBox")->isChecked());
    QVERIFY(d.child<QWidget>("shutdownSystemConfigurationButton")->isEnabled());
    QVERIFY(!d.child<QCheckBox>("systemCommandBox")->isChecked());
    QVERIFY(!d.child<QWidget>("systemCommandConfigurationButton")->isEnabled());
    d.click("saveEventButton");
    QVERIFY(takeMessageBoxes().isEmpty());
    d.dialog.accept();
    QVERIFY(d.eventsSent().contains(QStringLiteral(
        "<event_number>5</event_number><event_parentId>0</event_parentId><actions><message_action>"
        "<message_text>Praca z baterii</message_text></message_action><poweroff_action><type>shutdown"
        "</type><stanbyUps>0</stanbyUps><vms_action_ids></vms_action_ids><delay_time>300</delay_time>"
        "</poweroff_action></actions>")));
}

void TestEventEditor::refusalsWithoutSelection()
{
    Dialog d(device(QStringLiteral("Kite_600")));
    d.load({stored(QStringLiteral("stateNormal"), 0, 1)});
    d.network()->clearSelection();
    d.click("addEventButton");
    QCOMPARE(takeMessageBoxes(),
             (QList<ShownBox>{{attention, "Wybierz grupę do której chcesz dodać zdarzenie"}}));
    QVERIFY(!d.editorOpen());
    d.selectGroup(0);
    d.eventRows()->setCurrentItem(nullptr);
    d.click("editEventButton");
    d.click("removeEventButton");
    QCOMPARE(takeMessageBoxes(),
             (QList<ShownBox>{{attention, "Wybierz zdarzenie"}, {attention, "Wybierz zdarzenie"}}));
    QVERIFY(!d.editorOpen());
    QCOMPARE(d.eventRows()->topLevelItemCount(), 1);
}

void TestEventEditor::removeTakesTheSelectedRow()
{
    Dialog d(device(QStringLiteral("Kite_600")));
    // The same number in two groups: the pair names the event.
    d.load({stored(QStringLiteral("stateNormal"), 1, 1), stored(QStringLiteral("stateNormal"), 0, 1),
            stored(QStringLiteral("stateBatteryBackup"), 0, 2)});
    d.selectGroup(0);
    d.eventRows()->setCurrentItem(d.eventRows()->topLevelItem(0));
    d.click("removeEventButton");
    QVERIFY(takeMessageBoxes().isEmpty());
    QCOMPARE(d.rowTexts(), QStringList{"Praca w trybie podtrzymania z baterii|||||"});
    d.dialog.accept();
    QCOMPARE(d.eventsSent(), QStringLiteral("<ups_id>1</ups_id>") +
                                 eventXml("stateNormal", QString(), QString(), 1, 1) +
                                 eventXml("stateBatteryBackup", QString(), QString(), 2, 0));
}

// Unchecking an action and saving drops it; checking it again without
// "Konfiguruj" is refused.
void TestEventEditor::uncheckedActionGoesAtSave()
{
    Event existing = stored(QStringLiteral("stateNormal"), 0, 1);
    existing.sysCommandAction.reset(new SysCommandAction);
    QWeakPointer<SysCommandAction> command = existing.sysCommandAction;
    Dialog d(device(QStringLiteral("Kite_600")));
    d.load({existing});
    existing = Event();
    d.selectGroup(0);
    d.eventRows()->setCurrentItem(d.eventRows()->topLevelItem(0));
    d.click("editEventButton");
    d.check("systemCommandBox", false);
    QVERIFY(!d.child<QWidget>("systemCommandConfigurationButton")->isEnabled());
    d.click("saveEventButton");
    QVERIFY(takeMessageBoxes().isEmpty());
    QCOMPARE(d.rowTexts(), QStringList{"Praca w trybie sieciowym|||||"});
    QVERIFY(command.isNull());

    d.eventRows()->setCurrentItem(d.eventRows()->topLevelItem(0));
    d.click("editEventButton");
    d.check("systemCommandBox");
    d.click("saveEventButton");
    QCOMPARE(
        takeMessageBoxes(),
        (QList<ShownBox>{{attention, "Nie zostały ustawione parametry polecenia systemowego." + configure}}));
}

void TestEventEditor::okWhileEditingCancelsTheEdit_data()
{
    QTest::addColumn<bool>("added");
    QTest::newRow("an added event") << true;
    QTest::newRow("an edited event") << false;
}

// The password question's Yes sends the configuration with the editor open:
// an added event, still empty, must not go with it.
void TestEventEditor::okWhileEditingCancelsTheEdit()
{
    QFETCH(bool, added);
    Dialog d(device(QStringLiteral("Kite_600")));
    d.load({stored(QStringLiteral("stateNormal"), 0, 1)});
    d.selectGroup(0);
    if (added) {
        d.click("addEventButton");
    } else {
        d.eventRows()->setCurrentItem(d.eventRows()->topLevelItem(0));
        d.click("editEventButton");
    }
    d.check("showMessageBox");
    d.dialog.accept();
    QCOMPARE(d.eventsSent(),
             QStringLiteral("<ups_id>1</ups_id>") + eventXml("stateNormal", QString(), QString(), 1, 0));
    QVERIFY(!d.editorOpen());
}

// Once loaded the list is the administrator's edit: a later events reply (for
// someone else's request) changes neither the rows nor the event being edited.
void TestEventEditor::eventsReplyWhileEditingChangesNothing()
{
    Dialog d(device(QStringLiteral("Kite_600")));
    d.load({stored(QStringLiteral("stateNormal"), 0, 1)});
    d.selectGroup(0);
    d.eventRows()->setCurrentItem(d.eventRows()->topLevelItem(0));
    d.click("editEventButton");
    d.dialog.setEventsFromConfig({stored(QStringLiteral("stateOverload"), 1, 4)});
    QCOMPARE(d.rowTexts(), QStringList{"Praca w trybie sieciowym|||||"});
    QVERIFY(d.editorOpen());
    d.click("saveEventButton");
    QVERIFY(!d.editorOpen());
    d.selectGroup(1);
    QCOMPARE(d.rowTexts(), QStringList());
    d.dialog.accept();
    QCOMPARE(d.eventsSent(), QStringLiteral("<ups_id>1</ups_id>") +
                                 eventXml("stateNormal", "stateNormal,ON,==,", "stateNormal,OFF,==,", 1, 0));
}

void TestEventEditor::eventsReplyWhileAnActionDialogRuns()
{
    Dialog d(device(QStringLiteral("Kite_600")));
    d.load({stored(QStringLiteral("stateNormal"), 0, 1)});
    d.selectGroup(0);
    d.click("addEventButton");
    d.check("systemCommandBox");
    {
        LxTest::ModalWatchdog watchdog;
        LxTest::answerNextDialog([&](QWidget* w) {
            d.dialog.setEventsFromConfig({stored(QStringLiteral("stateFault"), 1, 2)});
            w->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Ok)
                ->click();
        });
        d.click("systemCommandConfigurationButton");
    }
    // The command lands on the added event, which is still there to save.
    d.chooseKey(QStringLiteral("stateBatteryBackup"));
    d.click("saveEventButton");
    QVERIFY(!d.editorOpen());
    d.dialog.accept();
    QCOMPARE(d.eventsSent().count(QStringLiteral("<event>")), 2);
    QCOMPARE(d.eventsSent().count(QStringLiteral("<syscommand_action>")), 1);
    QVERIFY(!d.eventsSent().contains(QStringLiteral("stateFault")));
}

void TestEventEditor::commandUpsOffFollowsGroupAndDevice_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<bool>("shutdownSupported");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("local group, UPS can switch off") << 0 << true << true;
    QTest::newRow("local group, UPS cannot") << 0 << false << false;
    QTest::newRow("remote group") << 1 << true << false;
}

// The command dialog's "switch the UPS off" box, and the OK that makes the
// event's command.
void TestEventEditor::commandUpsOffFollowsGroupAndDevice()
{
    QFETCH(int, group);
    QFETCH(bool, shutdownSupported);
    QFETCH(bool, enabled);

    Dialog d(device(QStringLiteral("Kite_600"), true, shutdownSupported));
    d.load({});
    d.selectGroup(group);
    d.click("addEventButton");
    QCOMPARE(d.child<QWidget>("sendEmailBox")->isEnabled(), group == 0);
    QCOMPARE(d.child<QWidget>("outputSocketBox")->isEnabled(), group == 0);
    d.check("systemCommandBox");
    bool boxEnabled = !enabled;
    {
        LxTest::ModalWatchdog watchdog;
        LxTest::answerNextDialog([&](QWidget* w) {
            boxEnabled = w->findChild<QCheckBox*>(QStringLiteral("upsOffCheckBox"))->isEnabled();
            w->findChild<QSpinBox*>(QStringLiteral("delaySpinBox"))->setValue(45);
            w->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Ok)
                ->click();
        });
        d.click("systemCommandConfigurationButton");
    }
    QCOMPARE(boxEnabled, enabled);
    d.click("saveEventButton");
    QVERIFY(takeMessageBoxes().isEmpty());
    QCOMPARE(d.rowTexts(), QStringList{"Praca w trybie sieciowym||*|||"});
    d.dialog.accept();
    QVERIFY(d.eventsSent().contains(
        QStringLiteral("<syscommand_action><command_line></command_line><command_options>"
                       "</command_options><stanbyUps>1</stanbyUps><delay_time>45"
                       "</delay_time></syscommand_action>")));
}

void TestEventEditor::advancedNameProposals_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("none") << QStringList() << "Zdarzenie 1";
    QTest::newRow("1 and 2") << QStringList{"Zdarzenie 1", "Zdarzenie 2"} << "Zdarzenie 3";
    // The scan counts the run as it meets it: 3 is proposed although it is taken.
    QTest::newRow("1, 3 and 2") << QStringList{"Zdarzenie 1", "Zdarzenie 3", "Zdarzenie 2"} << "Zdarzenie 3";
    QTest::newRow("2 alone") << QStringList{"Zdarzenie 2"} << "Zdarzenie 1";
}

// A new event of an advanced model opens the definition dialog with the next
// free "Zdarzenie N", to be saved as a new event only.
void TestEventEditor::advancedNameProposals()
{
    QFETCH(QStringList, names);
    QFETCH(QString, proposed);

    QVector<Event> events;
    for (int i = 0; i < names.size(); ++i) {
        events << stored(names.at(i), 0, i + 1);
        events.last().expressionIn = QStringLiteral("stateNormal,ON,==,");
        events.last().expressionOut = QStringLiteral("stateNormal,OFF,==,");
    }
    Dialog d(device(QStringLiteral("OspreyRT_USB")));
    d.load(events);
    d.selectGroup(0);
    d.click("addEventButton");
    QString shownName;
    bool saveEnabled = true;
    bool saveAsNewEnabled = false;
    {
        LxTest::ModalWatchdog watchdog;
        LxTest::answerNextDialog([&](QWidget* w) {
            shownName = w->findChild<QLineEdit*>(QStringLiteral("eventNameTextEdit"))->text();
            saveEnabled = w->findChild<QPushButton*>(QStringLiteral("saveEventButton"))->isEnabled();
            saveAsNewEnabled =
                w->findChild<QPushButton*>(QStringLiteral("saveAsNewEventButton"))->isEnabled();
            w->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        });
        d.click("advancedConfigurationButton");
    }
    QCOMPARE(shownName, proposed);
    QVERIFY(!saveEnabled);
    QVERIFY(saveAsNewEnabled);
    d.click("cancelEventButton");
    d.dialog.accept();
    QCOMPARE(d.eventsSent().count(QStringLiteral("<event>")), names.size());
}

void TestEventEditor::advancedDefinitionSavedOrRestored_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("saved") << true;
    QTest::newRow("edit cancelled") << false;
}

// The definition made in the dialog becomes the event's on Save; Cancel puts
// back what the event had.
void TestEventEditor::advancedDefinitionSavedOrRestored()
{
    QFETCH(bool, save);
    Event existing = stored(QStringLiteral("Przegrzanie"), 0, 1);
    existing.expressionIn = QStringLiteral("stateNormal,ON,==,");
    existing.expressionOut = QStringLiteral("stateNormal,OFF,==,");
    Dialog d(device(QStringLiteral("OspreyRT_USB")));
    d.load({existing});
    d.selectGroup(0);
    d.eventRows()->setCurrentItem(d.eventRows()->topLevelItem(0));
    d.click("editEventButton");
    {
        LxTest::ModalWatchdog watchdog;
        LxTest::answerNextDialog([&](QWidget* w) {
            w->findChild<QLineEdit*>(QStringLiteral("eventNameTextEdit"))->setText(QStringLiteral("Awaria"));
            w->findChild<QPushButton*>(QStringLiteral("saveEventButton"))->click();
        });
        d.click("advancedConfigurationButton");
    }
    QVERIFY(takeMessageBoxes().isEmpty());
    QCOMPARE(d.workMode()->currentText(), QStringLiteral("Awaria"));
    d.click(save ? "saveEventButton" : "cancelEventButton");
    QVERIFY(takeMessageBoxes().isEmpty());
    QVERIFY(!d.editorOpen());
    d.dialog.accept();
    QCOMPARE(d.eventsSent(), QStringLiteral("<ups_id>1</ups_id>") + eventXml(save ? "Awaria" : "Przegrzanie",
                                                                             "stateNormal,ON,==,",
                                                                             "stateNormal,OFF,==,", 1, 0));
}

// One event with a user-defined condition and all five actions, made through
// the dialogs against the stand-in, reaches it byte for byte.
void TestEventEditor::wholeEventOverTheLink()
{
    ServiceRig rig;
    QVERIFY(rig.listen());
    rig.world.setComputersPayload(
        QStringLiteral("<computer><computer_name>Serwer</computer_name><computer_address>"
                       "127.0.0.1</computer_address><computer_password></computer_password>"
                       "<computer_configId>1</computer_configId></computer>"));
    rig.world.setGroupsPayload(
        QStringLiteral("1"), QStringLiteral("<ups_id>1</ups_id><group><group_name>Serwerownia</group_name>"
                                            "<group_configId>2</group_configId><computers><computer>"
                                            "<computer_configId>1</computer_configId></computer></computers>"
                                            "</group>"));
    rig.world.setEventsPayload(QStringLiteral("1"), QStringLiteral("<ups_id>1</ups_id>"));
    Luminorix::UpsSocketController controller;
    controller.setPassword(rig.world.adminDigest());
    QVERIFY(rig.connect(controller));
    DialogRelay relay;
    NetworkConfigurationWindow dialog(device(QStringLiteral("OspreyRT_USB")));
    connectToService(&dialog, &controller, relay);
    dialog.requestNetworkConfiguration(QStringLiteral("1"));
    auto* save =
        dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Save);
    QTRY_VERIFY_WITH_TIMEOUT(save->isEnabled(), 20000);
    dialog.show();

    const auto button = [&dialog](const char* name) {
        return dialog.findChild<QAbstractButton*>(QLatin1String(name));
    };
    // Runs the dialog behind `opener` with `answer`.
    const auto through = [&](const char* opener, const std::function<void(QWidget*)>& answer) {
        LxTest::ModalWatchdog watchdog(60000);
        LxTest::answerNextDialog(answer);
        button(opener)->click();
    };
    const auto ok = [](QWidget* w) {
        w->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
    };

    button("addEventButton")->click();
    through("advancedConfigurationButton", [](QWidget* w) {
        w->findChild<QLineEdit*>(QStringLiteral("eventNameTextEdit"))->setText(QStringLiteral("Bez sieci"));
        w->findChild<QTextEdit*>(QStringLiteral("expressionTextIn"))
            ->setPlainText(QStringLiteral("stateNormal==OFF"));
        w->findChild<QTextEdit*>(QStringLiteral("expressionTextOut"))
            ->setPlainText(QStringLiteral("stateNormal==ON"));
        w->findChild<QPushButton*>(QStringLiteral("saveAsNewEventButton"))->click();
    });
    QVERIFY(takeMessageBoxes().isEmpty());
    button("showMessageBox")->click();
    dialog.findChild<QPlainTextEdit*>(QStringLiteral("messageEdit"))
        ->setPlainText(QStringLiteral("Brak sieci & co"));
    button("systemCommandBox")->click();
    through("systemCommandConfigurationButton", [&](QWidget* w) {
        w->findChild<QLineEdit*>(QStringLiteral("commandLineEdit"))
            ->setText(QStringLiteral("/usr/bin/zapisz.sh"));
        w->findChild<QLineEdit*>(QStringLiteral("optionsEdit"))->setText(QStringLiteral("--teraz"));
        w->findChild<QSpinBox*>(QStringLiteral("delaySpinBox"))->setValue(30);
        ok(w);
    });
    button("sendEmailBox")->click();
    through("sendEmailConfigurationButton", [&](QWidget* w) {
        w->findChild<QLineEdit*>(QStringLiteral("senderEdit"))->setText(QStringLiteral("UPS"));
        w->findChild<QLineEdit*>(QStringLiteral("receiverEdit"))->setText(QStringLiteral("a@example.org"));
        w->findChild<QLineEdit*>(QStringLiteral("subjectEdit"))->setText(QStringLiteral("Awaria"));
        w->findChild<QPlainTextEdit*>(QStringLiteral("contentEdit"))
            ->setPlainText(QStringLiteral("Brak sieci"));
        ok(w);
    });
    button("shutdownSystemBox")->click();
    through("shutdownSystemConfigurationButton", [&](QWidget* w) {
        auto* list = w->findChild<QListWidget*>(QStringLiteral("actionList"));
        // The service lists its actions while the dialog runs.
        QVERIFY(QTest::qWaitFor([list] { return list->count() == 2 && list->isEnabled(); }, 20000));
        list->item(0)->setCheckState(Qt::Checked);
        w->findChild<QRadioButton*>(QStringLiteral("hibernationRadio"))->click();
        w->findChild<QSpinBox*>(QStringLiteral("delaySpinBox"))->setValue(120);
        w->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    button("outputSocketBox")->click();
    through("outputSocketConfigurationButton", [&](QWidget* w) {
        w->findChild<QCheckBox*>(QStringLiteral("socketCheckBox1"))->click();
        w->findChild<QRadioButton*>(QStringLiteral("disableRadio1"))->click();
        w->findChild<QSpinBox*>(QStringLiteral("delayTime1"))->setValue(10);
        ok(w);
    });
    button("saveEventButton")->click();
    QVERIFY(takeMessageBoxes().isEmpty());

    const int before = rig.server.requests().size();
    save->click();
    QVERIFY(rig.waitForRequests(before + 3));
    const LxSim::SimRequest sent = rig.server.requests().at(before + 1);
    QCOMPARE(sent.name, QStringLiteral("events"));
    QCOMPARE(
        sent.payload(),
        QStringLiteral(
            "<ups_id>1</ups_id><event><event_state>Bez sieci</event_state><expressionIn>stateNormal,OFF,==,"
            "</expressionIn><expressionOut>stateNormal,ON,==,</expressionOut><event_number>1</event_number>"
            "<event_parentId>2</event_parentId><actions><message_action><message_text>Brak sieci &amp; co"
            "</message_text></message_action><syscommand_action><command_line>/usr/bin/zapisz.sh</"
            "command_line>"
            "<command_options>--teraz</command_options><stanbyUps>1</stanbyUps><delay_time>30</delay_time>"
            "</syscommand_action><poweroff_action><type>hibernation</type><stanbyUps>1</stanbyUps>"
            "<vms_action_ids>1</vms_action_ids><delay_time>120</delay_time></"
            "poweroff_action><sendmail_action>"
            "<charCode></charCode><sender>UPS</sender><subject>Awaria</subject><body>Brak sieci</body>"
            "<receipent>a@example.org</receipent></sendmail_action><output_sock_action><first_sock_conf>1"
            "</first_sock_conf><first_sock_ena>0</first_sock_ena><first_sock_delay>10</first_sock_delay>"
            "<second_sock_conf>0</second_sock_conf><second_sock_ena>1</second_sock_ena><second_sock_delay>0"
            "</second_sock_delay></output_sock_action></actions></event>"));
    controller.disconnectFromService();
}

LX_TEST_MAIN(TestEventEditor)
#include "tst_eventeditor.moc"
