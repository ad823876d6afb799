#include "smtpconfig.h"

namespace Luminorix {
namespace Utils {

const QStringList& smtpSecurityNames()
{
    static const QStringList names{QStringLiteral("none"), QStringLiteral("tls"), QStringLiteral("ssl")};
    return names;
}

} // namespace Utils
} // namespace Luminorix
