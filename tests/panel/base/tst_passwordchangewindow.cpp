#include "common/helpers.h"
#include "link/upssocketcontroller.h"
#include "panel/base/answerwait.h"
#include "panel/base/dialogrelay.h"
#include "panel/base/passwordchangewindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using LxTest::ShownBox;
using LxTest::takeMessageBoxes;

namespace {
const QString adminPassword = QStringLiteral("Quillmarberon");

// A controller with the administrator logged in, as the dialog's openers have it.
Luminorix::UpsSocketController& loggedIn(Luminorix::UpsSocketController& controller)
{
    controller.setPassword(hashPassword(adminPassword));
    return controller;
}

// The dialog on a controller; wired for the administrator like the main window
// does it, or for a networked computer through its signals alone.
struct Change
{
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    PasswordChangeWindow dialog;
    QSignalSpy adminChanges{&dialog, &PasswordChangeWindow::changePassword};
    QSignalSpy netclientChanges{&dialog, &PasswordChangeWindow::changeNetclientPassword};
    QSignalSpy digestRequests{&dialog, &PasswordChangeWindow::getPassword};

    explicit Change(bool administrator = true, const QString& name = QStringLiteral("127.0.0.1"))
        : dialog(name, &loggedIn(controller))
    {
        connectToService(&dialog, &controller, relay,
                         administrator ? PasswordChangeWindow::AdministratorMode
                                       : PasswordChangeWindow::NetClientMode);
        dialog.show();
    }
    QLineEdit* edit(const char* name) { return dialog.findChild<QLineEdit*>(QLatin1String(name)); }
    void type(const QString& old, const QString& fresh, const QString& repeated)
    {
        edit("passEdit")->setText(old);
        edit("newPassEdit")->setText(fresh);
        edit("newPassRepeatedEdit")->setText(repeated);
    }
    void press(QDialogButtonBox::StandardButton which)
    {
        dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which)->click();
    }
    AnswerWait* wait() const { return dialog.findChild<AnswerWait*>(QStringLiteral("answerWait")); }
    bool waiting() const { return wait()->isWaiting(); }
};
} // namespace

class TestPasswordChangeWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void form();
    void refusals_data();
    void refusals();
    void twoPressesOneTimer();
    void changeOverTheLink();
    void strayConfirmationKeepsCredential();
    void confirmationAfterTheSessionKeepsCredential_data();
    void confirmationAfterTheSessionKeepsCredential();
    void netclient_data();
    void netclient();
    void cancel();
};

void TestPasswordChangeWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
}

void TestPasswordChangeWindow::form()
{
    Change c(true, QStringLiteral("serwer-ups.local"));
    QCOMPARE(c.dialog.windowTitle(), QStringLiteral("Zmień hasło dla serwer-ups.local"));
    QCOMPARE(c.dialog.size(), QSize(388, 275));
    QCOMPARE(c.dialog.minimumSize(), c.dialog.maximumSize());
    for (const char* name : {"passEdit", "newPassEdit", "newPassRepeatedEdit"})
        QCOMPARE(c.edit(name)->echoMode(), QLineEdit::Password);
    QTRY_COMPARE(QApplication::focusWidget(), c.edit("passEdit"));
    QVERIFY(!c.waiting());
}

void TestPasswordChangeWindow::refusals_data()
{
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("repeated");
    QTest::addColumn<bool>("serviceAnswers");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    const QString wrongOld = QStringLiteral("Wprowadzono nieprawidłowe hasło administratora");
    QTest::newRow("wrong old password") << "quillmarberon"
                                        << "nowe"
                                        << "nowe" << true << "Nieprawidłowe hasło" << wrongOld;
    QTest::newRow("wrong old, also empty new") << ""
                                               << ""
                                               << "x" << true << "Nieprawidłowe hasło" << wrongOld;
    QTest::newRow("empty new password") << adminPassword << ""
                                        << "" << true << "Uwaga"
                                        << "Proszę wprowadzić nowe hasło";
    QTest::newRow("repetition differs") << adminPassword << "nowe"
                                        << "Nowe" << true << "Błąd"
                                        << "Proszę sprawdzić nowe hasło";
    QTest::newRow("service silent") << adminPassword << "nowe"
                                    << "nowe" << false << "Brak odpowiedzi"
                                    << "Usługa Luminorix jest nieosiągalna";
}

void TestPasswordChangeWindow::refusals()
{
    QFETCH(QString, old);
    QFETCH(QString, fresh);
    QFETCH(QString, repeated);
    QFETCH(bool, serviceAnswers);
    QFETCH(QString, title);
    QFETCH(QString, text);

    Change c;
    c.type(old, fresh, repeated);
    c.press(QDialogButtonBox::Ok);
    QCOMPARE(c.digestRequests.count(), 1);
    QVERIFY(c.waiting());
    QCOMPARE(c.wait()->timeoutMs(), 5000);
    QVERIFY(c.dialog.findChild<QTimer*>()->isSingleShot());

    if (serviceAnswers)
        emit c.controller.adminPassFromConfig(hashPassword(adminPassword));
    else
        c.wait()->expireNow(); // stands for the 5000 ms passing
    QCOMPARE(takeMessageBoxes(), (QList<ShownBox>{{title, text}}));
    QCOMPARE(c.adminChanges.count(), 0);
    QVERIFY(c.dialog.isVisible());
    QCOMPARE(c.edit("passEdit")->text(), old);
    QCOMPARE(c.edit("newPassEdit")->text(), fresh);
    QCOMPARE(c.controller.password(), hashPassword(adminPassword)); // unchanged
    QVERIFY(!c.waiting());

    // The next OK starts over.
    c.press(QDialogButtonBox::Ok);
    QCOMPARE(c.digestRequests.count(), 2);
    QVERIFY(c.waiting());
}

void TestPasswordChangeWindow::twoPressesOneTimer()
{
    Change c;
    c.type(adminPassword, QStringLiteral("nowe"), QStringLiteral("nowe"));
    c.press(QDialogButtonBox::Ok);
    c.press(QDialogButtonBox::Ok);
    QCOMPARE(c.digestRequests.count(), 2);
    QVERIFY(c.waiting());
    // Each answer runs the checks on its own.
    emit c.controller.adminPassFromConfig(hashPassword(adminPassword));
    emit c.controller.adminPassFromConfig(hashPassword(adminPassword));
    QCOMPARE(c.adminChanges.count(), 2);
    QVERIFY(takeMessageBoxes().isEmpty());
}

void TestPasswordChangeWindow::changeOverTheLink()
{
    ServiceRig rig;
    QVERIFY(rig.listen());
    const LxSim::SimServer& service = rig.server;
    const LxSim::SimWorld& world = rig.world;

    Change c;
    rig.attach(c.controller, ServiceRig::shortTiming());
    // Logged in: the requests carry the administrator's digest.
    QCOMPARE(c.controller.password(), world.adminDigest());
    QSignalSpy connected(&c.controller, &Luminorix::UpsSocketController::upsConnected);
    c.controller.startReconnecting();
    QTRY_VERIFY(connected.count() > 0);

    const QString fresh = QStringLiteral("Nowe & <hasło>");
    c.type(adminPassword, fresh, fresh);
    c.press(QDialogButtonBox::Ok);
    QTRY_VERIFY(!c.dialog.isVisible());
    QCOMPARE(c.dialog.result(), int(QDialog::Rejected)); // closed, not accepted

    const QList<LxSim::SimRequest> changes = rig.requests(QStringLiteral("change_password"));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).raw, QStringLiteral("<change_password><pass>") + hashPassword(adminPassword) +
                                    QStringLiteral("</pass><new_password>Nowe &amp; &lt;hasło&gt;"
                                                   "</new_password>\n</change_password>"));
    QCOMPARE(world.adminDigest(), hashPassword(fresh));
    QCOMPARE(c.controller.password(), hashPassword(fresh));
    QCOMPARE(takeMessageBoxes(), (QList<ShownBox>{{"Zmiana hasła", "Hasło zostało zmienione"}}));

    // The following requests authenticate with the new password. Polls sent before
    // the change may still wait in the stand-in's buffer, but none comes after the
    // first one with the new password.
    const QString freshDigest = hashPassword(fresh);
    const auto firstWithFresh = [&] {
        const QList<LxSim::SimRequest> requests = service.requests();
        for (int i = 0; i < requests.size(); ++i) {
            if (requests.at(i).pass == freshDigest)
                return i;
        }
        return -1;
    };
    QTRY_VERIFY(firstWithFresh() >= 0);
    const int from = firstWithFresh();
    QTRY_VERIFY(service.requests().size() > from + 2);
    const QList<LxSim::SimRequest> requests = service.requests();
    for (int i = from; i < requests.size(); ++i) {
        QVERIFY(requests.at(i).hasPass);
        QCOMPARE(requests.at(i).pass, freshDigest);
    }
    c.controller.disconnectFromService();
}

// A confirmation that follows no change of this dialog must not replace the
// credential with the digest of an empty text.
void TestPasswordChangeWindow::strayConfirmationKeepsCredential()
{
    Change c;
    c.type(QStringLiteral("zle"), QStringLiteral("nowe"), QStringLiteral("nowe"));
    c.press(QDialogButtonBox::Ok);
    emit c.controller.adminPassFromConfig(hashPassword(adminPassword));
    takeMessageBoxes();
    emit c.controller.passwordChanged();
    QCOMPARE(c.controller.password(), hashPassword(adminPassword));
}

void TestPasswordChangeWindow::confirmationAfterTheSessionKeepsCredential_data()
{
    QTest::addColumn<QString>("next"); // the digest of the session after, or none
    QTest::newRow("no session since") << QString();
    QTest::newRow("another session begun") << hashPassword(QStringLiteral("kolejne"));
}

// The change went out, then the session ended before the service confirmed it:
// the new password is not taken, whoever is logged in by then.
void TestPasswordChangeWindow::confirmationAfterTheSessionKeepsCredential()
{
    QFETCH(QString, next);
    Change c;
    c.type(adminPassword, QStringLiteral("nowe"), QStringLiteral("nowe"));
    c.press(QDialogButtonBox::Ok);
    emit c.controller.adminPassFromConfig(hashPassword(adminPassword));
    QCOMPARE(c.adminChanges.count(), 1);
    c.controller.setPassword(QString());
    if (!next.isEmpty())
        c.controller.setPassword(next);
    emit c.controller.passwordChanged();
    QCOMPARE(c.controller.password(), next);
    QCOMPARE(c.controller.session()->isActive(), !next.isEmpty());
    takeMessageBoxes();
}

void TestPasswordChangeWindow::netclient_data()
{
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("repeated");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("change") << "stare"
                            << "nowe"
                            << "nowe" << true << ""
                            << "";
    QTest::newRow("empty new password passes") << "stare"
                                               << ""
                                               << "" << true << ""
                                               << "";
    QTest::newRow("wrong old names the administrator") << "Stare"
                                                       << "nowe"
                                                       << "nowe" << false << "Nieprawidłowe hasło"
                                                       << "Wprowadzono nieprawidłowe hasło administratora";
    QTest::newRow("repetition differs") << "stare"
                                        << "nowe"
                                        << "nowe " << false << "Błąd"
                                        << "Proszę sprawdzić nowe hasło";
}

void TestPasswordChangeWindow::netclient()
{
    QFETCH(QString, old);
    QFETCH(QString, fresh);
    QFETCH(QString, repeated);
    QFETCH(bool, changed);
    QFETCH(QString, title);
    QFETCH(QString, text);

    Change c(false, QStringLiteral("192.168.1.20"));
    c.type(old, fresh, repeated);
    c.press(QDialogButtonBox::Ok);
    QCOMPARE(c.digestRequests.count(), 1);
    emit c.controller.netclientPass(hashPassword(QStringLiteral("stare")));
    QVERIFY(!c.waiting());
    QCOMPARE(c.adminChanges.count(), 0);
    if (!changed) {
        QCOMPARE(takeMessageBoxes(), (QList<ShownBox>{{title, text}}));
        QCOMPARE(c.netclientChanges.count(), 0);
        return;
    }
    QVERIFY(takeMessageBoxes().isEmpty());
    QCOMPARE(c.netclientChanges.count(), 1);
    QCOMPARE(c.netclientChanges.at(0).at(0).toString(), fresh);
    QCOMPARE(c.dialog.newPassword(), fresh);

    emit c.controller.passwordChanged();
    QVERIFY(!c.dialog.isVisible());
    // The administrator's credential is none of this mode's business.
    QCOMPARE(c.controller.password(), hashPassword(adminPassword));
    QCOMPARE(takeMessageBoxes(), (QList<ShownBox>{{"Zmiana hasła", "Hasło zostało zmienione"}}));
}

void TestPasswordChangeWindow::cancel()
{
    Change c;
    c.press(QDialogButtonBox::Ok);
    QVERIFY(c.waiting());
    c.press(QDialogButtonBox::Cancel);
    QVERIFY(!c.dialog.isVisible());
    QCOMPARE(c.dialog.result(), int(QDialog::Rejected));
    QVERIFY(!c.waiting());
    QTest::qWait(20);
    QVERIFY(takeMessageBoxes().isEmpty());
}

LX_TEST_MAIN(TestPasswordChangeWindow)
#include "tst_passwordchangewindow.moc"
