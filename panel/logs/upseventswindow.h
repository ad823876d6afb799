#pragma once

#include <QDialog>
#include <QString>

class DialogRelay;
class QStandardItemModel;
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

    // Rebuilds the list from one "events" value; an empty value leaves it as it is.
    void setEvents(const QString& events);
    static QString eventText(const QString& code);

private:
    Ui::UpsEventsWindow* ui;
    QStandardItemModel* listModel;
};

// The device states that reach the open dialog: their "events" values.
void connectToService(UpsEventsWindow* dialog, const DialogRelay& relay);
