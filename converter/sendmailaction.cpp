#include "sendmailaction.h"

#include "caselesssettings.h"

#include <QSettings>

namespace Converter {

void SendMailAction::save(QSettings* settings) const
{
    settings->setValue(QStringLiteral("action"), QStringLiteral("sendMail"));
    // The service sends every mail in this character set, whatever the old file named.
    settings->setValue(QStringLiteral("charCode"), QStringLiteral("windows-1250"));
    settings->setValue(QStringLiteral("sender"), sender);
    settings->setValue(QStringLiteral("subject"), subject);
    settings->setValue(QStringLiteral("body"), body);
    settings->setValue(QStringLiteral("receipent"), receipent);
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
