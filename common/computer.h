#pragma once

#include <QMetaType>
#include <QString>

// A networked computer shut down with a UPS.
struct Computer
{
    QString computer_name;
    QString computer_address;
    // Kept for the network dialogs; the service link neither writes nor reads them.
    QString computer_mac;
    QString computer_description;
    QString computer_user;
    QString computer_password;
    int computer_configId = -1;
};

Q_DECLARE_METATYPE(Computer)
