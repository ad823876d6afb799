// The program itself, started as a separate process: the single instance, "--hide"
// and an orderly end on a termination signal.
#include "common/localsettings.h"
#include "link/upssocketcontroller.h"
#include "panel/core/singleinstance.h"
#include "panel/luminorixwindow.h"
#include "tests/support/lxtest.h"
#include "tools/sim/replybuilder.h"
#include "tools/sim/simserver.h"
#include "tools/sim/simworld.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <csignal>
#include <memory>

namespace {
// A sanitizer build of the panel starts slowly on a loaded machine (20 s ran out once).
const int kStartTimeoutMs = 60000;

class Panel
{
public:
    explicit Panel(const QStringList& arguments = {})
    {
        process.setProgram(QStringLiteral(LX_ORVENDESK_PATH));
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start();
    }
    ~Panel()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QProcess process;
};

// The running panel's single-instance socket, made once it listens.
QString instanceSocketPath()
{
    return QDir(QDir::tempPath()).filePath(SingleInstance::serverName());
}

bool waitUntilListening(QProcess& process)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartTimeoutMs) {
        if (process.state() == QProcess::NotRunning)
            return false;
        if (QFileInfo::exists(instanceSocketPath()))
            return true;
        QTest::qWait(20);
    }
    return false;
}

bool waitUntilFinished(QProcess& process)
{
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < kStartTimeoutMs)
        QTest::qWait(20);
    return process.state() == QProcess::NotRunning;
}
} // namespace

class TestPanelProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secondStartExitsAndShowsFirst();
    void endsCleanlyOnSignal_data();
    void endsCleanlyOnSignal();
    void secondStartLeavesHiddenFirstRunning();
    void endsOnSignalWithQuestionAndMessagesOpen_data();
    void endsOnSignalWithQuestionAndMessagesOpen();
};

void TestPanelProcess::initTestCase()
{
    QVERIFY(QFileInfo::exists(QStringLiteral(LX_ORVENDESK_PATH)));
    // Nobody listens on this port's host in a test; the panel just keeps trying.
    LocalSettings().setServerAddress(QStringLiteral("127.0.0.1"));
}

void TestPanelProcess::secondStartExitsAndShowsFirst()
{
    auto first = std::make_unique<LuminorixWindow>();
    first->findChild<Luminorix::UpsSocketController*>(QStringLiteral("controller"))->setPort(1);
    QVERIFY(!first->isSecondInstance());
    QVERIFY(first->isHidden());

    Panel second;
    QVERIFY(waitUntilFinished(second.process));
    QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process.exitCode(), 1);
    QTRY_VERIFY(first->isVisible());
    QCOMPARE(first->findChild<QAction*>(QStringLiteral("toggleAction"))->text(), QStringLiteral("&Ukryj"));
}

void TestPanelProcess::endsCleanlyOnSignal_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("hidden, SIGTERM") << QStringList{"--hide"} << int(SIGTERM);
    QTest::newRow("shown, SIGTERM") << QStringList{} << int(SIGTERM);
    QTest::newRow("shown, SIGINT") << QStringList{} << int(SIGINT);
}

void TestPanelProcess::endsCleanlyOnSignal()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, signalNumber);

    Panel panel(arguments);
    QVERIFY(waitUntilListening(panel.process));
    QTest::qWait(200);
    QCOMPARE(panel.process.state(), QProcess::Running);
    ::kill(pid_t(panel.process.processId()), signalNumber);
    QVERIFY(waitUntilFinished(panel.process));
    QCOMPARE(panel.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(panel.process.exitCode(), 0);
    // The single-instance name is given back.
    QVERIFY(!QFileInfo::exists(instanceSocketPath()));
}

void TestPanelProcess::secondStartLeavesHiddenFirstRunning()
{
    Panel first({QStringLiteral("--hide")});
    QVERIFY(waitUntilListening(first.process));

    Panel second({QStringLiteral("--hide")});
    QVERIFY(waitUntilFinished(second.process));
    QCOMPARE(second.process.exitCode(), 1);

    QTest::qWait(100);
    QCOMPARE(first.process.state(), QProcess::Running);
    ::kill(pid_t(first.process.processId()), SIGTERM);
    QVERIFY(waitUntilFinished(first.process));
    QCOMPARE(first.process.exitCode(), 0);
}

void TestPanelProcess::endsOnSignalWithQuestionAndMessagesOpen_data()
{
    QTest::addColumn<QStringList>("arguments");
    // Shown, the question can open while the splash screen still waits for the window,
    // before the main loop runs; hidden, it opens inside the main loop.
    QTest::newRow("shown") << QStringList{};
    QTest::newRow("hidden") << QStringList{"--hide"};
}

// A termination ends the panel also while a modal question runs its own event loop
// and a flood of service messages waits on screen.
void TestPanelProcess::endsOnSignalWithQuestionAndMessagesOpen()
{
    QFETCH(QStringList, arguments);

    // The program always asks port 12323, so the stand-in takes a loopback address of
    // its own, where nothing else on this machine listens.
    LxSim::SimServer server;
    LxSim::SimWorld world;
    world.setDevices({});
    world.install(server.responder());
    QString address;
    for (int attempt = 0; attempt < 50 && address.isEmpty(); ++attempt) {
        QRandomGenerator* random = QRandomGenerator::global();
        const QString candidate = QStringLiteral("127.%1.%2.%3")
                                      .arg(random->bounded(20, 250))
                                      .arg(random->bounded(1, 250))
                                      .arg(random->bounded(1, 250));
        if (server.listen(QHostAddress(candidate), 12323))
            address = candidate;
    }
    QVERIFY2(!address.isEmpty(), qPrintable(server.errorString()));
    LocalSettings().setServerAddress(address);
    const auto restoreAddress =
        qScopeGuard([] { LocalSettings().setServerAddress(QStringLiteral("127.0.0.1")); });

    Panel panel(arguments);
    const auto asked = [&server](const char* name) {
        return server.requestNames().count(QLatin1String(name));
    };
    // The empty list of a first start brings the question right after this request.
    QTRY_VERIFY_WITH_TIMEOUT(asked("get_ups_current_status_list") >= 1, kStartTimeoutMs);
    QStringList texts;
    for (int i = 0; i < 50; ++i)
        texts.append(QStringLiteral("Komunikat %1").arg(i));
    for (int i = 0; i < 10; ++i)
        server.push(LxSim::ReplyBuilder::showMessage(texts));
    // The panel has taken the flood in once it polls again after it.
    const int polls = asked("get_ups_device_state");
    QTRY_VERIFY_WITH_TIMEOUT(asked("get_ups_device_state") > polls + 2, kStartTimeoutMs);

    ::kill(pid_t(panel.process.processId()), SIGTERM);
    QVERIFY(waitUntilFinished(panel.process));
    QCOMPARE(panel.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(panel.process.exitCode(), 0);
}

LX_TEST_MAIN(TestPanelProcess)
#include "tst_panelprocess.moc"
