// luminorix-sim as a program: its scene options reach the replies, and a bad
// option stops it with a message before it listens.
#include "simtestclient.h"
#include "tests/support/lxtestcore.h"
#include "tools/sim/framecodec.h"

#include <QProcess>
#include <QRegularExpression>

namespace {
const int kStartTimeoutMs = 20000;

// The program on a free loopback port; the port is read from its start-up line.
class SimProgram
{
public:
    explicit SimProgram(const QStringList& arguments)
    {
        process.setProgram(QStringLiteral(LX_SIM_PATH));
        process.setArguments(QStringList{"--port", "0", "--drift-ms", "0"} + arguments);
        process.start();
    }
    ~SimProgram()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(5000)) {
                process.kill();
                process.waitForFinished(5000);
            }
        }
    }
    // 0 when it did not come to listen.
    quint16 waitForPort()
    {
        static const QRegularExpression line(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kStartTimeoutMs && process.state() != QProcess::NotRunning) {
            process.waitForReadyRead(100);
            output += process.readAllStandardError();
            const QRegularExpressionMatch match = line.match(QString::fromUtf8(output));
            if (match.hasMatch())
                return quint16(match.captured(1).toUInt());
        }
        return 0;
    }
    QProcess process;
    QByteArray output;
};

// The replies to `requests`, sent one after another.
QStringList ask(quint16 port, const QStringList& requests, int expected)
{
    SimTestClient client;
    if (!client.connectTo(port))
        return {QStringLiteral("<no connection>")};
    for (const QString& name : requests)
        client.sendCommand(name);
    // A short list is what the caller compares and reports.
    [[maybe_unused]] const bool complete =
        QTest::qWaitFor([&] { return client.replies.size() >= expected; }, 20000);
    return client.replies;
}
} // namespace

class TestSimProgram : public QObject
{
    Q_OBJECT

private slots:
    void sceneOptionsReachReplies();
    void centreScriptReachesReplies();
    void restartDropsClientsAndListensAgain();
    void trickleHoldsTheLastByte();
    void badOptionsStopIt_data();
    void badOptionsStopIt();
};

void TestSimProgram::sceneOptionsReachReplies()
{
    SimProgram sim({"--status", "1=on_battery", "--status", "6=no_communication", "--countdown", "7:540",
                    "--countdown", "2:60"});
    const quint16 port = sim.waitForPort();
    QVERIFY2(port != 0, sim.output.constData());

    const QStringList replies = ask(port, {"get_shutdown_timers", "get_ups_device_state"}, 2);
    QCOMPARE(replies.size(), 2);
    QCOMPARE(replies.at(0), QStringLiteral("<show_countdown><timer_id>7</timer_id><time>540</time>"
                                           "<timer_id>2</timer_id><time>60</time></show_countdown>"));
    // The first demo device, the three-phase UPS, is the one whose state is reported.
    QVERIFY2(replies.at(1).contains(QLatin1String("<device_status>on_battery</device_status>")),
             qPrintable(replies.at(1)));

    const QStringList list = ask(port, {"get_ups_current_status_list"}, 1);
    QCOMPARE(list.size(), 1);
    QVERIFY2(list.at(0).contains(QLatin1String("<status>on_battery</status>")), qPrintable(list.at(0)));
    QVERIFY2(list.at(0).contains(QLatin1String("<status>no_communication</status>")), qPrintable(list.at(0)));
}

void TestSimProgram::centreScriptReachesReplies()
{
    SimProgram sim({"--vc-hosts", "3\u00d72", "--fail", "set_virtualization_center_action_run=Host locked",
                    "--fail", "set_virtualization_center_action_list_delete", "--delay",
                    "get_virtualization_center_enabled=300"});
    const quint16 port = sim.waitForPort();
    QVERIFY2(port != 0, sim.output.constData());

    SimTestClient client;
    QVERIFY(client.connectTo(port));
    // The late answer is sent after the ones asked for after it.
    client.sendCommand(QStringLiteral("get_virtualization_center_enabled"));
    client.sendCommand(QStringLiteral("get_virtualization_center_host_list"));
    client.sendPayload(QStringLiteral("get_virtualization_center_hostvmsinfo"),
                       "<host_type>1</host_type>\n<host_id>3</host_id>\n");
    client.sendPayload(QStringLiteral("set_virtualization_center_action_run"), "<ids><id>1</id></ids>");
    client.sendPayload(QStringLiteral("set_virtualization_center_action_list_delete"), "<id>1</id>\n");
    QTRY_COMPARE_WITH_TIMEOUT(client.replies.size(), 5, 20000);
    const QStringList& r = client.replies;
    QVERIFY2(r.at(0).startsWith(QLatin1String("<virtualization_center_host_list>")), qPrintable(r.at(0)));
    QCOMPARE(r.at(0).count(QLatin1String("<host>")), 3);
    QVERIFY2(r.at(1).contains(QLatin1String("<host_id>3</host_id>")), qPrintable(r.at(1)));
    QCOMPARE(r.at(1).count(QLatin1String("<vm_id>")), 2);
    QVERIFY2(r.at(2).contains(QLatin1String("Host locked")), qPrintable(r.at(2)));
    QVERIFY2(r.at(3).contains(QLatin1String("Refused by the stand-in")), qPrintable(r.at(3)));
    QVERIFY2(r.at(4).startsWith(QLatin1String("<virtualization_center_enabled")), qPrintable(r.at(4)));

    // The log's summary line gives each child's content as it came.
    QTRY_VERIFY_WITH_TIMEOUT((sim.output += sim.process.readAllStandardError())
                                 .contains("children=[host_type=\"1\", host_id=\"3\"]"),
                             20000);
}

void TestSimProgram::restartDropsClientsAndListensAgain()
{
    SimProgram sim({"--restart-after", "200"});
    const quint16 port = sim.waitForPort();
    QVERIFY2(port != 0, sim.output.constData());
    SimTestClient client;
    QVERIFY(client.connectTo(port));
    QTRY_COMPARE_WITH_TIMEOUT(client.socket.state(), QAbstractSocket::UnconnectedState, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(
        (sim.output += sim.process.readAllStandardError()).contains("listening again on"), 20000);
    // Same port, same world.
    const QStringList again = ask(port, {"get_virtualization_center_enabled"}, 1);
    QCOMPARE(again.size(), 1);
    QVERIFY2(again.at(0).startsWith(QLatin1String("<virtualization_center_enabled")),
             qPrintable(again.at(0)));
    QCOMPARE(sim.process.state(), QProcess::Running);
}

void TestSimProgram::trickleHoldsTheLastByte()
{
    // Armed before the client comes: its first reply trickles.
    SimProgram sim({"--trickle-after", "0", "--trickle-ms", "1"});
    const quint16 port = sim.waitForPort();
    QVERIFY2(port != 0, sim.output.constData());
    QTRY_VERIFY_WITH_TIMEOUT((sim.output += sim.process.readAllStandardError()).contains("trickling"), 20000);
    SimTestClient client;
    QVERIFY(client.connectTo(port));
    client.sendCommand(QStringLiteral("get_debugging_status"));
    const int frameSize = LxSim::FrameCodec::encode("<debugging_disabled></debugging_disabled>").size();
    QTRY_COMPARE_WITH_TIMEOUT(client.pendingBytes(), frameSize - 1, 20000);
    QVERIFY(client.replies.isEmpty());
}

void TestSimProgram::badOptionsStopIt_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown device") << QStringList{"--status", "42=on_battery"}
                                    << "--status 42=on_battery: there is no device 42";
    QTest::newRow("status form") << QStringList{"--status", "on_battery"}
                                 << "--status on_battery: expected ID=KEYWORD";
    QTest::newRow("countdown form") << QStringList{"--countdown", "1=540"}
                                    << "--countdown 1=540: expected ID:SECONDS";
    QTest::newRow("mail outcome") << QStringList{"--smtp-test", "maybe"}
                                  << "--smtp-test maybe: expected success, failure or silence";
    QTest::newRow("fail of a request nobody answers")
        << QStringList{"--fail", "get_weather=x"} << "--fail get_weather=x: expected REQUEST[=TEXT]";
    QTest::newRow("delay without time") << QStringList{"--delay", "get_virtualization_center_host_list"}
                                        << "--delay get_virtualization_center_host_list: expected REQUEST=MS";
    QTest::newRow("host grid form") << QStringList{"--vc-hosts", "100000"}
                                    << "--vc-hosts 100000: expected N\u00d7M or NxM";
    QTest::newRow("scene") << QStringList{"--scene", "crowd"}
                           << "--scene crowd: expected demo, single, battery or many:N (N from 1 to 10000)";
    QTest::newRow("scene of no devices") << QStringList{"--scene", "many:0"} << "--scene many:0: expected";
    QTest::newRow("hang time") << QStringList{"--hang-after", "-5"}
                               << "--hang-after -5: expected a time in ms";
    QTest::newRow("trickle interval") << QStringList{"--trickle-after", "10", "--trickle-ms", "0"}
                                      << "--trickle-ms 0: expected a time in ms";
    QTest::newRow("churn") << QStringList{"--status-churn", "some"}
                           << "--status-churn some: expected a number of devices";
    QTest::newRow("restart time") << QStringList{"--restart-after", "soon"}
                                  << "--restart-after soon: expected a time in ms";
}

void TestSimProgram::badOptionsStopIt()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    SimProgram sim(arguments);
    QVERIFY(sim.process.waitForFinished(kStartTimeoutMs));
    QCOMPARE(sim.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.process.exitCode(), 2);
    const QString output = QString::fromUtf8(sim.process.readAllStandardError());
    QVERIFY2(output.contains(message), qPrintable(output));
    QVERIFY(!output.contains(QLatin1String("listening")));
}

LX_TEST_GUILESS_MAIN(TestSimProgram)
#include "tst_simprogram.moc"
