#include "upstreewidget.h"

#include "common/upsmodelcatalogue.h"
#include "upstreeelement.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QHash>
#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QTreeWidgetItemIterator>
#include <QVarLengthArray>
#include <algorithm>

using Luminorix::Utils::currentDeviceStatus;
using Luminorix::Utils::Ups;

namespace {
const QString kIndicators = QStringLiteral(":/indicators/images/indicators/");
// The item data role that names the indicator an element shows, so that an
// unchanged state sets no icon (each set re-lays the tree's rows).
constexpr int kIndicatorRole = Qt::UserRole + 1;

// Each indicator is read from the resources once.
const QIcon& indicatorIcon(const QString& path)
{
    static QHash<QString, QIcon> icons;
    auto it = icons.find(path);
    if (it == icons.end())
        it = icons.insert(path, QIcon(path));
    return *it;
}

// True when the indicator changed.
bool setIndicator(QTreeWidgetItem* item, const QString& path)
{
    if (item->data(0, kIndicatorRole).toString() == path)
        return false;
    item->setIcon(0, indicatorIcon(path));
    item->setData(0, kIndicatorRole, path);
    return true;
}

// Each icon set tells the view, which looks the row up among all the rows it
// shows: a poll that changes every device's state would cost the square of the
// devices. The model stays quiet while the indicators change and then tells of
// them once, as one range of top-level rows (an icon changes neither a row's
// size nor the order).
class QuietIndicators
{
public:
    explicit QuietIndicators(QTreeWidget* tree) : tree(tree), wasBlocked(tree->model()->blockSignals(true)) {}
    ~QuietIndicators()
    {
        QAbstractItemModel* model = tree->model();
        model->blockSignals(wasBlocked);
        if (first >= 0)
            emit model->dataChanged(model->index(first, 0), model->index(last, 0), {Qt::DecorationRole});
    }
    QuietIndicators(const QuietIndicators&) = delete;
    QuietIndicators& operator=(const QuietIndicators&) = delete;

    // Every element in tree order (pre-order), set or passed, so that the
    // top-level rows are counted on the way.
    void pass(const QTreeWidgetItem* item)
    {
        if (!item->parent())
            ++row;
    }
    void set(QTreeWidgetItem* item, const QString& path)
    {
        pass(item);
        if (!setIndicator(item, path))
            return;
        first = first < 0 ? row : first;
        last = row;
    }

private:
    QTreeWidget* tree;
    bool wasBlocked;
    int row = -1;
    int first = -1;
    int last = -1;
};

QString stateIcon(const std::string& status, bool master)
{
    QString name;
    if (status == "on_power_line")
        name = master ? QStringLiteral("green_m.png") : QStringLiteral("green.png");
    else if (status == "genset_on")
        name = master ? QStringLiteral("orange_m.png") : QStringLiteral("green.png");
    else if (status == "unknown")
        name = master ? QStringLiteral("grey_m.png") : QStringLiteral("grey.png");
    else if (status == "on_battery")
        name = master ? QStringLiteral("yellow_m.png") : QStringLiteral("yellow.png");
    else if (status == "genset_off")
        name = master ? QStringLiteral("orange_m.png") : QStringLiteral("yellow.png");
    else if (status == "no_communication")
        name = master ? QStringLiteral("red_m.png") : QStringLiteral("red.png");
    else
        name = master ? QStringLiteral("orange_m.png") : QStringLiteral("orange.png");
    return kIndicators + name;
}

// The first catalogue row for a model identifier, or null.
const UpsModelEntry* catalogueRow(const QList<UpsModelEntry>& catalogue, const QString& identifier)
{
    for (const UpsModelEntry& row : catalogue) {
        if (row.identifier() == identifier)
            return &row;
    }
    return nullptr;
}

// Text, icon, record and label of a device found in the catalogue.
void fillKnownElement(UpsTreeElement* element, const UpsModelEntry& row, const Ups& ups)
{
    setIndicator(element, kIndicators + QStringLiteral("grey.png"));
    element->setText(0, ups.user_defined_name.isEmpty() ? row.label() : ups.user_defined_name);
    element->ups = ups;
    element->modelLabel = row.label();
    element->knownModel = true;
}

// A model the catalogue lacks keeps the service's record: selecting it then names
// this very device to the service, not the device id 0 of an empty record.
void fillUnknownElement(UpsTreeElement* element, const Ups& ups)
{
    setIndicator(element, kIndicators + QStringLiteral("unknown.png"));
    // The window's context, where the text was made and translated.
    element->setText(0, QCoreApplication::translate("LuminorixWindow", "<NIEZNANY>"));
    element->ups = ups;
}

bool sameStatuses(const QVector<currentDeviceStatus>& a, const QVector<currentDeviceStatus>& b)
{
    if (a.size() != b.size())
        return false;
    // The link hands on the very list it read last when the reply did not change.
    if (a.constData() == b.constData())
        return true;
    return std::equal(a.cbegin(), a.cend(), b.cbegin());
}

bool coversEveryDevice(const QVector<currentDeviceStatus>& later, const QVector<currentDeviceStatus>& earlier)
{
    // The usual case, the same devices in the same order, needs no set.
    if (later.size() >= earlier.size() &&
        std::equal(earlier.cbegin(), earlier.cend(), later.cbegin(),
                   [](const currentDeviceStatus& a, const currentDeviceStatus& b) { return a.id == b.id; }))
        return true;
    QSet<int> ids;
    for (const currentDeviceStatus& status : later)
        ids.insert(status.id);
    for (const currentDeviceStatus& status : earlier) {
        if (!ids.contains(status.id))
            return false;
    }
    return true;
}
} // namespace

UpsTreeWidget::UpsTreeWidget(QWidget* parent, const bool* administratorModeFlag, bool sortingActive,
                             bool sortDescending)
    : QTreeWidget(parent), administratorModeFlag(administratorModeFlag), sortingActive(sortingActive),
      sortDescending(sortDescending)
{
    setColumnCount(1);
    setHeaderHidden(true);
    // Every row is one line of text beside an indicator of one size: the view then
    // needs no row's size hint to lay out or redraw a range of rows.
    setUniformRowHeights(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &UpsTreeWidget::onCustomContextMenuRequested);
}

void UpsTreeWidget::setSortingFlags(bool active, bool descending)
{
    sortingActive = active;
    sortDescending = descending;
}

void UpsTreeWidget::applySorting(bool active, bool descending)
{
    setSortingFlags(active, descending);
    setSortingEnabled(active);
    if (active)
        sortItems(0, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void UpsTreeWidget::deleteAllItems()
{
    statusesApplied = false;
    elementsOfDevice.clear();
    // Taken in one go (one removal for the view, not one per element); deleting an
    // element deletes its children with it.
    qDeleteAll(invisibleRootItem()->takeChildren());
    clear();
}

void UpsTreeWidget::showModels(const QVector<Ups>& models, const QList<UpsModelEntry>& catalogue)
{
    // What came before the rebuild reaches the old elements first, as it would have.
    applyHeldStatuses();
    blockSignals(true);
    deleteAllItems();
    QSet<int> memberIds;
    // Positions of the records of each id, in list order: members and names are
    // looked up by id, and a scan of the whole list per member grows with its square.
    QHash<QString, QVector<int>> recordsById;
    for (int i = 0; i < models.size(); ++i)
        recordsById[models.at(i).id].append(i);

    // All elements go in at once: one insertion per element re-lays the view each time.
    QList<QTreeWidgetItem*> elements;
    for (const Ups& virtualUps : models) {
        if (!isVirtualDeviceModel(virtualUps.model_name))
            continue;
        auto* element = new UpsTreeElement;
        if (const UpsModelEntry* row = catalogueRow(catalogue, virtualUps.model_name)) {
            setIndicator(element, kIndicators + QStringLiteral("grey.png"));
            QString name;
            if (!virtualUps.phy_ids.isEmpty()) {
                for (int i : recordsById.value(virtualUps.phy_ids.first())) {
                    if (!models.at(i).user_defined_name.isEmpty())
                        name = models.at(i).user_defined_name;
                }
            }
            element->setText(0, name.isEmpty() ? row->label()
                                               : QStringLiteral("%1 <%2>").arg(row->label(), name));
            element->ups = virtualUps;
            element->modelLabel = row->label();
            element->knownModel = true;
        }
        for (const QString& memberId : virtualUps.phy_ids) {
            for (int i : recordsById.value(memberId)) {
                const Ups& member = models.at(i);
                auto* child = new UpsTreeElement;
                if (const UpsModelEntry* row = catalogueRow(catalogue, member.model_name))
                    fillKnownElement(child, *row, member);
                else
                    fillUnknownElement(child, member);
                element->addChild(child);
                memberIds.insert(member.id.toInt());
            }
        }
        elements.append(element);
    }

    for (const Ups& ups : models) {
        if (memberIds.contains(ups.id.toInt()) || isVirtualDeviceModel(ups.model_name))
            continue;
        auto* element = new UpsTreeElement;
        if (const UpsModelEntry* row = catalogueRow(catalogue, ups.model_name)) {
            fillKnownElement(element, *row, ups);
        } else {
            fillUnknownElement(element, ups);
        }
        elements.append(element);
    }
    addTopLevelItems(elements);

    // Expanded while the signals are still blocked: expandAll() announces each element
    // from inside its layout pass, and a column resize answering that frees the very
    // rows the pass is walking. One resize afterwards gives the same width.
    if (!models.isEmpty())
        expandAll();
    resizeColumnToContents(0);
    blockSignals(false);
}

QList<UpsTreeElement*> UpsTreeWidget::reselection(int deviceId) const
{
    // A top-level match ends the walk; a child match only ends its own element's
    // children, so a later top-level match still wins.
    QList<UpsTreeElement*> sequence;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        auto* element = static_cast<UpsTreeElement*>(topLevelItem(i));
        if (element->ups.id.toInt() == deviceId) {
            sequence.append(element);
            return sequence;
        }
        for (int c = 0; c < element->childCount(); ++c) {
            auto* child = static_cast<UpsTreeElement*>(element->child(c));
            if (child->ups.id.toInt() == deviceId) {
                sequence.append(child);
                break;
            }
        }
    }
    if (sequence.isEmpty() && topLevelItemCount() > 0)
        sequence.append(static_cast<UpsTreeElement*>(topLevelItem(0)));
    return sequence;
}

void UpsTreeWidget::applyStatuses(const QVector<currentDeviceStatus>& statuses, int currentDeviceId)
{
    if (statusesHeld) {
        // Kept one list deep while each list names every device the one before did;
        // the tray's usual poll brings the very list kept, which needs no look.
        heldCurrentDeviceId = currentDeviceId;
        if (!hasHeldStatuses)
            heldStatuses = statuses;
        else if (sameStatuses(statuses, heldStatuses))
            return;
        else if (!coversEveryDevice(statuses, heldStatuses))
            heldStatuses += statuses;
        else
            heldStatuses = statuses;
        hasHeldStatuses = true;
        return;
    }
    if (statusesApplied && sameStatuses(statuses, appliedStatuses))
        return;
    if (applyChangedStatuses(statuses, currentDeviceId))
        return;

    blockSignals(true);
    const QModelIndex current = currentIndex();
    UpsTreeElement* reached = nullptr;
    // Of several statuses of one device the last is the one that stays; a scan of the
    // whole list per element would grow with the square of the devices.
    lastStatusOf.clear();
    lastStatusOf.reserve(statuses.size());
    for (int i = 0; i < statuses.size(); ++i)
        lastStatusOf.insert(statuses.at(i).id, i);
    elementsOfDevice.clear();
    {
        QuietIndicators quiet(this);
        for (QTreeWidgetItemIterator it(this); *it; ++it) {
            auto* element = static_cast<UpsTreeElement*>(*it);
            const int elementId = element->ups.id.toInt();
            const auto found = lastStatusOf.constFind(elementId);
            if (found == lastStatusOf.constEnd()) {
                quiet.pass(element);
                continue;
            }
            const currentDeviceStatus& status = statuses.at(*found);
            copyStatus(element, status);
            elementsOfDevice[elementId].append(element);
            // The element of an unknown model keeps saying so, whatever the device's state.
            if (element->knownModel)
                quiet.set(element, stateIcon(status.status, status.master));
            else
                quiet.pass(element);
            if (elementId == currentDeviceId)
                reached = element;
        }
    }
    setCurrentIndex(current);
    blockSignals(false);
    appliedStatuses = statuses;
    statusesApplied = true;
    if (reached)
        emit currentDeviceStatusApplied(reached);
}

void UpsTreeWidget::copyStatus(UpsTreeElement* element, const currentDeviceStatus& status)
{
    element->ups.parallel_unit = status.parallel_unit;
    element->ups.unit_address = QString::fromStdString(status.unit_address);
    element->ups.power_compensation = status.power_compensation;
    element->ups.output_socket1 = status.output_socket1;
    element->ups.output_socket2 = status.output_socket2;
    element->ups.ups_shutdown_supported = status.ups_shutdown_supported;
}

bool UpsTreeWidget::applyChangedStatuses(const QVector<currentDeviceStatus>& statuses, int currentDeviceId)
{
    // The usual poll names the devices of the list applied, in its order, and one
    // or a few of them changed: only their elements are looked at, not the tree.
    const int kMostChanged = 8;
    if (!statusesApplied || statuses.size() != appliedStatuses.size())
        return false;
    QVarLengthArray<int, kMostChanged> changed;
    for (int i = 0; i < statuses.size(); ++i) {
        const currentDeviceStatus& status = statuses.at(i);
        if (status.id != appliedStatuses.at(i).id)
            return false;
        if (status == appliedStatuses.at(i))
            continue;
        if (changed.size() == kMostChanged)
            return false;
        changed.append(i);
    }
    blockSignals(true);
    UpsTreeElement* reached = nullptr;
    for (int i : changed) {
        const currentDeviceStatus& status = statuses.at(i);
        // A later status of the same device is the one that stays.
        if (lastStatusOf.value(status.id, -1) != i)
            continue;
        for (UpsTreeElement* element : elementsOfDevice.value(status.id)) {
            copyStatus(element, status);
            if (element->knownModel) {
                // Told as the whole pass tells it: the icon alone, not the role beside it.
                QAbstractItemModel* itemModel = model();
                const bool wasBlocked = itemModel->blockSignals(true);
                const bool set = setIndicator(element, stateIcon(status.status, status.master));
                itemModel->blockSignals(wasBlocked);
                if (set) {
                    const QModelIndex index = indexFromItem(element);
                    emit itemModel->dataChanged(index, index, {Qt::DecorationRole});
                }
            }
            if (status.id == currentDeviceId)
                reached = element;
        }
    }
    blockSignals(false);
    appliedStatuses = statuses;
    if (reached)
        emit currentDeviceStatusApplied(reached);
    return true;
}

void UpsTreeWidget::holdStatuses(bool held)
{
    statusesHeld = held;
    if (!held)
        applyHeldStatuses();
}

void UpsTreeWidget::applyHeldStatuses()
{
    if (!hasHeldStatuses)
        return;
    const bool held = statusesHeld;
    statusesHeld = false;
    const QVector<currentDeviceStatus> statuses = heldStatuses;
    heldStatuses.clear();
    hasHeldStatuses = false;
    applyStatuses(statuses, heldCurrentDeviceId);
    statusesHeld = held;
}

void UpsTreeWidget::showUnreachable()
{
    applyHeldStatuses();
    statusesApplied = false;
    blockSignals(true);
    const QModelIndex current = currentIndex();
    const QString red = kIndicators + QStringLiteral("red.png");
    {
        QuietIndicators quiet(this);
        for (QTreeWidgetItemIterator it(this); *it; ++it)
            quiet.set(*it, red);
    }
    setCurrentIndex(current);
    blockSignals(false);
}

UpsTreeElement* UpsTreeWidget::currentElement() const
{
    return static_cast<UpsTreeElement*>(currentItem());
}

QList<Ups> UpsTreeWidget::virtualDeviceMembers() const
{
    QList<Ups> members;
    for (QTreeWidgetItemIterator it(const_cast<UpsTreeWidget*>(this)); *it; ++it) {
        const auto* element = static_cast<UpsTreeElement*>(*it);
        if (!isVirtualDeviceModel(element->ups.model_name))
            continue;
        for (int c = 0; c < element->childCount(); ++c)
            members.append(static_cast<UpsTreeElement*>(element->child(c))->ups);
    }
    return members;
}

QList<Ups> UpsTreeWidget::allDeviceRecords() const
{
    QList<Ups> records;
    // Top level only: an iterator would visit the members a second time.
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const auto* element = static_cast<UpsTreeElement*>(topLevelItem(i));
        records.append(element->ups);
        for (int c = 0; c < element->childCount(); ++c)
            records.append(static_cast<UpsTreeElement*>(element->child(c))->ups);
    }
    return records;
}

QMenu* UpsTreeWidget::buildContextMenu(const QPoint& pos)
{
    const bool administrator = administratorModeFlag && *administratorModeFlag;
    const auto* element = static_cast<UpsTreeElement*>(itemAt(pos));
    // The device dialogs cannot show a model the catalogue lacks, and an element
    // without an identifier cannot be named in a request.
    const bool editable = administrator && element && element->knownModel && !element->ups.id.isEmpty();

    auto* menu = new QMenu(this);
    QMenu* sortingMenu = menu->addMenu(tr("Sortowanie listy"));
    auto* group = new QActionGroup(sortingMenu);
    group->setExclusive(true);
    QAction* none = sortingMenu->addAction(tr("Brak sortowania"));
    QAction* ascending = sortingMenu->addAction(tr("Sortuj od A do Z"));
    QAction* descending = sortingMenu->addAction(tr("Sortuj od Z do A"));
    for (QAction* action : {none, ascending, descending}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    none->setChecked(!sortingActive);
    ascending->setChecked(sortingActive && !sortDescending);
    descending->setChecked(sortingActive && sortDescending);

    QAction* add = menu->addAction(tr("Dodaj"));
    add->setEnabled(administrator);
    QAction* edit = menu->addAction(tr("Edytuj"));
    edit->setEnabled(editable);
    QAction* remove = menu->addAction(tr("Usuń"));
    remove->setEnabled(editable);

    connect(add, &QAction::triggered, this, &UpsTreeWidget::addUpsActionTriggered);
    connect(edit, &QAction::triggered, this, &UpsTreeWidget::editActionTriggeredSlot);
    connect(remove, &QAction::triggered, this, &UpsTreeWidget::deleteActionTriggeredSlot);
    connect(none, &QAction::triggered, this, &UpsTreeWidget::signal_disableSortingUps);
    connect(ascending, &QAction::triggered, this, &UpsTreeWidget::signal_enableSortingUpsAscending);
    connect(descending, &QAction::triggered, this, &UpsTreeWidget::signal_enableSortingUpsDescending);
    return menu;
}

void UpsTreeWidget::onCustomContextMenuRequested(QPoint pos)
{
    // The tree may go away while the popup runs its own event loop.
    QPointer<QMenu> menu = buildContextMenu(pos);
    menu->exec(QCursor::pos());
    delete menu.data();
}

void UpsTreeWidget::editActionTriggeredSlot()
{
    emit editActionTriggered(currentIndex().row());
}

void UpsTreeWidget::deleteActionTriggeredSlot()
{
    emit deleteActionTriggered(currentIndex().row());
}
