#pragma once

#include "action.h"

#include <QString>

namespace Converter {

class SysCommandAction : public Action
{
public:
    Entries entries() const override;
    void load(const CaselessSettings& settings) override;

    QString command_line;
    QString options;
    bool standbyUps = true;
    int delay_time = 0;
};

} // namespace Converter
