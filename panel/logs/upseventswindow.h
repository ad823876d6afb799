#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

class DialogRelay;
class EventHistoryModel;
namespace Ui {
class UpsEventsWindow;
}

// A UPS's event history, one row an event. It asks for nothing: the history
// comes in the device state ("events"), which the opener hands over once and
// the relay with every later state.
class UpsEventsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit UpsEventsWindow(QWidget* parent = nullptr);
    ~UpsEventsWindow() override;

    // Rebuilds the list from one "events" value; an empty value, or the value
    // already shown, leaves it as it is.
    void setEvents(const QString& events);
    // The history of one device state; a state without one says so where
    // nothing has been shown yet.
    void setDeviceState(const QMap<QString, QString>& state);
    static QString eventText(const QString& code);

private:
    void fitLongestEntry();

    Ui::UpsEventsWindow* ui;
    EventHistoryModel* listModel;
    QString shownEvents;
};

// The device states that reach the open dialog.
void connectToService(UpsEventsWindow* dialog, const DialogRelay& relay);
