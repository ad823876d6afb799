#pragma once

#include "action.h"

#include <QString>

class SendMailAction : public Action
{
public:
    QString charCode;
    QString sender;
    QString subject;
    QString body;
    QString receipent;
};
