#pragma once

#include "action.h"

#include <QString>

class MessageAction : public Action
{
public:
    QString message_text;
};
