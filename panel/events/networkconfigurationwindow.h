#pragma once

#include "common/computer.h"
#include "common/event.h"
#include "common/group.h"
#include "common/ups.h"
#include "discoveryplan.h"
#include "networkconfiguration.h"
#include "panel/base/sessionstamp.h"

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class AnswerWait;
class ComputerConfigurationWindow;
class DialogRelay;
class DiscoverWindow;
class PasswordChangeWindow;
class QTreeWidgetItem;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class NetworkConfigurationWindow;
}

// "Konfiguracja zdarzeń" for one UPS: on the left the networked computers of
// the installation and the groups of this UPS, on the right the events of the
// selected group. Everything is edited in local copies and sent on OK, except
// the removal of a computer, which the service hears at once.
class NetworkConfigurationWindow : public QDialog
{
    Q_OBJECT

public:
    // Hidden data columns of the items of both network trees.
    enum ItemColumn
    {
        NameColumn = 0,
        AddressColumn = 1,
        KindColumn = 5,       // "header", "computer" or "group"
        GroupIdColumn = 6,    // on a group, and on a computer under a group
        ComputerIdColumn = 7, // on a computer
    };

    explicit NetworkConfigurationWindow(const Luminorix::Utils::Ups& ups, QWidget* parent = nullptr);
    ~NetworkConfigurationWindow() override;

    void setSocketController(Luminorix::UpsSocketController* controller);
    // What the window forwards, for the dialogs this one opens.
    void setDialogRelay(const DialogRelay* relay);
    // Asks the service for the groups, events and computers of `upsId` and
    // waits up to 10 s for all three.
    void requestNetworkConfiguration(QString upsId);
    // Where the discovery dialog sends its datagram instead of the machine's
    // own interfaces and port 12322 (a test listens on loopback).
    void setDiscoveryTargets(const QList<DiscoveryInterface>& interfaces, quint16 port);

    static bool isLocalAddress(const QString& address)
    {
        return NetworkConfiguration::isLocalAddress(address);
    }
    static bool isDefaultGroupName(const QString& text)
    {
        return NetworkConfiguration::isDefaultGroupName(text);
    }

public slots:
    void accept() override;
    void reject() override;

    void setGroupsFromConfig(QVector<Group> groups);
    void setEventsFromConfig(QVector<Event> events);
    void setAllComputers(QVector<Computer> allComputer);
    void noResponseTimeout();
    void stopResponseTimer();
    // With false (the administrator logged out) every push button but the
    // dialog's Cancel goes off for good; true changes nothing.
    void setEnabledButtons(bool enable);
    void setSaveButtonEnabled(bool enable);

    void addComputerButtonClickHandler();
    void addGroupButtonClickHandler();
    void editButtonClickHandler();
    void removeGroupButtonClickHandler();
    void discoverButtonClickHandler();
    void arrowDownButtonClickHandler();
    void arrowUpButtonClickHandler();
    void removeComputerButtonClickHandler();
    void passwordChangeButtonClickHandler();
    void passwordChanged();
    void networkElementsItemSelectionChangedHandler();
    void allComputersItemSelectionChangeHandler();
    // For the password dialog: the digest of the selected computer's net-client.
    void sendNetclientPassRequest();
    void setNetclientPassword(QString pass);

    // The event editor, on the right.
    void addEventButtonClickHandler();
    void removeEventButtonClickHandler();
    void editEventButtonClickHandler();
    void cancelEventButtonClickHandler();
    void saveEventButtonClickHandler();
    void showMessageBoxToggleHandler(bool value);
    void systemCommandBoxToggleHandler(bool value);
    void sendEmailBoxToggleHandler(bool value);
    void shutdownSystemBoxToggleHandler(bool value);
    void outputSocketBoxToggleHandler(bool value);
    void systemCommandConfigurationButtonClickHandler();
    void sendEmailConfigurationButtonClickHandler();
    void shutdownSystemConfigurationButtonClickHandler();
    void outputSocketConfigurationButtonClickHandler();
    void advancedOptionsButtonClickHandler();

private:
    void completeLoading();
    void fillNetworkElementsTrees();
    QTreeWidgetItem* createComputerItem(const Computer& computer, const Group* group = nullptr) const;
    QTreeWidgetItem* firstSelectedNetworkItem() const;
    // The open computer dialog's computer, its password confirmed.
    void takeConfirmedComputer();

    // The event list of the selected group (the editor works on it).
    void fillEventTypes(const QString& modelName);
    void fillAdvancedEventNames();
    bool isAdvancedEventModel() const;
    bool usesAvrEventDefinitions() const;
    bool hasOutputSockets() const;
    // The table that serves this UPS's model.
    const QMap<QString, QStringList>& chosenEventDefinitions() const;
    void collectGroupEvents();
    void refreshEventsTree();
    QStringList eventRowTexts(const Event& event) const;
    void appendActionMark(QStringList& texts, bool present) const;
    void setEventEditorActive(bool on);
    bool groupHasLocalComputer() const;
    // The event open in the editor, looked up afresh: the list may have been
    // replaced since (an events reply, say). Null when none is open or it is gone.
    Event* editedEvent();
    void closeEventEditor();

    Ui::NetworkConfigurationWindow* ui;
    // Open child dialogs, each null when none is open (set by a DialogGuard).
    DiscoverWindow* discoverWindow = nullptr;
    ComputerConfigurationWindow* computerConfigurationWindow = nullptr;
    PasswordChangeWindow* passwordChangeWindow = nullptr;
    Luminorix::UpsSocketController* controller = nullptr;
    SessionStamp session;
    const DialogRelay* dialogRelay = nullptr;
    Luminorix::Utils::Ups ups;
    NetworkConfiguration configuration;
    // The rows of the events tree: copies of the selected group's events.
    QVector<Event> groupEvents;
    AnswerWait* noResponseTimer = nullptr;
    // Which event the editor has open, by its identity in `events`; never a
    // pointer, which a replaced list would leave dangling.
    bool editingEvent = false;
    int editedParentId = -1;
    int editedNumber = 0;
    bool isNewEvent = false;
    QStringList savedDefinition;
    QMap<QString, QStringList> defaultEventDefinitions;
    QMap<QString, QStringList> avrEventDefinitions;
    QStringList offeredEventKeys;
    int passwordChangeCount = 0;
    std::optional<QList<DiscoveryInterface>> discoveryInterfaces;
    quint16 discoveryPort = defaultDiscoveryPort;
};

// The dialog's links to the service controller (the configuration) and to
// what the window forwards (the administrator's log-out). The dialogs it opens
// are wired with their own functions and the same relay.
void connectToService(NetworkConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
