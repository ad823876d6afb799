#include "replyparsers.h"

#include "owntext.h"

namespace Luminorix {

namespace {
using Reader = QXmlStreamReader;

template <typename R> bool reading(const R& r)
{
    return !r.atEnd() && !r.hasError();
}

template <typename R> bool isStart(const R& r, QLatin1String name)
{
    return r.isStartElement() && r.name() == name;
}

template <typename R> bool isEnd(const R& r, QLatin1String name)
{
    return r.isEndElement() && r.name() == name;
}

template <typename R> bool startContains(const R& r, QLatin1String part)
{
    return r.isStartElement() && r.name().contains(part);
}

// The field's value is the token right after its start element.
template <typename R> QString takeText(R& r)
{
    r.readNext();
    return ownText(r.text());
}

template <typename R> int takeInt(R& r)
{
    r.readNext();
    return r.text().toInt(nullptr, 10);
}

template <typename R> bool takeNonZero(R& r)
{
    return takeInt(r) != 0;
}

template <typename R> bool takeNotZeroText(R& r)
{
    r.readNext();
    return r.text() != QLatin1String("0");
}

// A value cut off by the end of a broken document is no value.
template <typename R, typename List, typename T> void appendUnlessCut(const R& r, List& list, const T& value)
{
    if (!r.hasError())
        list.append(value);
}

template <typename R> std::string takeUtf8(R& r)
{
    return takeText(r).toUtf8().toStdString();
}

// Runs `fields` on each start element until the end tag of `element`.
template <typename Fields> bool readToOwnEnd(Reader& r, QLatin1String element, Fields fields)
{
    while (reading(r)) {
        if (isEnd(r, element))
            return true;
        if (r.isStartElement())
            fields();
        r.readNext();
    }
    return false;
}

bool isBlank(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

// A token walk, so that any nesting of the parameters costs nothing and
// loses nothing: each start element below the root names a parameter, and the
// text right after it (before any other tag) is its value. Text elsewhere and
// end tags carry nothing; the root's end tag ends the map.
template <typename R> QMap<QString, QString> readParameterMap(R& r, bool deviceState)
{
    QMap<QString, QString> map;
    if (deviceState) {
        const auto attributes = r.attributes();
        map.insert(QStringLiteral("isUpsFound"), attributes.value(QLatin1String("isUpsFound")).toString());
        map.insert(QStringLiteral("isProperDevice"),
                   attributes.value(QLatin1String("isProperDevice")).toString());
    }
    if (!r.isStartElement())
        return map;
    int depth = 0; // below the root
    QString key;
    QString value;
    bool open = false; // a parameter's start was the last tag
    const auto store = [&] {
        open = false;
        if (isBlank(value))
            return;
        if (deviceState && key != QLatin1String("events") && value.contains(QLatin1Char(';')))
            value.replace(QLatin1Char(';'), QLatin1String(" / "));
        value.squeeze(); // the map keeps it
        map.insert(key, value);
    };
    while (reading(r)) {
        r.readNext();
        if (r.isCharacters()) {
            // CDATA sections come as tokens of their own; the text is all of them.
            if (open)
                value += r.text();
            continue;
        }
        if (r.hasError())
            break; // a value cut off by the break is no value
        if (open)
            store();
        if (r.isStartElement()) {
            ++depth;
            key = ownText(r.name());
            value.clear();
            open = true;
        } else if (r.isEndElement()) {
            if (depth == 0)
                break;
            --depth;
        }
    }
    return map;
}
} // namespace

QMap<QString, QString> parseDeviceState(QXmlStreamReader& reader)
{
    return readParameterMap(reader, true);
}

QMap<QString, QString> parseDeviceState(PlainXmlReader& reader)
{
    return readParameterMap(reader, true);
}

QMap<QString, QString> parseUpsConfiguration(QXmlStreamReader& reader)
{
    return readParameterMap(reader, false);
}

QMap<QString, QString> parseUpsConfiguration(PlainXmlReader& reader)
{
    return readParameterMap(reader, false);
}

QVector<QString> parseShowMessage(QXmlStreamReader& r)
{
    QVector<QString> messages;
    readToOwnEnd(r, QLatin1String("show_message"), [&] {
        if (isStart(r, QLatin1String("message")))
            appendUnlessCut(r, messages, takeText(r));
    });
    return messages;
}

void parseSmtpTestStatus(QXmlStreamReader& r, int& currentStatus, QStringList& messages)
{
    currentStatus = 0;
    messages.clear();
    while (reading(r)) {
        if (isEnd(r, QLatin1String("smtp2_test_status")))
            return;
        if (isStart(r, QLatin1String("current_status"))) {
            const int status = takeInt(r);
            if (!r.hasError())
                currentStatus = status;
        }
        if (startContains(r, QLatin1String("msg_")))
            appendUnlessCut(r, messages, takeText(r));
        r.readNext();
    }
}

QStringList parseUpsLogs(QXmlStreamReader& r)
{
    QStringList lines;
    readToOwnEnd(r, QLatin1String("ups_logs"), [&] {
        if (startContains(r, QLatin1String("log_")))
            appendUnlessCut(r, lines, takeText(r));
    });
    return lines;
}

QList<QPair<int, int>> parseShutdownTimers(QXmlStreamReader& r)
{
    QList<QPair<int, int>> timers;
    int pendingId = 0;
    readToOwnEnd(r, QLatin1String("show_countdown"), [&] {
        if (isStart(r, QLatin1String("timer_id")))
            pendingId = takeInt(r);
        if (isStart(r, QLatin1String("time")))
            appendUnlessCut(r, timers, qMakePair(pendingId, takeInt(r)));
    });
    return timers;
}

QVector<int> parseComputerIds(QXmlStreamReader& r)
{
    QVector<int> ids;
    readToOwnEnd(r, QLatin1String("computers"), [&] {
        if (isStart(r, QLatin1String("computer_configId")))
            appendUnlessCut(r, ids, takeInt(r));
    });
    return ids;
}

Computer parseComputer(QXmlStreamReader& r)
{
    Computer computer;
    readToOwnEnd(r, QLatin1String("computer"), [&] {
        if (isStart(r, QLatin1String("computer_name")))
            computer.computer_name = takeText(r);
        if (isStart(r, QLatin1String("computer_address")))
            computer.computer_address = takeText(r);
        if (isStart(r, QLatin1String("computer_password")))
            computer.computer_password = takeText(r);
        if (isStart(r, QLatin1String("computer_configId")))
            computer.computer_configId = takeInt(r);
    });
    return computer;
}

QVector<Group> parseGroups(QXmlStreamReader& r, bool* complete)
{
    QVector<Group> groups;
    bool reachedEnd = false;
    while (reading(r)) {
        r.readNext();
        if (isEnd(r, QLatin1String("groups"))) {
            reachedEnd = true;
            break;
        }
        if (!isStart(r, QLatin1String("group")))
            continue;
        Group group;
        while (reading(r)) {
            if (isEnd(r, QLatin1String("group"))) {
                groups.append(group);
                break;
            }
            if (isStart(r, QLatin1String("group_name")))
                group.group_name = takeText(r);
            if (isStart(r, QLatin1String("group_configId")))
                group.group_configId = takeInt(r);
            if (isStart(r, QLatin1String("computers")))
                group.computers = parseComputerIds(r);
            r.readNext();
        }
    }
    if (complete)
        *complete = reachedEnd;
    return groups;
}

QSharedPointer<MessageAction> parseMessageAction(QXmlStreamReader& r)
{
    auto action = QSharedPointer<MessageAction>::create();
    readToOwnEnd(r, QLatin1String("message_action"), [&] {
        if (isStart(r, QLatin1String("message_text")))
            action->message_text = takeText(r);
    });
    return action;
}

QSharedPointer<SysCommandAction> parseSysCommandAction(QXmlStreamReader& r)
{
    auto action = QSharedPointer<SysCommandAction>::create();
    readToOwnEnd(r, QLatin1String("syscommand_action"), [&] {
        if (isStart(r, QLatin1String("command_line")))
            action->command_line = takeText(r);
        if (isStart(r, QLatin1String("command_options")))
            action->command_options = takeText(r);
        if (isStart(r, QLatin1String("stanbyUps")))
            action->stanbyUps = takeNonZero(r);
        if (isStart(r, QLatin1String("delay_time")))
            action->delay_time = takeInt(r);
    });
    return action;
}

QSharedPointer<PowerOffAction> parsePowerOffAction(QXmlStreamReader& r)
{
    auto action = QSharedPointer<PowerOffAction>::create();
    readToOwnEnd(r, QLatin1String("poweroff_action"), [&] {
        if (isStart(r, QLatin1String("type")))
            action->type = takeText(r);
        if (isStart(r, QLatin1String("stanbyUps")))
            action->stanbyUps = takeNonZero(r);
        if (isStart(r, QLatin1String("delay_time")))
            action->delay_time = takeInt(r);
        if (isStart(r, QLatin1String("vms_action_ids")))
            action->vms_action_ids = takeText(r);
    });
    return action;
}

QSharedPointer<SendMailAction> parseSendMailAction(QXmlStreamReader& r)
{
    auto action = QSharedPointer<SendMailAction>::create();
    readToOwnEnd(r, QLatin1String("sendmail_action"), [&] {
        if (isStart(r, QLatin1String("charCode")))
            action->charCode = takeText(r);
        if (isStart(r, QLatin1String("sender")))
            action->sender = takeText(r);
        if (isStart(r, QLatin1String("subject")))
            action->subject = takeText(r);
        if (isStart(r, QLatin1String("body")))
            action->body = takeText(r);
        if (isStart(r, QLatin1String("receipent")))
            action->receipent = takeText(r);
    });
    return action;
}

QSharedPointer<OutputSocketControlAction> parseOutputSocketControlAction(QXmlStreamReader& r)
{
    auto action = QSharedPointer<OutputSocketControlAction>::create();
    readToOwnEnd(r, QLatin1String("output_sock_action"), [&] {
        if (isStart(r, QLatin1String("first_sock_conf")))
            action->first_sock_conf = takeNonZero(r);
        else if (isStart(r, QLatin1String("first_sock_ena")))
            action->first_sock_ena = takeNonZero(r);
        else if (isStart(r, QLatin1String("first_sock_delay")))
            action->first_sock_delay = takeInt(r);
        else if (isStart(r, QLatin1String("second_sock_conf")))
            action->second_sock_conf = takeNonZero(r);
        else if (isStart(r, QLatin1String("second_sock_ena")))
            action->second_sock_ena = takeNonZero(r);
        else if (isStart(r, QLatin1String("second_sock_delay")))
            action->second_sock_delay = takeInt(r);
    });
    return action;
}

QVector<Event> parseEvents(QXmlStreamReader& r, bool* complete)
{
    QVector<Event> events;
    bool reachedEnd = false;
    while (reading(r)) {
        r.readNext();
        if (isEnd(r, QLatin1String("events"))) {
            reachedEnd = true;
            break;
        }
        if (!isStart(r, QLatin1String("event")))
            continue;
        Event event;
        while (reading(r)) {
            if (isEnd(r, QLatin1String("event"))) {
                events.append(event);
                break;
            }
            if (isStart(r, QLatin1String("event_state")))
                event.event_state = takeText(r);
            if (isStart(r, QLatin1String("expressionIn")))
                event.expressionIn = takeText(r);
            if (isStart(r, QLatin1String("expressionOut")))
                event.expressionOut = takeText(r);
            if (isStart(r, QLatin1String("event_number")))
                event.event_number = takeInt(r);
            if (isStart(r, QLatin1String("event_parentId")))
                event.event_parentId = takeInt(r);
            if (isStart(r, QLatin1String("message_action")))
                event.messageAction = parseMessageAction(r);
            if (isStart(r, QLatin1String("syscommand_action")))
                event.sysCommandAction = parseSysCommandAction(r);
            if (isStart(r, QLatin1String("poweroff_action")))
                event.powerOffAction = parsePowerOffAction(r);
            if (isStart(r, QLatin1String("sendmail_action")))
                event.sendMailAction = parseSendMailAction(r);
            if (isStart(r, QLatin1String("output_sock_action")))
                event.outputSocketAction = parseOutputSocketControlAction(r);
            r.readNext();
        }
    }
    if (complete)
        *complete = reachedEnd;
    return events;
}

QVector<Computer> parseAllComputers(QXmlStreamReader& r, bool* complete)
{
    QVector<Computer> computers;
    bool reachedEnd = false;
    r.readNext();
    while (reading(r)) {
        if (isEnd(r, QLatin1String("all_computers"))) {
            reachedEnd = true;
            break;
        }
        if (isStart(r, QLatin1String("computer")))
            computers.append(parseComputer(r));
        r.readNext();
    }
    if (complete)
        *complete = reachedEnd;
    return computers;
}

Luminorix::Utils::ApplicationConfiguration parseApplicationConfiguration(QXmlStreamReader& r, bool* complete)
{
    Luminorix::Utils::ApplicationConfiguration config;
    bool reachedEnd = false;
    if (r.name() == QLatin1String("application_configuration")) {
        reachedEnd = readToOwnEnd(r, QLatin1String("application_configuration"), [&] {
            if (isStart(r, QLatin1String("smtp2_security_type")))
                config.smtp.security_type = takeText(r);
            if (isStart(r, QLatin1String("smtp2_server")))
                config.smtp.server = takeText(r);
            if (isStart(r, QLatin1String("smtp2_port")))
                config.smtp.port = takeInt(r);
            if (isStart(r, QLatin1String("smtp2_timeout")))
                config.smtp.timeout = takeInt(r);
            if (isStart(r, QLatin1String("smtp2_sender_address")))
                config.smtp.sender_address = takeText(r);
            if (isStart(r, QLatin1String("smtp2_authentication")))
                config.smtp.authentication = takeNotZeroText(r);
            if (isStart(r, QLatin1String("smtp2_user")))
                config.smtp.user = takeText(r);
            if (isStart(r, QLatin1String("smtp2_pass")))
                config.smtp.pass = takeText(r);
            if (isStart(r, QLatin1String("log_files_path")))
                config.log_files_path = takeText(r);
            if (isStart(r, QLatin1String("run_on_boot")))
                config.run_on_boot = takeNotZeroText(r);
        });
    }
    if (complete)
        *complete = reachedEnd;
    return config;
}

QList<Luminorix::Utils::SerialPort> parseAvailablePorts(QXmlStreamReader& r)
{
    QList<Luminorix::Utils::SerialPort> ports;
    while (reading(r)) {
        if (isEnd(r, QLatin1String("available_ports")))
            break;
        if (!startContains(r, QLatin1String("com_port"))) {
            r.readNext();
            continue;
        }
        Luminorix::Utils::SerialPort port;
        port.com_port = takeText(r);
        if (!r.isEndElement())
            r.readNext(); // onto the port name's end tag
        r.readNext();
        while (reading(r) && r.isWhitespace())
            r.readNext(); // indentation between the two elements
        const bool flagFollows = startContains(r, QLatin1String("is_port_free"));
        if (flagFollows)
            port.is_port_free = takeInt(r) == 1;
        appendUnlessCut(r, ports, port);
        // Anything else (the next port, the list's end) is looked at afresh.
        if (flagFollows)
            r.readNext();
    }
    return ports;
}

QVector<Luminorix::Utils::Ups> parseUpsModelList(QXmlStreamReader& r)
{
    QVector<Luminorix::Utils::Ups> list;
    Luminorix::Utils::Ups ups;
    readToOwnEnd(r, QLatin1String("ups_model_list"), [&] {
        if (isStart(r, QLatin1String("model_name")))
            ups.model_name = takeText(r);
        if (startContains(r, QLatin1String("phy_id")))
            ups.phy_ids.append(takeText(r));
        if (isStart(r, QLatin1String("id")))
            ups.id = takeText(r);
        if (isStart(r, QLatin1String("communication")))
            ups.communication = takeText(r);
        if (isStart(r, QLatin1String("com_port")))
            ups.com_port = takeText(r);
        if (isStart(r, QLatin1String("ip")))
            ups.ip = takeText(r);
        if (isStart(r, QLatin1String("read")))
            ups.read = takeText(r);
        if (isStart(r, QLatin1String("write")))
            ups.write = takeText(r);
        if (isStart(r, QLatin1String("snmp_ver")))
            ups.snmp_ver = takeText(r);
        if (isStart(r, QLatin1String("serial_no")))
            ups.serial_no = takeText(r);
        if (isStart(r, QLatin1String("log_file_size")))
            ups.log_file_size = takeText(r);
        if (isStart(r, QLatin1String("log_time_interval")))
            ups.log_time_interval = takeText(r);
        if (isStart(r, QLatin1String("user_defined_name")))
            ups.user_defined_name = takeText(r);
        if (isStart(r, QLatin1String("log_params"))) {
            ups.log_params = takeText(r);
            appendUnlessCut(r, list, ups);
            ups = Luminorix::Utils::Ups(); // no field may leak into the next entry
        }
    });
    return list;
}

namespace {
// One field of a status record into `status`; false for any other element.
template <typename R> bool readStatusField(R& r, Luminorix::Utils::currentDeviceStatus& status)
{
    if (isStart(r, QLatin1String("id")))
        status.id = takeInt(r);
    else if (isStart(r, QLatin1String("status")))
        status.status = takeUtf8(r);
    else if (isStart(r, QLatin1String("connected")))
        status.connected = takeNonZero(r);
    else if (isStart(r, QLatin1String("parallel_unit")))
        status.parallel_unit = takeNonZero(r);
    else if (isStart(r, QLatin1String("unit_address")))
        status.unit_address = takeUtf8(r);
    else if (isStart(r, QLatin1String("master")))
        status.master = takeNonZero(r);
    else if (isStart(r, QLatin1String("power_compensation")))
        status.power_compensation = takeNonZero(r);
    else if (isStart(r, QLatin1String("output_socket1")))
        status.output_socket1 = takeNonZero(r);
    else if (isStart(r, QLatin1String("output_socket2")))
        status.output_socket2 = takeNonZero(r);
    else if (isStart(r, QLatin1String("ups_shutdown_supported")))
        status.ups_shutdown_supported = takeNonZero(r);
    else
        return false;
    return true;
}

template <typename R> QVector<Luminorix::Utils::currentDeviceStatus> readStatusList(R& r)
{
    using Luminorix::Utils::currentDeviceStatus;
    QVector<currentDeviceStatus> list;
    currentDeviceStatus status;
    bool filled = false;
    while (reading(r)) {
        if (isEnd(r, QLatin1String("ups_current_status_list")))
            break;
        if (r.isStartElement() && readStatusField(r, status))
            filled = true;
        // Both "ups_shutdown_supported" and a wrapping element like "ups" end a
        // record; only one that holds fields is kept, so a wrapper closing
        // right after that field adds no empty record.
        if (endsStatusRecord(r)) {
            if (filled)
                list.append(status);
            status = currentDeviceStatus();
            filled = false;
        }
        r.readNext();
    }
    return list;
}
} // namespace

bool endsStatusRecord(const PlainXmlReader& reader)
{
    if (!reader.isEndElement())
        return false;
    // Looked at for every end tag of a long list: QStringRef::contains costs more
    // than reading the tag did.
    const QStringRef name = reader.name();
    const QChar* c = name.unicode();
    for (int i = 0; i + 3 <= name.size(); ++i) {
        if (c[i] == QLatin1Char('u') && c[i + 1] == QLatin1Char('p') && c[i + 2] == QLatin1Char('s'))
            return true;
    }
    return false;
}

bool endsStatusRecord(const QXmlStreamReader& reader)
{
    return reader.isEndElement() && reader.name().contains(QLatin1String("ups"));
}

bool parseStatusRecord(PlainXmlReader& reader, int boundary, Luminorix::Utils::currentDeviceStatus* record)
{
    Luminorix::Utils::currentDeviceStatus status;
    bool filled = false;
    while (true) {
        if (reader.isStartElement() && readStatusField(reader, status))
            filled = true;
        if (reader.tokenIndex() >= boundary || reader.atEnd())
            break;
        reader.readNext();
    }
    if (filled)
        *record = status;
    return filled;
}

QVector<Luminorix::Utils::currentDeviceStatus> parseUpsCurrentStatusList(QXmlStreamReader& reader)
{
    return readStatusList(reader);
}

QVector<Luminorix::Utils::currentDeviceStatus> parseUpsCurrentStatusList(PlainXmlReader& reader)
{
    return readStatusList(reader);
}

} // namespace Luminorix
