#pragma once

#include "programversion.h"
#include "replybuilder.h"
#include "simdevice.h"
#include "simreply.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <functional>

class QTimer;

namespace LxSim {

class SimResponder;
struct SimRequest;

// The stand-in's small world for manual runs and for tests that want believable
// answers: devices with drifting measurements, serial ports, the administrator
// password and a few service settings. `install` puts the handlers of every
// subsystem into a responder's table; each subsystem's handlers live in a file
// of their own (linkhandlers, devicehandlers, ...), so a new request is one
// more row there.
class SimWorld : public QObject
{
    Q_OBJECT

public:
    static const QString defaultAdminPassword;

    // How the test mail of smtp2_send_test_mail ends.
    enum class SmtpTestOutcome
    {
        Success,
        Failure,
        Silence
    };
    // Time between the "testing" report and the final one.
    static constexpr int smtpTestReportDelayMs = 500;

    explicit SimWorld(QObject* parent = nullptr);

    // Replaces the devices by the demo set (a three-phase UPS, a virtual UPS of
    // two parallel units, a generator set, a serial UPS).
    void loadDemo();
    void install(SimResponder& responder);

    QList<SimDevice> devices() const { return deviceList; }
    SimDevice* device(const QString& id);
    void setDevices(const QList<SimDevice>& devices);
    // The device whose state and parameters the service reports to one
    // client (connection ids as in SimRequest); each panel picks its own.
    // Without one: what a client that has not chosen sees.
    QString currentDeviceId(int connection = 0) const;

    QList<QPair<QString, bool>> ports() const; // name and whether it is free
    void setPortNames(const QStringList& names) { portNames = names; }

    QString adminDigest() const { return adminPasswordDigest; }
    void setAdminPassword(const QString& plain);

    void setServiceVersion(const QString& version) { serviceVersionText = version; }
    void setDebugging(bool on) { debugging = on; }
    bool isDebugging() const { return debugging; }
    void setVirtualizationCenterEnabled(bool on) { vcEnabled = on; }
    bool isVirtualizationCenterEnabled() const { return vcEnabled; }
    void setHostManagement(const ReplyBuilder::HostManagement& management) { vcManagement = management; }
    ReplyBuilder::HostManagement hostManagement() const { return vcManagement; }
    void setVirtualizationCenterActions(const QList<ReplyBuilder::Action>& actions) { vcActions = actions; }
    QList<ReplyBuilder::Action> virtualizationCenterActions() const { return vcActions; }
    void setShutdownTimers(const QList<QPair<int, int>>& timers) { shutdownTimers = timers; }
    QList<QPair<int, int>> shutdownTimerList() const { return shutdownTimers; }
    // The status keyword (e.g. "on_battery") of one device; false when there is no such device.
    bool setDeviceStatus(const QString& id, const QString& status);
    void setSmtpTestOutcome(SmtpTestOutcome outcome) { smtpOutcome = outcome; }
    // Each log holds `entries` entries, handed out `pageLines` a page, newest first.
    void setLogLength(int entries, int pageLines)
    {
        logEntries = entries;
        logPageLines = qMax(1, pageLines);
    }
    int logsCacheClearCount() const { return logsCacheClears; }
    SmtpTestOutcome smtpTestOutcome() const { return smtpOutcome; }

    // Networked computers (the same for every UPS), and the groups and events
    // of one UPS, as the payloads of the panel's all_computers, groups and
    // events requests (ups_id included in the last two).
    void setComputersPayload(const QString& payload) { computers = payload; }
    QString computersPayload() const { return computers; }
    void setGroupsPayload(const QString& upsId, const QString& payload)
    {
        groupsByUps.insert(upsId, payload);
    }
    void setEventsPayload(const QString& upsId, const QString& payload)
    {
        eventsByUps.insert(upsId, payload);
    }
    // Which replies answer get_network_configuration, in this order, by their
    // names ("groups", "events", "all_computers"); an empty list: no answer.
    void setNetworkReplyOrder(const QStringList& names) { networkReplies = names; }
    // The plain password of the net client at `address` (its digest answers get_netclient_pass).
    void setNetclientPassword(const QString& address, const QString& plain)
    {
        netclientPasswords.insert(address, plain);
    }
    // Every get_netclient_pass is answered with `digest` instead, whatever the address.
    void setNetclientDigest(const QString& digest) { fixedNetclientDigest = digest; }
    // get_netclient_pass goes unanswered (a net client the service cannot reach).
    void setNetclientSilent(bool silent) { netclientSilent = silent; }

    // How the device state and the configuration lay out their parameters.
    void setReplyLayout(ReplyLayout layout) { parameterLayout = layout; }
    ReplyLayout replyLayout() const { return parameterLayout; }

    // On every status poll `count` devices (the next ones in turn) change
    // their status to the next of a round of real states; 0: none.
    void setStatusChurn(int count) { statusChurn = qMax(0, count); }
    void churnStatuses();

    // 0 stops the drift.
    void setDriftInterval(int ms);
    void seed(quint32 value) { random.seed(value); }

    // Virtualization centre: the hypervisor hosts the service manages, each
    // with its machines (states and pending operations as the service spells them).
    struct VcHost
    {
        int type = 1; // 1: ESXi host reached over SSH
        int id = 0;
        QString name;
        bool enabled = true;
        bool disabledByLoginFailures = false;
        QString address;
        int port = 22;
        QString userName;
        QString password;
        QString status = QStringLiteral("hs_host_online");
        QString version;
        QString errorInfo;
        QString testError; // what a connection test of it reports; empty: the test passes
        QList<ReplyBuilder::Machine> machines;
    };
    QList<VcHost> vcHostList() const { return vcHosts; }
    void setVcHosts(const QList<VcHost>& hosts) { vcHosts = hosts; }
    VcHost* vcHost(int type, int id);
    QMap<QString, QString> vcSettingMap() const { return vcSettings; }
    void setVcSettings(const QMap<QString, QString>& settings) { vcSettings = settings; }

    // How the service turns a request down, and so what a failure set for it does.
    enum class Refusal
    {
        ErrorResult,   // its result reports the error text; nothing changes
        WrongPassword, // as an administrator request with a wrong password: nothing changes, no answer
        NoAnswer       // the request has no refusal of its own: it goes unanswered
    };
    static Refusal refusalOf(const QString& request);
    // Every request the world answers, sorted.
    static QStringList handledRequests();
    // `request` is refused as refusalOf says, reporting `text` where its
    // result can; an empty text makes it answer again.
    void failRequest(const QString& request, const QString& text);
    QString requestFailure(const QString& request) const { return failures.value(request); }
    // Every answer to `request` comes `ms` late (0: at once).
    void delayRequest(const QString& request, int ms);
    int requestDelay(const QString& request) const { return delays.value(request); }

public slots:
    void drift();

signals:
    // The world changed by a request (device added, changed or removed, a
    // parameter set); `what` names the request.
    void changed(const QString& what);

private:
    // The handlers of each subsystem, one file each, answer from the state below.
    friend void installLinkHandlers(SimWorld&, SimResponder&);
    friend void installDeviceHandlers(SimWorld&, SimResponder&);
    friend void installSettingsHandlers(SimWorld&, SimResponder&);
    friend void installNetworkHandlers(SimWorld&, SimResponder&);
    friend void installVirtualizationHandlers(SimWorld&, SimResponder&);
    friend void installLogHandlers(SimWorld&, SimResponder&);

    SimDevice* currentDevice(const SimRequest& request);
    SimReplies gate(const SimRequest& request, const std::function<SimReplies(const SimRequest&)>& handler);
    QString nextFreeId() const;
    void loadVcHosts();

    QList<SimDevice> deviceList;
    QHash<int, QString> selections; // connection to the device it chose
    QStringList portNames;
    QString adminPasswordDigest;
    QMap<QString, QString> netclientPasswords; // address to plain password
    QString serviceVersionText = QLatin1String(programVersion);
    bool debugging = false;
    bool vcEnabled = true;
    ReplyBuilder::HostManagement vcManagement;
    QList<ReplyBuilder::Action> vcActions;
    QList<QPair<int, int>> shutdownTimers;
    SmtpTestOutcome smtpOutcome = SmtpTestOutcome::Success;
    ReplyLayout parameterLayout = ReplyLayout::ValueAfter;
    SimDevice::Entries appConfiguration;
    QMap<QString, QString> groupsByUps; // payloads as the panel sent them
    QMap<QString, QString> eventsByUps;
    QString computers;
    int logEntries = 95;
    int logPageLines = 20;
    QHash<QPair<int, QString>, int> logPositions; // (connection, log type) to the page shown
    int logsCacheClears = 0;
    QStringList networkReplies{QStringLiteral("groups"), QStringLiteral("events"),
                               QStringLiteral("all_computers")};
    QString fixedNetclientDigest;
    bool netclientSilent = false;
    int statusChurn = 0;
    int churnCursor = 0; // the device the next churn starts at
    QTimer* driftTimer;
    QRandomGenerator random;
    QList<VcHost> vcHosts;
    QMap<QString, QString> vcSettings;
    QHash<QString, QString> failures;
    QHash<QString, int> delays;
};

} // namespace LxSim
