#include "formfit.h"

#include <QLayout>
#include <QWidget>

int widenToText(QWidget* holder)
{
    QWidget* parent = holder ? holder->parentWidget() : nullptr;
    if (!parent || !holder->layout())
        return 0;
    const int missing = holder->layout()->totalSizeHint().width() - holder->width();
    if (missing <= 0)
        return 0;
    const QRect place = holder->geometry();
    const QObjectList children = parent->children();
    for (QObject* object : children) {
        auto* sibling = qobject_cast<QWidget*>(object);
        if (!sibling || sibling->isWindow())
            continue;
        const QRect other = sibling->geometry();
        if (sibling == holder || (other.left() == place.left() && other.width() == place.width()))
            sibling->resize(other.width() + missing, other.height());
        else if (other.left() > place.right())
            sibling->move(other.x() + missing, other.y());
    }
    return missing;
}

void widenWindowToText(QWidget* window, QWidget* holder)
{
    if (!holder || holder->parentWidget() != window)
        return;
    const int missing = widenToText(holder);
    if (missing <= 0)
        return;
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(window->width() + missing, window->height());
    else
        window->resize(window->width() + missing, window->height());
}
