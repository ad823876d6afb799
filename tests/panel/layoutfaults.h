#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What a person cannot read in `window` as it is laid out now: texts of labels,
// buttons, check and radio boxes, group-box titles, combo items, header sections
// and view items wider than the room they get, and visible children that reach
// outside their visible parent. Each fault reads "path: what", the path being the
// object names from the window down ("upsBox/firmwareLabel").
QStringList layoutFaults(QWidget* window);

// The object-name path of `widget` below `window`.
QString widgetPath(const QWidget* window, const QWidget* widget);
