#include "syscommandaction.h"

#include "caselesssettings.h"

namespace Converter {

Action::Entries SysCommandAction::entries() const
{
    return {
        {QStringLiteral("action"), QStringLiteral("sysCommand")},
        {QStringLiteral("command_line"), command_line},
        {QStringLiteral("options"), options},
        {QStringLiteral("standbyUps"), standbyUps},
        {QStringLiteral("delay_time"), delay_time},
    };
}

void SysCommandAction::load(const CaselessSettings& settings)
{
    command_line = settings.value(QStringLiteral("command_line")).toString();
    options = settings.value(QStringLiteral("options")).toString();
    standbyUps = settings.value(QStringLiteral("standbyUps"), true).toBool();
    delay_time = settings.intValue(QStringLiteral("delay_time"));
}

} // namespace Converter
