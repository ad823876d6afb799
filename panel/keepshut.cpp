#include "keepshut.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QWidget>

namespace {
// Turns a widget off again whenever anything turns it on.
class KeepDisabled : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::EnabledChange && widget->isEnabled())
            widget->setEnabled(false);
        return false;
    }
};
} // namespace

void keepShut(QObject* owner, const QList<QWidget*>& widgets, const QList<QAction*>& actions)
{
    auto* filter = new KeepDisabled(owner);
    for (QWidget* widget : widgets) {
        widget->setEnabled(false);
        widget->installEventFilter(filter);
    }
    // A disabled group overrides its actions' own setEnabled(true).
    auto* group = new QActionGroup(owner);
    group->setExclusive(false);
    for (QAction* action : actions)
        group->addAction(action);
    group->setEnabled(false);
}
