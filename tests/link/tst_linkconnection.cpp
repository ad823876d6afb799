// The connection cycle against a local stand-in: start-up series, polling,
// framing across segments, reconnecting.
#include "fakeservice.h"
#include "framing.h"
#include "loopback.h"
#include "loopbackpeer.h"
#include "lxtest.h"
#include "testframes.h"
#include "upssocketcontroller.h"

#include <QRegularExpression>
#include <QTimer>

using Luminorix::UpsSocketController;

namespace {
QString rootName(const QString& request)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^<([A-Za-z0-9_]+)>")).match(request);
    return m.captured(1);
}

QStringList rootNames(const QStringList& requests)
{
    QStringList names;
    for (const QString& r : requests)
        names << rootName(r);
    return names;
}

const QStringList kStartup{
    QStringLiteral("get_ups_model_list"),
    QStringLiteral("get_available_ports"),
    QStringLiteral("get_debugging_status"),
    QStringLiteral("get_service_version"),
    QStringLiteral("get_shutdown_timers"),
    QStringLiteral("get_virtualization_center_enabled"),
    QStringLiteral("get_virtualization_center_version"),
};

// Timers long enough never to fire within a test; the pause is skipped.
UpsSocketController::Timing quietTiming()
{
    UpsSocketController::Timing t;
    t.reconnectMs = 60000;
    t.pollMs = 60000;
    t.startupPauseMs = 0;
    t.answerMs = 60000;
    return t;
}

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

// A controller connected to its own stand-in, start-up series received.
struct Connected
{
    FakeService service;
    UpsSocketController controller{service.port()};

    bool start()
    {
        controller.setTiming(quietTiming());
        controller.startReconnecting();
        return service.waitForClient() && service.waitForRequests(8);
    }
};

class TestLinkConnection : public QObject
{
    Q_OBJECT

private slots:
    void programDefaults();
    void startupSeriesThenPolling();
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
    QCOMPARE(rootNames(c.service.requests), kStartup + QStringList{QStringLiteral("get_ups_configuration")});
    QCOMPARE(c.service.requests.first(),
             QStringLiteral("<get_ups_model_list><pass>d1g3st</pass></get_ups_model_list>"));

    for (int tick = 0; tick < 3; ++tick)
        c.controller.getUpsDeviceData();
    QVERIFY(c.service.waitForRequests(13));
    QCOMPARE(
        rootNames(c.service.requests.mid(8)),
        (QStringList{QStringLiteral("get_ups_current_status_list"), QStringLiteral("get_ups_device_state"),
                     QStringLiteral("get_ups_current_status_list"), QStringLiteral("get_ups_device_state"),
                     QStringLiteral("get_ups_configuration")}));
}

void TestLinkConnection::frameAcrossSegmentsIsHandledOnce()
{
    Connected c;
    QVERIFY(c.start());
    QSignalSpy version(&c.controller, &UpsSocketController::serviceVersionReceived);
    const QByteArray frame = frameOf(QStringLiteral("<service_version>2.6.0</service_version>"));

    // Only the length so far: nothing may be taken from the socket.
    QTcpSocket* socket = c.controller.socket();
    c.service.send(frame.left(4));
    QTRY_COMPARE(socket->bytesAvailable(), qint64(4));
    QCOMPARE(version.count(), 0);
    c.service.send(frame.mid(4, 5));
    QTRY_COMPARE(socket->bytesAvailable(), qint64(9));
    QCOMPARE(version.count(), 0);
    c.service.send(frame.mid(9));
    QVERIFY(QTest::qWaitFor([&] { return version.count() == 1; }));
    QCOMPARE(version.at(0).at(0).toString(), QStringLiteral("2.6.0"));

    // Two frames in one write are both handled.
    c.service.send(frameOf(QStringLiteral("<service_version>a</service_version>")) +
                   frameOf(QStringLiteral("<service_version>b</service_version>")));
    QVERIFY(QTest::qWaitFor([&] { return version.count() == 3; }));
    QCOMPARE(version.at(2).at(0).toString(), QStringLiteral("b"));
}

void TestLinkConnection::reconnectContinuesThePollCycle()
{
    Connected c;
    QVERIFY(c.start());
    c.controller.getUpsDeviceData(); // the cycle now stands at its third tick
    QVERIFY(c.service.waitForRequests(10));
    // A service that has answered and then goes away is tried again at once.
    QSignalSpy version(&c.controller, &UpsSocketController::serviceVersionReceived);
    c.service.sendReply(QStringLiteral("<service_version>2.6.0</service_version>"));
    QTRY_COMPARE(version.count(), 1);
    QSignalSpy errors(&c.controller, &UpsSocketController::socketError);
    QSignalSpy connectedSpy(&c.controller, &UpsSocketController::upsConnected);
    c.service.requests.clear();

    c.service.dropClient();
    QVERIFY(QTest::qWaitFor([&] { return connectedSpy.count() == 1; }));
    QCOMPARE(errors.count(), 1);
    QVERIFY(c.service.waitForRequests(9));
    const QStringList expected = kStartup + QStringList{QStringLiteral("get_ups_current_status_list"),
                                                        QStringLiteral("get_ups_device_state")};
    QCOMPARE(rootNames(c.service.requests), expected);
}

void TestLinkConnection::badDataDefersTheNextAttempt()
{
    Connected c;
    QVERIFY(c.start());
    c.service.send(frameOf(QStringLiteral("not xml")));
    QVERIFY(c.service.waitForDisconnect());
    QVERIFY(c.controller.isReconnecting());
    QVERIFY(!c.controller.isPolling());
    QVERIFY(!c.service.waitForNextClient(300));

    // The reconnect timer's tick connects again.
    c.controller.tryToConnect();
    QVERIFY(c.service.waitForNextClient(5000));
}

void TestLinkConnection::refusedAttemptsReportEachError()
{
    const quint16 closedPort = LxTest::closedLoopbackPort();
    QVERIFY(closedPort != 0);
    UpsSocketController controller(closedPort);
    controller.setTiming(quietTiming());
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
    QVERIFY(c.service.waitForRequests(9));
    c.controller.socket()->abort();
    QTest::ignoreMessage(QtWarningMsg, "UpsSocketController: not connected, request dropped");
    QVERIFY(!c.controller.sendMessage("<x/>"));
}

void TestLinkConnection::disconnectFromServiceReconnects()
{
    Connected c;
    QVERIFY(c.start());
    c.controller.disconnectFromService();
    QVERIFY(c.service.waitForNextClient(5000));
    QVERIFY(c.service.waitForRequests(16));
}

void TestLinkConnection::destructionWhileConnectedClosesTheLink()
{
    FakeService service;
    auto* controller = new UpsSocketController(service.port());
    controller->setTiming(quietTiming());
    controller->startReconnecting();
    QVERIFY(service.waitForClient());
    delete controller;
    QVERIFY(service.waitForDisconnect());
    QTest::qWait(50); // no posted attempt may outlive the controller
    QCOMPARE(service.connections, 1);
}

void TestLinkConnection::frameAtTheBoundIsAwaited()
{
    Connected c;
    QVERIFY(c.start());
    c.service.send(Luminorix::encodeFrameLength(quint32(Luminorix::kMaxFrameLength)) + QByteArray(100, 'x'));
    QTRY_COMPARE(c.controller.socket()->bytesAvailable(), qint64(104));
    QVERIFY(c.service.clientConnected());
    QVERIFY(c.controller.isPolling());
}

void TestLinkConnection::switchingHostAbortsThePendingAttempt()
{
    FakeService service; // 127.0.0.1
    LoopbackPeer stuck(LoopbackPeer::Kind::NeverAccepts);
    if (!stuck.listen(QHostAddress(QStringLiteral("127.0.0.2")), service.port()))
        QSKIP("127.0.0.2 is not usable here");

    UpsSocketController controller(service.port());
    UpsSocketController::Timing fastTicks = quietTiming();
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
    controller.setTiming(quietTiming());
    controller.setHost(QStringLiteral("127.0.0.1"));
    controller.disconnectFromService();
    controller.startReconnecting();
    QVERIFY(service.waitForClient(20000));
    QVERIFY(service.waitForRequests(8));
    QCOMPARE(service.connections, 1);
}

void TestLinkConnection::peerClosingAtOnceIsAFailedAttempt()
{
    LoopbackPeer peer(LoopbackPeer::Kind::ClosesAtOnce);
    QVERIFY(peer.listen(QHostAddress::LocalHost));
    UpsSocketController controller(peer.port());
    controller.setTiming(quietTiming());
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
    UpsSocketController::Timing timing = quietTiming();
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
    c.service.sendReply(QStringLiteral("<service_version>2.6.0</service_version>"));
    QTRY_COMPARE(version.count(), 1);
    // Shortened only now, so a slow first answer cannot be what ends the
    // connection; an answer time still running would end it at once.
    UpsSocketController::Timing timing = quietTiming();
    timing.answerMs = 1;
    c.controller.setTiming(timing);
    QTest::qWait(200);
    QCOMPARE(errors.count(), 0);
    QVERIFY(c.service.clientConnected());
    QVERIFY(c.controller.isPolling());
}

LX_TEST_GUILESS_MAIN(TestLinkConnection)
#include "tst_linkconnection.moc"
