// The administrator's session as the link keeps it: what ends it, and that a
// request made for an ended session never reaches the service.
#include "link/upssocketcontroller.h"
#include "tests/support/lxtestcore.h"
#include "tests/support/servicerig.h"

#include <QSignalSpy>

using Luminorix::AdminSession;
using Luminorix::UpsSocketController;

namespace {
enum class Step
{
    LogOut,
    AnotherHost,
    SameHost,
    Drop,
    LostConnection,
    NewLogIn
};

// A controller logged in on the stand-in, connected.
struct Linked
{
    ServiceRig rig;
    UpsSocketController controller;

    bool start()
    {
        if (!rig.listen() || !rig.connect(controller))
            return false;
        rig.logIn(controller);
        return true;
    }
    // The requests the stand-in got, once one sent now has come behind them.
    QStringList names()
    {
        controller.getServiceVersion();
        if (!QTest::qWaitFor([this] { return rig.server.requestNames().contains("get_service_version"); },
                             20000))
            return {QStringLiteral("no fence")};
        QStringList all = rig.server.requestNames();
        all.removeAll(QStringLiteral("get_service_version"));
        return all;
    }
};
} // namespace
Q_DECLARE_METATYPE(Step)

class TestAdminSession : public QObject
{
    Q_OBJECT

private slots:
    void endedBy_data();
    void endedBy();
    void endsBetweenTwoRequests();
};

void TestAdminSession::endedBy_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<bool>("ends");
    QTest::newRow("log-out") << Step::LogOut << true;
    QTest::newRow("another host") << Step::AnotherHost << true;
    QTest::newRow("the same host again") << Step::SameHost << false;
    QTest::newRow("connection dropped for a new host") << Step::Drop << true;
    QTest::newRow("connection lost") << Step::LostConnection << true;
    // A session after it is another one: what the first stamped stays refused.
    QTest::newRow("log-out and in again") << Step::NewLogIn << true;
}

void TestAdminSession::endedBy()
{
    QFETCH(Step, step);
    QFETCH(bool, ends);

    Linked l;
    QVERIFY(l.start());
    AdminSession* session = l.controller.session();
    const AdminSession::Stamp stamp = session->stamp();
    QVERIFY(session->isCurrent(stamp));
    QSignalSpy ended(session, &AdminSession::ended);
    l.rig.server.clearRequests();

    switch (step) {
    case Step::LogOut:
        l.controller.setPassword(QString());
        break;
    case Step::AnotherHost:
        l.controller.setHost(QStringLiteral("127.0.0.2"));
        break;
    case Step::SameHost:
        l.controller.setHost(QStringLiteral("127.0.0.1"));
        break;
    case Step::Drop:
        l.controller.disconnectFromService();
        break;
    case Step::LostConnection:
        l.rig.server.stop();
        QTRY_VERIFY(!l.controller.isPolling());
        break;
    case Step::NewLogIn:
        l.controller.setPassword(QString());
        l.rig.logIn(l.controller);
        break;
    }
    QCOMPARE(session->isCurrent(stamp), !ends);
    QCOMPARE(ended.count(), ends ? 1 : 0);
    if (ends && step != Step::NewLogIn)
        QCOMPARE(l.controller.password(), QString());
    QCOMPARE(session->changeDigest(stamp, QStringLiteral("abc")), !ends);

    bool ran = false;
    const bool sent = l.controller.sendAsAdministrator(stamp, [&] {
        ran = true;
        l.controller.removeUps(QStringLiteral("6"));
    });
    QCOMPARE(sent, !ends);
    QCOMPARE(ran, !ends);
    if (step == Step::Drop || step == Step::LostConnection)
        return; // nothing to ask the service about until it is back
    if (step == Step::AnotherHost)
        l.controller.setHost(QStringLiteral("127.0.0.1"));
    QCOMPARE(l.names().contains(QStringLiteral("remove_ups")), !ends);
}

// The session ends while one administrator step is being sent (a reply handled
// in between, a nested event loop): what is left of it is refused.
void TestAdminSession::endsBetweenTwoRequests()
{
    Linked l;
    QVERIFY(l.start());
    l.rig.server.clearRequests();
    const bool sent = l.controller.sendAsAdministrator(l.controller.session()->stamp(), [&] {
        l.controller.removeUps(QStringLiteral("6"));
        l.controller.setPassword(QString());
        l.controller.getAvailablePorts();
    });
    QVERIFY(!sent);
    const QStringList names = l.names();
    QVERIFY(names.contains(QStringLiteral("remove_ups")));
    QVERIFY(!names.contains(QStringLiteral("get_available_ports")));
    // Outside it, the link sends as before.
    l.controller.getAvailablePorts();
    QTRY_VERIFY(l.rig.server.requestNames().contains(QStringLiteral("get_available_ports")));
}

LX_TEST_GUILESS_MAIN(TestAdminSession)
#include "tst_adminsession.moc"
