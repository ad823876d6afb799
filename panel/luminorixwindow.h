#pragma once

#include "common/currentdevicestatus.h"
#include "common/serialport.h"
#include "common/ups.h"
#include "panel/core/showndevice.h"
#include "servicemessageboxes.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QVector>
#include <memory>

class AboutWindow;
class AddUpsWindow;
class AddVirtualUpsWindow;
class ApplicationConfigurationWindow;
class ConnectWithServiceWindow;
class ConnectionWatchdogs;
class CountdownClock;
class DebugWarningWidget;
class DialogRelay;
class ExtendInformationWindow;
class LXStatusWidget;
class LoggingConfigurationWindow;
class LogiInWindow;
class NetworkConfigurationWindow;
class PasswordChangeWindow;
class PanelTray;
class SingleInstance;
class QAction;
class QMenu;
class QMessageBox;
class QVBoxLayout;
class UpdateChecker;
class UpdateCheckerThread;
class UpdateDownloadWindow;
class UpsEventsWindow;
class UPSConfigurationWindow;
class UpsTreeElement;
class UpsTreeWidget;
class VirtualizationCenterWindow;

namespace Luminorix {
class UpsSocketController;
}

namespace Ui {
class LuminorixWindow;
}

// The one main window: the device tree, the live values of the selected device,
// the service status, the tray icon and the doors to every configuration dialog.
// Closing it hides it to the tray; only reallyClose() ends the program.
class LuminorixWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit LuminorixWindow(QWidget* parent = nullptr);
    ~LuminorixWindow() override;

    // True when another panel of this user already ran: it has been asked to show
    // itself and this one must end with exit code 1 without going further.
    bool isSecondInstance() const { return secondInstance; }
    // Started with "--hide": only the tray icon shows, as after closing the window.
    void startHidden();

    void setWidgetsEnabled(bool enabled, QList<QWidget*> widgets);
    void setActionsEnabled(bool enabled, QList<QAction*> actions);

    // Lives in a thread of its own, so it cannot be found among the window's
    // children; reach it only by queued calls.
    UpdateChecker* versionChecker() const { return updateChecker; }

signals:
    void signalEmptyUpsList();

public slots:
    void toggleWindow();
    void toggleWindow(QSystemTrayIcon::ActivationReason reason);
    void reallyClose();
    void newLocalInstanceConnection();

    void aboutButtonClickHandler();
    void upsEventsButtonClickHandler();
    void loggingConfigurationButtonClickHandler();
    void onlineHelpButtonClickHandler();
    void upsConfigurationButtonClickHandler();
    void applicationConfigurationButtonClickHandler();
    void networkConfigurationButtonClickHandler();
    void upsConnected();
    void upsCommunicationFailed();
    void upsCommunicationFailedTrigger();
    void socketError();
    void socketErrorTrigger();
    void showMessage(QVector<QString> texts);
    void availablePortsMessageReceived(QList<Luminorix::Utils::SerialPort> ports);
    void displayDaemonBusy(bool busy);
    void debugModeEnabled(bool enabled);
    void serviceVersionReceived(QString service_version);
    void displaySmtp2TestStatus(int status, QStringList messages);
    void discoveredComputer(QString ip);
    void logIn();
    void enableAdministratorButtons();
    void disableAdministratorButtons();
    void changeAdminPass();
    void connectWithService();
    void connectingInProgress();
    // Works on the tree's current element; the row is not used.
    void editActionHandler(int row);
    void addUpsActionHandler();
    void slot_virtualizationCenterVersion(QString version);
    void checkForUpdates();
    void displayAvailableUpdateInfo(bool displayUnavailableUpdateWindow, QString ver);

    void upsDeviceState(QMap<QString, QString> parameters);
    void upsConfiguration(QMap<QString, QString> parameters);
    void upsTreeCurrentIndexChangedHandler();
    void extendInformationButtonClickHandler();

    void upsModelMessageReceived(QVector<Luminorix::Utils::Ups> models);
    void upsCurrentStatusListMessageReceived(QVector<Luminorix::Utils::currentDeviceStatus> statuses);
    void deleteActionHandler(int row);
    void slot_disableSortingUpsList();
    void slot_enableSortingUpsList();
    void slot_enableSortingUpsListReversed();
    void upsTreeExpandedHandler();

    void showCountdownTimer(QList<QPair<int, int>> list);
    void clockUpdate();
    void clockCancel();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void networkUnavailable();
    void slotEmptyUpsList();
    void on_actionVirtualizationCenter_triggered();

private:
    void startUpdateChecker();
    // The title, with the administrator's suffix while a session lasts.
    void showTitle();
    void connectController();
    void connectTree();
    void applyStoredSorting();
    void sortAndRemember(bool descending);

    void drawDeviceState();
    // Another device chosen: until its state comes, its fields say there is no data.
    void followShownDevice();
    // A new service session: a busy state of the old one no longer holds.
    void clearServiceBusy();
    void selectTreeElement(UpsTreeElement* element);
    // The event and logging doors: the administrator's, for a device with a record.
    // Every door of the device stays shut for a model the catalogue lacks.
    void enableDeviceRecordDoors();
    // The selected element is of a model the catalogue lacks.
    bool showsUnknownModel() const;
    // The element's record becomes the window's device, without selecting it.
    void showElementRecord(UpsTreeElement* element);
    QList<Luminorix::Utils::Ups> virtualDeviceMembers() const;
    QList<Luminorix::Utils::Ups> allDeviceRecords() const;

    QList<QWidget*> deviceButtons() const;
    QList<QWidget*> deviceValueWidgets() const;
    QList<QAction*> deviceActions() const;
    // Shown only for the three-phase models.
    QList<QWidget*> threePhaseWidgets() const;

    QList<Luminorix::Utils::SerialPort> availablePorts;
    Luminorix::Utils::Ups currentUps;
    QString windowTitleText;
    Ui::LuminorixWindow* ui = nullptr;
    Luminorix::UpsSocketController* controller = nullptr;
    // What service slots forward to the open dialogs goes out through it.
    DialogRelay* relay = nullptr;
    ApplicationConfigurationWindow* applicationConfigurationWindow = nullptr;
    LogiInWindow* logInWindow = nullptr;
    PasswordChangeWindow* passwordChangeWindow = nullptr;
    ConnectWithServiceWindow* connectWithServiceWindow = nullptr;
    AddUpsWindow* addUpsWindow = nullptr;
    AddVirtualUpsWindow* addVirtualUpsWindow = nullptr;
    VirtualizationCenterWindow* virtualizationCenterWindow = nullptr;
    NetworkConfigurationWindow* networkConfigurationWindow = nullptr;
    LoggingConfigurationWindow* loggingConfigurationWindow = nullptr;
    UpsEventsWindow* upsEventsWindow = nullptr;
    ExtendInformationWindow* extendInformationWindow = nullptr;
    UPSConfigurationWindow* upsConfigurationWindow = nullptr;
    ShownDevice shownDevice;
    PanelTray* tray = nullptr;
    ServiceMessageBoxes serviceMessages{this};
    bool reallyCloseRequested = false;
    bool secondInstance = false;
    SingleInstance* instance = nullptr;
    QMap<QString, QString> submittedConfiguration;
    ConnectionWatchdogs* watchdogs = nullptr;
    UpsTreeWidget* upsTree = nullptr;
    DebugWarningWidget* debugWarningWidget = nullptr;
    UpdateChecker* updateChecker = nullptr;
    std::unique_ptr<UpdateCheckerThread> updateThread;
    UpdateDownloadWindow* updateDownloadWindow = nullptr;
    CountdownClock* clock = nullptr;
    QVBoxLayout* statusLayout = nullptr;
    LXStatusWidget* statusWidget = nullptr;
    QString notAvailableText;
    bool administratorMode = false;
    // Hidden to the tray: device states are kept, not drawn, until the window shows.
    bool keptInTray = false;
    bool showAddUpsPrompt = true;
    bool virtualizationCenterAvailable = false;
};
