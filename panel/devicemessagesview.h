#pragma once

#include "common/devicestatetexts.h"

#include <QPlainTextEdit>
#include <QStringList>

// The selected device's alarms and notices, under its values. Every device state
// comes through here; the pane changes only when its codes do.
class DeviceMessagesView : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit DeviceMessagesView(QWidget* parent = nullptr);

    void showMessages(const DeviceStateTexts& texts);
    // Another device is selected: its messages are drawn even when the codes match.
    void forgetShown() { shownCodes.clear(); }

private:
    QStringList shownCodes;
    // The pane holds the "none" text: no need to draw it again.
    bool showsNone = false;
};
