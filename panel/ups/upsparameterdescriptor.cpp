#include "upsparameterdescriptor.h"

#include "common/helpers.h"

#include <QCoreApplication>
#include <iterator>
#include <utility>

UpsParameterDescriptor::UpsParameterDescriptor(QString key, QString label, QString unit, int kind,
                                               bool visible, bool wide)
    : key(std::move(key)), label(std::move(label)), unit(std::move(unit)), kind(kind), visible(visible),
      wide(wide)
{
}

namespace {
struct Row
{
    const char* key;
    const char* label;
    const char* unit;
    UpsParameterDescriptor::EditorKind kind;
    bool visible;
    bool wide;
};

constexpr auto LineEditKind = UpsParameterDescriptor::LineEditKind;
constexpr auto CheckBoxKind = UpsParameterDescriptor::CheckBoxKind;
constexpr auto RadioGroupKind = UpsParameterDescriptor::RadioGroupKind;
constexpr auto ComboBoxKind = UpsParameterDescriptor::ComboBoxKind;

// clang-format off
const Row rows[] = {
    {"output_voltage", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Napięcie wyjściowe"), "VAC rms", LineEditKind, true, false},
    {"output_frequency", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Częstotliwość wyjściowa"), "Hz", LineEditKind, true, false},
    {"lower_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg dolny wejściowy"), "VAC rms", LineEditKind, true, false},
    {"upper_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg górny wejściowy"), "VAC rms", LineEditKind, true, false},
    {"lower_avr_boost_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg dolny AVR Boost"), "VAC rms", LineEditKind, true, false},
    {"lower_avr_trim_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg dolny AVR Trim"), "VAC rms", LineEditKind, true, false},
    {"battery_modules_count", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Liczba modułów bateryjnych"), "", LineEditKind, true, false},
    {"standby_delay", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opóźnienie trybu oczekiwania"), "s", LineEditKind, true, false},
    {"min_back_capacity", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Minimalna pojemność powrotu"), "%", LineEditKind, true, false},
    {"output_voltage_L1", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Napięcie wyjściowe L1"), "VAC rms", LineEditKind, true, false},
    {"output_voltage_L2", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Napięcie wyjściowe L2"), "VAC rms", LineEditKind, true, false},
    {"output_voltage_L3", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Napięcie wyjściowe L3"), "VAC rms", LineEditKind, true, false},
    {"upper_freq_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg górny częstotliwościowy"), "Hz", LineEditKind, true, false},
    {"lower_freq_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg dolny częstotliwościowy"), "Hz", LineEditKind, true, false},
    {"overload_alert_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Przeciążenie stop"), "%", LineEditKind, true, false},
    {"standby_cap", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Pojemność ze standby"), "%", LineEditKind, true, false},
    {"battery_cap", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Pojemność sekcji akumulatorów"), "Ah", LineEditKind, true, false},
    {"auth_time_low_battery", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Czas autonomii, przy którym \nzgłaszany jest niski poziom baterii"), "s", LineEditKind, true, false},
    {"battery_load_current", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Prąd ładowania"), "0.1A", LineEditKind, true, false},
    {"parallerl_unit_addr", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Adres jednostki równoległej"), "", LineEditKind, true, false},
    {"min_parallel_unit_count", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Minimalna liczba jednostek \nw pracy równoległej"), "", LineEditKind, true, false},
    {"modbus_address", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Adres Modbus"), "", LineEditKind, true, false},
    {"shutdown_delay", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Czas wyłączenia komputera"), "min", LineEditKind, true, false},
    {"restore_delay", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Czas oczekiwania przed włączeniem UPS"), "min", LineEditKind, true, false},
    {"on_off", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Wymuszenie oczekiwania"), "", CheckBoxKind, true, false},
    {"sound_alarm", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Alarm dźwiękowy"), "", CheckBoxKind, true, false},
    {"bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Bypass"), "", CheckBoxKind, true, false},
    {"key_locked", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Blokada klawiatury"), "", CheckBoxKind, true, false},
    {"waiting_force", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Wymuszenie oczekiwania"), "", CheckBoxKind, true, false},
    {"eco_mode", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Tryb ECO"), "", CheckBoxKind, true, false},
    {"ups_active", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Włączenie urządzenia"), "", CheckBoxKind, true, false},
    {"batt_test", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Wywołanie testu akumulatorów"), "", CheckBoxKind, true, false},
    {"epo", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Wyzwolenie EPO"), "", CheckBoxKind, true, false},
    {"epo_disabled", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Blokada EPO"), "", CheckBoxKind, true, false},
    {"bypass_check_on", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Kontrola zasilania linii obejściowej"), "", CheckBoxKind, true, false},
    {"reset_rectifier_states", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Kasowanie st. awaryjnych prost."), "", CheckBoxKind, true, false},
    {"reset_inverter_states", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Kasowanie st. awaryjnych fal."), "", CheckBoxKind, true, false},
    {"reset_states", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Kasowanie st. awaryjnych"), "", CheckBoxKind, true, false},
    {"reset_battery_error", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Resetowanie licznika zużycia akumulatora"), "", CheckBoxKind, true, false},
    {"remote_turn_on_ups", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Zdalne włączenie UPS"), "", CheckBoxKind, true, false},
    {"remote_turn_off_ups", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Zdalne wyłączenie UPS"), "", CheckBoxKind, true, false},
    {"reset_control_parameters", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Przywróć ustawienia domyślne UPS"), "", CheckBoxKind, true, false},
    {"audible_alarm", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Sygnalizacja dźwiękowa"), "", CheckBoxKind, true, false},
    {"bypass_audible_warning", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Sygnalizacja dźwiękowa w trybie pracy bypass"), "", CheckBoxKind, true, false},
    {"battery_mode_audible_warning", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Sygnalizacja dźwiękowa w trybie pracy rezerwowej"), "", CheckBoxKind, true, false},
    {"auto_reboot", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Automatyczny restart UPS"), "", CheckBoxKind, true, false},
    {"bypass_when_ups_turn_off", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Bypass gdy UPS jest wyłączony"), "", CheckBoxKind, true, false},
    {"overload_point", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Przeciążenie start"), "%", LineEditKind, true, false},
    {"over_temperature_point", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Nadmierny wzrost temperatury start"), "°C", LineEditKind, true, false},
    {"battery_short_test", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Test baterii 10 s"), "", CheckBoxKind, true, false},
    {"battery_test_until_low", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Test baterii do niskiego poziomu"), "", CheckBoxKind, true, false},
    {"battery_test_time", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Czas testu baterii"), "min", LineEditKind, true, false},
    {"battery_test_for_specified_time", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Test baterii przez określony czas"), "", CheckBoxKind, true, false},
    {"cancel_battery_test", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Anuluj test baterii"), "", CheckBoxKind, true, false},
    {"clear_battery_info", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Wyczyść wyniki testu baterii"), "", CheckBoxKind, true, false},
    {"converter_mode", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Tryb konwersji"), "", CheckBoxKind, true, false},
    {"frequency_system_auto_detection", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Autodetekcja częstotliwości"), "", CheckBoxKind, true, false},
    {"deep_discharge_function", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Funkcja głębokiego rozładowania"), "", CheckBoxKind, true, false},
    {"short_circuit_clearance_function", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Reset po zwarciu"), "", CheckBoxKind, true, false},
    {"forbid_bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Blokada bypass"), "", CheckBoxKind, true, false},
    {"output_frequency_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Częstotliwość wyjściowa"), "Hz", ComboBoxKind, true, false},
    {"output_voltage_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Napięcie wyjściowe"), "VAC rms", ComboBoxKind, true, false},
    {"low_detect_freq_bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Zakres częst. Bypass (dolne ograniczenie)"), "Hz", LineEditKind, true, false},
    {"high_detect_freq_bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Zakres częst. Bypass (górne ograniczenie)"), "Hz", LineEditKind, true, false},
    {"low_voltage_range_bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Zakres napięcia Bypass (dolne ograniczenie)"), "V", LineEditKind, true, false},
    {"high_voltage_range_bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Zakres napięcia Bypass (górne ograniczenie)"), "V", LineEditKind, true, false},
    {"low_freq_on_eco", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dolne ograniczenie częst. ECO"), "%", LineEditKind, true, false},
    {"high_freq_on_eco", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Górne ograniczenie częst. ECO"), "%", LineEditKind, true, false},
    {"low_voltage_on_eco", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dolne ograniczenie napięcia ECO"), "%", LineEditKind, true, false},
    {"high_voltage_on_eco", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Górne ograniczenie napięcia ECO"), "%", LineEditKind, true, false},
    {"low_freq_on_eco_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dolne ograniczenie częst. ECO"), "%", ComboBoxKind, true, false},
    {"high_freq_on_eco_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Górne ograniczenie częst. ECO"), "%", ComboBoxKind, true, false},
    {"low_voltage_on_eco_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dolne ograniczenie napięcia ECO"), "%", ComboBoxKind, true, false},
    {"high_voltage_on_eco_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Górne ograniczenie napięcia ECO"), "%", ComboBoxKind, true, false},
    {"output_socket_1", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Włączenie gniazd wyjściowych - sekcja nr 1"), "", CheckBoxKind, true, false},
    {"output_socket_2", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Włączenie gniazd wyjściowych - sekcja nr 2"), "", CheckBoxKind, true, false},
    {"green_function", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Funkcja Green"), "", CheckBoxKind, true, false},
    {"buttons_sounds", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dźwięki klawiszy"), "", CheckBoxKind, true, false},
    {"lower_output_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg dolny wyjściowy"), "VAC rms", LineEditKind, true, false},
    {"upper_output_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg górny wyjściowy"), "VAC rms", LineEditKind, true, false},
    {"lower_output_freq_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg dolny częstotliwościowy wyjściowy"), "Hz", LineEditKind, true, false},
    {"upper_output_freq_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg górny częstotliwościowy wyjściowy"), "Hz", LineEditKind, true, false},
    {"ethernet_enable", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Ethernet włączony"), "", CheckBoxKind, true, true},
    {"reset_ethernet", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Resetuj ethernet"), "", CheckBoxKind, true, true},
    {"dhcp_enable", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "DHCP włączony"), "", CheckBoxKind, true, true},
    {"snmp_agent_ip", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Adres IP karty sieciowej"), "", LineEditKind, true, true},
    {"network_mask", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Maska podsieci"), "", LineEditKind, true, true},
    {"default_gateway", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Brama domyślna"), "", LineEditKind, true, true},
    {"http_enable", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "HTTP włączony"), "", CheckBoxKind, true, true},
    {"http_service_user", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Użytkownik - serwis HTTP"), "", LineEditKind, true, true},
    {"http_service_pass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Hasło - serwis HTTP"), "", LineEditKind, true, true},
    {"snmp_enable", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "SNMP włączony"), "", CheckBoxKind, true, true},
    {"read_community", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Hasło - odczyt SNMP"), "", LineEditKind, true, true},
    {"write_community", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Hasło - zapis SNMP"), "", LineEditKind, true, true},
    {"read_only", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Tylko do odczytu"), "", CheckBoxKind, true, true},
    {"snmp_trap_enable", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "SNMP trap włączony"), "", CheckBoxKind, true, true},
    {"snmp_notification_ip", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Adres IP dla notyfikacji SNMP"), "", LineEditKind, true, true},
    {"snmp_notification_pass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Hasło - notyfikacje SNMP"), "", LineEditKind, true, true},
    {"auth_time_m_low_battery", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Czas autonomii, przy którym \nzgłaszany jest niski poziom baterii"), "min", LineEditKind, true, false},
    {"remote_turn_on_genset", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Zdalne włączenie agregatu"), "", CheckBoxKind, true, false},
    {"remote_turn_off_genset", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Zdalne wyłączenie agregatu"), "", CheckBoxKind, true, false},
    {"reset_statistics", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Resetuj statystyki"), "", CheckBoxKind, true, false},
    {"mains_circuit_breaker_closed", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Obwód sieci elektrycznej zamknięty"), "", CheckBoxKind, true, false},
    {"genset_circuit_breaker_closed", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Obwód agregatu zamknięty"), "", CheckBoxKind, true, false},
    {"access_code", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Hasło dostępu"), "", LineEditKind, true, true},
    {"controller_mode_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Tryb pracy kontrolera"), "", RadioGroupKind, true, false},
    {"dummy0", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dummy 0"), "brak", LineEditKind, false, false},
    {"dummy1", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dummy 1"), "brak", LineEditKind, false, false},
    {"dummy2", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dummy 2"), "brak", LineEditKind, false, false},
    {"dummy3", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dummy 3"), "brak", LineEditKind, false, false},
    {"dummy4", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dummy 4"), "brak", LineEditKind, false, false},
    {"hid_audible_alarm_control", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Alarm dźwiękowy"), "", ComboBoxKind, true, false},
    {"standby_delay_minutes", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opóźnienie trybu oczekiwania"), "min", LineEditKind, true, false},
    {"short_self_test", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Autotest 10 s"), "", CheckBoxKind, true, false},
    {"high_input_voltage_threshold_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Górny próg napięcia \nwejściowego"), "VAC rms", ComboBoxKind, true, false},
    {"low_input_voltage_threshold_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dolny próg napięcia \nwejściowego"), "VAC rms", ComboBoxKind, true, false},
    {"input_frequency_tolerance_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Tolerancja częstotliwości \nsieci zasilającej"), "%", ComboBoxKind, true, false},
    {"ups_eco_mode_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Konfiguracja trybu ECO UPS"), "", ComboBoxKind, true, false},
    {"bypass_control_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Kontrola poprawności bypass"), "", ComboBoxKind, true, false},
    {"bypass_upper_bound_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Bypass - górna tolerancja \nnapięcia"), "%", ComboBoxKind, true, false},
    {"bypass_lower_bound_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Bypass - dolna tolerancja \nnapięcia"), "%", ComboBoxKind, true, false},
    {"power_restore_returned_delay", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opóźnienie ponownego zasilenia \nwyjść"), "s", LineEditKind, true, false},
    {"power_restore_line_stable_delay", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opóźnienie powrotu na zasilanie \nsieciowe"), "s", LineEditKind, true, false},
    {"low_battery_threshold_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg pojemności, przy którym\nzgłaszany jest niski poziom baterii"), "%", ComboBoxKind, true, false},
    {"periodical_battery_test", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Okres automatycznego testu baterii"), "dni", LineEditKind, true, false},
    {"cold_start", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Zimny start"), "", CheckBoxKind, true, false},
    {"screen_save_time_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Wygaszacz ekranu"), "s", ComboBoxKind, true, false},
    {"lcd_test", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Test wyświetlacza LCD"), "", CheckBoxKind, true, false},
    {"ncl_turn_off_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Automatyczne wyłączenie gniazd \nsterowalnych poniżej pojemności"), "%", LineEditKind, true, false},
    {"ncl_turn_off_delay", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opóźnienie automatycznego wyłączenia \ngniazd sterowalnych"), "min", LineEditKind, true, false},
    {"ncl_turn_on_delay", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opóźnienie automatycznego załączenia \ngniazd sterowalnych"), "min", LineEditKind, true, false},
    {"battery_runtime_callibration", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Kalibracja predykcji czasu"), "", CheckBoxKind, true, false},
    {"abort_battery_test", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Anuluj trwające testy baterii"), "", CheckBoxKind, true, false},
    {"manual_bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Ręczny BYPASS"), "", CheckBoxKind, true, false},
    {"overload_bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Przejdź na BYPASS w przeciążeniu"), "", CheckBoxKind, true, false},
    {"frequency_mode", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Tryb stabilizacji częstotliwości \nwyjściowej"), "", ComboBoxKind, true, false},
    {"working_frequency", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Częstotliwość napięcia wyjściowego"), "Hz", ComboBoxKind, true, false},
    {"snmp_sysname", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Nazwa urządzenia"), "", LineEditKind, true, true},
    {"snmp_syslocation", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Lokalizacja urządzenia"), "", LineEditKind, true, true},
    {"snmp_syscontact", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Osoba kontaktowa"), "", LineEditKind, true, true},
    {"input_high_tolerance_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Rozszerzone progi przełączania zasilacza"), "", CheckBoxKind, true, false},
    {"power_restore_returned_delay_minute", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opóźnienie ponownego zasilenia \nwyjść"), "min", LineEditKind, true, false},
    {"cancel_shutdown_command", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Anuluj odliczanie przejścia do trybu oczekiwania"), "", CheckBoxKind, true, false},
    {"restore_default_settings_ups", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Przywróć domyślne ustawienia UPS"), "", CheckBoxKind, true, false},
    {"batterymode_time_limit_value", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Maksymalny dopuszczalny czas pracy rezerwowej"), "godz", LineEditKind, true, false},
    {"batterymode_time_limit_enable", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Włącz ograniczenie maksymalnego czasu pracy w trybie bateryjnym"), "", CheckBoxKind, true, false},
    {"dry_contact_input_mode_options", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Wejście bezpotencjałowe - funkcja"), "", ComboBoxKind, true, false},
    {"dry_contact_output_mode_options", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Wyjście bezpotencjałowe - funkcja"), "", ComboBoxKind, true, false},
    {"check_input_line_and_neutral_order", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Sprawdzaj kolejność L i N na wejściu UPS"), "", CheckBoxKind, true, false},
    {"epo_active_state_options", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Konfiguracja wejścia EPO"), "", ComboBoxKind, true, false},
    {"external_battery_ah_mode", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Niestandardowy moduł bateryjny - korzystaj\nz deklarowanej pojemności"), "", CheckBoxKind, true, false},
    {"lcd_automatic_turn_off", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Automatyczne wyłączanie wyświetlacza LCD"), "", CheckBoxKind, true, false},
    {"dry_contact_input_active_state_options", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Konfiguracja wejścia bezpotencjałowego"), "", ComboBoxKind, true, false},
    {"dry_contact_output_active_state_options", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Konfiguracja wyjścia bezpotencjałowego"), "", ComboBoxKind, true, false},
    {"autonomy_time_prediction_enable", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Predykcja czasu autonomii"), "", CheckBoxKind, true, false},
    {"overload_restart", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Restart UPS po przeciążeniu"), "", CheckBoxKind, true, false},
    {"pdu_outlet_control_option", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Sterowanie gniazdami wyjściowymi PDU"), "", ComboBoxKind, true, false},
    {"input_phase_config_options", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Konfiguracja wejścia (liczba faz)"), "", ComboBoxKind, true, false},
    {"output_phase_config_options", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Konfiguracja wyjścia (liczba faz)"), "", ComboBoxKind, true, false},
    {"bypass_frq_range_options", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Bypass - tolerancja częstotliwości"), "%", ComboBoxKind, true, false},
    {"low_battery_threshold", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Próg pojemności, przy którym\nzgłaszany jest niski poziom baterii"), "%", LineEditKind, true, false},
    {"return_from_manual_bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opuść Ręczny BYPASS"), "", CheckBoxKind, true, false},
    {"start_through_bypass", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Uruchom poprzez Bypass"), "", CheckBoxKind, true, false},
    {"disable_remote_command", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Ignoruj zdalne komendy wymuszenia\nTrybu Oczekiwania/Restartu"), "", CheckBoxKind, true, false},
    {"batterymode_time_limit_minute_value", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Maksymalny dopuszczalny czas pracy rezerwowej"), "min", LineEditKind, true, false},
    {"ncl_turn_off_sec_delay", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opóźnienie automatycznego wyłączenia \ngniazd sterowalnych"), "s", LineEditKind, true, false},
    {"ncl_turn_on_sec_delay", QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Opóźnienie automatycznego załączenia \ngniazd sterowalnych"), "s", LineEditKind, true, false},
};
// clang-format on
} // namespace

QList<UpsParameterDescriptor> upsParameterCatalogue()
{
    QList<UpsParameterDescriptor> catalogue;
    catalogue.reserve(int(std::size(rows)));
    for (const Row& row : rows) {
        const QString unit = QString::fromUtf8(row.unit);
        catalogue.append(UpsParameterDescriptor(
            QString::fromLatin1(row.key), QCoreApplication::translate("UPSConfigurationWindow", row.label),
            unit == degreeCelsiusUnit() ? degreeCelsiusUnit() : unit, row.kind, row.visible, row.wide));
    }
    return catalogue;
}
