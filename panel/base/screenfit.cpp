#include "screenfit.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>
#include <QWindow>

namespace {

const char* const areaName = "screenFitArea";

QSize leastSize(const QWidget* window)
{
    QSize least = window->minimumSize();
    if (window->layout() && window->layout()->sizeConstraint() != QLayout::SetNoConstraint)
        least = least.expandedTo(window->layout()->totalMinimumSize());
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

// The window's own buttons: the button box that is not inside a view of its own.
QDialogButtonBox* dialogButtons(QWidget* window)
{
    QDialogButtonBox* found = nullptr;
    for (QDialogButtonBox* box : window->findChildren<QDialogButtonBox*>()) {
        if (box->window() == window && !box->isHidden())
            found = box;
    }
    return found;
}

void moveChildren(QWidget* window, QWidget* content, const QWidget* keep)
{
    for (QObject* object : window->children()) {
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

// Puts what `window` shows into a scroll area that the window can be smaller than.
QScrollArea* wrap(QWidget* window, const QSize& least)
{
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        QWidget* central = main->takeCentralWidget();
        if (!central)
            return nullptr;
        central->setMinimumSize(central->minimumSize().expandedTo(central->size()));
        QScrollArea* area = newArea(central);
        main->setCentralWidget(area);
        return area;
    }
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("screenFitContent"));
    QDialogButtonBox* buttons = dialogButtons(window);
    QLayout* layout = window->layout();
    if (layout) {
        if (!moveItems(layout, content)) {
            delete content;
            return nullptr;
        }
        moveChildren(window, content, nullptr);
        layout->setContentsMargins(0, 0, 0, 0);
    } else {
        // Placed by hand: the content keeps the window's size and its places.
        content->setMinimumSize(least.expandedTo(window->size()));
        moveChildren(window, content, nullptr);
        layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    // A form laid out for a fixed size keeps the room it was given.
    content->setMinimumSize(content->minimumSize().expandedTo(least));
    QScrollArea* area = newArea(content);
    const auto add = [layout](QWidget* widget) {
        if (auto* grid = qobject_cast<QGridLayout*>(layout))
            grid->addWidget(widget, grid->rowCount(), 0);
        else
            layout->addWidget(widget);
    };
    add(area);
    if (buttons) {
        // The buttons stay in sight, below what scrolls.
        const bool hidden = buttons->isHidden();
        buttons->setParent(window);
        buttons->setVisible(!hidden);
        auto* row = new QHBoxLayout;
        row->setContentsMargins(9, 0, 9, 9);
        row->addStretch(1);
        row->addWidget(buttons);
        if (auto* grid = qobject_cast<QGridLayout*>(layout))
            grid->addLayout(row, grid->rowCount(), 0);
        else if (auto* box = qobject_cast<QBoxLayout*>(layout))
            box->addLayout(row);
    }
    return area;
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
            const QSize shown = wanted.expandedTo(least);
            if (wrap(window, least)) {
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
