#pragma once

#include <QMetaType>
#include <QString>

// Same fields as VirtualizationCenterAddHostResult, kept a distinct type so
// the two replies cannot be mixed up by a receiver.
struct VirtualizationCenterChangeHostSettingsResult
{
    int type = -1;
    int id = -1;
    bool has_error = false;
    QString error_str;
};

Q_DECLARE_METATYPE(VirtualizationCenterChangeHostSettingsResult)
