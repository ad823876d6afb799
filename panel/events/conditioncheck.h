#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The check a condition gets as it is typed, against the items one device
// offers: a script syntax check, no arithmetic, two-state items compared only
// for equality, known operands, and each comparison between an item and a
// value of its kind. No widgets.
class ConditionCheck
{
public:
    explicit ConditionCheck(const QStringList& offeredKeys);

    bool isValid(const QString& text) const;

    // An offered key that does not begin with "param".
    bool isStateName(const QString& text) const;
    // An offered key that begins with "param".
    bool isParamName(const QString& text) const;
    // Converts to a double, dot as decimal point, exponent allowed.
    static bool isNumber(const QString& text);

private:
    bool twoStateItemsOnlyCompareEqual(const QString& text) const;
    bool operandsKnown(const QString& text) const;
    bool comparisonsWellFormed(const QString& text) const;

    QSet<QString> m_keys;
};
