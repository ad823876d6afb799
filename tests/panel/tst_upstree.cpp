// The device tree against the stand-in: building it from model lists, keeping the
// selection, colouring it from status lists, sorting, the context menu, removal
// and the empty-list prompt.
#include "localsettings.h"
#include "lxtest.h"
#include "modalanswerer.h"
#include "panelrig.h"
#include "replybuilder.h"
#include "upssocketcontroller.h"
#include "upstreeelement.h"
#include "upstreewidget.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidgetItemIterator>

using LxSim::ReplyBuilder;
using LxSim::SimDevice;

namespace {
QList<SimDevice> mixedWorld()
{
    SimDevice member1 =
        PanelRig::device(QStringLiteral("11"), QStringLiteral("HarrierRT_6_10_USB"), QStringLiteral("Alpha"));
    SimDevice member2 = PanelRig::device(QStringLiteral("12"), QStringLiteral("HarrierRT_6_10_USB"));
    SimDevice virtualUps = PanelRig::device(QStringLiteral("10"), QStringLiteral("Virtual_Device"));
    virtualUps.phy_ids = QStringList{QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("99")};
    SimDevice unknown = PanelRig::device(QStringLiteral("13"), QStringLiteral("Mystery_X"));
    SimDevice named =
        PanelRig::device(QStringLiteral("14"), QStringLiteral("KitePro_USB"), QStringLiteral("Zeta"));
    SimDevice plain = PanelRig::device(QStringLiteral("15"), QStringLiteral("Falcon_SNMP"));
    return {named, member1, virtualUps, unknown, member2, plain};
}

QString indicatorOf(const QTreeWidgetItem* item)
{
    for (const char* name : {"green", "green_m", "grey", "grey_m", "orange", "orange_m", "red", "red_m",
                             "unknown", "yellow", "yellow_m"}) {
        if (hasIndicator(item, QLatin1String(name) + QStringLiteral(".png")))
            return QLatin1String(name);
    }
    return QStringLiteral("none");
}

QAction* entry(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu()) {
            if (QAction* inner = entry(action->menu(), text))
                return inner;
        }
    }
    return nullptr;
}
} // namespace

class TestUpsTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void virtualDevicesMembersAndUnknownModels();
    void selectionFollowsDeviceAcrossRebuilds();
    void statusListColoursAndRefreshesRecord_data();
    void statusListColoursAndRefreshesRecord();
    void sortingChoices();
    void storedSortingAppliesAtStart();
    void contextMenuEntries();
    void deleteAsksAndNamesCurrentDevice();
    void deleteWithoutIdentifierSendsNothing();
    void unknownModelShutsItsRecordDoors();
    void emptyListPromptOnce();
    void arrowMatchesShownMembersAfterRebuild();

private:
    PanelRig* rig = nullptr;
    LxTest::ModalWatchdog* watchdog = nullptr;
};

void TestUpsTree::init()
{
    rig = new PanelRig;
    watchdog = new LxTest::ModalWatchdog;
}

void TestUpsTree::cleanup()
{
    LxTest::closeAllMessageBoxes();
    delete watchdog;
    delete rig;
    rig = nullptr;
}

void TestUpsTree::virtualDevicesMembersAndUnknownModels()
{
    QVERIFY(rig->start(mixedWorld()));
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);

    // The virtual device comes first and borrows its first member's name; members stay under it.
    QCOMPARE(rig->topLevelTexts(),
             (QStringList{QStringLiteral("Wirtualny UPS <Alpha>"), QStringLiteral("Zeta"),
                          QStringLiteral("<NIEZNANY>"), QStringLiteral("Falcon (SNMP)")}));
    UpsTreeElement* virtualUps = rig->topLevel(0);
    // The member 99 names no device and adds no child.
    QCOMPARE(virtualUps->childCount(), 2);
    QCOMPARE(virtualUps->child(0)->text(0), QStringLiteral("Alpha"));
    QCOMPARE(virtualUps->child(1)->text(0), QStringLiteral("Harrier RT 6000/10000 (USB)"));
    QCOMPARE(virtualUps->modelLabel, QStringLiteral("Wirtualny UPS"));
    QVERIFY(virtualUps->isExpanded());

    UpsTreeElement* unknown = rig->topLevel(2);
    QCOMPARE(unknown->ups.id, QString());
    QCOMPARE(unknown->modelLabel, QString());
    QVERIFY(hasIndicator(unknown, QStringLiteral("unknown.png")));

    // At the first list the default record (id 0) matches the unknown model's empty id.
    QCOMPARE(rig->tree()->currentItem(), static_cast<QTreeWidgetItem*>(unknown));
    QCOMPARE(rig->fieldText("modelNameEdit"), QString());
}

void TestUpsTree::selectionFollowsDeviceAcrossRebuilds()
{
    QList<SimDevice> devices = {
        PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"), "A"),
        PanelRig::device(QStringLiteral("2"), QStringLiteral("KitePro_USB"), "B"),
        PanelRig::device(QStringLiteral("3"), QStringLiteral("HarrierRT_6_10_USB"), "C")};
    QVERIFY(rig->start(devices));
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 3);
    QCOMPARE(rig->currentDevice().id, QStringLiteral("1"));
    rig->tree()->setCurrentItem(rig->elementById(QStringLiteral("3")));
    QCOMPARE(rig->currentDevice().id, QStringLiteral("3"));

    // Another order: the same device stays selected.
    std::reverse(devices.begin(), devices.end());
    rig->server.push(ReplyBuilder::modelList(devices));
    QTRY_COMPARE(rig->topLevel(0)->text(0), QStringLiteral("C"));
    QCOMPARE(rig->tree()->currentItem(),
             static_cast<QTreeWidgetItem*>(rig->elementById(QStringLiteral("3"))));

    // Now a member of a virtual device: it is found among the children.
    SimDevice virtualUps = PanelRig::device(QStringLiteral("4"), QStringLiteral("Virtual_Device"));
    virtualUps.phy_ids = QStringList{QStringLiteral("3")};
    devices.append(virtualUps);
    rig->server.clearRequests();
    rig->server.push(ReplyBuilder::modelList(devices));
    QTRY_COMPARE(rig->topLevel(0)->text(0), QStringLiteral("Wirtualny UPS <C>"));
    QTreeWidgetItem* current = rig->tree()->currentItem();
    QVERIFY(current && current->parent());
    QCOMPARE(static_cast<UpsTreeElement*>(current)->ups.id, QStringLiteral("3"));
    QTRY_VERIFY(!rig->requests(QStringLiteral("change_device_on_interface")).isEmpty());
    QCOMPARE(rig->requests(QStringLiteral("change_device_on_interface")).last().value(QStringLiteral("id")),
             QStringLiteral("3"));

    // The device is gone: the first element takes over.
    devices = {PanelRig::device(QStringLiteral("2"), QStringLiteral("KitePro_USB"), "B")};
    rig->server.push(ReplyBuilder::modelList(devices));
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 1);
    QCOMPARE(rig->currentDevice().id, QStringLiteral("2"));

    // No devices: no selection, the model field and picture are cleared, the record stays.
    rig->server.push(ReplyBuilder::modelList({}));
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 0);
    QCOMPARE(rig->fieldText("modelNameEdit"), QString());
    // The record shows when devices come back: 2 is selected again, not the first.
    rig->server.push(
        ReplyBuilder::modelList({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"), "A"),
                                 PanelRig::device(QStringLiteral("2"), QStringLiteral("KitePro_USB"), "B")}));
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 2);
    QCOMPARE(rig->currentDevice().id, QStringLiteral("2"));
}

void TestUpsTree::statusListColoursAndRefreshesRecord_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("master");
    QTest::addColumn<QString>("icon");

    QTest::newRow("mains") << "on_power_line" << false << "green.png";
    QTest::newRow("mains master") << "on_power_line" << true << "green_m.png";
    QTest::newRow("genset on") << "genset_on" << false << "green.png";
    QTest::newRow("genset on master") << "genset_on" << true << "orange_m.png";
    QTest::newRow("unknown") << "unknown" << false << "grey.png";
    QTest::newRow("battery") << "on_battery" << false << "yellow.png";
    QTest::newRow("battery master") << "on_battery" << true << "yellow_m.png";
    QTest::newRow("genset off") << "genset_off" << false << "yellow.png";
    QTest::newRow("genset off master") << "genset_off" << true << "orange_m.png";
    QTest::newRow("no communication") << "no_communication" << false << "red.png";
    QTest::newRow("other") << "overload" << false << "orange.png";
    QTest::newRow("other master") << "overload" << true << "orange_m.png";
}

void TestUpsTree::statusListColoursAndRefreshesRecord()
{
    QFETCH(QString, status);
    QFETCH(bool, master);
    QFETCH(QString, icon);

    SimDevice other =
        PanelRig::device(QStringLiteral("8"), QStringLiteral("KitePro_USB"), QStringLiteral("Other"));
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("7"), QStringLiteral("KitePro_USB")), other}));
    // After the world has filled in its defaults.
    SimDevice* device = rig->world.device(QStringLiteral("7"));
    device->status = status;
    device->master = master;
    device->output_socket1 = true;
    device->unit_address = QStringLiteral("3");
    QTRY_VERIFY(rig->elementById(QStringLiteral("7")));
    QTRY_VERIFY2(hasIndicator(rig->elementById(QStringLiteral("7")), icon),
                 qPrintable(indicatorOf(rig->elementById(QStringLiteral("7")))));
    // The selected device's record follows the status, the selection handler does not run again.
    QTRY_VERIFY(rig->currentDevice().output_socket1);
    QCOMPARE(rig->currentDevice().unit_address, QStringLiteral("3"));
    QCOMPARE(rig->elementById(QStringLiteral("7"))->ups.unit_address, QStringLiteral("3"));
    QCOMPARE(rig->tree()->currentItem(),
             static_cast<QTreeWidgetItem*>(rig->elementById(QStringLiteral("7"))));
}

void TestUpsTree::sortingChoices()
{
    QVERIFY(rig->start(mixedWorld()));
    UpsTreeWidget* tree = rig->tree();
    QTRY_COMPARE(tree->topLevelItemCount(), 4);

    emit tree->signal_enableSortingUpsAscending();
    QCOMPARE(rig->topLevelTexts(),
             (QStringList{QStringLiteral("<NIEZNANY>"), QStringLiteral("Falcon (SNMP)"),
                          QStringLiteral("Wirtualny UPS <Alpha>"), QStringLiteral("Zeta")}));
    QVERIFY(LocalSettings().sortingUpsList());
    QVERIFY(!LocalSettings().sortingUpsListReversed());

    // Sorting stays on for the next list.
    rig->server.push(ReplyBuilder::modelList(mixedWorld()));
    QTest::qWait(50);
    QTRY_COMPARE(rig->topLevelTexts().first(), QStringLiteral("<NIEZNANY>"));

    emit tree->signal_enableSortingUpsDescending();
    QCOMPARE(rig->topLevelTexts().first(), QStringLiteral("Zeta"));
    QVERIFY(LocalSettings().sortingUpsListReversed());
    QVERIFY(tree->isSortDescending());

    // Switching it off asks for the list again, which comes back in the service's order.
    rig->server.clearRequests();
    emit tree->signal_disableSortingUps();
    QVERIFY(!LocalSettings().sortingUpsList());
    QVERIFY(!tree->isSortingActive());
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_model_list")) >= 1);
    QTRY_COMPARE(rig->topLevelTexts().first(), QStringLiteral("Wirtualny UPS <Alpha>"));
}

void TestUpsTree::storedSortingAppliesAtStart()
{
    {
        LocalSettings settings;
        settings.setSortingUpsList(true);
        settings.setSortingUpsListReversed(true);
    }
    QVERIFY(rig->start(mixedWorld()));
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);
    QCOMPARE(rig->topLevelTexts(),
             (QStringList{QStringLiteral("Zeta"), QStringLiteral("Wirtualny UPS <Alpha>"),
                          QStringLiteral("Falcon (SNMP)"), QStringLiteral("<NIEZNANY>")}));
}

void TestUpsTree::contextMenuEntries()
{
    QVERIFY(rig->start(mixedWorld()));
    LuminorixWindow& w = rig->win();
    UpsTreeWidget* tree = rig->tree();
    QTRY_COMPARE(tree->topLevelItemCount(), 4);
    tree->show();
    const QPoint onZeta = tree->visualItemRect(rig->elementByText(QStringLiteral("Zeta"))).center();
    const QPoint onUnknown = tree->visualItemRect(rig->elementByText(QStringLiteral("<NIEZNANY>"))).center();
    const QPoint nowhere(5, tree->viewport()->height() - 3);
    QVERIFY(!tree->itemAt(nowhere));

    struct Case
    {
        bool administrator;
        QPoint pos;
        bool edit; // and remove
        bool add;
    };
    const QList<Case> cases = {{false, onZeta, false, false},
                               {true, onZeta, true, true},
                               {true, nowhere, false, true},
                               {true, onUnknown, false, true}};
    for (const Case& c : cases) {
        if (c.administrator)
            w.enableAdministratorButtons();
        else
            w.disableAdministratorButtons();
        std::unique_ptr<QMenu> menu(tree->buildContextMenu(c.pos));
        QVERIFY(entry(menu.get(), QStringLiteral("Usuń")));
        QCOMPARE(entry(menu.get(), QStringLiteral("Usuń"))->isEnabled(), c.edit);
        QCOMPARE(entry(menu.get(), QStringLiteral("Edytuj"))->isEnabled(), c.edit);
        QCOMPARE(entry(menu.get(), QStringLiteral("Dodaj"))->isEnabled(), c.add);
    }

    std::unique_ptr<QMenu> menu(tree->buildContextMenu(onZeta));
    QVERIFY(entry(menu.get(), QStringLiteral("Brak sortowania"))->isChecked());
    QVERIFY(!entry(menu.get(), QStringLiteral("Sortuj od A do Z"))->isChecked());
    entry(menu.get(), QStringLiteral("Sortuj od Z do A"))->trigger();
    QVERIFY(tree->isSortDescending());
    menu.reset(tree->buildContextMenu(onZeta));
    QVERIFY(entry(menu.get(), QStringLiteral("Sortuj od Z do A"))->isChecked());
    QVERIFY(!entry(menu.get(), QStringLiteral("Brak sortowania"))->isChecked());
}

void TestUpsTree::deleteAsksAndNamesCurrentDevice()
{
    QVERIFY(rig->start(mixedWorld()));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);
    rig->tree()->setCurrentItem(rig->elementByText(QStringLiteral("Zeta")));

    // Enter takes the default answer, which keeps the device.
    auto seen = LxTest::answerNextDialog([](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
        QTest::keyClick(box, Qt::Key_Return);
    });
    w.deleteActionHandler(0);
    QVERIFY(seen->seen);
    QCOMPARE(seen->windowTitle, QStringLiteral("Usuwanie UPS"));
    QCOMPARE(seen->text, QStringLiteral("Potwierdź usunięcie urządzenia"));
    QTest::qWait(100);
    QCOMPARE(rig->requestCount(QStringLiteral("remove_ups")), 0);

    // While the question is open a new list moves the selection: the device current
    // when Yes is pressed is the one named.
    LxTest::answerNextDialog([this](QWidget* box) {
        rig->tree()->setCurrentItem(rig->elementByText(QStringLiteral("Falcon (SNMP)")));
        rig->server.push(ReplyBuilder::modelList(mixedWorld()));
        QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
    });
    w.deleteActionHandler(0);
    QTRY_COMPARE(rig->requestCount(QStringLiteral("remove_ups")), 1);
    QCOMPARE(rig->requests(QStringLiteral("remove_ups")).first().value(QStringLiteral("id")),
             QStringLiteral("15"));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_available_ports")) >= 2);
    // The tree changes only with the next model list.
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 3);
}

void TestUpsTree::deleteWithoutIdentifierSendsNothing()
{
    QVERIFY(rig->start(mixedWorld()));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);
    rig->tree()->setCurrentItem(rig->elementByText(QStringLiteral("<NIEZNANY>")));
    LxTest::answerNextMessageBox(QMessageBox::Yes);
    w.deleteActionHandler(0);
    QTest::qWait(100);
    QCOMPARE(rig->requestCount(QStringLiteral("remove_ups")), 0);
}

// A model the catalogue does not know leaves its element without a record:
// the doors whose dialogs would name it by an empty identifier stay shut.
void TestUpsTree::unknownModelShutsItsRecordDoors()
{
    QVERIFY(rig->start(mixedWorld()));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);
    w.enableAdministratorButtons();
    const QStringList doors = {"networkConfigurationButton", "loggingConfigurationButton",
                               "actionNetworkConfiguration", "actionLoggingConfiguration"};
    const auto open = [&](bool expected) {
        for (const QString& name : doors) {
            QObject* door = w.findChild<QObject*>(name);
            QVERIFY2(door && door->property("enabled").toBool() == expected, qPrintable(name));
        }
    };
    rig->tree()->setCurrentItem(rig->elementByText(QStringLiteral("<NIEZNANY>")));
    open(false);
    rig->tree()->setCurrentItem(rig->elementByText(QStringLiteral("Zeta")));
    open(true);

    LxTest::answerNextDialog([this](QWidget* dialog) {
        QTRY_VERIFY(rig->requestCount(QStringLiteral("get_network_configuration")) > 0);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    w.findChild<QAction*>(QStringLiteral("actionNetworkConfiguration"))->trigger();
    QCOMPARE(rig->requests(QStringLiteral("get_network_configuration")).first().value(QStringLiteral("id")),
             QStringLiteral("14"));

    // Logging in again, with the unknown model selected, opens none of them.
    rig->tree()->setCurrentItem(rig->elementByText(QStringLiteral("<NIEZNANY>")));
    w.disableAdministratorButtons();
    w.enableAdministratorButtons();
    open(false);
}

void TestUpsTree::emptyListPromptOnce()
{
    auto seen = LxTest::answerNextDialog([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        box->checkBox()->setChecked(true);
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(rig->start({}));
    QTRY_VERIFY(seen->seen);
    QCOMPARE(seen->windowTitle, QStringLiteral("Brak zasilaczy UPS"));
    QTRY_VERIFY(LocalSettings().dontShowAddUpsPrompt());

    // Later empty lists do not ask again.
    rig->server.push(ReplyBuilder::modelList({}));
    QTest::qWait(200);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestUpsTree::arrowMatchesShownMembersAfterRebuild()
{
    QVERIFY(rig->start(mixedWorld()));
    LuminorixWindow& w = rig->win();
    UpsTreeWidget* tree = rig->tree();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int rebuild = 0; rebuild < 2; ++rebuild) {
        if (rebuild > 0) {
            rig->server.clearRequests();
            rig->server.push(ReplyBuilder::modelList(mixedWorld()));
            QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_current_status_list")) >= 1);
        }
        QTRY_COMPARE(tree->topLevelItemCount(), 4);
        UpsTreeElement* virtualUps = rig->topLevel(0);
        QVERIFY(virtualUps->isExpanded());
        QVERIFY(!tree->visualItemRect(virtualUps->child(0)).isEmpty());

        // One click on the arrow folds what is shown; a second unfolds it.
        const QRect row = tree->visualItemRect(virtualUps);
        const QPoint arrow(row.left() - tree->indentation() / 2, row.center().y());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, arrow);
        QVERIFY(!virtualUps->isExpanded());
        QVERIFY(tree->visualItemRect(virtualUps->child(0)).isEmpty());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, arrow);
        QVERIFY(virtualUps->isExpanded());
        QVERIFY(!tree->visualItemRect(virtualUps->child(0)).isEmpty());
    }
}

LX_TEST_MAIN(TestUpsTree)
#include "tst_upstree.moc"
