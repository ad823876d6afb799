#include "logparameterlabel.h"

#include <QCoreApplication>

namespace {

enum class Match
{
    Equal,
    Contains
};

struct LabelRow
{
    const char* key;
    Match match;
    const char* label; // translated; the unit is not
    const char* unit;  // UTF-8, appended as it is; empty for none
};

// Searched in order and the first match decides: some rows are substring tests,
// so a key holding two of their keys takes the earlier row. The texts are
// translation keys and stay as the service's logs have always been headed,
// misspellings included.
const LabelRow labelRows[] = {
    {"date", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Data"), ""},
    {"time", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Czas"), ""},
    {"autonomy_time", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Czas autonomii"), " [min.]"},
    {"battery_capacity", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Stan naładowania akumulatora"),
     " [%]"},
    {"device_status", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Tryb pracy"), ""},
    {"temperature", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Temp. wewnętrzna zasilacza"), " [°C]"},
    {"input_voltage", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Napięcie wejściowe"), " [V]"},
    {"input_frequency", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Częstotliwość wejściowa"), " [Hz]"},
    {"input_active_power", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc czynna wejściowa"), " [W]"},
    {"output_voltage", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Napięcie wyjściowe"), " [V]"},
    {"output_frequency", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Częstotliwość wyjściowa"),
     " [Hz]"},
    {"input_spurious_power", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc pozorna wejściowa"),
     " [VA]"},
    {"input_current", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Prąd wejściowy"), " [A]"},
    {"input_pf", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "PF wejściowy"), ""},
    {"output_active_power", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc czynna wyjściowa"), " [W]"},
    {"output_current", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Prąd wyjściowy"), " [A]"},
    {"output_pf", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "PF wyjściowy"), ""},
    {"output_spurious_power", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc pozorna wyjściowa"),
     " [VA]"},
    {"battery_current", Match::Contains, QT_TRANSLATE_NOOP("UpsLogsWindow", "Prąd akumulatorów"), " [A]"},
    {"battery_voltage", Match::Contains, QT_TRANSLATE_NOOP("UpsLogsWindow", "Napięcie akumulatorów"), " [V]"},
    {"output_load", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Obciążenie"), " [%]"},
    {"output_load_power", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc obciążenia"), " [W]"},
    {"temperature_1", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Temp. 1"), " [°C]"},
    {"temperature_2", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Temp. 2"), " [°C]"},
    {"temperature_3", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Temp. 3"), " [°C]"},
    {"temperature_4", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Temp. 4"), " [°C]"},
    {"accumulator_capacity", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Pojemność akumulatorów"),
     " [Ah]"},
    {"bypass_voltage", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Napięcie bypass"), " [V]"},
    {"bypass_current", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Prąd bypass"), " [A]"},
    {"bypass_active_power", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc czynna bypass"), " [W]"},
    {"bypass_spurious_power", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc pozorna bypass"),
     " [VA]"},
    // Headed like the output factor, as the extended measurements head this key too.
    {"input_power_factor", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Współczynnik mocy wyjściowej"),
     " [W/VA]"},
    {"bypass_power_factor", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Współczynnik mocy bypass"),
     " [W/VA]"},
    {"bypass_pf", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "PF toru obejściowego"), ""},
    {"rectifier_power_factor", Match::Equal,
     QT_TRANSLATE_NOOP("UpsLogsWindow", "Współczynnik mocy prostownika"), " [W/VA]"},
    {"bypass_frequency", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Częstotliwość bypass"), " [Hz]"},
    {"rectifier_voltage", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Napięcie prostownika"), " [V]"},
    {"rectifier_current", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Prąd prostownika"), " [A]"},
    {"rectifier_frequency", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Częstotliwość prostownika"),
     " [Hz]"},
    {"rectifier_active_power", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc czynna prostownika"),
     " [W]"},
    {"rectifier_spurious_power", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc pozorna prostownika"),
     " [VA]"},
    {"rectifier_pf", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "PF prostownika"), ""},
    {"accumulator_state", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Stan akumulatorów"), " [%]"},
    {"environment_temperature", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Temp. otoczenia"), " [°C]"},
    {"relative_humidity", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Wilgotność względna"), " [%]"},
    {"input_maximum_voltage", Match::Equal,
     QT_TRANSLATE_NOOP("UpsLogsWindow", "Maksymalne napięcie wejściowe"), " [V]"},
    {"input_minimum_voltage", Match::Equal,
     QT_TRANSLATE_NOOP("UpsLogsWindow", "Minimalne napięcie wejściowe"), " [V]"},
    {"negative_bus_voltage", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Ujemne napięcie magistrali"),
     " [V]"},
    {"output_current_precentage", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Prąd wyjściowy"), " [%]"},
    {"positive_bus_voltage", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Dodatnie napięcie magistrali"),
     " [V]"},
    {"radiator_temperature", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Temp. radiatora"), " [°C]"},
    {"battery_temperature", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Temp. akumulatorów"), " [°C]"},
    {"seconds_on_battery", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Czas pracy rezerwowej"), " [s]"},
    {"fuel_level", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Poziom paliwa"), " [%]"},
    {"run_time", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Całkowity czas pracy"), " [h]"},
    {"tot_fuel_consum", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Całkowite zużycie paliwa"), " [l]"},
    {"input_line_to_line_voltage", Match::Equal,
     QT_TRANSLATE_NOOP("UpsLogsWindow", "Nap. międzyfazowe w sieci elektrycznej"), " [V]"},
    {"output_line_to_line_voltage", Match::Equal,
     QT_TRANSLATE_NOOP("UpsLogsWindow", "Wyjściowe napięcie międzyfazowe"), " [V]"},
    {"d_plus", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "D+"), " [V]"},
    {"e_stops", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Wyłączenia awaryjne"), ""},
    {"maintenance", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Czas do przeglądu"), " [h]"},
    {"num_starts", Match::Equal, QT_TRANSLATE_NOOP("UpsLogsWindow", "Liczba uruchomień"), ""},
    {"output_reactive_power", Match::Contains, QT_TRANSLATE_NOOP("UpsLogsWindow", "Moc bierna wyjściowa"),
     " [VAr]"},
    {"counter_mains_out_of_range", Match::Contains,
     QT_TRANSLATE_NOOP("UpsLogsWindow", "Licznik zaników napięcia sieciowego"), ""},
    {"counter_avr_up", Match::Contains,
     QT_TRANSLATE_NOOP("UpsLogsWindow", "Licznik wyzwoleń AVR podwyższającego"), ""},
    {"counter_overload", Match::Contains, QT_TRANSLATE_NOOP("UpsLogsWindow", "Licznik przeciążeń"), ""},
    {"counter_shortcut", Match::Contains, QT_TRANSLATE_NOOP("UpsLogsWindow", "Licznik zwarć"), ""},
    {"counter_discharge", Match::Contains, QT_TRANSLATE_NOOP("UpsLogsWindow", "Licznik rozładowań"), ""},
    {"time_on_overload", Match::Contains, QT_TRANSLATE_NOOP("UpsLogsWindow", "Czas pracy w przeciążeniu"),
     " [min]"},
    {"time_on_normal", Match::Contains, QT_TRANSLATE_NOOP("UpsLogsWindow", "Czas pracy sieciowej"), " [h]"},
    {"time_on_battery", Match::Contains, QT_TRANSLATE_NOOP("UpsLogsWindow", "Czas pracy autonomicznej"),
     " [min]"},
};

bool matches(const LabelRow& row, const QString& key)
{
    const QLatin1String rowKey(row.key);
    return row.match == Match::Equal ? key == rowKey : key.contains(rowKey);
}
} // namespace

QString logParameterLabel(const QString& key)
{
    for (const LabelRow& row : labelRows) {
        if (matches(row, key))
            return QCoreApplication::translate("UpsLogsWindow", row.label) + QString::fromUtf8(row.unit);
    }
    return key;
}
