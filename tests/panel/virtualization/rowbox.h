#pragma once

#include <QPoint>

class QTableWidget;

// Real clicks on the check boxes of the VM table's rows.

// Where a row's check box lies in the viewport, as the style lays out a cell with only a box.
QPoint checkBoxCentre(QTableWidget* table, int row);
// Clicks the box of the row of a host (vmId -1) or of one of its machines;
// false when the table has no such row.
bool clickMark(QTableWidget* table, int hostId, int vmId);
