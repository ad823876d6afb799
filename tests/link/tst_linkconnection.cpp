// The connection cycle against a local stand-in: start-up series, polling,
// framing across segments, reconnecting.
#include "link/framing.h"
#include "link/upssocketcontroller.h"
#include "testframes.h"
#include "tests/support/loopback.h"
#include "tests/support/loopbackpeer.h"
#include "tests/support/lxtestcore.h"
#include "tests/support/servicerig.h"

#include <QRegularExpression>
#include <QTimer>

using Luminorix::UpsSocketController;

namespace {
const QStringList kStartup{
    QStringLiteral("get_ups_model_list"),
    QStringLiteral("get_available_ports"),
    QStringLiteral("get_debugging_status"),
    QStringLiteral("get_service_version"),
    QStringLiteral("get_shutdown_timers"),
    QStringLiteral("get_virtualization_center_enabled"),
    QStringLiteral("get_virtualization_center_version"),
};

// Counts the warnings that contain `text` while it lives, and passes every
// message on to the handler before it.
class WarningCounter
{
public:
    explicit WarningCounter(const char* text)
    {
        s_text = text;
        s_count = 0;
        s_previous = qInstallMessageHandler(&WarningCounter::handle);
    }
    ~WarningCounter() { qInstallMessageHandler(s_previous); }
    int count() const { return s_count; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtWarningMsg && message.contains(QLatin1String(s_text)))
            ++s_count;
        if (s_previous)
            s_previous(type, context, message);
    }
    static inline const char* s_text = nullptr;
    static inline int s_count = 0;
    static inline QtMessageHandler s_previous = nullptr;
};

// The stand-in keeps its connections open and answers nothing, as a stopped
// service whose system still holds its sockets.
void freeze(LxSim::SimServer& server)
{
    for (const QString& name : server.responder().handledRequests())
        server.responder().script(name, {});
}

void thaw(LxSim::SimServer& server)
{
    server.responder().clearScripts();
}

QString firmwareOf(const QSignalSpy& spy, int i)
{
    return spy.at(i).at(0).value<QMap<QString, QString>>().value(QStringLiteral("firmware_version"));
}

// The reconnect timer of a controller in its reconnect cycle.
QTimer* reconnectTimer(const UpsSocketController& controller, int intervalMs)
{
    for (QTimer* timer : controller.findChildren<QTimer*>()) {
        if (!timer->isSingleShot() && timer->interval() == intervalMs)
            return timer;
    }
    return nullptr;
}
} // namespace

// A controller connected to a stand-in that answers nothing (the test sends
// what it wants), start-up series received.
struct Connected
{
    ServiceRig rig;
    UpsSocketController controller;
    QSignalSpy clients{&rig.server, &LxSim::SimServer::clientConnected};

    bool start()
    {
        if (!rig.listen(false))
            return false;
        rig.attach(controller, ServiceRig::quietTiming());
        controller.startReconnecting();
        return rig.waitForRequests(8);
    }
    QStringList names() const { return rig.server.requestNames(); }
};

class TestLinkConnection : public QObject
{
    Q_OBJECT

private slots:
    void programDefaults();
    void startupSeriesThenPolling();
    void pollTickWritesItsRequestsAtOnce();
    void frameAcrossSegmentsIsHandledOnce();
    void reconnectContinuesThePollCycle();
    void badDataDefersTheNextAttempt();
    void refusedAttemptsReportEachError();
    void sendMessageTellsWhetherTheFrameWent();
    void disconnectFromServiceReconnects();
    void destructionWhileConnectedClosesTheLink();
    void frameAtTheBoundIsAwaited();
    void switchingHostAbortsThePendingAttempt();
    void peerClosingAtOnceIsAFailedAttempt();
    void silentServiceIsAFailedAttempt();
    void answeringServiceOutlivesTheAnswerTime();
    void silenceAfterRepliesIsALostConnection_data();
    void silenceAfterRepliesIsALostConnection();
    void repliesAskedBeforeTheSelectionAreDropped_data();
    void repliesAskedBeforeTheSelectionAreDropped();
};

void TestLinkConnection::programDefaults()
{
    UpsSocketController controller;
    QCOMPARE(controller.port(), quint16(12323));
    QCOMPARE(controller.host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(controller.timing().reconnectMs, 5000);
    QCOMPARE(controller.timing().pollMs, 1000);
    QCOMPARE(controller.timing().startupPauseMs, 200);
    QVERIFY(!controller.isPolling());
    QVERIFY(!controller.isReconnecting());
    controller.setHost(QStringLiteral("ups-host"));
    QCOMPARE(controller.host(), QStringLiteral("ups-host"));
}

void TestLinkConnection::startupSeriesThenPolling()
{
    Connected c;
    c.controller.setPassword(QStringLiteral("d1g3st"));
    QSignalSpy connectedSpy(&c.controller, &UpsSocketController::upsConnected);
    QVERIFY(c.start());
    QCOMPARE(connectedSpy.count(), 1);
    QVERIFY(c.controller.isPolling());
    QVERIFY(!c.controller.isReconnecting());
    QCOMPARE(c.names(), kStartup + QStringList{QStringLiteral("get_ups_configuration")});
    QCOMPARE(c.rig.server.requests().first().raw,
             QStringLiteral("<get_ups_model_list><pass>d1g3st</pass></get_ups_model_list>"));

    for (int tick = 0; tick < 3; ++tick)
        c.controller.getUpsDeviceData();
    QVERIFY(c.rig.waitForRequests(13));
    QCOMPARE(
        c.names().mid(8),
        (QStringList{QStringLiteral("get_ups_current_status_list"), QStringLiteral("get_ups_device_state"),
                     QStringLiteral("get_ups_current_status_list"), QStringLiteral("get_ups_device_state"),
                     QStringLiteral("get_ups_configuration")}));
}

void TestLinkConnection::pollTickWritesItsRequestsAtOnce()
{
    Connected c;
    QVERIFY(c.start());
    QSignalSpy writes(c.controller.socket(), &QIODevice::bytesWritten);
    c.controller.getUpsDeviceData();
    QCOMPARE(writes.count(), 1);
    QVERIFY(c.rig.waitForRequests(10));
    QCOMPARE(c.names().mid(8), (QStringList{QStringLiteral("get_ups_current_status_list"),
                                            QStringLiteral("get_ups_device_state")}));

    // A request made outside the tick still goes at once.
    QVERIFY(c.controller.sendMessage("<get_service_version><pass></pass></get_service_version>"));
    QCOMPARE(writes.count(), 2);
    QVERIFY(c.rig.waitForRequests(11));
}

void TestLinkConnection::frameAcrossSegmentsIsHandledOnce()
{
    Connected c;
    QVERIFY(c.start());
    QSignalSpy version(&c.controller, &UpsSocketController::serviceVersionReceived);
    const QByteArray frame = frameOf(QStringLiteral("<service_version>2.6.0</service_version>"));

    // Only the length so far: nothing may be taken from the socket.
    QTcpSocket* socket = c.controller.socket();
    c.rig.server.pushRaw(frame.left(4));
    QTRY_COMPARE(socket->bytesAvailable(), qint64(4));
    QCOMPARE(version.count(), 0);
    c.rig.server.pushRaw(frame.mid(4, 5));
    QTRY_COMPARE(socket->bytesAvailable(), qint64(9));
    QCOMPARE(version.count(), 0);
    c.rig.server.pushRaw(frame.mid(9));
    QVERIFY(QTest::qWaitFor([&] { return version.count() == 1; }));
    QCOMPARE(version.at(0).at(0).toString(), QStringLiteral("2.6.0"));

    // Two frames in one write are both handled.
    c.rig.server.pushRaw(frameOf(QStringLiteral("<service_version>a</service_version>")) +
                         frameOf(QStringLiteral("<service_version>b</service_version>")));
    QVERIFY(QTest::qWaitFor([&] { return version.count() == 3; }));
    QCOMPARE(version.at(2).at(0).toString(), QStringLiteral("b"));
}

void TestLinkConnection::reconnectContinuesThePollCycle()
{
    Connected c;
    QVERIFY(c.start());
    c.controller.getUpsDeviceData(); // the cycle now stands at its third tick
    QVERIFY(c.rig.waitForRequests(10));
    // A service that has answered and then goes away is tried again at once.
    QSignalSpy version(&c.controller, &UpsSocketController::serviceVersionReceived);
    c.rig.server.push("<service_version>2.6.0</service_version>");
    QTRY_COMPARE(version.count(), 1);
    QSignalSpy errors(&c.controller, &UpsSocketController::socketError);
    QSignalSpy connectedSpy(&c.controller, &UpsSocketController::upsConnected);
    c.rig.server.clearRequests();

    c.rig.server.disconnectClients();
    QVERIFY(QTest::qWaitFor([&] { return connectedSpy.count() == 1; }));
    QCOMPARE(errors.count(), 1);
    QVERIFY(c.rig.waitForRequests(9));
    const QStringList expected = kStartup + QStringList{QStringLiteral("get_ups_current_status_list"),
                                                        QStringLiteral("get_ups_device_state")};
    QCOMPARE(c.names(), expected);
}

void TestLinkConnection::badDataDefersTheNextAttempt()
{
    Connected c;
    QVERIFY(c.start());
    c.rig.server.pushRaw(frameOf(QStringLiteral("not xml")));
    QVERIFY(c.rig.waitForClients(0));
    QVERIFY(c.controller.isReconnecting());
    QVERIFY(!c.controller.isPolling());
    QTest::qWait(300);
    QCOMPARE(c.clients.count(), 1);

    // The reconnect timer's tick connects again.
    c.controller.tryToConnect();
    QTRY_COMPARE(c.clients.count(), 2);
}

void TestLinkConnection::refusedAttemptsReportEachError()
{
    const quint16 closedPort = LxTest::closedLoopbackPort();
    QVERIFY(closedPort != 0);
    UpsSocketController controller(closedPort);
    controller.setTiming(ServiceRig::quietTiming());
    QSignalSpy errors(&controller, &UpsSocketController::socketError);
    controller.startReconnecting();
    QVERIFY(controller.isReconnecting());
    QVERIFY(QTest::qWaitFor([&] { return errors.count() == 1; }));
    controller.startReconnecting(); // already running: no extra attempt
    QTest::qWait(50);
    QCOMPARE(errors.count(), 1);
    controller.tryToConnect();
    QVERIFY(QTest::qWaitFor([&] { return errors.count() == 2; }));
    QVERIFY(!controller.isPolling());
}

void TestLinkConnection::sendMessageTellsWhetherTheFrameWent()
{
    Connected c;
    QVERIFY(c.start());
    QVERIFY(c.controller.sendMessage("<get_service_version><pass></pass></get_service_version>"));
    QVERIFY(c.rig.waitForRequests(9));
    c.controller.socket()->abort();
    QTest::ignoreMessage(QtWarningMsg, "UpsSocketController: not connected, request dropped");
    QVERIFY(!c.controller.sendMessage("<x/>"));
}

void TestLinkConnection::disconnectFromServiceReconnects()
{
    Connected c;
    QVERIFY(c.start());
    c.controller.disconnectFromService();
    QTRY_COMPARE(c.clients.count(), 2);
    QVERIFY(c.rig.waitForRequests(16));
}

void TestLinkConnection::destructionWhileConnectedClosesTheLink()
{
    ServiceRig rig;
    QVERIFY(rig.listen(false));
    QSignalSpy clients(&rig.server, &LxSim::SimServer::clientConnected);
    auto* controller = new UpsSocketController(rig.server.port());
    controller->setTiming(ServiceRig::quietTiming());
    controller->startReconnecting();
    QVERIFY(rig.waitForClients(1));
    delete controller;
    QVERIFY(rig.waitForClients(0));
    QTest::qWait(50); // no posted attempt may outlive the controller
    QCOMPARE(clients.count(), 1);
}

void TestLinkConnection::frameAtTheBoundIsAwaited()
{
    Connected c;
    QVERIFY(c.start());
    c.rig.server.pushRaw(Luminorix::encodeFrameLength(quint32(Luminorix::kMaxFrameLength)) +
                         QByteArray(100, 'x'));
    QTRY_COMPARE(c.controller.socket()->bytesAvailable(), qint64(104));
    QCOMPARE(c.rig.server.clientCount(), 1);
    QVERIFY(c.controller.isPolling());
}

void TestLinkConnection::switchingHostAbortsThePendingAttempt()
{
    ServiceRig rig; // 127.0.0.1
    QVERIFY(rig.listen(false));
    QSignalSpy clients(&rig.server, &LxSim::SimServer::clientConnected);
    LoopbackPeer stuck(LoopbackPeer::Kind::NeverAccepts);
    if (!stuck.listen(QHostAddress(QStringLiteral("127.0.0.2")), rig.server.port()))
        QSKIP("127.0.0.2 is not usable here");

    UpsSocketController controller(rig.server.port());
    UpsSocketController::Timing fastTicks = ServiceRig::quietTiming();
    fastTicks.reconnectMs = 20;
    controller.setTiming(fastTicks);
    controller.setHost(QStringLiteral("127.0.0.2"));
    controller.startReconnecting();
    QTRY_COMPARE(controller.socket()->state(), QAbstractSocket::ConnectingState);

    // Ticks while the attempt hangs leave it alone (connectToHost() on a
    // connecting socket would warn, and the strict handler fails on that).
    QTimer* timer = reconnectTimer(controller, fastTicks.reconnectMs);
    QVERIFY(timer);
    QSignalSpy ticks(timer, &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 5);
    QCOMPARE(controller.socket()->state(), QAbstractSocket::ConnectingState);

    // No more ticks within the test: only an attempt made on the switch
    // itself can reach the new host.
    controller.setTiming(ServiceRig::quietTiming());
    controller.setHost(QStringLiteral("127.0.0.1"));
    controller.disconnectFromService();
    controller.startReconnecting();
    QVERIFY(rig.waitForClients(1));
    QVERIFY(rig.waitForRequests(8));
    QCOMPARE(clients.count(), 1);
}

void TestLinkConnection::peerClosingAtOnceIsAFailedAttempt()
{
    LoopbackPeer peer(LoopbackPeer::Kind::ClosesAtOnce);
    QVERIFY(peer.listen(QHostAddress::LocalHost));
    UpsSocketController controller(peer.port());
    controller.setTiming(ServiceRig::quietTiming());
    QSignalSpy connectedSpy(&controller, &UpsSocketController::upsConnected);
    QSignalSpy errors(&controller, &UpsSocketController::socketError);
    const WarningCounter dropped("request dropped");

    controller.startReconnecting();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        QTRY_COMPARE(errors.count(), attempt);
        QCOMPARE(connectedSpy.count(), attempt);
        QTRY_COMPARE(controller.socket()->state(), QAbstractSocket::UnconnectedState);
        QVERIFY(controller.isReconnecting());
        QVERIFY(!controller.isPolling());
        // The next attempt waits for the reconnect interval (a minute here).
        QTest::qWait(200);
        QCOMPARE(peer.connections(), attempt);
        QVERIFY2(dropped.count() <= attempt, qPrintable(QString::number(dropped.count())));
        controller.tryToConnect(); // what the timer's tick does
    }
}

void TestLinkConnection::silentServiceIsAFailedAttempt()
{
    LoopbackPeer peer(LoopbackPeer::Kind::StaysSilent);
    QVERIFY(peer.listen(QHostAddress::LocalHost));
    UpsSocketController controller(peer.port());
    UpsSocketController::Timing timing = ServiceRig::quietTiming();
    timing.answerMs = 100;
    controller.setTiming(timing);
    QSignalSpy connectedSpy(&controller, &UpsSocketController::upsConnected);
    QSignalSpy errors(&controller, &UpsSocketController::socketError);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("no answer from 127\\.0\\.0\\.1 within 100 ms")));

    controller.startReconnecting();
    QTRY_COMPARE(errors.count(), 1);
    QCOMPARE(connectedSpy.count(), 1);
    QVERIFY(peer.bytesReceived() > 0); // it was asked
    QTRY_COMPARE(peer.closedByClient(), 1);
    QVERIFY(controller.isReconnecting());
    QVERIFY(!controller.isPolling());
    QTest::qWait(200);
    QCOMPARE(peer.connections(), 1);
}

void TestLinkConnection::answeringServiceOutlivesTheAnswerTime()
{
    Connected c;
    QVERIFY(c.start());
    QSignalSpy version(&c.controller, &UpsSocketController::serviceVersionReceived);
    QSignalSpy errors(&c.controller, &UpsSocketController::socketError);
    c.rig.server.push("<service_version>2.6.0</service_version>");
    QTRY_COMPARE(version.count(), 1);
    // Shortened only now, so a slow first answer cannot be what ends the
    // connection; an answer time still running would end it at once.
    UpsSocketController::Timing timing = ServiceRig::quietTiming();
    timing.answerMs = 1;
    c.controller.setTiming(timing);
    QTest::qWait(200);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(c.rig.server.clientCount(), 1);
    QVERIFY(c.controller.isPolling());
}

void TestLinkConnection::silenceAfterRepliesIsALostConnection_data()
{
    QTest::addColumn<bool>("trickle");
    QTest::newRow("stopped with its connection open") << false;
    // A frame header, then one byte each 100 ms: the frame grows but never ends.
    QTest::newRow("trickling a reply") << true;
}

void TestLinkConnection::silenceAfterRepliesIsALostConnection()
{
    QFETCH(bool, trickle);
    ServiceRig rig;
    QVERIFY(rig.listen());
    UpsSocketController controller;
    UpsSocketController::Timing timing = ServiceRig::shortTiming();
    timing.silenceMs = 1500;
    rig.attach(controller, timing);
    QSignalSpy states(&controller, &UpsSocketController::upsDeviceState);
    QSignalSpy errors(&controller, &UpsSocketController::socketError);
    QSignalSpy connects(&controller, &UpsSocketController::upsConnected);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("answered nothing for 1500 ms")));
    controller.startReconnecting();
    QTRY_VERIFY_WITH_TIMEOUT(states.count() >= 3, 20000);

    const int errorsBefore = errors.count();
    const int connectsBefore = connects.count();
    freeze(rig.server);
    QTimer trickler;
    qint64 pending = 0;
    if (trickle) {
        rig.server.pushRaw(Luminorix::encodeFrameLength(100000));
        QObject::connect(&trickler, &QTimer::timeout, &rig.server, [&] {
            rig.server.pushRaw("x");
            pending = qMax(pending, controller.socket()->bytesAvailable());
        });
        // Not one byte may reach the next connection.
        QObject::connect(&controller, &UpsSocketController::socketError, &trickler, &QTimer::stop);
        trickler.start(100);
    }
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > errorsBefore, 20000);
    if (trickle)
        QVERIFY2(pending > 4 + 3, qPrintable(QString::number(pending))); // it did grow meanwhile
    QVERIFY(controller.isReconnecting() || connects.count() > connectsBefore);

    thaw(rig.server);
    const int statesBefore = states.count();
    QTRY_VERIFY_WITH_TIMEOUT(states.count() > statesBefore, 20000);
    QVERIFY(connects.count() > connectsBefore);
    QVERIFY(controller.isPolling());
}

void TestLinkConnection::repliesAskedBeforeTheSelectionAreDropped_data()
{
    QTest::addColumn<bool>("configuration");
    QTest::addColumn<bool>("reconnect");
    QTest::newRow("state") << false << false;
    QTest::newRow("configuration") << true << false;
    // A new connection starts with the service's own choice until it is told again.
    QTest::newRow("state after a reconnection") << false << true;
}

void TestLinkConnection::repliesAskedBeforeTheSelectionAreDropped()
{
    QFETCH(bool, configuration);
    QFETCH(bool, reconnect);
    ServiceRig rig;
    QList<LxSim::SimDevice> devices;
    for (const QString& id : {QStringLiteral("1"), QStringLiteral("2")}) {
        LxSim::SimDevice d =
            LxSim::SimDevice::named(id, QStringLiteral("KitePro_USB"), QStringLiteral("usb"), id);
        d.fixedState = {{QStringLiteral("firmware_version"), QStringLiteral("fw-") + id}};
        d.configuration = {{QStringLiteral("firmware_version"), QStringLiteral("fw-") + id}};
        devices.append(d);
    }
    rig.world.setDevices(devices);
    QVERIFY(rig.listen());
    UpsSocketController controller;
    QVERIFY(rig.connect(controller));
    QSignalSpy replies(&controller, configuration ? &UpsSocketController::upsConfiguration
                                                  : &UpsSocketController::upsDeviceState);
    const auto ask = [&] {
        if (configuration) {
            controller.getUpsConfiguration();
        } else {
            // Two ticks in three ask for the state.
            controller.getUpsDeviceData();
            controller.getUpsDeviceData();
        }
    };

    controller.sendChangeUpsOnInterface(1);
    ask();
    QTRY_VERIFY(!replies.isEmpty());
    QCOMPARE(firmwareOf(replies, 0), QStringLiteral("fw-1"));
    if (reconnect) {
        controller.sendChangeUpsOnInterface(2);
        QSignalSpy connects(&controller, &UpsSocketController::upsConnected);
        controller.disconnectFromService();
        QTRY_COMPARE(connects.count(), 1);
    }
    // Asked about the first device, or about the service's own choice after a
    // reconnection; answered only after the panel chose the second.
    ask();
    controller.sendChangeUpsOnInterface(2);
    replies.clear();
    ask();
    QTRY_VERIFY(!replies.isEmpty());
    for (int i = 0; i < replies.count(); ++i)
        QCOMPARE(firmwareOf(replies, i), QStringLiteral("fw-2"));
}

LX_TEST_GUILESS_MAIN(TestLinkConnection)
#include "tst_linkconnection.moc"
