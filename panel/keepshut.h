#pragma once

#include <QList>

class QAction;
class QObject;
class QWidget;

// Turns the widgets and actions off and keeps them off through every later
// setEnabled(true): for doors whose dialog is not built yet, so that the code that
// enables them by login or device state needs no exception. `owner` owns the helpers.
void keepShut(QObject* owner, const QList<QWidget*>& widgets, const QList<QAction*>& actions);
