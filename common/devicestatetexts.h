#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>

// What the main window shows for one device-state map: the texts of its value
// fields, its name-and-location line and its message codes, worked out without
// widgets. The window only puts them in place.
class DeviceStateTexts
{
    // The texts were the window's own and keep its translation context.
    Q_DECLARE_TR_FUNCTIONS(LuminorixWindow)

public:
    // One bar: left as it is, a value, or "N/D".
    struct Bar
    {
        enum State
        {
            Unchanged,
            Value,
            NotAvailable
        };
        State state = Unchanged;
        int value = 0;

        bool operator==(const Bar& other) const { return state == other.state && value == other.value; }
    };

    // One text field: `text`, or "N/D" with its help button when not available.
    struct Field
    {
        bool available = false;
        QString text;

        bool operator==(const Field& other) const
        {
            return available == other.available && text == other.text;
        }
    };

    // The three message texts of the pane, in the order they are drawn.
    struct Messages
    {
        QString plain;      // plain text, one message a line
        QString alarmHtml;  // appended in dark orange
        QString noticeHtml; // appended in grey
    };

    // False when the map shows no usable device: "isUpsFound" or "isProperDevice"
    // is exactly "0", or the map has fewer than 3 entries (the two counted).
    static bool isUsable(const QMap<QString, QString>& state);
    // The map as the window keeps and forwards it: "output_load" without blanks.
    static QMap<QString, QString> normalized(QMap<QString, QString> state);
    // The field texts of a usable map for a device of the model `modelName`.
    static DeviceStateTexts fromState(const QMap<QString, QString>& state, const QString& modelName);
    // The pane's texts for message codes: alarms, notices and the rest.
    static Messages messageTexts(const QStringList& codes);
    // The pane's HTML when the map carries no "messages".
    static QString noMessagesHtml();

    Bar load[3];
    Bar battery;
    QString workMode; // always a value: the state text, or "N/D" without help
    Field activePower;
    Field spuriousPower;
    Field autonomy;
    Field firmware;
    Field temperature;
    // Both keys absent: the line is hidden and its text left as it is.
    bool hasNameAndLocation = false;
    bool nameAndLocationVisible = false;
    QString nameAndLocation;
    // "messages" absent: the pane shows noMessagesHtml().
    bool hasMessages = false;
    QStringList messageCodes;
};
