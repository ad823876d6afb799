#pragma once

#include "adminsession.h"
#include "common/applicationconfiguration.h"
#include "common/computer.h"
#include "common/currentdevicestatus.h"
#include "common/event.h"
#include "common/group.h"
#include "common/serialport.h"
#include "common/smtpconfig.h"
#include "common/ups.h"
#include "luminorixsocket.h"
#include "selecteddevicereplies.h"
#include "statuslistreader.h"
#include "virtualizationcenteraddhostresult.h"
#include "virtualizationcenterchangehostsettingsresult.h"
#include "virtualizationcenteresxishhhost.h"
#include "virtualizationcenterhost.h"
#include "virtualizationcenterhostvmsinfo.h"
#include "vmtablewidgettypes.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QLocalSocket>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QIODevice;
class QTimer;
class QXmlStreamReader;

namespace Luminorix {

// The one link to the service: connects and reconnects, sends the start-up
// requests, polls, and turns each reply into one of the signals below.
class UpsSocketController : public QObject
{
    Q_OBJECT

public:
    // The intervals of the connection cycle. The program keeps the defaults;
    // tests shorten them.
    struct Timing
    {
        int reconnectMs = 5000;
        int pollMs = 1000;
        int startupPauseMs = 200;
        // How long a fresh connection may go without any reply before it
        // counts as a failed attempt. Shorter than the window's 3000 ms
        // watchdog, so a service that never answers is never shown as connected.
        int answerMs = 2500;
        // How long an answering service may leave the requests sent since its
        // last complete reply unanswered before the connection counts as lost.
        // Fifteen poll periods, longer than the 10 s the panel itself gives the
        // service for its slowest jobs: a busy service is slow, not gone. Bytes
        // of a reply still coming do not count: a reply that never ends is
        // silence too.
        int silenceMs = 15000;
    };

    explicit UpsSocketController(quint16 port = LuminorixSocket::kServicePort);
    ~UpsSocketController() override;

    // Another host ends the administrator session: its digest is not the new
    // service's. So does dropping the connection, asked for or not.
    void setHost(const QString& host);
    QString host() const;
    // A digest begins a new administrator session, an empty one ends it.
    void setPassword(const QString& digest);
    QString password() const;
    AdminSession* session() const;
    // Makes the requests `send` issues as administrator requests of the session
    // `stamp` names. Once that session has ended the link refuses them: nothing
    // is sent, and the result is false.
    bool sendAsAdministrator(AdminSession::Stamp stamp, const std::function<void()>& send);
    void setPort(quint16 port);
    quint16 port() const;
    void setTiming(const Timing& timing);
    Timing timing() const;
    // Sees every request text before it is enciphered, sent or not.
    void setSendObserver(std::function<void(const QByteArray&)> observer);

    bool isPolling() const;
    bool isReconnecting() const;
    LuminorixSocket* socket() const;

    void disconnectFromService();
    void startReconnecting();

    // Enciphers and frames `text`; true when the frame went whole to a
    // connected socket, or, during a poll tick, joined the tick's one write.
    bool sendMessage(const QByteArray& text);
    // Handles every complete frame on the socket.
    void readMessages();
    // Handles every complete frame readable from `device` as if it came from
    // the socket; an incomplete frame is left unread.
    void readMessagesFrom(QIODevice& device);
    // One deciphered reply as the receive path takes it: a reply longer than
    // the frame bound or beyond the bounds of replybounds.h drops the
    // connection like any bad frame, and no reader sees it. `plain`, when
    // not null, is the UTF-8 the message was made from.
    void handleReply(const QString& message, const QByteArray& plain = QByteArray());
    // One deciphered reply as its UTF-8: a changed status list of ASCII is
    // read from the bytes that changed, anything else as handleReply.
    void handlePlainReply(const QByteArray& plain);
    // Dispatches one deciphered reply, whose text the caller has vouched for.
    void handleMessage(QXmlStreamReader* reader);

    // The request forms.
    void sendCommand(const QString& name);
    void sendCommandWithPayload(const QString& name, const QByteArray& payload);
    void sendCommandWithParameters(const QString& name, const QMap<QString, QString>& parameters);

    void getUpsConfiguration();
    void getUpsCurrentStatusList();
    void getUpsModelList();
    void getAvailablePorts();
    void getDebuggingStatus();
    void getServiceVersion();
    void getShutdownTimers();
    void getVirtualizationCenterEnabled();
    void getVirtualizationCenterVersion();
    void getVirtualizationCenterSettings();
    void getVirtualizationCenterHostList();
    void getVirtualizationCenterHostManagement();
    void getVirtualizationCenterActionList();
    void getApplicationConfiguration();

    void getNetworkConfiguration(const QString& upsId);
    void removeUps(const QString& upsId);
    void removeComputer(int id);
    void setVirtualizationCenterEnabled(bool enabled);
    void sendApplicationConfiguration(const Luminorix::Utils::ApplicationConfiguration& configuration);
    void sendGroups(const QVector<Group>& groups, const QString& upsId);
    void sendEvents(const QVector<Event>& events, const QString& upsId);
    void sendAllComputers(const QVector<Computer>& computers);
    void setNewUps(const Luminorix::Utils::Ups& ups);
    void changeUps(const Luminorix::Utils::Ups& ups);
    void changeLogConfig(const Luminorix::Utils::Ups& ups);

    void addVirtualizationCenterAction(const VmTableWidgetTypes::ActionParameters& action);
    void editVirtualizationCenterAction(int actionId, const VmTableWidgetTypes::ActionParameters& action);
    void runVirtualizationCenterAction(const QList<int>& ids);

    void getUpsLogs(const QMap<QString, QString>& parameters);
    void setUpsConfiguration(const QMap<QString, QString>& parameters);
    // The caller escapes the text values.
    void setVirtualizationCenterSettings(const QMap<QString, QString>& parameters);
    void deleteVirtualizationCenterAction(int id);
    void getVirtualizationCenterEsxiSshHostDetails(int id);
    void getVirtualizationCenterHostVmsInfo(int hostType, int hostId);
    void removeVirtualizationCenterHost(int type, int id);
    // The caller escapes the text values; `type` and `id` replace same-named entries.
    void editVirtualizationCenterHost(int type, int id, const QMap<QString, QString>& parameters);
    void testVirtualizationCenterEsxiSshHost(int id, bool allowConnectNewHost);
    void setVirtualizationCenterHostManagement(const VmTableWidgetTypes::ManagementConfig& config);
    void addVirtualizationCenterEsxiSshHost(const VirtualizationCenterEsxiShhHost& host);

signals:
    void upsConnected();
    void dataFromUps(QString data);
    void upsDeviceState(QMap<QString, QString> parameters);
    void upsConfiguration(QMap<QString, QString> parameters);
    void showMessage(QVector<QString>);
    void discoveredComputer(QString ip);
    void smpt2TestStatus(int current_status, QStringList messages);
    void adminPassFromConfig(QString pass);
    void netclientPass(QString pass);
    void passwordChanged();
    void daemonIsBusy(bool);
    void upsLogs(QStringList);
    void debugModeEnabled(bool);
    void showCountdownTimer(QList<QPair<int, int>>);
    void groupReceived(QVector<Group> groups);
    void eventsReceived(QVector<Event> events);
    void allComputersReceived(QVector<Computer> allComputers);
    void appConfifuratioReceived(Luminorix::Utils::ApplicationConfiguration appConf);
    void serviceVersionReceived(QString service_version);
    void availablePortsReceived(QList<Luminorix::Utils::SerialPort>);
    void upsModelMessageReceived(QVector<Luminorix::Utils::Ups> upsModels);
    void upsCurrentStatusListReceived(QVector<Luminorix::Utils::currentDeviceStatus> stuses);
    void virtualizationCenterVersionReceived(QString vc_version);
    void virtualizationCenterEnabledReceived(bool is_enabled);
    void virtualizationCenterSettingsReceived(QMap<QString, QString> parameters);
    void virtualizationCenterHostListReceived(QList<VirtualizationCenterHost> hosts);
    void virtualizationCenterEsxiSshHostDetailsReceived(VirtualizationCenterEsxiShhHost host);
    void virtualizationCenterHostAddNewResultReceived(VirtualizationCenterAddHostResult result);
    void virtualizationCenterEsxiSshHostTestResultReceived(bool has_error, QString error_str);
    void
    virtualizationCenterChangeHostSettingsResultReceived(VirtualizationCenterChangeHostSettingsResult result);
    void virtualizationCenterHostManagementReceived(VmTableWidgetTypes::ManagementConfig management_config);
    void virtualizationCenterHostManagementSetResultReceived(bool has_error, QString error_str);
    void virtualizationCenterActionListReceived(QList<VmTableWidgetTypes::ActionParameters> action_list);
    void virtualizationCenterAddActionResultReceived(bool has_error, QString error_str);
    void virtualizationCenterEditActionResultReceived(bool has_error, QString error_str);
    void virtualizationCenterDeleteActionResultReceived(bool has_error, QString error_str);
    void virtualizationCenterRunActionResultReceived(bool has_error, QString error_str);
    void virtualizationCenterHostVmsInfoReceived(VirtualizationCenterHostVmsInfo host_vms_info);
    void socketError();

public slots:
    void tryToConnect();
    void connected();
    void disconnected();
    void error(QAbstractSocket::SocketError socketError);
    void readReady();
    void getUpsDeviceData();
    void sendChangeUpsOnInterface(int id);
    void sendTestMail(const Luminorix::Utils::SmtpConfig& config);
    void getPassword();
    void changePassword(const QMap<QString, QString>& parameters);
    void getNetClientPassword(const QMap<QString, QString>& parameters);
    void changeNetclientPassword(const QMap<QString, QString>& parameters);
    // For a local-socket transport that nothing connects at present.
    void error(QLocalSocket::LocalSocketError socketError);
    void stateChanged(QLocalSocket::LocalSocketState state);

private:
    // Drops the connection after bad data; the next attempt then waits a full
    // reconnect interval, so a service that speaks another key is not hammered.
    void abortForBadData();
    // Ends polling for a connection that is gone; one that never answered
    // counts as a failed attempt, so the next one waits a full interval.
    void endSession();
    // After a lost connection: the reconnect cycle, at once unless deferred.
    void resumeReconnecting();
    void postAttempt();
    // The answer time ran out: on a fresh connection a failed attempt, on one
    // that answered before a lost connection.
    void noAnswer();
    // Device states and configurations reach the signals only when they are
    // about the device chosen now.
    void emitDeviceState(const QMap<QString, QString>& parameters);
    void emitConfiguration(const QMap<QString, QString>& parameters);
    // Reads one reply element and emits its signal; one per element name.
    using ReplyReader = void (*)(UpsSocketController&, QXmlStreamReader&);
    static const QHash<QString, ReplyReader>& replyReaders();
    void dispatch(QXmlStreamReader& reader);
    bool dispatchPlain(const QString& message, const QByteArray& plain);
    bool dispatchStatusListBytes(const QByteArray& plain);
    void readOneText(QXmlStreamReader& reader, void (UpsSocketController::*signal)(QString));
    // Sends the frames a poll tick made while m_batching, in one write.
    void writeBatch();
    void armAnswerTimer();

    QString m_host = QStringLiteral("127.0.0.1");
    AdminSession* m_adminSession = nullptr;
    // The session the requests now being made belong to; 0 outside sendAsAdministrator.
    AdminSession::Stamp m_requestStamp = 0;
    bool m_requestRefused = false;
    LuminorixSocket* m_socket = nullptr;
    QTimer* m_pollTimer = nullptr;
    QTimer* m_reconnectTimer = nullptr;
    int m_pollCounter = 3;
    quint16 m_port = LuminorixSocket::kServicePort;
    Timing m_timing;
    std::function<void(const QByteArray&)> m_sendObserver;
    QTimer* m_answerTimer = nullptr;
    SelectedDeviceReplies m_selection;
    bool m_frameAborted = false;
    bool m_deferNextAttempt = false;
    bool m_session = false;       // connected() ran and the loss is not yet handled
    bool m_answered = false;      // a frame came on this connection
    bool m_dropRequested = false; // disconnectFromService, not a failure
    bool m_dropWarned = false;
    // While a poll tick runs, its frames gather here and go out together.
    bool m_batching = false;
    QByteArray m_batch;
    // The last poll reply of each kind, as text and as read.
    struct ParameterReply
    {
        QString text;
        QMap<QString, QString> parameters;
    };
    ParameterReply m_lastDeviceState;
    ParameterReply m_lastConfiguration;
    // The UTF-8 of the last list read: the memo hands a repeat back as the same bytes.
    QByteArray m_lastStatusListPlain;
    QVector<Luminorix::Utils::currentDeviceStatus> m_lastStatusList;
    StatusListReader m_statusListReader;
};

} // namespace Luminorix
