#pragma once

#include "action.h"

#include <QString>

namespace Converter {

class SendMailAction : public Action
{
public:
    Entries entries() const override;
    void load(const CaselessSettings& settings) override;

    QString charCode;
    QString sender;
    QString subject;
    QString body;
    QString receipent;
};

} // namespace Converter
