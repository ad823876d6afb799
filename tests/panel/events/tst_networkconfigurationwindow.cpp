#include "common/helpers.h"
#include "common/showntext.h"
#include "link/framing.h"
#include "link/requestserializers.h"
#include "link/upssocketcontroller.h"
#include "panel/base/answerwait.h"
#include "panel/base/dialogrelay.h"
#include "panel/events/computerconfigurationwindow.h"
#include "panel/events/networkconfigurationwindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"
#include "tools/sim/replybuilder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

using LxTest::ShownBox;
using LxTest::takeMessageBoxes;

namespace {
Computer computer(const QString& name, const QString& address, int id, const QString& password = QString())
{
    Computer c;
    c.computer_name = name;
    c.computer_address = address;
    c.computer_password = password;
    c.computer_configId = id;
    return c;
}

Group group(const QString& name, int id, const QVector<int>& members)
{
    Group g;
    g.group_name = name;
    g.group_configId = id;
    g.computers = members;
    return g;
}

// The installation every test starts from: a local computer, two on the
// network (one written with a port), one without an address, and a member id
// that names no computer.
QVector<Computer> someComputers()
{
    return {computer(QStringLiteral("Serwer"), QStringLiteral("127.0.0.1"), 0, QStringLiteral("a")),
            computer(QStringLiteral("Biuro & Co"), QStringLiteral("192.168.1.20"), 1, QStringLiteral("b")),
            computer(QStringLiteral("Magazyn"), QStringLiteral("192.168.1.10:3052"), 2, QStringLiteral("c")),
            computer(QStringLiteral("Pusty"), QString(), 3, QStringLiteral("d"))};
}

QVector<Group> someGroups()
{
    return {group(QStringLiteral("Serwerownia"), 0, {1, 2, 9, 3}), group(QStringLiteral("Default"), 1, {0})};
}

QVector<Event> someEvents()
{
    Event normal;
    normal.event_state = QStringLiteral("stateNormal");
    normal.expressionIn = QStringLiteral("stateNormal,ON,==,");
    normal.expressionOut = QStringLiteral("stateNormal,OFF,==,");
    normal.event_number = 1;
    normal.event_parentId = 0;
    normal.messageAction.reset(new MessageAction);
    normal.messageAction->message_text = QStringLiteral("Zasilanie wróciło");
    return {normal};
}

Luminorix::Utils::Ups someUps(bool sockets = false)
{
    Luminorix::Utils::Ups ups;
    ups.id = QStringLiteral("1");
    ups.model_name = QStringLiteral("KitePro_USB");
    ups.output_socket1 = sockets;
    return ups;
}

// The dialog on a controller connected to the stand-in, wired as the window
// opens it; the test stands in for the window's relay.
struct Net
{
    ServiceRig rig;
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    std::unique_ptr<NetworkConfigurationWindow> dialog;
    QVector<Event> events = someEvents();

    bool start(const QStringList& order = {QStringLiteral("groups"), QStringLiteral("events"),
                                           QStringLiteral("all_computers")},
               const Luminorix::Utils::Ups& ups = someUps())
    {
        rig.world.setComputersPayload(QString::fromUtf8(Luminorix::serializeComputers(someComputers())));
        rig.world.setGroupsPayload(ups.id,
                                   QString::fromUtf8(Luminorix::serializeGroups(someGroups(), ups.id)));
        rig.world.setEventsPayload(ups.id, QString::fromUtf8(Luminorix::serializeEvents(events, ups.id)));
        rig.world.setNetworkReplyOrder(order);
        if (!rig.listen() || !rig.connect(controller))
            return false;
        dialog.reset(new NetworkConfigurationWindow(ups));
        rig.logIn(controller);
        connectToService(dialog.get(), &controller, relay);
        dialog->requestNetworkConfiguration(ups.id);
        dialog->show();
        return true;
    }
    bool startLoaded()
    {
        return start() && QTest::qWaitFor([this] { return saveButton()->isEnabled(); }, 20000);
    }
    template <class W> W* w(const char* name) const { return dialog->findChild<W*>(QLatin1String(name)); }
    QPushButton* button(const char* name) const { return w<QPushButton>(name); }
    QPushButton* saveButton() const
    {
        return w<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Save);
    }
    QPushButton* cancelButton() const
    {
        return w<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Cancel);
    }
    QTreeWidget* network() const { return w<QTreeWidget>("networkElementsTree"); }
    QTreeWidget* available() const { return w<QTreeWidget>("availableComputers"); }
    AnswerWait* loadWait() const { return w<AnswerWait>("noResponseTimer"); }

    QStringList networkTexts() const
    {
        QStringList texts;
        for (int i = 0; i < network()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* g = network()->topLevelItem(i);
            texts << g->text(0);
            for (int j = 0; j < g->childCount(); ++j)
                texts << QStringLiteral("  ") + g->child(j)->text(0) + QStringLiteral(" | ") +
                             g->child(j)->text(1);
        }
        return texts;
    }
    QStringList availableTexts() const
    {
        QStringList texts;
        if (QTreeWidgetItem* header = available()->topLevelItem(0)) {
            texts << header->text(0);
            for (int j = 0; j < header->childCount(); ++j)
                texts << QStringLiteral("  ") + header->child(j)->text(0) + QStringLiteral(" | ") +
                             header->child(j)->text(1);
        }
        return texts;
    }
    QTreeWidgetItem* find(QTreeWidget* tree, const QString& name) const
    {
        const QList<QTreeWidgetItem*> found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void select(QTreeWidget* tree, const QString& name) const
    {
        QTreeWidgetItem* item = find(tree, name);
        QVERIFY2(item, qPrintable(name));
        tree->setCurrentItem(item);
    }
    // Names of the requests after the configuration was asked for.
    QStringList sentAfterLoading() const
    {
        QStringList names = rig.server.requestNames();
        names = names.mid(names.lastIndexOf(QStringLiteral("get_network_configuration")) + 1);
        names.removeAll(QStringLiteral("get_ups_device_state"));
        names.removeAll(QStringLiteral("get_ups_current_status_list"));
        names.removeAll(QStringLiteral("get_ups_configuration"));
        return names;
    }
};

// Fills the computer dialog that opens next and presses its OK; `then` runs
// while it is still open.
void answerComputerDialog(const QString& name, const QString& address, const QString& password,
                          const QString& groupName, std::function<void(ComputerConfigurationWindow*)> then)
{
    LxTest::answerNextDialog([=](QWidget* widget) {
        auto* dialog = qobject_cast<ComputerConfigurationWindow*>(widget);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>(QStringLiteral("computerNameEdit"))->setText(name);
        if (!address.isNull())
            dialog->findChild<QLineEdit*>(QStringLiteral("computerAddressEdit"))->setText(address);
        dialog->findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(password);
        if (!groupName.isNull()) {
            auto* box = dialog->findChild<QComboBox*>(QStringLiteral("groupBox"));
            box->setCurrentIndex(box->findText(groupName));
        }
        dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        then(dialog);
    });
}
} // namespace

class TestNetworkConfigurationWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void loading_data();
    void loading();
    void okSendsEverythingInOrder();
    void buttonsFollowSelection_data();
    void buttonsFollowSelection();
    void addComputer_data();
    void addComputer();
    void dismissedComputerDialogIgnoresLateAnswer();
    void knownAddressRefused_data();
    void knownAddressRefused();
    void removeComputer_data();
    void removeComputer();
    void groupsMembersAndFreedIds();
    void moveComputerIntoGroup();
    void cancelAfterPasswordChange_data();
    void cancelAfterPasswordChange();
    void logoutLeavesOnlyCancel();
    void listReplyDuringAnEditKeepsTheEdit();
    void emptyAdvancedEventRefused();
    void longMessageShownCutAndKept_data();
    void longMessageShownCutAndKept();
    void configurationTooLargeToReadBackRefused();

private:
    LxTest::ModalWatchdog* watchdog = nullptr;
};

void TestNetworkConfigurationWindow::init()
{
    watchdog = new LxTest::ModalWatchdog(30000);
}

void TestNetworkConfigurationWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
    delete watchdog;
}

void TestNetworkConfigurationWindow::form_data()
{
    QTest::addColumn<bool>("sockets");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("advanced");
    QTest::newRow("no output sockets") << false << "KitePro_USB" << 5 << false;
    QTest::newRow("output socket") << true << "KitePro_USB" << 6 << false;
    QTest::newRow("advanced model") << false << "Falcon_3000" << 5 << true;
}

void TestNetworkConfigurationWindow::form()
{
    QFETCH(bool, sockets);
    QFETCH(QString, model);
    QFETCH(int, columns);
    QFETCH(bool, advanced);
    Luminorix::Utils::Ups ups = someUps(sockets);
    ups.model_name = model;
    NetworkConfigurationWindow dialog(ups);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Konfiguracja zdarzeń"));
    QCOMPARE(dialog.findChild<QTreeWidget*>("eventsTree")->columnCount(), columns);
    for (const char* name : {"outputSocketActionLabel", "outputSocketBox", "outputSocketConfigurationButton"})
        QCOMPARE(dialog.findChild<QWidget*>(name)->isVisible(), sockets);
    QCOMPARE(dialog.findChild<QWidget*>("advancedConfigurationButton")->isVisible(), advanced);
    // Nothing can be saved or changed before the configuration is in.
    QVERIFY(!dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->isEnabled());
    for (const char* name : {"addComputerButton", "addGroupButton", "discoverButton", "addEventButton"})
        QVERIFY(!dialog.findChild<QPushButton*>(name)->isEnabled());
}

void TestNetworkConfigurationWindow::loading_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<bool>("loads");
    QTest::newRow("groups, events, computers") << QStringList{"groups", "events", "all_computers"} << true;
    QTest::newRow("events, groups, computers") << QStringList{"events", "groups", "all_computers"} << true;
    QTest::newRow("computers first") << QStringList{"all_computers", "groups", "events"} << false;
    QTest::newRow("no answer") << QStringList{} << false;
}

void TestNetworkConfigurationWindow::loading()
{
    QFETCH(QStringList, order);
    QFETCH(bool, loads);
    Net n;
    QSignalSpy replies(&n.controller, &Luminorix::UpsSocketController::eventsReceived);
    QVERIFY(n.start(order));
    QTRY_VERIFY(n.rig.server.requestNames().contains(QStringLiteral("get_network_configuration")));
    QCOMPARE(n.rig.requests(QStringLiteral("get_network_configuration")).first().value(QStringLiteral("id")),
             QStringLiteral("1"));
    if (!order.isEmpty())
        QTRY_COMPARE(replies.count(), 1);

    if (!loads) {
        QVERIFY(n.loadWait()->isWaiting());
        QVERIFY(!n.saveButton()->isEnabled());
        QCOMPARE(n.network()->topLevelItemCount(), 0);
        n.loadWait()->expireNow();
        QCOMPARE(takeMessageBoxes(),
                 (QList<ShownBox>{{QStringLiteral("Błąd odczytu"),
                                   QStringLiteral("Nie odczytano pliku konfiguracyjnego")}}));
        QVERIFY(n.dialog->isVisible());
        QVERIFY(!n.saveButton()->isEnabled());
        // The answers come late after all: the dialog completes as usual.
        const QString id = QStringLiteral("1");
        n.rig.server.push("<groups>" + Luminorix::serializeGroups(someGroups(), id) + "</groups>");
        n.rig.server.push("<events>" + Luminorix::serializeEvents(someEvents(), id) + "</events>");
        n.rig.server.push("<all_computers>" + Luminorix::serializeComputers(someComputers()) +
                          "</all_computers>");
    }
    QTRY_VERIFY(n.saveButton()->isEnabled());
    QVERIFY(!n.loadWait()->isWaiting());
    QVERIFY(takeMessageBoxes().isEmpty());
    for (const char* name : {"addComputerButton", "addGroupButton", "discoverButton"})
        QVERIFY2(n.button(name)->isEnabled(), name);

    // Members under their group by address text (not by id order); the id
    // without a computer is counted but shows nothing.
    QCOMPARE(n.networkTexts(),
             (QStringList{"Serwerownia (4)", "  Pusty | ", "  Magazyn | 192.168.1.10:3052",
                          "  Biuro & Co | 192.168.1.20", "Default (1)", "  Serwer | localhost"}));
    QVERIFY(!n.network()->topLevelItem(0)->isExpanded());
    QCOMPARE(n.availableTexts(),
             (QStringList{"Komputery dostępne w systemie Luminorix", "  Serwer | localhost",
                          "  Biuro & Co | 192.168.1.20", "  Magazyn | 192.168.1.10:3052", "  Pusty | "}));
    // The first group is selected and its events are listed.
    QCOMPARE(n.network()->currentItem(), n.network()->topLevelItem(0));
    auto* events = n.w<QTreeWidget>("eventsTree");
    QCOMPARE(events->topLevelItemCount(), 1);
    QCOMPARE(events->topLevelItem(0)->text(0), QStringLiteral("Praca w trybie sieciowym"));
    QCOMPARE(events->topLevelItem(0)->text(1), QStringLiteral("*"));
    QCOMPARE(events->topLevelItem(0)->text(2), QString());
    QCOMPARE(n.dialog->minimumSize(), n.dialog->maximumSize());
}

void TestNetworkConfigurationWindow::okSendsEverythingInOrder()
{
    Net n;
    QVERIFY(n.startLoaded());
    QSignalSpy accepted(n.dialog.get(), &QDialog::accepted);
    n.saveButton()->click();
    QCOMPARE(accepted.count(), 1);
    QTRY_COMPARE(n.sentAfterLoading(), (QStringList{"all_computers", "events", "groups"}));

    QCOMPARE(
        n.rig.requests(QStringLiteral("all_computers")).first().payload(),
        QStringLiteral("<computer><computer_name>Serwer</computer_name><computer_address>127.0.0.1"
                       "</computer_address><computer_password>a</computer_password><computer_configId>0"
                       "</computer_configId></computer>"
                       "<computer><computer_name>Biuro &amp; Co</computer_name><computer_address>192.168.1.20"
                       "</computer_address><computer_password>b</computer_password><computer_configId>1"
                       "</computer_configId></computer>"
                       "<computer><computer_name>Magazyn</computer_name><computer_address>192.168.1.10:3052"
                       "</computer_address><computer_password>c</computer_password><computer_configId>2"
                       "</computer_configId></computer>"
                       "<computer><computer_name>Pusty</computer_name><computer_address></computer_address>"
                       "<computer_password>d</computer_password><computer_configId>3</computer_configId>"
                       "</computer>"));
    QCOMPARE(
        n.rig.requests(QStringLiteral("events")).first().payload(),
        QStringLiteral("<ups_id>1</ups_id><event><event_state>stateNormal</event_state><expressionIn>"
                       "stateNormal,ON,==,</expressionIn><expressionOut>stateNormal,OFF,==,</expressionOut>"
                       "<event_number>1</event_number><event_parentId>0</event_parentId><actions>"
                       "<message_action><message_text>Zasilanie wróciło</message_text></message_action>"
                       "</actions></event>"));
    // The member id without a computer stays in the group.
    QCOMPARE(
        n.rig.requests(QStringLiteral("groups")).first().payload(),
        QStringLiteral("<ups_id>1</ups_id><group><group_name>Serwerownia</group_name>\n<group_configId>0"
                       "</group_configId>\n<computers><computer><computer_configId>1</computer_configId>"
                       "</computer><computer><computer_configId>2</computer_configId></computer><computer>"
                       "<computer_configId>9</computer_configId></computer><computer><computer_configId>3"
                       "</computer_configId></computer></computers></group><group><group_name>Default"
                       "</group_name>\n<group_configId>1</group_configId>\n<computers><computer>"
                       "<computer_configId>0</computer_configId></computer></computers></group>"));
}

void TestNetworkConfigurationWindow::buttonsFollowSelection_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("item");
    // changePass, edit, removeGroup, arrowDown, arrowUp, removeComputer
    QTest::addColumn<QString>("enabled");

    // After loading the first group is selected: 011000.
    QTest::newRow("group") << "network"
                           << "Serwerownia (4)"
                           << "011000";
    QTest::newRow("Default group") << "network"
                                   << "Default (1)"
                                   << "000000";
    QTest::newRow("computer in a group") << "network"
                                         << "Biuro & Co"
                                         << "100010";
    QTest::newRow("computer without address is no group") << "network"
                                                          << "Pusty"
                                                          << "100010";
    QTest::newRow("remote computer") << "available"
                                     << "Biuro & Co"
                                     << "011101";
    QTest::newRow("local computer stays in the system") << "available"
                                                        << "Serwer"
                                                        << "011100";
    QTest::newRow("header") << "available"
                            << "Komputery dostępne w systemie Luminorix"
                            << "011000";
}

void TestNetworkConfigurationWindow::buttonsFollowSelection()
{
    QFETCH(QString, tree);
    QFETCH(QString, item);
    QFETCH(QString, enabled);
    Net n;
    QVERIFY(n.startLoaded());
    if (tree == QLatin1String("available"))
        n.select(n.available(), QStringLiteral("Serwer")); // something else first
    n.select(tree == QLatin1String("network") ? n.network() : n.available(), item);
    QString seen;
    for (const char* name : {"changePassButton", "editButton", "removeGroupButton", "arrowDownButton",
                             "arrowUpButton", "removeComputerButton"})
        seen += n.button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(seen, enabled);
    if (tree != QLatin1String("network"))
        return;
    for (const char* name : {"addEventButton", "editEventButton", "removeEventButton"})
        QVERIFY(n.button(name)->isEnabled());
    // Remove group acts on groups only, whatever a computer item holds.
    n.button("removeGroupButton")->setEnabled(true);
    n.button("removeGroupButton")->click();
    QCOMPARE(n.network()->topLevelItemCount(), item.endsWith(QLatin1Char(')')) ? 1 : 2);
}

void TestNetworkConfigurationWindow::addComputer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("digest accepted") << "accepted";
    QTest::newRow("wrong password") << "wrong";
    QTest::newRow("no answer") << "silent";
}

void TestNetworkConfigurationWindow::addComputer()
{
    QFETCH(QString, answer);
    Net n;
    if (answer == QLatin1String("silent"))
        n.rig.world.setNetclientSilent(true);
    else
        n.rig.world.setNetclientPassword(QStringLiteral("10.0.0.5"), answer == QLatin1String("accepted")
                                                                         ? QStringLiteral("tajne")
                                                                         : QStringLiteral("inne"));
    QVERIFY(n.startLoaded());

    QList<ShownBox> boxes;
    bool stayedOpen = false;
    answerComputerDialog(
        QStringLiteral("Nowy"), QStringLiteral("10.0.0.5"), QStringLiteral("tajne"),
        QStringLiteral("Default"), [&](ComputerConfigurationWindow* dialog) {
            QTRY_COMPARE(n.rig.requests(QStringLiteral("get_netclient_pass")).size(), 1);
            QCOMPARE(n.rig.requests(QStringLiteral("get_netclient_pass"))
                         .first()
                         .value(QStringLiteral("netclient_address")),
                     QStringLiteral("10.0.0.5"));
            if (answer == QLatin1String("accepted")) {
                QTRY_VERIFY(!dialog->isVisible());
                return;
            }
            if (answer == QLatin1String("silent"))
                dialog->findChild<AnswerWait*>(QStringLiteral("noResponseTimer"))->expireNow();
            QTRY_COMPARE(LxTest::visibleMessageBoxes().size(), 1);
            boxes = takeMessageBoxes();
            stayedOpen = dialog->isVisible();
            dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        });
    n.button("addComputerButton")->click();
    QVERIFY(n.dialog->findChildren<ComputerConfigurationWindow*>().isEmpty());

    if (answer == QLatin1String("accepted")) {
        // The next free id is 4; the computer joins the group chosen.
        QVERIFY(n.availableTexts().contains(QStringLiteral("  Nowy | 10.0.0.5")));
        QVERIFY(n.networkTexts().contains(QStringLiteral("Default (2)")));
        n.saveButton()->click();
        QTRY_COMPARE(n.rig.requests(QStringLiteral("all_computers")).size(), 1);
        QVERIFY(n.rig.requests(QStringLiteral("all_computers"))
                    .first()
                    .payload()
                    .endsWith(QStringLiteral(
                        "<computer><computer_name>Nowy</computer_name><computer_address>10.0.0.5"
                        "</computer_address><computer_password>tajne</computer_password>"
                        "<computer_configId>4</computer_configId></computer>")));
        return;
    }
    QVERIFY(stayedOpen);
    QCOMPARE(boxes,
             (QList<ShownBox>{answer == QLatin1String("wrong")
                                  ? ShownBox{QStringLiteral("Nieprawidłowe hasło"),
                                             QStringLiteral("Podane hasło Administratora jest nieprawidłowe")}
                                  : ShownBox{QStringLiteral("Brak odpowiedzi"),
                                             QStringLiteral("Netclient jest nieosiągalny")}}));
    QCOMPARE(n.availableTexts().size(), 5);
}

void TestNetworkConfigurationWindow::dismissedComputerDialogIgnoresLateAnswer()
{
    Net n;
    n.rig.world.setNetclientSilent(true);
    QVERIFY(n.startLoaded());
    answerComputerDialog(QStringLiteral("Nowy"), QStringLiteral("10.0.0.5"), QStringLiteral("tajne"),
                         QString(), [&](ComputerConfigurationWindow* dialog) {
                             QTRY_COMPARE(n.rig.requests(QStringLiteral("get_netclient_pass")).size(), 1);
                             QVERIFY(dialog->findChild<AnswerWait*>()->isWaiting());
                             // Escape: counts as Cancel.
                             QTest::keyClick(dialog, Qt::Key_Escape);
                             QVERIFY(!dialog->findChild<AnswerWait*>()->isWaiting());
                         });
    n.button("addComputerButton")->click();
    // The matching digest comes after all: nobody waits for it any more.
    QSignalSpy digests(&n.controller, &Luminorix::UpsSocketController::netclientPass);
    n.rig.server.push(LxSim::ReplyBuilder::netclientPassword(hashPassword(QStringLiteral("tajne"))));
    QTRY_COMPARE(digests.count(), 1);
    QCOMPARE(n.availableTexts().size(), 5);
    QVERIFY(takeMessageBoxes().isEmpty());
}

void TestNetworkConfigurationWindow::knownAddressRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString badAddress = QStringLiteral("Błędny adres komputera");
    const QString known = QStringLiteral("Istnieje już komputer o podanym adresie");
    QTest::newRow("configured address") << "Nowy"
                                        << "192.168.1.20" << badAddress << known;
    QTest::newRow("configured with a port") << "Nowy"
                                            << "192.168.1.10" << badAddress << known;
    QTest::newRow("typed with a port") << "Nowy"
                                       << "192.168.1.20:3052" << badAddress << known;
    QTest::newRow("no name") << ""
                             << "192.168.1.21"
                             << "Błędna nazwa komputera"
                             << "Nazwa komputera nie może być pusta.\n\nWprowadź nazwę komputera i spróbuj "
                                "ponownie.";
    QTest::newRow("a name of blanks") << "  "
                                      << "192.168.1.21"
                                      << "Błędna nazwa komputera"
                                      << "Nazwa komputera nie może być pusta.\n\nWprowadź nazwę komputera i "
                                         "spróbuj ponownie.";
    QTest::newRow("no address")
        << "Nowy"
        << "" << badAddress
        << "Adres komputera nie może być pusty.\n\nWprowadź adres komputera i spróbuj "
           "ponownie.";
    QTest::newRow("new address") << "Nowy"
                                 << "192.168.1.21" << QString() << QString();
}

// The computer dialog refuses, before asking anything, what could not be a computer
// of the network or one that is there already.
void TestNetworkConfigurationWindow::knownAddressRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const bool refused = !title.isEmpty();
    Net n;
    n.rig.world.setNetclientSilent(true);
    QVERIFY(n.startLoaded());
    QSharedPointer<LxTest::SeenBox> refusal;
    LxTest::answerNextDialog([&](QWidget* widget) {
        auto* dialog = qobject_cast<ComputerConfigurationWindow*>(widget);
        dialog->findChild<QLineEdit*>(QStringLiteral("computerNameEdit"))->setText(name);
        dialog->findChild<QLineEdit*>(QStringLiteral("computerAddressEdit"))->setText(address);
        if (refused)
            refusal = LxTest::answerNextMessageBox();
        dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        QCOMPARE(dialog->findChild<AnswerWait*>()->isWaiting(), !refused);
        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    n.button("addComputerButton")->click();
    if (refused) {
        QCOMPARE(refusal->windowTitle, title);
        QCOMPARE(refusal->text, text);
        QVERIFY(n.rig.requests(QStringLiteral("get_netclient_pass")).isEmpty());
    } else {
        QTRY_COMPARE(n.rig.requests(QStringLiteral("get_netclient_pass")).size(), 1);
    }
}

void TestNetworkConfigurationWindow::removeComputer_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestNetworkConfigurationWindow::removeComputer()
{
    QFETCH(bool, yes);
    Net n;
    QVERIFY(n.startLoaded());
    n.select(n.available(), QStringLiteral("Biuro & Co"));
    const auto seen = LxTest::answerNextMessageBox(yes ? QMessageBox::Yes : QMessageBox::No);
    n.button("removeComputerButton")->click();
    QCOMPARE(seen->windowTitle, QStringLiteral("Uwaga!"));
    QCOMPARE(seen->text,
             QStringLiteral(
                 "Czy na pewno usunąć komputer? \nSpowoduje to usunięcie komputera ze wszystkich grup."));
    if (!yes) {
        QCOMPARE(n.availableTexts().size(), 5);
        QVERIFY(n.rig.requests(QStringLiteral("remove_computer")).isEmpty());
        return;
    }
    // At once, before any OK.
    QTRY_COMPARE(n.rig.requests(QStringLiteral("remove_computer")).size(), 1);
    QCOMPARE(n.rig.requests(QStringLiteral("remove_computer")).first().value(QStringLiteral("id")),
             QStringLiteral("1"));
    QVERIFY(!n.rig.world.computersPayload().contains(QStringLiteral("Biuro")));
    QVERIFY(!n.availableTexts().contains(QStringLiteral("  Biuro & Co | 192.168.1.20")));
    QCOMPARE(n.networkTexts().first(), QStringLiteral("Serwerownia (3)"));
    QVERIFY(!n.button("arrowDownButton")->isEnabled());
    QVERIFY(!n.button("removeComputerButton")->isEnabled());
}

void TestNetworkConfigurationWindow::groupsMembersAndFreedIds()
{
    Net n;
    QVERIFY(n.startLoaded());
    // Removing the first group frees id 0 and keeps its event.
    n.select(n.network(), QStringLiteral("Serwerownia (4)"));
    n.button("removeGroupButton")->click();
    QCOMPARE(n.networkTexts(), (QStringList{"Default (1)", "  Serwer | localhost"}));
    QCOMPARE(n.w<QTreeWidget>("eventsTree")->topLevelItemCount(), 0);

    // A new group with one member takes the freed id, and with it that event.
    LxTest::answerNextDialog([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("groupNameEdit"))->setText(QStringLiteral("Nowa"));
        auto* availableTree = dialog->findChild<QTreeWidget*>(QStringLiteral("availableComputersTree"));
        availableTree->setCurrentItem(
            availableTree->findItems(QStringLiteral("Magazyn"), Qt::MatchExactly).first());
        dialog->findChild<QPushButton*>(QStringLiteral("addToGroupButton"))->click();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    n.button("addGroupButton")->click();
    QCOMPARE(n.networkTexts(), (QStringList{"Default (1)", "  Serwer | localhost", "Nowa (1)",
                                            "  Magazyn | 192.168.1.10:3052"}));
    n.select(n.network(), QStringLiteral("Nowa (1)"));
    QCOMPARE(n.w<QTreeWidget>("eventsTree")->topLevelItemCount(), 1);

    // Editing: members moved count even when the dialog is cancelled; the name only on OK.
    LxTest::answerNextDialog([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("groupNameEdit"))->setText(QStringLiteral("Inna"));
        auto* members = dialog->findChild<QTreeWidget*>(QStringLiteral("computersInGroupTree"));
        members->setCurrentItem(members->topLevelItem(0));
        dialog->findChild<QPushButton*>(QStringLiteral("removeFromGroupButton"))->click();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    n.button("editButton")->click();
    QCOMPARE(n.networkTexts(), (QStringList{"Default (1)", "  Serwer | localhost", "Nowa (0)"}));
}

void TestNetworkConfigurationWindow::moveComputerIntoGroup()
{
    Net n;
    QVERIFY(n.startLoaded());
    // Nothing chosen: a warning, nothing else.
    n.available()->setCurrentItem(n.available()->topLevelItem(0));
    n.button("arrowDownButton")->setEnabled(true);
    auto warning = LxTest::answerNextMessageBox();
    n.button("arrowDownButton")->click();
    QCOMPARE(warning->text, QStringLiteral("Wybierz komputer z listy dostępnych komputerów"));

    for (int pass = 0; pass < 2; ++pass) {
        n.select(n.available(), QStringLiteral("Magazyn"));
        QString label;
        LxTest::answerNextDialog([&](QWidget* chooser) {
            label = chooser->findChild<QLabel*>()->text();
            auto* box = chooser->findChild<QComboBox*>();
            box->setCurrentIndex(box->findText(QStringLiteral("Default")));
            chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        n.button("arrowDownButton")->click();
        QCOMPARE(label, QStringLiteral("Wybierz grupę do której chcesz dodać komputer Magazyn"));
    }
    // The second time the group already holds it.
    QCOMPARE(takeMessageBoxes(),
             (QList<ShownBox>{
                 {QStringLiteral("Uwaga!"), QStringLiteral("Wybrana grupa zawiera już ten komputer")}}));
    QVERIFY(n.networkTexts().contains(QStringLiteral("Default (2)")));

    // Up takes it out of that group again.
    n.network()->expandAll();
    QTreeWidgetItem* defaultGroup = n.find(n.network(), QStringLiteral("Default (2)"));
    for (int i = 0; i < defaultGroup->childCount(); ++i) {
        if (defaultGroup->child(i)->text(0) == QLatin1String("Magazyn"))
            n.network()->setCurrentItem(defaultGroup->child(i));
    }
    n.button("arrowUpButton")->click();
    QVERIFY(n.networkTexts().contains(QStringLiteral("Default (1)")));
    QVERIFY(n.networkTexts().contains(QStringLiteral("Serwerownia (4)")));
}

void TestNetworkConfigurationWindow::cancelAfterPasswordChange_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("yes saves") << "yes";
    QTest::newRow("no discards") << "no";
    QTest::newRow("box closed keeps the dialog") << "closed";
}

void TestNetworkConfigurationWindow::cancelAfterPasswordChange()
{
    QFETCH(QString, answer);
    Net n;
    n.rig.world.setNetclientPassword(QStringLiteral("192.168.1.20"), QStringLiteral("stare"));
    QVERIFY(n.startLoaded());
    n.network()->expandAll();
    n.select(n.network(), QStringLiteral("Biuro & Co"));
    LxTest::answerNextDialog([&](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Zmień hasło dla 192.168.1.20"));
        dialog->findChild<QLineEdit*>(QStringLiteral("passEdit"))->setText(QStringLiteral("stare"));
        dialog->findChild<QLineEdit*>(QStringLiteral("newPassEdit"))->setText(QStringLiteral("nowe"));
        dialog->findChild<QLineEdit*>(QStringLiteral("newPassRepeatedEdit"))->setText(QStringLiteral("nowe"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QTRY_VERIFY(!dialog->isVisible());
    });
    n.button("changePassButton")->click();
    QCOMPARE(n.rig.requests(QStringLiteral("change_netclient_password")).size(), 1);
    QCOMPARE(
        n.rig.requests(QStringLiteral("change_netclient_password")).first().value(QStringLiteral("password")),
        QStringLiteral("nowe"));
    QCOMPARE(takeMessageBoxes(),
             (QList<ShownBox>{{QStringLiteral("Zmiana hasła"), QStringLiteral("Hasło zostało zmienione")}}));

    const auto seen = LxTest::answerNextDialog([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (answer == QLatin1String("yes"))
            box->button(QMessageBox::Yes)->click();
        else if (answer == QLatin1String("no"))
            box->button(QMessageBox::No)->click();
        else
            box->close();
    });
    n.cancelButton()->click();
    QCOMPARE(seen->windowTitle, QStringLiteral("Hasło dla elementu sieciowego zostało zmienione."));
    QCOMPARE(seen->text, QStringLiteral("Konieczne jest zachowanie konfiguracji. Czy zachować? "));
    QCOMPARE(n.dialog->isVisible(), answer == QLatin1String("closed"));
    if (answer == QLatin1String("yes")) {
        QCOMPARE(n.dialog->result(), int(QDialog::Accepted));
        QTRY_COMPARE(n.rig.requests(QStringLiteral("all_computers")).size(), 1);
        QVERIFY(n.rig.requests(QStringLiteral("all_computers"))
                    .first()
                    .payload()
                    .contains(QStringLiteral("<computer_address>192.168.1.20</computer_address>"
                                             "<computer_password>nowe</computer_password>")));
    } else {
        QVERIFY(n.rig.requests(QStringLiteral("all_computers")).isEmpty());
    }
}

void TestNetworkConfigurationWindow::logoutLeavesOnlyCancel()
{
    Net n;
    QVERIFY(n.startLoaded());
    n.controller.setPassword(QString());
    emit n.relay.administratorLoggedOut();
    const QList<QPushButton*> buttons = n.dialog->findChildren<QPushButton*>();
    for (QPushButton* button : buttons)
        QVERIFY2(button->isEnabled() == (button == n.cancelButton()), qPrintable(button->objectName()));
    // Nothing turns them on again: not a selection, not the end of an edit.
    n.select(n.available(), QStringLiteral("Biuro & Co"));
    n.select(n.network(), QStringLiteral("Serwerownia (4)"));
    n.dialog->setSaveButtonEnabled(true);
    n.dialog->setEnabledButtons(true);
    for (QPushButton* button : buttons)
        QVERIFY2(button->isEnabled() == (button == n.cancelButton()), qPrintable(button->objectName()));
}

// Someone else asks for the configuration while an event is edited: the
// replies must not undo unsaved changes nor reopen the doors of the editor.
void TestNetworkConfigurationWindow::listReplyDuringAnEditKeepsTheEdit()
{
    Net n;
    QVERIFY(n.startLoaded());
    n.select(n.network(), QStringLiteral("Magazyn"));
    n.button("arrowUpButton")->click();
    n.select(n.network(), QStringLiteral("Serwerownia (3)"));
    n.button("addEventButton")->click();
    const QStringList edited = n.networkTexts();

    QSignalSpy computersReplies(&n.controller, &Luminorix::UpsSocketController::allComputersReceived);
    n.controller.getNetworkConfiguration(QStringLiteral("1"));
    QTRY_COMPARE(computersReplies.count(), 1);

    QCOMPARE(n.networkTexts(), edited);
    QCOMPARE(n.network()->currentItem()->text(0), QStringLiteral("Serwerownia (3)"));
    QVERIFY(n.button("saveEventButton")->isEnabled());
    for (const char* name : {"addEventButton", "editEventButton", "removeEventButton"})
        QVERIFY2(!n.button(name)->isEnabled(), name);
    QVERIFY(!n.saveButton()->isEnabled());

    n.button("cancelEventButton")->click();
    n.saveButton()->click();
    QTRY_COMPARE(n.rig.requests(QStringLiteral("groups")).size(), 1);
    QCOMPARE(n.rig.requests(QStringLiteral("groups")).first().payload(),
             QString::fromUtf8(Luminorix::serializeGroups({group(QStringLiteral("Serwerownia"), 0, {1, 9, 3}),
                                                           group(QStringLiteral("Default"), 1, {0})},
                                                          QStringLiteral("1"))));
    QCOMPARE(n.rig.requests(QStringLiteral("events")).first().payload(),
             QString::fromUtf8(Luminorix::serializeEvents(n.events, QStringLiteral("1"))));
}

// An advanced model's event is only what its definition makes it: without
// one the service would keep a nameless event that never starts.
void TestNetworkConfigurationWindow::emptyAdvancedEventRefused()
{
    Net n;
    n.events.clear();
    Luminorix::Utils::Ups ups = someUps();
    ups.model_name = QStringLiteral("OspreyRT_USB");
    QVERIFY(
        n.start({QStringLiteral("groups"), QStringLiteral("events"), QStringLiteral("all_computers")}, ups));
    QTRY_VERIFY(n.saveButton()->isEnabled());
    n.select(n.network(), QStringLiteral("Serwerownia (4)"));
    n.button("addEventButton")->click();
    n.button("saveEventButton")->click();
    QCOMPARE(takeMessageBoxes(),
             (QList<ShownBox>{
                 {QStringLiteral("Uwaga!"),
                  QStringLiteral("Zdarzenie nie ma definicji.\nWybierz przycisk \"Zaawansowane\".")}}));
    QVERIFY(n.button("saveEventButton")->isEnabled());
    QCOMPARE(n.w<QTreeWidget>("eventsTree")->topLevelItemCount(), 0);

    n.button("cancelEventButton")->click();
    n.saveButton()->click();
    QTRY_COMPARE(n.rig.requests(QStringLiteral("events")).size(), 1);
    QCOMPARE(n.rig.requests(QStringLiteral("events")).first().payload(),
             QStringLiteral("<ups_id>1</ups_id>"));
}

void TestNetworkConfigurationWindow::longMessageShownCutAndKept_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("firstBlockLength");
    QTest::newRow("one line of a mebibyte")
        << QString(1 << 20, QLatin1Char('x')) + QStringLiteral("&\u00a0\nkoniec") << 2
        << ShownText::editor.lineLength;
    QTest::newRow("a mebibyte of short lines")
        << QStringLiteral("Y\u00a0\n").repeated(1 << 18) << ShownText::editor.lines << 2;
}

// The editor shows a message of a mebibyte cut, at once, and an untouched text
// goes back as it came, the characters the editor would change included.
void TestNetworkConfigurationWindow::longMessageShownCutAndKept()
{
    QFETCH(QString, message);
    QFETCH(int, blocks);
    QFETCH(int, firstBlockLength);
    Net n;
    n.events.first().messageAction->message_text = message;
    QVERIFY(n.startLoaded());
    n.select(n.network(), QStringLiteral("Serwerownia (4)"));
    auto* rows = n.w<QTreeWidget>("eventsTree");
    rows->setCurrentItem(rows->topLevelItem(0));
    n.button("editEventButton")->click();

    const QTextDocument* shown = n.w<QPlainTextEdit>("messageEdit")->document();
    QCOMPARE(shown->blockCount(), blocks);
    QCOMPARE(shown->firstBlock().length() - 1, firstBlockLength);
    QVERIFY(message.endsWith(shown->lastBlock().text()) || blocks == ShownText::editor.lines);
    QVERIFY(n.w<QPlainTextEdit>("messageEdit")->isReadOnly());

    n.button("saveEventButton")->click();
    QVERIFY(takeMessageBoxes().isEmpty());
    n.saveButton()->click();
    QTRY_COMPARE(n.rig.requests(QStringLiteral("events")).size(), 1);
    QCOMPARE(n.rig.requests(QStringLiteral("events")).first().payload(),
             QString::fromUtf8(Luminorix::serializeEvents(n.events, QStringLiteral("1"))));
}

// The service sends back what it stores, and the link reads no reply beyond
// its frame bound: such a configuration would lock the dialog out for good.
void TestNetworkConfigurationWindow::configurationTooLargeToReadBackRefused()
{
    Net n;
    QVERIFY(n.startLoaded());
    QStringList sent;
    n.controller.setSendObserver([&sent](const QByteArray& text) {
        for (const char* stored : {"<all_computers>", "<events>", "<groups>"}) {
            if (text.startsWith(stored))
                sent << QLatin1String(stored);
        }
    });
    n.select(n.network(), QStringLiteral("Serwerownia (4)"));
    auto* rows = n.w<QTreeWidget>("eventsTree");
    auto* message = n.w<QPlainTextEdit>("messageEdit");
    const auto saveMessage = [&](const QString& text) {
        rows->setCurrentItem(rows->topLevelItem(0));
        n.button("editEventButton")->click();
        message->setPlainText(text);
        n.button("saveEventButton")->click();
    };
    // In lines, which the editor lays out quickly.
    const QString line = QString(1023, QLatin1Char('y')) + QLatin1Char('\n');
    saveMessage(line.repeated(int(Luminorix::kMaxFrameLength / line.size()) + 1));
    n.saveButton()->click();
    QCOMPARE(takeMessageBoxes(), (QList<ShownBox>{{QStringLiteral("Uwaga!"),
                                                   QStringLiteral("Konfiguracja jest zbyt duża, aby ją "
                                                                  "zapisać.\nUsuń część zdarzeń lub skróć "
                                                                  "ich teksty.")}}));
    QVERIFY(n.dialog->isVisible());
    QVERIFY2(sent.isEmpty(), qPrintable(sent.join(QLatin1Char(' '))));

    saveMessage(QStringLiteral("krótko"));
    n.saveButton()->click();
    QCOMPARE(sent.size(), 3);
    QVERIFY(!n.dialog->isVisible());
}

LX_TEST_MAIN(TestNetworkConfigurationWindow)
#include "tst_networkconfigurationwindow.moc"
