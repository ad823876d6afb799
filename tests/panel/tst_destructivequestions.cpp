// Every question whose Yes sends, removes or resets something, answered with
// the keyboard the way a hurried user does: Enter (and Escape) never say Yes.
// And every administrator request, question or dialog, made after the session
// it was opened in has ended: nothing of it reaches the service.
#include "link/requestserializers.h"
#include "link/upssocketcontroller.h"
#include "panel/applicationconfigurationwindow.h"
#include "panel/base/dialogrelay.h"
#include "panel/base/passwordchangewindow.h"
#include "panel/connectwithservicewindow.h"
#include "panel/events/networkconfigurationwindow.h"
#include "panel/logs/loggingconfigurationwindow.h"
#include "panel/ups/addupswindow.h"
#include "panel/ups/addvirtualupswindow.h"
#include "panel/ups/upsconfigurationwindow.h"
#include "panel/upstreeelement.h"
#include "panel/upstreewidget.h"
#include "panel/virtualization/virtcentwindowtabhosts.h"
#include "panelrig.h"
#include "tests/panel/virtualization/vcrig.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
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
// What an administrator sends, by the dialog or question that sends it.
enum class Request
{
    PasswordChange,
    RemoveDevice,
    NetworkSave,
    NetworkSavedOnClosing,
    RemoveComputer,
    ApplicationSettings,
    SmtpTest,
    AddDevice,
    DeviceEventsReset,
    AddVirtualDevice,
    LoggingSettings,
    DeviceConfiguration,
    RemoveVirtualizationHost
};
// How the session ends while the dialog or question is open.
enum class End
{
    Restart,
    HostChange
};
} // namespace
Q_DECLARE_METATYPE(Question)
Q_DECLARE_METATYPE(Request)
Q_DECLARE_METATYPE(End)

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
    std::unique_ptr<PasswordChangeWindow> password;
    std::unique_ptr<ApplicationConfigurationWindow> settings;
    std::unique_ptr<AddVirtualUpsWindow> virtualDialog;
    std::unique_ptr<LoggingConfigurationWindow> logging;
    // The service on 127.0.0.2 that a change of host goes to, with its own password.
    std::unique_ptr<ServiceRig> other;
    // The stand-in and the link the question's Yes would send through.
    ServiceRig* service = &rig;
    Luminorix::UpsSocketController* link = &controller;

    // The questions are the administrator's: each dialog opens within a session.
    Scene() { rig.logIn(controller); }

    bool listen() { return rig.listen() && rig.connect(controller); }

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
        panel->logIn();
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

    // A serial Harrier being edited into an Osprey: OK asks to reset its events.
    bool openSerialDeviceAsOsprey()
    {
        rig.world.loadDemo();
        if (!listen())
            return false;
        const Ups harrier = device(QStringLiteral("7"), QStringLiteral("HarrierRT_RS232"),
                                   QStringLiteral("rs232"), QStringLiteral("COM1"));
        deviceDialog.reset(new AddUpsWindow(&ports));
        connectToService(deviceDialog.get(), &controller, relay);
        deviceDialog->editDevice(harrier);
        deviceDialog->setConfiguredUps({harrier});
        deviceDialog->show();
        auto* models = deviceDialog->findChild<QComboBox*>(QStringLiteral("upsModelBox"));
        models->setCurrentIndex(models->findText(QStringLiteral("OSPREY")));
        return true;
    }
    // Asks to remove "Biuro" from the network dialog's available computers.
    void removeComputer()
    {
        auto* available = network->findChild<QTreeWidget*>(QStringLiteral("availableComputers"));
        available->expandAll();
        available->setCurrentItem(
            available->findItems(QStringLiteral("Biuro"), Qt::MatchExactly | Qt::MatchRecursive).value(0));
        network->findChild<QPushButton*>(QStringLiteral("removeComputerButton"))->click();
    }
    bool openPassword()
    {
        if (!listen())
            return false;
        password.reset(new PasswordChangeWindow(QStringLiteral("127.0.0.1"), &controller));
        connectToService(password.get(), &controller, relay);
        password->show();
        return true;
    }
    bool openSettings()
    {
        if (!listen())
            return false;
        settings.reset(new ApplicationConfigurationWindow(&ports, {}, {}));
        connectToService(settings.get(), &controller, relay);
        settings->requestApplicationConfiguration();
        settings->show();
        QPushButton* ok = settings->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        return QTest::qWaitFor([ok] { return ok->isEnabled(); }, 20000);
    }
    bool openNewDevice()
    {
        if (!listen())
            return false;
        deviceDialog.reset(new AddUpsWindow(&ports));
        connectToService(deviceDialog.get(), &controller, relay);
        deviceDialog->setConfiguredUps({});
        deviceDialog->show();
        auto* models = deviceDialog->findChild<QComboBox*>(QStringLiteral("upsModelBox"));
        models->setCurrentIndex(models->findText(QStringLiteral("PLOVER")));
        return true;
    }
    bool openVirtualDevice()
    {
        if (!listen())
            return false;
        virtualDialog.reset(new AddVirtualUpsWindow);
        connectToService(virtualDialog.get(), &controller, relay);
        Ups unit = device(QStringLiteral("7"), QStringLiteral("HarrierRT_6_10_USB"), QStringLiteral("usb"));
        unit.parallel_unit = true;
        unit.unit_address = QStringLiteral("1");
        virtualDialog->setConfiguredUps({});
        virtualDialog->displayAvailableParallelDevices({unit});
        virtualDialog->show();
        auto* tree = virtualDialog->findChild<QTreeWidget*>();
        tree->topLevelItem(0)->setCheckState(0, Qt::Checked);
        return true;
    }
    bool openLogging()
    {
        if (!listen())
            return false;
        logging.reset(new LoggingConfigurationWindow);
        connectToService(logging.get(), &controller, relay);
        Ups ups = device(QStringLiteral("1"), QStringLiteral("KitePro_USB"), QStringLiteral("usb"));
        ups.log_params = QStringLiteral("1");
        ups.log_file_size = QStringLiteral("100");
        ups.log_time_interval = QStringLiteral("10");
        logging->setUpsConfiguration(ups);
        logging->show();
        return true;
    }

    // Ends the session as `end` says, and waits until the link is up again: on
    // the same service restarted, or on another one on 127.0.0.2.
    bool endSession(End end)
    {
        Luminorix::UpsSocketController* c = link;
        QSignalSpy connected(c, &Luminorix::UpsSocketController::upsConnected);
        if (end == End::Restart) {
            ServiceRig::Timing timing = c->timing();
            timing.reconnectMs = 50;
            c->setTiming(timing);
            service->server.stop();
            if (!QTest::qWaitFor([c] { return !c->session()->isActive(); }, 20000) ||
                !service->server.restart())
                return false;
        } else {
            other.reset(new ServiceRig);
            other->world.setAdminPassword(QStringLiteral("inne hasło"));
            other->world.install(other->server.responder());
            if (!other->server.listen(QHostAddress(QStringLiteral("127.0.0.2")), service->server.port()))
                return false;
            ConnectWithServiceWindow host;
            connectToService(&host, c, relay);
            host.findChild<QLineEdit*>(QStringLiteral("ipEdit"))->setText(QStringLiteral("127.0.0.2"));
            host.accept();
            if (c->session()->isActive())
                return false;
            service = other.get();
        }
        return QTest::qWaitFor([&] { return connected.count() > 0; }, 20000);
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
    void nothingOutsideTheSession_data();
    void nothingOutsideTheSession();
    void loggedOutQuestionStillCloses_data();
    void loggedOutQuestionStillCloses();

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
    case Question::DeviceEventsReset:
        QVERIFY(s.openSerialDeviceAsOsprey());
        break;
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
    case Question::RemoveComputer:
        dialog = s.network.get();
        s.removeComputer();
        break;
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

void TestDestructiveQuestions::nothingOutsideTheSession_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<End>("end");
    QTest::addColumn<QStringList>("names");
    // An edit whose text must survive, and the text typed into it.
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");

    const struct
    {
        const char* name;
        Request request;
        QStringList names;
        const char* edit;
        const char* typed;
    } requests[] = {
        {"password change",
         Request::PasswordChange,
         {"get_password", "change_password"},
         "newPassEdit",
         "nowe"},
        {"remove device", Request::RemoveDevice, {"remove_ups"}, "", ""},
        {"network save", Request::NetworkSave, {"all_computers", "events", "groups"}, "", ""},
        {"network saved on closing",
         Request::NetworkSavedOnClosing,
         {"all_computers", "events", "groups"},
         "",
         ""},
        {"remove computer", Request::RemoveComputer, {"remove_computer"}, "", ""},
        {"application settings",
         Request::ApplicationSettings,
         {"application_configuration"},
         "logDirPathEdit",
         "D:/logi"},
        {"SMTP test", Request::SmtpTest, {"smtp2_send_test_mail"}, "serverEdit", "smtp.example.com"},
        {"add device", Request::AddDevice, {"set_new_ups"}, "upsNameEdit", "Biuro"},
        {"device events reset", Request::DeviceEventsReset, {"change_ups"}, "", ""},
        {"add virtual device", Request::AddVirtualDevice, {"set_new_ups"}, "", ""},
        {"logging settings", Request::LoggingSettings, {"change_log_config"}, "", ""},
        {"device configuration", Request::DeviceConfiguration, {"set_ups_configuration"}, "epo", ""},
        {"remove virtualization host",
         Request::RemoveVirtualizationHost,
         {"set_virtualization_center_remove_host"},
         "",
         ""},
    };
    for (const auto& r : requests) {
        for (End end : {End::Restart, End::HostChange}) {
            QTest::addRow("%s, %s", r.name, end == End::Restart ? "restart" : "host change")
                << r.request << end << r.names << QString::fromLatin1(r.edit) << QString::fromUtf8(r.typed);
        }
    }
}

// The dialog or question opened by the administrator, the session ended under
// it, then Yes or OK: nothing reaches the service, the user is told, and the
// dialog stays open with what was typed.
void TestDestructiveQuestions::nothingOutsideTheSession()
{
    QFETCH(Request, request);
    QFETCH(End, end);
    QFETCH(QStringList, names);
    QFETCH(QString, edit);
    QFETCH(QString, typed);

    Scene s;
    QWidget* dialog = nullptr;
    switch (request) {
    case Request::PasswordChange:
        QVERIFY(s.openPassword());
        dialog = s.password.get();
        break;
    case Request::RemoveDevice:
        QVERIFY(s.openWindow());
        break;
    case Request::NetworkSave:
    case Request::RemoveComputer:
    case Request::NetworkSavedOnClosing:
        QVERIFY(s.openNetwork(request == Request::NetworkSavedOnClosing));
        dialog = s.network.get();
        break;
    case Request::ApplicationSettings:
    case Request::SmtpTest:
        QVERIFY(s.openSettings());
        dialog = s.settings.get();
        break;
    case Request::AddDevice:
        QVERIFY(s.openNewDevice());
        dialog = s.deviceDialog.get();
        break;
    case Request::DeviceEventsReset:
        QVERIFY(s.openSerialDeviceAsOsprey());
        dialog = s.deviceDialog.get();
        break;
    case Request::AddVirtualDevice:
        QVERIFY(s.openVirtualDevice());
        dialog = s.virtualDialog.get();
        break;
    case Request::LoggingSettings:
        QVERIFY(s.openLogging());
        dialog = s.logging.get();
        break;
    case Request::DeviceConfiguration:
        QVERIFY(s.openConfiguration(QStringLiteral("Harrier33_SNMP"), {{"epo", "0"}}, QStringLiteral("epo"),
                                    QStringLiteral("1")));
        dialog = s.configuration.get();
        break;
    case Request::RemoveVirtualizationHost:
        QVERIFY(s.openHosts());
        break;
    }
    if (!typed.isEmpty())
        dialog->findChild<QLineEdit*>(edit)->setText(typed);
    if (request == Request::PasswordChange) {
        s.password->findChild<QLineEdit*>(QStringLiteral("passEdit"))
            ->setText(QStringLiteral("Quillmarberon"));
        s.password->findChild<QLineEdit*>(QStringLiteral("newPassRepeatedEdit"))->setText(typed);
    }

    // A question ends the session while it is open; a dialog before its OK.
    bool ended = false;
    const auto endThenYes = [&s, &ended, end](QWidget* box) {
        ended = s.endSession(end);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
    };
    const bool question = request == Request::RemoveDevice || request == Request::NetworkSavedOnClosing ||
                          request == Request::RemoveComputer || request == Request::DeviceEventsReset ||
                          request == Request::DeviceConfiguration ||
                          request == Request::RemoveVirtualizationHost;
    QSharedPointer<LxTest::SeenBox> seen;
    if (question) {
        seen = LxTest::answerNextDialog(endThenYes);
    } else {
        ended = s.endSession(end);
        if (!ended && end == End::HostChange && !s.other->server.isListening())
            QSKIP("127.0.0.2 is not usable here");
    }
    const ServiceRig* asked = s.service;
    int since = asked->server.requests().size();

    const auto ok = [](QWidget* d) {
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    };
    switch (request) {
    case Request::PasswordChange:
    case Request::ApplicationSettings:
    case Request::AddDevice:
    case Request::DeviceEventsReset:
    case Request::AddVirtualDevice:
    case Request::LoggingSettings:
        ok(dialog);
        break;
    case Request::RemoveDevice:
        s.panel->win().deleteActionHandler(0);
        break;
    case Request::NetworkSave:
        s.network->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        break;
    case Request::NetworkSavedOnClosing:
        s.network->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        break;
    case Request::RemoveComputer:
        s.removeComputer();
        break;
    case Request::SmtpTest:
        s.settings->findChild<QLineEdit*>(QStringLiteral("portEdit"))->setText(QStringLiteral("25"));
        s.settings->findChild<QLineEdit*>(QStringLiteral("senderAddressEdit"))
            ->setText(QStringLiteral("ups@example.com"));
        s.settings->findChild<QLineEdit*>(QStringLiteral("timeoutEdit"))->setText(QStringLiteral("30"));
        s.settings->findChild<QPushButton*>(QStringLiteral("testSmtpButton"))->click();
        break;
    case Request::DeviceConfiguration:
        s.saveConfiguration();
        break;
    case Request::RemoveVirtualizationHost:
        s.hosts->findChild<QPushButton*>(QStringLiteral("btn_remove_host"))->click();
        break;
    }
    if (question)
        QVERIFY(seen->seen);
    if (!ended && end == End::HostChange && s.other && !s.other->server.isListening())
        QSKIP("127.0.0.2 is not usable here");
    QVERIFY(ended);

    if (s.service != asked)
        since = 0; // the host changed while the question was open
    const QStringList sent = s.sentSince(since);
    for (const QString& name : names)
        QVERIFY2(!sent.contains(name), qPrintable(sent.join(QLatin1Char(' '))));
    const QList<LxTest::ShownBox> boxes = LxTest::takeMessageBoxes();
    QVERIFY2(
        boxes.contains({QStringLiteral("Sesja zakończona"),
                        QStringLiteral("Sesja administratora zakończyła się, zmiany nie zostały wysłane. "
                                       "Zaloguj się ponownie, aby je wysłać.")}),
        qPrintable(QString::number(boxes.size())));
    if (dialog) {
        QVERIFY(dialog->isVisible());
        if (!typed.isEmpty())
            QCOMPARE(dialog->findChild<QLineEdit*>(edit)->text(), typed);
    }
}

void TestDestructiveQuestions::loggedOutQuestionStillCloses_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Escape") << true;
    QTest::newRow("No") << false;
}

// A log-out greys the dialog's own buttons, not those of the question it has
// open: No and Escape still close it, and nothing is removed.
void TestDestructiveQuestions::loggedOutQuestionStillCloses()
{
    QFETCH(bool, escape);
    Scene s;
    QVERIFY(s.openNetwork(false));
    const int since = s.rig.server.requests().size();
    bool noEnabled = false;
    const auto seen = LxTest::answerNextDialog([&](QWidget* widget) {
        // As the window logs out: the session ends, then the relay tells the dialog.
        s.controller.setPassword(QString());
        emit s.relay.administratorLoggedOut();
        auto* box = qobject_cast<QMessageBox*>(widget);
        noEnabled = box->button(QMessageBox::No)->isEnabled();
        if (escape) {
            box->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(box));
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            box->button(QMessageBox::No)->click();
        }
        if (box->isVisible()) {
            LxTest::closeAllMessageBoxes();
            QFAIL("the question stayed open");
        }
    });
    s.removeComputer();
    QVERIFY(seen->seen);
    QVERIFY(noEnabled);
    QVERIFY(LxTest::takeMessageBoxes().isEmpty());
    auto* available = s.network->findChild<QTreeWidget*>(QStringLiteral("availableComputers"));
    QCOMPARE(available->findItems(QStringLiteral("Biuro"), Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
    QVERIFY(!s.sentSince(since).contains(QStringLiteral("remove_computer")));
}

LX_TEST_MAIN(TestDestructiveQuestions)
#include "tst_destructivequestions.moc"
