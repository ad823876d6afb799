// Every request the controller can send, as the exact text that goes into the
// cipher.
#include "link/upssocketcontroller.h"
#include "tests/support/lxtestcore.h"

#include <functional>

using Luminorix::UpsSocketController;
using Op = std::function<void(UpsSocketController&)>;
Q_DECLARE_METATYPE(Op)

namespace {
const QString kDigest = QStringLiteral("5f4dcc3b5aa765d61d8327deb882cf99");

QByteArray wrap(const char* name, const QByteArray& content = QByteArray())
{
    return QByteArray("<") + name + "><pass>" + kDigest.toUtf8() + "</pass>" + content + "</" + name + ">";
}

// The writer form ends with the line feed that QXmlStreamWriter::writeEndDocument adds.
QByteArray written(const char* name, const QByteArray& content = QByteArray())
{
    return wrap(name, content) + '\n';
}

Luminorix::Utils::SmtpConfig smtpConfig()
{
    Luminorix::Utils::SmtpConfig c;
    c.security_type = QStringLiteral("tls");
    c.server = QStringLiteral("smtp.example.org");
    c.port = 587;
    c.timeout = 30;
    c.sender_address = QStringLiteral("ups@example.org");
    c.authentication = true;
    c.user = QStringLiteral("adm");
    c.pass = QStringLiteral("p&<w");
    return c;
}

const QByteArray kSmtpXml =
    "<smtp2_security_type>tls</smtp2_security_type><smtp2_server>smtp.example.org</smtp2_server>"
    "<smtp2_port>587</smtp2_port><smtp2_timeout>30</smtp2_timeout>"
    "<smtp2_sender_address>ups@example.org</smtp2_sender_address>"
    "<smtp2_authentication>1</smtp2_authentication><smtp2_user>adm</smtp2_user>"
    "<smtp2_pass>p&amp;&lt;w</smtp2_pass>";

Luminorix::Utils::Ups ups()
{
    Luminorix::Utils::Ups u;
    u.id = QStringLiteral("3");
    u.model_name = QStringLiteral("Model_X");
    u.communication = QStringLiteral("SNMP");
    u.com_port = QStringLiteral("COM2");
    u.ip = QStringLiteral("ups.local");
    u.read = QStringLiteral("pub<r>");
    u.write = QStringLiteral("priv");
    u.snmp_ver = QStringLiteral("2c");
    u.phy_ids = QStringList{QStringLiteral("7"), QStringLiteral("8")};
    u.serial_no = QStringLiteral("SN1");
    u.log_time_interval = QStringLiteral("60");
    u.log_file_size = QStringLiteral("1024");
    u.log_params = QStringLiteral("5");
    u.user_defined_name = QStringLiteral("Serwerownia");
    u.reset_events_request = true;
    u.power_compensation = true; // status copies are not sent
    return u;
}

const QByteArray kUpsXml =
    "<model_name>Model_X</model_name><id>3</id><communication>SNMP</communication>"
    "<com_port>COM2</com_port><ip>ups.local</ip><read>pub&lt;r&gt;</read><write>priv</write>"
    "<snmp_ver>2c</snmp_ver><serial_no>SN1</serial_no><log_file_size>1024</log_file_size>"
    "<log_time_interval>60</log_time_interval><log_params>5</log_params>"
    "<reset_events_request>1</reset_events_request>"
    "<user_defined_name>Serwerownia</user_defined_name><phy_id>7</phy_id><phy_id>8</phy_id>";

QVector<Event> events()
{
    Event first;
    first.event_state = QStringLiteral("on_battery");
    first.expressionIn = QStringLiteral("stateBattery,ON,==,");
    first.expressionOut = QStringLiteral("a,<,");
    first.event_number = 4;
    first.event_parentId = 1;
    first.outputSocketAction = QSharedPointer<OutputSocketControlAction>::create();
    first.outputSocketAction->first_sock_conf = true;
    first.outputSocketAction->second_sock_delay = 30;
    first.messageAction = QSharedPointer<MessageAction>::create();
    first.messageAction->message_text = QStringLiteral("Zasilanie & bateria");
    Event second;
    second.event_state = QStringLiteral("low_battery");
    second.event_number = 5;
    second.event_parentId = -1;
    second.sysCommandAction = QSharedPointer<SysCommandAction>::create();
    second.sysCommandAction->command_line = QStringLiteral("shutdown");
    second.sysCommandAction->command_options = QStringLiteral("/s");
    second.sysCommandAction->stanbyUps = true;
    second.sysCommandAction->delay_time = 10;
    second.powerOffAction = QSharedPointer<PowerOffAction>::create();
    second.powerOffAction->type = QStringLiteral("hibernate");
    second.powerOffAction->vms_action_ids = QStringLiteral("1;2");
    second.powerOffAction->delay_time = 20;
    second.sendMailAction = QSharedPointer<SendMailAction>::create();
    second.sendMailAction->charCode = QStringLiteral("UTF-8");
    second.sendMailAction->sender = QStringLiteral("ups@x");
    second.sendMailAction->subject = QStringLiteral("\"UPS\"");
    second.sendMailAction->body = QStringLiteral("it's low");
    second.sendMailAction->receipent = QStringLiteral("admin@x");
    Event third;
    third.event_state = QStringLiteral("overload");
    return {first, second, third};
}

const QByteArray kEventsXml =
    "<ups_id>2</ups_id>"
    "<event><event_state>on_battery</event_state><expressionIn>stateBattery,ON,==,</expressionIn>"
    "<expressionOut>a,&lt;,</expressionOut><event_number>4</event_number><event_parentId>1</event_parentId>"
    "<actions><message_action><message_text>Zasilanie &amp; bateria</message_text></message_action>"
    "<output_sock_action><first_sock_conf>1</first_sock_conf><first_sock_ena>0</first_sock_ena>"
    "<first_sock_delay>0</first_sock_delay><second_sock_conf>0</second_sock_conf><second_sock_ena>0</"
    "second_sock_ena>"
    "<second_sock_delay>30</second_sock_delay></output_sock_action></actions></event>"
    "<event><event_state>low_battery</event_state><expressionIn></expressionIn><expressionOut></"
    "expressionOut>"
    "<event_number>5</event_number><event_parentId>-1</event_parentId>"
    "<actions><syscommand_action><command_line>shutdown</command_line><command_options>/s</command_options>"
    "<stanbyUps>1</stanbyUps><delay_time>10</delay_time></syscommand_action>"
    "<poweroff_action><type>hibernate</type><stanbyUps>0</stanbyUps><vms_action_ids>1;2</vms_action_ids>"
    "<delay_time>20</delay_time></poweroff_action>"
    "<sendmail_action><charCode>UTF-8</charCode><sender>ups@x</sender><subject>&quot;UPS&quot;</subject>"
    "<body>it&apos;s low</body><receipent>admin@x</receipent></sendmail_action></actions></event>"
    "<event><event_state>overload</event_state><expressionIn></expressionIn><expressionOut></expressionOut>"
    "<event_number>0</event_number><event_parentId>0</event_parentId><actions></actions></event>";

VmTableWidgetTypes::ActionParameters action(int type)
{
    VmTableWidgetTypes::ActionParameters a;
    a.action_id = 99; // never sent: the edit request takes the id separately
    a.name = QStringLiteral("Noc & dzień");
    a.action_type = type;
    a.apply_to_all_running_vm = true;
    VmActionTarget host;
    host.host_type = 1;
    host.host_id = 4;
    host.vm_ids = {-1, 12};
    VmActionTarget bare;
    bare.host_type = 1;
    bare.host_id = 5;
    a.selected_items = {host, bare};
    return a;
}

QByteArray actionXml(const char* typeText)
{
    return QStringLiteral("<name>Noc &amp; dzień</name>").toUtf8() + "<action_type>" + typeText +
           "</action_type><apply_to_all_running_vm>1</apply_to_all_running_vm>"
           "<power_off_selected_hosts_after_vm_shutdown>0</power_off_selected_hosts_after_vm_shutdown>"
           "<selected_items><host_type>1</host_type><host_id>4</host_id>"
           "<vm_ids><vm_id>-1</vm_id><vm_id>12</vm_id></vm_ids></selected_items>"
           "<selected_items><host_type>1</host_type><host_id>5</host_id></selected_items>";
}
} // namespace

class TestLinkRequests : public QObject
{
    Q_OBJECT

private slots:
    void request_data();
    void request();
    void emptyDigestBeforeLogin();
    void pollTickCycle();
    void sendMessageReportsUnconnectedSocket();
};

void TestLinkRequests::request_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QByteArray>("expected");

    // Plain form.
    const struct
    {
        const char* name;
        void (UpsSocketController::*op)();
    } plain[] = {
        {"get_ups_configuration", &UpsSocketController::getUpsConfiguration},
        {"get_ups_current_status_list", &UpsSocketController::getUpsCurrentStatusList},
        {"get_ups_model_list", &UpsSocketController::getUpsModelList},
        {"get_available_ports", &UpsSocketController::getAvailablePorts},
        {"get_debugging_status", &UpsSocketController::getDebuggingStatus},
        {"get_service_version", &UpsSocketController::getServiceVersion},
        {"get_shutdown_timers", &UpsSocketController::getShutdownTimers},
        {"get_virtualization_center_enabled", &UpsSocketController::getVirtualizationCenterEnabled},
        {"get_virtualization_center_version", &UpsSocketController::getVirtualizationCenterVersion},
        {"get_virtualization_center_settings", &UpsSocketController::getVirtualizationCenterSettings},
        {"get_virtualization_center_host_list", &UpsSocketController::getVirtualizationCenterHostList},
        {"get_virtualization_center_host_management",
         &UpsSocketController::getVirtualizationCenterHostManagement},
        {"get_virtualization_center_action_list", &UpsSocketController::getVirtualizationCenterActionList},
        {"get_application_configuration", &UpsSocketController::getApplicationConfiguration},
    };
    for (const auto& p : plain) {
        const auto op = p.op;
        QTest::newRow(p.name) << Op([op](UpsSocketController& c) { (c.*op)(); }) << wrap(p.name);
    }
    QTest::newRow("clear_logs_cache")
        << Op([](UpsSocketController& c) { c.sendCommand(QStringLiteral("clear_logs_cache")); })
        << wrap("clear_logs_cache");

    // Payload form.
    QTest::newRow("get_network_configuration")
        << Op([](UpsSocketController& c) { c.getNetworkConfiguration(QStringLiteral("3")); })
        << wrap("get_network_configuration", "<id>3</id>");
    QTest::newRow("remove_ups") << Op([](UpsSocketController& c) { c.removeUps(QStringLiteral("12")); })
                                << wrap("remove_ups", "<id>12</id>");
    QTest::newRow("remove_ups escapes the id")
        << Op([](UpsSocketController& c) { c.removeUps(QStringLiteral("1<2&")); })
        << wrap("remove_ups", "<id>1&lt;2&amp;</id>");
    QTest::newRow("remove_computer -1")
        << Op([](UpsSocketController& c) { c.removeComputer(-1); }) << wrap("remove_computer", "<id>-1</id>");
    QTest::newRow("change_device_on_interface")
        << Op([](UpsSocketController& c) { c.sendChangeUpsOnInterface(4); })
        << wrap("change_device_on_interface", "<id>4</id>");
    QTest::newRow("set_virtualization_center_enabled 1")
        << Op([](UpsSocketController& c) { c.setVirtualizationCenterEnabled(true); })
        << wrap("set_virtualization_center_enabled", "1");
    QTest::newRow("set_virtualization_center_enabled 0")
        << Op([](UpsSocketController& c) { c.setVirtualizationCenterEnabled(false); })
        << wrap("set_virtualization_center_enabled", "0");
    QTest::newRow("smtp2_send_test_mail") << Op([](UpsSocketController& c) { c.sendTestMail(smtpConfig()); })
                                          << wrap("smtp2_send_test_mail", kSmtpXml);
    QTest::newRow("application_configuration")
        << Op([](UpsSocketController& c) {
               Luminorix::Utils::ApplicationConfiguration a;
               a.smtp = smtpConfig();
               a.log_files_path = QStringLiteral("C:\\logs & more");
               a.run_on_boot = false;
               a.orvendesk_path = QStringLiteral("C:\\Program Files\\orvendesk.exe");
               c.sendApplicationConfiguration(a);
           })
        << wrap("application_configuration",
                kSmtpXml + "<log_files_path>C:\\logs &amp; more</log_files_path><run_on_boot>0</run_on_boot>"
                           "<orvendesk_path>C:\\Program Files\\orvendesk.exe</orvendesk_path>");
    QTest::newRow("groups")
        << Op([](UpsSocketController& c) {
               Group servers;
               servers.group_name = QStringLiteral("Serwery & bazy");
               servers.group_configId = 0;
               servers.computers = {1, 3};
               Group empty;
               empty.group_name = QStringLiteral("Pusta");
               empty.group_configId = 2;
               c.sendGroups({servers, empty}, QStringLiteral("2"));
           })
        << wrap("groups", "<ups_id>2</ups_id><group><group_name>Serwery &amp; bazy</group_name>\n"
                          "<group_configId>0</group_configId>\n<computers>"
                          "<computer><computer_configId>1</computer_configId></computer>"
                          "<computer><computer_configId>3</computer_configId></computer></computers></group>"
                          "<group><group_name>Pusta</group_name>\n<group_configId>2</group_configId>\n"
                          "<computers></computers></group>");
    QTest::newRow("groups, none") << Op([](UpsSocketController& c) { c.sendGroups({}, QStringLiteral("2")); })
                                  << wrap("groups", "<ups_id>2</ups_id>");
    QTest::newRow("events") << Op([](UpsSocketController& c) { c.sendEvents(events(), QStringLiteral("2")); })
                            << wrap("events", kEventsXml);
    QTest::newRow("all_computers")
        << Op([](UpsSocketController& c) {
               Computer a;
               a.computer_name = QStringLiteral("pc-01");
               a.computer_address = QStringLiteral("pc-01.local");
               a.computer_password = QStringLiteral("cipher<&>");
               a.computer_configId = 1;
               a.computer_mac = QStringLiteral("never sent");
               Computer b;
               c.sendAllComputers({a, b});
           })
        << wrap("all_computers",
                "<computer><computer_name>pc-01</computer_name>"
                "<computer_address>pc-01.local</computer_address>"
                "<computer_password>cipher&lt;&amp;&gt;</computer_password>"
                "<computer_configId>1</computer_configId></computer>"
                "<computer><computer_name></computer_name><computer_address></computer_address>"
                "<computer_password></computer_password><computer_configId>-1</computer_configId>"
                "</computer>");
    QTest::newRow("set_new_ups") << Op([](UpsSocketController& c) { c.setNewUps(ups()); })
                                 << wrap("set_new_ups", kUpsXml);
    QTest::newRow("change_ups") << Op([](UpsSocketController& c) { c.changeUps(ups()); })
                                << wrap("change_ups", kUpsXml);
    QTest::newRow("change_log_config, no phy_id")
        << Op([](UpsSocketController& c) {
               Luminorix::Utils::Ups u;
               u.log_params = QStringLiteral("3");
               c.changeLogConfig(u);
           })
        << wrap("change_log_config",
                "<model_name></model_name><id></id><communication></communication>"
                "<com_port></com_port><ip></ip><read></read><write></write><snmp_ver></snmp_ver>"
                "<serial_no></serial_no><log_file_size></log_file_size>"
                "<log_time_interval></log_time_interval><log_params>3</log_params>"
                "<reset_events_request>0</reset_events_request>"
                "<user_defined_name></user_defined_name>");

    // Writer form.
    QTest::newRow("action_list_add") << Op([](UpsSocketController& c) {
        c.addVirtualizationCenterAction(action(3));
    }) << written("set_virtualization_center_action_list_add", actionXml("reset"));
    QTest::newRow("action_list_edit, unknown type")
        << Op([](UpsSocketController& c) { c.editVirtualizationCenterAction(17, action(7)); })
        << written("set_virtualization_center_action_list_edit",
                   "<action_id>17</action_id>" + actionXml("unknown"));
    QTest::newRow("action_list_add, no targets")
        << Op([](UpsSocketController& c) {
               VmTableWidgetTypes::ActionParameters a;
               a.action_type = 0;
               a.power_off_selected_hosts_after_vm_shutdown = true;
               c.addVirtualizationCenterAction(a);
           })
        << written(
               "set_virtualization_center_action_list_add",
               "<name></name><action_type>power_on</action_type><apply_to_all_running_vm>0</"
               "apply_to_all_running_vm>"
               "<power_off_selected_hosts_after_vm_shutdown>1</power_off_selected_hosts_after_vm_shutdown>");
    QTest::newRow("action_run") << Op([](UpsSocketController& c) {
        c.runVirtualizationCenterAction({3, -1});
    }) << written("set_virtualization_center_action_run", "<ids><id>3</id><id>-1</id></ids>");
    QTest::newRow("action_run, empty")
        << Op([](UpsSocketController& c) { c.runVirtualizationCenterAction({}); })
        << written("set_virtualization_center_action_run");

    // Map form: key order, one line feed after each parameter.
    QTest::newRow("get_password") << Op([](UpsSocketController& c) { c.getPassword(); })
                                  << wrap("get_password");
    QTest::newRow("change_password") << Op([](UpsSocketController& c) {
        c.changePassword({{QStringLiteral("new_password"), QStringLiteral("x&y<z")}});
    }) << wrap("change_password", "<new_password>x&amp;y&lt;z</new_password>\n");
    QTest::newRow("get_netclient_pass") << Op([](UpsSocketController& c) {
        c.getNetClientPassword({{QStringLiteral("netclient_address"), QStringLiteral("pc-01.local")}});
    }) << wrap("get_netclient_pass", "<netclient_address>pc-01.local</netclient_address>\n");
    QTest::newRow("change_netclient_password")
        << Op([](UpsSocketController& c) {
               c.changeNetclientPassword(
                   {{QStringLiteral("password"), QStringLiteral("a'b")},
                    {QStringLiteral("netclient_address"), QStringLiteral("pc-01.local")}});
           })
        << wrap("change_netclient_password",
                "<netclient_address>pc-01.local</netclient_address>\n<password>a&apos;b</password>\n");
    QTest::newRow("get_ups_logs") << Op([](UpsSocketController& c) {
        c.getUpsLogs({{QStringLiteral("type"), QStringLiteral("messages")},
                      {QStringLiteral("age"), QStringLiteral("newer")}});
    }) << wrap("get_ups_logs", "<age>newer</age>\n<type>messages</type>\n");
    QTest::newRow("set_ups_configuration") << Op([](UpsSocketController& c) {
        c.setUpsConfiguration({{QStringLiteral("battery_low"), QStringLiteral("20")},
                               {QStringLiteral("Name"), QStringLiteral("A<B")}});
    }) << wrap("set_ups_configuration", "<Name>A&lt;B</Name>\n<battery_low>20</battery_low>\n");
    QTest::newRow("set_virtualization_center_settings, escaped by the caller")
        << Op([](UpsSocketController& c) {
               c.setVirtualizationCenterSettings({{QStringLiteral("email_notifications_recipients"),
                                                   QStringLiteral("a@b.pl;c&amp;d@e.pl")}});
           })
        << wrap("set_virtualization_center_settings",
                "<email_notifications_recipients>a@b.pl;c&amp;d@e.pl</email_notifications_recipients>\n");
    QTest::newRow("action_list_delete")
        << Op([](UpsSocketController& c) { c.deleteVirtualizationCenterAction(5); })
        << wrap("set_virtualization_center_action_list_delete", "<id>5</id>\n");
    QTest::newRow("esxisshhost_details")
        << Op([](UpsSocketController& c) { c.getVirtualizationCenterEsxiSshHostDetails(7); })
        << wrap("get_virtualization_center_esxisshhost_details", "<id>7</id>\n");
    QTest::newRow("hostvmsinfo") << Op([](UpsSocketController& c) {
        c.getVirtualizationCenterHostVmsInfo(1, 9);
    }) << wrap("get_virtualization_center_hostvmsinfo", "<host_id>9</host_id>\n<host_type>1</host_type>\n");
    QTest::newRow("remove_host") << Op([](UpsSocketController& c) {
        c.removeVirtualizationCenterHost(1, 9);
    }) << wrap("set_virtualization_center_remove_host", "<id>9</id>\n<type>1</type>\n");
    QTest::newRow("edit_host, id and type win")
        << Op([](UpsSocketController& c) {
               c.editVirtualizationCenterHost(1, 9,
                                              {{QStringLiteral("address"), QStringLiteral("esx.local")},
                                               {QStringLiteral("port"), QStringLiteral("22")},
                                               {QStringLiteral("id"), QStringLiteral("77")}});
           })
        << wrap("set_virtualization_center_edit_host",
                "<address>esx.local</address>\n<id>9</id>\n<port>22</port>\n<type>1</type>\n");
    QTest::newRow("test_esxisshhost")
        << Op([](UpsSocketController& c) { c.testVirtualizationCenterEsxiSshHost(9, true); })
        << wrap("set_virtualization_center_test_esxisshhost",
                "<allow_connect_new_host>1</allow_connect_new_host>\n<id>9</id>\n");
    QTest::newRow("host_management")
        << Op([](UpsSocketController& c) {
               VmTableWidgetTypes::ManagementConfig m;
               m.vm_id = 3;
               m.host_id = 2;
               m.host_type = 1;
               m.is_managed_from_internal_vm = true;
               m.valid = true; // never sent
               c.setVirtualizationCenterHostManagement(m);
           })
        << wrap("set_virtualization_center_host_management",
                "<host_id>2</host_id>\n<host_type>1</host_type>\n<is_managed_from_internal_vm>1</"
                "is_managed_from_internal_vm>\n"
                "<shutdown_ups_with_master_vm>0</shutdown_ups_with_master_vm>\n<vm_id>3</vm_id>\n");
    QTest::newRow("add_new_esxisshhost")
        << Op([](UpsSocketController& c) {
               VirtualizationCenterEsxiShhHost h;
               h.type = 1;
               h.id = 4;
               h.is_enabled = true;
               h.is_disabled_logfail = true;
               h.name = QStringLiteral("ESX <1>");
               h.address = QStringLiteral("esx.local");
               h.port = 22;
               h.user_name = QStringLiteral("root");
               h.password = QStringLiteral("p&ss");
               c.addVirtualizationCenterEsxiSshHost(h);
           })
        << wrap("set_virtualization_center_add_new_esxisshhost",
                "<address>esx.local</address>\n<auth_method_password>0</auth_method_password>\n"
                "<is_enabled>1</is_enabled>\n<name>ESX &lt;1&gt;</name>\n<password>p&amp;ss</password>\n"
                "<port>22</port>\n<user_name>root</user_name>\n");
}

void TestLinkRequests::request()
{
    QFETCH(Op, op);
    QFETCH(QByteArray, expected);
    UpsSocketController controller;
    controller.setPassword(kDigest);
    QList<QByteArray> sent;
    controller.setSendObserver([&sent](const QByteArray& text) { sent.append(text); });
    op(controller);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first(), expected);
}

void TestLinkRequests::emptyDigestBeforeLogin()
{
    UpsSocketController controller;
    QByteArray sent;
    controller.setSendObserver([&sent](const QByteArray& text) { sent = text; });
    controller.getPassword();
    QCOMPARE(sent, QByteArray("<get_password><pass></pass></get_password>"));
}

void TestLinkRequests::pollTickCycle()
{
    UpsSocketController controller;
    QList<QByteArray> sent;
    controller.setSendObserver([&sent](const QByteArray& text) { sent.append(text); });
    for (int tick = 0; tick < 4; ++tick)
        controller.getUpsDeviceData();
    const QList<QByteArray> expected{
        "<get_ups_configuration><pass></pass></get_ups_configuration>",
        "<get_ups_current_status_list><pass></pass></get_ups_current_status_list>",
        "<get_ups_device_state><pass></pass></get_ups_device_state>",
        "<get_ups_current_status_list><pass></pass></get_ups_current_status_list>",
        "<get_ups_device_state><pass></pass></get_ups_device_state>",
        "<get_ups_configuration><pass></pass></get_ups_configuration>",
    };
    QCOMPARE(sent, expected);
}

void TestLinkRequests::sendMessageReportsUnconnectedSocket()
{
    UpsSocketController controller;
    QTest::ignoreMessage(QtWarningMsg, "UpsSocketController: not connected, request dropped");
    QVERIFY(!controller.sendMessage("<x/>"));
}

LX_TEST_GUILESS_MAIN(TestLinkRequests)
#include "tst_linkrequests.moc"
