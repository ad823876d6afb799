#include "action.h"

// Out of line so the vtable has one home.
Action::~Action() = default;
