#pragma once

#include "smtpconfig.h"

#include <QMetaType>
#include <QString>

namespace Luminorix {
namespace Utils {

// The service's application settings: the mail settings first, as on the
// wire, then the service's own.
struct ApplicationConfiguration
{
    SmtpConfig smtp;
    QString log_files_path;
    bool run_on_boot = false;
    // Filled only when the record is sent; the parser leaves it empty.
    QString orvendesk_path;
};

} // namespace Utils
} // namespace Luminorix

Q_DECLARE_METATYPE(Luminorix::Utils::ApplicationConfiguration)
