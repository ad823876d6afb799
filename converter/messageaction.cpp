#include "messageaction.h"

#include "caselesssettings.h"

#include <QSettings>

namespace Converter {

void MessageAction::save(QSettings* settings) const
{
    settings->setValue(QStringLiteral("action"), QStringLiteral("message"));
    settings->setValue(QStringLiteral("text"), text);
}

void MessageAction::load(const CaselessSettings& settings)
{
    text = settings.value(QStringLiteral("text")).toString();
}

} // namespace Converter
