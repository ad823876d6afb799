#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

namespace Luminorix {
namespace Utils {

// The SMTP settings with which the service sends mail.
struct SmtpConfig
{
    QString security_type; // one of smtpSecurityNames()
    QString server;
    int port = 0;
    int timeout = 0;
    QString sender_address;
    bool authentication = false;
    QString user;
    QString pass;
};

// "none", "tls", "ssl", in the order of the SMTP form's encryption choice.
const QStringList& smtpSecurityNames();

} // namespace Utils
} // namespace Luminorix

Q_DECLARE_METATYPE(Luminorix::Utils::SmtpConfig)
