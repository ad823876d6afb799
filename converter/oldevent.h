#pragma once

#include "messageaction.h"
#include "poweroffaction.h"
#include "sendmailaction.h"
#include "syscommandaction.h"

#include <QSharedPointer>
#include <QString>

// One event of the old layout: the union of the event sections that share its
// eventNumber. Copies share their actions.
struct OldEvent
{
    QString event;
    int eventNumber = 0;
    QString parent_type;
    int id = 0;
    QSharedPointer<Converter::MessageAction> message;
    QSharedPointer<Converter::SysCommandAction> sysCommand;
    QSharedPointer<Converter::SendMailAction> sendMail;
    QSharedPointer<Converter::PowerOffAction> powerOff;
};
