#include "luminorixwindow.h"

#include "aboutwindow.h"
#include "addupsprompt.h"
#include "applicationconfigurationwindow.h"
#include "common/devicelabeltexts.h"
#include "common/devicestatetexts.h"
#include "common/helpers.h"
#include "common/localsettings.h"
#include "common/messagebox.h"
#include "common/named.h"
#include "common/upsmodelcatalogue.h"
#include "common/upstexts.h"
#include "connectwithservicewindow.h"
#include "debugwarningwidget.h"
#include "lineeditwidget.h"
#include "link/upssocketcontroller.h"
#include "logiinwindow.h"
#include "lxstatuswidget.h"
#include "panel/base/dialogguard.h"
#include "panel/base/dialogrelay.h"
#include "panel/base/formfit.h"
#include "panel/base/passwordchangewindow.h"
#include "panel/base/sessionstamp.h"
#include "panel/core/connectionwatchdogs.h"
#include "panel/core/countdownclock.h"
#include "panel/core/makerhost.h"
#include "panel/core/singleinstance.h"
#include "panel/core/updatechecker.h"
#include "panel/core/updatecheckerthread.h"
#include "panel/events/networkconfigurationwindow.h"
#include "panel/logs/loggingconfigurationwindow.h"
#include "panel/logs/upseventswindow.h"
#include "panel/ups/addupswindow.h"
#include "panel/ups/addvirtualupswindow.h"
#include "panel/ups/extendinformationwindow.h"
#include "panel/ups/upsconfigurationwindow.h"
#include "panel/virtualization/virtualizationcenterwindow.h"
#include "paneltray.h"
#include "programversion.h"
#include "progressbarwidget.h"
#include "ui_luminorixwindow.h"
#include "updatedownloadwindow.h"
#include "updateprompt.h"
#include "upstreeelement.h"
#include "upstreewidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QShowEvent>
#include <QUrl>
#include <QVBoxLayout>

using Luminorix::Utils::currentDeviceStatus;
using Luminorix::Utils::SerialPort;
using Luminorix::Utils::Ups;

namespace {
// Widgets that repaint or re-lay themselves on every set, also of the same text.
void setTextIfChanged(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}
} // namespace

LuminorixWindow::LuminorixWindow(QWidget* parent) : QMainWindow(parent), ui(new Ui::LuminorixWindow)
{
    windowTitleText = QStringLiteral("Luminorix Professional v. ") + QLatin1String(programVersion);
    relay = named(new DialogRelay(this), "dialogRelay");
    ui->setupUi(this);

    statusLayout = named(new QVBoxLayout, "statusLayout");
    statusWidget = named(new LXStatusWidget, "statusWidget");
    ui->statusBox->setLayout(statusLayout);
    statusLayout->addWidget(statusWidget);

    showAddUpsPrompt = !LocalSettings().dontShowAddUpsPrompt();
    virtualizationCenterAvailable = false;
    notAvailableText = tr("N/D");

    upsTree = named(new UpsTreeWidget(ui->upsTreeGroupBox, &administratorMode, false, false), "upsTree");
    upsTree->setGeometry(5, 21, 175, 500);
    upsTree->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    instance = named(new SingleInstance(SingleInstance::serverName(), this), "singleInstance");
    if (!instance->claim()) {
        secondInstance = true;
        return;
    }
    connect(instance, &SingleInstance::wakeRequested, this, &LuminorixWindow::newLocalInstanceConnection);

    tray = named(new PanelTray(windowTitleText, this), "tray");
    QGuiApplication::setQuitOnLastWindowClosed(false);
    connect(tray, &PanelTray::toggleRequested, this, qOverload<>(&LuminorixWindow::toggleWindow));
    connect(tray, &PanelTray::quitRequested, this, &LuminorixWindow::reallyClose);

    // A child only to be found by name; the destructor still deletes it before the rest.
    controller = named(new Luminorix::UpsSocketController, "controller");
    controller->setParent(this);
    watchdogs = named(new ConnectionWatchdogs(3000, this), "watchdogs");
    connectController();
    connect(watchdogs, &ConnectionWatchdogs::deviceSilent, this, &LuminorixWindow::upsCommunicationFailed);
    connect(watchdogs, &ConnectionWatchdogs::serviceLost, this, &LuminorixWindow::socketError);

    setWindowTitle(windowTitleText);
    ui->deviceMessages->hide();
    // The messages fill their box, which takes the room the buttons leave, and
    // scroll under the mouse when a device reports more than the box holds.
    auto* messagesLayout = named(new QVBoxLayout(ui->groupBox), "messagesLayout");
    messagesLayout->setContentsMargins(6, 2, 2, 4);
    messagesLayout->addWidget(ui->deviceMessages);
    ui->deviceMessages->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui->verticalLayout->setStretch(1, 13);
    ui->verticalLayout->setStretch(2, 16);

    setWidgetsEnabled(false, {ui->exInfoButton, ui->upsConfigurationButton, ui->upsEventsButton});
    setActionsEnabled(false, {ui->actionExtendInformation, ui->actionUpsConfiguration});
    // Nobody is logged in yet: logging out or changing the password makes no sense.
    setActionsEnabled(false, {ui->actionLogout, ui->actionChangePassword});

    controller->setHost(LocalSettings().serverAddress());
    controller->startReconnecting();
    connectingInProgress();

    setFixedSize(size());
    connectTree();

    clock = named(new CountdownClock(this), "countdownClock");
    connect(clock, &CountdownClock::secondsLeft, statusWidget, &LXStatusWidget::setCountdown);
    connect(clock, &CountdownClock::cancelled, statusWidget, &LXStatusWidget::clearCountdown);

    startUpdateChecker();

    ui->horizontalLayout_2->addStretch(1);
    debugWarningWidget = named(new DebugWarningWidget, "debugWarningWidget");
    ui->horizontalLayout_2->addWidget(debugWarningWidget);

    for (QWidget* widget :
         threePhaseWidgets() + QList<QWidget*>{ui->nameAndLocationLabel, ui->nameAndLocalizationEdit})
        widget->hide();
    ui->loadLabel->setText(tr("Obciążenie"));
    ui->nameAndLocationLabel->setText(tr("Nazwa i lokalizacja"));

    connect(this, &LuminorixWindow::signalEmptyUpsList, this, &LuminorixWindow::slotEmptyUpsList,
            Qt::QueuedConnection);

    ui->upsTreeGroupBox->setMinimumWidth(186);
    ui->upsTreeGroupBox->setMaximumWidth(186);
    // A larger font makes the value rows' labels wider than the form's panel.
    const int wider = growToText(ui->verticalLayoutWidget).width();
    ui->upsBox->setMinimumWidth(465 + wider);
    ui->upsBox->setMaximumWidth(465 + wider);
    setMinimumWidth(962 + wider);
    if (wider > 0)
        setFixedSize(width() + wider, height());

    applyStoredSorting();
}

LuminorixWindow::~LuminorixWindow()
{
    delete instance;
    delete tray;
    delete ui;
    ui = nullptr;

    upsTree->blockSignals(true);
    upsTree->deleteAllItems();
    delete upsTree;
    upsTree = nullptr;

    disconnect(this, nullptr, this, nullptr);
    if (controller) {
        disconnect(controller, nullptr, this, nullptr);
        disconnect(this, nullptr, controller, nullptr);
    }
    delete controller;

    updateThread.reset();
    updateChecker = nullptr;
    delete debugWarningWidget;
}

void LuminorixWindow::startHidden()
{
    keptInTray = true;
    // Nobody sees the tree in the tray: it catches up when the window shows.
    upsTree->holdStatuses(true);
}

void LuminorixWindow::startUpdateChecker()
{
    updateThread = std::make_unique<UpdateCheckerThread>();
    updateChecker = updateThread->checker();
    connect(updateChecker, &UpdateChecker::updateAvailable, this,
            &LuminorixWindow::displayAvailableUpdateInfo);
    connect(updateChecker, &UpdateChecker::networkUnavailable, this, &LuminorixWindow::networkUnavailable);
}

void LuminorixWindow::connectController()
{
    using Controller = Luminorix::UpsSocketController;
    connect(controller, &Controller::upsConnected, this, &LuminorixWindow::upsCommunicationFailedTrigger);
    connect(controller, &Controller::upsDeviceState, this, &LuminorixWindow::upsDeviceState);
    connect(controller, &Controller::upsConfiguration, this, &LuminorixWindow::upsConfiguration);
    connect(controller, &Controller::showMessage, this, &LuminorixWindow::showMessage);
    connect(controller, &Controller::socketError, this, &LuminorixWindow::socketErrorTrigger);
    connect(controller, &Controller::discoveredComputer, this, &LuminorixWindow::discoveredComputer);
    connect(controller, &Controller::smpt2TestStatus, this, &LuminorixWindow::displaySmtp2TestStatus);
    connect(controller, &Controller::daemonIsBusy, this, &LuminorixWindow::displayDaemonBusy);
    connect(controller, &Controller::debugModeEnabled, this, &LuminorixWindow::debugModeEnabled);
    // A log-out, a lost connection and another host all end it here.
    connect(controller->session(), &Luminorix::AdminSession::ended, this,
            &LuminorixWindow::disableAdministratorButtons);
    connect(controller, &Controller::showCountdownTimer, this, &LuminorixWindow::showCountdownTimer);
    connect(controller, &Controller::virtualizationCenterVersionReceived, this,
            &LuminorixWindow::slot_virtualizationCenterVersion);
    connect(controller, &Controller::upsConnected, this, &LuminorixWindow::clearServiceBusy);
    // Nothing arrives before the event loop runs, so these need not wait for the host.
    connect(controller, &Controller::upsModelMessageReceived, this,
            &LuminorixWindow::upsModelMessageReceived);
    connect(controller, &Controller::upsCurrentStatusListReceived, this,
            &LuminorixWindow::upsCurrentStatusListMessageReceived);
    connect(controller, &Controller::availablePortsReceived, this,
            &LuminorixWindow::availablePortsMessageReceived);
    connect(controller, &Controller::serviceVersionReceived, this, &LuminorixWindow::serviceVersionReceived);
}

void LuminorixWindow::connectTree()
{
    connect(upsTree, &UpsTreeWidget::editActionTriggered, this, &LuminorixWindow::editActionHandler);
    connect(upsTree, &UpsTreeWidget::deleteActionTriggered, this, &LuminorixWindow::deleteActionHandler);
    connect(upsTree, &UpsTreeWidget::addUpsActionTriggered, this, &LuminorixWindow::addUpsActionHandler);
    connect(upsTree, &QTreeWidget::currentItemChanged, this,
            &LuminorixWindow::upsTreeCurrentIndexChangedHandler);
    connect(upsTree, &QTreeView::expanded, this, &LuminorixWindow::upsTreeExpandedHandler);
    connect(upsTree, &UpsTreeWidget::currentDeviceStatusApplied, this, &LuminorixWindow::showElementRecord);
    connect(upsTree, &UpsTreeWidget::signal_disableSortingUps, this,
            &LuminorixWindow::slot_disableSortingUpsList);
    connect(upsTree, &UpsTreeWidget::signal_enableSortingUpsAscending, this,
            &LuminorixWindow::slot_enableSortingUpsList);
    connect(upsTree, &UpsTreeWidget::signal_enableSortingUpsDescending, this,
            &LuminorixWindow::slot_enableSortingUpsListReversed);
}

void LuminorixWindow::applyStoredSorting()
{
    LocalSettings settings;
    upsTree->applySorting(settings.sortingUpsList(), settings.sortingUpsListReversed());
}

void LuminorixWindow::setWidgetsEnabled(bool enabled, QList<QWidget*> widgets)
{
    for (QWidget* widget : widgets) {
        if (auto* valueWidget = dynamic_cast<AbstractWidget*>(widget))
            valueWidget->setDataAvailable(enabled);
        else
            widget->setEnabled(enabled);
    }
}

void LuminorixWindow::setActionsEnabled(bool enabled, QList<QAction*> actions)
{
    for (QAction* action : actions)
        action->setEnabled(enabled);
}

QList<QWidget*> LuminorixWindow::deviceButtons() const
{
    return {ui->exInfoButton, ui->upsConfigurationButton, ui->upsEventsButton};
}

QList<QWidget*> LuminorixWindow::deviceValueWidgets() const
{
    return {ui->workModeEdit,
            ui->firmwareEdit,
            ui->batteryStateProgressBar,
            ui->loadProgressBar,
            ui->loadProgressBar_2,
            ui->loadProgressBar_3,
            ui->nominalActivePowerEdit,
            ui->nominalSpuriousPowerEdit,
            ui->autonomyTimeEdit,
            ui->temperatureEdit,
            ui->nameAndLocalizationEdit};
}

QList<QAction*> LuminorixWindow::deviceActions() const
{
    return {ui->actionExtendInformation, ui->actionUpsConfiguration};
}

QList<QWidget*> LuminorixWindow::threePhaseWidgets() const
{
    return {ui->upsEventsButton, ui->loadLabel_2, ui->loadLabel_3, ui->loadProgressBar_2,
            ui->loadProgressBar_3};
}

// ---- showing, hiding and quitting

void LuminorixWindow::closeEvent(QCloseEvent* event)
{
    if (reallyCloseRequested || isHidden()) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
    if (tray)
        tray->setWindowShown(false);
}

void LuminorixWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    keptInTray = false;
    upsTree->holdStatuses(false);
    drawDeviceState();
}

void LuminorixWindow::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    // Minimising is not hiding: the window stays in the task bar and may be looked at.
    if (!event->spontaneous())
        startHidden();
}

void LuminorixWindow::toggleWindow()
{
    const bool showing = isHidden();
    if (showing)
        show();
    else
        hide();
    if (tray)
        tray->setWindowShown(showing);
}

void LuminorixWindow::toggleWindow(QSystemTrayIcon::ActivationReason reason)
{
    if (tray)
        tray->activate(reason);
}

void LuminorixWindow::reallyClose()
{
    reallyCloseRequested = true;
    QCoreApplication::quit();
}

void LuminorixWindow::newLocalInstanceConnection()
{
    if (isHidden())
        toggleWindow();
}

// ---- connection health

void LuminorixWindow::upsCommunicationFailedTrigger()
{
    watchdogs->armDevice();
}

void LuminorixWindow::socketErrorTrigger()
{
    watchdogs->armService();
}

void LuminorixWindow::upsConnected()
{
    watchdogs->stop();
    statusWidget->setServiceState(LXStatusWidget::ServiceConnected, controller->host());
    setWidgetsEnabled(true, deviceValueWidgets());
    statusWidget->setUpsCommunicationState(LXStatusWidget::DeviceConnected);
}

void LuminorixWindow::upsCommunicationFailed()
{
    statusWidget->setServiceState(LXStatusWidget::ServiceConnected, controller->host());
    statusWidget->setUpsCommunicationState(LXStatusWidget::DeviceNoCommunication);
    setWidgetsEnabled(false, deviceButtons() + deviceValueWidgets());
    setActionsEnabled(false, deviceActions());
    ui->deviceMessages->hide();
    // A state kept back in the tray is no longer the device's.
    shownDevice.forgetUndrawn();
}

void LuminorixWindow::socketError()
{
    statusWidget->setServiceState(LXStatusWidget::ServiceError, controller->host());
    statusWidget->setUpsCommunicationState(LXStatusWidget::DeviceNoCommunication);
    statusWidget->clearCountdown();
    virtualizationCenterAvailable = false;
    setWidgetsEnabled(false, deviceButtons() + deviceValueWidgets());
    setActionsEnabled(false, deviceActions());
    // Before the log-out, which has the last word on an open dialog's buttons.
    clearServiceBusy();
    disableAdministratorButtons();
    ui->deviceMessages->hide();
    shownDevice.forgetUndrawn();

    upsTree->showUnreachable();

    // A service that comes back tells its mode again.
    debugModeEnabled(false);
    clockCancel();
}

void LuminorixWindow::connectingInProgress()
{
    statusWidget->setServiceState(LXStatusWidget::ServiceConnecting, controller->host());
    statusWidget->setUpsCommunicationState(LXStatusWidget::DeviceNoCommunication);
    statusWidget->clearCountdown();
}

// ---- service events

void LuminorixWindow::showMessage(QVector<QString> texts)
{
    serviceMessages.show(texts);
}

void LuminorixWindow::availablePortsMessageReceived(QList<SerialPort> ports)
{
    availablePorts = ports;
}

void LuminorixWindow::displayDaemonBusy(bool busy)
{
    upsTree->setEnabled(!busy);
    ui->centralWidget->setEnabled(!busy);
    ui->busyLabel->setBusy(busy);
    emit relay->serviceBusy(busy);
}

void LuminorixWindow::clearServiceBusy()
{
    if (ui->busyLabel->isBusy())
        displayDaemonBusy(false);
}

void LuminorixWindow::debugModeEnabled(bool enabled)
{
    const QString suffix = tr(" [TRYB DEBUGOWANIA]");
    if (enabled) {
        if (debugWarningWidget)
            debugWarningWidget->startBlinking();
        if (!windowTitleText.contains(suffix)) {
            windowTitleText.append(suffix);
            showTitle();
        }
    } else {
        if (debugWarningWidget)
            debugWarningWidget->stopBlinking();
        windowTitleText.remove(suffix);
        showTitle();
    }
}

void LuminorixWindow::showTitle()
{
    // The suffix is neither translated nor kept in windowTitleText.
    setWindowTitle(controller->session()->isActive() ? windowTitleText + QStringLiteral(" (Administrator)")
                                                     : windowTitleText);
}

void LuminorixWindow::serviceVersionReceived(QString service_version)
{
    statusWidget->setServiceVersion(service_version);
}

void LuminorixWindow::slot_virtualizationCenterVersion(QString version)
{
    bool ok = false;
    const int number = version.toInt(&ok, 10);
    virtualizationCenterAvailable = ok && number > 0;
}

void LuminorixWindow::displaySmtp2TestStatus(int status, QStringList messages)
{
    emit relay->smtpTestStatus(status, messages);
}

void LuminorixWindow::discoveredComputer(QString ip)
{
    emit relay->computerDiscovered(ip);
}

void LuminorixWindow::networkUnavailable()
{
    showMessageBox(tr("Błąd połączenia"), tr("Nie można połączyć się z witryną %1").arg(makerWebHost()));
}

// ---- administrator mode

void LuminorixWindow::logIn()
{
    DialogGuard dialog(logInWindow, new LogiInWindow(controller, nullptr));
    connectToService(dialog.get(), controller, *relay);
    connect(dialog.get(), &LogiInWindow::enableAdminButtons, this,
            &LuminorixWindow::enableAdministratorButtons);
    dialog->exec();
}

void LuminorixWindow::enableAdministratorButtons()
{
    administratorMode = true;
    setWidgetsEnabled(true, {ui->aplicationConfigurationButton});
    setActionsEnabled(true, {ui->actionApplicationConfiguration, ui->actionChangePassword, ui->actionLogout});
    enableDeviceRecordDoors();
    setActionsEnabled(false, {ui->actionActAsAdministrator});
    setActionsEnabled(virtualizationCenterAvailable, {ui->actionVirtualizationCenter});
    showTitle();
}

void LuminorixWindow::disableAdministratorButtons()
{
    // Ending the session comes back here through its ended().
    if (controller->session()->isActive()) {
        controller->session()->end();
        return;
    }
    administratorMode = false;
    setWidgetsEnabled(false, {ui->aplicationConfigurationButton, ui->networkConfigurationButton,
                              ui->upsConfigurationButton, ui->loggingConfigurationButton});
    setActionsEnabled(false, {ui->actionApplicationConfiguration, ui->actionChangePassword,
                              ui->actionNetworkConfiguration, ui->actionUpsConfiguration, ui->actionLogout,
                              ui->actionLoggingConfiguration, ui->actionVirtualizationCenter});
    setActionsEnabled(true, {ui->actionActAsAdministrator});
    showTitle();
    emit relay->administratorLoggedOut();
}

void LuminorixWindow::changeAdminPass()
{
    DialogGuard dialog(passwordChangeWindow,
                       new PasswordChangeWindow(LocalSettings().serverAddress(), controller, nullptr));
    connectToService(dialog.get(), controller, *relay);
    dialog->exec();
}

void LuminorixWindow::slotEmptyUpsList()
{
    if (!AddUpsPrompt::ask(this))
        return;
    if (!administratorMode)
        logIn();
    if (administratorMode)
        addUpsActionHandler();
}

// ---- service host and dialogs

void LuminorixWindow::connectWithService()
{
    DialogGuard dialog(connectWithServiceWindow, new ConnectWithServiceWindow(nullptr));
    connectToService(dialog.get(), controller, *relay);
    // On OK the dialog has stored the host and restarted the connection itself.
    if (dialog->exec() == QDialog::Accepted) {
        virtualizationCenterAvailable = false;
        connectingInProgress();
    }
}

void LuminorixWindow::aboutButtonClickHandler()
{
    AboutWindow about(nullptr);
    about.exec();
}

void LuminorixWindow::onlineHelpButtonClickHandler()
{
    const bool polish = LocalSettings().language() == QLatin1String("polish");
    const QString path =
        polish ? QStringLiteral("/LX/user_manual_pl.pdf") : QStringLiteral("/LX/user_manual_en.pdf");
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + makerWebHost() + path));
}

void LuminorixWindow::applicationConfigurationButtonClickHandler()
{
    DialogGuard dialog(applicationConfigurationWindow,
                       new ApplicationConfigurationWindow(&availablePorts, virtualDeviceMembers(),
                                                          allDeviceRecords(), nullptr));
    connectToService(dialog.get(), controller, *relay);
    dialog->requestApplicationConfiguration();
    dialog->exec();
}

void LuminorixWindow::networkConfigurationButtonClickHandler()
{
    DialogGuard dialog(networkConfigurationWindow, new NetworkConfigurationWindow(currentUps, nullptr));
    connectToService(dialog.get(), controller, *relay);
    dialog->requestNetworkConfiguration(currentUps.id);
    dialog->exec();
}

void LuminorixWindow::loggingConfigurationButtonClickHandler()
{
    DialogGuard dialog(loggingConfigurationWindow, new LoggingConfigurationWindow(nullptr));
    connectToService(dialog.get(), controller, *relay);
    dialog->setUpsConfiguration(currentUps);
    dialog->exec();
}

void LuminorixWindow::upsEventsButtonClickHandler()
{
    DialogGuard dialog(upsEventsWindow, new UpsEventsWindow(nullptr));
    connectToService(dialog.get(), *relay);
    dialog->setDeviceState(shownDevice.lastState());
    dialog->exec();
}

void LuminorixWindow::checkForUpdates()
{
    if (!updateChecker)
        return;
    // Only a check the user asked for reports silence and "no update".
    const bool asked = qobject_cast<QAction*>(sender()) != nullptr;
    QMetaObject::invokeMethod(updateChecker, "checkForUpdate", Qt::AutoConnection, Q_ARG(bool, asked));
}

void LuminorixWindow::extendInformationButtonClickHandler()
{
    DialogGuard dialog(extendInformationWindow,
                       new ExtendInformationWindow(isGeneratorSetModel(currentUps.model_name), nullptr));
    connectToService(dialog.get(), controller, *relay);
    dialog->setParameters(shownDevice.lastState());
    dialog->exec();
}

void LuminorixWindow::upsConfigurationButtonClickHandler()
{
    DialogGuard dialog(upsConfigurationWindow, new UPSConfigurationWindow(currentUps, nullptr));
    connectToService(dialog.get(), controller, *relay);
    if (titlesConfigurationAsGeneratorSet(currentUps.model_name))
        dialog->setWindowTitle(tr("Konfiguracja agregatu"));
    controller->getUpsConfiguration();
    if (dialog->exec() != QDialog::Accepted)
        return;
    // Held until the service's next map, which is then the echo and not news.
    const QMap<QString, QString> configuration = dialog->currentConfiguration();
    if (!dialog->session().send([&] { controller->setUpsConfiguration(configuration); }))
        return;
    submittedConfiguration = configuration;
    waitMilliseconds(2000);
    controller->getUpsConfiguration();
}

void LuminorixWindow::displayAvailableUpdateInfo(bool displayUnavailableUpdateWindow, QString ver)
{
    if (!updateChecker)
        return;
    offerUpdate(updateChecker, displayUnavailableUpdateWindow, ver, updateDownloadWindow);
}

// ---- device state

void LuminorixWindow::upsDeviceState(QMap<QString, QString> parameters)
{
    const bool extended = !showsUnknownModel() && ExtendInformationWindow::hasExtendedParameters(parameters);
    setWidgetsEnabled(extended, {ui->exInfoButton, ui->upsEventsButton});
    setActionsEnabled(extended, {ui->actionExtendInformation});

    if (!DeviceStateTexts::isUsable(parameters)) {
        upsCommunicationFailedTrigger();
        return;
    }
    upsConnected();

    parameters = DeviceStateTexts::normalized(parameters);
    shownDevice.take(parameters);
    // In the tray nobody sees the fields: the last state is drawn when the window shows.
    if (!keptInTray)
        drawDeviceState();
    emit relay->deviceState(parameters);
}

void LuminorixWindow::drawDeviceState()
{
    const std::optional<DeviceStateTexts> undrawn = shownDevice.takeUndrawn();
    if (!undrawn)
        return;
    const DeviceStateTexts& texts = *undrawn;

    ProgressBarWidget* const loadBars[] = {ui->loadProgressBar, ui->loadProgressBar_2, ui->loadProgressBar_3};
    for (int i = 0; i < 3; ++i)
        loadBars[i]->showValue(texts.load[i]);
    ui->batteryStateProgressBar->showValue(texts.battery);
    ui->workModeEdit->setValue(texts.workMode);
    ui->nominalActivePowerEdit->showValue(texts.activePower);
    ui->nominalSpuriousPowerEdit->showValue(texts.spuriousPower);
    ui->autonomyTimeEdit->showValue(texts.autonomy);
    ui->firmwareEdit->showValue(texts.firmware);
    ui->temperatureEdit->showValue(texts.temperature);

    if (texts.hasNameAndLocation)
        setTextIfChanged(ui->nameAndLocalizationEdit, texts.nameAndLocation);
    ui->nameAndLocalizationEdit->setVisible(texts.nameAndLocationVisible);
    ui->nameAndLocationLabel->setVisible(texts.nameAndLocationVisible);

    // No state yet is no news of alarms either way.
    if (shownDevice.hasState())
        ui->deviceMessages->showMessages(texts);
    else
        ui->deviceMessages->hide();
}

void LuminorixWindow::followShownDevice()
{
    if (!shownDevice.show(currentUps))
        return;
    setWidgetsEnabled(false, {ui->exInfoButton, ui->upsEventsButton});
    setActionsEnabled(false, {ui->actionExtendInformation});
    statusWidget->setUpsCommunicationState(LXStatusWidget::DeviceUndetermined);
    if (!keptInTray)
        drawDeviceState();
}

void LuminorixWindow::upsConfiguration(QMap<QString, QString> parameters)
{
    if (parameters.isEmpty()) {
        setWidgetsEnabled(false, {ui->upsConfigurationButton});
        setActionsEnabled(false, {ui->actionUpsConfiguration});
        return;
    }
    if (administratorMode && !showsUnknownModel() && allowsUpsConfiguration(currentUps.model_name)) {
        setWidgetsEnabled(true, {ui->upsConfigurationButton});
        setActionsEnabled(true, {ui->actionUpsConfiguration});
    }
    // The echo of a configuration just sent is not news for an open dialog.
    if (submittedConfiguration.isEmpty())
        emit relay->deviceConfiguration(parameters);
    else
        submittedConfiguration.clear();
}

void LuminorixWindow::upsTreeCurrentIndexChangedHandler()
{
    upsTree->resizeColumnToContents(0);
    UpsTreeElement* element = upsTree->currentElement();
    if (!element)
        return;

    currentUps = element->ups;
    ui->modelNameEdit->setText(element->modelLabel);
    ui->upsModel->showModel(currentUps.model_name);
    enableDeviceRecordDoors();
    controller->sendChangeUpsOnInterface(currentUps.id.toInt());
    ui->deviceMessages->forgetShown();

    const DeviceLabelTexts labels = DeviceLabelTexts::forModel(currentUps.model_name);
    for (QWidget* widget : threePhaseWidgets())
        widget->setVisible(labels.threePhase);
    ui->loadLabel->setText(labels.loadLabel);

    ui->modelNameLabel->setText(labels.modelNameLabel);
    ui->firmwareLabel->setText(labels.firmwareLabel);
    ui->nominalActivePowerLabel->setText(labels.nominalActivePowerLabel);
    ui->workModeLabel->setText(labels.workModeLabel);
    ui->batteryStateLabel->setText(labels.batteryStateLabel);
    ui->autonomyTimeLabel->setText(labels.autonomyTimeLabel);
    ui->temperatureLabel->setText(labels.temperatureLabel);
    ui->upsConfigurationButton->setText(labels.upsConfigurationButton);
    ui->upsBox->setTitle(labels.upsBox);
    statusWidget->setDeviceType(labels.generatorSet ? LXStatusWidget::GeneratorSet : LXStatusWidget::Ups);

    ui->temperatureEdit->setHelpToolTip(labels.temperatureHelpModelReason);
    ui->firmwareEdit->setHelpToolTip(labels.nameplateHelpModelReason);
    ui->nominalActivePowerEdit->setHelpToolTip(labels.nameplateHelpModelReason);
    ui->nominalSpuriousPowerEdit->setHelpToolTip(labels.nameplateHelpModelReason);
    followShownDevice();
}

// ---- device tree

void LuminorixWindow::upsModelMessageReceived(QVector<Ups> models)
{
    upsTree->showModels(models, upsModelCatalogue());
    ui->upsEventsButton->setVisible(isHarrier33Model(currentUps.model_name));

    if (models.isEmpty()) {
        ui->modelNameEdit->clear();
        ui->upsModel->showModel(QString());
    }
    for (UpsTreeElement* element : upsTree->reselection(currentUps.id.toInt()))
        selectTreeElement(element);

    controller->getUpsCurrentStatusList();

    if (models.isEmpty() && showAddUpsPrompt)
        emit signalEmptyUpsList();
    showAddUpsPrompt = false;
}

void LuminorixWindow::selectTreeElement(UpsTreeElement* element)
{
    showElementRecord(element);
    if (upsTree->currentItem() != element)
        upsTree->setCurrentItem(element);
    enableDeviceRecordDoors();
}

void LuminorixWindow::enableDeviceRecordDoors()
{
    const bool named =
        administratorMode && !showsUnknownModel() && !(upsTree->currentElement() && currentUps.id.isEmpty());
    setWidgetsEnabled(named, {ui->networkConfigurationButton, ui->loggingConfigurationButton});
    setActionsEnabled(named, {ui->actionNetworkConfiguration, ui->actionLoggingConfiguration});
    // The doors the service's maps open shut at once, not at the next map.
    if (showsUnknownModel()) {
        setWidgetsEnabled(false, {ui->upsConfigurationButton, ui->exInfoButton, ui->upsEventsButton});
        setActionsEnabled(false, {ui->actionUpsConfiguration, ui->actionExtendInformation});
    }
}

bool LuminorixWindow::showsUnknownModel() const
{
    const UpsTreeElement* element = upsTree->currentElement();
    return element && !element->knownModel;
}

void LuminorixWindow::showElementRecord(UpsTreeElement* element)
{
    currentUps = element->ups;
    setTextIfChanged(ui->modelNameEdit, element->modelLabel);
    ui->upsModel->showModel(currentUps.model_name);
    followShownDevice();
}

void LuminorixWindow::upsCurrentStatusListMessageReceived(QVector<currentDeviceStatus> statuses)
{
    upsTree->applyStatuses(statuses, currentUps.id.toInt());
}

void LuminorixWindow::deleteActionHandler(int row)
{
    Q_UNUSED(row)
    const SessionStamp session(controller);
    // Yes removes the device: Enter must not.
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, tr("Usuwanie UPS"), tr("Potwierdź usunięcie urządzenia"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // A model list may have rebuilt the tree while the question was open.
    const UpsTreeElement* element = upsTree->currentElement();
    if (!element || !element->knownModel || element->ups.id.isEmpty())
        return;
    const QString id = element->ups.id;
    session.send([this, id] {
        controller->removeUps(id);
        controller->getAvailablePorts();
    });
}

void LuminorixWindow::slot_disableSortingUpsList()
{
    LocalSettings().setSortingUpsList(false);
    upsTree->applySorting(false, false);
    controller->getUpsModelList();
}

void LuminorixWindow::slot_enableSortingUpsList()
{
    sortAndRemember(false);
}

void LuminorixWindow::slot_enableSortingUpsListReversed()
{
    sortAndRemember(true);
}

void LuminorixWindow::sortAndRemember(bool descending)
{
    {
        LocalSettings settings;
        settings.setSortingUpsList(true);
        settings.setSortingUpsListReversed(descending);
    }
    upsTree->applySorting(true, descending);
}

void LuminorixWindow::upsTreeExpandedHandler()
{
    upsTree->resizeColumnToContents(0);
}

QList<Ups> LuminorixWindow::virtualDeviceMembers() const
{
    return upsTree->virtualDeviceMembers();
}

QList<Ups> LuminorixWindow::allDeviceRecords() const
{
    return upsTree->allDeviceRecords();
}

// ---- shutdown countdown

void LuminorixWindow::showCountdownTimer(QList<QPair<int, int>> list)
{
    clock->take(list);
}

void LuminorixWindow::clockUpdate()
{
    clock->tick();
}

void LuminorixWindow::clockCancel()
{
    clock->cancel();
}

// ---- device and virtualization dialogs

void LuminorixWindow::on_actionVirtualizationCenter_triggered()
{
    DialogGuard dialog(virtualizationCenterWindow, new VirtualizationCenterWindow(controller, this));
    connectToService(dialog.get(), controller, *relay);
    dialog->requestStartup();
    dialog->exec();
}

void LuminorixWindow::addUpsActionHandler()
{
    DialogGuard dialog(addUpsWindow, new AddUpsWindow(&availablePorts, nullptr));
    dialog->setWindowTitle(tr("Nowy UPS"));
    connectToService(dialog.get(), controller, *relay);
    dialog->setConfiguredUps(allDeviceRecords());
    dialog->exec();
}

void LuminorixWindow::editActionHandler(int)
{
    const UpsTreeElement* element = upsTree->currentElement();
    if (!element)
        return;
    const Ups ups = element->ups;
    if (!isVirtualDeviceModel(ups.model_name)) {
        DialogGuard dialog(addUpsWindow, new AddUpsWindow(&availablePorts, nullptr));
        dialog->setWindowTitle(tr("Edycja UPS"));
        connectToService(dialog.get(), controller, *relay);
        dialog->editDevice(ups);
        dialog->setConfiguredUps(allDeviceRecords());
        dialog->exec();
        return;
    }
    QList<Ups> members;
    for (int c = 0; c < element->childCount(); ++c)
        members.append(static_cast<const UpsTreeElement*>(element->child(c))->ups);
    DialogGuard dialog(addVirtualUpsWindow, new AddVirtualUpsWindow(nullptr));
    dialog->setWindowTitle(tr("Edycja wirtualny UPS"));
    connectToService(dialog.get(), controller, *relay);
    dialog->setEditMode(true);
    dialog->setPhyId(ups.id);
    dialog->setMemberDevices(members);
    dialog->setConfiguredUps(virtualDeviceMembers());
    dialog->displayAvailableParallelDevices(allDeviceRecords());
    dialog->exec();
}
