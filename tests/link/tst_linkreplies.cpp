// Every reply the service sends: which signal it becomes and what the readers
// make of it, in a compact and an indented layout alike, and the parameter maps
// in every layout the stand-in can send, over the wire.
#include "link/linkmetatypes.h"
#include "link/plainxmlreader.h"
#include "link/replyparsers.h"
#include "link/upssocketcontroller.h"
#include "testframes.h"
#include "tests/support/lxtestcore.h"
#include "tests/support/servicerig.h"
#include "tests/support/signalrecorder.h"
#include "tools/sim/replybuilder.h"

#include <memory>

using Luminorix::UpsSocketController;
using LxSim::ReplyLayout;

Q_DECLARE_METATYPE(LxSim::ReplyLayout)

namespace {
QString b(bool v)
{
    return v ? QStringLiteral("1") : QStringLiteral("0");
}

QString n(int v)
{
    return QString::number(v);
}

QString ints(const QList<int>& values)
{
    QStringList parts;
    for (int v : values)
        parts << n(v);
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString describeEvent(const Event& e)
{
    QStringList parts{e.event_state, e.expressionIn, e.expressionOut, n(e.event_number), n(e.event_parentId)};
    if (e.messageAction)
        parts << QStringLiteral("msg:") + e.messageAction->message_text;
    if (e.sysCommandAction) {
        const auto& a = *e.sysCommandAction;
        parts << QStringLiteral("sys:%1/%2/%3/%4")
                     .arg(a.command_line, a.command_options, b(a.stanbyUps), n(a.delay_time));
    }
    if (e.powerOffAction) {
        const auto& a = *e.powerOffAction;
        parts << QStringLiteral("off:%1/%2/%3/%4")
                     .arg(a.type, b(a.stanbyUps), a.vms_action_ids, n(a.delay_time));
    }
    if (e.sendMailAction) {
        const auto& a = *e.sendMailAction;
        parts << QStringLiteral("mail:%1/%2/%3/%4/%5")
                     .arg(a.charCode, a.sender, a.subject, a.body, a.receipent);
    }
    if (e.outputSocketAction) {
        const auto& a = *e.outputSocketAction;
        parts << QStringLiteral("sock:%1/%2/%3/%4/%5/%6")
                     .arg(b(a.first_sock_conf), b(a.first_sock_ena), n(a.first_sock_delay),
                          b(a.second_sock_conf), b(a.second_sock_ena), n(a.second_sock_delay));
    }
    return parts.join(QLatin1Char(','));
}

template <typename List, typename F> QString joinEach(const List& list, F describe)
{
    QStringList parts;
    for (const auto& item : list)
        parts << describe(item);
    return parts.join(QLatin1Char('|'));
}

// One readable line per signal argument, so a failing row shows what differs.
QString describe(const QVariant& v)
{
    using namespace Luminorix::Utils;
    const int type = v.userType();
    if (type == QMetaType::Bool)
        return b(v.toBool());
    if (type == QMetaType::Int)
        return n(v.toInt());
    if (type == QMetaType::QString)
        return v.toString();
    if (type == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    if (type == qMetaTypeId<QVector<QString>>())
        return v.value<QVector<QString>>().toList().join(QLatin1Char(','));
    if (type == qMetaTypeId<QMap<QString, QString>>()) {
        const auto map = v.value<QMap<QString, QString>>();
        QStringList parts;
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            parts << it.key() + QLatin1Char('=') + it.value();
        return parts.join(QLatin1Char('|'));
    }
    if (type == qMetaTypeId<QList<QPair<int, int>>>())
        return joinEach(v.value<QList<QPair<int, int>>>(),
                        [](const QPair<int, int>& p) { return n(p.first) + QLatin1Char(':') + n(p.second); });
    if (type == qMetaTypeId<QVector<Group>>())
        return joinEach(v.value<QVector<Group>>(), [](const Group& g) {
            return g.group_name + QLatin1Char('#') + n(g.group_configId) + ints(g.computers.toList());
        });
    if (type == qMetaTypeId<QVector<Event>>())
        return joinEach(v.value<QVector<Event>>(), describeEvent);
    if (type == qMetaTypeId<QVector<Computer>>())
        return joinEach(v.value<QVector<Computer>>(), [](const Computer& c) {
            return QStringList{c.computer_name, c.computer_address, c.computer_password,
                               n(c.computer_configId)}
                .join(QLatin1Char(','));
        });
    if (type == qMetaTypeId<ApplicationConfiguration>()) {
        const auto c = v.value<ApplicationConfiguration>();
        const auto& m = c.smtp;
        return QStringList{m.security_type,     m.server, n(m.port), n(m.timeout),     m.sender_address,
                           b(m.authentication), m.user,   m.pass,    c.log_files_path, b(c.run_on_boot),
                           c.orvendesk_path}
            .join(QLatin1Char(','));
    }
    if (type == qMetaTypeId<QList<SerialPort>>())
        return joinEach(v.value<QList<SerialPort>>(), [](const SerialPort& p) {
            return p.com_port + QLatin1Char(':') + b(p.is_port_free);
        });
    if (type == qMetaTypeId<QVector<Ups>>())
        return joinEach(v.value<QVector<Ups>>(), [](const Ups& u) {
            return QStringList{u.id,
                               u.model_name,
                               u.communication,
                               u.com_port,
                               u.ip,
                               u.read,
                               u.write,
                               u.snmp_ver,
                               QLatin1Char('[') + u.phy_ids.join(QLatin1Char(',')) + QLatin1Char(']'),
                               u.serial_no,
                               u.log_file_size,
                               u.log_time_interval,
                               u.log_params,
                               u.user_defined_name}
                .join(QLatin1Char(','));
        });
    if (type == qMetaTypeId<QVector<currentDeviceStatus>>())
        return joinEach(v.value<QVector<currentDeviceStatus>>(), [](const currentDeviceStatus& s) {
            return QStringList{n(s.id),
                               QString::fromStdString(s.status),
                               b(s.connected),
                               b(s.parallel_unit),
                               QString::fromStdString(s.unit_address),
                               b(s.master),
                               b(s.power_compensation),
                               b(s.output_socket1),
                               b(s.output_socket2),
                               b(s.ups_shutdown_supported)}
                .join(QLatin1Char(','));
        });
    if (type == qMetaTypeId<QList<VirtualizationCenterHost>>())
        return joinEach(v.value<QList<VirtualizationCenterHost>>(), [](const VirtualizationCenterHost& h) {
            return QStringList{n(h.type), n(h.id), h.name, b(h.is_disabled), b(h.is_disabled_logfail)}.join(
                QLatin1Char(','));
        });
    if (type == qMetaTypeId<VirtualizationCenterEsxiShhHost>()) {
        const auto h = v.value<VirtualizationCenterEsxiShhHost>();
        return QStringList{n(h.type), n(h.id),   b(h.is_enabled), b(h.is_disabled_logfail),  h.name,
                           h.address, n(h.port), h.user_name,     b(h.auth_method_password), h.password}
            .join(QLatin1Char(','));
    }
    if (type == qMetaTypeId<VirtualizationCenterAddHostResult>()) {
        const auto r = v.value<VirtualizationCenterAddHostResult>();
        return QStringList{n(r.type), n(r.id), b(r.has_error), r.error_str}.join(QLatin1Char(','));
    }
    if (type == qMetaTypeId<VirtualizationCenterChangeHostSettingsResult>()) {
        const auto r = v.value<VirtualizationCenterChangeHostSettingsResult>();
        return QStringList{n(r.type), n(r.id), b(r.has_error), r.error_str}.join(QLatin1Char(','));
    }
    if (type == qMetaTypeId<VmTableWidgetTypes::ManagementConfig>()) {
        const auto m = v.value<VmTableWidgetTypes::ManagementConfig>();
        return QStringList{b(m.is_managed_from_internal_vm), n(m.host_type), n(m.host_id), n(m.vm_id),
                           b(m.shutdown_ups_with_master_vm), b(m.valid)}
            .join(QLatin1Char(','));
    }
    if (type == qMetaTypeId<QList<VmTableWidgetTypes::ActionParameters>>())
        return joinEach(v.value<QList<VmTableWidgetTypes::ActionParameters>>(),
                        [](const VmTableWidgetTypes::ActionParameters& a) {
                            QStringList targets;
                            for (const VmActionTarget& t : a.selected_items)
                                targets << n(t.host_type) + QLatin1Char(':') + n(t.host_id) + ints(t.vm_ids);
                            return QStringList{n(a.action_id),
                                               a.name,
                                               n(a.action_type),
                                               b(a.apply_to_all_running_vm),
                                               b(a.power_off_selected_hosts_after_vm_shutdown),
                                               targets.join(QLatin1Char(' '))}
                                .join(QLatin1Char(','));
                        });
    if (type == qMetaTypeId<VirtualizationCenterHostVmsInfo>()) {
        const auto h = v.value<VirtualizationCenterHostVmsInfo>();
        QStringList vms;
        for (const VirtualizationCenterVmInfo& vm : h.vms)
            vms << QStringList{n(vm.vm_id), vm.vm_name, n(vm.vm_state), n(vm.vm_pending_st)}.join(
                QLatin1Char(':'));
        return QStringList{n(h.host_type),
                           n(h.host_id),
                           n(h.status),
                           h.name,
                           h.version,
                           h.error_info,
                           QLatin1Char('[') + vms.join(QLatin1Char(' ')) + QLatin1Char(']')}
            .join(QLatin1Char(','));
    }
    return QStringLiteral("<unknown type %1>").arg(QLatin1String(v.typeName()));
}
} // namespace

class TestLinkReplies : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reply_data();
    void reply();
    void cutOffReplies_data();
    void cutOffReplies();
    void parameterMapsInEveryLayout_data();
    void parameterMapsInEveryLayout();
    void unknownRootDispatchesFurther();
    void eventCopiesShareActions();
    void readersStopAtTheEndOfABrokenDocument();
    void signalsComeFirstInTheirOrder();
    void repeatedPollRepliesComeAgain_data();
    void repeatedPollRepliesComeAgain();
    void statusListsReadEitherWayStayTheirOwn_data();
    void statusListsReadEitherWayStayTheirOwn();
};

void TestLinkReplies::initTestCase()
{
    registerLinkMetaTypes();
}

void TestLinkReplies::reply_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("expected"); // the arguments, described and joined by " ; "

    auto row = [](const char* name, const QString& xml, const char* signal, const QString& expected) {
        QTest::newRow(name) << xml << QString::fromLatin1(signal) << expected;
    };

    // Parameter maps.
    row("device state",
        "<ups_device_state isUpsFound=\"1\" isProperDevice=\"0\"><input_voltage>230</input_voltage>"
        "<output_voltage>229;230;231</output_voltage><events>1;2;3</events><empty></empty><blank> </blank>"
        "</ups_device_state>",
        "upsDeviceState",
        "events=1;2;3|input_voltage=230|isProperDevice=0|isUpsFound=1|output_voltage=229 / 230 / 231");
    row("device state, no attributes", "<ups_device_state><a>1</a><a>2</a></ups_device_state>",
        "upsDeviceState", "a=2|isProperDevice=|isUpsFound=");
    row("configuration", "<ups_configuration><x>1;2</x><y></y><z>abc</z></ups_configuration>",
        "upsConfiguration", "x=1;2|z=abc");
    row("device state, nested chain",
        "<ups_device_state isUpsFound=\"1\" isProperDevice=\"1\"><input_voltage>230<output_load>45"
        "<battery_capacity>87</battery_capacity></output_load></input_voltage></ups_device_state>",
        "upsDeviceState",
        "battery_capacity=87|input_voltage=230|isProperDevice=1|isUpsFound=1|output_load=45");
    row("device state, value after each element",
        "<ups_device_state isUpsFound=\"1\" isProperDevice=\"1\"><a>1;2</a>1;2<events>3;4</events>3;4"
        "<b></b>5<c>6</c></ups_device_state>",
        "upsDeviceState", "a=1 / 2|c=6|events=3;4|isProperDevice=1|isUpsFound=1");
    row("device state, text only after a child",
        "<ups_device_state><a><b>1</b>2</a>3<c><![CDATA[x<]]>y</c></ups_device_state>", "upsDeviceState",
        "b=1|c=x<y|isProperDevice=|isUpsFound=");
    row("configuration, nested chain", "<ups_configuration><x>1;2<y><z>abc</z></y></x></ups_configuration>",
        "upsConfiguration", "x=1;2|z=abc");

    // One-text and no-content replies.
    row("discovered_message", "<discovered_message>pc-7.local</discovered_message>", "discoveredComputer",
        "pc-7.local");
    row("get_password", "<get_password>5f4dcc3b</get_password>", "adminPassFromConfig", "5f4dcc3b");
    row("get_password, empty", "<get_password></get_password>", "adminPassFromConfig", "");
    row("netclient_password", "<netclient_password>abc</netclient_password>", "netclientPass", "abc");
    row("netclient_password_changed", "<netclient_password_changed/>", "passwordChanged", "");
    row("admin_password_changed", "<admin_password_changed></admin_password_changed>", "passwordChanged", "");
    row("service_version", "<service_version>2.6.0</service_version>", "serviceVersionReceived", "2.6.0");
    row("daemon_is_busy", "<daemon_is_busy/>", "daemonIsBusy", "1");
    row("daemon_is_ready", "<daemon_is_ready/>", "daemonIsBusy", "0");
    row("debugging_enabled", "<debugging_enabled/>", "debugModeEnabled", "1");
    row("debugging_disabled", "<debugging_disabled/>", "debugModeEnabled", "0");
    row("vc version", "<virtualization_center_version>1.4</virtualization_center_version>",
        "virtualizationCenterVersionReceived", "1.4");
    row("vc enabled", "<virtualization_center_enabled/>", "virtualizationCenterEnabledReceived", "1");
    row("vc disabled", "<virtualization_center_disabled/>", "virtualizationCenterEnabledReceived", "0");
    row("unknown root", "<hello>x</hello>", "dataFromUps", "hello");
    row("root in other case", "<Service_Version>1</Service_Version>", "dataFromUps", "Service_Version");

    // Lists and records.
    row("show_message",
        "<show_message><message>Niski stan baterii</message><message>B &amp; C</message></show_message>",
        "showMessage", "Niski stan baterii,B & C");
    row("smtp2_test_status",
        "<smtp2_test_status><msg_1>Łączenie</msg_1><current_status>2</current_status><msg_2>OK</msg_2>"
        "</smtp2_test_status>",
        "smpt2TestStatus", "2 ; Łączenie,OK");
    row("smtp2_test_status, no status", "<smtp2_test_status><msg_a>x</msg_a></smtp2_test_status>",
        "smpt2TestStatus", "0 ; x");
    row("ups_logs", "<ups_logs><log_1>a;b</log_1><x_log_2>c</x_log_2><other>d</other></ups_logs>", "upsLogs",
        "a;b,c");
    row("ups_logs, empty", "<ups_logs></ups_logs>", "upsLogs", "");
    row("show_countdown",
        "<show_countdown><timer_id>3</timer_id><time>60</time><time>30</time><timer_id>4</timer_id><time>x</"
        "time>"
        "</show_countdown>",
        "showCountdownTimer", "3:60|3:30|4:0");
    row("groups",
        "<groups><group><group_name>Serwery</group_name><group_configId>2</group_configId><computers>"
        "<computer><computer_configId>1</computer_configId></computer>"
        "<computer><computer_configId>3</computer_configId></computer></computers></group>"
        "<group><group_name>Pusta</group_name><group_configId>4</group_configId><computers></computers></"
        "group>"
        "</groups>",
        "groupReceived", "Serwery#2[1,3]|Pusta#4[]");
    row("groups, none", "<groups></groups>", "groupReceived", "");
    row("events",
        "<events><event><event_state>on_battery</event_state><expressionIn>a,ON,==,</expressionIn>"
        "<expressionOut>b,&lt;,</expressionOut><event_number>4</event_number><event_parentId>1</"
        "event_parentId>"
        "<actions><output_sock_action><first_sock_conf>1</first_sock_conf><second_sock_delay>30</"
        "second_sock_delay>"
        "<second_sock_ena>2</second_sock_ena></output_sock_action><message_action><message_text>Uwaga</"
        "message_text>"
        "</message_action></actions></event>"
        "<event><event_state>low</event_state><event_number>5</event_number><event_parentId>0</"
        "event_parentId>"
        "<syscommand_action><command_line>shutdown</command_line><command_options>/s</command_options>"
        "<stanbyUps>1</stanbyUps><delay_time>10</delay_time></syscommand_action>"
        "<poweroff_action><type>hibernate</type><stanbyUps>0</stanbyUps><delay_time>20</delay_time>"
        "<vms_action_ids>1;2</vms_action_ids></poweroff_action>"
        "<sendmail_action><charCode>UTF-8</charCode><sender>s</sender><subject>t</subject><body>b</body>"
        "<receipent>r</receipent></sendmail_action></event></events>",
        "eventsReceived",
        "on_battery,a,ON,==,,b,<,,4,1,msg:Uwaga,sock:1/0/0/0/1/30|"
        "low,,,5,0,sys:shutdown//s/1/10,off:hibernate/0/1;2/20,mail:UTF-8/s/t/b/r");
    row("all_computers",
        "<all_computers><computer><computer_name>pc</computer_name><computer_address>pc.local</"
        "computer_address>"
        "<computer_password>abc</computer_password><computer_configId>2</computer_configId></computer>"
        "<computer><computer_name>b</computer_name></computer></all_computers>",
        "allComputersReceived", "pc,pc.local,abc,2|b,,,-1");
    row("all_computers, none", "<all_computers/>", "allComputersReceived", "");
    row("application_configuration",
        "<application_configuration><smtp2_security_type>ssl</smtp2_security_type><smtp2_server>s</"
        "smtp2_server>"
        "<smtp2_port>465</smtp2_port><smtp2_timeout>x</smtp2_timeout><smtp2_sender_address>a@b</"
        "smtp2_sender_address>"
        "<smtp2_authentication></smtp2_authentication><smtp2_user>u</smtp2_user><smtp2_pass>p</smtp2_pass>"
        "<log_files_path>C:\\l</log_files_path><run_on_boot>0</run_on_boot></application_configuration>",
        "appConfifuratioReceived", "ssl,s,465,0,a@b,1,u,p,C:\\l,0,");
    row("application_configuration, auth 0",
        "<application_configuration><smtp2_authentication>0</smtp2_authentication><run_on_boot>1</"
        "run_on_boot>"
        "</application_configuration>",
        "appConfifuratioReceived", ",,0,0,,0,,,,1,");
    row("available_ports",
        "<available_ports><com_port>COM1</com_port><is_port_free>1</is_port_free><com_port>COM2</com_port>"
        "<is_port_free>2</is_port_free><com_port>COM3</com_port><com_port>COM4</com_port>"
        "<is_port_free>1</is_port_free></available_ports>",
        "availablePortsReceived", "COM1:1|COM2:0|COM3:0|COM4:1");
    row("available_ports, last without flag", "<available_ports><com_port>COM9</com_port></available_ports>",
        "availablePortsReceived", "COM9:0");
    row("ups_model_list",
        "<ups_model_list><model_name>A</model_name><phy_id>1</phy_id><phy_id>2</phy_id><id>0</id>"
        "<communication>USB</communication><com_port>COM1</com_port><ip>h</ip><read>r</read><write>w</write>"
        "<snmp_ver>2</snmp_ver><serial_no>S</serial_no><log_file_size>10</log_file_size>"
        "<log_time_interval>5</log_time_interval><user_defined_name>U</user_defined_name><log_params>7</"
        "log_params>"
        "<model_name>B</model_name><id>1</id><log_params>1</log_params></ups_model_list>",
        "upsModelMessageReceived", "0,A,USB,COM1,h,r,w,2,[1,2],S,10,5,7,U|1,B,,,,,,,[],,,,1,");
    row("ups_current_status_list, flat",
        "<ups_current_status_list><id>1</id><status>on_battery</status><connected>1</connected>"
        "<parallel_unit>0</parallel_unit><unit_address>Łódź</unit_address><master>1</master>"
        "<power_compensation>1</power_compensation><output_socket1>1</output_socket1><output_socket2>0</"
        "output_socket2>"
        "<ups_shutdown_supported>0</ups_shutdown_supported><id>2</id><status>unknown</status>"
        "<ups_shutdown_supported>1</ups_shutdown_supported></ups_current_status_list>",
        "upsCurrentStatusListReceived", "1,on_battery,1,0,Łódź,1,1,1,0,0|2,unknown,0,0,,0,0,0,0,1");
    row("ups_current_status_list, wrapped",
        "<ups_current_status_list><ups><id>1</id><connected>1</connected>"
        "<ups_shutdown_supported>1</ups_shutdown_supported></ups><ups><id>2</id><status>x</status></ups>"
        "</ups_current_status_list>",
        "upsCurrentStatusListReceived", "1,,1,0,,0,0,0,0,1|2,x,0,0,,0,0,0,0,1");

    // Virtualization centre.
    row("vc settings",
        "<virtualization_center_settings><email_notifications_enabled>1</email_notifications_enabled>"
        "<master_shutdown_delay></master_shutdown_delay></virtualization_center_settings>",
        "virtualizationCenterSettingsReceived", "email_notifications_enabled=1|master_shutdown_delay=");
    row("vc settings, no children", "<virtualization_center_settings></virtualization_center_settings>",
        "virtualizationCenterSettingsReceived", "virtualization_center_settings=");
    row("vc host list",
        "<virtualization_center_host_list><host><type>1</type><id>3</id><name>esx &amp; co</name>"
        "<is_disabled>0</is_disabled><is_disabled_logfail>1</is_disabled_logfail></host>"
        "<host><type>x</type><id>4</id></host></virtualization_center_host_list>",
        "virtualizationCenterHostListReceived", "1,3,esx & co,0,1|0,4,,0,0");
    row("vc host details",
        "<virtualization_center_esxisshhost_details><type>1</type><id>7</id><is_enabled>1</is_enabled>"
        "<is_disabled_logfail>0</is_disabled_logfail><name>esx</name><address>esx.local</address>"
        "<port>abc</port><user_name>root</user_name><auth_method_password>2</auth_method_password>"
        "</virtualization_center_esxisshhost_details>",
        "virtualizationCenterEsxiSshHostDetailsReceived", "1,7,1,0,esx,esx.local,-1,root,1,");
    row("vc host details, empty port",
        "<virtualization_center_esxisshhost_details><port></port><id>3</id></"
        "virtualization_center_esxisshhost_details>",
        "virtualizationCenterEsxiSshHostDetailsReceived", "-1,3,0,0,,,-1,,0,");
    row("vc add host result",
        "<virtualization_center_add_new_host_result><type>1</type><id>8</id><has_error>x</has_error>"
        "<error_str>ok</error_str></virtualization_center_add_new_host_result>",
        "virtualizationCenterHostAddNewResultReceived", "1,8,0,ok");
    row("vc edit host result",
        "<virtualization_center_edit_host_result><type>1</type><id>8</id><has_error>1</has_error>"
        "<error_str>Brak dostępu</error_str></virtualization_center_edit_host_result>",
        "virtualizationCenterChangeHostSettingsResultReceived", "1,8,1,Brak dostępu");
    row("vc test result without has_error",
        "<virtualization_center_test_esxisshhost_result></virtualization_center_test_esxisshhost_result>",
        "virtualizationCenterEsxiSshHostTestResultReceived", "1 ; ");
    row("vc test result ok",
        "<virtualization_center_test_esxisshhost_result><has_error>0</has_error><error_str>fine</error_str>"
        "</virtualization_center_test_esxisshhost_result>",
        "virtualizationCenterEsxiSshHostTestResultReceived", "0 ; fine");
    row("vc set management result",
        "<virtualization_center_set_host_management_result><has_error>0</has_error>"
        "</virtualization_center_set_host_management_result>",
        "virtualizationCenterHostManagementSetResultReceived", "0 ; ");
    row("vc action add result",
        "<virtualization_center_action_list_add_result><has_error>nope</has_error><error_str>e</error_str>"
        "</virtualization_center_action_list_add_result>",
        "virtualizationCenterAddActionResultReceived", "1 ; e");
    row("vc action edit result",
        "<virtualization_center_action_list_edit_result><has_error>0</has_error>"
        "</virtualization_center_action_list_edit_result>",
        "virtualizationCenterEditActionResultReceived", "0 ; ");
    row("vc action delete result",
        "<virtualization_center_action_list_delete_result><has_error>3</has_error>"
        "</virtualization_center_action_list_delete_result>",
        "virtualizationCenterDeleteActionResultReceived", "1 ; ");
    row("vc action run result",
        "<virtualization_center_action_run_result><has_error>0</has_error><error_str></error_str>"
        "</virtualization_center_action_run_result>",
        "virtualizationCenterRunActionResultReceived", "0 ; ");
    row("vc host management",
        "<virtualization_center_host_management><is_managed_from_internal_vm>1</is_managed_from_internal_vm>"
        "<host_type>1</host_type><host_id>2</host_id><vm_id>9</vm_id>"
        "<shutdown_ups_with_master_vm>1</shutdown_ups_with_master_vm></"
        "virtualization_center_host_management>",
        "virtualizationCenterHostManagementReceived", "1,1,2,9,1,1");
    row("vc host management, no vm",
        "<virtualization_center_host_management><is_managed_from_internal_vm>1</is_managed_from_internal_vm>"
        "<vm_id>x</vm_id></virtualization_center_host_management>",
        "virtualizationCenterHostManagementReceived", "1,-1,-1,-1,0,1");
    row("vc action list",
        "<virtualization_center_action_list><action_parameters><action_id>4</action_id><name>Noc</name>"
        "<action_type> RESET </action_type><apply_to_all_running_vm>1</apply_to_all_running_vm>"
        "<power_off_selected_hosts_after_vm_shutdown>0</power_off_selected_hosts_after_vm_shutdown>"
        "<selected_items><host_type>1</host_type><host_id>2</host_id><vm_ids><vm_id>-1</vm_id><vm_id>x</"
        "vm_id>"
        "<vm_id>7</vm_id></vm_ids></selected_items><selected_items><host_type>1</host_type><host_id>3</"
        "host_id>"
        "</selected_items></action_parameters>"
        "<action_parameters><action_id>y</action_id><name>B</name><action_type>odd</action_type>"
        "</action_parameters></virtualization_center_action_list>",
        "virtualizationCenterActionListReceived", "4,Noc,3,1,0,1:2[-1,7] 1:3[]|0,B,1,0,0,");
    row("vc host vms info",
        "<virtualization_center_hostvmsinfo><HOST_TYPE>1</HOST_TYPE><host_id>2</host_id>"
        "<STATUS>  HS_Host_Online </STATUS><name>esx</name><version>7.0</version><error_info></error_info>"
        "<vms><vm_id>5</vm_id><vm_name>db</vm_name><vm_state>ps_powered_on</vm_state>"
        "<vm_pending_st>pa_power_off</vm_pending_st></vms><vms><vm_id>x</vm_id><vm_state>weird</vm_state>"
        "<vm_pending_st>PA_POWER_RESET</vm_pending_st></vms></virtualization_center_hostvmsinfo>",
        "virtualizationCenterHostVmsInfoReceived", "1,2,4,esx,7.0,,[5:db:1:3 -1::0:4]");
    row("vc host vms info, offline after action",
        "<virtualization_center_hostvmsinfo><status>hs_host_offline_action_initiated</status>"
        "</virtualization_center_hostvmsinfo>",
        "virtualizationCenterHostVmsInfoReceived", "-1,-1,3,,,,[]");
}

void TestLinkReplies::reply()
{
    QFETCH(QString, xml);
    QFETCH(QString, signal);
    QFETCH(QString, expected);

    for (const QString& layout : {xml, indented(xml)}) {
        UpsSocketController controller;
        SignalRecorder recorder(controller);
        QXmlStreamReader reader(layout);
        controller.handleMessage(&reader);
        QCOMPARE(recorder.fired(), QStringList{signal + QStringLiteral(":1")});
        QStringList described;
        for (const QVariant& argument : recorder.arguments(signal.toLatin1()))
            described << describe(argument);
        QCOMPARE(described.join(QStringLiteral(" ; ")), expected);
    }
}

// A reply that breaks off before its end tag: no record read from it claims
// to be whole, and no value is taken from a text the break cut.
void TestLinkReplies::cutOffReplies_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("signal"); // empty: nothing is emitted
    QTest::addColumn<QString>("expected");

    auto row = [](const char* name, const char* xml, const char* signal, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(xml) << QString::fromLatin1(signal)
                            << QString::fromUtf8(expected);
    };
    row("host management", "<virtualization_center_host_management><host_id>1</host_id><vm_id>2",
        "virtualizationCenterHostManagementReceived", "0,-1,1,-1,0,0");
    row("host management, broken end tag",
        "<virtualization_center_host_management><host_id>1</host_id></virtualization_center_host_managemen>",
        "virtualizationCenterHostManagementReceived", "0,-1,1,-1,0,0");
    row("host management, empty and whole",
        "<virtualization_center_host_management></virtualization_center_host_management>",
        "virtualizationCenterHostManagementReceived", "0,-1,-1,-1,0,1");
    // Reading stops storing at the wrapper's end, as ever, but goes on to the end.
    row("host management, wrapped and whole",
        "<virtualization_center_host_management><w><host_id>1</host_id></w><vm_id>2</vm_id>"
        "</virtualization_center_host_management>",
        "virtualizationCenterHostManagementReceived", "0,-1,1,-1,0,1");
    row("add-host result", "<virtualization_center_add_new_host_result><type>1</type><id>8</id>",
        "virtualizationCenterHostAddNewResultReceived", "1,8,1,");
    row("edit-host result", "<virtualization_center_edit_host_result><has_error>0</has_error><error_str>o",
        "virtualizationCenterChangeHostSettingsResultReceived", "-1,-1,1,");
    row("result pair", "<virtualization_center_action_run_result><has_error>0</has_error>",
        "virtualizationCenterRunActionResultReceived", "1 ; ");
    row("host vms info",
        "<virtualization_center_hostvmsinfo><host_id>2</host_id><status>hs_host_online</status><name>es",
        "virtualizationCenterHostVmsInfoReceived", "-1,2,4,,,,[]");
    row("host list", "<virtualization_center_host_list><host><type>1</type><name>a</name></host><host><id>2",
        "virtualizationCenterHostListReceived", "1,-1,a,0,0");
    row("smtp status",
        "<smtp2_test_status><current_status>1</current_status><msg_1>a</msg_1><current_status>2",
        "smpt2TestStatus", "1 ; a");
    row("password", "<get_password>5f4d", "", "");
    row("password, broken end tag", "<get_password>5f4d</get_passwor>", "", "");
    row("service version", "<service_version>2.6", "", "");
}

void TestLinkReplies::cutOffReplies()
{
    QFETCH(QString, xml);
    QFETCH(QString, signal);
    QFETCH(QString, expected);

    UpsSocketController controller;
    SignalRecorder recorder(controller);
    QXmlStreamReader reader(xml);
    controller.handleMessage(&reader);
    if (signal.isEmpty()) {
        QCOMPARE(recorder.fired(), QStringList());
        return;
    }
    QCOMPARE(recorder.fired(), QStringList{signal + QStringLiteral(":1")});
    QStringList described;
    for (const QVariant& argument : recorder.arguments(signal.toLatin1()))
        described << describe(argument);
    QCOMPARE(described.join(QStringLiteral(" ; ")), expected);
}

// The device state and the configuration of the stand-in's device, in each of
// its layouts, through real frames; with markup in a value the plain reader
// refuses the reply and QXmlStreamReader reads it.
void TestLinkReplies::parameterMapsInEveryLayout_data()
{
    QTest::addColumn<ReplyLayout>("layout");
    QTest::addColumn<bool>("markup");
    for (const ReplyLayout layout :
         {ReplyLayout::Flat, ReplyLayout::Indented, ReplyLayout::NestedChain, ReplyLayout::ValueAfter}) {
        const QByteArray name = LxSim::ReplyBuilder::layoutName(layout).toLatin1();
        QTest::newRow(name + ", plain") << layout << false;
        QTest::newRow(name + ", markup") << layout << true;
    }
}

void TestLinkReplies::parameterMapsInEveryLayout()
{
    QFETCH(ReplyLayout, layout);
    QFETCH(bool, markup);

    ServiceRig rig;
    LxSim::SimWorld& world = rig.world;
    world.loadDemo();
    world.setReplyLayout(layout);
    LxSim::SimDevice* device = world.device(world.currentDeviceId());
    QVERIFY(device);
    if (markup) {
        device->fixedState.append({QStringLiteral("site"), QStringLiteral("R&D <lab> \"A\"")});
        device->configuration.insert(QStringLiteral("site_name"), QStringLiteral("R&D"));
    }
    QVERIFY(rig.listen());

    QMap<QString, QString> expectedState{{QStringLiteral("isUpsFound"), device->connected ? "1" : "0"},
                                         {QStringLiteral("isProperDevice"), QStringLiteral("1")}};
    for (const auto& entry : device->deviceState()) {
        QString value = entry.second;
        if (entry.first != QLatin1String("events"))
            value.replace(QLatin1Char(';'), QLatin1String(" / "));
        expectedState.insert(entry.first, value);
    }
    QMap<QString, QString> expectedConfiguration;
    for (auto it = device->configuration.cbegin(); it != device->configuration.cend(); ++it) {
        if (!it.value().isEmpty())
            expectedConfiguration.insert(it.key(), it.value());
    }
    QVERIFY(expectedState.size() > 10);
    QVERIFY(expectedConfiguration.size() > 3);
    // The row takes the path it is meant to.
    Luminorix::PlainXmlReader plain;
    QCOMPARE(plain.load(QString::fromUtf8(
                 LxSim::ReplyBuilder::deviceState(device->deviceState(), device->connected, true, layout))),
             !markup);

    // Nothing fires by itself; the test asks for the device state by hand.
    UpsSocketController controller;
    QSignalSpy states(&controller, &UpsSocketController::upsDeviceState);
    QSignalSpy configurations(&controller, &UpsSocketController::upsConfiguration);
    QVERIFY(rig.connect(controller));
    QCOMPARE(configurations.size(), 1);
    controller.sendCommand(QStringLiteral("get_ups_device_state"));
    QTRY_COMPARE_WITH_TIMEOUT(states.size(), 1, 10000);
    using Map = QMap<QString, QString>;
    QCOMPARE(configurations.first().first().value<Map>(), expectedConfiguration);
    QCOMPARE(states.first().first().value<Map>(), expectedState);
}

// An unknown root is reported, and the reader goes on from the token it
// reaches, as the service's older clients did.
void TestLinkReplies::unknownRootDispatchesFurther()
{
    UpsSocketController controller;
    QSignalSpy data(&controller, &UpsSocketController::dataFromUps);
    QSignalSpy version(&controller, &UpsSocketController::serviceVersionReceived);
    QXmlStreamReader reader(QStringLiteral("<wrap><a>1</a><b>2</b></wrap>"));
    controller.handleMessage(&reader);
    QCOMPARE(data.count(), 2);
    QCOMPARE(data.at(0).at(0).toString(), QStringLiteral("wrap"));
    QCOMPARE(data.at(1).at(0).toString(), QString());
    QCOMPARE(version.count(), 0);
}

void TestLinkReplies::eventCopiesShareActions()
{
    UpsSocketController controller;
    QVector<Event> received;
    connect(&controller, &UpsSocketController::eventsReceived, this,
            [&received](const QVector<Event>& events) { received = events; });
    QXmlStreamReader reader(QStringLiteral("<events><event><message_action><message_text>m</message_text>"
                                           "</message_action></event></events>"));
    controller.handleMessage(&reader);
    QCOMPARE(received.size(), 1);
    const Event copy = received.first();
    QVERIFY(copy.messageAction);
    QCOMPARE(copy.messageAction.data(), received.first().messageAction.data());
    QVERIFY(!copy.sysCommandAction && !copy.powerOffAction && !copy.sendMailAction &&
            !copy.outputSocketAction);
}

// Readers used on their own keep what they read before a break and return.
void TestLinkReplies::readersStopAtTheEndOfABrokenDocument()
{
    {
        QXmlStreamReader r(QStringLiteral("<show_message><message>a</message><message>b"));
        r.readNext();
        r.readNext();
        QCOMPARE(Luminorix::parseShowMessage(r), QVector<QString>{QStringLiteral("a")});
    }
    {
        QXmlStreamReader r(QStringLiteral(
            "<available_ports><com_port>COM1</com_port><is_port_free>1</is_port_free><com_port>CO"));
        r.readNext();
        r.readNext();
        QCOMPARE(Luminorix::parseAvailablePorts(r).size(), 1);
    }
    {
        QXmlStreamReader r(QStringLiteral("<groups><group><group_name>x</group_name></group><group>"));
        r.readNext();
        r.readNext();
        bool complete = true;
        QCOMPARE(Luminorix::parseGroups(r, &complete).size(), 1);
        QVERIFY(!complete);
    }
}

// Receivers elsewhere address the signals by position: 0 to 38 are the
// signals, the slots follow from 39.
void TestLinkReplies::signalsComeFirstInTheirOrder()
{
    const QMetaObject& meta = UpsSocketController::staticMetaObject;
    const int offset = meta.methodOffset();
    const struct
    {
        int index;
        const char* name;
    } anchors[] = {{0, "upsConnected"},
                   {1, "dataFromUps"},
                   {2, "upsDeviceState"},
                   {17, "appConfifuratioReceived"},
                   {25, "virtualizationCenterHostListReceived"},
                   {37, "virtualizationCenterHostVmsInfoReceived"},
                   {38, "socketError"}};
    for (const auto& a : anchors) {
        QCOMPARE(meta.method(offset + a.index).name(), QByteArray(a.name));
        QCOMPARE(meta.method(offset + a.index).methodType(), QMetaMethod::Signal);
    }
    QCOMPARE(meta.methodCount() - offset, 53);
    for (int i = 39; i < 53; ++i)
        QCOMPARE(meta.method(offset + i).methodType(), QMetaMethod::Slot);
}

void TestLinkReplies::repeatedPollRepliesComeAgain_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("changed");

    QTest::newRow("device state") << "upsDeviceState"
                                  << "<ups_device_state isUpsFound=\"1\"><a>1;2</a></ups_device_state>"
                                  << "<ups_device_state isUpsFound=\"1\"><a>3</a></ups_device_state>";
    QTest::newRow("configuration") << "upsConfiguration"
                                   << "<ups_configuration><x>1</x></ups_configuration>"
                                   << "<ups_configuration><x>2</x></ups_configuration>";
    QTest::newRow("status list")
        << "upsCurrentStatusListReceived"
        << "<ups_current_status_list><ups><id>1</id><status>on_battery</status></ups></"
           "ups_current_status_list>"
        << "<ups_current_status_list><ups><id>1</id><status>unknown</status></ups></ups_current_status_list>";
}

// Every reply is handed on, also one that repeats the last of its kind; one that
// comes back after another is read for what it says.
void TestLinkReplies::repeatedPollRepliesComeAgain()
{
    QFETCH(QString, signal);
    QFETCH(QString, xml);
    QFETCH(QString, changed);

    UpsSocketController controller;
    SignalRecorder recorder(controller);
    QStringList seen;
    for (const QString& reply : {xml, xml, changed, xml}) {
        controller.handleReply(reply);
        seen << describe(recorder.lastArguments(signal.toLatin1()).value(0));
    }
    QCOMPARE(recorder.fired(), QStringList{signal + QStringLiteral(":4")});
    QCOMPARE(seen.at(1), seen.at(0));
    QVERIFY(seen.at(2) != seen.at(0));
    QCOMPARE(seen.at(3), seen.at(0));

    UpsSocketController fresh;
    SignalRecorder freshRecorder(fresh);
    fresh.handleReply(xml);
    QCOMPARE(describe(freshRecorder.lastArguments(signal.toLatin1()).value(0)), seen.at(0));
}

void TestLinkReplies::statusListsReadEitherWayStayTheirOwn_data()
{
    // Lists come from the socket as UTF-8 and are read from their bytes when
    // ASCII, from their text otherwise; a list that comes again as the very
    // bytes or text of one read earlier must not be taken for the list read
    // last the other way.
    QTest::addColumn<QStringList>("ways"); // "text" or "bytes", one for each list
    QTest::addColumn<QList<int>>("lists"); // into the lists below
    QTest::newRow("bytes, text, the first bytes again")
        << QStringList{"bytes", "text", "bytes"} << QList<int>{0, 1, 0};
    QTest::newRow("bytes, bytes not ASCII, the first again")
        << QStringList{"bytes", "bytes", "bytes", "bytes"} << QList<int>{0, 2, 1, 0};
}

void TestLinkReplies::statusListsReadEitherWayStayTheirOwn()
{
    QFETCH(QStringList, ways);
    QFETCH(QList<int>, lists);
    const QString root = QStringLiteral("<ups_current_status_list>%1</ups_current_status_list>");
    const QString ups = QStringLiteral("<ups><id>%1</id><status>%2</status></ups>");
    const QStringList texts{root.arg(ups.arg(1).arg("on_battery") + ups.arg(2).arg("a")),
                            root.arg(ups.arg(1).arg("on_power_line") + ups.arg(2).arg("a")),
                            root.arg(ups.arg(1).arg(QStringLiteral("b\u00e9")) + ups.arg(2).arg("a"))};
    // Each list's one text and one UTF-8, as the cipher's memo hands out a repeat.
    QList<QByteArray> bytes;
    for (const QString& text : texts)
        bytes.append(text.toUtf8());

    UpsSocketController controller;
    SignalRecorder recorder(controller);
    for (int i = 0; i < lists.size(); ++i) {
        const int list = lists.at(i);
        if (ways.at(i) == QLatin1String("text"))
            controller.handleReply(texts.at(list));
        else
            controller.handlePlainReply(bytes.at(list));
        UpsSocketController fresh;
        SignalRecorder freshRecorder(fresh);
        fresh.handleReply(texts.at(list));
        QCOMPARE(describe(recorder.lastArguments("upsCurrentStatusListReceived").value(0)),
                 describe(freshRecorder.lastArguments("upsCurrentStatusListReceived").value(0)));
    }
}

LX_TEST_GUILESS_MAIN(TestLinkReplies)
#include "tst_linkreplies.moc"
