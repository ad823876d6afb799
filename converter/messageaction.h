#pragma once

#include "action.h"

#include <QString>

namespace Converter {

class MessageAction : public Action
{
public:
    Entries entries() const override;
    void load(const CaselessSettings& settings) override;

    QString text;
};

} // namespace Converter
