#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What a person cannot read in `window` as it is laid out now: texts of labels,
// buttons, check and radio boxes, group-box titles, combo items, header sections
// and view items wider than the room they get (a push button's text also when it
// comes within a few pixels of its frame), visible children that reach
// outside their visible parent or that a frame further up cuts, scroll bars with
// nothing to scroll, rows and content below the bottom of a view that does not
// scroll, a pane that cannot be clicked into holding more than it shows, a combo
// box showing none of its entries, and coloured words below 4.5:1 contrast with
// what lies behind them. Each fault reads "path: what", the path being the
// object names from the window down ("upsBox/firmwareLabel").
QStringList layoutFaults(QWidget* window);

// The object-name path of `widget` below `window`.
QString widgetPath(const QWidget* window, const QWidget* widget);
