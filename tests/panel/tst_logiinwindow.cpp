#include "common/helpers.h"
#include "link/upssocketcontroller.h"
#include "panel/base/answerwait.h"
#include "panel/base/dialogrelay.h"
#include "panel/logiinwindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>

using LxTest::ShownBox;
using LxTest::takeMessageBoxes;

namespace {
const QString hintText = QStringLiteral("Domyślne hasło: \n\"Quillmarberon\"");

// The dialog wired to a real controller the way the main window's logIn() does it.
struct Login
{
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    LogiInWindow dialog{&controller};
    QSignalSpy adminMode{&dialog, &LogiInWindow::enableAdminButtons};
    int passwordRequests = 0;

    Login()
    {
        controller.setSendObserver([this](const QByteArray& text) {
            if (text.startsWith("<get_password>"))
                ++passwordRequests;
        });
        connectToService(&dialog, &controller, relay);
        dialog.show();
    }
    void type(const QString& text)
    {
        dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(text);
    }
    void pressOk()
    {
        dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Ok)
            ->click();
    }
    AnswerWait* wait() const { return dialog.findChild<AnswerWait*>(QStringLiteral("answerWait")); }
    QTimer* answerTimer() const { return wait()->findChild<QTimer*>(); }
    bool waiting() const { return wait()->isWaiting(); }
};

} // namespace

class TestLogInWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void form();
    void answers_data();
    void answers();
    void secondOkWhileWaitingSendsNothing();
    void timeOut();
    void lateAnswerStillCounts();
    void cancel();
    void hint();
    void overTheLink_data();
    void overTheLink();
};

void TestLogInWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
    QToolTip::hideText();
}

void TestLogInWindow::form()
{
    Login l;
    QCOMPARE(l.dialog.windowTitle(), QStringLiteral("Zaloguj jako administrator"));
    QCOMPARE(l.dialog.size(), QSize(408, 180));
    QCOMPARE(l.dialog.minimumSize(), l.dialog.maximumSize());
    auto* edit = l.dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    auto* help = l.dialog.findChild<QPushButton*>(QStringLiteral("helpButton"));
    QCOMPARE(help->focusPolicy(), Qt::NoFocus);
    QCOMPARE(help->toolTip(), hintText);
    QVERIFY(help->text().isEmpty());
    QVERIFY(!l.waiting());
}

void TestLogInWindow::answers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("right password") << "tajne hasło" << hashPassword(QStringLiteral("tajne hasło")) << true;
    QTest::newRow("default password")
        << "Quillmarberon" << hashPassword(QStringLiteral("Quillmarberon")) << true;
    QTest::newRow("wrong password") << "tajne" << hashPassword(QStringLiteral("Quillmarberon")) << false;
    QTest::newRow("upper-case digest") << "tajne" << hashPassword(QStringLiteral("tajne")).toUpper() << false;
    QTest::newRow("empty field, empty password") << "" << hashPassword(QString()) << true;
    QTest::newRow("empty field, set password") << "" << hashPassword(QStringLiteral("x")) << false;
    QTest::newRow("empty answer") << ""
                                  << "" << false;
    QTest::newRow("digest typed as password")
        << hashPassword(QStringLiteral("a")) << hashPassword(QStringLiteral("a")) << false;
}

void TestLogInWindow::answers()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, accepted);

    Login l;
    l.type(typed);
    l.pressOk();
    QCOMPARE(l.passwordRequests, 1);
    QVERIFY(l.waiting());
    QCOMPARE(l.answerTimer()->interval(), 5000);
    QVERIFY(l.answerTimer()->isSingleShot());
    QVERIFY(l.dialog.isVisible());

    emit l.controller.adminPassFromConfig(stored);
    QVERIFY(!l.waiting());
    QCOMPARE(l.adminMode.count(), accepted ? 1 : 0);
    const QList<ShownBox> boxes = takeMessageBoxes();
    if (accepted) {
        QCOMPARE(l.controller.password(), stored);
        QVERIFY(!l.dialog.isVisible());
        QCOMPARE(l.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(boxes.size(), 0);
    } else {
        QCOMPARE(l.controller.password(), QString());
        QVERIFY(l.dialog.isVisible());
        QCOMPARE(l.dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->text(), typed);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0).title, QStringLiteral("Nieprawidłowe hasło"));
        QCOMPARE(boxes.at(0).text, QStringLiteral("Podane hasło Administratora jest nieprawidłowe"));
        // The user corrects the text and tries again: a new question goes out.
        l.pressOk();
        QCOMPARE(l.passwordRequests, 2);
    }
}

void TestLogInWindow::secondOkWhileWaitingSendsNothing()
{
    Login l;
    l.type(QStringLiteral("x"));
    l.pressOk();
    l.pressOk();
    QTest::keyClick(l.dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit")), Qt::Key_Return);
    QCOMPARE(l.passwordRequests, 1);
    QVERIFY(l.dialog.isVisible());
}

void TestLogInWindow::timeOut()
{
    Login l;
    l.pressOk();
    QVERIFY(l.waiting());
    // Stands for the 5000 ms passing without an answer.
    l.wait()->expireNow();
    const QList<ShownBox> boxes = takeMessageBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Błąd połączenia"));
    QCOMPARE(boxes.at(0).text, QStringLiteral("Brak połączenia z usługą"));
    QVERIFY(l.dialog.isVisible());
    QCOMPARE(l.adminMode.count(), 0);
    QVERIFY(!l.waiting());

    // Nothing is retried by itself; the next OK asks again and waits again.
    QTest::qWait(20);
    QCOMPARE(l.passwordRequests, 1);
    l.pressOk();
    QCOMPARE(l.passwordRequests, 2);
    QVERIFY(l.waiting());
}

void TestLogInWindow::lateAnswerStillCounts()
{
    Login l;
    l.type(QStringLiteral("Quillmarberon"));
    l.pressOk();
    l.wait()->expireNow();
    takeMessageBoxes();
    emit l.controller.adminPassFromConfig(hashPassword(QStringLiteral("Quillmarberon")));
    QCOMPARE(l.adminMode.count(), 1);
    QCOMPARE(l.dialog.result(), int(QDialog::Accepted));
    QVERIFY(takeMessageBoxes().isEmpty());
}

void TestLogInWindow::cancel()
{
    Login l;
    l.type(QStringLiteral("Quillmarberon"));
    l.pressOk();
    l.dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
        ->button(QDialogButtonBox::Cancel)
        ->click();
    QVERIFY(!l.dialog.isVisible());
    QCOMPARE(l.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(l.adminMode.count(), 0);
}

void TestLogInWindow::hint()
{
    Login l;
    auto* help = l.dialog.findChild<QPushButton*>(QStringLiteral("helpButton"));
    QTest::mouseClick(help, Qt::LeftButton);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), hintText);
    // A hint is no login attempt.
    QCOMPARE(l.passwordRequests, 0);
    QVERIFY(!l.waiting());
}

void TestLogInWindow::overTheLink_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("right") << "Quillmarberon" << true;
    QTest::newRow("wrong") << "quillmarberon" << false;
}

void TestLogInWindow::overTheLink()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);

    ServiceRig rig;
    QVERIFY2(rig.listen(), qPrintable(rig.server.errorString()));

    Login l;
    QSignalSpy connected(&l.controller, &Luminorix::UpsSocketController::upsConnected);
    QVERIFY(rig.connect(l.controller));
    QVERIFY(connected.count() > 0);

    l.type(typed);
    l.pressOk();
    if (accepted) {
        QTRY_COMPARE(l.adminMode.count(), 1);
        QCOMPARE(l.controller.password(), hashPassword(typed));
        QVERIFY(!l.dialog.isVisible());
    } else {
        QTRY_COMPARE(LxTest::visibleMessageBoxes().size(), 1);
        QCOMPARE(takeMessageBoxes().at(0).title, QStringLiteral("Nieprawidłowe hasło"));
        QCOMPARE(l.adminMode.count(), 0);
        QVERIFY(l.dialog.isVisible());
    }
    // The typed password itself never travels.
    for (const LxSim::SimRequest& request : rig.server.requests())
        QVERIFY(!request.raw.contains(typed));
    QVERIFY(rig.server.requestNames().contains(QStringLiteral("get_password")));
    l.controller.disconnectFromService();
}

LX_TEST_MAIN(TestLogInWindow)
#include "tst_logiinwindow.moc"
