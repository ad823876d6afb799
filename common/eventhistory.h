#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// A UPS's event history as the service sends it in the device state ("events"):
// records separated by "|", each six ";"-separated fields: the event code, two
// date parts, hour, minute and second. Turned into the history list's rows
// without widgets.
class EventHistory
{
    // The history dialog's texts, in its translation context.
    Q_DECLARE_TR_FUNCTIONS(UpsEventsWindow)

public:
    // One row per record of six fields, in the order received, such as
    // "03-07 09:05:01 - Bypass: Start"; other records are skipped.
    static QStringList rows(const QString& events);
    // The text of one event code; "----" for a code the table does not list.
    static QString eventText(const QString& code);
};
