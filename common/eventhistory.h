#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// A UPS's event history as the service sends it in the device state ("events"):
// records separated by "|", each six ";"-separated fields: the event code, two
// date parts, hour, minute and second. Turned into the history list's rows
// without widgets.
//
// A value is read once, in one pass, to where its valid records lie; a row's
// text is made only when it is asked for, so a history of a million records
// costs a few megabytes and no text per record that nobody sees.
class EventHistory
{
    // The history dialog's texts, in its translation context.
    Q_DECLARE_TR_FUNCTIONS(UpsEventsWindow)

public:
    EventHistory() = default;
    explicit EventHistory(const QString& events);

    // The records of six fields, in the order received.
    int size() const { return records.size(); }
    // The text of record `index`, as rows() gives it.
    QString row(int index) const;

    // One row per record of six fields, in the order received, such as
    // "03-07 09:05:01 - Bypass: Start"; other records are skipped.
    static QStringList rows(const QString& events);
    // The text of one event code; "----" for a code the table does not list.
    static QString eventText(const QString& code);

private:
    struct Record
    {
        int start;
        int length;
    };

    QString events;
    QVector<Record> records;
};
