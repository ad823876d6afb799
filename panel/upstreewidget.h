#pragma once

#include "common/currentdevicestatus.h"
#include "common/ups.h"
#include "common/upsmodelentry.h"

#include <QList>
#include <QPoint>
#include <QTreeWidget>
#include <QVector>

class QMenu;
class UpsTreeElement;

// The list of monitored devices, virtual devices with their members as children.
// Its context menu offers sorting and, to an administrator, adding, editing and
// removing; the window does the work behind the signals.
class UpsTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    UpsTreeWidget(QWidget* parent, const bool* administratorModeFlag, bool sortingActive = false,
                  bool sortDescending = false);
    ~UpsTreeWidget() override = default;

    void setSortingFlags(bool active, bool descending);
    bool isSortingActive() const { return sortingActive; }
    bool isSortDescending() const { return sortDescending; }
    // Sets the flags and sorts (or stops sorting) the list accordingly.
    void applySorting(bool active, bool descending);

    // Empties the tree, deleting every element and child.
    void deleteAllItems();

    // Rebuilds the tree from a model list, with its signals blocked: virtual devices
    // first with their members as children, then the other devices, all expanded.
    void showModels(const QVector<Luminorix::Utils::Ups>& models, const QList<UpsModelEntry>& catalogue);
    // The elements to select, in order, so that the selection follows the device
    // `deviceId` across a rebuild; the first element when none shows it.
    QList<UpsTreeElement*> reselection(int deviceId) const;

    // Copies each status into the elements of its device and sets their indicators,
    // with the signals blocked and the current index kept. `currentDeviceId` is the
    // device the window shows: each element of it that a status reaches is announced
    // by currentDeviceStatusApplied() afterwards. A list equal to the last one
    // applied changes nothing and announces nothing.
    void applyStatuses(const QVector<Luminorix::Utils::currentDeviceStatus>& statuses, int currentDeviceId);
    // While held (the window in the tray), status lists are kept, not applied; the
    // release applies what was kept.
    void holdStatuses(bool held);
    // Every element's indicator turns red: the service is out of reach.
    void showUnreachable();

    UpsTreeElement* currentElement() const;
    // The records of the virtual devices' members, in tree order.
    QList<Luminorix::Utils::Ups> virtualDeviceMembers() const;
    // Every record: each top-level element followed by its children.
    QList<Luminorix::Utils::Ups> allDeviceRecords() const;

    // The menu one right click shows; the caller owns it. Split from the slot so the
    // entries can be checked without running a popup.
    QMenu* buildContextMenu(const QPoint& pos);

signals:
    void editActionTriggered(int row);
    void deleteActionTriggered(int row);
    void addUpsActionTriggered();
    void signal_disableSortingUps();
    void signal_enableSortingUpsAscending();
    void signal_enableSortingUpsDescending();
    // A status reached `element`, an element of the device the window shows.
    void currentDeviceStatusApplied(UpsTreeElement* element);

private slots:
    void onCustomContextMenuRequested(QPoint pos);
    void editActionTriggeredSlot();
    void deleteActionTriggeredSlot();

private:
    void applyHeldStatuses();

    const bool* administratorModeFlag;
    bool sortingActive;
    bool sortDescending;
    // What the elements show now; a rebuild or a red tree forgets it.
    QVector<Luminorix::Utils::currentDeviceStatus> appliedStatuses;
    bool statusesApplied = false;
    bool statusesHeld = false;
    // Lists that came while held, in order, with the device shown at the time.
    QVector<Luminorix::Utils::currentDeviceStatus> heldStatuses;
    int heldCurrentDeviceId = 0;
    bool hasHeldStatuses = false;
};
