#pragma once

#include <QString>
#include <QStringList>

// The service's value strings of the configuration map. A check box's value is
// an integer, on when non-zero. A radio or combo value is items joined by ";":
// the current setting first, then the choices in display order.
class ParameterValue
{
public:
    // Base-10 reading, unreadable text as 0.
    static bool isOn(const QString& value);
    static QString fromCheckBox(bool checked);

    // The current setting: the first item.
    static QString currentItem(const QString& value);
    // The items after the first, at most `limit` of them (all when negative);
    // empty items are kept.
    static QStringList choices(const QString& value, int limit = -1);
    // `value` with its current setting replaced, the other items as received.
    static QString withCurrent(const QString& value, const QString& current);
};
