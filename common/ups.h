#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

namespace Luminorix {
namespace Utils {

// One UPS configured in the service. The six fields marked "status" are not
// part of the protocol record: the main window copies them from the device's
// latest currentDeviceStatus.
struct Ups
{
    QString id;
    QString model_name;
    QString communication;
    QString com_port;
    QString ip;
    QString read;
    QString write;
    QString snmp_ver;
    QStringList phy_ids;
    QString serial_no;
    bool parallel_unit = false; // status
    QString unit_address;       // status
    QString log_time_interval;
    QString log_file_size;
    QString log_params;
    QString user_defined_name;
    bool power_compensation = false; // status
    bool output_socket1 = false;     // status
    bool output_socket2 = false;     // status
    bool reset_events_request = false;
    bool ups_shutdown_supported = true; // status
};

} // namespace Utils
} // namespace Luminorix

// Only implicitly shared Qt values and bools: a QVector<Ups> may move its
// records with realloc instead of copying them one by one into a second block
// (a long model list then needs a third of the memory while it grows).
Q_DECLARE_TYPEINFO(Luminorix::Utils::Ups, Q_MOVABLE_TYPE);

// QVector<Ups> and QList<Ups> follow from this declaration.
Q_DECLARE_METATYPE(Luminorix::Utils::Ups)
