#pragma once

#include "applicationconfiguration.h"
#include "computer.h"
#include "currentdevicestatus.h"
#include "event.h"
#include "group.h"
#include "serialport.h"
#include "smtpconfig.h"
#include "ups.h"

#include <QList>
#include <QVector>

// Registers every record and list that crosses a queued connection under the
// name a string-based connect uses. Safe to call more than once.
void registerCommonMetaTypes();
