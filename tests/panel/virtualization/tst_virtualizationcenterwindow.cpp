// The virtualization centre window: its form, the tabs' first requests in
// their order, each opening on its own, and closing.
#include "base/dialogrelay.h"
#include "lxtest.h"
#include "vcrig.h"
#include "virtualization/virtcentwindowtabhosts.h"
#include "virtualization/virtcentwindowtabsettings.h"
#include "virtualization/virtcentwindowtabvirtualization.h"
#include "virtualization/virtualizationcenterwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

namespace {
const QStringList startup{"get_virtualization_center_enabled",         "get_virtualization_center_settings",
                          "get_virtualization_center_host_list",       "get_virtualization_center_enabled",
                          "get_virtualization_center_host_management", "get_virtualization_center_host_list",
                          "get_virtualization_center_action_list",     "get_virtualization_center_enabled"};

// Opened as the main window opens it: wired, then asked for its first requests.
struct Window
{
    VcRig& vc;
    DialogRelay relay;
    VirtualizationCenterWindow window{&vc.controller, nullptr};

    explicit Window(VcRig& vc) : vc(vc)
    {
        connectToService(&window, &vc.controller, relay);
        window.requestStartup();
        window.show();
    }
    QTimer* poll() { return window.findChild<QTimer*>(QStringLiteral("update_timer")); }
};
} // namespace

class TestVirtualizationCenterWindow : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void startupRequestsInOrder();
    void closeButtonAccepts();
    void endsWithTheSession();
    void readableAtItsOpeningSize();
};

void TestVirtualizationCenterWindow::form()
{
    VcRig vc;
    QVERIFY(vc.start());
    Window w(vc);
    QCOMPARE(w.window.objectName(), QStringLiteral("VirtualizationCenterWindow"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Centrum wirtualizacji"));
    QCOMPARE(w.window.minimumSize(), QSize(750, 650));
    auto* tabs = w.window.findChild<QTabWidget*>(QStringLiteral("tab_widget"));
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Wirtualizacje"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Konfiguracja hostów"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Ustawienia"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->widget(0), static_cast<QWidget*>(w.window.virtualizationTab()));
    QCOMPARE(tabs->widget(1), static_cast<QWidget*>(w.window.hostsTab()));
    QCOMPARE(tabs->widget(2), static_cast<QWidget*>(w.window.settingsTab()));
    QVERIFY(!w.window.findChild<QLabel*>(QStringLiteral("lbl_logo"))->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(w.window.findChild<QPushButton*>(QStringLiteral("btn_close"))->text(),
             QStringLiteral("Zamknij"));
}

// Each opening asks afresh, in the tabs' order: settings, hosts, machines, then
// the window's own question; the machines tab polls from then on, until the
// window goes.
void TestVirtualizationCenterWindow::startupRequestsInOrder()
{
    VcRig vc;
    QVERIFY(vc.start());
    for (int opening = 0; opening < 2; ++opening) {
        QVERIFY(vc.settle());
        QPointer<QTimer> poll;
        {
            Window w(vc);
            poll = w.poll();
            QVERIFY(poll->isActive());
            QCOMPARE(poll->interval(), 1000);
            QVERIFY(vc.waitFor("get_virtualization_center_action_list"));
            QVERIFY(vc.waitFor("get_virtualization_center_enabled", 3));
            QCOMPARE(vc.names().mid(0, startup.size()), startup);
            // The answers reach the tabs through the window's wiring.
            QTRY_VERIFY(
                w.window.findChild<QWidget*>(QStringLiteral("btn_master_shutdown_delay_save"))->isEnabled());
            QTRY_COMPARE(w.window.hostsTab()->mode(), int(VirtCentWindowTabHosts::HostShown));
        }
        // The poll goes with the window.
        QVERIFY(poll.isNull());
    }
}

void TestVirtualizationCenterWindow::closeButtonAccepts()
{
    VcRig vc;
    QVERIFY(vc.start());
    Window w(vc);
    QSignalSpy accepted(&w.window, &QDialog::accepted);
    w.window.findChild<QPushButton*>(QStringLiteral("btn_close"))->click();
    QCOMPARE(accepted.count(), 1);
    QVERIFY(!w.window.isVisible());
}

// The service restarts: the main window logs the administrator out (its
// password is gone from the controller) and tells the open centre. The centre
// polls no more, offers nothing to send, and asks nothing once the service is
// back, not even for replies that were on their way.
void TestVirtualizationCenterWindow::endsWithTheSession()
{
    VcRig vc;
    QVERIFY(vc.start());
    Window w(vc);
    QTRY_COMPARE(w.window.hostsTab()->mode(), int(VirtCentWindowTabHosts::HostShown));
    QTRY_VERIFY(w.window.findChild<QWidget*>(QStringLiteral("btn_master_shutdown_delay_save"))->isEnabled());
    // A host list on its way when the session ends would ask for details.
    vc.rig.world.delayRequest(QStringLiteral("get_virtualization_center_host_list"), 1000);
    w.window.hostsTab()->requestVirtualizationCenterHostList();
    QVERIFY(vc.waitFor(QStringLiteral("get_virtualization_center_host_list")));

    vc.controller.setPassword(QString());
    emit w.relay.administratorLoggedOut();
    // Forget what was sent before the log-out.
    QVERIFY(vc.settle());
    QVERIFY(!w.poll()->isActive());
    QStringList usable;
    QList<QWidget*> inTabs = w.window.settingsTab()->findChildren<QWidget*>() +
                             w.window.hostsTab()->findChildren<QWidget*>() +
                             w.window.virtualizationTab()->findChildren<QWidget*>();
    for (QWidget* widget : inTabs) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QComboBox*>(widget);
        if (control && widget->isEnabled() && widget->objectName() != QLatin1String("btn_close"))
            usable.append(widget->objectName());
    }
    QVERIFY2(usable.isEmpty(), qPrintable(usable.join(QLatin1Char(' '))));
    QVERIFY(w.window.findChild<QPushButton*>(QStringLiteral("btn_close"))->isEnabled());

    QSignalSpy lists(&vc.controller, &Luminorix::UpsSocketController::virtualizationCenterHostListReceived);
    QTRY_VERIFY(lists.count() >= 1);
    vc.rig.server.stop();
    QSignalSpy connected(&vc.controller, &Luminorix::UpsSocketController::upsConnected);
    QVERIFY(vc.rig.server.restart());
    Luminorix::UpsSocketController::Timing timing = vc.controller.timing();
    timing.reconnectMs = 50;
    vc.controller.setTiming(timing);
    QTRY_VERIFY_WITH_TIMEOUT(connected.count() > 0, 20000);
    vc.controller.getVirtualizationCenterVersion();
    QVERIFY(vc.waitFor(QStringLiteral("get_virtualization_center_version")));
    // The link's own start-up asks for the centre's state and version; nothing else of the centre.
    const QStringList linkOwn{"get_virtualization_center_enabled", "get_virtualization_center_version"};
    for (const LxSim::SimRequest& r : vc.rig.server.requests()) {
        QVERIFY2(!r.name.contains(QLatin1String("virtualization_center")) || linkOwn.contains(r.name),
                 qPrintable(r.name));
    }
}

// Opened as it opens: the recipients' field shows its whole example and the
// table of the actions tab more than four rows.
void TestVirtualizationCenterWindow::readableAtItsOpeningSize()
{
    VcRig vc;
    QMap<QString, QString> settings = vc.rig.world.vcSettingMap();
    settings.insert(QStringLiteral("email_notifications_recipients"), QString());
    vc.rig.world.setVcSettings(settings);
    QVERIFY(vc.start());
    Window w(vc);
    QTRY_VERIFY(w.window.findChild<QWidget*>(QStringLiteral("btn_master_shutdown_delay_save"))->isEnabled());
    QCOMPARE(w.window.size(), VirtualizationCenterWindow::openingSize);

    w.window.findChild<QTabWidget*>(QStringLiteral("tab_widget"))->setCurrentIndex(2);
    auto* recipients = w.window.findChild<QLineEdit*>(QStringLiteral("le_email_notifications_recipients"));
    QVERIFY(recipients->text().isEmpty());
    QTRY_VERIFY(recipients->isVisible());
    QVERIFY2(recipients->contentsRect().width() >=
                 recipients->fontMetrics().horizontalAdvance(recipients->placeholderText()),
             qPrintable(QString::number(recipients->width())));

    w.window.findChild<QTabWidget*>(QStringLiteral("tab_widget"))->setCurrentIndex(0);
    auto* table = w.window.findChild<QTableWidget*>(QStringLiteral("vmTable"));
    // The stand-in's two hosts with their machines fill six rows, one host a poll.
    QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 6, 20000);
    w.window.findChild<QTabBar*>(QStringLiteral("vmTabBar"))->setCurrentIndex(2); // "Akcje"
    QTRY_VERIFY(table->isVisible());
    int whole = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->viewport()->rect().contains(table->visualRect(table->model()->index(row, 1))))
            ++whole;
    }
    QVERIFY2(whole > 4, qPrintable(QString::number(whole)));
}

LX_TEST_MAIN(TestVirtualizationCenterWindow)
#include "tst_virtualizationcenterwindow.moc"
