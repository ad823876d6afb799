#pragma once

#include "smtpconfig.h"

#include <QMetaType>
#include <QString>

namespace Luminorix {
namespace Utils {

// The service's application settings: the SmtpConfig fields in the same
// order, then the service's own.
struct ApplicationConfiguration
{
    QString security_type;
    QString server;
    int port = 0;
    int timeout = 0;
    QString sender_address;
    bool authentication = false;
    QString user;
    QString pass;
    QString log_files_path;
    bool run_on_boot = false;
    // Filled only when the record is sent; the parser leaves it empty.
    QString orvendesk_path;

    // The eight mail fields, as the SMTP form and the test mail use them.
    SmtpConfig smtpConfig() const
    {
        SmtpConfig smtp;
        smtp.security_type = security_type;
        smtp.server = server;
        smtp.port = port;
        smtp.timeout = timeout;
        smtp.sender_address = sender_address;
        smtp.authentication = authentication;
        smtp.user = user;
        smtp.pass = pass;
        return smtp;
    }
    void setSmtpConfig(const SmtpConfig& smtp)
    {
        security_type = smtp.security_type;
        server = smtp.server;
        port = smtp.port;
        timeout = smtp.timeout;
        sender_address = smtp.sender_address;
        authentication = smtp.authentication;
        user = smtp.user;
        pass = smtp.pass;
    }
};

} // namespace Utils
} // namespace Luminorix

Q_DECLARE_METATYPE(Luminorix::Utils::ApplicationConfiguration)
