#include "devicestatetexts.h"

#include "upsmodelcatalogue.h"
#include "upstexts.h"

#include <QCoreApplication>

namespace {
const QStringList& alarmCodes()
{
    static const QStringList codes = {"0", "5", "10", "12", "61", "64", "83", "190"};
    return codes;
}

const QStringList& noticeCodes()
{
    static const QStringList codes = {"7",  "8",  "9",  "27", "28", "29",  "40", "44",
                                      "48", "59", "72", "98", "99", "201", "209"};
    return codes;
}

DeviceStateTexts::Bar barValue(int value)
{
    return {DeviceStateTexts::Bar::Value, value};
}

DeviceStateTexts::Bar barNotAvailable()
{
    return {DeviceStateTexts::Bar::NotAvailable, 0};
}

DeviceStateTexts::Field fieldValue(const QString& text)
{
    return {true, text};
}
} // namespace

bool DeviceStateTexts::isUsable(const QMap<QString, QString>& state)
{
    const auto isZero = [&state](const char* key) {
        const auto it = state.constFind(QLatin1String(key));
        return it != state.constEnd() && *it == QLatin1String("0");
    };
    return !isZero("isUpsFound") && !isZero("isProperDevice") && state.size() >= 3;
}

QMap<QString, QString> DeviceStateTexts::normalized(QMap<QString, QString> state)
{
    // Looked at before it is written: a write copies the whole map, which the link
    // shares with every state it hands on unchanged.
    const auto found = state.constFind(QStringLiteral("output_load"));
    if (found != state.constEnd() && found->contains(QLatin1Char(' ')))
        state.find(QStringLiteral("output_load"))->remove(QLatin1Char(' '));
    return state;
}

DeviceStateTexts DeviceStateTexts::fromState(const QMap<QString, QString>& state, const QString& modelName)
{
    DeviceStateTexts t;
    const bool kilo = usesKiloUnits(modelName);
    const auto has = [&state](const char* key) { return state.contains(QLatin1String(key)); };
    const auto value = [&state](const char* key) { return state.value(QLatin1String(key)); };
    const auto integer = [&state](const char* key) { return state.value(QLatin1String(key)).toInt(); };

    if (has("output_load")) {
        QString load = value("output_load");
        load.remove(QLatin1Char(' '));
        const QStringList phases = load.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (phases.size() == 3) {
            for (int i = 0; i < 3; ++i)
                t.load[i] = barValue(phases.at(i).toInt());
        } else {
            // The other two bars keep what they showed.
            t.load[0] = barValue(load.toInt());
        }
    } else {
        for (Bar& bar : t.load)
            bar = barNotAvailable();
    }

    if (has("battery_capacity"))
        t.battery = barValue(integer("battery_capacity"));
    else if (has("fuel_level"))
        t.battery = barValue(integer("fuel_level"));
    else
        t.battery = barNotAvailable();

    t.workMode = has("device_status") ? upsStateText(value("device_status")) : tr("N/D");

    if (has("nominal_active_power")) {
        t.activePower =
            fieldValue(kilo ? QString::number(integer("nominal_active_power") / 1000) + QStringLiteral(" kW")
                            : value("nominal_active_power") + QStringLiteral(" W"));
    } else if (has("serial_number")) {
        t.activePower = fieldValue(value("serial_number"));
    }

    if (has("nominal_spurious_power")) {
        t.spuriousPower = fieldValue(kilo ? QString::number(integer("nominal_spurious_power") / 1000) +
                                                QStringLiteral(" kVA")
                                          : value("nominal_spurious_power") + QStringLiteral(" VA"));
    }

    if (has("autonomy_time"))
        t.autonomy = fieldValue(value("autonomy_time") + QStringLiteral(" min."));
    else if (has("tot_fuel_consum"))
        t.autonomy = fieldValue(value("tot_fuel_consum") + QStringLiteral(" l"));

    if (has("firmware_version"))
        t.firmware = fieldValue(value("firmware_version"));

    const QString degrees = QStringLiteral(" °C");
    if (has("temperature"))
        t.temperature = fieldValue(value("temperature") + degrees);
    else if (has("radiator_temperature") && has("battery_temperature"))
        t.temperature = fieldValue(value("radiator_temperature") + QStringLiteral(" / ") +
                                   value("battery_temperature") + degrees);
    else if (has("run_time"))
        t.temperature = fieldValue(value("run_time") + QStringLiteral(" h"));

    t.hasNameAndLocation = has("snmp_sys_name") || has("snmp_sys_location");
    if (t.hasNameAndLocation) {
        QString name = value("snmp_sys_name").trimmed();
        QString location = value("snmp_sys_location").trimmed();
        t.nameAndLocationVisible = !name.isEmpty() || !location.isEmpty();
        // These two are fixed in the "QTranslator" context, not the window's.
        if (name.isEmpty())
            name = QCoreApplication::translate("QTranslator", "<nieokreślona nazwa>");
        if (location.isEmpty())
            location = QCoreApplication::translate("QTranslator", "<nieokreślona lokalizacja>");
        t.nameAndLocation = name + QStringLiteral(" - ") + location;
    }

    t.hasMessages = has("messages");
    if (t.hasMessages)
        t.messageCodes = value("messages").split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return t;
}

DeviceStateTexts::Messages DeviceStateTexts::messageTexts(const QStringList& codes)
{
    QStringList alarms;
    QStringList notices;
    QStringList plain;
    for (const QString& code : codes) {
        const QString text = upsEventText(code);
        if (alarmCodes().contains(code))
            alarms.append(text);
        else if (noticeCodes().contains(code))
            notices.append(text);
        else
            plain.append(text);
    }
    // Alarms in a dark orange: the light one stood at 1.7:1 on the window's grey,
    // this one at 4.9:1.
    return {plain.join(QLatin1Char('\n')),
            QStringLiteral("<FONT COLOR=#8F5C00>") + alarms.join(QStringLiteral("<br>")) +
                QStringLiteral("</FONT>"),
            QStringLiteral("<FONT COLOR=#59595B>") + notices.join(QStringLiteral("<br>")) +
                QStringLiteral("</FONT>")};
}

QString DeviceStateTexts::noMessagesHtml()
{
    return tr("<FONT COLOR=grey>Brak</FONT>");
}
