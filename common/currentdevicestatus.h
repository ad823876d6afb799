#pragma once

#include <QMetaType>
#include <string>

namespace Luminorix {
namespace Utils {

// The periodic status of one device. The two texts are kept as the UTF-8
// bytes the service sent; convert with QString::fromStdString for display.
struct currentDeviceStatus
{
    int id = -1;
    bool connected = false;
    std::string status;
    bool parallel_unit = false;
    std::string unit_address;
    bool master = false;
    bool power_compensation = false;
    bool output_socket1 = false;
    bool output_socket2 = false;
    bool ups_shutdown_supported = true;
};

} // namespace Utils
} // namespace Luminorix

Q_DECLARE_METATYPE(Luminorix::Utils::currentDeviceStatus)
