#pragma once

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

    // Writes "action" = the kind word, then the kind's own keys.
    virtual void save(QSettings* settings) const = 0;
    // Sets every field, from the section or from its default.
    virtual void load(const CaselessSettings& settings) = 0;
};

} // namespace Converter
