#include "poweroffaction.h"

#include "caselesssettings.h"

namespace Converter {

Action::Entries PowerOffAction::entries() const
{
    return {
        {QStringLiteral("action"), QStringLiteral("powerOff")},
        {QStringLiteral("type"), type},
        {QStringLiteral("standbyUps"), standbyUps},
        {QStringLiteral("vms_action_ids"), vms_action_ids},
        {QStringLiteral("delay_time"), delay_time},
    };
}

void PowerOffAction::load(const CaselessSettings& settings)
{
    type = settings.value(QStringLiteral("type")).toString();
    standbyUps = settings.value(QStringLiteral("standbyUps"), false).toBool();
    vms_action_ids = settings.value(QStringLiteral("vms_action_ids")).toString();
    delay_time = settings.intValue(QStringLiteral("delay_time"));
}

} // namespace Converter
