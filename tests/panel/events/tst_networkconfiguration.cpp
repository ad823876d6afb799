// What the network and events dialog edits, without its widgets: the loading
// of the three replies, the computers and groups as the dialog's buttons
// change them, and the events of a group.
#include "networkrecords.h"
#include "panel/events/networkconfiguration.h"
#include "tests/support/lxtestcore.h"

#include <QStringList>
#include <QtTest>
#include <functional>

using Edit = std::function<void(NetworkConfiguration&)>;
Q_DECLARE_METATYPE(Edit)

namespace {

Event eventOf(int parentId, int number, const QString& state)
{
    Event e;
    e.event_parentId = parentId;
    e.event_number = number;
    e.event_state = state;
    return e;
}

// Computers 0 "serwer" (local) and 2 "biuro"; groups 0 "Default" {0} and 1 "Biuro" {2}.
void loaded(NetworkConfiguration& c)
{
    c.setGroups({group(0, QStringLiteral("Default"), {0}), group(1, QStringLiteral("Biuro"), {2})});
    c.setEvents({eventOf(0, 1, QStringLiteral("stateNormal")), eventOf(1, 4, QStringLiteral("stateFault")),
                 eventOf(0, 2, QStringLiteral("stateOverload"))});
    c.setComputers({computer(0, QStringLiteral("serwer"), QStringLiteral("127.0.0.1")),
                    computer(2, QStringLiteral("biuro"))});
}

// "id:name" of each computer, then "id:name{members}" of each group.
QString describe(const NetworkConfiguration& c)
{
    QStringList out;
    for (const Computer& computer : c.computers())
        out << QStringLiteral("%1:%2").arg(computer.computer_configId).arg(computer.computer_name);
    out << QStringLiteral("|");
    for (const Group& group : c.groups()) {
        QStringList members;
        for (int id : group.computers)
            members << QString::number(id);
        out << QStringLiteral("%1:%2{%3}").arg(group.group_configId).arg(group.group_name, members.join(','));
    }
    return out.join(' ');
}
} // namespace

class TestNetworkConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void loadsWhenAllThreeAreIn_data();
    void loadsWhenAllThreeAreIn();
    void edits_data();
    void edits();
    void eventsOfAGroup();
    void localComputerInAGroup_data();
    void localComputerInAGroup();
};

void TestNetworkConfiguration::loadsWhenAllThreeAreIn_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("loadedAfter"); // replies until loaded, 0 never

    QTest::newRow("groups, events, computers") << "g e c" << 3;
    QTest::newRow("events, groups, computers") << "e g c" << 3;
    QTest::newRow("computers first wait for the others") << "c g e" << 0;
    QTest::newRow("computers again after the others") << "c g e c" << 4;
    QTest::newRow("no groups") << "e c" << 0;
}

// Once loaded, a later reply (asked for by someone else) leaves the edit alone.
void TestNetworkConfiguration::loadsWhenAllThreeAreIn()
{
    QFETCH(QString, order);
    QFETCH(int, loadedAfter);

    NetworkConfiguration c;
    const QStringList replies = order.split(' ');
    int completedAt = 0;
    for (int i = 0; i < replies.size(); ++i) {
        const QString reply = replies.at(i);
        bool completed = false;
        if (reply == "g")
            c.setGroups({group(0, QStringLiteral("Default"), {})});
        else if (reply == "e")
            c.setEvents({eventOf(0, 1, QStringLiteral("stateNormal"))});
        else
            completed = c.setComputers({computer(0, QStringLiteral("a"))});
        QCOMPARE(c.isLoaded(), loadedAfter > 0 && i + 1 >= loadedAfter);
        if (completed)
            completedAt = i + 1;
    }
    QCOMPARE(completedAt, loadedAfter);
    if (!c.isLoaded())
        return;
    c.setGroups({});
    c.setEvents({});
    QVERIFY(!c.setComputers({}));
    QCOMPARE(c.groups().size(), 1);
    QCOMPARE(c.events().size(), 1);
    QCOMPARE(c.computers().size(), 1);
}

void TestNetworkConfiguration::edits_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("result");

    QTest::newRow("a computer added takes the first free id and its group")
        << Edit([](NetworkConfiguration& c) { QCOMPARE(c.addComputer(computer(-1, "nowy"), "Biuro"), 1); })
        << "0:serwer 2:biuro 1:nowy | 0:Default{0} 1:Biuro{2,1}";
    QTest::newRow("a computer for a group not there joins none")
        << Edit([](NetworkConfiguration& c) { c.addComputer(computer(-1, "nowy"), "Magazyn"); })
        << "0:serwer 2:biuro 1:nowy | 0:Default{0} 1:Biuro{2}";
    QTest::newRow("discovered computers take ids one after the other") << Edit([](NetworkConfiguration& c) {
        c.addComputers({computer(-1, "x"), computer(-1, "y")});
    }) << "0:serwer 2:biuro 1:x 3:y | 0:Default{0} 1:Biuro{2}";
    QTest::newRow("a computer removed leaves every group") << Edit([](NetworkConfiguration& c) {
        QCOMPARE(c.addToGroup(2, "Default"), NetworkConfiguration::Joined::Added);
        c.removeComputer(2);
    }) << "0:serwer | 0:Default{0} 1:Biuro{}";
    QTest::newRow("joining a group twice") << Edit([](NetworkConfiguration& c) {
        QCOMPARE(c.addToGroup(2, "Biuro"), NetworkConfiguration::Joined::AlreadyMember);
        QCOMPARE(c.addToGroup(2, "Magazyn"), NetworkConfiguration::Joined::NoSuchGroup);
    }) << "0:serwer 2:biuro | 0:Default{0} 1:Biuro{2}";
    QTest::newRow("out of one group") << Edit([](NetworkConfiguration& c) { c.removeFromGroup(1, 2); })
                                      << "0:serwer 2:biuro | 0:Default{0} 1:Biuro{}";
    QTest::newRow("a group added, renamed, its members set") << Edit([](NetworkConfiguration& c) {
        QCOMPARE(c.addGroup(group(9, "Magazyn", {})), 2);
        c.renameGroup(2, "Hala");
        QVERIFY(c.setGroupMembers(2, {2, 0}));
        QVERIFY(!c.setGroupMembers(2, {2, 0}));
    }) << "0:serwer 2:biuro | 0:Default{0} 1:Biuro{2} 2:Hala{2,0}";
    QTest::newRow("a group removed, its computers stay") << Edit([](NetworkConfiguration& c) {
        c.removeGroup(1);
        c.removeGroup(7);
    }) << "0:serwer 2:biuro | 0:Default{0}";
}

void TestNetworkConfiguration::edits()
{
    QFETCH(Edit, edit);
    QFETCH(QString, result);

    NetworkConfiguration c;
    loaded(c);
    edit(c);
    QCOMPARE(describe(c), result);
}

// A new event belongs to no group until it is saved, numbered after the largest number.
void TestNetworkConfiguration::eventsOfAGroup()
{
    NetworkConfiguration c;
    loaded(c);
    const auto states = [&c](int groupId) {
        QStringList out;
        for (const Event& e : c.groupEvents(groupId))
            out << e.event_state;
        return out.join(' ');
    };
    QCOMPARE(states(0), QStringLiteral("stateNormal stateOverload"));
    QCOMPARE(c.addEvent(), 5);
    QVERIFY(c.event(-1, 5));
    QCOMPARE(states(0), QStringLiteral("stateNormal stateOverload"));
    c.event(-1, 5)->event_state = QStringLiteral("stateFault");
    c.event(-1, 5)->event_parentId = 0; // as a save does
    QCOMPARE(c.groupEvents(0).size(), 3);
    c.removeEvent(0, 1);
    c.removeEvent(0, 99);
    QCOMPARE(states(0), QStringLiteral("stateOverload stateFault"));
    QVERIFY(!c.event(0, 1));
}

void TestNetworkConfiguration::localComputerInAGroup_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("local");

    QTest::newRow("loopback") << "127.0.0.1" << true;
    QTest::newRow("localhost") << "localhost" << true;
    QTest::newRow("in another case") << "LOCALHOST" << false;
    QTest::newRow("another machine") << "10.0.0.9" << false;
}

// The e-mail and socket actions need the service's own machine in the group.
void TestNetworkConfiguration::localComputerInAGroup()
{
    QFETCH(QString, address);
    QFETCH(bool, local);

    NetworkConfiguration c;
    c.setGroups({group(3, QStringLiteral("Biuro"), {5, 8})});
    c.setEvents({});
    c.setComputers({computer(5, QStringLiteral("a"), address)});
    QCOMPARE(c.groupHasLocalComputer(3), local);
    QVERIFY(!c.groupHasLocalComputer(4));
}

LX_TEST_GUILESS_MAIN(TestNetworkConfiguration)
#include "tst_networkconfiguration.moc"
