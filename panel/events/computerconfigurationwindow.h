#pragma once

#include "common/computer.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVector>

class AnswerWait;
class DialogRelay;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class ComputerConfigurationWindow;
}

// Name, address, net-client administrator password and group of a computer
// to be added. OK starts its 10 s wait and asks the service for the
// net-client's digest; a matching password emits passwordConfirmed(), and the
// owner ends the dialog with done() once the computer is taken. Closed by its
// frame or Escape it counts as cancelled: the wait stops and a late answer
// finds no dialog.
class ComputerConfigurationWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ComputerConfigurationWindow(QWidget* parent = nullptr);
    ~ComputerConfigurationWindow() override;

    void setGroups(QStringList names);
    // OK refuses an address one of these already has (a port after ":" aside).
    void setConfiguredComputers(const QVector<Computer>& computers);
    void setComputerAddress(QString address);
    // Discovery fixes the address it found; only the name and password are typed.
    void lockAddressAndGroup();
    QString computerName() const;
    QString computerAddress() const;
    QString password() const;
    QString groupName() const;
    void stopResponseTimer();

signals:
    void okButtonClicked();
    void cancelButtonClicked();
    // The typed password is the net-client's: the owner takes the computer.
    void passwordConfirmed();

public slots:
    // The service's digest of the net-client's password, for the pending OK.
    void netclientPasswordReceived(QString digest);
    void okButtonClickHandler();
    void cancelButtonClickHandler();
    void noResponseTimeout();
    void reject() override;

private:
    Ui::ComputerConfigurationWindow* ui;
    AnswerWait* noResponseTimer;
    QStringList knownAddresses;
};

// OK's request for the net-client's digest and its answer; Cancel ends the
// dialog. Both openers (the network dialog and the discovery) call it.
void connectToService(ComputerConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
