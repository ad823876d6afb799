#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

// What the main window forwards to whichever dialog is open. The window emits;
// each dialog's connectToService() connects the signals it needs with the dialog
// as context, so the connections end with the dialog and the window's slots do
// not grow a branch per dialog. A signal nobody listens to is simply dropped,
// which is what the window does with news for a dialog that is not open.
class DialogRelay : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    // Administrator mode ended: by the user's log-out or a lost service.
    void administratorLoggedOut();
    void serviceBusy(bool busy);
    // Each device state that shows a usable device, as the window shows it.
    void deviceState(QMap<QString, QString> parameters);
    // Each configuration map that is not the echo of one the window just sent.
    void deviceConfiguration(QMap<QString, QString> parameters);
    void computerDiscovered(QString ip);
    void smtpTestStatus(int status, QStringList messages);
};
