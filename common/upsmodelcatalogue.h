#pragma once

#include "upsmodelentry.h"

#include <QList>
#include <QString>
#include <QStringList>

// The supported models, one row per model and interface, in display order.
// Built on each call so the two translated names follow the current language.
QList<UpsModelEntry> upsModelCatalogue();

// Interfaces of the rows whose upper-case name is exactly `upperCaseName`.
QStringList interfacesForModel(const QString& upperCaseName);

// Identifier of the first row with that name and interface, or "unknown".
QString modelIdentifier(const QString& upperCaseName, const QString& interfaceName);

// Upper-case name of the row with that identifier, or "unknown".
QString modelForIdentifier(const QString& identifier);
