#include "sendmailaction.h"

#include "caselesssettings.h"

namespace Converter {

Action::Entries SendMailAction::entries() const
{
    return {
        {QStringLiteral("action"), QStringLiteral("sendMail")},
        // The service sends every mail in this character set, whatever the old file named.
        {QStringLiteral("charCode"), QStringLiteral("windows-1250")},
        {QStringLiteral("sender"), sender},
        {QStringLiteral("subject"), subject},
        {QStringLiteral("body"), body},
        {QStringLiteral("receipent"), receipent},
    };
}

void SendMailAction::load(const CaselessSettings& settings)
{
    charCode = settings.value(QStringLiteral("charCode")).toString();
    sender = settings.value(QStringLiteral("sender")).toString();
    subject = settings.value(QStringLiteral("subject")).toString();
    body = settings.value(QStringLiteral("body")).toString();
    receipent = settings.value(QStringLiteral("receipent")).toString();
}

} // namespace Converter
