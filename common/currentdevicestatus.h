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

inline bool operator==(const currentDeviceStatus& a, const currentDeviceStatus& b)
{
    return a.id == b.id && a.connected == b.connected && a.status == b.status &&
           a.parallel_unit == b.parallel_unit && a.unit_address == b.unit_address && a.master == b.master &&
           a.power_compensation == b.power_compensation && a.output_socket1 == b.output_socket1 &&
           a.output_socket2 == b.output_socket2 && a.ups_shutdown_supported == b.ups_shutdown_supported;
}

inline bool operator!=(const currentDeviceStatus& a, const currentDeviceStatus& b)
{
    return !(a == b);
}

} // namespace Utils
} // namespace Luminorix

Q_DECLARE_METATYPE(Luminorix::Utils::currentDeviceStatus)
