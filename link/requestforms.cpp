#include "requestforms.h"

#include "common/helpers.h"

#include <QXmlStreamWriter>

namespace Luminorix {

namespace {
QByteArray openRequest(const QString& name, const QString& digest)
{
    QByteArray out;
    out.reserve(64 + 2 * name.size());
    out += '<';
    out += name.toUtf8();
    out += "><pass>";
    out += digest.toUtf8();
    out += "</pass>";
    return out;
}

void closeRequest(QByteArray& out, const QString& name)
{
    out += "</";
    out += name.toUtf8();
    out += '>';
}

const char* flagText(bool value)
{
    return value ? "1" : "0";
}

void writeActionTree(QXmlStreamWriter& writer, const VmTableWidgetTypes::ActionParameters& action)
{
    writer.writeTextElement(QStringLiteral("name"), action.name);
    writer.writeTextElement(QStringLiteral("action_type"), actionTypeText(action.action_type));
    writer.writeTextElement(QStringLiteral("apply_to_all_running_vm"),
                            QLatin1String(flagText(action.apply_to_all_running_vm)));
    writer.writeTextElement(QStringLiteral("power_off_selected_hosts_after_vm_shutdown"),
                            QLatin1String(flagText(action.power_off_selected_hosts_after_vm_shutdown)));
    for (const VmActionTarget& target : action.selected_items) {
        writer.writeStartElement(QStringLiteral("selected_items"));
        writer.writeTextElement(QStringLiteral("host_type"), QString::number(target.host_type));
        writer.writeTextElement(QStringLiteral("host_id"), QString::number(target.host_id));
        if (!target.vm_ids.isEmpty()) {
            writer.writeStartElement(QStringLiteral("vm_ids"));
            for (int vmId : target.vm_ids)
                writer.writeTextElement(QStringLiteral("vm_id"), QString::number(vmId));
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
}
} // namespace

QByteArray plainRequest(const QString& name, const QString& digest)
{
    QByteArray out = openRequest(name, digest);
    closeRequest(out, name);
    return out;
}

QByteArray payloadRequest(const QString& name, const QString& digest, const QByteArray& payload)
{
    QByteArray out = openRequest(name, digest);
    out += payload;
    closeRequest(out, name);
    return out;
}

QByteArray mapRequest(const QString& name, const QString& digest, const QMap<QString, QString>& parameters)
{
    QByteArray out = openRequest(name, digest);
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it) {
        const QByteArray key = it.key().toUtf8();
        out += '<';
        out += key;
        out += '>';
        out += it.value().toUtf8();
        out += "</";
        out += key;
        out += ">\n";
    }
    closeRequest(out, name);
    return out;
}

QByteArray idElement(const QString& id)
{
    return "<id>" + id.toUtf8() + "</id>";
}

QMap<QString, QString> escapedValues(const QMap<QString, QString>& parameters)
{
    QMap<QString, QString> escaped;
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        escaped.insert(it.key(), escapeXml(it.value()));
    return escaped;
}

QString actionTypeText(int actionType)
{
    switch (actionType) {
    case 0:
        return QStringLiteral("power_on");
    case 1:
        return QStringLiteral("power_off");
    case 2:
        return QStringLiteral("suspend");
    case 3:
        return QStringLiteral("reset");
    default:
        return QStringLiteral("unknown");
    }
}

QByteArray actionRequest(const QString& name, const QString& digest,
                         const VmTableWidgetTypes::ActionParameters& action, const int* actionId)
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.writeStartElement(name);
    writer.writeTextElement(QStringLiteral("pass"), digest);
    if (actionId)
        writer.writeTextElement(QStringLiteral("action_id"), QString::number(*actionId));
    writeActionTree(writer, action);
    writer.writeEndDocument();
    return out;
}

QByteArray runActionRequest(const QString& digest, const QList<int>& ids)
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.writeStartElement(QStringLiteral("set_virtualization_center_action_run"));
    writer.writeTextElement(QStringLiteral("pass"), digest);
    if (!ids.isEmpty()) {
        writer.writeStartElement(QStringLiteral("ids"));
        for (int id : ids)
            writer.writeTextElement(QStringLiteral("id"), QString::number(id));
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return out;
}

} // namespace Luminorix
