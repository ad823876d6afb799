#pragma once

#include "action.h"

#include <QString>

namespace Converter {

class PowerOffAction : public Action
{
public:
    Entries entries() const override;
    void load(const CaselessSettings& settings) override;

    QString type;
    bool standbyUps = false;
    QString vms_action_ids;
    int delay_time = 0;
};

} // namespace Converter
