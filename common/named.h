#pragma once

#include <QLatin1String>

// An object built in code, given its object name, so that tests find it as they
// find the widgets of a form: `statusWidget = named(new LXStatusWidget, "statusWidget");`
template <class Object> Object* named(Object* object, const char* name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}
