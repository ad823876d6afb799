#include "action.h"

namespace Converter {

Action::~Action() = default;

} // namespace Converter
