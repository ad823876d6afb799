// The connection cycle against a local stand-in: start-up series, polling,
// framing across segments, reconnecting.
#include "fakeservice.h"
#include "framing.h"
#include "loopback.h"
#include "lxtest.h"
#include "testframes.h"
#include "upssocketcontroller.h"

#include <QRegularExpression>

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
    return t;
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
    c.service.send(frame.left(4));
    QTest::qWait(50);
    QCOMPARE(version.count(), 0);
    c.service.send(frame.mid(4, 5));
    QTest::qWait(50);
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
    QTest::qWait(200);
    QVERIFY(c.service.clientConnected());
    QVERIFY(c.controller.isPolling());
}

LX_TEST_GUILESS_MAIN(TestLinkConnection)
#include "tst_linkconnection.moc"
