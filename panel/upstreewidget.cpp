#include "upstreewidget.h"

#include "upstreeelement.h"

#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QMenu>
#include <QPointer>

UpsTreeWidget::UpsTreeWidget(QWidget* parent, const bool* administratorModeFlag, bool sortingActive,
                             bool sortDescending)
    : QTreeWidget(parent), administratorModeFlag(administratorModeFlag), sortingActive(sortingActive),
      sortDescending(sortDescending)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &UpsTreeWidget::onCustomContextMenuRequested);
}

void UpsTreeWidget::setSortingFlags(bool active, bool descending)
{
    sortingActive = active;
    sortDescending = descending;
}

void UpsTreeWidget::deleteAllItems()
{
    // Taken in one go (one removal for the view, not one per element); deleting an
    // element deletes its children with it.
    qDeleteAll(invisibleRootItem()->takeChildren());
    clear();
}

UpsTreeElement* UpsTreeWidget::currentElement() const
{
    return static_cast<UpsTreeElement*>(currentItem());
}

QMenu* UpsTreeWidget::buildContextMenu(const QPoint& pos)
{
    const bool administrator = administratorModeFlag && *administratorModeFlag;
    const auto* element = static_cast<UpsTreeElement*>(itemAt(pos));
    // An element without an identifier (unknown model) cannot be named in a request.
    const bool editable = administrator && element && !element->ups.id.isEmpty();

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
