#include "panel/base/answerwait.h"
#include "panel/virtualization/virtcentwindowtabhosts.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tools/sim/replybuilder.h"
#include "vcrig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>

using Mode = VirtCentWindowTabHosts::Mode;
using Entries = QList<QPair<QString, QString>>;

namespace {
const QString title = QStringLiteral("Centrum wirtualizacji");
const QString hostList = QStringLiteral("get_virtualization_center_host_list");
const QString details = QStringLiteral("get_virtualization_center_esxisshhost_details");
const QString addRequest = QStringLiteral("set_virtualization_center_add_new_esxisshhost");
const QString editHost = QStringLiteral("set_virtualization_center_edit_host");
const QString removeRequest = QStringLiteral("set_virtualization_center_remove_host");
const QString testHost = QStringLiteral("set_virtualization_center_test_esxisshhost");

// The tab on a controller connected to the stand-in, showing the first host.
struct Hosts
{
    VcRig vc;
    VirtCentWindowTabHosts tab{&vc.controller};

    bool start()
    {
        if (!vc.start())
            return false;
        connectToService(&tab, &vc.controller);
        tab.requestVirtualizationCenterHostList();
        tab.show();
        return QTest::qWaitFor([&] { return tab.mode() == Mode::HostShown; }, 20000);
    }
    QPushButton* button(const char* name) { return tab.findChild<QPushButton*>(QLatin1String(name)); }
    QLineEdit* edit(const char* name) { return tab.findChild<QLineEdit*>(QLatin1String(name)); }
    QComboBox* combo() { return tab.findChild<QComboBox*>(QStringLiteral("cb_host_list")); }
    QString testResult()
    {
        return tab.findChild<QTextEdit*>(QStringLiteral("te_test_result"))->toPlainText();
    }
    QStringList items()
    {
        QStringList out;
        for (int i = 0; i < combo()->count(); ++i)
            out.append(combo()->itemText(i));
        return out;
    }
    // Presses a button whose check fails, or whose answer is a warning; returns the warning's text.
    QString warningOf(const char* name)
    {
        auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok);
        button(name)->click();
        // An answer of the service comes later than the click.
        (void)QTest::qWaitFor([&] { return seen->seen; }, 10000);
        return seen->seen && seen->windowTitle == title ? seen->text : QString();
    }
    // What the service's polling would bring the tab: one host list.
    void pollHostList() { vc.controller.getVirtualizationCenterHostList(); }
    void fillHost(const QString& name, const QString& address, const QString& port, const QString& user,
                  const QString& password)
    {
        edit("le_host_name")->setText(name);
        edit("le_host_address")->setText(address);
        edit("le_host_port")->setText(port);
        edit("le_host_username")->setText(user);
        edit("le_host_pass")->setText(password);
    }
};

QString detailsReply(int type, int id, const QString& name)
{
    return QStringLiteral("<virtualization_center_esxisshhost_details><type>%1</type><id>%2</id>"
                          "<is_enabled>1</is_enabled><name>%3</name><address>x</address><port>22</port>"
                          "<user_name>u</user_name></virtualization_center_esxisshhost_details>")
        .arg(type)
        .arg(id)
        .arg(name);
}
} // namespace

class TestVirtCentWindowTabHosts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LxTest::closeAllMessageBoxes(); }
    void firstHostShown();
    void unnamedHostAndOtherTypes();
    void addHost();
    void addRefusals_data();
    void addRefusals();
    void addErrorSendsNothingMore();
    void nameOfAHostNotListedYetIsTaken();
    void editFieldByField_data();
    void editFieldByField();
    void editRefusals_data();
    void editRefusals();
    void editErrorShowsStoredValues();
    void finishDropsUnsavedEdits();
    void removeHost();
    void removeHostWithLateList();
    void lateDetailsInAddMode();
    void removeAnsweredNo();
    void connectionTest_data();
    void connectionTest();
    void unansweredTestUnlocksTheTab();
    void mismatchedDetailsAskAgain();
    void wrongHostForeverAsksOnce();
    void vanishedSelectionGoesIdle();
};

void TestVirtCentWindowTabHosts::firstHostShown()
{
    Hosts h;
    QVERIFY(h.start());
    QCOMPARE(h.items(), (QStringList{"Host A", "Host B", "Cluster C"}));
    QCOMPARE(h.vc.requests(hostList).at(0).raw, h.vc.request(hostList));
    QCOMPARE(h.vc.requests(details).at(0).raw, h.vc.mapRequest(details, {{"id", "1"}}));
    QCOMPARE(h.edit("le_host_name")->text(), QStringLiteral("Host A"));
    QCOMPARE(h.edit("le_host_address")->text(), QStringLiteral("esxi-a.lab.local"));
    QCOMPARE(h.edit("le_host_port")->text(), QStringLiteral("22"));
    QCOMPARE(h.edit("le_host_username")->text(), QStringLiteral("root"));
    QVERIFY(h.tab.findChild<QCheckBox*>(QStringLiteral("chk_host_enabled"))->isChecked());
    // Shown, not editable: the fields wait for "Edytuj".
    QVERIFY(!h.edit("le_host_name")->isEnabled());
    QVERIFY(h.button("btn_edit_host")->isEnabled());
    QVERIFY(h.button("btn_test_connection")->isEnabled());
    QVERIFY(h.button("btn_host_name_save")->isHidden());
    h.button("btn_edit_host")->click();
    QCOMPARE(h.tab.mode(), int(Mode::EditingHost));
    QVERIFY(h.edit("le_host_name")->isEnabled());
    QVERIFY(h.button("btn_host_name_save")->isVisible());
    QVERIFY(!h.combo()->isEnabled());
    QCOMPARE(h.button("btn_cancel_addnewmode")->text(), QStringLiteral("Zakończ"));
    QCOMPARE(h.tab.findChild<QLabel*>(QStringLiteral("lbl_host_pass"))->text(),
             QStringLiteral("Zmiana hasła"));
}

// A host without a name shows its type and id; a host of another type is
// listed but its details are never asked for, and the form stops showing the
// host it showed.
void TestVirtCentWindowTabHosts::unnamedHostAndOtherTypes()
{
    Hosts h;
    QList<LxSim::SimWorld::VcHost> hosts = h.vc.rig.world.vcHostList();
    hosts[1].id = 7;
    hosts[1].name.clear();
    h.vc.rig.world.setVcHosts(hosts);
    QVERIFY(h.start());
    QCOMPARE(h.items(), (QStringList{"Host A", "<HOST TYPE: 1 ID: 7>", "Cluster C"}));

    h.combo()->setCurrentIndex(2);
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    QVERIFY(h.button("btn_test_connection")->isHidden());
    // Even reached past the hidden button, no test is announced that is never sent.
    QVERIFY(QMetaObject::invokeMethod(&h.tab, "slot_btn_test_connection"));
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    QVERIFY(h.testResult().isEmpty());
    QTest::qWait(50);
    QCOMPARE(h.vc.count(details), 1);
    QCOMPARE(h.vc.count(testHost), 0);

    h.combo()->setCurrentIndex(1);
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.vc.requests(details).last().value("id"), QStringLiteral("7"));
}

void TestVirtCentWindowTabHosts::addHost()
{
    Hosts h;
    QVERIFY(h.start());
    h.button("btn_add_host")->click();
    QCOMPARE(h.tab.mode(), int(Mode::AddingHost));
    QVERIFY(h.edit("le_host_name")->text().isEmpty());
    QVERIFY(h.tab.findChild<QCheckBox*>(QStringLiteral("chk_host_enabled"))->isChecked());
    QVERIFY(h.button("btn_accept_addnewmode")->isVisible());
    h.fillHost(QStringLiteral("Lab & \"<new>\""), QStringLiteral("esxi-9's"), QStringLiteral("1"),
               QStringLiteral("a<b"), QString());
    h.tab.findChild<QCheckBox*>(QStringLiteral("chk_host_enabled"))->setChecked(false);
    h.button("btn_accept_addnewmode")->click();
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    QVERIFY(h.vc.waitFor(addRequest));
    QCOMPARE(h.vc.requests(addRequest).at(0).raw,
             h.vc.mapRequest(addRequest, {{"address", "esxi-9&apos;s"},
                                          {"auth_method_password", "1"},
                                          {"is_enabled", "0"},
                                          {"name", "Lab &amp; &quot;&lt;new&gt;&quot;"},
                                          {"password", ""},
                                          {"port", "1"},
                                          {"user_name", "a&lt;b"}}));
    // The result names the new host; the list and its details bring it into the form.
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.combo()->currentText(), QStringLiteral("Lab & \"<new>\""));
    QCOMPARE(h.vc.requests(details).last().value("id"), QStringLiteral("3"));
    QCOMPARE(h.edit("le_host_address")->text(), QStringLiteral("esxi-9's"));
    const LxSim::SimWorld::VcHost* stored = h.vc.rig.world.vcHost(1, 3);
    QVERIFY(stored);
    QVERIFY(!stored->enabled);
    QCOMPARE(stored->userName, QStringLiteral("a<b"));
}

void TestVirtCentWindowTabHosts::addRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("warning");

    const QString empty =
        QStringLiteral("Nazwa hosta nie może być pusta.\n\nWprowadź nazwę hosta i spróbuj ponownie.");
    const QString taken = QStringLiteral(
        "Nazwa hosta musi być unikalna.\n\nWprowadź prawidłową nazwę hosta i spróbuj ponownie.");
    const QString noAddress =
        QStringLiteral("Adres hosta nie może być pusty.\n\nWprowadź adres hosta i spróbuj ponownie.");
    const QString badPort = QStringLiteral(
        "Nieprawidłowy numer portu.\n\nWprowadź wartość z zakresu 1-65535 i spróbuj ponownie.");
    const QString noUser = QStringLiteral(
        "Nazwa użytkownika nie może być pusta.\n\nWprowadź nazwę użytkownika i spróbuj ponownie.");
    QTest::newRow("empty name") << ""
                                << ""
                                << ""
                                << "" << empty;
    QTest::newRow("name of another host") << "  host   a "
                                          << "a"
                                          << "22"
                                          << "u" << taken;
    QTest::newRow("name of a host of another type") << "cluster c"
                                                    << "a"
                                                    << "22"
                                                    << "u" << taken;
    QTest::newRow("empty address") << "new"
                                   << ""
                                   << "22"
                                   << "u" << noAddress;
    QTest::newRow("port 0") << "new"
                            << "a"
                            << "0"
                            << "u" << badPort;
    QTest::newRow("port above") << "new"
                                << "a"
                                << "65536"
                                << "u" << badPort;
    QTest::newRow("port not a number") << "new"
                                       << "a"
                                       << "22a"
                                       << "u" << badPort;
    QTest::newRow("empty port") << "new"
                                << "a"
                                << ""
                                << "u" << badPort;
    QTest::newRow("empty user") << "   "
                                << "a"
                                << "65535"
                                << "" << noUser;
}

void TestVirtCentWindowTabHosts::addRefusals()
{
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QString, user);
    QFETCH(QString, warning);

    Hosts h;
    QVERIFY(h.start());
    h.button("btn_add_host")->click();
    h.fillHost(name, address, port, user, QStringLiteral("secret"));
    QCOMPARE(h.warningOf("btn_accept_addnewmode"), warning);
    QCOMPARE(h.tab.mode(), int(Mode::AddingHost));
    QCOMPARE(h.edit("le_host_name")->text(), name);
    QCOMPARE(h.edit("le_host_pass")->text(), QStringLiteral("secret"));
    QTest::qWait(50);
    QCOMPARE(h.vc.count(addRequest), 0);
}

void TestVirtCentWindowTabHosts::addErrorSendsNothingMore()
{
    Hosts h;
    QVERIFY(h.start());
    h.vc.rig.world.failRequest(addRequest, QStringLiteral("Host key rejected"));
    h.button("btn_add_host")->click();
    h.fillHost(QStringLiteral("new"), QStringLiteral("10.0.0.9"), QStringLiteral("22"),
               QStringLiteral("root"), QStringLiteral("pw"));
    const int listsBefore = h.vc.count(hostList);
    QCOMPARE(h.warningOf("btn_accept_addnewmode"),
             QStringLiteral("Błąd podczas dodawania nowego hosta:\n\nHost key rejected"));
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    // The typed values stay in the disabled fields.
    QCOMPARE(h.edit("le_host_name")->text(), QStringLiteral("new"));
    QVERIFY(!h.edit("le_host_name")->isEnabled());
    QTest::qWait(50);
    QCOMPARE(h.vc.count(hostList), listsBefore);
    QCOMPARE(h.vc.rig.world.vcHostList().size(), 3);
}

// A host whose add is still unanswered, or not yet in any list, holds its
// name: the same host is not added twice.
void TestVirtCentWindowTabHosts::nameOfAHostNotListedYetIsTaken()
{
    Hosts h;
    QVERIFY(h.start());
    h.vc.rig.world.delayRequest(addRequest, 500);
    h.button("btn_add_host")->click();
    h.fillHost(QStringLiteral("New host"), QStringLiteral("10.0.0.9"), QStringLiteral("22"),
               QStringLiteral("root"), QStringLiteral("pw"));
    h.button("btn_accept_addnewmode")->click();
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    h.button("btn_add_host")->click();
    h.fillHost(QStringLiteral("new HOST"), QStringLiteral("10.0.0.9"), QStringLiteral("22"),
               QStringLiteral("root"), QStringLiteral("pw"));
    QCOMPARE(h.warningOf("btn_accept_addnewmode"),
             QStringLiteral(
                 "Nazwa hosta musi być unikalna.\n\nWprowadź prawidłową nazwę hosta i spróbuj ponownie."));
    QTRY_COMPARE(h.combo()->currentText(), QStringLiteral("New host"));
    QCOMPARE(h.vc.count(addRequest), 1);
    QCOMPARE(h.vc.rig.world.vcHostList().size(), 4);
}

void TestVirtCentWindowTabHosts::editFieldByField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Entries>("sent");

    QTest::newRow("enabled") << "chk_host_enabled"
                             << ""
                             << "btn_host_enabled_save"
                             << Entries{{"id", "2"}, {"is_enabled", "0"}, {"type", "1"}};
    QTest::newRow("name") << "le_host_name"
                          << "B & <co>"
                          << "btn_host_name_save"
                          << Entries{{"id", "2"}, {"name", "B &amp; &lt;co&gt;"}, {"type", "1"}};
    QTest::newRow("own name in capitals")
        << "le_host_name"
        << "HOST B"
        << "btn_host_name_save" << Entries{{"id", "2"}, {"name", "HOST B"}, {"type", "1"}};
    QTest::newRow("connection") << "le_host_address"
                                << "10.9.9.9\""
                                << "btn_host_conn_save"
                                << Entries{{"address", "10.9.9.9&quot;"},
                                           {"id", "2"},
                                           {"port", "2222"},
                                           {"type", "1"}};
    QTest::newRow("user name") << "le_host_username"
                               << "o'ps"
                               << "btn_host_username_save"
                               << Entries{{"auth_method_password", "1"},
                                          {"id", "2"},
                                          {"type", "1"},
                                          {"user_name", "o&apos;ps"}};
    QTest::newRow("password") << "le_host_pass"
                              << "p<w>"
                              << "btn_host_pass_change"
                              << Entries{{"auth_method_password", "1"},
                                         {"id", "2"},
                                         {"password", "p&lt;w&gt;"},
                                         {"type", "1"}};
}

// Each save sends its one setting of the selected host, escaped; the answer
// ends editing and the form shows what the service now holds.
void TestVirtCentWindowTabHosts::editFieldByField()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(Entries, sent);

    Hosts h;
    QVERIFY(h.start());
    h.combo()->setCurrentIndex(1);
    QTRY_COMPARE(h.edit("le_host_name")->text(), QStringLiteral("Host B"));
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    h.button("btn_edit_host")->click();
    if (field == QLatin1String("chk_host_enabled"))
        h.tab.findChild<QCheckBox*>(field)->setChecked(false);
    else
        h.tab.findChild<QLineEdit*>(field)->setText(typed);
    h.vc.rig.world.delayRequest(editHost, 200);
    h.button(button.toLatin1().constData())->click();
    // Sent, the tab still edits until the service answers.
    QCOMPARE(h.tab.mode(), int(Mode::EditingHost));
    QVERIFY(h.vc.waitFor(editHost));
    QCOMPARE(h.vc.requests(editHost).at(0).raw, h.vc.mapRequest(editHost, sent));
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.vc.count(editHost), 1);
    QCOMPARE(h.vc.requests(details).last().value("id"), QStringLiteral("2"));
    const LxSim::SimWorld::VcHost* stored = h.vc.rig.world.vcHost(1, 2);
    if (field == QLatin1String("chk_host_enabled")) {
        QVERIFY(!stored->enabled);
        QVERIFY(!h.tab.findChild<QCheckBox*>(field)->isChecked());
    } else if (field == QLatin1String("le_host_pass")) {
        QCOMPARE(stored->password, typed);
        QVERIFY(h.edit("le_host_pass")->text().isEmpty());
    } else {
        QCOMPARE(h.tab.findChild<QLineEdit*>(field)->text(), typed);
    }
}

void TestVirtCentWindowTabHosts::editRefusals_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("warning");

    QTest::newRow("name of another host")
        << "le_host_name"
        << "host b"
        << "btn_host_name_save"
        << "Nazwa hosta musi być unikalna.\n\nWprowadź prawidłową nazwę hosta i "
           "spróbuj ponownie.";
    QTest::newRow("empty name")
        << "le_host_name"
        << ""
        << "btn_host_name_save"
        << "Nazwa hosta nie może być pusta.\n\nWprowadź nazwę hosta i spróbuj ponownie.";
    QTest::newRow("empty address")
        << "le_host_address"
        << ""
        << "btn_host_conn_save"
        << "Adres hosta nie może być pusty.\n\nWprowadź adres hosta i spróbuj ponownie.";
    QTest::newRow("bad port") << "le_host_port"
                              << "70000"
                              << "btn_host_conn_save"
                              << "Nieprawidłowy numer portu.\n\nWprowadź wartość z zakresu 1-65535 i spróbuj "
                                 "ponownie.";
    QTest::newRow("empty user")
        << "le_host_username"
        << ""
        << "btn_host_username_save"
        << "Nazwa użytkownika nie może być pusta.\n\nWprowadź nazwę użytkownika i spróbuj "
           "ponownie.";
    // An empty password would erase the stored one.
    QTest::newRow("empty password") << "le_host_pass"
                                    << ""
                                    << "btn_host_pass_change"
                                    << "Hasło nie może być puste.\n\nWprowadź nowe hasło i spróbuj ponownie.";
}

void TestVirtCentWindowTabHosts::editRefusals()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, warning);

    Hosts h;
    QVERIFY(h.start());
    h.button("btn_edit_host")->click();
    h.tab.findChild<QLineEdit*>(field)->setText(typed);
    QCOMPARE(h.warningOf(button.toLatin1().constData()), warning);
    QCOMPARE(h.tab.mode(), int(Mode::EditingHost));
    QTest::qWait(50);
    QCOMPARE(h.vc.count(editHost), 0);
}

void TestVirtCentWindowTabHosts::editErrorShowsStoredValues()
{
    Hosts h;
    QVERIFY(h.start());
    h.vc.rig.world.failRequest(editHost, QStringLiteral("Name in use"));
    h.button("btn_edit_host")->click();
    h.edit("le_host_name")->setText(QStringLiteral("Renamed"));
    h.edit("le_host_address")->setText(QStringLiteral("typed.but.not.saved"));
    const int listsBefore = h.vc.count(hostList);
    QCOMPARE(h.warningOf("btn_host_name_save"),
             QStringLiteral("Błąd podczas edycji parametrów hosta:\n\nName in use"));
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.vc.count(hostList), listsBefore + 1);
    QCOMPARE(h.edit("le_host_name")->text(), QStringLiteral("Host A"));
    QCOMPARE(h.edit("le_host_address")->text(), QStringLiteral("esxi-a.lab.local"));
}

void TestVirtCentWindowTabHosts::finishDropsUnsavedEdits()
{
    Hosts h;
    QVERIFY(h.start());
    h.button("btn_edit_host")->click();
    h.edit("le_host_username")->setText(QStringLiteral("typed"));
    h.button("btn_cancel_addnewmode")->click();
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.edit("le_host_username")->text(), QStringLiteral("root"));
    QCOMPARE(h.vc.count(editHost), 0);
}

void TestVirtCentWindowTabHosts::removeHost()
{
    Hosts h;
    QVERIFY(h.start());
    QSharedPointer<LxTest::SeenBox> seen;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    LxTest::answerNextDialog([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        defaultButton = box->standardButton(box->defaultButton());
        seen.reset(new LxTest::SeenBox{true, box->windowTitle(), box->text(), QString()});
        box->button(QMessageBox::Yes)->click();
    });
    h.button("btn_remove_host")->click();
    QVERIFY(seen);
    QCOMPARE(seen->windowTitle, title);
    QCOMPARE(seen->text, QStringLiteral("Czy na pewno chcesz usunąć wybrany host:\n\"Host A\"?"));
    QCOMPARE(defaultButton, QMessageBox::No);
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    QVERIFY(h.vc.waitFor(removeRequest));
    QCOMPARE(h.vc.requests(removeRequest).at(0).raw,
             h.vc.mapRequest(removeRequest, {{"id", "1"}, {"type", "1"}}));
    // The tab asks for a list made after the removal: the first host left is shown.
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.items(), (QStringList{"Host B", "Cluster C"}));
    QCOMPARE(h.edit("le_host_name")->text(), QStringLiteral("Host B"));
}

// A list asked for before the removal (the machines tab polls each second)
// still names the host when it comes; the host leaves the combo all the same.
void TestVirtCentWindowTabHosts::removeHostWithLateList()
{
    Hosts h;
    QVERIFY(h.start());
    h.vc.rig.world.delayRequest(hostList, 300);
    QSignalSpy lists(&h.vc.controller, &Luminorix::UpsSocketController::virtualizationCenterHostListReceived);
    h.pollHostList();
    QVERIFY(h.vc.waitFor(hostList, 2));
    LxTest::answerNextMessageBox(QMessageBox::Yes);
    h.button("btn_remove_host")->click();
    QVERIFY(h.vc.waitFor(removeRequest));
    QTRY_COMPARE(lists.count(), 2);
    QCOMPARE(lists.at(0).at(0).value<QList<VirtualizationCenterHost>>().size(), 3);
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.items(), (QStringList{"Host B", "Cluster C"}));
    QCOMPARE(h.edit("le_host_name")->text(), QStringLiteral("Host B"));
}

// Details asked for before "Dodaj nowy" and answered after it: the form keeps
// what the user types and stays in add mode.
void TestVirtCentWindowTabHosts::lateDetailsInAddMode()
{
    Hosts h;
    QVERIFY(h.start());
    h.vc.rig.world.delayRequest(details, 300);
    QSignalSpy answers(&h.vc.controller,
                       &Luminorix::UpsSocketController::virtualizationCenterEsxiSshHostDetailsReceived);
    h.combo()->setCurrentIndex(1);
    h.button("btn_add_host")->click();
    QCOMPARE(h.tab.mode(), int(Mode::AddingHost));
    h.fillHost(QStringLiteral("New host"), QStringLiteral("10.1.1.1"), QStringLiteral("22"),
               QStringLiteral("admin"), QStringLiteral("secret"));
    QVERIFY(h.vc.waitFor(details, 2));
    QTRY_COMPARE(answers.count(), 1);
    QCOMPARE(h.tab.mode(), int(Mode::AddingHost));
    QCOMPARE(h.edit("le_host_name")->text(), QStringLiteral("New host"));
    QCOMPARE(h.edit("le_host_address")->text(), QStringLiteral("10.1.1.1"));
    QCOMPARE(h.edit("le_host_pass")->text(), QStringLiteral("secret"));
    QVERIFY(h.button("btn_accept_addnewmode")->isEnabled());
}

void TestVirtCentWindowTabHosts::removeAnsweredNo()
{
    Hosts h;
    QVERIFY(h.start());
    LxTest::answerNextMessageBox(QMessageBox::No);
    h.button("btn_remove_host")->click();
    QCOMPARE(h.tab.mode(), int(Mode::HostShown));
    QTest::qWait(50);
    QCOMPARE(h.vc.count(removeRequest), 0);
    QCOMPARE(h.vc.rig.world.vcHostList().size(), 3);
}

void TestVirtCentWindowTabHosts::connectionTest_data()
{
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("hostError");
    QTest::addColumn<QString>("result");

    QTest::newRow("passes") << false << false << QString() << "Wynik testu pozytywny [ OK ]";
    QTest::newRow("fails") << false << false << "Authentication failed"
                           << "Wynik testu NEGATYWNY:\nAuthentication failed";
    QTest::newRow("forced, while editing") << true << true << QString() << "Wynik testu pozytywny [ OK ]";
}

void TestVirtCentWindowTabHosts::connectionTest()
{
    QFETCH(bool, force);
    QFETCH(bool, editing);
    QFETCH(QString, hostError);
    QFETCH(QString, result);

    Hosts h;
    QList<LxSim::SimWorld::VcHost> hosts = h.vc.rig.world.vcHostList();
    hosts[0].testError = hostError;
    h.vc.rig.world.setVcHosts(hosts);
    QVERIFY(h.start());
    if (editing) {
        h.button("btn_edit_host")->click();
        h.edit("le_host_address")->setText(QStringLiteral("unsaved"));
    }
    h.vc.rig.world.delayRequest(testHost, 200);
    h.button(force ? "btn_force_connection" : "btn_test_connection")->click();
    QCOMPARE(h.tab.mode(), int(Mode::TestRunning));
    QCOMPARE(h.testResult(), QStringLiteral("Wykonywanie testu..."));
    QVERIFY(!h.combo()->isEnabled());
    QVERIFY(!h.button("btn_test_connection")->isEnabled());
    QVERIFY(h.vc.waitFor(testHost));
    QCOMPARE(h.vc.requests(testHost).at(0).raw,
             h.vc.mapRequest(testHost, {{"allow_connect_new_host", force ? "1" : "0"}, {"id", "1"}}));
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.testResult(), result);
    // A test started while editing ends it; the unsaved value stays until the next details.
    QCOMPARE(h.edit("le_host_address")->text(),
             editing ? QStringLiteral("unsaved") : QStringLiteral("esxi-a.lab.local"));
}

// The service restarts while a test runs: its answer never comes, and the wait
// for it gives the tab back.
void TestVirtCentWindowTabHosts::unansweredTestUnlocksTheTab()
{
    Hosts h;
    QVERIFY(h.start());
    h.vc.rig.server.responder().script(testHost, {});
    auto* wait = h.tab.findChild<AnswerWait*>(QStringLiteral("test_wait"));
    QCOMPARE(wait->timeoutMs(), 60000);
    QVERIFY(!wait->isWaiting());
    h.button("btn_test_connection")->click();
    QVERIFY(wait->isWaiting());
    QCOMPARE(h.tab.mode(), int(Mode::TestRunning));
    QVERIFY(h.vc.waitFor(testHost));
    wait->expireNow();
    QCOMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.testResult(), QStringLiteral("Usługa nie odpowiedziała na czas."));
    QVERIFY(h.button("btn_test_connection")->isEnabled());

    // An answer stops the wait.
    h.vc.rig.server.responder().clearScript(testHost);
    h.button("btn_test_connection")->click();
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QVERIFY(!wait->isWaiting());
    QCOMPARE(h.testResult(), QStringLiteral("Wynik testu pozytywny [ OK ]"));
}

// The selection moves on while its details are under way: a reply about
// another host is not put into the form, whose save buttons would then write
// it onto the selected host; the selected host's details are asked again.
void TestVirtCentWindowTabHosts::mismatchedDetailsAskAgain()
{
    Hosts h;
    QVERIFY(h.start());
    h.vc.rig.server.responder().scriptOnce(details, {detailsReply(1, 1, QStringLiteral("Host A")).toUtf8()});
    h.combo()->setCurrentIndex(1);
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    QVERIFY(h.vc.waitFor(details, 3));
    QTRY_COMPARE(h.tab.mode(), int(Mode::HostShown));
    QCOMPARE(h.edit("le_host_name")->text(), QStringLiteral("Host B"));
    const QList<LxSim::SimRequest> asked = h.vc.requests(details);
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked.at(1).value("id"), QStringLiteral("2"));
    QCOMPARE(asked.at(2).value("id"), QStringLiteral("2"));

    h.button("btn_edit_host")->click();
    h.button("btn_host_name_save")->click();
    QVERIFY(h.vc.waitFor(editHost));
    QCOMPARE(h.vc.requests(editHost).at(0).toMap().value("id"), QStringLiteral("2"));
    QCOMPARE(h.vc.requests(editHost).at(0).toMap().value("name"), QStringLiteral("Host B"));
}

void TestVirtCentWindowTabHosts::wrongHostForeverAsksOnce()
{
    Hosts h;
    QVERIFY(h.start());
    h.vc.rig.server.responder().script(details, {detailsReply(1, 9, QStringLiteral("Ghost")).toUtf8()});
    h.combo()->setCurrentIndex(1);
    QVERIFY(h.vc.waitFor(details, 3));
    QTest::qWait(200);
    QCOMPARE(h.vc.count(details), 3);
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    QCOMPARE(h.edit("le_host_name")->text(), QStringLiteral("Host A"));
    QVERIFY(!h.button("btn_edit_host")->isEnabled());
}

// The host being edited leaves the list: the first host left is selected, and
// while its details are missing the form, still holding the old host's values,
// offers nothing to save, edit, remove or test.
void TestVirtCentWindowTabHosts::vanishedSelectionGoesIdle()
{
    Hosts h;
    QVERIFY(h.start());
    h.vc.rig.server.responder().script(details, {});
    QList<LxSim::SimWorld::VcHost> hosts = h.vc.rig.world.vcHostList();
    hosts.removeFirst();
    h.vc.rig.world.setVcHosts(hosts);
    h.button("btn_edit_host")->click();
    QCOMPARE(h.warningOf("btn_host_name_save"),
             QStringLiteral("Błąd podczas edycji parametrów hosta:\n\nNo such host"));
    QTRY_COMPARE(h.combo()->currentText(), QStringLiteral("Host B"));
    QCOMPARE(h.tab.mode(), int(Mode::Idle));
    QCOMPARE(h.edit("le_host_name")->text(), QStringLiteral("Host A"));
    QVERIFY(h.button("btn_host_name_save")->isHidden());
    QVERIFY(!h.button("btn_edit_host")->isEnabled());
    QVERIFY(!h.button("btn_remove_host")->isEnabled());
    QVERIFY(h.button("btn_test_connection")->isHidden());
}

LX_TEST_MAIN(TestVirtCentWindowTabHosts)
#include "tst_virtcentwindowtabhosts.moc"
