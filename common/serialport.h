#pragma once

#include <QMetaType>
#include <QString>

namespace Luminorix {
namespace Utils {

// A serial port on the service's machine.
struct SerialPort
{
    QString com_port;
    bool is_port_free = false;
};

} // namespace Utils
} // namespace Luminorix

Q_DECLARE_METATYPE(Luminorix::Utils::SerialPort)
