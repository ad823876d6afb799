#include "syscommandaction.h"

#include "caselesssettings.h"

#include <QSettings>

namespace Converter {

void SysCommandAction::save(QSettings* settings) const
{
    settings->setValue(QStringLiteral("action"), QStringLiteral("sysCommand"));
    settings->setValue(QStringLiteral("command_line"), command_line);
    settings->setValue(QStringLiteral("options"), options);
    settings->setValue(QStringLiteral("standbyUps"), standbyUps);
    settings->setValue(QStringLiteral("delay_time"), delay_time);
}

void SysCommandAction::load(const CaselessSettings& settings)
{
    command_line = settings.value(QStringLiteral("command_line")).toString();
    options = settings.value(QStringLiteral("options")).toString();
    standbyUps = settings.value(QStringLiteral("standbyUps"), true).toBool();
    delay_time = settings.intValue(QStringLiteral("delay_time"));
}

} // namespace Converter
