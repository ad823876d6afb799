#include "formfit.h"

#include <QLayout>
#include <QWidget>

QSize growToText(QWidget* holder, TextRoom room)
{
    QWidget* parent = holder ? holder->parentWidget() : nullptr;
    if (!parent || !holder->layout())
        return QSize(0, 0);
    const QSize need =
        room == TextRoom::Least ? holder->layout()->totalMinimumSize() : holder->layout()->totalSizeHint();
    const QSize missing(qMax(0, need.width() - holder->width()), qMax(0, need.height() - holder->height()));
    if (missing.isNull())
        return QSize(0, 0);
    const QRect place = holder->geometry();
    const QObjectList children = parent->children();
    for (QObject* object : children) {
        auto* sibling = qobject_cast<QWidget*>(object);
        if (!sibling || sibling->isWindow())
            continue;
        QRect other = sibling->geometry();
        if (sibling == holder)
            other.setSize(other.size() + missing);
        else if (other.left() == place.left() && other.width() == place.width())
            other.setWidth(other.width() + missing.width());
        if (sibling != holder && other.left() > place.right())
            other.translate(missing.width(), 0);
        if (sibling != holder && other.top() > place.bottom())
            other.translate(0, missing.height());
        sibling->setGeometry(other);
    }
    return missing;
}

void growWindowToText(QWidget* window, QWidget* holder, TextRoom room)
{
    if (!holder || holder->parentWidget() != window)
        return;
    const QSize missing = growToText(holder, room);
    if (missing.isNull())
        return;
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(window->size() + missing);
    else
        window->resize(window->size() + missing);
}
