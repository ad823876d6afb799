#pragma once

#include <QMetaType>
#include <QString>

struct VirtualizationCenterAddHostResult
{
    int type = -1;
    int id = -1;
    bool has_error = false;
    QString error_str;
};

Q_DECLARE_METATYPE(VirtualizationCenterAddHostResult)
