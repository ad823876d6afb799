#include "upsmodelcatalogue.h"

#include <QObject>
#include <initializer_list>

namespace {

struct ModelRow
{
    const char* identifier;
    const char* modelName;
    const char* interfaceName;
};

// Model names here are product names and stay untranslated.
const ModelRow modelRows[] = {
    {"WrenPro_RS232", "Wren Pro", "RS232"},
    {"WrenIIPro_USB", "Wren II Pro", "USB"},
    {"Wren_Avr_USB", "Wren AVR", "USB"},
    {"KiteLCD_USB", "Kite LCD", "USB"},
    {"Plover_USB", "Plover", "USB"},
    {"KitePro_USB", "Kite Pro", "USB"},
    {"KitePro_Rack_RS232", "Kite Pro Rack", "RS232"},
    {"KitePro_Avr_USB", "Kite Pro Avr CDS", "USB"},
    {"KitePro_Avr_Rack_USB", "Kite Pro Avr Rack CDS", "USB"},
    {"Osprey_RS232", "Osprey", "RS232"},
    {"Osprey_USB", "Osprey", "USB"},
    {"Osprey_Rack_RS232", "Osprey Rack", "RS232"},
    {"Osprey_HID_USB", "Osprey HID", "USB"},
    {"Osprey_HID_Rack_USB", "Osprey HID Rack", "USB"},
    {"OspreyJ_USB", "Osprey J", "USB"},
    {"Osprey_Rack_USB", "Osprey Rack", "USB"},
    {"OspreyRT_USB", "Osprey RT", "USB"},
    {"OspreyRT_SNMP", "Osprey RT", "SNMP"},
    {"OspreyRT_XL_USB", "Osprey RT XL", "USB"},
    {"OspreyRT_XL_SNMP", "Osprey RT XL", "SNMP"},
    {"OspreyXL_USB", "Osprey XL", "USB"},
    {"OspreyXL_RS232", "Osprey XL", "RS232"},
    {"OspreyXL_SNMP", "Osprey XL", "SNMP"},
    {"OspreyXL_Rack_USB", "Osprey XL Rack", "USB"},
    {"OspreyXL_Rack_RS232", "Osprey XL Rack", "RS232"},
    {"OspreyXL_Rack_SNMP", "Osprey XL Rack", "SNMP"},
    {"OspreyLT_RS232", "Osprey LT", "RS232"},
    {"OspreyLT_USB", "Osprey LT", "USB"},
    {"OspreyLT_SNMP", "Osprey LT", "SNMP"},
    {"OspreyPro_RS232", "Osprey Pro", "RS232"},
    {"OspreyPro_USB", "Osprey Pro", "USB"},
    {"OspreyPro_Rack_RS232", "Osprey Pro Rack", "RS232"},
    {"OspreyPro_Rack_USB", "Osprey Pro Rack", "USB"},
    {"OspreyPro_SNMP", "Osprey Pro", "SNMP"},
    {"OspreyPro_Rack_SNMP", "Osprey Pro Rack", "SNMP"},
    {"HARRIER_RT_PLUS_USB", "HARRIER RT PLUS", "USB"},
    {"HARRIER_RT_PLUS_RS232", "HARRIER RT PLUS", "RS232"},
    {"HARRIER_RT_PLUS_SNMP", "HARRIER RT PLUS", "SNMP"},
    {"HarrierRTPlus6_10_USB", "HARRIER RT PLUS 6k/10k", "USB"},
    {"HarrierRTPlus6_10_RS232", "HARRIER RT PLUS 6k/10k", "RS232"},
    {"HarrierRTPlus6_10_SNMP", "HARRIER RT PLUS 6k/10k", "SNMP"},
    {"Harrier_RT_PRO_1k_3k_RS232", "HARRIER RT PRO 1k-3k", "RS232"},
    {"Harrier_RT_PRO_1k_3k_USB", "HARRIER RT PRO 1k-3k", "USB"},
    {"Harrier_RT_PRO_1k_3k_SNMP", "HARRIER RT PRO 1k-3k", "SNMP"},
    {"Harrier_MULTI_10k_20k_RS232", "HARRIER MULTI 10k/20k", "RS232"},
    {"Harrier_MULTI_10k_20k_SNMP", "HARRIER MULTI 10k/20k", "SNMP"},
    {"Harrier_DARK_RS232", "HARRIER DARK", "RS232"},
    {"Harrier_DARK_SNMP", "HARRIER DARK", "SNMP"},
    {"Falcon_RS232", "Falcon", "RS232"},
    {"Falcon_USB", "Falcon", "USB"},
    {"Falcon_SNMP", "Falcon", "SNMP"},
    {"Harrier_Dual31_SNMP", "HARRIER 31 DUAL", "SNMP"},
    {"Harrier33_RS232", "Harrier 33", "RS232"},
    {"Harrier33_USB", "Harrier 33", "USB"},
    {"Harrier33_SNMP", "Harrier 33", "SNMP"},
    {"Harrier33Green_RS232", "Harrier 33 Green", "RS232"},
    {"Harrier33Green_USB", "Harrier 33 Green", "USB"},
    {"Harrier33Green_SNMP", "Harrier 33 Green", "SNMP"},
    {"HarrierRT_USB", "Harrier RT", "USB"},
    {"HarrierRT_RS232", "Harrier RT", "RS232"},
    {"HarrierRT_SNMP", "Harrier RT", "SNMP"},
    {"HarrierRT_6_10_USB", "Harrier RT 6000/10000", "USB"},
    {"HarrierRT_6_10_RS232", "Harrier RT 6000/10000", "RS232"},
    {"HarrierRT_6_10_SNMP", "Harrier RT 6000/10000", "SNMP"},
    {"OspreyCondor_RS232", "Osprey Condor", "RS232"},
    {"OspreyCondor_USB", "Osprey Condor", "USB"},
    {"OspreyCondor_SNMP", "Osprey Condor", "SNMP"},
    {"Harrier_RS232", "Harrier", "RS232"},
};

QString unknownModel()
{
    return QStringLiteral("unknown");
}

} // namespace

QList<UpsModelEntry> upsModelCatalogue()
{
    QList<UpsModelEntry> rows;
    rows.reserve(int(sizeof(modelRows) / sizeof(modelRows[0])) + 2);
    for (const ModelRow& row : modelRows)
        rows.append(UpsModelEntry(QLatin1String(row.identifier), QString::fromUtf8(row.modelName),
                                  QLatin1String(row.interfaceName)));
    rows.append(UpsModelEntry(QStringLiteral("Virtual_Device"), QObject::tr("Wirtualny UPS"), QString()));
    rows.append(
        UpsModelEntry(QStringLiteral("Ibis_SNMP"), QObject::tr("Agregat Ibis"), QStringLiteral("SNMP")));
    return rows;
}

QStringList interfacesForModel(const QString& upperCaseName)
{
    QStringList interfaces;
    for (const UpsModelEntry& entry : upsModelCatalogue()) {
        if (entry.upperCaseName() == upperCaseName)
            interfaces.append(entry.interfaceName());
    }
    return interfaces;
}

QString modelIdentifier(const QString& upperCaseName, const QString& interfaceName)
{
    for (const UpsModelEntry& entry : upsModelCatalogue()) {
        if (entry.upperCaseName() == upperCaseName && entry.interfaceName() == interfaceName)
            return entry.identifier();
    }
    return unknownModel();
}

QString modelForIdentifier(const QString& identifier)
{
    for (const UpsModelEntry& entry : upsModelCatalogue()) {
        if (entry.identifier() == identifier)
            return entry.upperCaseName();
    }
    return unknownModel();
}

bool isVirtualDeviceModel(const QString& modelName)
{
    return modelName == QLatin1String("Virtual_Device");
}

// "In any case" means on the lower-cased name, not a case-folding compare: the
// two differ for a few letters outside ASCII.
bool isThreePhaseModel(const QString& modelName)
{
    const QString lower = modelName.toLower();
    return lower.startsWith(QLatin1String("harrier33")) || lower.startsWith(QLatin1String("virtual_device"));
}

bool usesKiloUnits(const QString& modelName)
{
    return isThreePhaseModel(modelName) || modelName.toLower().startsWith(QLatin1String("falcon"));
}

bool isGeneratorSetModel(const QString& modelName)
{
    return modelName.contains(QLatin1String("Ibis"));
}

bool isHarrier33Model(const QString& modelName)
{
    return modelName.toLower().startsWith(QLatin1String("harrier33"));
}

bool allowsUpsConfiguration(const QString& modelName)
{
    return modelName.toLower() != QLatin1String("harrier (rs232)");
}

namespace {
bool containsAnyIgnoringCase(const QString& modelName, std::initializer_list<const char*> parts)
{
    for (const char* part : parts) {
        if (modelName.contains(QLatin1String(part), Qt::CaseInsensitive))
            return true;
    }
    return false;
}
} // namespace

bool titlesConfigurationAsGeneratorSet(const QString& modelName)
{
    return modelName.contains(QLatin1String("Ibis"), Qt::CaseInsensitive);
}

bool warnsBeforeShortBatteryTest(const QString& modelName)
{
    return containsAnyIgnoringCase(modelName, {"plover", "kitelcd", "wreniipro"});
}

bool asksBeforeEmergencyPowerOff(const QString& modelName)
{
    return containsAnyIgnoringCase(
        modelName, {"harrier33", "harrierrt", "falcon", "condor", "Harrier_Dual31", "HarrierRTPlus6_10"});
}

bool asksBeforeBatteryWearReset(const QString& modelName)
{
    return containsAnyIgnoringCase(modelName, {"ospreyrt", "kitelcd"});
}

bool checksNetworkCardSettings(const QString& modelName)
{
    return containsAnyIgnoringCase(modelName, {"ospreyrt"});
}

bool missingTemperatureIsModelLimit(const QString& modelName)
{
    return !modelName.contains(QLatin1String("OspreyRt"), Qt::CaseInsensitive);
}

bool missingNameplateIsModelLimit(const QString& modelName)
{
    return !modelName.contains(QLatin1String("Harrier_Dual31_SNMP"), Qt::CaseInsensitive);
}

QString devicePictureName(const QString& modelName)
{
    QString name = modelName;
    name.remove(QStringLiteral("_RS232"));
    name.remove(QStringLiteral("_SNMP"));
    name.remove(QStringLiteral("_USB"));
    return name.toLower();
}

bool snmpVersionSelectable(const QString& upperCaseName)
{
    const QString& d = upperCaseName;
    const bool rtFamily =
        (d.contains(QLatin1String("HARRIER RT")) || d.contains(QLatin1String("HARRIER 31 DUAL"))) &&
        !d.contains(QLatin1String("HARRIER RT PLUS"));
    return rtFamily || d.contains(QLatin1String("HARRIER RT PLUS 6k/10k"), Qt::CaseInsensitive) ||
           d.contains(QLatin1String("HARRIER DARK"), Qt::CaseInsensitive);
}

bool hasControllerSerialNumber(const QString& upperCaseName)
{
    return upperCaseName.contains(QLatin1String("IBIS"));
}

bool changeResetsEvents(const QString& upperCaseNameA, const QString& interfaceA,
                        const QString& upperCaseNameB, const QString& interfaceB)
{
    if (upperCaseNameA != upperCaseNameB)
        return true;
    const auto bothStartWith = [&](const char* prefix) {
        return upperCaseNameA.startsWith(QLatin1String(prefix)) &&
               upperCaseNameB.startsWith(QLatin1String(prefix));
    };
    if (!bothStartWith("HARRIER RT") && !bothStartWith("OSPREY RT"))
        return false;
    const bool snmpA = interfaceA.toLower().contains(QLatin1String("snmp"));
    const bool snmpB = interfaceB.toLower().contains(QLatin1String("snmp"));
    return snmpA != snmpB;
}

int singleDeviceClass(const QString& identifier)
{
    static const struct
    {
        const char* identifier;
        int deviceClass;
    } classes[] = {{"KiteLCD_USB", 1},   {"WrenIIPro_USB", 1},      {"Plover_USB", 1},
                   {"HarrierRT_USB", 2}, {"HarrierRT_6_10_USB", 3}, {"Wren_Avr_USB", 4}};
    for (const auto& row : classes) {
        if (identifier == QLatin1String(row.identifier))
            return row.deviceClass;
    }
    return 0;
}

QString modelLabel(const QString& identifier)
{
    for (const UpsModelEntry& entry : upsModelCatalogue()) {
        if (entry.identifier() == identifier)
            return entry.label();
    }
    return identifier;
}
