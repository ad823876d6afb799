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

// Rules on a model identifier as the service reports it (`Ups::model_name`),
// which may lie outside the catalogue. Each keeps its own letter-case rule.

// "Virtual_Device", exactly.
bool isVirtualDeviceModel(const QString& modelName);
// Three load phases: starts with "harrier33" or "virtual_device" in any case.
bool isThreePhaseModel(const QString& modelName);
// Powers shown in kW and kVA: the three-phase prefixes or "falcon", in any case.
bool usesKiloUnits(const QString& modelName);
// A generator set rather than a UPS: contains "Ibis" in exactly this case.
bool isGeneratorSetModel(const QString& modelName);
// The series whose event history the tree offers: starts with "harrier33" in any case.
bool isHarrier33Model(const QString& modelName);
// Whether the configuration may be edited: anything but "harrier (rs232)" in any case.
bool allowsUpsConfiguration(const QString& modelName);
// Whether a missing temperature is the model's limit (true) or the interface's:
// the interface's for names containing "OspreyRt" in any case.
bool missingTemperatureIsModelLimit(const QString& modelName);
// The same for firmware and nominal powers: the interface's for names containing
// "Harrier_Dual31_SNMP" in any case.
bool missingNameplateIsModelLimit(const QString& modelName);
// The device picture's resource name: without "_RS232", "_SNMP" and "_USB"
// (exact case), then lower-cased.
QString devicePictureName(const QString& modelName);
