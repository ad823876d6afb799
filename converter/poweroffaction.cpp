#include "poweroffaction.h"

#include "caselesssettings.h"

#include <QSettings>

namespace Converter {

void PowerOffAction::save(QSettings* settings) const
{
    settings->setValue(QStringLiteral("action"), QStringLiteral("powerOff"));
    settings->setValue(QStringLiteral("type"), type);
    settings->setValue(QStringLiteral("standbyUps"), standbyUps);
    settings->setValue(QStringLiteral("vms_action_ids"), vms_action_ids);
    settings->setValue(QStringLiteral("delay_time"), delay_time);
}

void PowerOffAction::load(const CaselessSettings& settings)
{
    type = settings.value(QStringLiteral("type")).toString();
    standbyUps = settings.value(QStringLiteral("standbyUps"), false).toBool();
    vms_action_ids = settings.value(QStringLiteral("vms_action_ids")).toString();
    delay_time = settings.intValue(QStringLiteral("delay_time"));
}

} // namespace Converter
