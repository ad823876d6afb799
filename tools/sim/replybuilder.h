#pragma once

#include "simdevice.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace LxSim {

// How the parameter elements of a parameter map are laid out. The service
// decides this itself, and the panel must read every one alike.
enum class ReplyLayout
{
    // <a>1</a><b>2</b>
    Flat,
    // One parameter per line, indented under the root.
    Indented,
    // <a>1<b>2<c>3</c></b></a>: each parameter holds the next one.
    NestedChain,
    // <a>1</a>1<b>2</b>2: the value once more as bare text after each element.
    ValueAfter,
};

// Reply texts in the layout the service uses: no declaration, no whitespace
// between elements.
class ReplyBuilder
{
public:
    static QByteArray escape(const QString& text);
    // <name>text</name>, the text escaped.
    static QByteArray element(const QString& name, const QString& text = QString());
    // <root>…children…</root> from (name, text) pairs, flat.
    static QByteArray flat(const QString& root, const SimDevice::Entries& children);

    // A parameter map in one of the layouts; empty values are left out. The
    // default, ValueAfter, suits even a reader that takes a key wherever it
    // stops at a tag and the value from the one token after it: after an end
    // tag that token is the bare text, so the next step lands on the next
    // element's start instead of its text, and no parameter is skipped.
    static QByteArray parameterMap(const QString& root, const SimDevice::Entries& parameters,
                                   const QString& attributes = QString(),
                                   ReplyLayout layout = ReplyLayout::ValueAfter);
    static QByteArray deviceState(const SimDevice::Entries& parameters, bool upsFound = true,
                                  bool properDevice = true, ReplyLayout layout = ReplyLayout::ValueAfter);
    static QByteArray configuration(const SimDevice::Entries& parameters,
                                    ReplyLayout layout = ReplyLayout::ValueAfter);
    // "flat", "indented", "nested" or "value-after", as the command line spells them.
    static bool parseLayout(const QString& text, ReplyLayout* layout);
    static QString layoutName(ReplyLayout layout);

    static QByteArray modelList(const QList<SimDevice>& devices);
    // Each entry ends with `ups_shutdown_supported`, whose end tag closes it in
    // the panel's reader; the wrapper's name must therefore not contain "ups".
    static QByteArray statusList(const QList<SimDevice>& devices);
    static QByteArray availablePorts(const QList<QPair<QString, bool>>& ports);

    static QByteArray showMessage(const QStringList& messages);
    static QByteArray showCountdown(const QList<QPair<int, int>>& timers);
    static QByteArray smtpTestStatus(int status, const QStringList& messages);
    static QByteArray upsLogs(const QStringList& lines);
    static QByteArray discovered(const QString& address);
    static QByteArray password(const QString& digest);
    static QByteArray netclientPassword(const QString& digest);
    static QByteArray adminPasswordChanged();
    static QByteArray netclientPasswordChanged();
    static QByteArray daemonBusy(bool busy);
    static QByteArray debugging(bool enabled);
    static QByteArray serviceVersion(const QString& version);
    static QByteArray virtualizationCenterVersion(const QString& version);
    static QByteArray virtualizationCenterEnabled(bool enabled);
    // Virtualization centre. The remaining replies (host details, host
    // management, action list) are flat or shallow trees: flat() builds them.
    static QByteArray virtualizationCenterSettings(const SimDevice::Entries& settings);
    // One host: type, id, name, is_disabled, is_disabled_logfail.
    struct Host
    {
        int type = 1;
        int id = 0;
        QString name;
        bool disabled = false;
        bool disabledByLoginFailures = false;
    };
    static QByteArray hostList(const QList<Host>& hosts);
    // virtualization_center_add_new_host_result or virtualization_center_edit_host_result.
    static QByteArray hostResult(const QString& root, int type, int id, bool hasError,
                                 const QString& errorText = QString());
    // One machine: vm_id, vm_name, vm_state and vm_pending_st as the service spells them.
    struct Machine
    {
        int id = 0;
        QString name;
        QString state = QStringLiteral("ps_powered_on");
        QString pending = QStringLiteral("pa_no_action");
    };
    static QByteArray hostVmsInfo(int hostType, int hostId, const QString& status, const QString& name,
                                  const QList<Machine>& machines);
    // How the centre manages the service's own host (virtualization_center_host_management).
    struct HostManagement
    {
        bool managedFromInternalVm = false;
        int hostType = -1;
        int hostId = -1;
        int vmId = -1;
        bool shutdownUpsWithMasterVm = false;
    };
    static QByteArray hostManagement(const HostManagement& management);
    // One defined action of the centre; `type` as the service spells it
    // ("power_on", "power_off", "suspend", "reset"), each target a host
    // with the machines it names (-1: the host itself).
    struct Action
    {
        struct Target
        {
            int hostType = 1;
            int hostId = 0;
            QList<int> vmIds;
        };
        int id = 0;
        QString name;
        QString type = QStringLiteral("power_off");
        bool applyToAllRunningVm = false;
        bool powerOffHostsAfterVmShutdown = false;
        QList<Target> targets;
    };
    static QByteArray actionList(const QList<Action>& actions);
    // The (has_error, error_str) replies of the virtualization centre.
    static QByteArray resultPair(const QString& root, bool hasError, const QString& errorText = QString());
};

} // namespace LxSim
