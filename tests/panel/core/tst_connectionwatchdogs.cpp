// The connection watchdogs with Qt Core alone: arming one stops the other, and
// reports that come faster than the interval never put an expiry off.
#include "panel/core/connectionwatchdogs.h"
#include "tests/support/lxtestcore.h"

#include <QSignalSpy>

class TestConnectionWatchdogs : public QObject
{
    Q_OBJECT

private slots:
    void arming_data();
    void arming();
    void repeatedArmingKeepsTheTime_data();
    void repeatedArmingKeepsTheTime();
};

namespace {
QTimer* timer(const ConnectionWatchdogs& watchdogs, const char* name)
{
    return watchdogs.findChild<QTimer*>(QLatin1String(name));
}
} // namespace

void TestConnectionWatchdogs::arming_data()
{
    // d: armDevice, s: armService, x: stop
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("device");
    QTest::addColumn<bool>("service");
    QTest::newRow("device") << "d" << true << false;
    QTest::newRow("service") << "s" << false << true;
    QTest::newRow("service then device") << "sd" << true << false;
    QTest::newRow("device then service") << "ds" << false << true;
    QTest::newRow("stopped") << "dsx" << false << false;
}

void TestConnectionWatchdogs::arming()
{
    QFETCH(QString, steps);
    QFETCH(bool, device);
    QFETCH(bool, service);
    ConnectionWatchdogs watchdogs(3000);
    for (QChar step : steps) {
        if (step == QLatin1Char('d'))
            watchdogs.armDevice();
        else if (step == QLatin1Char('s'))
            watchdogs.armService();
        else
            watchdogs.stop();
    }
    QCOMPARE(timer(watchdogs, "communicationWatchdog")->isActive(), device);
    QCOMPARE(timer(watchdogs, "socketWatchdog")->isActive(), service);
    for (const char* name : {"communicationWatchdog", "socketWatchdog"}) {
        if (timer(watchdogs, name)->isActive())
            QCOMPARE(timer(watchdogs, name)->interval(), 3000);
    }
}

void TestConnectionWatchdogs::repeatedArmingKeepsTheTime_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("device") << QByteArray("communicationWatchdog");
    QTest::newRow("service") << QByteArray("socketWatchdog");
}

void TestConnectionWatchdogs::repeatedArmingKeepsTheTime()
{
    QFETCH(QByteArray, name);
    const bool device = name == "communicationWatchdog";
    ConnectionWatchdogs watchdogs(3000);
    QSignalSpy fired(&watchdogs,
                     device ? &ConnectionWatchdogs::deviceSilent : &ConnectionWatchdogs::serviceLost);
    const auto arm = [&watchdogs, device] { device ? watchdogs.armDevice() : watchdogs.armService(); };
    arm();
    QTimer* watchdog = timer(watchdogs, name.constData());
    QTRY_VERIFY(watchdog->remainingTime() < 2500);
    arm();
    // Restarted, it would have its whole interval again (less a coarse timer's 5 %).
    QVERIFY(watchdog->remainingTime() < 2600);
    QTRY_COMPARE_WITH_TIMEOUT(fired.count(), 1, 10000);
    // It goes on reporting until it is stopped.
    QVERIFY(watchdog->isActive());
}

LX_TEST_GUILESS_MAIN(TestConnectionWatchdogs)
#include "tst_connectionwatchdogs.moc"
