#include "messageaction.h"

#include "caselesssettings.h"

namespace Converter {

Action::Entries MessageAction::entries() const
{
    return {
        {QStringLiteral("action"), QStringLiteral("message")},
        {QStringLiteral("text"), text},
    };
}

void MessageAction::load(const CaselessSettings& settings)
{
    text = settings.value(QStringLiteral("text")).toString();
}

} // namespace Converter
