#pragma once

#include <QPoint>
#include <QTreeWidget>

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

    // Empties the tree, deleting every element and child.
    void deleteAllItems();

    // The menu one right click shows; the caller owns it. Split from the slot so the
    // entries can be checked without running a popup.
    QMenu* buildContextMenu(const QPoint& pos);

    UpsTreeElement* currentElement() const;

signals:
    void editActionTriggered(int row);
    void deleteActionTriggered(int row);
    void addUpsActionTriggered();
    void signal_disableSortingUps();
    void signal_enableSortingUpsAscending();
    void signal_enableSortingUpsDescending();

private slots:
    void onCustomContextMenuRequested(QPoint pos);
    void editActionTriggeredSlot();
    void deleteActionTriggeredSlot();

private:
    const bool* administratorModeFlag;
    bool sortingActive;
    bool sortDescending;
};
