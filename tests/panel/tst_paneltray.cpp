// The tray icon alone: which ways the tray reports clicks end in one move of the
// window, and which in none.
#include "panel/paneltray.h"
#include "tests/support/lxtest.h"

#include <QSignalSpy>
#include <QTimer>
#include <QWidget>

using Reasons = QList<QSystemTrayIcon::ActivationReason>;
Q_DECLARE_METATYPE(Reasons)

class TestPanelTray : public QObject
{
    Q_OBJECT

private slots:
    void clicks_data();
    void clicks();
};

void TestPanelTray::clicks_data()
{
    QTest::addColumn<Reasons>("reasons");
    QTest::addColumn<bool>("toggles");
    QTest::newRow("single click") << Reasons{QSystemTrayIcon::Trigger} << true;
    // A double click, however the tray reports it: as a click and a double click
    // (X11), as two clicks, or as a double click alone.
    QTest::newRow("click and double click")
        << Reasons{QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick} << false;
    QTest::newRow("two clicks") << Reasons{QSystemTrayIcon::Trigger, QSystemTrayIcon::Trigger} << false;
    QTest::newRow("double click") << Reasons{QSystemTrayIcon::DoubleClick} << false;
    QTest::newRow("menu") << Reasons{QSystemTrayIcon::Context} << false;
    QTest::newRow("middle button") << Reasons{QSystemTrayIcon::MiddleClick} << false;
}

void TestPanelTray::clicks()
{
    QFETCH(Reasons, reasons);
    QFETCH(bool, toggles);
    QWidget window;
    PanelTray tray(QStringLiteral("tip"), &window);
    QSignalSpy toggled(&tray, &PanelTray::toggleRequested);
    auto* icon = tray.findChild<QSystemTrayIcon*>(QStringLiteral("trayIcon"));
    for (QSystemTrayIcon::ActivationReason reason : reasons)
        emit icon->activated(reason);
    if (toggles) {
        QTRY_COMPARE(toggled.count(), 1);
    } else {
        // Nothing is pending, so nothing can come later.
        QVERIFY(!tray.findChild<QTimer*>(QStringLiteral("trayClickTimer"))->isActive());
        QCOMPARE(toggled.count(), 0);
    }
}

LX_TEST_MAIN(TestPanelTray)
#include "tst_paneltray.moc"
