#pragma once

// Lets the main window switch every value field on and off in one sweep,
// whatever kind of field it is. Switching a field off also wipes its value.
// Objects are never deleted through this interface, hence no virtual destructor.
class AbstractWidget
{
public:
    virtual void setDataAvailable(bool available) = 0;

protected:
    AbstractWidget() = default;
    AbstractWidget(const AbstractWidget&) = default;
    AbstractWidget& operator=(const AbstractWidget&) = default;
    ~AbstractWidget() = default;
};
