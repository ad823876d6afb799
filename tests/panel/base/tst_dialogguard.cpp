// The guard every dialog slot opens its dialog with, and the relay it forwards
// through: what the window relies on when it tells an open dialog from none.
#include "panel/base/dialogguard.h"
#include "panel/base/dialogrelay.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QDialog>
#include <QPointer>

class TestDialogGuard : public QObject
{
    Q_OBJECT

private slots:
    void memberFollowsTheOpenDialog_data();
    void memberFollowsTheOpenDialog();
};

void TestDialogGuard::memberFollowsTheOpenDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("rejected") << false;
}

void TestDialogGuard::memberFollowsTheOpenDialog()
{
    QFETCH(bool, accept);
    LxTest::ModalWatchdog watchdog;
    DialogRelay relay;
    QDialog* member = nullptr;
    QPointer<QDialog> opened;
    int heard = 0;
    QDialog* memberWhileOpen = nullptr;
    int heardWhileOpen = 0;
    {
        DialogGuard dialog(member, new QDialog);
        opened = dialog.get();
        QObject::connect(&relay, &DialogRelay::serviceBusy, dialog.get(), [&heard] { ++heard; });
        LxTest::answerNextDialog([&](QWidget* shown) {
            memberWhileOpen = member;
            emit relay.serviceBusy(true);
            heardWhileOpen = heard;
            accept ? qobject_cast<QDialog*>(shown)->accept() : qobject_cast<QDialog*>(shown)->reject();
        });
        const int result = dialog->exec();
        QCOMPARE(result, accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
        // Still there to be read back until the slot ends.
        QVERIFY(opened);
        QCOMPARE(member, opened.data());
        QCOMPARE(memberWhileOpen, opened.data());
    }
    QCOMPARE(heardWhileOpen, 1);
    QVERIFY(!opened);
    QCOMPARE(member, static_cast<QDialog*>(nullptr));
    // The relay's connection went with the dialog.
    emit relay.serviceBusy(false);
    QCOMPARE(heard, 1);
}

LX_TEST_MAIN(TestDialogGuard)
#include "tst_dialogguard.moc"
