#include "common/helpers.h"
#include "common/localsettings.h"
#include "link/upssocketcontroller.h"
#include "panel/applicationconfigurationwindow.h"
#include "panel/base/dialogrelay.h"
#include "panel/smtptestwindow.h"
#include "panel/ups/addupswindow.h"
#include "panel/ups/addvirtualupswindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"
#include "tools/sim/replybuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTreeWidget>

using Luminorix::Utils::ApplicationConfiguration;
using Luminorix::Utils::Ups;

namespace {
const QString red = QStringLiteral("background-color: red;");

ApplicationConfiguration someConfiguration()
{
    ApplicationConfiguration c;
    c.smtp.security_type = QStringLiteral("tls");
    c.smtp.server = QStringLiteral("smtp.firma.example.com");
    c.smtp.port = 587;
    c.smtp.timeout = 30;
    c.smtp.sender_address = QStringLiteral("alarm@firma.example.com");
    c.smtp.authentication = true;
    c.smtp.user = QStringLiteral("alarm");
    c.smtp.pass = QStringLiteral("tajne");
    c.log_files_path = QStringLiteral("/var/log/lx");
    c.run_on_boot = true;
    return c;
}

// The dialog wired to a controller the way the main window opens it.
struct Settings
{
    QList<Luminorix::Utils::SerialPort> ports;
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    ApplicationConfigurationWindow dialog;
    QStringList sent;

    // `members` of the virtual UPSes and `all` devices, as the window hands them over.
    explicit Settings(const QList<Luminorix::Utils::Ups>& members = {},
                      const QList<Luminorix::Utils::Ups>& all = {})
        : dialog(&ports, members, all)
    {
        controller.setSendObserver([this](const QByteArray& text) { sent.append(QString::fromUtf8(text)); });
        // Opened by a logged-in administrator.
        controller.setPassword(hashPassword(QStringLiteral("Quillmarberon")));
        connectToService(&dialog, &controller, relay);
        dialog.requestApplicationConfiguration();
        // The main window's part: it passes each test report on through its relay.
        QObject::connect(&controller, &Luminorix::UpsSocketController::smpt2TestStatus, &relay,
                         &DialogRelay::smtpTestStatus);
        dialog.show();
    }
    template <class W> W* w(const char* name) const { return dialog.findChild<W*>(QLatin1String(name)); }
    QLineEdit* edit(const char* name) const { return w<QLineEdit>(name); }
    QPushButton* button(QDialogButtonBox::StandardButton which) const
    {
        return w<QDialogButtonBox>("buttonBox")->button(which);
    }
    void receive(const ApplicationConfiguration& c) { emit controller.appConfifuratioReceived(c); }
    QStringList requests(const QString& name) const
    {
        QStringList found;
        for (const QString& text : sent) {
            if (text.startsWith(QLatin1Char('<') + name + QLatin1Char('>')))
                found.append(text);
        }
        return found;
    }
    // The buttons that follow the service: OK, directory, test.
    QList<bool> serviceButtons() const
    {
        return {button(QDialogButtonBox::Ok)->isEnabled(), w<QPushButton>("openDirButton")->isEnabled(),
                w<QPushButton>("testSmtpButton")->isEnabled()};
    }
    void fill(const QString& server, const QString& port, const QString& sender, const QString& timeout)
    {
        edit("serverEdit")->setText(server);
        edit("portEdit")->setText(port);
        edit("senderAddressEdit")->setText(sender);
        edit("timeoutEdit")->setText(timeout);
    }
    QString redMask() const
    {
        QString mask;
        for (const char* name : {"serverEdit", "portEdit", "senderAddressEdit", "timeoutEdit"}) {
            const QString style = edit(name)->styleSheet();
            if (style != red && !style.isEmpty())
                return QStringLiteral("unexpected style ") + style;
            mask += style == red ? QLatin1Char('1') : QLatin1Char('0');
        }
        return mask;
    }
};

QString programPathElement()
{
    return QStringLiteral("<orvendesk_path>") +
           escapeXml(QDir::toNativeSeparators(QCoreApplication::applicationFilePath())) +
           QStringLiteral("</orvendesk_path>");
}

// The stand-in service and a controller connected to it.
struct Linked
{
    ServiceRig rig;
    Settings settings;

    bool start() { return rig.listen() && rig.connect(settings.controller); }
};
} // namespace

class TestApplicationConfigurationWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void form();
    void inertUntilConfiguration();
    void okFoundByRole();
    void roundTrip();
    void validation_data();
    void validation();
    void redClearsWhenCorrected();
    void typing();
    void securityFromService_data();
    void securityFromService();
    void securityToService_data();
    void securityToService();
    void authenticationOffStillSent();
    void cancelKeepsEverything();
    void smtpTest_data();
    void smtpTest();
    void addUpsShortcuts_data();
    void addUpsShortcuts();
};

void TestApplicationConfigurationWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
}

void TestApplicationConfigurationWindow::form()
{
    Settings s;
    QCOMPARE(s.dialog.windowTitle(), QStringLiteral("Konfiguracja aplikacji"));
    QCOMPARE(s.dialog.size(), QSize(468, 610));
    QCOMPARE(s.dialog.minimumSize(), s.dialog.maximumSize());
    QCOMPARE(s.requests(QStringLiteral("get_application_configuration")).size(), 1);
    auto* combo = s.w<QComboBox>("securityTypeCombo");
    QCOMPARE(combo->count(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(combo->itemData(i, Qt::UserRole).toInt(), i);
    QCOMPARE(combo->itemText(0), QStringLiteral("Brak"));
    QCOMPARE(s.edit("passwordEdit")->echoMode(), QLineEdit::Password);
    QVERIFY(!s.edit("logDirPathEdit")->isEnabled());
    // Authentication starts off, and with it the user name and password.
    QVERIFY(!s.w<QCheckBox>("authenticationBox")->isChecked());
    QVERIFY(!s.edit("userEdit")->isEnabled());
    QVERIFY(!s.edit("passwordEdit")->isEnabled());
    s.w<QCheckBox>("authenticationBox")->setChecked(true);
    QVERIFY(s.edit("userEdit")->isEnabled());
    QVERIFY(s.edit("passwordEdit")->isEnabled());
}

void TestApplicationConfigurationWindow::inertUntilConfiguration()
{
    Settings s;
    const QList<bool> off = {false, false, false};
    const QList<bool> on = {true, true, true};
    QCOMPARE(s.serviceButtons(), off);
    QVERIFY(s.button(QDialogButtonBox::Cancel)->isEnabled());
    // A ready report before the configuration must not arm OK: it would send a blank form.
    s.dialog.setEnabledButtons(true);
    QCOMPARE(s.serviceButtons(), off);
    QTest::keyClick(&s.dialog, Qt::Key_Return);
    QVERIFY(s.dialog.isVisible());
    QVERIFY(s.requests(QStringLiteral("application_configuration")).isEmpty());

    s.receive(someConfiguration());
    QCOMPARE(s.serviceButtons(), on);
    QCOMPARE(s.edit("serverEdit")->text(), QStringLiteral("smtp.firma.example.com"));
    QCOMPARE(s.edit("logDirPathEdit")->text(), QStringLiteral("/var/log/lx"));
    QVERIFY(s.w<QCheckBox>("runOnBootBox")->isChecked());
    QVERIFY(s.w<QCheckBox>("checkUpdatesBox")->isChecked());
    QVERIFY(s.w<QPushButton>("addUpsButton")->isEnabled());
    QVERIFY(s.w<QPushButton>("addVirtualUpsButton")->isEnabled());

    // Busy, ready, logged out.
    s.dialog.setEnabledButtons(false);
    QCOMPARE(s.serviceButtons(), off);
    QVERIFY(s.button(QDialogButtonBox::Cancel)->isEnabled());
    s.dialog.setEnabledButtons(true);
    QCOMPARE(s.serviceButtons(), on);

    // A second reply overwrites what was typed.
    s.edit("serverEdit")->setText(QStringLiteral("inny"));
    s.receive(someConfiguration());
    QCOMPARE(s.edit("serverEdit")->text(), QStringLiteral("smtp.firma.example.com"));
}

void TestApplicationConfigurationWindow::okFoundByRole()
{
    Settings s;
    s.receive(someConfiguration());
    // Under a translated label OK must still follow the service's state.
    s.button(QDialogButtonBox::Ok)->setText(QStringLiteral("Zatwierdź"));
    s.dialog.setEnabledButtons(false);
    QVERIFY(!s.button(QDialogButtonBox::Ok)->isEnabled());
}

void TestApplicationConfigurationWindow::roundTrip()
{
    Linked l;
    l.rig.server.responder().scriptOnce(
        QStringLiteral("get_application_configuration"),
        {LxSim::ReplyBuilder::flat(QStringLiteral("application_configuration"),
                                   {{"smtp2_security_type", "SSL"},
                                    {"smtp2_server", "smtp.poczta.example.com"},
                                    {"smtp2_port", "465"},
                                    {"smtp2_timeout", "45"},
                                    {"smtp2_sender_address", "alarmy@firma.example.com"},
                                    {"smtp2_authentication", "0"},
                                    {"smtp2_user", "alarmy"},
                                    {"smtp2_pass", "p&ss<word>"},
                                    {"log_files_path", "/var/log/lx & <raporty>"},
                                    {"run_on_boot", "1"}})});
    QVERIFY(l.start());
    Settings& s = l.settings;
    s.dialog.requestApplicationConfiguration();
    QTRY_VERIFY(s.button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(s.w<QComboBox>("securityTypeCombo")->currentText(), QStringLiteral("SSL"));
    QCOMPARE(s.edit("passwordEdit")->text(), QStringLiteral("p&ss<word>"));
    QCOMPARE(s.edit("logDirPathEdit")->text(), QStringLiteral("/var/log/lx & <raporty>"));

    s.w<QCheckBox>("runOnBootBox")->setChecked(false);
    s.w<QCheckBox>("checkUpdatesBox")->setChecked(false);
    s.button(QDialogButtonBox::Ok)->click();
    QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
    QTRY_COMPARE(l.rig.requests(QStringLiteral("application_configuration")).size(), 1);
    QCOMPARE(l.rig.requests(QStringLiteral("application_configuration")).at(0).payload(),
             QStringLiteral("<smtp2_security_type>ssl</smtp2_security_type>"
                            "<smtp2_server>smtp.poczta.example.com</smtp2_server>"
                            "<smtp2_port>465</smtp2_port><smtp2_timeout>45</smtp2_timeout>"
                            "<smtp2_sender_address>alarmy@firma.example.com</smtp2_sender_address>"
                            "<smtp2_authentication>0</smtp2_authentication><smtp2_user>alarmy</smtp2_user>"
                            "<smtp2_pass>p&amp;ss&lt;word&gt;</smtp2_pass>"
                            "<log_files_path>/var/log/lx &amp; &lt;raporty&gt;</log_files_path>"
                            "<run_on_boot>0</run_on_boot>") +
                 programPathElement());
    QVERIFY(!LocalSettings().checkUpdates());
    s.controller.disconnectFromService();
}

void TestApplicationConfigurationWindow::validation_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("timeout");
    QTest::addColumn<bool>("testButton");
    QTest::addColumn<QString>("redMask");

    const QString host = QStringLiteral("smtp.example.com");
    const QString mail = QStringLiteral("alarm@firma.example.com");
    QTest::newRow("OK, all four empty") << ""
                                        << ""
                                        << ""
                                        << "" << false << "0000";
    QTest::newRow("test, all four empty") << ""
                                          << ""
                                          << ""
                                          << "" << true << "1111";
    QTest::newRow("port 0, timeout 10") << host << "0" << mail << "10" << false << "0000";
    QTest::newRow("port 65535, timeout 120") << host << "65535" << mail << "120" << false << "0000";
    QTest::newRow("port empty") << host << "" << mail << "30" << false << "0100";
    QTest::newRow("timeout 5") << host << "25" << mail << "5" << false << "0001";
    QTest::newRow("test, timeout 5") << host << "25" << mail << "5" << true << "0001";
    QTest::newRow("server empty") << ""
                                  << "25" << mail << "30" << false << "1000";
    QTest::newRow("one-letter last label") << host << "25"
                                           << "a@b.c"
                                           << "30" << false << "0010";
    QTest::newRow("no dot after @") << host << "25"
                                    << "alarm@localhost"
                                    << "30" << false << "0010";
    QTest::newRow("dotted local part") << host << "25"
                                       << "jan.kowalski@firma.pl"
                                       << "30" << false << "0000";
    QTest::newRow("seven-letter last label") << host << "25"
                                             << "a@firma.example"
                                             << "30" << false << "0010";
    QTest::newRow("underscore in a label") << host << "25"
                                           << "a@ex_ample.com"
                                           << "30" << false << "0010";
}

void TestApplicationConfigurationWindow::validation()
{
    QFETCH(QString, server);
    QFETCH(QString, port);
    QFETCH(QString, sender);
    QFETCH(QString, timeout);
    QFETCH(bool, testButton);
    QFETCH(QString, redMask);

    Settings s;
    s.receive(someConfiguration());
    s.fill(server, port, sender, timeout);
    QSignalSpy testMails(&s.dialog, &ApplicationConfigurationWindow::SendTestMail);
    if (testButton)
        s.w<QPushButton>("testSmtpButton")->click();
    else
        s.button(QDialogButtonBox::Ok)->click();
    QCOMPARE(s.redMask(), redMask);
    // Red fields only, never a message box.
    QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
    QCOMPARE(testMails.count(), 0);

    const bool accepted = !testButton && redMask == QLatin1String("0000");
    QCOMPARE(s.dialog.isVisible(), !accepted);
    const QStringList stored = s.requests(QStringLiteral("application_configuration"));
    QCOMPARE(stored.size(), accepted ? 1 : 0);
    if (accepted && server.isEmpty()) {
        QVERIFY(stored.at(0).contains(QStringLiteral(
            "<smtp2_security_type>tls</smtp2_security_type><smtp2_server></smtp2_server><smtp2_port>0"
            "</smtp2_port><smtp2_timeout>0</smtp2_timeout><smtp2_sender_address></smtp2_sender_address>"
            "<smtp2_authentication>1</smtp2_authentication><smtp2_user>alarm</smtp2_user>"
            "<smtp2_pass>tajne</smtp2_pass>")));
    }
}

void TestApplicationConfigurationWindow::redClearsWhenCorrected()
{
    Settings s;
    s.receive(someConfiguration());
    s.fill(QString(), QStringLiteral("25"), QStringLiteral("zly adres"), QStringLiteral("30"));
    s.button(QDialogButtonBox::Ok)->click();
    QCOMPARE(s.redMask(), QStringLiteral("1010"));
    s.fill(QStringLiteral("smtp.example.com"), QStringLiteral("25"), QStringLiteral("a@firma.pl"),
           QStringLiteral("30"));
    s.button(QDialogButtonBox::Ok)->click();
    QCOMPARE(s.redMask(), QStringLiteral("0000"));
    QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
}

void TestApplicationConfigurationWindow::typing()
{
    Settings s;
    s.receive(someConfiguration());
    QLineEdit* port = s.edit("portEdit");
    port->clear();
    // A sixth digit cannot be typed; five digits over the range can, but do not pass.
    QTest::keyClicks(port, QStringLiteral("700000"));
    QCOMPARE(port->text(), QStringLiteral("70000"));
    QVERIFY(!port->hasAcceptableInput());
    s.button(QDialogButtonBox::Ok)->click();
    QCOMPARE(s.redMask(), QStringLiteral("0100"));
    QLineEdit* timeout = s.edit("timeoutEdit");
    timeout->clear();
    QTest::keyClicks(timeout, QStringLiteral("5"));
    QCOMPARE(timeout->text(), QStringLiteral("5"));
    QVERIFY(!timeout->hasAcceptableInput());
}

void TestApplicationConfigurationWindow::securityFromService_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("shown");
    QTest::newRow("none") << "none"
                          << "Brak";
    QTest::newRow("NONE") << "NONE"
                          << "Brak";
    QTest::newRow("ssl") << "ssl"
                         << "SSL";
    QTest::newRow("sSl") << "sSl"
                         << "SSL";
    QTest::newRow("tls") << "tls"
                         << "TLS";
    QTest::newRow("empty") << ""
                           << "TLS";
    QTest::newRow("unknown") << "starttls"
                             << "TLS";
}

void TestApplicationConfigurationWindow::securityFromService()
{
    QFETCH(QString, service);
    QFETCH(QString, shown);
    Settings s;
    s.w<QComboBox>("securityTypeCombo")->setCurrentIndex(0);
    ApplicationConfiguration c = someConfiguration();
    c.smtp.security_type = service;
    s.receive(c);
    QCOMPARE(s.w<QComboBox>("securityTypeCombo")->currentText(), shown);
}

void TestApplicationConfigurationWindow::securityToService_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sent");
    QTest::newRow("Brak") << 0 << "none";
    QTest::newRow("TLS") << 1 << "tls";
    QTest::newRow("SSL") << 2 << "ssl";
}

void TestApplicationConfigurationWindow::securityToService()
{
    QFETCH(int, index);
    QFETCH(QString, sent);
    Settings s;
    s.receive(someConfiguration());
    s.w<QComboBox>("securityTypeCombo")->setCurrentIndex(index);
    s.button(QDialogButtonBox::Ok)->click();
    const QStringList stored = s.requests(QStringLiteral("application_configuration"));
    QCOMPARE(stored.size(), 1);
    QVERIFY(stored.at(0).contains(QStringLiteral("<smtp2_security_type>%1</smtp2_security_type>").arg(sent)));
}

void TestApplicationConfigurationWindow::authenticationOffStillSent()
{
    Settings s;
    s.receive(someConfiguration());
    s.w<QCheckBox>("authenticationBox")->setChecked(false);
    QVERIFY(!s.edit("userEdit")->isEnabled());
    s.button(QDialogButtonBox::Ok)->click();
    const QStringList stored = s.requests(QStringLiteral("application_configuration"));
    QCOMPARE(stored.size(), 1);
    QVERIFY(stored.at(0).contains(
        QStringLiteral("<smtp2_authentication>0</smtp2_authentication>"
                       "<smtp2_user>alarm</smtp2_user><smtp2_pass>tajne</smtp2_pass>")));
}

void TestApplicationConfigurationWindow::cancelKeepsEverything()
{
    LocalSettings().setCheckUpdates(true);
    Settings s;
    s.receive(someConfiguration());
    s.w<QCheckBox>("checkUpdatesBox")->setChecked(false);
    QTest::keyClick(&s.dialog, Qt::Key_Escape);
    QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
    QVERIFY(s.requests(QStringLiteral("application_configuration")).isEmpty());
    QVERIFY(LocalSettings().checkUpdates());
}

void TestApplicationConfigurationWindow::smtpTest_data()
{
    QTest::addColumn<QList<QByteArray>>("replies");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("messages");

    const QByteArray testing =
        LxSim::ReplyBuilder::smtpTestStatus(1, {QStringLiteral("Łączenie z smtp.example.org")});
    QTest::newRow("success") << QList<QByteArray>{testing, LxSim::ReplyBuilder::smtpTestStatus(
                                                               100, {QStringLiteral("Wiadomość wysłana")})}
                             << "Konfiguracja prawidłowa"
                             << "Łączenie z smtp.example.org\nWiadomość wysłana";
    QTest::newRow("failure") << QList<QByteArray>{testing, LxSim::ReplyBuilder::smtpTestStatus(
                                                               3, {QStringLiteral("535 Błąd logowania")})}
                             << "Konfiguracja błędna"
                             << "Łączenie z smtp.example.org\n535 Błąd logowania";
    QTest::newRow("silence") << QList<QByteArray>{} << "Konfiguracja błędna"
                             << "Usługa nie odpowiada. Czy wersja usługi jest zgodna z wersją panelu "
                                "kontrolnego Luminorix?";
}

void TestApplicationConfigurationWindow::smtpTest()
{
    QFETCH(QList<QByteArray>, replies);
    QFETCH(QString, headline);
    QFETCH(QString, messages);

    Linked l;
    LxSim::SimReplies scripted;
    for (int i = 0; i < replies.size(); ++i)
        scripted.append(LxSim::SimReply(replies.at(i), i * 30));
    l.rig.server.responder().script(QStringLiteral("smtp2_send_test_mail"), scripted);
    QVERIFY(l.start());
    Settings& s = l.settings;
    s.dialog.requestApplicationConfiguration();
    QTRY_VERIFY(s.w<QPushButton>("testSmtpButton")->isEnabled());

    LxTest::ModalWatchdog watchdog;
    QString shownHeadline;
    QString shownMessages;
    bool tested = false;
    LxTest::answerNextDialog([&](QWidget* w) {
        auto* test = qobject_cast<SmtpTestWindow*>(w);
        QVERIFY(test);
        auto* label = test->findChild<QLabel*>(QStringLiteral("statusTextLabel"));
        auto* edit = test->findChild<QTextEdit*>(QStringLiteral("messagesEdit"));
        if (replies.isEmpty()) {
            QTest::qWait(100);
            QCOMPARE(label->text(), QStringLiteral("Inicjalizacja testu..."));
            // Stands for the ten seconds without a report.
            QVERIFY(QMetaObject::invokeMethod(test, "noCommunicationTimeout"));
        }
        QTRY_COMPARE(label->text(), headline);
        QTRY_COMPARE(edit->toPlainText(), messages);
        shownHeadline = label->text();
        shownMessages = edit->toPlainText();
        tested = true;
        test->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    s.w<QPushButton>("testSmtpButton")->click();
    QVERIFY(tested);
    QCOMPARE(shownHeadline, headline);
    QCOMPARE(shownMessages, messages);

    const QList<LxSim::SimRequest> tests = l.rig.requests(QStringLiteral("smtp2_send_test_mail"));
    QCOMPARE(tests.size(), 1);
    QCOMPARE(tests.at(0).payload(),
             QStringLiteral("<smtp2_security_type>tls</smtp2_security_type><smtp2_server>mail.example.org"
                            "</smtp2_server><smtp2_port>587</smtp2_port><smtp2_timeout>30</smtp2_timeout>"
                            "<smtp2_sender_address>ups@example.org</smtp2_sender_address>"
                            "<smtp2_authentication>1</smtp2_authentication><smtp2_user>ups</smtp2_user>"
                            "<smtp2_pass>secret</smtp2_pass>"));
    // A test stores nothing and leaves the settings open; late reports are dropped.
    QVERIFY(s.dialog.isVisible());
    QVERIFY(l.rig.requests(QStringLiteral("application_configuration")).isEmpty());
    emit s.controller.smpt2TestStatus(100, {QStringLiteral("spóźniony")});
    s.controller.disconnectFromService();
}

namespace {
enum class Outcome
{
    Added,
    Cancelled,
    LoggedOut
};
} // namespace
Q_DECLARE_METATYPE(Outcome)

void TestApplicationConfigurationWindow::addUpsShortcuts_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("request");

    QTest::newRow("UPS added") << "addUpsButton"
                               << "AddUpsWindow"
                               << "Nowy UPS" << Outcome::Added << "set_new_ups";
    QTest::newRow("UPS cancelled") << "addUpsButton"
                                   << "AddUpsWindow"
                                   << "Nowy UPS" << Outcome::Cancelled << "";
    QTest::newRow("UPS, logged out meanwhile") << "addUpsButton"
                                               << "AddUpsWindow"
                                               << "Nowy UPS" << Outcome::LoggedOut << "";
    QTest::newRow("virtual UPS added") << "addVirtualUpsButton"
                                       << "AddVirtualUpsWindow"
                                       << "Wirtualny UPS" << Outcome::Added << "set_new_ups";
    QTest::newRow("virtual UPS cancelled") << "addVirtualUpsButton"
                                           << "AddVirtualUpsWindow"
                                           << "Wirtualny UPS" << Outcome::Cancelled << "";
    QTest::newRow("virtual UPS, logged out meanwhile") << "addVirtualUpsButton"
                                                       << "AddVirtualUpsWindow"
                                                       << "Wirtualny UPS" << Outcome::LoggedOut << "";
}

// A device added from here closes the settings as accepted, without storing them;
// a cancelled one leaves them open. The device dialog hears the log-out too.
void TestApplicationConfigurationWindow::addUpsShortcuts()
{
    QFETCH(QString, button);
    QFETCH(QString, dialogClass);
    QFETCH(QString, title);
    QFETCH(Outcome, outcome);
    QFETCH(QString, request);

    LxTest::ModalWatchdog watchdog;
    Ups unit;
    unit.id = QStringLiteral("3");
    unit.model_name = QStringLiteral("HarrierRT_6_10_USB");
    unit.parallel_unit = true;
    unit.unit_address = QStringLiteral("1");
    Settings s({}, {unit});
    s.receive(someConfiguration());
    s.edit("serverEdit")->setText(QStringLiteral("changed.example.com"));

    QString seenClass;
    QString seenTitle;
    QString seenName = QStringLiteral("unset");
    bool okAfterLogout = true;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        seenClass = QString::fromLatin1(dialog->metaObject()->className());
        seenTitle = dialog->windowTitle();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("upsNameEdit"))) {
            seenName = name->text();
            auto* model = dialog->findChild<QComboBox*>(QStringLiteral("upsModelBox"));
            model->setCurrentIndex(model->findText(QStringLiteral("PLOVER")));
            QTest::keyClicks(name, QStringLiteral("Biuro"));
        } else {
            dialog->findChild<QTreeWidget*>()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        }
        QVERIFY(ok->isEnabled());
        if (outcome == Outcome::LoggedOut) {
            s.controller.setPassword(QString());
            emit s.relay.administratorLoggedOut();
            okAfterLogout = ok->isEnabled();
        }
        if (outcome == Outcome::Added)
            ok->click();
        else
            qobject_cast<QDialog*>(dialog)->reject();
    });
    s.w<QPushButton>(qPrintable(button))->click();
    QCOMPARE(seenClass, dialogClass);
    QCOMPARE(seenTitle, title);
    if (dialogClass == QLatin1String("AddUpsWindow"))
        QCOMPARE(seenName, QString());
    if (outcome == Outcome::LoggedOut)
        QVERIFY(!okAfterLogout);
    if (outcome != Outcome::Added) {
        QVERIFY(s.dialog.isVisible());
        QVERIFY(s.requests(QStringLiteral("set_new_ups")).isEmpty());
        return;
    }
    QVERIFY(!s.dialog.isVisible());
    QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(s.requests(request).size(), 1);
    // Closed without its own OK: nothing of the settings is stored.
    QVERIFY(s.requests(QStringLiteral("application_configuration")).isEmpty());
}

LX_TEST_MAIN(TestApplicationConfigurationWindow)
#include "tst_applicationconfigurationwindow.moc"
