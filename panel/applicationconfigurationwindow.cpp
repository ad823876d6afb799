#include "applicationconfigurationwindow.h"

#include "common/localsettings.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogguard.h"
#include "panel/base/dialogrelay.h"
#include "panel/base/formfit.h"
#include "panel/ups/addupswindow.h"
#include "panel/ups/addvirtualupswindow.h"
#include "smtptestwindow.h"
#include "ui_applicationconfigurationwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPair>
#include <QPushButton>
#include <QRegExpValidator>
#include <QVBoxLayout>
#include <QVector>

namespace {
const QString exampleServer = QStringLiteral("smtp.example.com");
const QString exampleAddress = QStringLiteral("ups@example.com");
const QString faultyFieldStyle = QStringLiteral("background-color: red;");

enum SecurityData
{
    SecurityNone = 0,
    SecurityTls = 1,
    SecuritySsl = 2
};
} // namespace

ApplicationConfigurationWindow::ApplicationConfigurationWindow(
    QList<Luminorix::Utils::SerialPort>* availablePorts,
    const QList<Luminorix::Utils::Ups>& virtualDeviceMembers, const QList<Luminorix::Utils::Ups>& allUpses,
    QWidget* parent)
    : QDialog(parent), ui(new Ui::ApplicationConfigurationWindow), smtpLayout(new QVBoxLayout),
      securityTypeLabel(new QLabel), securityTypeCombo(new QComboBox), serverLabel(new QLabel),
      serverEdit(new QLineEdit), portLabel(new QLabel), portEdit(new QLineEdit),
      senderAddressLabel(new QLabel), senderAddressEdit(new QLineEdit), timeoutLabel(new QLabel),
      timeoutEdit(new QLineEdit), authenticationBox(new QCheckBox), userLabel(new QLabel),
      userEdit(new QLineEdit), passwordLabel(new QLabel), passwordEdit(new QLineEdit),
      testSmtpButton(new QPushButton), securityTypeRow(new QHBoxLayout), serverRow(new QHBoxLayout),
      senderAddressRow(new QHBoxLayout), timeoutRow(new QHBoxLayout), userRow(new QHBoxLayout),
      passwordRow(new QHBoxLayout), testRow(new QHBoxLayout),
      emailExpression(QStringLiteral(R"(^[\w!#$%&'*+/=?`{|}~^-]+(?:\.[\w!#$%&'*+/=?`{|}~^-]+)*@)"
                                     R"((?:[a-zA-Z0-9-]+\.)+[a-zA-Z]{2,6}$)"),
                      Qt::CaseSensitive, QRegExp::RegExp),
      availablePorts(availablePorts), virtualDeviceMembers(virtualDeviceMembers), allUpses(allUpses)
{
    ui->setupUi(this);
    setFixedSize(size());
    // A larger font: the buttons and the update row widen inside their groups.
    for (QPushButton* button : {ui->addUpsButton, ui->addVirtualUpsButton})
        button->resize(qMax(button->width(), button->sizeHint().width()), button->height());
    growToText(ui->layoutWidget_2);
    ui->smtpConfigurationGroup->setLayout(smtpLayout);
    buildSmtpLayout();
    setAuthenticationFieldsEnabled();
    setEnabledButtons(false);
    connect(authenticationBox, &QCheckBox::stateChanged, this,
            &ApplicationConfigurationWindow::slotSmtpAuthenticationChanged);
    connect(testSmtpButton, &QPushButton::released, this,
            &ApplicationConfigurationWindow::sendTestMailButtonClickHandler);
}

ApplicationConfigurationWindow::~ApplicationConfigurationWindow()
{
    delete ui;
}

void ApplicationConfigurationWindow::buildSmtpLayout()
{
    const QList<QPair<QWidget*, const char*>> names = {{securityTypeLabel, "securityTypeLabel"},
                                                       {securityTypeCombo, "securityTypeCombo"},
                                                       {serverLabel, "serverLabel"},
                                                       {serverEdit, "serverEdit"},
                                                       {portLabel, "portLabel"},
                                                       {portEdit, "portEdit"},
                                                       {senderAddressLabel, "senderAddressLabel"},
                                                       {senderAddressEdit, "senderAddressEdit"},
                                                       {timeoutLabel, "timeoutLabel"},
                                                       {timeoutEdit, "timeoutEdit"},
                                                       {authenticationBox, "authenticationBox"},
                                                       {userLabel, "userLabel"},
                                                       {userEdit, "userEdit"},
                                                       {passwordLabel, "passwordLabel"},
                                                       {passwordEdit, "passwordEdit"},
                                                       {testSmtpButton, "testSmtpButton"}};
    for (const auto& name : names)
        name.first->setObjectName(QLatin1String(name.second));

    securityTypeLabel->setText(tr("Szyfrowanie połączenia"));
    securityTypeCombo->setEditable(false);
    securityTypeCombo->addItem(tr("Brak"), int(SecurityNone));
    securityTypeCombo->addItem(tr("TLS"), int(SecurityTls));
    securityTypeCombo->addItem(tr("SSL"), int(SecuritySsl));
    securityTypeRow->addWidget(securityTypeLabel);
    securityTypeRow->addWidget(securityTypeCombo);
    securityTypeRow->addStretch(1);
    smtpLayout->addLayout(securityTypeRow);
    smtpLayout->addSpacing(10);

    serverLabel->setText(tr("Serwer SMTP"));
    serverEdit->setPlaceholderText(exampleServer);
    portLabel->setText(tr("Port"));
    portEdit->setValidator(new QIntValidator(0, 65535, portEdit));
    portEdit->setToolTip(tr("Zakres: 0-65535"));
    portEdit->setPlaceholderText(QStringLiteral("25"));
    portEdit->setMaximumWidth(50);
    serverRow->addWidget(serverLabel);
    serverRow->addWidget(serverEdit);
    serverRow->addSpacing(10);
    serverRow->addWidget(portLabel);
    serverRow->addWidget(portEdit);
    smtpLayout->addLayout(serverRow);
    smtpLayout->addSpacing(10);

    senderAddressLabel->setText(tr("Adres e-mail"));
    senderAddressEdit->setValidator(new QRegExpValidator(emailExpression, senderAddressEdit));
    senderAddressEdit->setPlaceholderText(exampleAddress);
    senderAddressRow->addWidget(senderAddressLabel);
    senderAddressRow->addWidget(senderAddressEdit);
    smtpLayout->addLayout(senderAddressRow);
    smtpLayout->addSpacing(10);

    timeoutLabel->setText(tr("Limit czasu operacji"));
    timeoutEdit->setValidator(new QIntValidator(10, 120, timeoutEdit));
    timeoutEdit->setToolTip(tr("Zakres: 10-120 [s]"));
    timeoutEdit->setPlaceholderText(QStringLiteral("30"));
    timeoutEdit->setMaximumWidth(50);
    timeoutRow->addWidget(timeoutLabel);
    timeoutRow->addWidget(timeoutEdit);
    timeoutRow->addStretch(1);
    smtpLayout->addLayout(timeoutRow);
    smtpLayout->addSpacing(10);

    authenticationBox->setText(tr("Serwer SMTP wymaga uwierzytelnienia"));
    smtpLayout->addWidget(authenticationBox);
    smtpLayout->addSpacing(10);

    userLabel->setText(tr("Nazwa użytkownika"));
    userEdit->setPlaceholderText(exampleAddress);
    userRow->addSpacing(10);
    userRow->addWidget(userLabel);
    userRow->addWidget(userEdit);
    smtpLayout->addLayout(userRow);

    passwordLabel->setText(tr("Hasło"));
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setPlaceholderText(tr("hasło"));
    passwordRow->addSpacing(10);
    passwordRow->addWidget(passwordLabel);
    passwordRow->addWidget(passwordEdit);
    smtpLayout->addLayout(passwordRow);
    smtpLayout->addStretch(1);

    // The fields of the rows share their left edge only when every label takes the
    // room of the widest, whatever the language and the font make of them.
    const QVector<QPair<QLabel*, int>> column{{securityTypeLabel, 0},  {serverLabel, 0},
                                              {senderAddressLabel, 0}, {timeoutLabel, 0},
                                              {userLabel, 10},         {passwordLabel, 10}};
    int labelWidth = 0;
    for (const auto& label : column)
        labelWidth = qMax(labelWidth, label.first->minimumSizeHint().width() + label.second);
    for (const auto& label : column)
        label.first->setMinimumWidth(labelWidth - label.second);

    testSmtpButton->setText(tr("Testuj ustawienia SMTP"));
    testSmtpButton->setMinimumWidth(200);
    testSmtpButton->setMaximumWidth(200);
    testRow->addStretch(1);
    testRow->addWidget(testSmtpButton);
    smtpLayout->addLayout(testRow);
}

void ApplicationConfigurationWindow::setSocketController(Luminorix::UpsSocketController* controller)
{
    socketController = controller;
    session = SessionStamp(controller);
}

void ApplicationConfigurationWindow::setDialogRelay(const DialogRelay* relay)
{
    dialogRelay = relay;
}

void ApplicationConfigurationWindow::requestApplicationConfiguration()
{
    if (socketController)
        socketController->getApplicationConfiguration();
}

void ApplicationConfigurationWindow::setEnabledButtons(bool enabled)
{
    // Nothing may be sent before the service's own settings are in the form:
    // OK would overwrite them with blanks. Nor after the session ended: a ready
    // service does not bring it back.
    enabled = enabled && configurationReceived && session.isCurrent();
    // By role: the label of OK differs with the translation.
    if (QPushButton* ok = ui->buttonBox->button(QDialogButtonBox::Ok))
        ok->setEnabled(enabled);
    for (QWidget* button :
         QList<QWidget*>{ui->addUpsButton, ui->addVirtualUpsButton, ui->openDirButton, testSmtpButton})
        button->setEnabled(enabled);
}

void ApplicationConfigurationWindow::setApplicationConfigurationFromIni(
    Luminorix::Utils::ApplicationConfiguration appConf)
{
    showSmtpConfig(appConf.smtp);
    ui->runOnBootBox->setChecked(appConf.run_on_boot);
    ui->logDirPathEdit->setText(appConf.log_files_path);
    setFixedSize(size());
    ui->checkUpdatesBox->setChecked(LocalSettings().checkUpdates());
    applicationConfiguration = appConf;
    configurationReceived = true;
    setEnabledButtons(true);
}

void ApplicationConfigurationWindow::accept()
{
    if (!validateSmtpFields(true))
        return;
    if (!storeConfiguration())
        return;
    QDialog::accept();
}

// A device added from here closes the settings too, without storing them: the
// base accept, not ours.
void ApplicationConfigurationWindow::addUpsButtonClickHandler()
{
    DialogGuard dialog(addUpsWindow, new AddUpsWindow(availablePorts, nullptr));
    dialog->setWindowTitle(tr("Nowy UPS"));
    connectToService(dialog.get(), socketController, *dialogRelay);
    dialog->setConfiguredUps(allUpses);
    dialog->setUserDefinedName(QString());
    if (dialog->exec() == QDialog::Accepted)
        QDialog::accept();
}

void ApplicationConfigurationWindow::addVirtualUpsButtonClickHandler()
{
    DialogGuard dialog(addVirtualUpsWindow, new AddVirtualUpsWindow(nullptr));
    dialog->setConfiguredUps(virtualDeviceMembers);
    connectToService(dialog.get(), socketController, *dialogRelay);
    dialog->setWindowTitle(tr("Wirtualny UPS"));
    dialog->displayAvailableParallelDevices(allUpses);
    if (dialog->exec() == QDialog::Accepted)
        QDialog::accept();
}

void ApplicationConfigurationWindow::openButtonClickHandler()
{
    const QString directory =
        QFileDialog::getExistingDirectory(this, tr("Wybierz katalog"), QString(), QFileDialog::ShowDirsOnly);
    if (!directory.isEmpty())
        ui->logDirPathEdit->setText(directory);
}

void ApplicationConfigurationWindow::sendTestMailButtonClickHandler()
{
    if (!validateSmtpFields(false))
        return;
    Luminorix::Utils::SmtpConfig config;
    readSmtpConfig(config);
    if (!session.send([this, &config] { emit SendTestMail(config); }))
        return;

    DialogGuard dialog(smtpTestWindow, new SmtpTestWindow(this));
    connectToService(dialog.get(), socketController, *dialogRelay);
    dialog->exec();
}

void ApplicationConfigurationWindow::slotSmtpAuthenticationChanged(int)
{
    setAuthenticationFieldsEnabled();
}

bool ApplicationConfigurationWindow::validateSmtpFields(bool allowAllEmpty)
{
    const bool allEmpty = serverEdit->text().isEmpty() && portEdit->text().isEmpty() &&
                          senderAddressEdit->text().isEmpty() && timeoutEdit->text().isEmpty();
    const bool exempt = allEmpty && allowAllEmpty;

    const QList<QPair<QLineEdit*, bool>> fields = {
        {serverEdit, serverEdit->text().isEmpty()},
        {portEdit, !portEdit->hasAcceptableInput()},
        {senderAddressEdit, !senderAddressEdit->hasAcceptableInput()},
        {timeoutEdit, !timeoutEdit->hasAcceptableInput()}};
    int faults = 0;
    for (const auto& field : fields) {
        if (field.second && !exempt) {
            field.first->setStyleSheet(faultyFieldStyle);
            ++faults;
        } else {
            field.first->setStyleSheet(QString());
        }
    }
    return faults == 0;
}

void ApplicationConfigurationWindow::showSmtpConfig(const Luminorix::Utils::SmtpConfig& config)
{
    const QStringList& names = Luminorix::Utils::smtpSecurityNames();
    int data = SecurityTls;
    if (config.security_type.compare(names.at(SecurityNone), Qt::CaseInsensitive) == 0)
        data = SecurityNone;
    else if (config.security_type.compare(names.at(SecuritySsl), Qt::CaseInsensitive) == 0)
        data = SecuritySsl;
    const int index = securityTypeCombo->findData(data, Qt::UserRole);
    if (index >= 0)
        securityTypeCombo->setCurrentIndex(index);

    serverEdit->setText(config.server);
    portEdit->setText(QString::number(config.port));
    senderAddressEdit->setText(config.sender_address);
    timeoutEdit->setText(QString::number(config.timeout));
    authenticationBox->setChecked(config.authentication);
    userEdit->setText(config.user);
    passwordEdit->setText(config.pass);
    setAuthenticationFieldsEnabled();
}

void ApplicationConfigurationWindow::readSmtpConfig(Luminorix::Utils::SmtpConfig& config)
{
    const QStringList& names = Luminorix::Utils::smtpSecurityNames();
    bool convertible = false;
    const int data = securityTypeCombo->currentData(Qt::UserRole).toInt(&convertible);
    if (!convertible || data == SecurityNone)
        config.security_type = names.at(SecurityNone);
    else if (data == SecuritySsl)
        config.security_type = names.at(SecuritySsl);
    else
        config.security_type = names.at(SecurityTls);

    config.server = serverEdit->text();
    config.port = portEdit->text().toInt(nullptr, 10);
    config.sender_address = senderAddressEdit->text();
    config.timeout = timeoutEdit->text().toInt(nullptr, 10);
    config.authentication = authenticationBox->isChecked();
    config.user = userEdit->text();
    config.pass = passwordEdit->text();
}

bool ApplicationConfigurationWindow::storeConfiguration()
{
    Luminorix::Utils::ApplicationConfiguration configuration = applicationConfiguration;
    configuration.run_on_boot = ui->runOnBootBox->isChecked();
    configuration.orvendesk_path = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    configuration.log_files_path = ui->logDirPathEdit->text();
    readSmtpConfig(configuration.smtp);

    // The link escapes every text field, the two paths included.
    if (!session.send(
            [this, &configuration] { socketController->sendApplicationConfiguration(configuration); }))
        return false;
    applicationConfiguration = configuration;
    LocalSettings().setCheckUpdates(ui->checkUpdatesBox->isChecked());
    return true;
}

void ApplicationConfigurationWindow::setAuthenticationFieldsEnabled()
{
    const bool enabled = authenticationBox->isChecked();
    userEdit->setEnabled(enabled);
    passwordEdit->setEnabled(enabled);
}

void connectToService(ApplicationConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay)
{
    using Controller = Luminorix::UpsSocketController;
    using Window = ApplicationConfigurationWindow;
    dialog->setSocketController(controller);
    dialog->setDialogRelay(&relay);
    QObject::connect(controller, &Controller::appConfifuratioReceived, dialog,
                     &Window::setApplicationConfigurationFromIni);
    QObject::connect(dialog, &Window::SendTestMail, controller, &Controller::sendTestMail);
    QObject::connect(&relay, &DialogRelay::serviceBusy, dialog,
                     [dialog](bool busy) { dialog->setEnabledButtons(!busy); });
    QObject::connect(&relay, &DialogRelay::administratorLoggedOut, dialog,
                     [dialog] { dialog->setEnabledButtons(false); });
}
