#pragma once

#include "messageaction.h"
#include "outputsocketcontrolaction.h"
#include "poweroffaction.h"
#include "sendmailaction.h"
#include "syscommandaction.h"

#include <QMetaType>
#include <QSharedPointer>
#include <QString>

// One event of a UPS's event configuration. Copies share their actions; the
// last copy to go frees them, so a writer only resets a pointer it is done with.
struct Event
{
    QString event_state;
    QString expressionIn;
    QString expressionOut;
    int event_number = 0;
    int event_parentId = 0; // group_configId of the owning group
    QSharedPointer<MessageAction> messageAction;
    QSharedPointer<SysCommandAction> sysCommandAction;
    QSharedPointer<SendMailAction> sendMailAction;
    QSharedPointer<PowerOffAction> powerOffAction;
    QSharedPointer<OutputSocketControlAction> outputSocketAction;
};

Q_DECLARE_METATYPE(Event)
