#pragma once

#include "common/applicationconfiguration.h"
#include "common/computer.h"
#include "common/currentdevicestatus.h"
#include "common/event.h"
#include "common/group.h"
#include "common/serialport.h"
#include "common/ups.h"
#include "plainxmlreader.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QXmlStreamReader>

// Readers of the service's replies (configuration, status, logs, computers,
// actions). Each starts on the reply's start element and stops at its end
// tag, at the end of the document or at the first XML error, keeping what it
// has read. Where a reader takes `complete`, it is set to whether the reply's
// end tag was reached: a cut-off list must not be taken for the whole one.
namespace Luminorix {

// Every element below the root, however nested: name -> the text that follows
// its start tag; texts that are empty or all white space are left out. Device
// states also carry the root's "isUpsFound" and "isProperDevice" attributes and
// have ";" shown as " / " except in "events".
QMap<QString, QString> parseDeviceState(QXmlStreamReader& reader);
QMap<QString, QString> parseUpsConfiguration(QXmlStreamReader& reader);
// The same readers over a plain document, with the same results.
QMap<QString, QString> parseDeviceState(PlainXmlReader& reader);
QMap<QString, QString> parseUpsConfiguration(PlainXmlReader& reader);

QVector<QString> parseShowMessage(QXmlStreamReader& reader);
void parseSmtpTestStatus(QXmlStreamReader& reader, int& currentStatus, QStringList& messages);
QStringList parseUpsLogs(QXmlStreamReader& reader);
QList<QPair<int, int>> parseShutdownTimers(QXmlStreamReader& reader);

QVector<int> parseComputerIds(QXmlStreamReader& reader);
Computer parseComputer(QXmlStreamReader& reader);
QVector<Group> parseGroups(QXmlStreamReader& reader, bool* complete = nullptr);
QVector<Event> parseEvents(QXmlStreamReader& reader, bool* complete = nullptr);
QVector<Computer> parseAllComputers(QXmlStreamReader& reader, bool* complete = nullptr);

QSharedPointer<MessageAction> parseMessageAction(QXmlStreamReader& reader);
QSharedPointer<SysCommandAction> parseSysCommandAction(QXmlStreamReader& reader);
QSharedPointer<PowerOffAction> parsePowerOffAction(QXmlStreamReader& reader);
QSharedPointer<SendMailAction> parseSendMailAction(QXmlStreamReader& reader);
QSharedPointer<OutputSocketControlAction> parseOutputSocketControlAction(QXmlStreamReader& reader);

Luminorix::Utils::ApplicationConfiguration parseApplicationConfiguration(QXmlStreamReader& reader,
                                                                         bool* complete = nullptr);
QList<Luminorix::Utils::SerialPort> parseAvailablePorts(QXmlStreamReader& reader);
QVector<Luminorix::Utils::Ups> parseUpsModelList(QXmlStreamReader& reader);
QVector<Luminorix::Utils::currentDeviceStatus> parseUpsCurrentStatusList(QXmlStreamReader& reader);
QVector<Luminorix::Utils::currentDeviceStatus> parseUpsCurrentStatusList(PlainXmlReader& reader);
// Whether the token ends a status record: an end tag whose name holds "ups".
bool endsStatusRecord(const PlainXmlReader& reader);
bool endsStatusRecord(const QXmlStreamReader& reader);
// The record of the tokens from the current one up to the one at `boundary`
// (which ends a record), read as the list reader reads them from a fresh
// record; false, leaving `record` alone, when they hold no field.
bool parseStatusRecord(PlainXmlReader& reader, int boundary, Luminorix::Utils::currentDeviceStatus* record);

} // namespace Luminorix
