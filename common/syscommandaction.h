#pragma once

#include "action.h"

#include <QString>

class SysCommandAction : public Action
{
public:
    QString command_line;
    QString command_options;
    bool stanbyUps = false;
    int delay_time = 0;
};
