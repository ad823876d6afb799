#include "requestserializers.h"

#include "common/helpers.h"

namespace Luminorix {

namespace {
void open(QByteArray& out, const char* name)
{
    out += '<';
    out += name;
    out += '>';
}

void close(QByteArray& out, const char* name)
{
    out += "</";
    out += name;
    out += '>';
}

void text(QByteArray& out, const char* name, const QString& value)
{
    open(out, name);
    out += escapeXml(value).toUtf8();
    close(out, name);
}

void number(QByteArray& out, const char* name, int value)
{
    open(out, name);
    out += QByteArray::number(value, 10);
    close(out, name);
}

void flag(QByteArray& out, const char* name, bool value)
{
    open(out, name);
    out += value ? '1' : '0';
    close(out, name);
}

void writeActions(QByteArray& out, const Event& event)
{
    open(out, "actions");
    if (const auto& a = event.messageAction) {
        open(out, "message_action");
        text(out, "message_text", a->message_text);
        close(out, "message_action");
    }
    if (const auto& a = event.sysCommandAction) {
        open(out, "syscommand_action");
        text(out, "command_line", a->command_line);
        text(out, "command_options", a->command_options);
        flag(out, "stanbyUps", a->stanbyUps);
        number(out, "delay_time", a->delay_time);
        close(out, "syscommand_action");
    }
    if (const auto& a = event.powerOffAction) {
        open(out, "poweroff_action");
        text(out, "type", a->type);
        flag(out, "stanbyUps", a->stanbyUps);
        text(out, "vms_action_ids", a->vms_action_ids);
        number(out, "delay_time", a->delay_time);
        close(out, "poweroff_action");
    }
    if (const auto& a = event.sendMailAction) {
        open(out, "sendmail_action");
        text(out, "charCode", a->charCode);
        text(out, "sender", a->sender);
        text(out, "subject", a->subject);
        text(out, "body", a->body);
        text(out, "receipent", a->receipent);
        close(out, "sendmail_action");
    }
    if (const auto& a = event.outputSocketAction) {
        open(out, "output_sock_action");
        flag(out, "first_sock_conf", a->first_sock_conf);
        flag(out, "first_sock_ena", a->first_sock_ena);
        number(out, "first_sock_delay", a->first_sock_delay);
        flag(out, "second_sock_conf", a->second_sock_conf);
        flag(out, "second_sock_ena", a->second_sock_ena);
        number(out, "second_sock_delay", a->second_sock_delay);
        close(out, "output_sock_action");
    }
    close(out, "actions");
}
} // namespace

QByteArray serializeSmtpConfig(const Luminorix::Utils::SmtpConfig& config)
{
    QByteArray out;
    text(out, "smtp2_security_type", config.security_type);
    text(out, "smtp2_server", config.server);
    number(out, "smtp2_port", config.port);
    number(out, "smtp2_timeout", config.timeout);
    text(out, "smtp2_sender_address", config.sender_address);
    flag(out, "smtp2_authentication", config.authentication);
    text(out, "smtp2_user", config.user);
    text(out, "smtp2_pass", config.pass);
    return out;
}

QByteArray serializeApplicationConfiguration(const Luminorix::Utils::ApplicationConfiguration& configuration)
{
    QByteArray out = serializeSmtpConfig(configuration.smtp);
    text(out, "log_files_path", configuration.log_files_path);
    flag(out, "run_on_boot", configuration.run_on_boot);
    text(out, "orvendesk_path", configuration.orvendesk_path);
    return out;
}

QByteArray serializeUps(const Luminorix::Utils::Ups& ups)
{
    QByteArray out;
    text(out, "model_name", ups.model_name);
    text(out, "id", ups.id);
    text(out, "communication", ups.communication);
    text(out, "com_port", ups.com_port);
    text(out, "ip", ups.ip);
    text(out, "read", ups.read);
    text(out, "write", ups.write);
    text(out, "snmp_ver", ups.snmp_ver);
    text(out, "serial_no", ups.serial_no);
    text(out, "log_file_size", ups.log_file_size);
    text(out, "log_time_interval", ups.log_time_interval);
    text(out, "log_params", ups.log_params);
    flag(out, "reset_events_request", ups.reset_events_request);
    text(out, "user_defined_name", ups.user_defined_name);
    for (const QString& phyId : ups.phy_ids)
        text(out, "phy_id", phyId);
    return out;
}

QByteArray serializeGroups(const QVector<Group>& groups, const QString& upsId)
{
    QByteArray out;
    text(out, "ups_id", upsId);
    for (const Group& group : groups) {
        open(out, "group");
        text(out, "group_name", group.group_name);
        out += '\n';
        number(out, "group_configId", group.group_configId);
        out += '\n';
        open(out, "computers");
        for (int id : group.computers) {
            open(out, "computer");
            number(out, "computer_configId", id);
            close(out, "computer");
        }
        close(out, "computers");
        close(out, "group");
    }
    return out;
}

QByteArray serializeEvents(const QVector<Event>& events, const QString& upsId)
{
    QByteArray out;
    text(out, "ups_id", upsId);
    for (const Event& event : events) {
        open(out, "event");
        text(out, "event_state", event.event_state);
        text(out, "expressionIn", event.expressionIn);
        text(out, "expressionOut", event.expressionOut);
        number(out, "event_number", event.event_number);
        number(out, "event_parentId", event.event_parentId);
        writeActions(out, event);
        close(out, "event");
    }
    return out;
}

QByteArray serializeComputers(const QVector<Computer>& computers)
{
    QByteArray out;
    for (const Computer& computer : computers) {
        open(out, "computer");
        text(out, "computer_name", computer.computer_name);
        text(out, "computer_address", computer.computer_address);
        text(out, "computer_password", computer.computer_password);
        number(out, "computer_configId", computer.computer_configId);
        close(out, "computer");
    }
    return out;
}

} // namespace Luminorix
