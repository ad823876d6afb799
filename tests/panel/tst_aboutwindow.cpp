#include "panel/aboutwindow.h"
#include "tests/support/lxtest.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void versionShown();
    void closeRejects();
};

void TestAboutWindow::versionShown()
{
    AboutWindow about;
    QCOMPARE(about.windowTitle(), QStringLiteral("O programie"));
    QCOMPARE(about.size(), QSize(522, 635));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    const QString text = about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text();
    QCOMPARE(text, QStringLiteral("<html><head/><body><p><span style=\" font-weight:600;\">Wersja 2.6.0"
                                  "</span></p></body></html>"));
}

void TestAboutWindow::closeRejects()
{
    AboutWindow about;
    about.show();
    about.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Close)->click();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Rejected));
}

LX_TEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
