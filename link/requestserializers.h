#pragma once

#include "common/applicationconfiguration.h"
#include "common/computer.h"
#include "common/event.h"
#include "common/group.h"
#include "common/smtpconfig.h"
#include "common/ups.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// XML fragments of the records that requests carry after their "pass"
// element. Every text is escaped, so no value can break the request.
namespace Luminorix {

QByteArray serializeSmtpConfig(const Luminorix::Utils::SmtpConfig& config);
QByteArray serializeApplicationConfiguration(const Luminorix::Utils::ApplicationConfiguration& configuration);
QByteArray serializeUps(const Luminorix::Utils::Ups& ups);
QByteArray serializeGroups(const QVector<Group>& groups, const QString& upsId);
// Writes the actions the events hold; it neither frees nor detaches them.
QByteArray serializeEvents(const QVector<Event>& events, const QString& upsId);
QByteArray serializeComputers(const QVector<Computer>& computers);

} // namespace Luminorix
