#include "common/helpers.h"
#include "link/requestserializers.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "panel/events/computerconfigurationwindow.h"
#include "panel/events/discoverwindow.h"
#include "panel/events/networkconfigurationwindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"
#include "tools/sim/replybuilder.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QTreeWidget>
#include <QUdpSocket>

using LxTest::ShownBox;
using LxTest::takeMessageBoxes;

namespace {
QNetworkAddressEntry entry(const char* ip, const char* broadcast = nullptr)
{
    QNetworkAddressEntry e;
    e.setIp(QHostAddress(QLatin1String(ip)));
    if (broadcast)
        e.setBroadcast(QHostAddress(QLatin1String(broadcast)));
    return e;
}

const QNetworkInterface::InterfaceFlags lan =
    QNetworkInterface::IsUp | QNetworkInterface::IsRunning | QNetworkInterface::CanBroadcast;

// Loopback has no broadcast address, so the "networks" here broadcast to
// 127.0.0.1, where the test listens: two entries of one network that may send,
// and a loopback and a down interface that must not.
QList<DiscoveryInterface> testInterfaces()
{
    return {{lan, {entry("192.0.2.10", "127.0.0.1"), entry("192.0.2.11", "127.0.0.1"), entry("fe80::10")}},
            {lan | QNetworkInterface::IsLoopBack, {entry("127.0.0.1", "127.0.0.1")}},
            {QNetworkInterface::CanBroadcast, {entry("198.51.100.7", "127.0.0.1")}}};
}

Computer computer(const QString& name, const QString& address, int id)
{
    Computer c;
    c.computer_name = name;
    c.computer_address = address;
    c.computer_configId = id;
    return c;
}

QVector<Computer> configured()
{
    return {computer(QStringLiteral("Biuro"), QStringLiteral("192.168.1.20"), 0),
            computer(QStringLiteral("Magazyn"), QStringLiteral("192.168.1.10:3052"), 1),
            computer(QStringLiteral("Serwer"), QStringLiteral("127.0.0.1"), 2)};
}

QStringList rows(const QTreeWidget* tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = tree->topLevelItem(i);
        texts << row->text(0) + QStringLiteral(" | ") + row->text(1) +
                     ((row->flags() & Qt::ItemIsEnabled) ? QString() : QStringLiteral(" (grey)"));
    }
    return texts;
}

// A UDP listener on loopback, standing in for the networked computers.
struct Listener
{
    QUdpSocket socket;
    bool bind() { return socket.bind(QHostAddress(QHostAddress::LocalHost), 0); }
    QList<QByteArray> received()
    {
        QList<QByteArray> datagrams;
        while (socket.hasPendingDatagrams())
            datagrams.append(socket.receiveDatagram().data());
        return datagrams;
    }
};
} // namespace

class TestDiscoverWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { watchdog = new LxTest::ModalWatchdog(30000); }
    void cleanup()
    {
        LxTest::closeAllMessageBoxes();
        delete watchdog;
    }
    void datagramAndRows();
    void takeOver_data();
    void takeOver();

private:
    LxTest::ModalWatchdog* watchdog = nullptr;
};

void TestDiscoverWindow::datagramAndRows()
{
    Listener listener;
    QVERIFY(listener.bind());
    DiscoverWindow dialog;
    dialog.setDiscoveryTargets(testInterfaces(), listener.socket.localPort());
    dialog.fillConfiguredComputers(configured());

    QList<QByteArray> datagrams;
    QStringList before, after;
    bool addEnabledWithoutRow = true, addEnabledWithRow = false;
    LxTest::answerNextDialog([&](QWidget*) {
        // Sent before the dialog runs: one datagram per suitable entry, the byte "5".
        QTRY_VERIFY(listener.socket.hasPendingDatagrams());
        QTest::qWait(0);
        datagrams = listener.received();
        auto* managed = dialog.findChild<QTreeWidget*>(QStringLiteral("managedTree"));
        auto* unmanaged = dialog.findChild<QTreeWidget*>(QStringLiteral("unmanagedTree"));
        before = rows(managed);
        addEnabledWithoutRow = dialog.findChild<QPushButton*>(QStringLiteral("addButton"))->isEnabled();
        for (const char* ip : {"192.168.1.10", "10.0.0.7", "10.0.0.7", "192.0.2.11", "fe80::10", "127.0.0.1"})
            dialog.addDiscoveredComputer(QLatin1String(ip));
        after = rows(managed) + QStringList{QStringLiteral("--")} + rows(unmanaged);
        unmanaged->setCurrentItem(unmanaged->topLevelItem(0));
        addEnabledWithRow = dialog.findChild<QPushButton*>(QStringLiteral("addButton"))->isEnabled();
        dialog.reject();
    });
    dialog.exec();

    QCOMPARE(datagrams, (QList<QByteArray>{"5", "5"}));
    QCOMPARE(before, (QStringList{"Biuro | 192.168.1.20 (grey)", "Magazyn | 192.168.1.10 (grey)",
                                  "Serwer | localhost"}));
    // A configured computer is only ungreyed (matched without its port); the
    // same address twice gives one row; this machine's own addresses none.
    QCOMPARE(after, (QStringList{"Biuro | 192.168.1.20 (grey)", "Magazyn | 192.168.1.10",
                                 "Serwer | localhost", "--", "10.0.0.7 | 10.0.0.7"}));
    QVERIFY(!addEnabledWithoutRow);
    QVERIFY(addEnabledWithRow);
}

void TestDiscoverWindow::takeOver_data()
{
    QTest::addColumn<bool>("rightPassword");
    QTest::newRow("password matches") << true;
    QTest::newRow("wrong password") << false;
}

void TestDiscoverWindow::takeOver()
{
    QFETCH(bool, rightPassword);
    ServiceRig rig;
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    Listener listener;
    QVERIFY(listener.bind());
    rig.world.setComputersPayload(QString::fromUtf8(Luminorix::serializeComputers(configured())));
    rig.world.setNetclientPassword(QStringLiteral("10.0.0.7"), QStringLiteral("tajne"));
    QVERIFY(rig.listen());
    QVERIFY(rig.connect(controller));
    // The window's part: it forwards every discovered address through its relay.
    QObject::connect(&controller, &Luminorix::UpsSocketController::discoveredComputer, &relay,
                     &DialogRelay::computerDiscovered);

    Luminorix::Utils::Ups ups;
    ups.id = QStringLiteral("1");
    ups.model_name = QStringLiteral("KitePro_USB");
    NetworkConfigurationWindow network(ups);
    rig.logIn(controller);
    connectToService(&network, &controller, relay);
    network.setDiscoveryTargets(testInterfaces(), listener.socket.localPort());
    network.requestNetworkConfiguration(ups.id);
    network.show();
    QTRY_VERIFY(network.findChild<QPushButton*>(QStringLiteral("discoverButton"))->isEnabled());

    QStringList managedAfter, unmanagedAfter;
    QList<ShownBox> boxes;
    LxTest::answerNextDialog([&](QWidget* widget) {
        auto* discovery = qobject_cast<DiscoverWindow*>(widget);
        QVERIFY(discovery);
        // Texts that are no address give no row that could be taken over.
        for (const char* text : {"", "  ", "nie-adres", "10.0.0.7"})
            rig.server.push(LxSim::ReplyBuilder::discovered(QLatin1String(text)));
        auto* unmanaged = discovery->findChild<QTreeWidget*>(QStringLiteral("unmanagedTree"));
        QTRY_COMPARE(rows(unmanaged), QStringList{"10.0.0.7 | 10.0.0.7"});
        unmanaged->setCurrentItem(unmanaged->topLevelItem(0));

        LxTest::answerNextDialog([&](QWidget* inner) {
            auto* computerDialog = qobject_cast<ComputerConfigurationWindow*>(inner);
            QVERIFY(computerDialog);
            // The address found is fixed, and no group is offered.
            QVERIFY(
                !computerDialog->findChild<QLineEdit*>(QStringLiteral("computerAddressEdit"))->isEnabled());
            QCOMPARE(computerDialog->computerAddress(), QStringLiteral("10.0.0.7"));
            QCOMPARE(computerDialog->groupName(), QString());
            computerDialog->findChild<QLineEdit*>(QStringLiteral("computerNameEdit"))
                ->setText(QStringLiteral("Nowy"));
            computerDialog->findChild<QLineEdit*>(QStringLiteral("passwordEdit"))
                ->setText(rightPassword ? QStringLiteral("tajne") : QStringLiteral("zle"));
            computerDialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            if (rightPassword) {
                QTRY_VERIFY(!computerDialog->isVisible());
                return;
            }
            QTRY_COMPARE(LxTest::visibleMessageBoxes().size(), 1);
            boxes = takeMessageBoxes();
            QVERIFY(computerDialog->isVisible());
            computerDialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        });
        discovery->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
        managedAfter = rows(discovery->findChild<QTreeWidget*>(QStringLiteral("managedTree")));
        unmanagedAfter = rows(unmanaged);
        discovery->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    network.findChild<QPushButton*>(QStringLiteral("discoverButton"))->click();

    QStringList available;
    QTreeWidgetItem* header =
        network.findChild<QTreeWidget*>(QStringLiteral("availableComputers"))->topLevelItem(0);
    for (int i = 0; i < header->childCount(); ++i)
        available << header->child(i)->text(0) + QStringLiteral(" | ") + header->child(i)->text(1);

    if (!rightPassword) {
        QCOMPARE(boxes,
                 (QList<ShownBox>{{QStringLiteral("Nieprawidłowe hasło"),
                                   QStringLiteral("Podane hasło Administratora jest nieprawidłowe")}}));
        QCOMPARE(unmanagedAfter, QStringList{"10.0.0.7 | 10.0.0.7"});
        QCOMPARE(available.size(), 3);
        return;
    }
    QCOMPARE(unmanagedAfter, QStringList{});
    QCOMPARE(managedAfter.last(), QStringLiteral("Nowy | 10.0.0.7"));
    QCOMPARE(available.last(), QStringLiteral("Nowy | 10.0.0.7"));
    // Numbered on the way in, in no group.
    network.accept();
    QTRY_VERIFY(
        !rig.world.computersPayload().isEmpty() &&
        rig.world.computersPayload().endsWith(QStringLiteral(
            "<computer><computer_name>Nowy</computer_name><computer_address>10.0.0.7</computer_address>"
            "<computer_password>tajne</computer_password><computer_configId>3</computer_configId>"
            "</computer>")));
}

LX_TEST_MAIN(TestDiscoverWindow)
#include "tst_discoverwindow.moc"
