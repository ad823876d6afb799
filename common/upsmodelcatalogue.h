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
// The configuration dialog's title names a generator set: contains "Ibis" in any case.
bool titlesConfigurationAsGeneratorSet(const QString& modelName);
// What Save of the configuration dialog asks or checks, by parts of the name in any case.
// A note on the failed-test signal before a 10 s battery test: "plover", "kitelcd", "wreniipro".
bool warnsBeforeShortBatteryTest(const QString& modelName);
// A question before EPO: "harrier33", "harrierrt", "falcon", "condor", "Harrier_Dual31",
// "HarrierRTPlus6_10".
bool asksBeforeEmergencyPowerOff(const QString& modelName);
// A question before the battery wear counter is reset: "ospreyrt", "kitelcd".
bool asksBeforeBatteryWearReset(const QString& modelName);
// Network card addresses, credentials and the standby delay checked: "ospreyrt".
bool checksNetworkCardSettings(const QString& modelName);
// Whether a missing temperature is the model's limit (true) or the interface's:
// the interface's for names containing "OspreyRt" in any case.
bool missingTemperatureIsModelLimit(const QString& modelName);
// The same for firmware and nominal powers: the interface's for names containing
// "Harrier_Dual31_SNMP" in any case.
bool missingNameplateIsModelLimit(const QString& modelName);
// The device picture's resource name: without "_RS232", "_SNMP" and "_USB"
// (exact case), then lower-cased.
QString devicePictureName(const QString& modelName);

// Rules of the device dialogs on the catalogue's upper-case model names
// (UpsModelEntry::upperCaseName) and identifiers.

// Whether the SNMP version may be chosen: the "HARRIER RT" and "HARRIER 31 DUAL"
// families (exact case) except "HARRIER RT PLUS", whose "6k/10k" variant gets it
// back (any case), and "HARRIER DARK" (any case). Every other model stays at "v1".
bool snmpVersionSelectable(const QString& upperCaseName);
// Whether the SNMP options ask for the controller's serial number: the generator
// family, "IBIS" in exactly this case.
bool hasControllerSerialNumber(const QString& upperCaseName);
// Whether changing a device from one model and interface to another restores its
// events to the defaults: another model always does; within "HARRIER RT" or
// "OSPREY RT" (prefixes, exact case) so does a move onto or off SNMP.
bool changeResetsEvents(const QString& upperCaseNameA, const QString& interfaceA,
                        const QString& upperCaseNameB, const QString& interfaceB);
// The class of identifiers of which the software monitors one device only
// (1 to 4), or 0 for an identifier that belongs to none.
int singleDeviceClass(const QString& identifier);
// The label of the first row with that identifier (exact), or the identifier
// itself when no row has it.
QString modelLabel(const QString& identifier);
