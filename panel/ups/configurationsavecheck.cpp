#include "configurationsavecheck.h"

#include "common/upsmodelcatalogue.h"
#include "parametervalue.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <initializer_list>

bool ConfigurationSaveCheck::operator==(const ConfigurationSaveCheck& other) const
{
    return box == other.box && qstrcmp(text, other.text) == 0 && parameters == other.parameters;
}

const QStringList& commandFlagKeys()
{
    static const QStringList keys{QStringLiteral("batt_test"),
                                  QStringLiteral("epo"),
                                  QStringLiteral("reset_rectifier_states"),
                                  QStringLiteral("reset_inverter_states"),
                                  QStringLiteral("reset_states"),
                                  QStringLiteral("reset_battery_error"),
                                  QStringLiteral("remote_turn_on_ups"),
                                  QStringLiteral("remote_turn_off_ups"),
                                  QStringLiteral("reset_control_parameters"),
                                  QStringLiteral("battery_short_test"),
                                  QStringLiteral("battery_test_until_low"),
                                  QStringLiteral("battery_test_for_specified_time"),
                                  QStringLiteral("cancel_battery_test"),
                                  QStringLiteral("clear_battery_info"),
                                  QStringLiteral("reset_ethernet"),
                                  QStringLiteral("remote_turn_on_genset"),
                                  QStringLiteral("remote_turn_off_genset"),
                                  QStringLiteral("reset_statistics"),
                                  QStringLiteral("short_self_test"),
                                  QStringLiteral("lcd_test"),
                                  QStringLiteral("battery_runtime_callibration"),
                                  QStringLiteral("abort_battery_test"),
                                  QStringLiteral("cancel_shutdown_command"),
                                  QStringLiteral("restore_default_settings_ups"),
                                  QStringLiteral("return_from_manual_bypass")};
    return keys;
}

namespace {
bool oneOf(const QString& key, std::initializer_list<const char*> keys)
{
    for (const char* k : keys) {
        if (key == QLatin1String(k))
            return true;
    }
    return false;
}

bool wholeMatch(const QString& pattern, const QString& value)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(value).hasMatch();
}

bool isStandbyDelay(const QString& value)
{
    if (!wholeMatch(QStringLiteral("\\d*"), value))
        return false;
    if (value.isEmpty())
        return true; // reads as 0
    // Too many digits for a number is out of range, not 0.
    bool ok = false;
    const qlonglong seconds = value.toLongLong(&ok, 10);
    return ok && seconds <= 65534;
}

bool hasCodeAbove127(const QString& value)
{
    for (const QChar c : value) {
        if (c.unicode() > 127)
            return true;
    }
    return false;
}
} // namespace

QList<ConfigurationSaveCheck> configurationSaveChecks(const QString& modelName, const QString& key,
                                                      const QString& value,
                                                      const QMap<QString, QString>& outgoing)
{
    using Check = ConfigurationSaveCheck;
    QList<Check> checks;
    // What goes out for a flag: the changed value for the changed key.
    const auto goesOutOn = [&](const QString& flag) {
        return ParameterValue::isOn(key == flag ? value : outgoing.value(flag));
    };
    const auto concerns = [&](const char* flag) {
        return key == QLatin1String(flag) || goesOutOn(QLatin1String(flag));
    };
    const bool asksEpo = asksBeforeEmergencyPowerOff(modelName);
    const bool asksWearReset = asksBeforeBatteryWearReset(modelName);
    if (warnsBeforeShortBatteryTest(modelName) && concerns("battery_short_test"))
        checks.append({Check::Note,
                       QT_TRANSLATE_NOOP("UPSConfigurationWindow",
                                         "W przypadku niepowodzenia testu baterii UPS będzie wydawał sygnał "
                                         "dźwiękowy co 2 sekundy. Jeżeli stan baterii będzie krytyczny UPS "
                                         "zasygnalizuje to świeceniem czerwonej diody.")});
    if (asksEpo && concerns("epo"))
        checks.append({Check::Question, QT_TRANSLATE_NOOP("UPSConfigurationWindow",
                                                          "Nastąpi awaryjne wyłączenie zasilania (EPO). "
                                                          "Czy kontynuować?")});
    if (asksWearReset && concerns("reset_battery_error"))
        checks.append({Check::WarningQuestion,
                       QT_TRANSLATE_NOOP("UPSConfigurationWindow",
                                         "Nastąpi reset licznika zużycia akumulatora.\nFunkcję resetu należy "
                                         "wykonać jednorazowo, niezwłocznie po każdej wymianie akumulatora w "
                                         "UPS. Czy kontynuować?")});
    // Each flag is asked about once: those with a question of their own above are
    // not listed again.
    QStringList commands;
    for (const QString& flag : commandFlagKeys()) {
        if ((asksEpo && flag == QLatin1String("epo")) ||
            (asksWearReset && flag == QLatin1String("reset_battery_error")))
            continue;
        if (goesOutOn(flag))
            commands.append(flag);
    }
    if (!commands.isEmpty())
        checks.append({Check::Question,
                       QT_TRANSLATE_NOOP("UPSConfigurationWindow",
                                         "Zapisanie konfiguracji wyśle do urządzenia polecenia:\n%1\nCzy "
                                         "kontynuować?"),
                       commands});
    if (!checksNetworkCardSettings(modelName))
        return checks;

    if (oneOf(key, {"snmp_agent_ip", "network_mask", "default_gateway", "snmp_notification_ip"}) &&
        !wholeMatch(QStringLiteral("[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}"), value)) {
        checks.append({Check::Refusal,
                       QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Wprowadzono nieprawidłowy adres IP")});
        return checks;
    }
    if (oneOf(key, {"snmp_agent_ip", "network_mask", "default_gateway", "dhcp_enable"}))
        checks.append(
            {Check::Notice, QT_TRANSLATE_NOOP("UPSConfigurationWindow",
                                              "Zmiany parametrów \"Adres IP\", \"Maska podsieci\", \"Brama "
                                              "domyślna\" oraz \"DHCP włączony\" zostaną zastosowane po "
                                              "wyłączeniu i ponownym uruchomieniu karty sieciowej (opcja "
                                              "\"Resetuj ethernet\")")});
    if (oneOf(key, {"http_service_pass", "http_service_user", "read_community", "write_community",
                    "snmp_notification_pass"})) {
        if (value.size() > 30) {
            checks.append(
                {Check::Refusal,
                 QT_TRANSLATE_NOOP("UPSConfigurationWindow",
                                   "Hasło i nazwa użytkownika nie mogą być dłuższe niż 30 znaków")});
            return checks;
        }
        if (hasCodeAbove127(value)) {
            checks.append({Check::Refusal,
                           QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Hasło lub nazwa użytkownika zawiera "
                                                                       "niedozwolone znaki")});
            return checks;
        }
    }
    if (key == QLatin1String("standby_delay") && !isStandbyDelay(value))
        checks.append({Check::Refusal,
                       QT_TRANSLATE_NOOP("UPSConfigurationWindow", "Dopuszczalny zakres to 0 - 65534")});
    return checks;
}
