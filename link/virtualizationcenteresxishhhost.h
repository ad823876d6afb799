#pragma once

#include <QMetaType>
#include <QString>

// The settings of one SSH host (the type name is spelled as the protocol's
// users know it).
struct VirtualizationCenterEsxiShhHost
{
    int type = -1;
    int id = -1;
    bool is_enabled = false;
    bool is_disabled_logfail = false;
    QString name;
    QString address;
    int port = -1;
    QString user_name;
    bool auth_method_password = false;
    QString password; // never carried by the details reply
};

Q_DECLARE_METATYPE(VirtualizationCenterEsxiShhHost)
