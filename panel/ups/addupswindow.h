#pragma once

#include "common/serialport.h"
#include "common/ups.h"
#include "panel/base/sessionstamp.h"

#include <QDialog>
#include <QList>
#include <QString>

class DialogRelay;
class QPushButton;
class SnmpOptionsWindow;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class AddUpsWindow;
}

// Adds a real UPS (USB, RS232 or SNMP) or changes a configured one. OK sends
// set_new_ups or change_ups and asks for the serial ports again; the dialog
// reads no answer. A change that restores the device's events to the defaults
// is asked first, and "No" leaves everything as typed.
class AddUpsWindow : public QDialog
{
    Q_OBJECT

public:
    // `availablePorts` is the opener's list, replaced whenever the service
    // reports its ports; it is read each time RS232 is chosen.
    AddUpsWindow(QList<Luminorix::Utils::SerialPort>* availablePorts, QWidget* parent = nullptr);
    ~AddUpsWindow() override;

    void setSocketController(Luminorix::UpsSocketController* controller);
    void setEditMode(bool edit);
    // Every configured device, the edited one included: for the one-device-per-class rule.
    void setConfiguredUps(QList<Luminorix::Utils::Ups> upses);
    void setUpsId(QString id);

    // The edited device's values, each kept as the one a change is measured
    // against. The model first: it rebuilds the interfaces, which rebuild the ports.
    void setModel(QString identifier);
    void setCommunication(QString communication);
    void setComPort(QString port);
    void setIpAddress(QString ip);
    void setWriteCommunity(QString community);
    void setReadCommunity(QString community);
    void setSnmpVersion(QString version);
    void setSerialNumber(QString serial);
    void setUserDefinedName(QString name);
    // Edit mode for `device`: its id and the setters above, in the order they need.
    void editDevice(const Luminorix::Utils::Ups& device);

public slots:
    void accept() override;
    // Without the administrator nothing may be sent: OK stays off from then on.
    void administratorLoggedOut();

private slots:
    void upsModelBoxCurrentIndexChangedHandler(QString text);
    void communicationInterfaceBoxIndexChangeHandler(QString text);
    void communicationPortBoxCurrentIndexChangeHandler(int index);
    void snmpOptionsButtonClickHandler();
    void on_upsNameEdit_textEdited(QString text);

private:
    void updateOkButton();
    bool okAllowed() const;
    bool eventsResetNeeded(QString modelA, QString interfaceA, QString modelB, QString interfaceB);
    bool oneDevicePerClassAllowed(QString identifier);
    QPushButton* okButton() const;

    Ui::AddUpsWindow* ui;
    Luminorix::UpsSocketController* controller = nullptr;
    SnmpOptionsWindow* snmpWindow = nullptr;
    QList<Luminorix::Utils::SerialPort>* availablePorts;
    QList<Luminorix::Utils::Ups> configuredUps;
    // Changed by the setters and the SNMP options only; accept() builds the
    // request on a copy and keeps it only once the request goes out.
    Luminorix::Utils::Ups ups;
    bool editMode = false;
    // OK sends only within the session the dialog was opened in.
    SessionStamp session;
    QString baselineModel;
    QString baselineCommunication;
    QString baselinePort;
    QString baselineIp;
    QString baselineWrite;
    QString baselineRead;
    QString baselineVersion;
    QString baselineSerial;
    QString baselineName;
};

// The controller the dialog sends through, and the log-out the window forwards.
void connectToService(AddUpsWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
