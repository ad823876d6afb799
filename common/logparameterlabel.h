#pragma once

#include <QString>

// The column heading of a parameters-log key: its translated label (context
// "UpsLogsWindow") and, where it has one, its unit in brackets. A key that no
// row of the table names comes back as it is.
QString logParameterLabel(const QString& key);
