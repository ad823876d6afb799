#include "screenfit.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace {

const char* const areaName = "screenFitArea";

// The smallest the window can be without cutting what it holds.
QSize leastSize(const QWidget* window)
{
    QSize least = window->minimumSize();
    if (window->layout()) {
        if (window->layout()->sizeConstraint() != QLayout::SetNoConstraint)
            least = least.expandedTo(window->layout()->totalMinimumSize());
    } else if (!qobject_cast<const QMainWindow*>(window)) {
        // Children placed by hand need the room up to their far edges.
        const QRect placed = window->childrenRect();
        if (!placed.isEmpty())
            least = least.expandedTo(QSize(placed.right() + 1 + qMax(0, placed.left()),
                                           placed.bottom() + 1 + qMax(0, placed.top())));
    }
    return least;
}

// The layout's items, moved into a layout of the same kind on `content`; the old
// layout stays on the window, empty, for the scroll area.
bool moveItems(QLayout* from, QWidget* content)
{
    if (auto* grid = qobject_cast<QGridLayout*>(from)) {
        auto* copy = new QGridLayout(content);
        copy->setObjectName(grid->objectName());
        copy->setHorizontalSpacing(grid->horizontalSpacing());
        copy->setVerticalSpacing(grid->verticalSpacing());
        copy->setContentsMargins(grid->contentsMargins());
        for (int row = 0; row < grid->rowCount(); ++row) {
            copy->setRowStretch(row, grid->rowStretch(row));
            copy->setRowMinimumHeight(row, grid->rowMinimumHeight(row));
            grid->setRowStretch(row, 0);
            grid->setRowMinimumHeight(row, 0);
        }
        for (int column = 0; column < grid->columnCount(); ++column) {
            copy->setColumnStretch(column, grid->columnStretch(column));
            copy->setColumnMinimumWidth(column, grid->columnMinimumWidth(column));
            grid->setColumnStretch(column, 0);
            grid->setColumnMinimumWidth(column, 0);
        }
        while (grid->count() > 0) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(0, &row, &column, &rowSpan, &columnSpan);
            QLayoutItem* item = grid->takeAt(0);
            if (QLayout* inner = item->layout())
                inner->setParent(copy);
            copy->addItem(item, row, column, rowSpan, columnSpan, item->alignment());
        }
        return true;
    }
    if (auto* box = qobject_cast<QBoxLayout*>(from)) {
        auto* copy = new QBoxLayout(box->direction(), content);
        copy->setObjectName(box->objectName());
        copy->setSpacing(box->spacing());
        copy->setContentsMargins(box->contentsMargins());
        while (box->count() > 0) {
            const int stretch = box->stretch(0);
            QLayoutItem* item = box->takeAt(0);
            if (QLayout* inner = item->layout())
                inner->setParent(copy);
            copy->addItem(item);
            copy->setStretch(copy->count() - 1, stretch);
        }
        return true;
    }
    return false;
}

// A row of push buttons and spacers only: the Save/Cancel row of a dialog.
bool isButtonRow(const QLayout* layout)
{
    const auto* box = qobject_cast<const QBoxLayout*>(layout);
    if (!box || (box->direction() != QBoxLayout::LeftToRight && box->direction() != QBoxLayout::RightToLeft))
        return false;
    int buttons = 0;
    for (int i = 0; i < box->count(); ++i) {
        QLayoutItem* item = box->itemAt(i);
        if (item->spacerItem())
            continue;
        if (!qobject_cast<QPushButton*>(item->widget()))
            return false;
        ++buttons;
    }
    return buttons > 0;
}

// The window's own buttons: the button box that is not inside a view of its own,
// else the lowest widget that holds a row of push buttons only.
QWidget* dialogButtons(QWidget* window)
{
    QWidget* found = nullptr;
    for (QDialogButtonBox* box : window->findChildren<QDialogButtonBox*>()) {
        if (box->window() == window && !box->isHidden())
            found = box;
    }
    if (found)
        return found;
    int lowest = -1;
    for (QWidget* row : window->findChildren<QWidget*>()) {
        if (row->window() != window || row->isHidden() || !isButtonRow(row->layout()))
            continue;
        const int bottom = row->mapTo(window, QPoint(0, row->height())).y();
        bool below = false;
        for (const QWidget* other : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!other->isWindow() && !other->isHidden() && !other->isAncestorOf(row) && other != row &&
                other->y() >= bottom)
                below = true;
        }
        if (!below && bottom > lowest) {
            lowest = bottom;
            found = row;
        }
    }
    return found;
}

// A trailing row of push buttons in the window's own box layout, taken out of it.
QLayoutItem* takeTrailingButtonRow(QLayout* layout)
{
    auto* box = qobject_cast<QBoxLayout*>(layout);
    if (!box || box->count() < 2 || (box->direction() != QBoxLayout::TopToBottom))
        return nullptr;
    QLayoutItem* last = box->itemAt(box->count() - 1);
    if (!last->layout() || !isButtonRow(last->layout()))
        return nullptr;
    return box->takeAt(box->count() - 1);
}

void moveChildren(QWidget* window, QWidget* content, const QWidget* keep)
{
    const QObjectList children = window->children();
    for (QObject* object : children) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || child == keep)
            continue;
        const bool hidden = child->isHidden();
        const QRect place = child->geometry();
        child->setParent(content);
        child->setGeometry(place);
        child->setVisible(!hidden);
    }
}

QScrollArea* newArea(QWidget* content)
{
    auto* area = new QScrollArea;
    area->setObjectName(QLatin1String(areaName));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

// Puts what `window` shows into a scroll area that the window can be smaller than;
// returns the height the buttons below it take, or -1 when the window is not wrapped.
int wrap(QWidget* window, const QSize& least)
{
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        QWidget* central = main->takeCentralWidget();
        if (!central)
            return -1;
        central->setMinimumSize(central->minimumSize().expandedTo(central->size()));
        main->setCentralWidget(newArea(central));
        return 0;
    }
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("screenFitContent"));
    QLayout* layout = window->layout();
    const bool byHand = !layout;
    QLayoutItem* trailingRow = byHand ? nullptr : takeTrailingButtonRow(layout);
    QWidget* buttons = byHand ? dialogButtons(window) : nullptr;
    if (!byHand && !trailingRow) {
        if (auto* box = qobject_cast<QDialogButtonBox*>(dialogButtons(window)))
            buttons = box;
    }
    if (byHand) {
        // Placed by hand: the content keeps the window's size and its places.
        content->setMinimumSize(least.expandedTo(window->size()));
        // The buttons' place stays taken, so that nothing placed around them moves.
        if (buttons && buttons->parentWidget() && buttons->parentWidget()->layout()) {
            auto* keeper = new QWidget;
            keeper->setObjectName(QStringLiteral("screenFitButtonPlace"));
            keeper->setFixedSize(buttons->size());
            delete buttons->parentWidget()->layout()->replaceWidget(buttons, keeper,
                                                                    Qt::FindChildrenRecursively);
        }
        moveChildren(window, content, buttons);
        layout = new QVBoxLayout(window);
    } else {
        if (!moveItems(layout, content)) {
            if (trailingRow)
                static_cast<QBoxLayout*>(layout)->addItem(trailingRow);
            delete content;
            return -1;
        }
        moveChildren(window, content, nullptr);
        if (trailingRow) {
            // The row's buttons stay on the window with the row.
            for (int i = 0; i < trailingRow->layout()->count(); ++i) {
                if (QWidget* button = trailingRow->layout()->itemAt(i)->widget()) {
                    const bool hidden = button->isHidden();
                    button->setParent(window);
                    button->setVisible(!hidden);
                }
            }
        }
    }
    layout->setContentsMargins(0, 0, 0, 0);
    // A form laid out for a fixed size keeps the room it was given.
    content->setMinimumSize(content->minimumSize().expandedTo(least));
    QScrollArea* area = newArea(content);
    auto* grid = qobject_cast<QGridLayout*>(layout);
    if (grid)
        grid->addWidget(area, grid->rowCount(), 0);
    else
        layout->addWidget(area);
    if (trailingRow) {
        // The row keeps its place in the window's layout, below what scrolls.
        if (QLayout* inner = trailingRow->layout())
            inner->setContentsMargins(9, 0, 9, 9);
        static_cast<QBoxLayout*>(layout)->addItem(trailingRow);
        return trailingRow->sizeHint().height() + 9 + qMax(0, layout->spacing());
    }
    if (!buttons)
        return 0;
    // The buttons stay in sight, below what scrolls.
    const bool hidden = buttons->isHidden();
    buttons->setParent(window);
    buttons->setVisible(!hidden);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(9, 0, 9, 9);
    row->addStretch(1);
    row->addWidget(buttons);
    if (grid)
        grid->addLayout(row, grid->rowCount(), 0);
    else if (auto* box = qobject_cast<QBoxLayout*>(layout))
        box->addLayout(row);
    return buttons->sizeHint().height() + 9 + qMax(0, layout->spacing());
}

bool fits(const QSize& size, const QSize& room)
{
    return size.width() <= room.width() && size.height() <= room.height();
}

} // namespace

QMargins assumedFrame()
{
    return QMargins(4, 30, 4, 4);
}

void fitToScreen(QWidget* window, const QRect& available, const QMargins& frame)
{
    if (!window || available.isEmpty())
        return;
    const QRect inside = available.marginsRemoved(frame);
    const QSize room = inside.size();
    const QSize wanted = window->size();
    if (!fits(wanted, room)) {
        const QSize least = leastSize(window);
        if (!fits(least, room) &&
            !window->findChild<QScrollArea*>(QLatin1String(areaName), Qt::FindDirectChildrenOnly)) {
            const int below = wrap(window, least);
            if (below >= 0) {
                // Room for all of it where the screen has it; bars where it has not.
                QSize shown = wanted.expandedTo(least) + QSize(0, below);
                const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
                if (shown.width() > room.width())
                    shown.rheight() += bar;
                if (shown.height() > room.height())
                    shown.rwidth() += bar;
                window->setMinimumSize(0, 0);
                window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
                if (window->layout())
                    window->layout()->activate();
                window->resize(shown.boundedTo(room));
            }
        } else {
            window->resize(wanted.boundedTo(room).expandedTo(least.boundedTo(room)));
        }
    }
    // Wholly inside: a window partly off the screen comes back on it.
    QRect place(window->geometry().topLeft(), window->size());
    if (place.right() > inside.right())
        place.moveRight(inside.right());
    if (place.bottom() > inside.bottom())
        place.moveBottom(inside.bottom());
    if (place.left() < inside.left())
        place.moveLeft(inside.left());
    if (place.top() < inside.top())
        place.moveTop(inside.top());
    if (place.topLeft() != window->geometry().topLeft())
        window->setGeometry(place);
}

ScreenFit::ScreenFit(QObject* parent)
    : ScreenFit(
          [](const QWidget* window) {
              const QScreen* screen = window->screen();
              return screen ? screen->availableGeometry() : QRect();
          },
          parent)
{
}

ScreenFit::ScreenFit(Area area, QObject* parent) : QObject(parent), area(std::move(area)) {}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Resize) || fitting || !watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || qobject_cast<QMessageBox*>(window))
        return false;
    const Qt::WindowType kind = window->windowType();
    if (kind == Qt::Popup || kind == Qt::ToolTip || kind == Qt::SplashScreen || kind == Qt::Desktop)
        return false;
    if (type == QEvent::Resize && !window->isVisible())
        return false;
    QMargins frame = assumedFrame();
    if (const QWindow* handle = window->windowHandle()) {
        if (!handle->frameMargins().isNull())
            frame = handle->frameMargins();
    }
    fitting = true;
    fitToScreen(window, area(window), frame);
    fitting = false;
    return false;
}
