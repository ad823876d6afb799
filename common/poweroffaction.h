#pragma once

#include "action.h"

#include <QString>

class PowerOffAction : public Action
{
public:
    QString type; // shutdown mode, opaque to the link
    bool stanbyUps = false;
    QString vms_action_ids;
    int delay_time = 0;
};
