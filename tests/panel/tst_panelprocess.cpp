// The program itself, started as a separate process: the single instance, "--hide"
// and an orderly end on a termination signal.
#include "localsettings.h"
#include "luminorixwindow.h"
#include "lxtest.h"
#include "upssocketcontroller.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <memory>

namespace {
const int kStartTimeoutMs = 20000;

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
    return QDir(QDir::tempPath()).filePath(LuminorixWindow::instanceServerName());
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

LX_TEST_MAIN(TestPanelProcess)
#include "tst_panelprocess.moc"
