#include "extendedparameterrow.h"

#include "common/helpers.h"

#include <QCoreApplication>
#include <iterator>
#include <utility>

ExtendedParameterRow::ExtendedParameterRow(QString key, QString label, QString unit)
    : key(std::move(key)), label(std::move(label)), unit(std::move(unit))
{
}

namespace {
struct Row
{
    const char* key;
    const char* label;
    const char* generatorLabel; // null: the same for a generator set
    const char* unit;
};

// The labels' context is "QTranslator", not a class of this folder: the
// translation catalogue holds them there.
// clang-format off
const Row rows[] = {
    {"input_voltage", QT_TRANSLATE_NOOP("QTranslator", "Napięcie wejściowe"), QT_TRANSLATE_NOOP("QTranslator", "Napięcie fazowe w sieci elektrycznej"), "V"},
    {"input_line_to_line_voltage", QT_TRANSLATE_NOOP("QTranslator", "Napięcie międzyfazowe w sieci elektrycznej"), nullptr, "V"},
    {"input_frequency", QT_TRANSLATE_NOOP("QTranslator", "Częstotliwość wejściowa"), QT_TRANSLATE_NOOP("QTranslator", "Częstotliwość w sieci elektrycznej"), "Hz"},
    {"input_active_power", QT_TRANSLATE_NOOP("QTranslator", "Moc czynna wejściowa"), nullptr, "W"},
    {"output_voltage", QT_TRANSLATE_NOOP("QTranslator", "Napięcie wyjściowe"), nullptr, "V"},
    {"output_line_to_line_voltage", QT_TRANSLATE_NOOP("QTranslator", "Wyjściowe napięcie międzyfazowe"), nullptr, "V"},
    {"output_frequency", QT_TRANSLATE_NOOP("QTranslator", "Częstotliwość wyjściowa"), nullptr, "Hz"},
    {"input_spurious_power", QT_TRANSLATE_NOOP("QTranslator", "Moc pozorna wejściowa"), nullptr, "VA"},
    {"input_current", QT_TRANSLATE_NOOP("QTranslator", "Prąd wejściowy"), nullptr, "A"},
    {"input_pf", QT_TRANSLATE_NOOP("QTranslator", "PF wejściowy"), nullptr, ""},
    {"output_active_power", QT_TRANSLATE_NOOP("QTranslator", "Moc czynna wyjściowa"), nullptr, "W"},
    {"output_current", QT_TRANSLATE_NOOP("QTranslator", "Prąd wyjściowy"), nullptr, "A"},
    {"output_pf", QT_TRANSLATE_NOOP("QTranslator", "PF wyjściowy"), nullptr, ""},
    {"output_reactive_power", QT_TRANSLATE_NOOP("QTranslator", "Moc bierna wyjściowa"), nullptr, "VAr"},
    {"output_spurious_power", QT_TRANSLATE_NOOP("QTranslator", "Moc pozorna wyjściowa"), nullptr, "VA"},
    {"battery_current", QT_TRANSLATE_NOOP("QTranslator", "Prąd akumulatorów"), nullptr, "A"},
    {"battery_voltage", QT_TRANSLATE_NOOP("QTranslator", "Napięcie akumulatorów"), nullptr, "V"},
    {"temperature", QT_TRANSLATE_NOOP("QTranslator", "Temperatura"), nullptr, "°C"},
    {"output_load", QT_TRANSLATE_NOOP("QTranslator", "Obciążenie"), nullptr, "%"},
    {"output_load_power", QT_TRANSLATE_NOOP("QTranslator", "Moc obciążenia"), nullptr, "W"},
    {"temperature1", QT_TRANSLATE_NOOP("QTranslator", "Temperatura bloku DC/AC"), nullptr, "°C"},
    {"temperature2", QT_TRANSLATE_NOOP("QTranslator", "Temperatura bloku DC/AC"), nullptr, "°C"},
    {"temperature3", QT_TRANSLATE_NOOP("QTranslator", "Temperatura"), nullptr, "°C"},
    {"temperature4", QT_TRANSLATE_NOOP("QTranslator", "Temperatura"), nullptr, "°C"},
    {"radiator_temperature", QT_TRANSLATE_NOOP("QTranslator", "Temperatura radiatora"), nullptr, "°C"},
    {"battery_temperature", QT_TRANSLATE_NOOP("QTranslator", "Temperatura akumulatora"), nullptr, "°C"},
    {"seconds_on_battery", QT_TRANSLATE_NOOP("QTranslator", "Czas pracy rezerwowej"), nullptr, "s"},
    {"mac_address", QT_TRANSLATE_NOOP("QTranslator", "Adres MAC"), nullptr, ""},
    {"ip_address", QT_TRANSLATE_NOOP("QTranslator", "Adres IP"), nullptr, ""},
    {"network_mask", QT_TRANSLATE_NOOP("QTranslator", "Maska sieci"), nullptr, ""},
    {"default_gateway", QT_TRANSLATE_NOOP("QTranslator", "Brama domyślna"), nullptr, ""},
    {"accumulator_capacity", QT_TRANSLATE_NOOP("QTranslator", "Pojemność akumulatorów"), nullptr, "Ah"},
    {"bypass_voltage", QT_TRANSLATE_NOOP("QTranslator", "Napięcie bypass"), nullptr, "V"},
    {"bypass_voltage_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Napięcie bypass L1/L2/L3"), nullptr, "V"},
    {"bypass_current", QT_TRANSLATE_NOOP("QTranslator", "Prąd bypass"), nullptr, "A"},
    {"bypass_current_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Prąd bypass L1/L2/L3"), nullptr, "A"},
    {"input_active_power_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Moc czynna wej L1/L2/L3"), nullptr, "W"},
    {"output_active_power_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Moc czynna wyj L1/L2/L3"), nullptr, "W"},
    {"bypass_active_power", QT_TRANSLATE_NOOP("QTranslator", "Moc czynna bypass"), nullptr, "W"},
    {"bypass_active_power_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Moc czynna byp L1/L2/L3"), nullptr, "W"},
    {"output_reactive_power_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Moc bierna wyj L1/L2/L3"), nullptr, "VAr"},
    {"input_spurious_power_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Moc pozorna wej L1/L2/L3"), nullptr, "VA"},
    {"output_pf_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "PF wyjściowy L1/L2/L3"), nullptr, ""},
    {"output_spurious_power_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Moc pozorna wyj L1/L2/L3"), nullptr, "VA"},
    {"bypass_spurious_power", QT_TRANSLATE_NOOP("QTranslator", "Moc pozorna bypass"), nullptr, "VA"},
    {"bypass_spurious_power_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Moc pozorna byp L1/L2/L3"), nullptr, "VA"},
    {"input_power_factor", QT_TRANSLATE_NOOP("QTranslator", "Współczynnik mocy wyjściowej"), nullptr, "W/VA"},
    {"bypass_power_factor", QT_TRANSLATE_NOOP("QTranslator", "Współczynnik mocy bypass"), nullptr, "W/VA"},
    {"bypass_pf", QT_TRANSLATE_NOOP("QTranslator", "PF toru obejściowego"), nullptr, ""},
    {"rectifier_power_factor", QT_TRANSLATE_NOOP("QTranslator", "Współczynnik mocy prostownika"), nullptr, "W/VA"},
    {"bypass_frequency", QT_TRANSLATE_NOOP("QTranslator", "Częstotliwość bypass"), nullptr, "Hz"},
    {"rectifier_voltage", QT_TRANSLATE_NOOP("QTranslator", "Napięcie prostownika"), nullptr, "V"},
    {"rectifier_current", QT_TRANSLATE_NOOP("QTranslator", "Prąd prostownika"), nullptr, "A"},
    {"rectifier_frequency", QT_TRANSLATE_NOOP("QTranslator", "Częstotliwość prostownika"), nullptr, "Hz"},
    {"rectifier_active_power", QT_TRANSLATE_NOOP("QTranslator", "Moc czynna prostownika"), nullptr, "W"},
    {"rectifier_spurious_power", QT_TRANSLATE_NOOP("QTranslator", "Moc pozorna prostownika"), nullptr, "VA"},
    {"rectifier_pf", QT_TRANSLATE_NOOP("QTranslator", "PF prostownika"), nullptr, ""},
    {"accumulator_state", QT_TRANSLATE_NOOP("QTranslator", "Stan akumulatorów"), nullptr, "%"},
    {"environment_temperature", QT_TRANSLATE_NOOP("QTranslator", "Temperatura otoczenia"), nullptr, "°C"},
    {"relative_humidity", QT_TRANSLATE_NOOP("QTranslator", "Wilgotność względna"), nullptr, "%"},
    {"input_maximum_voltage", QT_TRANSLATE_NOOP("QTranslator", "Maksymalne napięcie wejściowe"), nullptr, "V"},
    {"input_minimum_voltage", QT_TRANSLATE_NOOP("QTranslator", "Minimalne napięcie wejściowe"), nullptr, "V"},
    {"positive_bus_voltage", QT_TRANSLATE_NOOP("QTranslator", "Dodatnie napięcie magistrali"), nullptr, "V"},
    {"negative_bus_voltage", QT_TRANSLATE_NOOP("QTranslator", "Ujemne napięcie magistrali"), nullptr, "V"},
    {"output_current_precentage", QT_TRANSLATE_NOOP("QTranslator", "Prąd wyjściowy"), nullptr, "%"},
    {"compensation_base_factor_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Bazowy współczynnik kompensacji"), nullptr, ""},
    {"compensation_factor_L1_L2_L3", QT_TRANSLATE_NOOP("QTranslator", "Współczynnik kompensacji"), nullptr, ""},
    {"d_plus", QT_TRANSLATE_NOOP("QTranslator", "D+"), nullptr, "V"},
    {"fuel_level", QT_TRANSLATE_NOOP("QTranslator", "Poziom paliwa"), nullptr, "%"},
    {"run_time", QT_TRANSLATE_NOOP("QTranslator", "Całkowity czas pracy"), nullptr, "h"},
    {"tot_fuel_consum", QT_TRANSLATE_NOOP("QTranslator", "Całkowite zużycie paliwa"), nullptr, "l"},
    {"num_starts", QT_TRANSLATE_NOOP("QTranslator", "Liczba uruchomień"), nullptr, ""},
    {"e_stops", QT_TRANSLATE_NOOP("QTranslator", "Wyłączenia awaryjne"), nullptr, ""},
    {"maintenance", QT_TRANSLATE_NOOP("QTranslator", "Czas do przeglądu"), nullptr, "h"},
    {"serial_number", QT_TRANSLATE_NOOP("QTranslator", "Numer seryjny sterownika"), nullptr, ""},
    {"counter_mains_out_of_range", QT_TRANSLATE_NOOP("QTranslator", "Licznik zaników napięcia sieciowego"), nullptr, ""},
    {"counter_avr_up", QT_TRANSLATE_NOOP("QTranslator", "Licznik wyzwoleń AVR podwyższającego"), nullptr, ""},
    {"counter_overload", QT_TRANSLATE_NOOP("QTranslator", "Licznik przeciążeń"), nullptr, ""},
    {"counter_shortcut", QT_TRANSLATE_NOOP("QTranslator", "Licznik zwarć"), nullptr, ""},
    {"counter_discharge", QT_TRANSLATE_NOOP("QTranslator", "Licznik rozładowań"), nullptr, ""},
    {"time_on_overload", QT_TRANSLATE_NOOP("QTranslator", "Czas pracy w przeciążeniu"), nullptr, "min"},
    {"time_on_normal", QT_TRANSLATE_NOOP("QTranslator", "Czas pracy sieciowej"), nullptr, "h"},
    {"time_on_battery", QT_TRANSLATE_NOOP("QTranslator", "Czas pracy autonomicznej"), nullptr, "min"},
    {"battery_remaining_time_limit", QT_TRANSLATE_NOOP("QTranslator", "Próg sygnalizacji niskiego poziomu baterii"), nullptr, "s"},
    {"ups_serial_number", QT_TRANSLATE_NOOP("QTranslator", "Numer fabryczny UPS"), nullptr, ""},
    {"snmp_sys_name", QT_TRANSLATE_NOOP("QTranslator", "Nazwa urządzenia"), nullptr, ""},
    {"snmp_sys_location", QT_TRANSLATE_NOOP("QTranslator", "Lokalizacja urządzenia"), nullptr, ""},
    {"snmp_sys_contact", QT_TRANSLATE_NOOP("QTranslator", "Osoba kontaktowa"), nullptr, ""},
    {"snmp_agent_firmware_version", QT_TRANSLATE_NOOP("QTranslator", "Wersja firmware karty NMC"), nullptr, ""},
    {"maximum_number_of_ups_module", QT_TRANSLATE_NOOP("QTranslator", "Maksymalna ilość modułów UPS"), nullptr, ""},
    {"rated_va_per_ups_module", QT_TRANSLATE_NOOP("QTranslator", "Znamionowa moc pozorna pojedynczego\nmodułu UPS"), nullptr, "VA"},
    {"ups_input_output_phase", QT_TRANSLATE_NOOP("QTranslator", "Konfiguracja faz wejściowych/wyjściowych UPS"), nullptr, ""},
};
// clang-format on

// Rows after these are shown but do not make the view worth opening.
const int availabilityRows = 83;
} // namespace

QList<ExtendedParameterRow> extendedParameterTable(bool isGenerator)
{
    QList<ExtendedParameterRow> table;
    table.reserve(int(std::size(rows)));
    for (const Row& row : rows) {
        const char* label = isGenerator && row.generatorLabel ? row.generatorLabel : row.label;
        const QString unit = QString::fromUtf8(row.unit);
        table.append(ExtendedParameterRow(QString::fromLatin1(row.key),
                                          QCoreApplication::translate("QTranslator", label),
                                          unit == degreeCelsiusUnit() ? degreeCelsiusUnit() : unit));
    }
    return table;
}

const QStringList& extendedParameterKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (int i = 0; i < availabilityRows; ++i)
            list.append(QString::fromLatin1(rows[i].key));
        return list;
    }();
    return keys;
}

bool hasExtendedParameterKeys(const QMap<QString, QString>& parameters)
{
    for (const QString& key : extendedParameterKeys()) {
        if (parameters.contains(key))
            return true;
    }
    return false;
}
