#include "configurationsavecheck.h"

#include "upsmodelcatalogue.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <initializer_list>

bool ConfigurationSaveCheck::operator==(const ConfigurationSaveCheck& other) const
{
    return box == other.box && qstrcmp(text, other.text) == 0;
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
    const auto concerns = [&](const char* flag) {
        return key == QLatin1String(flag) || outgoing.value(QLatin1String(flag)) == QLatin1String("1");
    };
    if (warnsBeforeShortBatteryTest(modelName) && concerns("battery_short_test"))
        checks.append({Check::Note,
                       QT_TRANSLATE_NOOP("UPSConfigurationWindow",
                                         "W przypadku niepowodzenia testu baterii UPS będzie wydawał sygnał "
                                         "dźwiękowy co 2 sekundy. Jeżeli stan baterii będzie krytyczny UPS "
                                         "zasygnalizuje to świeceniem czerwonej diody.")});
    if (asksBeforeEmergencyPowerOff(modelName) && concerns("epo"))
        checks.append({Check::Question, QT_TRANSLATE_NOOP("UPSConfigurationWindow",
                                                          "Nastąpi awaryjne wyłączenie zasilania (EPO). "
                                                          "Czy kontynuować?")});
    if (asksBeforeBatteryWearReset(modelName) && concerns("reset_battery_error"))
        checks.append({Check::WarningQuestion,
                       QT_TRANSLATE_NOOP("UPSConfigurationWindow",
                                         "Nastąpi reset licznika zużycia akumulatora.\nFunkcję resetu należy "
                                         "wykonać jednorazowo, niezwłocznie po każdej wymianie akumulatora w "
                                         "UPS. Czy kontynuować?")});
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
