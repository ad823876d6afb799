#include "eventdefinitions.h"

#include <QtGlobal>

// The display names are translated where they are shown, in the dialog's context.

const QVector<EventDefinition>& defaultEventDefinitionTable()
{
    static const QVector<EventDefinition> table{
        {"stateNoCommunication", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Brak komunikacji"),
         "stateNoCommunication,ON,==,", "stateNoCommunication,OFF,==,"},
        {"stateNormal", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Praca w trybie sieciowym"),
         "stateNormal,ON,==,", "stateNormal,OFF,==,"},
        {"stateBatteryBackup",
         QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Praca w trybie podtrzymania z baterii"),
         "stateBatteryBackup,ON,==,", "stateNormal,ON,==,"},
        {"stateBatteryLowLevel",
         QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Niski poziom energii baterii"),
         "stateBatteryLowLevel,ON,==,", "stateNormal,ON,==,"},
        {"stateShortcut", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Zwarcie"), "stateShortcut,ON,==,",
         "stateNormal,ON,==,"},
        {"stateOverload", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Przeciążenie"),
         "stateOverload,ON,==,", "stateNormal,ON,==,"},
        {"stateAvrActive", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Aktywny AVR"),
         "stateAvrActive,ON,==,", "stateNormal,ON,==,"},
        {"stateFault", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Tryb błędu"), "stateFault,ON,==,",
         "stateNormal,ON,==,"},
    };
    return table;
}

const QVector<EventDefinition>& avrEventDefinitionTable()
{
    // The battery-backup end condition has no final comma; readers skip empty
    // parts, so it reads as if it had one. Kept as the service has always had it.
    static const QVector<EventDefinition> table{
        {"stateNoCommunication", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Brak komunikacji"),
         "stateNoCommunication,ON,==,", "stateNoCommunication,OFF,==,"},
        {"stateNormal", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Praca w trybie sieciowym"),
         "stateNormal,ON,==,stateAvrActive,ON,==,||,", "stateNormal,OFF,==,stateAvrActive,OFF,==,&&,"},
        {"stateBatteryBackup",
         QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Praca w trybie podtrzymania z baterii"),
         "stateBatteryBackup,ON,==,", "stateNormal,ON,==,stateAvrActive,ON,==,||"},
        {"stateBatteryLowLevel",
         QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Niski poziom energii baterii"),
         "stateBatteryLowLevel,ON,==,", "stateNormal,ON,==,stateAvrActive,ON,==,||,"},
        {"stateShortcut", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Zwarcie"), "stateShortcut,ON,==,",
         "stateShortcut,OFF,==,"},
        {"stateOverload", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Przeciążenie"),
         "stateOverload,ON,==,", "stateOverload,OFF,==,"},
        {"stateAvrActive", QT_TRANSLATE_NOOP("NetworkConfigurationWindow", "Aktywny AVR"),
         "stateAvrActive,ON,==,", "stateAvrActive,OFF,==,"},
    };
    return table;
}

bool usesAvrEventDefinitions(const QString& modelName)
{
    const bool avrFamily =
        modelName.startsWith(QLatin1String("Osprey_")) || modelName.startsWith(QLatin1String("OspreyJ_"));
    return avrFamily && !modelName.contains(QLatin1String("HID"), Qt::CaseInsensitive);
}

bool isAdvancedEventModel(const QString& modelName)
{
    static const char* const prefixes[] = {"Harrier33", "HarrierRT", "Falcon", "Virtual", "OspreyRT"};
    static const char* const parts[] = {"Condor",
                                        "Ibis",
                                        "KitePro_Avr",
                                        "Wren_Avr",
                                        "Harrier_Dual31",
                                        "HARRIER_RT_PLUS",
                                        "Osprey_HID",
                                        "HarrierRTPlus6_10",
                                        "Harrier_MULTI_10k_20k",
                                        "Harrier_DARK",
                                        "Harrier_RT_PRO_1k_3k"};
    for (const char* prefix : prefixes) {
        if (modelName.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return true;
    }
    for (const char* part : parts) {
        if (modelName.contains(QLatin1String(part), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QStringList offeredEventKeysForModel(const QString& modelName)
{
    const auto startsWith = [&](const char* prefix) {
        return modelName.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
    };
    QStringList keys{QStringLiteral("stateNormal"), QStringLiteral("stateBatteryBackup"),
                     QStringLiteral("stateBatteryLowLevel")};
    if (startsWith("Osprey"))
        keys << QStringLiteral("stateOverload") << QStringLiteral("stateShortcut")
             << QStringLiteral("stateAvrActive");
    if (modelName != QLatin1String("KitePro_Rack_RS232") && modelName != QLatin1String("WrenPro_RS232"))
        keys << QStringLiteral("stateNoCommunication");
    if (startsWith("Plover"))
        keys << QStringLiteral("stateAvrActive");
    if (startsWith("Plover") || startsWith("KiteLCD") || startsWith("WrenIIPro"))
        keys << QStringLiteral("stateFault");
    return keys;
}
