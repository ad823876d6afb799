// The virtualization centre window: its form, the tabs' first requests in
// their order, each opening on its own, closing, and the answers to its
// changes told from answers of the same kind made before them.
#include "panel/base/answerwait.h"
#include "panel/base/dialogrelay.h"
#include "panel/virtualization/virtcentwindowtabhosts.h"
#include "panel/virtualization/virtcentwindowtabsettings.h"
#include "panel/virtualization/virtcentwindowtabvirtualization.h"
#include "panel/virtualization/virtualizationcenterwindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "vcrig.h"

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
using Controller = Luminorix::UpsSocketController;
const QString hostList = QStringLiteral("get_virtualization_center_host_list");
const QString setSettings = QStringLiteral("set_virtualization_center_settings");
const QString getEnabled = QStringLiteral("get_virtualization_center_enabled");
const QString setEnabled = QStringLiteral("set_virtualization_center_enabled");
const QString forcedKey = QStringLiteral("forced_poweroff_timeout_vms");
const QString notUnique =
    QStringLiteral("Nazwa hosta musi być unikalna.\n\nWprowadź prawidłową nazwę hosta i spróbuj ponownie.");

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
    template <typename T> T* widget(const char* name) { return window.findChild<T*>(QLatin1String(name)); }
    QPushButton* button(const char* name) { return widget<QPushButton>(name); }
    QLineEdit* edit(const char* name) { return widget<QLineEdit>(name); }
    // Both tabs with fields have what the service holds, and the machines
    // tab's poll is held still: the test itself sends what it would.
    bool ready()
    {
        poll()->stop();
        return QTest::qWaitFor(
            [this] {
                return window.hostsTab()->mode() == VirtCentWindowTabHosts::HostShown &&
                       button("btn_master_shutdown_delay_save")->isEnabled() &&
                       button("btn_virt_enabled_save")->isEnabled();
            },
            20000);
    }
    // Asks for `request` as the poll would, held back `delayMs` by the service;
    // returns once the service has made its answer.
    bool pollMadeBefore(const QString& request, int delayMs)
    {
        vc.rig.world.delayRequest(request, delayMs);
        const int asked = vc.count(request);
        if (request == hostList)
            vc.controller.getVirtualizationCenterHostList();
        else
            vc.controller.getVirtualizationCenterEnabled();
        return vc.waitFor(request, asked + 1);
    }
    // "Dodaj nowy" with `name`.
    void addHost(const QString& name)
    {
        button("btn_add_host")->click();
        edit("le_host_name")->setText(name);
        edit("le_host_address")->setText(QStringLiteral("10.0.0.7"));
        edit("le_host_port")->setText(QStringLiteral("22"));
        edit("le_host_username")->setText(QStringLiteral("root"));
        button("btn_accept_addnewmode")->click();
    }
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
    void hostChangesTakeAListMadeAfterThem_data();
    void hostChangesTakeAListMadeAfterThem();
    void lateAnswerOfATimedOutSaveIsNotTheNext();
    void saveKeepsWhatIsTypedElsewhere();
    void enabledSaveOutlastsAPollMadeBefore();
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

void TestVirtualizationCenterWindow::hostChangesTakeAListMadeAfterThem_data()
{
    QTest::addColumn<bool>("adding");
    QTest::newRow("added") << true;
    QTest::newRow("renamed") << false;
}

// A host list the poll asked for before a host was added or renamed comes
// after the service's answer to it: the tab waits for a list made after, so
// the host is listed under its new name, selected, and its name is taken.
void TestVirtualizationCenterWindow::hostChangesTakeAListMadeAfterThem()
{
    QFETCH(bool, adding);

    VcRig vc;
    QVERIFY(vc.start());
    Window w(vc);
    QVERIFY(w.ready());
    const QString name = QStringLiteral("Lab host");
    QSignalSpy lists(&vc.controller, &Controller::virtualizationCenterHostListReceived);
    QVERIFY(w.pollMadeBefore(hostList, 1000));
    if (adding) {
        w.addHost(name);
    } else {
        w.button("btn_edit_host")->click();
        w.edit("le_host_name")->setText(name);
        w.button("btn_host_name_save")->click();
    }
    auto* combo = w.widget<QComboBox>("cb_host_list");
    QTRY_COMPARE_WITH_TIMEOUT(combo->currentText(), name, 10000);
    QTRY_COMPARE(w.window.hostsTab()->mode(), int(VirtCentWindowTabHosts::HostShown));
    QCOMPARE(w.edit("le_host_name")->text(), name);
    // The old list and the one asked for after the answer.
    QVERIFY(lists.count() >= 2);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    const QStringList listed = adding ? QStringList({"Host A", "Host B", "Cluster C", name})
                                      : QStringList({name, "Host B", "Cluster C"});
    QCOMPARE(items, listed);

    auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok);
    w.addHost(QStringLiteral(" lab  HOST"));
    QCOMPARE(seen->text, notUnique);
    QCOMPARE(vc.count(QStringLiteral("set_virtualization_center_add_new_esxisshhost")), adding ? 1 : 0);
}

// The answer to a save whose wait ran out comes after the next save was sent:
// it is not taken for the next one's, and the field shows what the service holds.
void TestVirtualizationCenterWindow::lateAnswerOfATimedOutSaveIsNotTheNext()
{
    VcRig vc;
    QVERIFY(vc.start());
    Window w(vc);
    QVERIFY(w.ready());
    QLineEdit* forced = w.edit("le_forced_poweroff_timeout_vms");
    QPushButton* save = w.button("btn_forced_poweroff_timeout_vms_save");
    vc.rig.world.delayRequest(setSettings, 1500);
    QSignalSpy answers(&vc.controller, &Controller::virtualizationCenterSettingsReceived);
    forced->setText(QStringLiteral("1200"));
    save->click();
    QVERIFY(vc.waitFor(setSettings));
    auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok);
    w.window.settingsTab()->findChild<AnswerWait*>(QStringLiteral("settings_wait"))->expireNow();
    QVERIFY(seen->seen);
    QCOMPARE(seen->text, QStringLiteral("Usługa nie odpowiedziała na czas."));
    QVERIFY(save->isEnabled());

    forced->setText(QStringLiteral("900"));
    save->click();
    QVERIFY(!save->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(answers.count(), 2, 10000);
    using Settings = QMap<QString, QString>;
    QCOMPARE(answers.at(0).at(0).value<Settings>().value(forcedKey), QStringLiteral("1200"));
    QVERIFY(save->isEnabled());
    QCOMPARE(forced->text(), QStringLiteral("900"));
    QCOMPARE(vc.rig.world.vcSettingMap().value(forcedKey), QStringLiteral("900"));
}

// Saving one field leaves what was typed and not saved in the others; a field
// nobody touched shows what the service now holds.
void TestVirtualizationCenterWindow::saveKeepsWhatIsTypedElsewhere()
{
    VcRig vc;
    QVERIFY(vc.start());
    Window w(vc);
    QVERIFY(w.ready());
    auto* mail = w.widget<QCheckBox>("chk_email_notifications_enabled");
    QVERIFY(mail->isChecked());
    mail->setChecked(false);
    w.edit("le_master_shutdown_delay")->setText(QStringLiteral("240"));
    // Changed by another panel meanwhile.
    QMap<QString, QString> held = vc.rig.world.vcSettingMap();
    held.insert(QStringLiteral("email_notifications_recipients"), QStringLiteral("ops@example.com"));
    vc.rig.world.setVcSettings(held);
    vc.rig.world.delayRequest(setSettings, 300);
    w.edit("le_forced_poweroff_timeout_vms")->setText(QStringLiteral("0900"));
    w.button("btn_forced_poweroff_timeout_vms_save")->click();
    QVERIFY(!w.button("btn_forced_poweroff_timeout_vms_save")->isEnabled());
    QTRY_VERIFY(w.button("btn_forced_poweroff_timeout_vms_save")->isEnabled());
    QCOMPARE(w.edit("le_forced_poweroff_timeout_vms")->text(), QStringLiteral("900"));
    QCOMPARE(w.edit("le_master_shutdown_delay")->text(), QStringLiteral("240"));
    QVERIFY(!mail->isChecked());
    QCOMPARE(w.edit("le_email_notifications_recipients")->text(), QStringLiteral("ops@example.com"));
    QCOMPARE(vc.rig.world.vcSettingMap().value(QStringLiteral("master_shutdown_delay")),
             QStringLiteral("180"));

    // The kept value is saved with its own button, and the other typed one still stays.
    w.button("btn_master_shutdown_delay_save")->click();
    QTRY_VERIFY(w.button("btn_master_shutdown_delay_save")->isEnabled());
    QCOMPARE(vc.rig.world.vcSettingMap().value(QStringLiteral("master_shutdown_delay")),
             QStringLiteral("240"));
    QVERIFY(!mail->isChecked());
    QCOMPARE(vc.rig.world.vcSettingMap().value(QStringLiteral("email_notifications_enabled")),
             QStringLiteral("1"));
}

// The poll's question about the centre's state, asked before the switch was
// saved, is answered after it: the box keeps the saved state.
void TestVirtualizationCenterWindow::enabledSaveOutlastsAPollMadeBefore()
{
    VcRig vc;
    QVERIFY(vc.start());
    Window w(vc);
    QVERIFY(w.ready());
    auto* enabled = w.widget<QCheckBox>("chk_virt_enabled");
    QVERIFY(enabled->isChecked());
    QSignalSpy states(&vc.controller, &Controller::virtualizationCenterEnabledReceived);
    QVERIFY(w.pollMadeBefore(getEnabled, 800));
    vc.rig.world.delayRequest(setEnabled, 800);
    enabled->setChecked(false);
    w.button("btn_virt_enabled_save")->click();
    QVERIFY(!enabled->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(states.count(), 2, 10000);
    QCOMPARE(states.at(0).at(0).toBool(), true);
    QTRY_VERIFY(enabled->isEnabled());
    QVERIFY(!enabled->isChecked());
    QVERIFY(!vc.rig.world.isVirtualizationCenterEnabled());
}

LX_TEST_MAIN(TestVirtualizationCenterWindow)
#include "tst_virtualizationcenterwindow.moc"
