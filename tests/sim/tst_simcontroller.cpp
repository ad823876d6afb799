// The control panel's client against the stand-in, over loopback: start-up,
// polling, reconnecting, the demo world's answers and hostile traffic.
#include "common/event.h"
#include "common/helpers.h"
#include "link/upssocketcontroller.h"
#include "programversion.h"
#include "tests/support/lxtestcore.h"
#include "tests/support/servicerig.h"
#include "tests/support/signalrecorder.h"
#include "tools/sim/framecodec.h"
#include "tools/sim/replybuilder.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <functional>
#include <memory>

using namespace LxSim;
using Luminorix::UpsSocketController;

Q_DECLARE_METATYPE(LxSim::Fault)

namespace {
// What the controller does with the connection after a fault.
enum class Outcome
{
    Stays,     // keeps the connection and reads on
    Aborts,    // drops it as bad data and waits a full interval before the next attempt
    PeerCloses // sees the service close it and tries again at once
};

const QStringList startupNames = {"get_ups_model_list",
                                  "get_available_ports",
                                  "get_debugging_status",
                                  "get_service_version",
                                  "get_shutdown_timers",
                                  "get_virtualization_center_enabled",
                                  "get_virtualization_center_version"};

QString plainRequest(const QString& name, const QString& pass)
{
    return QStringLiteral("<%1><pass>%2</pass></%1>").arg(name, pass);
}
} // namespace

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(LxSim::SimWorld::SmtpTestOutcome)

class TestSimController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupSeriesThenConfiguration();
    void pollCycle();
    void defaultsReachThePanel();
    void deviceStateFollowsSelection();
    void eachPanelKeepsItsSelection();
    void reconnectsAfterServiceRestart();
    void hostileInput_data();
    void hostileInput();
    void splitFrameArrivesInSegments();
    void pushedRepliesReachTheirSignals_data();
    void pushedRepliesReachTheirSignals();
    void worldAddsDevice();
    void worldChangesDevice();
    void worldRemovesDevice();
    void worldPlacesParallelUnits();
    void worldResetsEventsWhenAsked_data();
    void worldResetsEventsWhenAsked();
    void worldSetsParameters();
    void worldChangesAdminPassword();
    void worldAnswersTestMail_data();
    void worldAnswersTestMail();
    void worldPagesThroughLogs_data();
    void worldPagesThroughLogs();

private:
    // Connects and waits for the answers to the start-up series and the first tick.
    void settle();
    // The model list the service sends back after `request`.
    QVector<Luminorix::Utils::Ups> modelListAfter(const std::function<void()>& request);

    std::unique_ptr<ServiceRig> rig;
    std::unique_ptr<UpsSocketController> controller;
};

void TestSimController::init()
{
    rig = std::make_unique<ServiceRig>();
    rig->world.loadDemo();
    QVERIFY(rig->listen());
    controller = std::make_unique<UpsSocketController>();
    // The tests drive ticks and retries by calling the slots.
    rig->attach(*controller, ServiceRig::quietTiming());
}

void TestSimController::cleanup()
{
    controller.reset();
    rig.reset();
}

void TestSimController::settle()
{
    QVERIFY(rig->connect(*controller));
    QCOMPARE(rig->server.requests().size(), 8);
}

QVector<Luminorix::Utils::Ups> TestSimController::modelListAfter(const std::function<void()>& request)
{
    QSignalSpy models(controller.get(), &UpsSocketController::upsModelMessageReceived);
    request();
    if (!QTest::qWaitFor([&] { return !models.isEmpty(); }, 20000))
        return {};
    return models.first().first().value<QVector<Luminorix::Utils::Ups>>();
}

void TestSimController::startupSeriesThenConfiguration()
{
    const QString digest = hashPassword("Quillmarberon");
    controller->setPassword(digest);
    settle();

    QStringList expected;
    for (const QString& name : startupNames)
        expected << plainRequest(name, digest);
    expected << plainRequest("get_ups_configuration", digest);
    QStringList got;
    for (const SimRequest& r : rig->server.requests())
        got << r.raw;
    QCOMPARE(got, expected);
    for (const SimRequest& r : rig->server.requests())
        QCOMPARE(r.pass, digest);
}

void TestSimController::pollCycle()
{
    settle();
    rig->server.clearRequests();
    for (int tick = 0; tick < 3; ++tick)
        controller->getUpsDeviceData();
    QTRY_COMPARE(rig->server.requests().size(), 5);
    QStringList got;
    for (const SimRequest& r : rig->server.requests())
        got << r.raw;
    QCOMPARE(got, (QStringList{plainRequest("get_ups_current_status_list", ""),
                               plainRequest("get_ups_device_state", ""),
                               plainRequest("get_ups_current_status_list", ""),
                               plainRequest("get_ups_device_state", ""),
                               plainRequest("get_ups_configuration", "")}));
}

void TestSimController::defaultsReachThePanel()
{
    QSignalSpy models(controller.get(), &UpsSocketController::upsModelMessageReceived);
    QSignalSpy ports(controller.get(), &UpsSocketController::availablePortsReceived);
    QSignalSpy debugging(controller.get(), &UpsSocketController::debugModeEnabled);
    QSignalSpy version(controller.get(), &UpsSocketController::serviceVersionReceived);
    QSignalSpy countdown(controller.get(), &UpsSocketController::showCountdownTimer);
    QSignalSpy vcEnabled(controller.get(), &UpsSocketController::virtualizationCenterEnabledReceived);
    QSignalSpy vcVersion(controller.get(), &UpsSocketController::virtualizationCenterVersionReceived);
    QSignalSpy configuration(controller.get(), &UpsSocketController::upsConfiguration);
    QSignalSpy statuses(controller.get(), &UpsSocketController::upsCurrentStatusListReceived);
    QSignalSpy state(controller.get(), &UpsSocketController::upsDeviceState);
    QSignalSpy unknown(controller.get(), &UpsSocketController::dataFromUps);
    settle();
    controller->getUpsDeviceData();
    QTRY_COMPARE(state.size(), 1);
    QCOMPARE(unknown.size(), 0);

    QCOMPARE(models.size(), 1);
    const auto ups = models.first().first().value<QVector<Luminorix::Utils::Ups>>();
    QStringList ids;
    for (const auto& u : ups)
        ids << u.id;
    QCOMPARE(ids, (QStringList{"1", "2", "3", "4", "5", "6"}));
    QCOMPARE(ups[0].model_name, QString("Harrier33_SNMP"));
    QCOMPARE(ups[0].user_defined_name, QString("Server room"));
    QCOMPARE(ups[0].ip, QString("192.168.10.21"));
    // The virtual UPS's own fields, not its neighbour's carried over.
    QCOMPARE(ups[3].model_name, QString("Virtual_Device"));
    QCOMPARE(ups[3].phy_ids, (QStringList{"2", "3"}));
    QCOMPARE(ups[3].communication, QString());
    QCOMPARE(ups[5].com_port, QString("COM3"));

    QCOMPARE(ports.size(), 1);
    const auto portList = ports.first().first().value<QList<Luminorix::Utils::SerialPort>>();
    QCOMPARE(portList.size(), 4);
    for (const auto& p : portList)
        QCOMPARE(p.is_port_free, p.com_port != "COM3");

    QCOMPARE(debugging.first().first().toBool(), false);
    QCOMPARE(version.first().first().toString(), QString(programVersion));
    using Timers = QList<QPair<int, int>>;
    QVERIFY(countdown.first().first().value<Timers>().isEmpty());
    QCOMPARE(vcEnabled.first().first().toBool(), true);
    QCOMPARE(vcVersion.first().first().toString(), QString("1"));

    // One record per device, none made up by a wrapper's end tag.
    QCOMPARE(statuses.size(), 1);
    const auto status = statuses.first().first().value<QVector<Luminorix::Utils::currentDeviceStatus>>();
    QCOMPARE(status.size(), 6);
    for (int i = 0; i < status.size(); ++i)
        QCOMPARE(status[i].id, i + 1);
    QVERIFY(status[1].parallel_unit && status[1].master);
    QCOMPARE(status[2].unit_address, std::string("2"));
    QCOMPARE(status[4].status, std::string("genset_on"));
    QVERIFY(!status[4].ups_shutdown_supported);
    QVERIFY(status[0].connected && status[0].power_compensation);

    // Every parameter of the selected device arrives, none is lost to the layout.
    const SimDevice* first = rig->world.device("1");
    const auto map = state.first().first().value<QMap<QString, QString>>();
    QCOMPARE(map.value("isUpsFound"), QString("1"));
    QCOMPARE(map.value("isProperDevice"), QString("1"));
    QCOMPARE(map.size(), first->deviceState().size() + 2);
    for (const auto& entry : first->deviceState()) {
        QString value = entry.second;
        if (entry.first != "events")
            value.replace(";", " / ");
        QCOMPARE(map.value(entry.first), value);
    }
    QCOMPARE(map.value("output_load").split(" / ").size(), 3);
    QCOMPARE(map.value("messages"), QString("27\n59"));

    const auto parameters = configuration.first().first().value<QMap<QString, QString>>();
    QCOMPARE(parameters, first->configuration);
}

void TestSimController::deviceStateFollowsSelection()
{
    settle();
    QSignalSpy state(controller.get(), &UpsSocketController::upsDeviceState);
    controller->sendChangeUpsOnInterface(5);
    controller->getUpsDeviceData();
    QTRY_COMPARE(state.size(), 1);
    const auto map = state.first().first().value<QMap<QString, QString>>();
    QCOMPARE(map.value("device_status"), QString("genset_on"));
    QVERIFY(map.contains("fuel_level"));
    QVERIFY(map.contains("serial_number"));
    QCOMPARE(rig->server.requests().at(8).raw, QString("<change_device_on_interface><pass></pass><id>5</id>"
                                                       "</change_device_on_interface>"));
}

void TestSimController::eachPanelKeepsItsSelection()
{
    settle();
    UpsSocketController other;
    QVERIFY(rig->connect(other));

    // The second panel picks the generator set; the first keeps its UPS.
    other.sendChangeUpsOnInterface(5);
    QSignalSpy mine(controller.get(), &UpsSocketController::upsDeviceState);
    QSignalSpy theirs(&other, &UpsSocketController::upsDeviceState);
    other.getUpsDeviceData();
    controller->getUpsDeviceData();
    QTRY_COMPARE(mine.size(), 1);
    QTRY_COMPARE(theirs.size(), 1);
    const auto first = mine.first().first().value<QMap<QString, QString>>();
    const auto second = theirs.first().first().value<QMap<QString, QString>>();
    QCOMPARE(second.value("device_status"), QString("genset_on"));
    QVERIFY(second.contains("fuel_level"));
    QVERIFY(!first.contains("fuel_level"));
    QCOMPARE(first.size(), rig->world.device("1")->deviceState().size() + 2);

    // The configuration follows each panel's own choice too.
    QSignalSpy myConfiguration(controller.get(), &UpsSocketController::upsConfiguration);
    controller->getUpsConfiguration();
    QTRY_COMPARE(myConfiguration.size(), 1);
    const auto myParameters = myConfiguration.first().first().value<QMap<QString, QString>>();
    QCOMPARE(myParameters, rig->world.device("1")->configuration);
}

void TestSimController::reconnectsAfterServiceRestart()
{
    QSignalSpy errors(controller.get(), &UpsSocketController::socketError);
    QSignalSpy connectedSpy(controller.get(), &UpsSocketController::upsConnected);
    settle();
    QCOMPARE(connectedSpy.size(), 1);

    rig->server.stop();
    QTRY_VERIFY(!controller->isPolling());
    QVERIFY(controller->isReconnecting());
    // The attempt made at once finds nothing listening.
    QTRY_VERIFY(errors.size() >= 2);
    QCOMPARE(controller->socket()->state(), QAbstractSocket::UnconnectedState);

    rig->server.clearRequests();
    QVERIFY(rig->server.restart());
    // The reconnect timer's own ticks find the service again; a manual call
    // beside them would race them.
    UpsSocketController::Timing timing = controller->timing();
    timing.reconnectMs = 50;
    controller->setTiming(timing);
    QTRY_COMPARE(connectedSpy.size(), 2);
    QTRY_COMPARE(rig->server.requests().size(), 9);
    QVERIFY(!controller->isReconnecting());
    QVERIFY(controller->isPolling());
    // The poll cycle goes on where it stopped: the configuration was asked
    // last, so the first tick now asks for the status list and device state.
    const QStringList expected =
        startupNames + QStringList{"get_ups_current_status_list", "get_ups_device_state"};
    QCOMPARE(rig->server.requestNames(), expected);
}

void TestSimController::hostileInput_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("shown"); // messages of each showMessage emitted, joined by '|'

    QTest::newRow("split into bytes") << Fault::SplitBytes << Outcome::Stays << QStringList{"hello"};
    QTest::newRow("two frames in one write")
        << Fault::TwoFramesOneWrite << Outcome::Stays << QStringList{"hello", "again"};
    QTest::newRow("header alone") << Fault::HeaderOnly << Outcome::Stays << QStringList();
    QTest::newRow("length 0") << Fault::ZeroLength << Outcome::Aborts << QStringList();
    QTest::newRow("length over bound") << Fault::OversizeLength << Outcome::Aborts << QStringList();
    QTest::newRow("wrong key") << Fault::WrongKey << Outcome::Aborts << QStringList();
    QTest::newRow("flipped byte") << Fault::FlippedByte << Outcome::Aborts << QStringList();
    QTest::newRow("damaged zlib") << Fault::DamagedZlib << Outcome::Aborts << QStringList();
    QTest::newRow("not xml") << Fault::MalformedXml << Outcome::Aborts << QStringList();
    QTest::newRow("cut in first tag") << Fault::TruncatedXml << Outcome::Aborts << QStringList();
    // An error after the first tokens ends the reading with what was read;
    // the connection stays.
    QTest::newRow("cut before root end") << Fault::UnterminatedXml << Outcome::Stays << QStringList{"hello"};
    QTest::newRow("closed mid-frame") << Fault::CloseMidFrame << Outcome::PeerCloses << QStringList();
}

void TestSimController::hostileInput()
{
    QFETCH(Fault, fault);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, shown);

    settle();
    SignalRecorder recorder(*controller, {"upsConnected", "socketError", "showMessage"});
    QSignalSpy messages(controller.get(), &UpsSocketController::showMessage);
    QSignalSpy came(&rig->server, &SimServer::clientConnected);
    QSignalSpy gone(&rig->server, &SimServer::clientDisconnected);

    const QByteArray reply = ReplyBuilder::showMessage({"hello"});
    const QByteArray second = ReplyBuilder::showMessage({"again"});
    rig->server.inject(fault, reply, second);

    switch (outcome) {
    case Outcome::Stays:
        if (fault == Fault::HeaderOnly) {
            // Exactly a header is not read; the frame is handled once its body comes.
            QTRY_COMPARE(controller->socket()->bytesAvailable(), qint64(4));
            QCoreApplication::processEvents();
            QCOMPARE(messages.size(), 0);
            rig->server.pushRaw(FrameCodec::encode(reply).mid(FrameCodec::headerSize));
            shown = QStringList{"hello"};
        }
        QTRY_COMPARE(messages.size(), shown.size());
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(messages[i].first().value<QVector<QString>>().toList(), QStringList(shown[i]));
        // Still in step with the stream.
        rig->server.push(ReplyBuilder::serviceVersion("2.6.1"));
        QTRY_COMPARE(recorder.total(), 1);
        QCOMPARE(recorder.fired(), QStringList(QString("serviceVersionReceived:1")));
        QVERIFY(controller->isPolling());
        QCOMPARE(gone.size(), 0);
        break;
    case Outcome::Aborts:
        QTRY_COMPARE(gone.size(), 1);
        QVERIFY(controller->isReconnecting());
        // No storm: the next attempt waits for the reconnect interval.
        QTest::qWait(200);
        QCOMPARE(came.size(), 0);
        QCOMPARE(messages.size(), 0);
        QCOMPARE(recorder.fired(), QStringList());
        controller->tryToConnect();
        QTRY_COMPARE(came.size(), 1);
        QTRY_VERIFY(controller->isPolling());
        break;
    case Outcome::PeerCloses:
        QTRY_COMPARE(gone.size(), 1);
        QCOMPARE(messages.size(), 0);
        QCOMPARE(recorder.fired(), QStringList());
        // A closed connection is retried at once, without waiting for the interval.
        QTRY_COMPARE(came.size(), 1);
        QTRY_VERIFY(controller->isPolling());
        break;
    }
}

void TestSimController::splitFrameArrivesInSegments()
{
    settle();
    QTcpSocket* socket = controller->socket();
    QSignalSpy messages(controller.get(), &UpsSocketController::showMessage);
    const QByteArray frame = FrameCodec::encode(ReplyBuilder::showMessage({"hello"}));
    // Each cut of the frame is sent once the one before has arrived, so each comes in a
    // read of its own however busy the machine is.
    const QList<int> cuts = {1, 4, 5, 9, frame.size() - 1};
    for (int cut : cuts) {
        rig->server.pushRaw(frame.mid(int(socket->bytesAvailable()), cut - int(socket->bytesAvailable())));
        QTRY_COMPARE(socket->bytesAvailable(), qint64(cut));
        QCOMPARE(messages.size(), 0);
    }
    rig->server.pushRaw(frame.right(1));
    QTRY_COMPARE(messages.size(), 1);
    QCOMPARE(socket->bytesAvailable(), qint64(0));
}

void TestSimController::pushedRepliesReachTheirSignals_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("firstArgument"); // as text, where the argument is a plain value

    using RB = ReplyBuilder;
    QTest::newRow("show_message") << RB::showMessage({"a", "b"}) << "showMessage"
                                  << "";
    QTest::newRow("show_countdown") << RB::showCountdown({{3, 60}, {4, 30}}) << "showCountdownTimer"
                                    << "";
    QTest::newRow("smtp2_test_status") << RB::smtpTestStatus(2, {"sent"}) << "smpt2TestStatus"
                                       << "2";
    QTest::newRow("ups_logs") << RB::upsLogs({"line"}) << "upsLogs"
                              << "";
    QTest::newRow("discovered_message") << RB::discovered("10.0.0.5") << "discoveredComputer"
                                        << "10.0.0.5";
    QTest::newRow("get_password") << RB::password("abc") << "adminPassFromConfig"
                                  << "abc";
    QTest::newRow("netclient_password") << RB::netclientPassword("def") << "netclientPass"
                                        << "def";
    QTest::newRow("admin_password_changed") << RB::adminPasswordChanged() << "passwordChanged"
                                            << "";
    QTest::newRow("netclient_password_changed") << RB::netclientPasswordChanged() << "passwordChanged"
                                                << "";
    QTest::newRow("daemon_is_busy") << RB::daemonBusy(true) << "daemonIsBusy"
                                    << "true";
    QTest::newRow("daemon_is_ready") << RB::daemonBusy(false) << "daemonIsBusy"
                                     << "false";
    QTest::newRow("debugging_enabled") << RB::debugging(true) << "debugModeEnabled"
                                       << "true";
    QTest::newRow("debugging_disabled") << RB::debugging(false) << "debugModeEnabled"
                                        << "false";
    QTest::newRow("service_version") << RB::serviceVersion("2.6.0") << "serviceVersionReceived"
                                     << "2.6.0";
    QTest::newRow("application_configuration")
        << RB::flat("application_configuration", {{"smtp2_server", "mx"}}) << "appConfifuratioReceived"
        << "";
    QTest::newRow("groups") << QByteArray("<groups><ups_id>1</ups_id></groups>") << "groupReceived"
                            << "";
    QTest::newRow("events") << QByteArray("<events><ups_id>1</ups_id></events>") << "eventsReceived"
                            << "";
    QTest::newRow("all_computers") << QByteArray("<all_computers></all_computers>") << "allComputersReceived"
                                   << "";
    QTest::newRow("vc version") << RB::virtualizationCenterVersion("2")
                                << "virtualizationCenterVersionReceived"
                                << "2";
    QTest::newRow("vc disabled") << RB::virtualizationCenterEnabled(false)
                                 << "virtualizationCenterEnabledReceived"
                                 << "false";
    QTest::newRow("vc settings") << RB::virtualizationCenterSettings({{"master_shutdown_delay", "30"}})
                                 << "virtualizationCenterSettingsReceived"
                                 << "";
    QTest::newRow("vc host list") << RB::hostList({{1, 7, "esx", false, false}})
                                  << "virtualizationCenterHostListReceived"
                                  << "";
    QTest::newRow("vc add host") << RB::hostResult("virtualization_center_add_new_host_result", 1, 7, false)
                                 << "virtualizationCenterHostAddNewResultReceived"
                                 << "";
    QTest::newRow("vc edit host") << RB::hostResult("virtualization_center_edit_host_result", 1, 7, true,
                                                    "no")
                                  << "virtualizationCenterChangeHostSettingsResultReceived"
                                  << "";
    QTest::newRow("vc host vms") << RB::hostVmsInfo(1, 7, "hs_host_online", "esx", {{3, "db"}})
                                 << "virtualizationCenterHostVmsInfoReceived"
                                 << "";
    const QList<QPair<const char*, const char*>> pairs = {
        {"virtualization_center_test_esxisshhost_result",
         "virtualizationCenterEsxiSshHostTestResultReceived"},
        {"virtualization_center_set_host_management_result",
         "virtualizationCenterHostManagementSetResultReceived"},
        {"virtualization_center_action_list_add_result", "virtualizationCenterAddActionResultReceived"},
        {"virtualization_center_action_list_edit_result", "virtualizationCenterEditActionResultReceived"},
        {"virtualization_center_action_list_delete_result", "virtualizationCenterDeleteActionResultReceived"},
        {"virtualization_center_action_run_result", "virtualizationCenterRunActionResultReceived"}};
    for (const auto& pair : pairs)
        QTest::newRow(pair.first) << RB::resultPair(pair.first, false) << pair.second << "false";
}

void TestSimController::pushedRepliesReachTheirSignals()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, signal);
    QFETCH(QString, firstArgument);

    settle();
    SignalRecorder recorder(*controller, {"upsConnected", "socketError"});
    QSignalSpy unknown(controller.get(), &UpsSocketController::dataFromUps);
    rig->server.push(reply);
    QTRY_COMPARE(recorder.total(), 1);
    QCOMPARE(recorder.fired(), QStringList(signal + ":1"));
    QCOMPARE(unknown.size(), 0);
    if (!firstArgument.isEmpty())
        QCOMPARE(recorder.lastArguments(signal.toLatin1()).value(0).toString(), firstArgument);
}

void TestSimController::worldAddsDevice()
{
    settle();
    Luminorix::Utils::Ups ups;
    ups.model_name = "KitePro_USB";
    ups.communication = "usb";
    ups.user_defined_name = "Lab";
    const auto list = modelListAfter([&] { controller->setNewUps(ups); });
    QCOMPARE(list.size(), 7);
    QCOMPARE(list.last().id, QString("7"));
    QCOMPARE(list.last().model_name, QString("KitePro_USB"));
    QCOMPARE(list.last().user_defined_name, QString("Lab"));
    QVERIFY(rig->world.device("7"));
}

void TestSimController::worldChangesDevice()
{
    settle();
    Luminorix::Utils::Ups ups;
    ups.id = "6";
    ups.model_name = "KitePro_Rack_RS232";
    ups.communication = "rs232";
    ups.com_port = "COM1";
    ups.user_defined_name = "Front desk";
    const auto list = modelListAfter([&] { controller->changeUps(ups); });
    QCOMPARE(list.size(), 6);
    QCOMPARE(list[5].com_port, QString("COM1"));
    QCOMPARE(list[5].user_defined_name, QString("Front desk"));
    // The device dialog sends empty log settings; they are not the device's to lose.
    QCOMPARE(list[5].log_time_interval, QString("60"));

    QSignalSpy ports(controller.get(), &UpsSocketController::availablePortsReceived);
    controller->getAvailablePorts();
    QTRY_COMPARE(ports.size(), 1);
    for (const auto& p : ports.first().first().value<QList<Luminorix::Utils::SerialPort>>())
        QCOMPARE(p.is_port_free, p.com_port != "COM1");
}

void TestSimController::worldRemovesDevice()
{
    settle();
    const auto list = modelListAfter([&] { controller->removeUps("2"); });
    QCOMPARE(list.size(), 5);
    QStringList ids;
    for (const auto& u : list)
        ids << u.id;
    QCOMPARE(ids, (QStringList{"1", "3", "4", "5", "6"}));
    QCOMPARE(list[2].phy_ids, QStringList(QString("3")));
}

// A unit of the parallel-capable family joins the bus at the lowest free address
// (the demo's two units hold 1 and 2) and leaves it when it becomes another model.
void TestSimController::worldPlacesParallelUnits()
{
    settle();
    Luminorix::Utils::Ups ups;
    ups.model_name = "HarrierRT_6_10_SNMP";
    ups.communication = "snmp";
    ups.ip = "10.0.0.9";
    QCOMPARE(modelListAfter([&] { controller->setNewUps(ups); }).last().id, QString("7"));
    ups.model_name = "KitePro_USB";
    ups.communication = "usb";
    QCOMPARE(modelListAfter([&] { controller->setNewUps(ups); }).last().id, QString("8"));

    QSignalSpy statuses(controller.get(), &UpsSocketController::upsCurrentStatusListReceived);
    controller->getUpsCurrentStatusList();
    QTRY_COMPARE(statuses.size(), 1);
    QStringList bus;
    for (const auto& s : statuses.first().first().value<QVector<Luminorix::Utils::currentDeviceStatus>>()) {
        if (s.parallel_unit)
            bus << QString::number(s.id) + "@" + QString::fromStdString(s.unit_address);
    }
    QCOMPARE(bus, (QStringList{"2@1", "3@2", "7@3"}));

    ups.id = "7";
    modelListAfter([&] { controller->changeUps(ups); });
    QVERIFY(!rig->world.device("7")->parallel_unit);
    QVERIFY(rig->world.device("7")->unit_address.isEmpty());
}

void TestSimController::worldResetsEventsWhenAsked_data()
{
    QTest::addColumn<bool>("reset");
    QTest::newRow("reset asked") << true;
    QTest::newRow("kept") << false;
}

void TestSimController::worldResetsEventsWhenAsked()
{
    QFETCH(bool, reset);
    settle();
    Event event;
    event.event_state = "on_battery";
    event.expressionIn = "stateOnBattery,ON,==,";
    event.event_number = 1;
    controller->sendEvents({event}, "6");
    Luminorix::Utils::Ups ups;
    ups.id = "6";
    ups.model_name = "KitePro_Rack_RS232";
    ups.communication = "rs232";
    ups.com_port = "COM3";
    ups.reset_events_request = reset;
    modelListAfter([&] { controller->changeUps(ups); });

    QSignalSpy events(controller.get(), &UpsSocketController::eventsReceived);
    controller->getNetworkConfiguration("6");
    QTRY_COMPARE(events.size(), 1);
    QCOMPARE(events.first().first().value<QVector<Event>>().size(), reset ? 0 : 1);
}

void TestSimController::worldSetsParameters()
{
    settle();
    controller->setUpsConfiguration({{"eco_mode", "1"}, {"sound_alarm", "0"}});
    QSignalSpy configuration(controller.get(), &UpsSocketController::upsConfiguration);
    controller->getUpsConfiguration();
    QTRY_COMPARE(configuration.size(), 1);
    const auto map = configuration.first().first().value<QMap<QString, QString>>();
    QCOMPARE(map.value("eco_mode"), QString("1"));
    QCOMPARE(map.value("sound_alarm"), QString("0"));
    QCOMPARE(map.value("battery_test_time"), QString("10"));
    QCOMPARE(map.value("output_voltage_option"), QString("230;220;230;240"));
}

void TestSimController::worldChangesAdminPassword()
{
    settle();
    QSignalSpy digests(controller.get(), &UpsSocketController::adminPassFromConfig);
    QSignalSpy changed(controller.get(), &UpsSocketController::passwordChanged);
    controller->getPassword();
    QTRY_COMPARE(digests.size(), 1);
    QCOMPARE(digests.first().first().toString(), hashPassword("Quillmarberon"));

    controller->changePassword({{"new_password", "Tarnwick"}});
    QTRY_COMPARE(changed.size(), 1);
    controller->getPassword();
    QTRY_COMPARE(digests.size(), 2);
    QCOMPARE(digests.last().first().toString(), hashPassword("Tarnwick"));
}

void TestSimController::worldAnswersTestMail_data()
{
    QTest::addColumn<SimWorld::SmtpTestOutcome>("outcome");
    // One "status: first message" per report.
    QTest::addColumn<QStringList>("reports");

    QTest::newRow("success") << SimWorld::SmtpTestOutcome::Success
                             << QStringList{"1: Connecting to mx.test:2525",
                                            "100: 250 2.0.0 OK: test message sent to ups@mx.test"};
    QTest::newRow("failure") << SimWorld::SmtpTestOutcome::Failure
                             << QStringList{"1: Connecting to mx.test:2525",
                                            "3: 535 5.7.8 Authentication credentials invalid"};
    QTest::newRow("silence") << SimWorld::SmtpTestOutcome::Silence << QStringList();
}

void TestSimController::worldAnswersTestMail()
{
    QFETCH(SimWorld::SmtpTestOutcome, outcome);
    QFETCH(QStringList, reports);

    rig->world.setSmtpTestOutcome(outcome);
    settle();
    QStringList heard;
    QElapsedTimer clock;
    QList<qint64> times;
    connect(controller.get(), &UpsSocketController::smpt2TestStatus, this,
            [&](int status, const QStringList& messages) {
                heard.append(QStringLiteral("%1: %2").arg(status).arg(messages.value(0)));
                times.append(clock.elapsed());
            });
    QSignalSpy queued(&rig->server, &SimServer::replyQueued);
    Luminorix::Utils::SmtpConfig config;
    config.server = "mx.test";
    config.port = 2525;
    config.sender_address = "ups@mx.test";
    clock.start();
    controller->sendTestMail(config);
    QTRY_COMPARE(rig->server.requests().last().name, QStringLiteral("smtp2_send_test_mail"));
    if (reports.isEmpty()) {
        // The stand-in queues every reply when it handles the request, the
        // delayed ones too: by the answer to a later request, none was queued.
        QSignalSpy digests(controller.get(), &UpsSocketController::adminPassFromConfig);
        controller->getPassword();
        QTRY_COMPARE(digests.size(), 1);
        for (const QList<QVariant>& reply : queued)
            QVERIFY(!reply.at(1).toByteArray().startsWith("<smtp2_test_status"));
        QCOMPARE(heard, QStringList());
        return;
    }
    QTRY_COMPARE(heard, reports);
    // The final report comes a while after the request, as a real test mail's
    // does (measured from the request, which no load can make later than the report).
    QVERIFY2(times.at(1) >= SimWorld::smtpTestReportDelayMs - 50, qPrintable(QString::number(times.at(1))));
}

void TestSimController::worldPagesThroughLogs_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("ages");
    QTest::addColumn<QStringList>("pages"); // entries and the newest entry's time, or "none"
    QTest::addColumn<QString>("header");

    const QStringList walk{"first", "older", "older", "older", "older", "older", "newer", "newer"};
    // 95 entries a minute apart, 20 a page, newest first; the ends hold.
    QTest::newRow("three-phase parameters")
        << 1 << "parameters" << walk
        << QStringList{"20@12:00:00", "20@11:40:00", "20@11:20:00", "20@11:00:00",
                       "15@10:40:00", "15@10:40:00", "20@11:00:00", "20@11:20:00"}
        << "date;time;device_status;output_load_L1;output_load_L2;output_load_L3;input_voltage_L1";
    QTest::newRow("messages") << 2 << "messages" << QStringList{"newer", "first", "older"}
                              << QStringList{"20@12:00:00", "20@12:00:00", "20@11:40:00"} << "";
    QTest::newRow("compensation") << 1 << "compensation" << QStringList{"first"} << QStringList{"20@12:00:00"}
                                  << "date;time;base_L1";
    QTest::newRow("compensation without power compensation")
        << 2 << "compensation" << QStringList{"first"} << QStringList{"none"} << "";
    QTest::newRow("a log that is off")
        << 4 << "parameters" << QStringList{"first"} << QStringList{"none"} << "";
    QTest::newRow("no such log") << 1 << "history" << QStringList{"first"} << QStringList{"none"} << "";
}

void TestSimController::worldPagesThroughLogs()
{
    QFETCH(int, device);
    QFETCH(QString, type);
    QFETCH(QStringList, ages);
    QFETCH(QStringList, pages);
    QFETCH(QString, header);

    // Of the demo world, device 1 keeps all three logs, 2 the first two, 4 none.
    settle();
    controller->sendChangeUpsOnInterface(device);
    QSignalSpy replies(controller.get(), &UpsSocketController::upsLogs);
    QStringList seen;
    QString firstHeader;
    for (const QString& age : ages) {
        const int before = replies.size();
        controller->getUpsLogs({{QStringLiteral("type"), type}, {QStringLiteral("age"), age}});
        QTRY_COMPARE(replies.size(), before + 1);
        QStringList lines = replies.last().first().toStringList();
        const bool headed = type != QLatin1String("messages") && !lines.isEmpty();
        if (headed && firstHeader.isNull())
            firstHeader = lines.first();
        if (headed)
            lines.removeFirst();
        const QChar separator = type == QLatin1String("messages") ? QLatin1Char(',') : QLatin1Char(';');
        seen << (lines.isEmpty()
                     ? QStringLiteral("none")
                     : QStringLiteral("%1@%2").arg(lines.size()).arg(lines.first().section(separator, 1, 1)));
    }
    QCOMPARE(seen, pages);
    QCOMPARE(firstHeader.left(header.size()), header);

    controller->sendCommand(QStringLiteral("clear_logs_cache"));
    QTRY_COMPARE(rig->world.logsCacheClearCount(), 1);
}

LX_TEST_GUILESS_MAIN(TestSimController)
#include "tst_simcontroller.moc"
