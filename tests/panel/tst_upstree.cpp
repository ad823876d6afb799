// The device tree alone (rebuilds, the selection walk, status lists, holding them)
// and against the stand-in in the window: building it from model lists, keeping the
// selection, colouring it from status lists, sorting, the context menu, removal
// and the empty-list prompt.
#include "common/localsettings.h"
#include "common/upsmodelcatalogue.h"
#include "link/upssocketcontroller.h"
#include "panel/upstreeelement.h"
#include "panel/upstreewidget.h"
#include "panelrig.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tools/sim/replybuilder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidgetItemIterator>

using Luminorix::Utils::currentDeviceStatus;
using Luminorix::Utils::Ups;
using LxSim::ReplyBuilder;
using LxSim::SimDevice;

using Statuses = QVector<currentDeviceStatus>;

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

Ups record(const QString& id, const QString& model, const QStringList& members = {})
{
    Ups ups;
    ups.id = id;
    ups.model_name = model;
    ups.phy_ids = members;
    return ups;
}

// Virtual 10 (members 11, 12), virtual 20 (member 11 again), 13, and an unknown model.
QVector<Ups> fixtureModels()
{
    return {record("10", "Virtual_Device", {"11", "12"}),
            record("20", "Virtual_Device", {"11"}),
            record("11", "KitePro_USB"),
            record("12", "KitePro_USB"),
            record("13", "Falcon_SNMP"),
            record("", "Mystery_X")};
}

currentDeviceStatus status(int id, const char* keyword, bool socket1 = false)
{
    currentDeviceStatus s;
    s.id = id;
    s.status = keyword;
    s.output_socket1 = socket1;
    return s;
}

// "parent/id" of an element, "id" at the top level.
QString path(const UpsTreeElement* element)
{
    const auto* parent = static_cast<const UpsTreeElement*>(element->parent());
    return parent ? parent->ups.id + QLatin1Char('/') + element->ups.id : element->ups.id;
}

QList<UpsTreeElement*> elementsOf(UpsTreeWidget& tree, const QString& id)
{
    QList<UpsTreeElement*> found;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        auto* element = static_cast<UpsTreeElement*>(*it);
        if (element->ups.id == id)
            found.append(element);
    }
    return found;
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

    void reselectionWalk_data();
    void reselectionWalk();
    void unknownMemberNamesItsDevice();
    void repeatedStatusListChangesNothing_data();
    void repeatedStatusListChangesNothing();
    void lastStatusOfADeviceStays();
    void heldStatusesApplyOnRelease_data();
    void heldStatusesApplyOnRelease();
    void identicalRepliesLeaveWindowTreeAlone();
    void hiddenWindowTreeRightWhenShown();

    void virtualDevicesMembersAndUnknownModels();
    void selectionFollowsDeviceAcrossRebuilds();
    void statusListColoursAndRefreshesRecord_data();
    void statusListColoursAndRefreshesRecord();
    void sortingChoices();
    void storedSortingAppliesAtStart();
    void contextMenuEntries();
    void deleteAsksAndNamesCurrentDevice();
    void deleteOfUnknownModelSendsNothing();
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

void TestUpsTree::reselectionWalk_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QStringList>("sequence");

    QTest::newRow("top level") << 13 << QStringList{"13"};
    QTest::newRow("member") << 12 << QStringList{"10/12"};
    // A child match ends only its own element's children: the walk goes on.
    QTest::newRow("member of two virtual devices") << 11 << QStringList{"10/11", "20/11"};
    QTest::newRow("virtual device itself") << 20 << QStringList{"20"};
    // The default record's id counts as 0, as does the unknown model's empty id.
    QTest::newRow("default record") << 0 << QStringList{""};
    QTest::newRow("gone: the first element") << 99 << QStringList{"10"};
}

void TestUpsTree::reselectionWalk()
{
    QFETCH(int, device);
    QFETCH(QStringList, sequence);

    bool administrator = false;
    UpsTreeWidget tree(nullptr, &administrator);
    tree.showModels(fixtureModels(), upsModelCatalogue());
    QCOMPARE(tree.topLevelItemCount(), 4);
    QStringList walked;
    for (const UpsTreeElement* element : tree.reselection(device))
        walked << path(element);
    QCOMPARE(walked, sequence);

    tree.showModels({}, upsModelCatalogue());
    QVERIFY(tree.reselection(device).isEmpty());
}

// A member of a model the catalogue lacks is listed like an unknown device at the
// top level, under its own id, so the selection can find it again.
void TestUpsTree::unknownMemberNamesItsDevice()
{
    bool administrator = false;
    UpsTreeWidget tree(nullptr, &administrator);
    tree.showModels({record("10", "Virtual_Device", {"11", "12"}), record("11", "KitePro_USB"),
                     record("12", "Mystery_X")},
                    upsModelCatalogue());
    QCOMPARE(tree.topLevelItemCount(), 1);
    auto* member = static_cast<UpsTreeElement*>(tree.topLevelItem(0)->child(1));
    QCOMPARE(member->text(0), QStringLiteral("<NIEZNANY>"));
    QCOMPARE(member->ups.model_name, QStringLiteral("Mystery_X"));
    QVERIFY(!member->knownModel);
    QVERIFY(hasIndicator(member, QStringLiteral("unknown.png")));
    QCOMPARE(tree.reselection(12), QList<UpsTreeElement*>{member});
}

void TestUpsTree::repeatedStatusListChangesNothing_data()
{
    QTest::addColumn<QString>("between");
    QTest::addColumn<bool>("redrawn");

    QTest::newRow("same list again") << "nothing" << false;
    QTest::newRow("after a rebuild") << "rebuild" << true;
    QTest::newRow("after the service was lost") << "unreachable" << true;
}

// A list equal to the one the elements show sets nothing; one that came after the
// elements changed by other means is applied again.
void TestUpsTree::repeatedStatusListChangesNothing()
{
    QFETCH(QString, between);
    QFETCH(bool, redrawn);

    bool administrator = false;
    UpsTreeWidget tree(nullptr, &administrator);
    tree.showModels(fixtureModels(), upsModelCatalogue());
    QSignalSpy changed(tree.model(), &QAbstractItemModel::dataChanged);
    QList<UpsTreeElement*> applied;
    QObject::connect(&tree, &UpsTreeWidget::currentDeviceStatusApplied, &tree,
                     [&applied](UpsTreeElement* element) { applied.append(element); });

    const Statuses statuses{status(13, "on_battery", true), status(12, "on_power_line")};
    tree.applyStatuses(statuses, 13);
    QVERIFY(changed.count() > 0);
    QCOMPARE(applied.count(), 1);
    QVERIFY(hasIndicator(elementsOf(tree, "13").first(), QStringLiteral("yellow.png")));

    if (between == QLatin1String("rebuild"))
        tree.showModels(fixtureModels(), upsModelCatalogue());
    else if (between == QLatin1String("unreachable"))
        tree.showUnreachable();
    changed.clear();
    applied.clear();
    // An equal list, not the same one.
    const Statuses again{status(13, "on_battery", true), status(12, "on_power_line")};
    tree.applyStatuses(again, 13);
    QCOMPARE(changed.count() > 0, redrawn);
    QCOMPARE(applied.count(), redrawn ? 1 : 0);
    UpsTreeElement* element = elementsOf(tree, "13").first();
    QVERIFY(hasIndicator(element, QStringLiteral("yellow.png")));
    QVERIFY(element->ups.output_socket1);

    // A change is applied.
    changed.clear();
    tree.applyStatuses({status(13, "on_power_line", true), status(12, "on_power_line")}, 13);
    QVERIFY(changed.count() > 0);
    QVERIFY(hasIndicator(element, QStringLiteral("green.png")));
}

// A list may name a device twice; what its elements show is the later entry.
void TestUpsTree::lastStatusOfADeviceStays()
{
    bool administrator = false;
    UpsTreeWidget tree(nullptr, &administrator);
    tree.showModels(fixtureModels(), upsModelCatalogue());
    QList<UpsTreeElement*> applied;
    QObject::connect(&tree, &UpsTreeWidget::currentDeviceStatusApplied, &tree,
                     [&applied](UpsTreeElement* element) { applied.append(element); });

    tree.applyStatuses(
        {status(11, "on_battery", true), status(13, "on_battery"), status(11, "no_communication")}, 11);
    const QList<UpsTreeElement*> elevens = elementsOf(tree, "11");
    QCOMPARE(elevens.size(), 2);
    for (const UpsTreeElement* element : elevens) {
        QVERIFY2(hasIndicator(element, QStringLiteral("red.png")), qPrintable(path(element)));
        QVERIFY(!element->ups.output_socket1);
    }
    QVERIFY(hasIndicator(elementsOf(tree, "13").first(), QStringLiteral("yellow.png")));
    QVERIFY(hasIndicator(elementsOf(tree, "12").first(), QStringLiteral("grey.png")));
    // The last element of the shown device, as a walk of the tree meets them.
    QCOMPARE(applied, QList<UpsTreeElement*>{elevens.last()});
}

void TestUpsTree::heldStatusesApplyOnRelease_data()
{
    QTest::addColumn<Statuses>("first");
    QTest::addColumn<Statuses>("second");
    QTest::addColumn<QStringList>("icons"); // of 11 (both elements), 12 and 13 after the release

    QTest::newRow("the later list covers the earlier")
        << Statuses{status(11, "on_battery"), status(13, "on_battery")}
        << Statuses{status(11, "on_power_line"), status(13, "no_communication")}
        << QStringList{"green.png", "green.png", "grey.png", "red.png"};
    // What only the earlier list named still arrives.
    QTest::newRow("the later list names fewer devices")
        << Statuses{status(12, "on_battery"), status(13, "on_battery")}
        << Statuses{status(13, "no_communication")}
        << QStringList{"grey.png", "grey.png", "yellow.png", "red.png"};
    QTest::newRow("the later list names the devices in another order")
        << Statuses{status(11, "on_battery"), status(13, "on_battery")}
        << Statuses{status(13, "no_communication"), status(11, "on_power_line")}
        << QStringList{"green.png", "green.png", "grey.png", "red.png"};
    QTest::newRow("the later list names as many, not the same")
        << Statuses{status(12, "on_battery"), status(13, "on_battery")}
        << Statuses{status(11, "on_power_line"), status(13, "no_communication")}
        << QStringList{"green.png", "green.png", "yellow.png", "red.png"};
    QTest::newRow("the later list is the earlier again")
        << Statuses{status(12, "on_battery"), status(13, "on_battery")}
        << Statuses{status(12, "on_battery"), status(13, "on_battery")}
        << QStringList{"grey.png", "grey.png", "yellow.png", "yellow.png"};
}

void TestUpsTree::heldStatusesApplyOnRelease()
{
    QFETCH(Statuses, first);
    QFETCH(Statuses, second);
    QFETCH(QStringList, icons);

    bool administrator = false;
    UpsTreeWidget tree(nullptr, &administrator);
    tree.showModels(fixtureModels(), upsModelCatalogue());
    QSignalSpy changed(tree.model(), &QAbstractItemModel::dataChanged);
    QList<UpsTreeElement*> applied;
    QObject::connect(&tree, &UpsTreeWidget::currentDeviceStatusApplied, &tree,
                     [&applied](UpsTreeElement* element) { applied.append(element); });

    tree.holdStatuses(true);
    tree.applyStatuses(first, 13);
    tree.applyStatuses(second, 13);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(applied.count(), 0);

    tree.holdStatuses(false);
    const QList<UpsTreeElement*> elevens = elementsOf(tree, "11");
    const QList<const UpsTreeElement*> shown{elevens.at(0), elevens.at(1), elementsOf(tree, "12").first(),
                                             elementsOf(tree, "13").first()};
    for (int i = 0; i < shown.size(); ++i)
        QVERIFY2(hasIndicator(shown.at(i), icons.at(i)), qPrintable(path(shown.at(i))));
    QCOMPARE(applied, QList<UpsTreeElement*>{elementsOf(tree, "13").first()});
}

// Over the wire: once the tree shows the world, the polls that repeat it set nothing.
void TestUpsTree::identicalRepliesLeaveWindowTreeAlone()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("7"), QStringLiteral("KitePro_USB"))}));
    QTRY_VERIFY(rig->elementById(QStringLiteral("7")));
    QTRY_VERIFY(hasIndicator(rig->elementById(QStringLiteral("7")), QStringLiteral("green.png")));
    QSignalSpy lists(rig->controller(), &Luminorix::UpsSocketController::upsCurrentStatusListReceived);
    QSignalSpy changed(rig->tree()->model(), &QAbstractItemModel::dataChanged);
    // Counted by a context that ends with the test, not with the rig.
    int applied = 0;
    QObject counting;
    QObject::connect(rig->tree(), &UpsTreeWidget::currentDeviceStatusApplied, &counting,
                     [&applied] { ++applied; });
    QTRY_VERIFY(lists.count() >= 3);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(applied, 0);

    rig->world.device(QStringLiteral("7"))->status = QStringLiteral("on_battery");
    QTRY_VERIFY(hasIndicator(rig->elementById(QStringLiteral("7")), QStringLiteral("yellow.png")));
    QVERIFY(changed.count() > 0);
}

void TestUpsTree::hiddenWindowTreeRightWhenShown()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("7"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    w.startHidden();
    QTRY_VERIFY(rig->elementById(QStringLiteral("7")));
    QSignalSpy lists(rig->controller(), &Luminorix::UpsSocketController::upsCurrentStatusListReceived);
    QTRY_VERIFY(lists.count() >= 1);
    // Not drawn in the tray: still the colour of a device before its first status.
    QVERIFY(hasIndicator(rig->elementById(QStringLiteral("7")), QStringLiteral("grey.png")));

    SimDevice* device = rig->world.device(QStringLiteral("7"));
    device->status = QStringLiteral("on_battery");
    device->output_socket1 = true;
    lists.clear();
    QTRY_VERIFY(lists.count() >= 2);
    QVERIFY(hasIndicator(rig->elementById(QStringLiteral("7")), QStringLiteral("grey.png")));
    QVERIFY(!rig->currentDevice().output_socket1);

    // Right at once when shown, the window's device record too.
    w.show();
    QVERIFY(hasIndicator(rig->elementById(QStringLiteral("7")), QStringLiteral("yellow.png")));
    QVERIFY(rig->currentDevice().output_socket1);
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

    // An unknown model keeps the service's record, and its indicator through status lists.
    UpsTreeElement* unknown = rig->topLevel(2);
    QCOMPARE(unknown->ups.id, QStringLiteral("13"));
    QCOMPARE(unknown->ups.model_name, QStringLiteral("Mystery_X"));
    QCOMPARE(unknown->modelLabel, QString());
    QVERIFY(!unknown->knownModel);
    QTRY_VERIFY(hasIndicator(rig->elementById(QStringLiteral("14")), QStringLiteral("green.png")));
    QVERIFY(hasIndicator(unknown, QStringLiteral("unknown.png")));

    // At the first list the default record (id 0) matches no device: the first element.
    QCOMPARE(rig->tree()->currentItem(), static_cast<QTreeWidgetItem*>(virtualUps));
    QCOMPARE(rig->fieldText("modelNameEdit"), QStringLiteral("Wirtualny UPS"));
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
            rig->logIn();
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
    rig->logIn();
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

// The device dialogs cannot show a model the catalogue lacks: its element offers no
// removal, and the window sends none for it.
void TestUpsTree::deleteOfUnknownModelSendsNothing()
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

// A model the catalogue does not know: its element names its own device to the
// service, whose values the window then shows, and every door of the device stays
// shut, also when the service's maps for it would open them.
void TestUpsTree::unknownModelShutsItsRecordDoors()
{
    QVERIFY(rig->start(mixedWorld()));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);
    rig->logIn();
    const QStringList recordDoors = {"networkConfigurationButton", "loggingConfigurationButton",
                                     "actionNetworkConfiguration", "actionLoggingConfiguration"};
    // Opened by the service's configuration map and device state.
    const QStringList mapDoors = {"upsConfigurationButton", "actionUpsConfiguration", "exInfoButton",
                                  "actionExtendInformation"};
    const auto openDoors = [&] {
        QStringList open;
        for (const QString& name : recordDoors + mapDoors) {
            QObject* door = w.findChild<QObject*>(name);
            if (!door)
                open << QStringLiteral("<no %1>").arg(name);
            else if (door->property("enabled").toBool())
                open << name;
        }
        return open;
    };
    rig->tree()->setCurrentItem(rig->elementByText(QStringLiteral("Zeta")));
    QTRY_COMPARE(rig->fieldText("firmwareEdit"), QStringLiteral("03.14.1"));
    QTRY_COMPARE(openDoors(), recordDoors + mapDoors);

    rig->server.clearRequests();
    rig->tree()->setCurrentItem(rig->elementByText(QStringLiteral("<NIEZNANY>")));
    QCOMPARE(openDoors(), QStringList());
    QTRY_VERIFY(!rig->requests(QStringLiteral("change_device_on_interface")).isEmpty());
    QCOMPARE(rig->requests(QStringLiteral("change_device_on_interface")).first().value(QStringLiteral("id")),
             QStringLiteral("13"));
    QTRY_COMPARE(rig->fieldText("firmwareEdit"), QStringLiteral("03.13.1"));
    // Its configuration and its state have come: the doors stay shut.
    const int configurations = rig->requestCount(QStringLiteral("get_ups_configuration"));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_configuration")) > configurations + 1);
    QCOMPARE(openDoors(), QStringList());

    rig->tree()->setCurrentItem(rig->elementByText(QStringLiteral("Zeta")));
    QTRY_COMPARE(openDoors(), recordDoors + mapDoors);
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
    rig->logIn();
    QCOMPARE(openDoors(), QStringList());
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
