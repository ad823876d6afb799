#include "common/localsettings.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "panel/connectwithservicewindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tools/sim/simserver.h"
#include "tools/sim/simworld.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {
QString storedHost()
{
    return LocalSettings().serverAddress();
}

struct HostDialog
{
    DialogRelay relay;
    ConnectWithServiceWindow dialog;

    explicit HostDialog(Luminorix::UpsSocketController* controller)
    {
        connectToService(&dialog, controller, relay);
        dialog.show();
    }
    void type(const QString& text) { dialog.findChild<QLineEdit*>(QStringLiteral("ipEdit"))->setText(text); }
    void press(QDialogButtonBox::StandardButton which)
    {
        dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which)->click();
    }
};

// A stand-in service with its world, on `address` and `port` (0: any free one).
struct Service
{
    LxSim::SimServer server;
    LxSim::SimWorld world;
    QSignalSpy connects{&server, &LxSim::SimServer::clientConnected};
    QSignalSpy disconnects{&server, &LxSim::SimServer::clientDisconnected};

    bool listen(const QHostAddress& address, quint16 port)
    {
        world.install(server.responder());
        return server.listen(address, port);
    }

    // Points the controller at this service on 127.0.0.1 and lets it connect.
    void attach(Luminorix::UpsSocketController& controller)
    {
        controller.setHost(QStringLiteral("127.0.0.1"));
        controller.setPort(server.port());
        controller.startReconnecting();
    }
};
} // namespace

class TestConnectWithServiceWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void form();
    void blankRefused_data();
    void blankRefused();
    void storedAsTyped_data();
    void storedAsTyped();
    void movesToNewHost();
    void sameHostReconnects();
    void cancelChangesNothing();
};

void TestConnectWithServiceWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
}

void TestConnectWithServiceWindow::form()
{
    HostDialog d(nullptr);
    QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Łączenie"));
    QCOMPARE(d.dialog.size(), QSize(391, 173));
    QCOMPARE(d.dialog.minimumSize(), d.dialog.maximumSize());
    // Not filled in with the current host.
    QVERIFY(d.dialog.findChild<QLineEdit*>(QStringLiteral("ipEdit"))->text().isEmpty());
}

void TestConnectWithServiceWindow::blankRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("tab and line feed") << "\t\n";
}

void TestConnectWithServiceWindow::blankRefused()
{
    QFETCH(QString, typed);
    Luminorix::UpsSocketController controller;
    controller.setHost(QStringLiteral("10.0.0.1"));
    const QString before = storedHost();

    HostDialog d(&controller);
    d.type(typed);
    d.press(QDialogButtonBox::Ok);
    const QList<QMessageBox*> boxes = LxTest::visibleMessageBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0)->windowTitle(), QStringLiteral("Uwaga"));
    QCOMPARE(boxes.at(0)->text(), QStringLiteral("Należy podać adres IP lub nazwę domenową komputera"));
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(storedHost(), before);
    QCOMPARE(controller.host(), QStringLiteral("10.0.0.1"));
    QVERIFY(!controller.isReconnecting());
}

void TestConnectWithServiceWindow::storedAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("name") << "ups-serwer.lan";
    QTest::newRow("leading blank kept") << " 192.168.1.5";
    QTest::newRow("anything non-blank") << "x";
}

void TestConnectWithServiceWindow::storedAsTyped()
{
    QFETCH(QString, typed);
    Luminorix::UpsSocketController controller;
    controller.setPort(1); // nothing listens there; only the attempt matters
    HostDialog d(&controller);
    d.type(typed);
    d.press(QDialogButtonBox::Ok);
    QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedHost(), typed);
    QCOMPARE(controller.host(), typed);
    QVERIFY(controller.isReconnecting());
}

void TestConnectWithServiceWindow::movesToNewHost()
{
    Service first;
    QVERIFY2(first.listen(QHostAddress::LocalHost, 0), qPrintable(first.server.errorString()));
    Service second;
    if (!second.listen(QHostAddress(QStringLiteral("127.0.0.2")), first.server.port()))
        QSKIP("127.0.0.2 is not usable here");

    Luminorix::UpsSocketController controller;
    first.attach(controller);
    QTRY_COMPARE(first.connects.count(), 1);

    HostDialog d(&controller);
    d.type(QStringLiteral("127.0.0.2"));
    d.press(QDialogButtonBox::Ok);
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedHost(), QStringLiteral("127.0.0.2"));
    QCOMPARE(controller.host(), QStringLiteral("127.0.0.2"));
    QTRY_COMPARE(first.disconnects.count(), 1);
    QTRY_COMPARE(second.connects.count(), 1);
    QCOMPARE(first.connects.count(), 1);
    controller.disconnectFromService();
}

void TestConnectWithServiceWindow::sameHostReconnects()
{
    Service service;
    QVERIFY(service.listen(QHostAddress::LocalHost, 0));
    Luminorix::UpsSocketController controller;
    service.attach(controller);
    QTRY_COMPARE(service.connects.count(), 1);

    HostDialog d(&controller);
    d.type(QStringLiteral("127.0.0.1"));
    d.press(QDialogButtonBox::Ok);
    QTRY_COMPARE(service.disconnects.count(), 1);
    QTRY_COMPARE(service.connects.count(), 2);
    controller.disconnectFromService();
}

void TestConnectWithServiceWindow::cancelChangesNothing()
{
    Service service;
    QVERIFY(service.listen(QHostAddress::LocalHost, 0));
    Luminorix::UpsSocketController controller;
    service.attach(controller);
    QTRY_COMPARE(service.connects.count(), 1);
    const QString before = storedHost();

    HostDialog d(&controller);
    d.type(QStringLiteral("10.1.1.1"));
    d.press(QDialogButtonBox::Cancel);
    QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
    QTest::qWait(50);
    QCOMPARE(storedHost(), before);
    QCOMPARE(controller.host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(service.disconnects.count(), 0);
    controller.disconnectFromService();
}

LX_TEST_MAIN(TestConnectWithServiceWindow)
#include "tst_connectwithservicewindow.moc"
