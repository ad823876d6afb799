#pragma once

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
};

} // namespace Utils
} // namespace Luminorix

Q_DECLARE_METATYPE(Luminorix::Utils::ApplicationConfiguration)
