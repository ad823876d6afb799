// The virtualization centre window: its form, the tabs' first requests in
// their order, each opening on its own, and closing.
#include "base/dialogrelay.h"
#include "lxtest.h"
#include "vcrig.h"
#include "virtualization/virtcentwindowtabhosts.h"
#include "virtualization/virtcentwindowtabsettings.h"
#include "virtualization/virtcentwindowtabvirtualization.h"
#include "virtualization/virtualizationcenterwindow.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
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

LX_TEST_MAIN(TestVirtualizationCenterWindow)
#include "tst_virtualizationcenterwindow.moc"
