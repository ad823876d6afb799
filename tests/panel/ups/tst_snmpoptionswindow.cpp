#include "panel/ups/snmpoptionswindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestSnmpOptionsWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void form();
    void version_data();
    void version();
    void hiddenSerialNumberComesBack();
    void addressCheck_data();
    void addressCheck();
};

void TestSnmpOptionsWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
}

void TestSnmpOptionsWindow::form()
{
    SnmpOptionsWindow dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Konfiguracja SNMP"));
    // The form's size at least, more where the font in use needs it.
    QCOMPARE(dialog.size().expandedTo(QSize(381, 281)), dialog.size());
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    auto* version = dialog.findChild<QComboBox*>(QStringLiteral("snmpVerComboBox"));
    QCOMPARE(version->count(), 2);
    QCOMPARE(version->itemText(0), QStringLiteral("v1"));
    QCOMPARE(version->itemText(1), QStringLiteral("v2c"));
    QCOMPARE(dialog.snmpVersion(), QStringLiteral("v1"));
    // The communities are shown as typed, without limits.
    for (const char* name : {"agentIpEdit", "readCommunityEdit", "writeCommunityEdit", "serialNoEdit"}) {
        auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(name));
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        QCOMPARE(edit->maxLength(), 32767);
        QVERIFY(edit->inputMask().isEmpty());
    }
}

void TestSnmpOptionsWindow::version_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<bool>("selectable");
    QTest::addColumn<QString>("shown");

    QTest::newRow("v2c where it can be chosen") << "v2c" << true << "v2c";
    QTest::newRow("v2c held at v1") << "v2c" << false << "v1";
    QTest::newRow("empty") << "" << true << "v1";
    QTest::newRow("unknown text") << "v3" << true << "v1";
    QTest::newRow("other case is another text") << "V2C" << true << "v1";
}

void TestSnmpOptionsWindow::version()
{
    QFETCH(QString, given);
    QFETCH(bool, selectable);
    QFETCH(QString, shown);

    SnmpOptionsWindow dialog;
    dialog.setSnmpVersion(given, selectable);
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("snmpVerComboBox"))->isEnabled(), selectable);
    QCOMPARE(dialog.snmpVersion(), shown);
}

void TestSnmpOptionsWindow::hiddenSerialNumberComesBack()
{
    SnmpOptionsWindow dialog;
    dialog.setSerialNumber(QStringLiteral("GS-7"), false);
    dialog.show();
    QVERIFY(!dialog.findChild<QLineEdit*>(QStringLiteral("serialNoEdit"))->isVisible());
    QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("serialNoLabel"))->isVisible());
    QCOMPARE(dialog.serialNumber(), QStringLiteral("GS-7"));
    dialog.setSerialNumber(QStringLiteral("GS-8"), true);
    QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("serialNoEdit"))->isVisible());
    QCOMPARE(dialog.serialNumber(), QStringLiteral("GS-8"));
}

void TestSnmpOptionsWindow::addressCheck_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("dotted quad") << "192.168.1.20" << true;
    QTest::newRow("no range test") << "999.0.0.1" << true;
    QTest::newRow("three groups") << "192.168.1" << false;
    QTest::newRow("five groups") << "1.2.3.4.5" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("host name") << "ups.example.org" << false;
    QTest::newRow("blank around") << " 10.0.0.1" << false;
    QTest::newRow("four digits") << "1000.0.0.1" << false;
}

void TestSnmpOptionsWindow::addressCheck()
{
    QFETCH(QString, address);
    QFETCH(bool, accepted);

    LxTest::ModalWatchdog watchdog;
    SnmpOptionsWindow dialog;
    dialog.setAgentIp(address);
    dialog.setReadCommunity(QStringLiteral("public"));
    dialog.setWriteCommunity(QStringLiteral("private"));
    dialog.show();
    QSharedPointer<LxTest::SeenBox> warning;
    if (!accepted)
        warning = LxTest::answerNextMessageBox(QMessageBox::Ok);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    if (accepted) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.agentIp(), address);
        return;
    }
    QVERIFY(warning->seen);
    QCOMPARE(warning->windowTitle, QStringLiteral("Uwaga"));
    QCOMPARE(warning->text, QStringLiteral("Wprowadzono nieprawidłowy adres IP"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.agentIp(), address);
    QCOMPARE(dialog.readCommunity(), QStringLiteral("public"));
    QCOMPARE(dialog.writeCommunity(), QStringLiteral("private"));
}

LX_TEST_MAIN(TestSnmpOptionsWindow)
#include "tst_snmpoptionswindow.moc"
