#include "action.h"

#include <QSettings>

namespace Converter {

Action::~Action() = default;

void Action::save(QSettings* settings) const
{
    const Entries all = entries();
    for (const auto& entry : all)
        settings->setValue(entry.first, entry.second);
}

} // namespace Converter
