#pragma once

#include <QString>

// The one UPS device of the old layout.
struct OldDeviceConfig
{
    QString ups_model;
    QString communication; // never read from the old file
    QString com_port;
    QString agent_ip;
    QString read_community;
    QString write_community;
};
