#include "panel/base/answerwait.h"
#include "panel/smtptestwindow.h"
#include "tests/support/lxtest.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace {
const QString noAnswer = QStringLiteral(
    "Usługa nie odpowiada. Czy wersja usługi jest zgodna z wersją panelu kontrolnego Luminorix?");

struct Probe
{
    SmtpTestWindow dialog;
    Probe() { dialog.show(); }
    QString headline() const { return label("statusTextLabel")->text(); }
    QString headlineStyle() const { return label("statusTextLabel")->styleSheet(); }
    bool busy() const
    {
        const QMovie* movie = label("statusIconLabel")->movie();
        return movie && movie->state() == QMovie::Running;
    }
    bool showsPicture() const { return !label("statusIconLabel")->pixmap(Qt::ReturnByValue).isNull(); }
    QString messages() const
    {
        return dialog.findChild<QTextEdit*>(QStringLiteral("messagesEdit"))->toPlainText();
    }
    QTimer* timer() const { return dialog.findChild<QTimer*>(QStringLiteral("noCommunicationWaitTimer")); }
    void timeOut() { dialog.findChild<AnswerWait*>(QStringLiteral("noCommunicationWait"))->expireNow(); }

private:
    QLabel* label(const char* name) const { return dialog.findChild<QLabel*>(QLatin1String(name)); }
};
} // namespace

class TestSmtpTestWindow : public QObject
{
    Q_OBJECT

private slots:
    void opening();
    void reports_data();
    void reports();
    void messagesAccumulateAsText();
    void silence();
    void lateReportAfterSilence();
    void okCloses();
};

void TestSmtpTestWindow::opening()
{
    Probe p;
    QCOMPARE(p.dialog.windowTitle(), QStringLiteral("Test konfiguracji SMTP"));
    QCOMPARE(p.headline(), QStringLiteral("Inicjalizacja testu..."));
    QVERIFY(p.busy());
    QVERIFY(p.timer()->isActive());
    QVERIFY(p.timer()->isSingleShot());
    QCOMPARE(p.timer()->interval(), 10000);
    QVERIFY(p.messages().isEmpty());
}

void TestSmtpTestWindow::reports_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("timerStops");

    QTest::newRow("testing") << 1 << "Testowanie konfiguracji..."
                             << "#59595B" << true << true;
    QTest::newRow("success") << 100 << "Konfiguracja prawidłowa"
                             << "#00aa44" << false << true;
    QTest::newRow("failure") << 5 << "Konfiguracja błędna"
                             << "#de1414" << false << true;
    QTest::newRow("no answer code") << 200 << "Konfiguracja błędna"
                                    << "#de1414" << false << true;
    QTest::newRow("zero keeps waiting") << 0 << "Konfiguracja błędna"
                                        << "#de1414" << false << false;
    QTest::newRow("negative keeps waiting") << -3 << "Konfiguracja błędna"
                                            << "#de1414" << false << false;
}

void TestSmtpTestWindow::reports()
{
    QFETCH(int, status);
    QFETCH(QString, headline);
    QFETCH(QString, colour);
    QFETCH(bool, busy);
    QFETCH(bool, timerStops);

    Probe p;
    p.dialog.displayTestStatus(status, {QStringLiteral("komunikat")});
    QCOMPARE(p.headline(), headline);
    QCOMPARE(p.headlineStyle(), QStringLiteral("color: %1; font: bold; font-size: 16px;").arg(colour));
    QCOMPARE(p.busy(), busy);
    QCOMPARE(p.showsPicture(), !busy);
    QCOMPARE(p.timer()->isActive(), !timerStops);
    QCOMPARE(p.messages(), QStringLiteral("komunikat"));
}

void TestSmtpTestWindow::messagesAccumulateAsText()
{
    Probe p;
    p.dialog.displayTestStatus(1, {QStringLiteral("Łączenie z serwerem"), QString()});
    p.dialog.displayTestStatus(100, {});
    p.dialog.displayTestStatus(7, {QStringLiteral("<b>535</b> & odmowa")});
    QCOMPARE(p.messages(), QStringLiteral("Łączenie z serwerem\n\n<b>535</b> & odmowa"));
    // A status 1 after a result shows the busy view again.
    p.dialog.displayTestStatus(1, {});
    QVERIFY(p.busy());
}

void TestSmtpTestWindow::silence()
{
    Probe p;
    // A stray 0 does not count as an answer: the silence is still reported.
    p.dialog.displayTestStatus(0, {QStringLiteral("?")});
    QVERIFY(p.timer()->isActive());
    p.timeOut();
    QCOMPARE(p.headline(), QStringLiteral("Konfiguracja błędna"));
    QCOMPARE(p.messages(), QStringLiteral("?\n") + noAnswer);
    QVERIFY(!p.busy());
}

void TestSmtpTestWindow::lateReportAfterSilence()
{
    Probe p;
    p.timeOut();
    p.dialog.displayTestStatus(100, {QStringLiteral("Wysłano")});
    QCOMPARE(p.headline(), QStringLiteral("Konfiguracja prawidłowa"));
    QCOMPARE(p.messages(), noAnswer + QStringLiteral("\nWysłano"));
}

void TestSmtpTestWindow::okCloses()
{
    Probe p;
    p.dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!p.dialog.isVisible());
    QCOMPARE(p.dialog.result(), int(QDialog::Accepted));
}

LX_TEST_MAIN(TestSmtpTestWindow)
#include "tst_smtptestwindow.moc"
