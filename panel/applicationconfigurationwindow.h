#pragma once

#include "common/applicationconfiguration.h"
#include "common/serialport.h"
#include "common/smtpconfig.h"
#include "common/ups.h"
#include "panel/base/sessionstamp.h"

#include <QDialog>
#include <QList>
#include <QRegExp>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class AddUpsWindow;
class AddVirtualUpsWindow;
class DialogRelay;
class SmtpTestWindow;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class ApplicationConfigurationWindow;
}

// The service's application settings: the SMTP account for its mail, the log
// folder and the start with the system, plus the panel's own update preference.
// Stays inert until the service has sent what it holds, so that OK can never
// overwrite the service's settings with an empty form.
class ApplicationConfigurationWindow : public QDialog
{
    Q_OBJECT

public:
    ApplicationConfigurationWindow(QList<Luminorix::Utils::SerialPort>* availablePorts,
                                   const QList<Luminorix::Utils::Ups>& virtualDeviceMembers,
                                   const QList<Luminorix::Utils::Ups>& allUpses, QWidget* parent = nullptr);
    ~ApplicationConfigurationWindow() override;

    void setSocketController(Luminorix::UpsSocketController* controller);
    // What the window forwards, passed on to the device dialogs opened from here.
    void setDialogRelay(const DialogRelay* relay);
    void requestApplicationConfiguration();
    void setEnabledButtons(bool enabled);

signals:
    void SendTestMail(Luminorix::Utils::SmtpConfig config);

public slots:
    void setApplicationConfigurationFromIni(Luminorix::Utils::ApplicationConfiguration appConf);
    void accept() override;
    void addUpsButtonClickHandler();
    void addVirtualUpsButtonClickHandler();
    void openButtonClickHandler();
    void sendTestMailButtonClickHandler();

private slots:
    void slotSmtpAuthenticationChanged(int state);

private:
    bool validateSmtpFields(bool allowAllEmpty);
    void showSmtpConfig(const Luminorix::Utils::SmtpConfig& config);
    void readSmtpConfig(Luminorix::Utils::SmtpConfig& config);
    // False when the session ended: nothing was sent or stored.
    bool storeConfiguration();
    void setAuthenticationFieldsEnabled();
    void buildSmtpLayout();

    Ui::ApplicationConfigurationWindow* ui;
    QVBoxLayout* smtpLayout;
    QLabel* securityTypeLabel;
    QComboBox* securityTypeCombo;
    QLabel* serverLabel;
    QLineEdit* serverEdit;
    QLabel* portLabel;
    QLineEdit* portEdit;
    QLabel* senderAddressLabel;
    QLineEdit* senderAddressEdit;
    QLabel* timeoutLabel;
    QLineEdit* timeoutEdit;
    QCheckBox* authenticationBox;
    QLabel* userLabel;
    QLineEdit* userEdit;
    QLabel* passwordLabel;
    QLineEdit* passwordEdit;
    QPushButton* testSmtpButton;
    QHBoxLayout* securityTypeRow;
    QHBoxLayout* serverRow;
    QHBoxLayout* senderAddressRow;
    QHBoxLayout* timeoutRow;
    QHBoxLayout* userRow;
    QHBoxLayout* passwordRow;
    QHBoxLayout* testRow;
    QRegExp emailExpression;

    Luminorix::Utils::ApplicationConfiguration applicationConfiguration;
    Luminorix::UpsSocketController* socketController = nullptr;
    SessionStamp session;
    QList<Luminorix::Utils::SerialPort>* availablePorts;
    QList<Luminorix::Utils::Ups> virtualDeviceMembers;
    QList<Luminorix::Utils::Ups> allUpses;
    SmtpTestWindow* smtpTestWindow = nullptr;
    AddUpsWindow* addUpsWindow = nullptr;
    AddVirtualUpsWindow* addVirtualUpsWindow = nullptr;
    const DialogRelay* dialogRelay = nullptr;
    bool configurationReceived = false;
};

// The dialog's links to the service controller (the configuration it shows, the
// test mail it asks for) and to what the main window forwards while it is open:
// busy service, log-out, SMTP test reports; the device dialogs it opens get the same.
void connectToService(ApplicationConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
