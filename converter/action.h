#pragma once

#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

class QSettings;

namespace Converter {

class CaselessSettings;

// One reaction of an event. Both operations work on the section the caller has
// entered; the caller leaves it afterwards.
class Action
{
public:
    Action() = default;
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;
    virtual ~Action();

    using Entries = QVector<QPair<QString, QVariant>>;

    // Writes entries() into the section.
    void save(QSettings* settings) const;
    // "action" = the kind word, then the kind's own keys, in the order written.
    virtual Entries entries() const = 0;
    // Sets every field, from the section or from its default.
    virtual void load(const CaselessSettings& settings) = 0;
};

} // namespace Converter
