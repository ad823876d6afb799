#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "panel/ups/addvirtualupswindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

using Luminorix::Utils::Ups;

namespace {
// A parallel unit as the window holds it: its record with the status-list fields.
Ups unit(const QString& id, const QString& address, bool reported = true,
         const QString& model = QStringLiteral("HarrierRT_6_10_USB"))
{
    Ups u;
    u.id = id;
    u.model_name = model;
    u.communication = QStringLiteral("usb");
    u.parallel_unit = reported;
    u.unit_address = address;
    return u;
}

Ups plain(const QString& id)
{
    Ups u;
    u.id = id;
    u.model_name = QStringLiteral("KitePro_USB");
    return u;
}

// One row as the test reads it: address, model, status, id, enabled, ticked.
QString rowText(const QTreeWidgetItem* row)
{
    return QStringList{row->text(1),
                       row->text(2),
                       row->text(3),
                       row->text(AddVirtualUpsWindow::idColumn),
                       row->flags().testFlag(Qt::ItemIsEnabled) ? QStringLiteral("on")
                                                                : QStringLiteral("off"),
                       row->checkState(0) == Qt::Checked ? QStringLiteral("ticked") : QStringLiteral("-")}
        .join(QLatin1String(" | "));
}

const QString harrierLabel = QStringLiteral("Harrier RT 6000/10000 (USB)");

struct Fixture
{
    ServiceRig rig;
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    AddVirtualUpsWindow dialog;

    // Opened by a logged-in administrator.
    Fixture()
    {
        rig.logIn(controller);
        connectToService(&dialog, &controller, relay);
    }
    bool connect()
    {
        rig.world.loadDemo();
        if (!rig.listen() || !rig.connect(controller))
            return false;
        rig.server.clearRequests();
        return true;
    }
    QTreeWidget* tree() const { return dialog.findChild<QTreeWidget*>(QStringLiteral("treeWidget")); }
    QPushButton* ok() const
    {
        return dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
    }
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            out << rowText(tree()->topLevelItem(i));
        return out;
    }
    void tick(const QString& id, bool on)
    {
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = tree()->topLevelItem(i);
            if (row->text(AddVirtualUpsWindow::idColumn) == id)
                row->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
        }
    }
    // The first request of that name since connect(), once all sent has arrived.
    LxSim::SimRequest sent(const QString& name)
    {
        if (!rig.waitForAllSent(controller))
            return {};
        const QList<LxSim::SimRequest> named = rig.requests(name);
        return named.isEmpty() ? LxSim::SimRequest() : named.first();
    }
};
} // namespace

class TestAddVirtualUpsWindow : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void noParallelUnits();
    void rows_data();
    void rows();
    void sends_data();
    void sends();
    void refusesNoUnit_data();
    void refusesNoUnit();
    void logoutLocksOk();
};

void TestAddVirtualUpsWindow::form()
{
    AddVirtualUpsWindow dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("AddVirtualUpsWindow"));
    QCOMPARE(dialog.size(), QSize(433, 300));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(AddVirtualUpsWindow::modelDisplayName(QStringLiteral("HarrierRT_6_10_USB")), harrierLabel);
    // Not in the catalogue: shown as it came.
    QCOMPARE(AddVirtualUpsWindow::modelDisplayName(QStringLiteral("Harrier_Future")),
             QStringLiteral("Harrier_Future"));
}

void TestAddVirtualUpsWindow::noParallelUnits()
{
    Fixture f;
    f.dialog.setConfiguredUps({});
    f.dialog.displayAvailableParallelDevices({plain("1"), unit("2", "1", false)});
    f.dialog.show();
    QCOMPARE(f.tree()->topLevelItemCount(), 1);
    QCOMPARE(f.tree()->topLevelItem(0)->text(0),
             QStringLiteral("Brak urządzeń obsługujących pracę równoległą"));
    // 280 px at least, and as wide as the sentence in the font shown.
    QVERIFY(f.tree()->columnWidth(0) >= 280);
    QVERIFY(f.tree()->header()->isHidden());
    QVERIFY(!f.ok()->isEnabled());
}

void TestAddVirtualUpsWindow::rows_data()
{
    QTest::addColumn<QList<Ups>>("all");        // every device the window knows
    QTest::addColumn<QList<Ups>>("configured"); // members of all virtual UPSes
    QTest::addColumn<QList<Ups>>("members");    // members of the edited one; edit mode when not empty
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("two free units") << QList<Ups>{plain("1"), unit("2", "1"), unit("3", "2")} << QList<Ups>()
                                    << QList<Ups>()
                                    << QStringList{"1 | " + harrierLabel + " | Dostępny | 2 | on | -",
                                                   "2 | " + harrierLabel + " | Dostępny | 3 | on | -"};
    QTest::newRow("units of another virtual UPS")
        << QList<Ups>{unit("2", "1"), unit("4", "3")} << QList<Ups>{unit("2", "1"), unit("3", "2")}
        << QList<Ups>()
        << QStringList{"1 | " + harrierLabel + " | Zajęty | 2 | off | -",
                       " | " + harrierLabel + " | Zajęty; Brak komunikacji | 3 | off | -",
                       "3 | " + harrierLabel + " | Dostępny | 4 | on | -"};
    QTest::newRow("editing: members ticked")
        << QList<Ups>{unit("2", "1"), unit("5", "4")}
        << QList<Ups>{unit("2", "1"), unit("3", "2", false), unit("5", "4")}
        << QList<Ups>{unit("2", "1"), unit("3", "2", false)}
        << QStringList{"1 | " + harrierLabel + " | Dostępny | 2 | on | ticked",
                       "2 | " + harrierLabel + " | Dostępny; Brak komunikacji | 3 | on | ticked",
                       "4 | " + harrierLabel + " | Zajęty | 5 | off | -"};
    QTest::newRow("ids differ in case")
        << QList<Ups>{unit("a1", "7")} << QList<Ups>{unit("A1", "1")} << QList<Ups>()
        << QStringList{" | " + harrierLabel + " | Zajęty; Brak komunikacji | A1 | off | -",
                       "7 | " + harrierLabel + " | Dostępny | a1 | on | -"};
    QTest::newRow("model outside the catalogue")
        << QList<Ups>{unit("9", "1", true, QStringLiteral("Harrier_Future"))} << QList<Ups>() << QList<Ups>()
        << QStringList{"1 | Harrier_Future | Dostępny | 9 | on | -"};
    QTest::newRow("only members, none reported")
        << QList<Ups>{plain("1")} << QList<Ups>{unit("2", "1")} << QList<Ups>()
        << QStringList{" | " + harrierLabel + " | Zajęty; Brak komunikacji | 2 | off | -"};
}

void TestAddVirtualUpsWindow::rows()
{
    QFETCH(QList<Ups>, all);
    QFETCH(QList<Ups>, configured);
    QFETCH(QList<Ups>, members);
    QFETCH(QStringList, rows);

    Fixture f;
    if (!members.isEmpty()) {
        f.dialog.setEditMode(true);
        f.dialog.setPhyId(QStringLiteral("40"));
        f.dialog.setMemberDevices(members);
    }
    f.dialog.setConfiguredUps(configured);
    f.dialog.displayAvailableParallelDevices(all);
    f.dialog.show();
    QCOMPARE(f.rows(), rows);
    QCOMPARE(f.tree()->headerItem()->text(1), QStringLiteral("Adres"));
    QCOMPARE(f.tree()->headerItem()->text(3), QStringLiteral("Status"));
    QVERIFY(f.tree()->isColumnHidden(AddVirtualUpsWindow::idColumn));
    QVERIFY(f.tree()->isColumnHidden(AddVirtualUpsWindow::statusColumn));
    QVERIFY(!f.tree()->header()->isHidden());
    for (int i = 0; i < f.tree()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = f.tree()->topLevelItem(i);
        QCOMPARE(row->textAlignment(1), int(Qt::AlignCenter));
        QCOMPARE(AddVirtualUpsWindow::statusText(
                     row->data(AddVirtualUpsWindow::statusColumn, Qt::DisplayRole).toInt()),
                 row->text(3));
    }
    QVERIFY(f.ok()->isEnabled());
}

void TestAddVirtualUpsWindow::sends_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("payload");

    const QString tail =
        QStringLiteral("<communication></communication><com_port></com_port><ip></ip><read></read>"
                       "<write></write><snmp_ver></snmp_ver><serial_no></serial_no>"
                       "<log_file_size></log_file_size><log_time_interval></log_time_interval>"
                       "<log_params></log_params><reset_events_request>0</reset_events_request>"
                       "<user_defined_name></user_defined_name>");
    QTest::newRow("new from two free units")
        << false << QStringList{"7", "8"} << "set_new_ups"
        << "<model_name>Virtual_Device</model_name><id></id>" + tail + "<phy_id>7</phy_id><phy_id>8</phy_id>";
    QTest::newRow("edit drops a member")
        << true << QStringList{"2"} << "change_ups"
        << "<model_name>Virtual_Device</model_name><id>4</id>" + tail + "<phy_id>2</phy_id>";
}

// The demo world: a virtual UPS 4 of units 2 and 3; here two more free units join.
void TestAddVirtualUpsWindow::sends()
{
    QFETCH(bool, edit);
    QFETCH(QStringList, ticked);
    QFETCH(QString, request);
    QFETCH(QString, payload);

    Fixture f;
    QVERIFY(f.connect());
    const QList<Ups> members{unit("2", "1"), unit("3", "2")};
    const QList<Ups> all{unit("2", "1"), unit("3", "2"), unit("7", "3"), unit("8", "4")};
    if (edit) {
        f.dialog.setEditMode(true);
        f.dialog.setPhyId(QStringLiteral("4"));
        f.dialog.setMemberDevices(members);
    }
    f.dialog.setConfiguredUps(members);
    f.dialog.displayAvailableParallelDevices(all);
    f.dialog.show();
    for (const QString& id : QStringList{"2", "3", "7", "8"})
        f.tick(id, ticked.contains(id));
    f.ok()->click();
    QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
    const LxSim::SimRequest sent = f.sent(request);
    QCOMPARE(sent.name, request);
    QCOMPARE(sent.payload(), payload);
    // The stand-in's world follows.
    const LxSim::SimDevice* device = edit ? f.rig.world.device(QStringLiteral("4")) : nullptr;
    if (!edit) {
        const QList<LxSim::SimDevice> devices = f.rig.world.devices();
        device = f.rig.world.device(devices.last().id);
    }
    QVERIFY(device);
    QCOMPARE(device->model_name, QStringLiteral("Virtual_Device"));
    QCOMPARE(device->phy_ids, ticked);
}

void TestAddVirtualUpsWindow::refusesNoUnit_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QStringList>("taken");
    QTest::newRow("new, free units left unticked") << false << QStringList();
    QTest::newRow("new, every unit taken") << false << QStringList{"7", "8"};
    QTest::newRow("edit, every member unticked") << true << QStringList();
}

// OK with no unit ticked says why and stays open; nothing reaches the service.
void TestAddVirtualUpsWindow::refusesNoUnit()
{
    QFETCH(bool, edit);
    QFETCH(QStringList, taken);

    Fixture f;
    QVERIFY(f.connect());
    QList<Ups> configured;
    for (const QString& id : taken)
        configured << unit(id, id);
    const QList<Ups> members{unit("2", "1"), unit("3", "2")};
    if (edit) {
        f.dialog.setEditMode(true);
        f.dialog.setPhyId(QStringLiteral("4"));
        f.dialog.setMemberDevices(members);
        configured = members;
    }
    f.dialog.setConfiguredUps(configured);
    f.dialog.displayAvailableParallelDevices(
        {unit("2", "1"), unit("3", "2"), unit("7", "3"), unit("8", "4")});
    f.dialog.show();
    for (const QString& id : QStringList{"2", "3", "7", "8"})
        f.tick(id, false);
    QVERIFY(f.ok()->isEnabled());
    const auto box = LxTest::answerNextMessageBox(QMessageBox::Ok);
    f.ok()->click();
    QTRY_VERIFY(box->seen);
    QCOMPARE(box->windowTitle, QStringLiteral("Wirtualny UPS"));
    QVERIFY2(box->text.startsWith(QStringLiteral("Nie zaznaczono żadnej jednostki UPS.")),
             qPrintable(box->text));
    QVERIFY(f.dialog.isVisible());
    QCOMPARE(f.sent(edit ? QStringLiteral("change_ups") : QStringLiteral("set_new_ups")).name, QString());
}

void TestAddVirtualUpsWindow::logoutLocksOk()
{
    Fixture f;
    QVERIFY(f.connect());
    f.dialog.setConfiguredUps({});
    f.dialog.displayAvailableParallelDevices({unit("7", "1")});
    f.dialog.show();
    f.tick("7", true);
    QVERIFY(f.ok()->isEnabled());
    // As the window logs out: the session ends, then the relay tells the dialog.
    f.controller.setPassword(QString());
    emit f.relay.administratorLoggedOut();
    QVERIFY(!f.ok()->isEnabled());
    f.dialog.accept();
    QVERIFY(f.dialog.isVisible());
    QCOMPARE(LxTest::takeMessageBoxes().size(), 1); // the session has ended
    QCOMPARE(f.sent(QStringLiteral("set_new_ups")).name, QString());
}

LX_TEST_MAIN(TestAddVirtualUpsWindow)
#include "tst_addvirtualupswindow.moc"
