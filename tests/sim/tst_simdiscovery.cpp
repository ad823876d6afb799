#include "link/upssocketcontroller.h"
#include "tests/support/lxtestcore.h"
#include "tests/support/servicerig.h"
#include "tools/sim/simdiscovery.h"

#include <QSignalSpy>
#include <QUdpSocket>

// The stand-in's networked computers answer the panel's discovery datagram,
// and the service reports each to its clients.
class TestSimDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void answersTheDatagramOnly_data();
    void answersTheDatagramOnly();
};

void TestSimDiscovery::answersTheDatagramOnly_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QStringList>("reported");
    QTest::newRow("discovery") << QByteArray("5") << QStringList{"10.0.0.7", "10.0.0.8"};
    QTest::newRow("anything else") << QByteArray("6") << QStringList{};
}

void TestSimDiscovery::answersTheDatagramOnly()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QStringList, reported);
    ServiceRig rig;
    Luminorix::UpsSocketController controller;
    QVERIFY(rig.listen());
    QVERIFY(rig.connect(controller));
    LxSim::SimDiscovery discovery(rig.server, {QStringLiteral("10.0.0.7"), QStringLiteral("10.0.0.8")});
    QVERIFY(discovery.listen(QHostAddress(QHostAddress::LocalHost), 0));
    QSignalSpy found(&controller, &Luminorix::UpsSocketController::discoveredComputer);

    QUdpSocket panel;
    panel.writeDatagram(datagram, QHostAddress(QHostAddress::LocalHost), discovery.port());
    // A marker after it: once the marker is in, the datagram's answers would be too.
    panel.writeDatagram("5", QHostAddress(QHostAddress::LocalHost), discovery.port());
    QTRY_COMPARE(found.count(), reported.size() + 2);
    QStringList seen;
    for (int i = 0; i < reported.size(); ++i)
        seen << found.at(i).first().toString();
    QCOMPARE(seen, reported);
}

LX_TEST_GUILESS_MAIN(TestSimDiscovery)
#include "tst_simdiscovery.moc"
