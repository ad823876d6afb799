// Every question whose Yes sends, removes or resets something, answered with
// the keyboard the way a hurried user does: Enter (and Escape) never say Yes.
#include "base/dialogrelay.h"
#include "events/networkconfigurationwindow.h"
#include "lxtest.h"
#include "modalanswerer.h"
#include "panelrig.h"
#include "requestserializers.h"
#include "servicerig.h"
#include "ups/addupswindow.h"
#include "ups/upsconfigurationwindow.h"
#include "upssocketcontroller.h"
#include "upstreeelement.h"
#include "upstreewidget.h"
#include "vcrig.h"
#include "virtualization/virtcentwindowtabhosts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

using Luminorix::Utils::Ups;

namespace {
enum class Question
{
    EmergencyPowerOff,
    BatteryWearReset,
    StoredEmergencyPowerOff,
    StoredCommand,
    DeviceEventsReset,
    RemoveComputer,
    UnsavedNetClientPassword,
    RemoveDevice,
    RemoveVirtualizationHost
};
} // namespace
Q_DECLARE_METATYPE(Question)

namespace {
Ups device(const QString& id, const QString& model, const QString& communication,
           const QString& port = QString())
{
    Ups u;
    u.id = id;
    u.model_name = model;
    u.communication = communication;
    u.com_port = port;
    return u;
}

Computer computer(const QString& name, const QString& address, int id)
{
    Computer c;
    c.computer_name = name;
    c.computer_address = address;
    c.computer_configId = id;
    return c;
}

// Presses `key` on the next box as a user would: the box active, the key to the
// button that has the focus. A key that leaves the box open fails the test.
QSharedPointer<LxTest::SeenBox> pressOnNextBox(Qt::Key key)
{
    return LxTest::answerNextDialog([key](QWidget* box) {
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box));
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == box ? focus : box, key);
        if (box->isVisible()) {
            LxTest::closeAllMessageBoxes();
            QFAIL("the key left the box open");
        }
    });
}

// One dialog at its question, on a controller connected to the stand-in, wired
// as its opener wires it; the test stands in for the opener's relay.
struct Scene
{
    ServiceRig rig;
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    QList<Luminorix::Utils::SerialPort> ports{{QStringLiteral("COM1"), true}};
    std::unique_ptr<UPSConfigurationWindow> configuration;
    std::unique_ptr<AddUpsWindow> deviceDialog;
    std::unique_ptr<NetworkConfigurationWindow> network;
    std::unique_ptr<PanelRig> panel;
    std::unique_ptr<VcRig> vc;
    std::unique_ptr<VirtCentWindowTabHosts> hosts;
    // The stand-in and the link the question's Yes would send through.
    ServiceRig* service = &rig;
    Luminorix::UpsSocketController* link = &controller;

    bool listen()
    {
        controller.setPassword(rig.world.adminDigest());
        return rig.listen() && rig.connect(controller);
    }

    // The configuration dialog of device "1" fed from the stand-in, `key` set to `value`.
    bool openConfiguration(const QString& model, const QMap<QString, QString>& map, const QString& key,
                           const QString& value)
    {
        rig.world.setDevices({LxSim::SimDevice::named(QStringLiteral("1"), model, QStringLiteral("usb"),
                                                      QStringLiteral("UPS"))});
        rig.world.device(QStringLiteral("1"))->configuration = map;
        configuration.reset(new UPSConfigurationWindow(device(QStringLiteral("1"), model, QString())));
        connectToService(configuration.get(), &controller, relay);
        QObject::connect(&controller, &Luminorix::UpsSocketController::upsConfiguration, &relay,
                         &DialogRelay::deviceConfiguration);
        configuration->show();
        if (!listen())
            return false;
        QWidget* editor = configuration->findChild<QWidget*>(key);
        if (auto* box = qobject_cast<QCheckBox*>(editor))
            box->setChecked(value == QLatin1String("1"));
        else if (auto* edit = qobject_cast<QLineEdit*>(editor))
            edit->setText(value);
        else
            return false;
        return true;
    }
    // As the window does: what Save accepted goes out.
    void saveConfiguration()
    {
        configuration->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        if (configuration->result() == QDialog::Accepted)
            controller.setUpsConfiguration(configuration->currentConfiguration());
    }

    bool openNetwork(bool passwordChanged)
    {
        const QString id = QStringLiteral("1");
        const QVector<Computer> computers{
            computer(QStringLiteral("Serwer"), QStringLiteral("127.0.0.1"), 0),
            computer(QStringLiteral("Biuro"), QStringLiteral("192.168.1.20"), 1)};
        Group group;
        group.group_name = QStringLiteral("Serwerownia");
        group.group_configId = 0;
        group.computers = {1};
        rig.world.setComputersPayload(QString::fromUtf8(Luminorix::serializeComputers(computers)));
        rig.world.setGroupsPayload(id, QString::fromUtf8(Luminorix::serializeGroups({group}, id)));
        rig.world.setEventsPayload(id, QString::fromUtf8(Luminorix::serializeEvents({}, id)));
        rig.world.setNetclientPassword(QStringLiteral("192.168.1.20"), QStringLiteral("stare"));
        if (!listen())
            return false;
        network.reset(new NetworkConfigurationWindow(device(id, QStringLiteral("KitePro_USB"), QString())));
        connectToService(network.get(), &controller, relay);
        network->requestNetworkConfiguration(id);
        network->show();
        QPushButton* save = network->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
        if (!QTest::qWaitFor([save] { return save->isEnabled(); }, 20000))
            return false;
        if (!passwordChanged)
            return true;
        auto* tree = network->findChild<QTreeWidget*>(QStringLiteral("networkElementsTree"));
        tree->expandAll();
        const QList<QTreeWidgetItem*> found =
            tree->findItems(QStringLiteral("Biuro"), Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty())
            return false;
        tree->setCurrentItem(found.first());
        const auto changed = LxTest::answerNextDialog([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("passEdit"))->setText(QStringLiteral("stare"));
            dialog->findChild<QLineEdit*>(QStringLiteral("newPassEdit"))->setText(QStringLiteral("nowe"));
            dialog->findChild<QLineEdit*>(QStringLiteral("newPassRepeatedEdit"))
                ->setText(QStringLiteral("nowe"));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        network->findChild<QPushButton*>(QStringLiteral("changePassButton"))->click();
        if (!changed->seen)
            return false;
        // "Hasło zostało zmienione": a note, not the question.
        return QTest::qWaitFor([] { return LxTest::closeAllMessageBoxes() > 0; }, 20000);
    }

    bool openWindow()
    {
        panel.reset(new PanelRig);
        service = panel.get();
        if (!panel->start({PanelRig::device(QStringLiteral("14"), QStringLiteral("KitePro_USB"),
                                            QStringLiteral("Zeta"))}) ||
            !QTest::qWaitFor([this] { return panel->elementByText(QStringLiteral("Zeta")); }, 20000))
            return false;
        link = panel->controller();
        panel->tree()->setCurrentItem(panel->elementByText(QStringLiteral("Zeta")));
        return true;
    }
    bool openHosts()
    {
        vc.reset(new VcRig);
        service = &vc->rig;
        link = &vc->controller;
        if (!vc->start())
            return false;
        hosts.reset(new VirtCentWindowTabHosts(&vc->controller));
        connectToService(hosts.get(), &vc->controller);
        hosts->requestVirtualizationCenterHostList();
        hosts->show();
        return QTest::qWaitFor([this] { return hosts->mode() == VirtCentWindowTabHosts::HostShown; }, 20000);
    }

    // Names of the requests the stand-in got after `since`, once all sent has arrived.
    QStringList sentSince(int since)
    {
        if (!service->waitForAllSent(*link))
            return {QStringLiteral("no fence")};
        return service->server.requestNames().mid(since);
    }
};
} // namespace

class TestDestructiveQuestions : public QObject
{
    Q_OBJECT

private slots:
    void init() { watchdog.reset(new LxTest::ModalWatchdog); }
    void cleanup()
    {
        LxTest::closeAllMessageBoxes();
        watchdog.reset();
    }
    void keyboardNeverSaysYes_data();
    void keyboardNeverSaysYes();

private:
    std::unique_ptr<LxTest::ModalWatchdog> watchdog;
};

void TestDestructiveQuestions::keyboardNeverSaysYes_data()
{
    QTest::addColumn<Question>("question");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");

    const struct
    {
        const char* name;
        Question question;
        const char* text;
    } questions[] = {
        {"EPO", Question::EmergencyPowerOff, "Nastąpi awaryjne wyłączenie zasilania (EPO). Czy kontynuować?"},
        {"battery wear reset", Question::BatteryWearReset,
         "Nastąpi reset licznika zużycia akumulatora.\nFunkcję resetu należy wykonać jednorazowo, "
         "niezwłocznie po każdej wymianie akumulatora w UPS. Czy kontynuować?"},
        {"EPO stored on, another change", Question::StoredEmergencyPowerOff,
         "Nastąpi awaryjne wyłączenie zasilania (EPO). Czy kontynuować?"},
        {"command stored on, another change", Question::StoredCommand,
         "Zapisanie konfiguracji wyśle do urządzenia polecenia:\n- Zdalne wyłączenie UPS\nCzy kontynuować?"},
        {"device events reset", Question::DeviceEventsReset,
         "Konfiguracja dla tego zasilacza zostanie przywrócona do domyślnych zdarzeń. Czy kontynuować?"},
        {"remove computer", Question::RemoveComputer,
         "Czy na pewno usunąć komputer? \nSpowoduje to usunięcie komputera ze wszystkich grup."},
        {"unsaved net-client password", Question::UnsavedNetClientPassword,
         "Konieczne jest zachowanie konfiguracji. Czy zachować? "},
        {"remove device", Question::RemoveDevice, "Potwierdź usunięcie urządzenia"},
        {"remove virtualization host", Question::RemoveVirtualizationHost,
         "Czy na pewno chcesz usunąć wybrany host:\n\"Host A\"?"},
    };
    for (const auto& q : questions) {
        QTest::addRow("%s, Enter", q.name) << q.question << int(Qt::Key_Return) << QString::fromUtf8(q.text);
        QTest::addRow("%s, Escape", q.name) << q.question << int(Qt::Key_Escape) << QString::fromUtf8(q.text);
    }
}

void TestDestructiveQuestions::keyboardNeverSaysYes()
{
    QFETCH(Question, question);
    QFETCH(int, key);
    QFETCH(QString, text);

    Scene s;
    using Map = QMap<QString, QString>;
    switch (question) {
    case Question::EmergencyPowerOff:
        QVERIFY(s.openConfiguration(QStringLiteral("Harrier33_SNMP"), Map{{"epo", "0"}},
                                    QStringLiteral("epo"), QStringLiteral("1")));
        break;
    case Question::BatteryWearReset:
        QVERIFY(s.openConfiguration(QStringLiteral("OspreyRT_SNMP"), Map{{"reset_battery_error", "0"}},
                                    QStringLiteral("reset_battery_error"), QStringLiteral("1")));
        break;
    case Question::StoredEmergencyPowerOff:
        QVERIFY(s.openConfiguration(QStringLiteral("Harrier33_SNMP"),
                                    Map{{"epo", "1"}, {"shutdown_delay", "5"}},
                                    QStringLiteral("shutdown_delay"), QStringLiteral("7")));
        break;
    case Question::StoredCommand:
        QVERIFY(s.openConfiguration(QStringLiteral("KitePro_USB"),
                                    Map{{"remote_turn_off_ups", "1"}, {"shutdown_delay", "5"}},
                                    QStringLiteral("shutdown_delay"), QStringLiteral("7")));
        break;
    case Question::DeviceEventsReset: {
        s.rig.world.loadDemo();
        QVERIFY(s.listen());
        const Ups harrier = device(QStringLiteral("7"), QStringLiteral("HarrierRT_RS232"),
                                   QStringLiteral("rs232"), QStringLiteral("COM1"));
        s.deviceDialog.reset(new AddUpsWindow(&s.ports));
        connectToService(s.deviceDialog.get(), &s.controller, s.relay);
        s.deviceDialog->editDevice(harrier);
        s.deviceDialog->setConfiguredUps({harrier});
        s.deviceDialog->show();
        auto* models = s.deviceDialog->findChild<QComboBox*>(QStringLiteral("upsModelBox"));
        models->setCurrentIndex(models->findText(QStringLiteral("OSPREY")));
        break;
    }
    case Question::RemoveComputer:
    case Question::UnsavedNetClientPassword:
        QVERIFY(s.openNetwork(question == Question::UnsavedNetClientPassword));
        break;
    case Question::RemoveDevice:
        QVERIFY(s.openWindow());
        break;
    case Question::RemoveVirtualizationHost:
        QVERIFY(s.openHosts());
        break;
    }

    const int since = s.service->server.requests().size();
    const auto seen = pressOnNextBox(Qt::Key(key));
    QDialog* dialog = nullptr;
    switch (question) {
    case Question::EmergencyPowerOff:
    case Question::BatteryWearReset:
    case Question::StoredEmergencyPowerOff:
    case Question::StoredCommand:
        dialog = s.configuration.get();
        s.saveConfiguration();
        break;
    case Question::DeviceEventsReset:
        dialog = s.deviceDialog.get();
        s.deviceDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        break;
    case Question::RemoveComputer: {
        dialog = s.network.get();
        auto* available = s.network->findChild<QTreeWidget*>(QStringLiteral("availableComputers"));
        available->expandAll();
        available->setCurrentItem(
            available->findItems(QStringLiteral("Biuro"), Qt::MatchExactly | Qt::MatchRecursive).value(0));
        s.network->findChild<QPushButton*>(QStringLiteral("removeComputerButton"))->click();
        break;
    }
    case Question::UnsavedNetClientPassword:
        dialog = s.network.get();
        s.network->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        break;
    case Question::RemoveDevice:
        s.panel->win().deleteActionHandler(0);
        break;
    case Question::RemoveVirtualizationHost:
        s.hosts->findChild<QPushButton*>(QStringLiteral("btn_remove_host"))->click();
        break;
    }
    QVERIFY(seen->seen);
    QCOMPARE(seen->text, text);
    QCOMPARE(LxTest::visibleMessageBoxes().size(), 0);
    if (dialog)
        QVERIFY(dialog->result() != QDialog::Accepted);
    const QStringList sent = s.sentSince(since);
    // The window goes on polling the service meanwhile: only the removal counts.
    if (s.panel)
        QVERIFY2(!sent.contains(QStringLiteral("remove_ups")), qPrintable(sent.join(QLatin1Char(' '))));
    else
        QCOMPARE(sent, QStringList());
}

LX_TEST_MAIN(TestDestructiveQuestions)
#include "tst_destructivequestions.moc"
