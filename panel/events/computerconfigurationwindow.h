#pragma once

#include "computer.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVector>

class AnswerWait;
namespace Ui {
class ComputerConfigurationWindow;
}

// Name, address, net-client administrator password and group of a computer
// to be added. It does not talk to the service: OK starts its 10 s wait and
// asks the owner to check the password, and the owner ends it with done()
// once the computer is taken. Closed by its frame or Escape it counts as
// cancelled: the wait stops and a late answer finds no dialog.
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

public slots:
    void okButtonClickHandler();
    void cancelButtonClickHandler();
    void noResponseTimeout();
    void reject() override;

private:
    Ui::ComputerConfigurationWindow* ui;
    AnswerWait* noResponseTimer;
    QStringList knownAddresses;
};
