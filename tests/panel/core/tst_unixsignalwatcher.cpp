// The signal watcher, with Qt Core alone: a signal comes out of the event loop as
// terminationRequested, and its handler keeps errno and never blocks, however long
// nobody reads.
#include "panel/core/unixsignalwatcher.h"
#include "tests/support/lxtestcore.h"

#include <QSignalSpy>
#include <cerrno>
#include <csignal>

namespace {
volatile sig_atomic_t heardByOwnHandler = 0;

void ownHandler(int)
{
    heardByOwnHandler = 1;
}
} // namespace

class TestUnixSignalWatcher : public QObject
{
    Q_OBJECT

private slots:
    void signalArrives_data();
    void signalArrives();
    void handlerKeepsErrno();
    void handlerNeverBlocks();
    void previousHandlerComesBack();
};

void TestUnixSignalWatcher::signalArrives_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestUnixSignalWatcher::signalArrives()
{
    QFETCH(int, signalNumber);
    UnixSignalWatcher watcher;
    QVERIFY(watcher.isWatching());
    QSignalSpy requested(&watcher, &UnixSignalWatcher::terminationRequested);
    QCOMPARE(::raise(signalNumber), 0);
    QTRY_COMPARE(requested.size(), 1);
    QCOMPARE(requested.at(0).at(0).toInt(), signalNumber);
}

// The handler may interrupt any code between a failing call and its errno check.
void TestUnixSignalWatcher::handlerKeepsErrno()
{
    UnixSignalWatcher watcher;
    QSignalSpy requested(&watcher, &UnixSignalWatcher::terminationRequested);
    errno = EDOM;
    QCOMPARE(::raise(SIGTERM), 0);
    QCOMPARE(errno, EDOM);
    QTRY_COMPARE(requested.size(), 1);
}

// More signals than the pipe holds, with the event loop not running: a handler that
// waited for room would never return.
void TestUnixSignalWatcher::handlerNeverBlocks()
{
    UnixSignalWatcher watcher;
    QSignalSpy requested(&watcher, &UnixSignalWatcher::terminationRequested);
    for (int i = 0; i < 100000; ++i)
        QCOMPARE(::raise(SIGTERM), 0);
    QTRY_VERIFY(requested.size() > 0);
    // Drained, it goes on hearing.
    const int heard = requested.size();
    QCOMPARE(::raise(SIGINT), 0);
    QTRY_COMPARE(requested.size(), heard + 1);
    QCOMPARE(requested.last().at(0).toInt(), int(SIGINT));
}

void TestUnixSignalWatcher::previousHandlerComesBack()
{
    struct sigaction own = {};
    own.sa_handler = ownHandler;
    sigemptyset(&own.sa_mask);
    struct sigaction before = {};
    QCOMPARE(::sigaction(SIGTERM, &own, &before), 0);
    {
        UnixSignalWatcher watcher;
        QSignalSpy requested(&watcher, &UnixSignalWatcher::terminationRequested);
        QCOMPARE(::raise(SIGTERM), 0);
        QTRY_COMPARE(requested.size(), 1);
        QCOMPARE(int(heardByOwnHandler), 0);
    }
    QCOMPARE(::raise(SIGTERM), 0);
    QCOMPARE(int(heardByOwnHandler), 1);
    QCOMPARE(::sigaction(SIGTERM, &before, nullptr), 0);
}

LX_TEST_GUILESS_MAIN(TestUnixSignalWatcher)
#include "tst_unixsignalwatcher.moc"
