#pragma once

// Base of the reactions attached to an event; actions are held and deleted
// through this type.
class Action
{
public:
    Action() = default;
    Action(const Action&) = default;
    Action& operator=(const Action&) = default;
    virtual ~Action();
};
