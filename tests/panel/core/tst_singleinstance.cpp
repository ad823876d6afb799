// One panel per user, with Qt Core and Network alone: a later start is refused and
// wakes the first, leaves nothing behind in it, and a name left over by a killed
// run does not keep the next start from running.
#include "panel/core/singleinstance.h"
#include "tests/support/lxtestcore.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <memory>

namespace {
// Not the panel's own name, so that a run outside the test homes leaves a real panel alone.
QString testName()
{
    return QStringLiteral("lx-test-instance-%1").arg(QCoreApplication::applicationPid());
}
} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void laterStartsWakeTheFirst();
    void nameIsFreeOnceTheFirstIsGone_data();
    void nameIsFreeOnceTheFirstIsGone();
    void nameIsPerUser();
};

void TestSingleInstance::laterStartsWakeTheFirst()
{
    SingleInstance first(testName());
    QVERIFY(first.claim());
    QSignalSpy woken(&first, &SingleInstance::wakeRequested);
    for (int start = 1; start <= 3; ++start) {
        SingleInstance later(testName());
        QVERIFY(!later.claim());
        QTRY_COMPARE(woken.count(), start);
    }
    // Each knock's socket goes once it has been heard.
    QTRY_VERIFY(first.findChildren<QLocalSocket*>().isEmpty());
}

void TestSingleInstance::nameIsFreeOnceTheFirstIsGone_data()
{
    QTest::addColumn<bool>("killed");
    QTest::newRow("ended") << false;
    // A killed run leaves its socket file, with nobody listening behind it.
    QTest::newRow("killed") << true;
}

void TestSingleInstance::nameIsFreeOnceTheFirstIsGone()
{
    QFETCH(bool, killed);
    const QString path = QDir(QDir::tempPath()).filePath(testName());
    if (killed) {
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
    } else {
        auto first = std::make_unique<SingleInstance>(testName());
        QVERIFY(first->claim());
        first.reset();
    }
    SingleInstance next(testName());
    QVERIFY(next.claim());
    SingleInstance later(testName());
    QVERIFY(!later.claim());
}

void TestSingleInstance::nameIsPerUser()
{
    const QString name = SingleInstance::serverName();
    QVERIFY(name.startsWith(QLatin1String("luminorix_instance")));
#ifdef Q_OS_UNIX
    QVERIFY(name.length() > QStringLiteral("luminorix_instance").length());
#endif
}

LX_TEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
