#pragma once

#include "vmtablewidgettypes.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// The four textual forms of a request. `digest` is the administrator password
// digest carried in the first child element "pass".
namespace Luminorix {

// <name><pass>digest</pass></name>
QByteArray plainRequest(const QString& name, const QString& digest);
// As plainRequest with `payload` inserted unchanged after </pass>.
QByteArray payloadRequest(const QString& name, const QString& digest, const QByteArray& payload);
// One <key>value</key> line per entry, in the map's key order, each followed by
// a line feed. Keys and values are written as given.
QByteArray mapRequest(const QString& name, const QString& digest, const QMap<QString, QString>& parameters);
// <id>id</id>, written as given.
QByteArray idElement(const QString& id);

// A copy of `parameters` whose values are escaped for XML text.
QMap<QString, QString> escapedValues(const QMap<QString, QString>& parameters);

// "power_on", "power_off", "suspend", "reset", or "unknown".
QString actionTypeText(int actionType);
// The add (actionId null) or edit request of a virtualization-centre action,
// written with QXmlStreamWriter.
QByteArray actionRequest(const QString& name, const QString& digest,
                         const VmTableWidgetTypes::ActionParameters& action, const int* actionId);
// "set_virtualization_center_action_run" with an "ids" element when `ids` is not empty.
QByteArray runActionRequest(const QString& digest, const QList<int>& ids);

} // namespace Luminorix
