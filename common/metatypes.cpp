#include "metatypes.h"

void registerCommonMetaTypes()
{
    qRegisterMetaType<QVector<Luminorix::Utils::Ups>>("QVector<Luminorix::Utils::Ups>");
    qRegisterMetaType<QList<Luminorix::Utils::Ups>>("QList<Luminorix::Utils::Ups>");
    qRegisterMetaType<QVector<Luminorix::Utils::currentDeviceStatus>>(
        "QVector<Luminorix::Utils::currentDeviceStatus>");
    qRegisterMetaType<QList<Luminorix::Utils::SerialPort>>("QList<Luminorix::Utils::SerialPort>");
    qRegisterMetaType<Luminorix::Utils::SmtpConfig>("Luminorix::Utils::SmtpConfig");
    qRegisterMetaType<Luminorix::Utils::ApplicationConfiguration>(
        "Luminorix::Utils::ApplicationConfiguration");
    qRegisterMetaType<QVector<Event>>("QVector<Event>");
    qRegisterMetaType<QVector<Group>>("QVector<Group>");
    qRegisterMetaType<QVector<Computer>>("QVector<Computer>");
}
