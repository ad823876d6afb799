#include "devicedescription.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

struct FileRow
{
    const char* prefix;
    const char* fileName;
};

// Tested in order, case respected; the first three rows come before, ignoring case.
const FileRow exactRows[] = {
    {"HarrierRT_SNMP", "HarrierRT_SNMP"},
    {"HarrierRT_6_10_SNMP", "HarrierRT_SNMP"},
    {"HarrierRT_6_10", "HarrierRT_6_10"},
    {"HarrierRT_", "HarrierRT"},
    {"OspreyRT_XL_SNMP", "OspreyRT_SNMP"},
    {"OspreyRT_SNMP", "OspreyRT_SNMP"},
    {"OspreyRT_XL", "OspreyRT_XL"},
    {"OspreyRT", "OspreyRT"},
    {"KitePro_Avr", "KitePro_Avr"},
    {"Wren_Avr", "Wren_Avr"},
    {"Harrier_Dual31_SNMP", "Harrier_Dual31_SNMP"},
    {"HARRIER_RT_PLUS_SNMP", "Harrier_RT_Plus_SNMP"},
    {"HARRIER_RT_PLUS", "Harrier_RT_Plus"},
    {"Osprey_HID", "Osprey_HID"},
    {"HarrierRTPlus6_10_RS232", "HarrierRTPlus6_10_RS232"},
    {"HarrierRTPlus6_10_USB", "HarrierRTPlus6_10_USB"},
    {"HarrierRTPlus6_10_SNMP", "HarrierRTPlus6_10_SNMP"},
    {"Harrier_MULTI_10k_20k_RS232", "Harrier_MULTI_10k_20k_RS232"},
    {"Harrier_MULTI_10k_20k_SNMP", "Harrier_MULTI_10k_20k_SNMP"},
    {"Harrier_DARK_RS232", "Harrier_DARK_RS232"},
    {"Harrier_DARK_SNMP", "Harrier_DARK_SNMP"},
    {"Harrier_RT_PRO_1k_3k_USB", "Harrier_RT_PRO_1k_3k_USB"},
    {"Harrier_RT_PRO_1k_3k_SNMP", "Harrier_RT_PRO_1k_3k_SNMP"},
    {"Harrier_RT_PRO_1k_3k_RS232", "Harrier_RT_PRO_1k_3k_RS232"},
};

bool isItem(const QStringRef& name)
{
    return name.startsWith(QLatin1String("state")) || name.startsWith(QLatin1String("message")) ||
           name.startsWith(QLatin1String("alarm")) || name.startsWith(QLatin1String("param"));
}

} // namespace

QString DeviceDescription::fileNameForModel(const QString& modelName)
{
    // "Ignoring case" is taken on the lower-cased name, as the catalogue's rules do.
    const QString lower = modelName.toLower();
    if (lower.startsWith(QLatin1String("harrier33")))
        return QStringLiteral("Harrier33");
    if (lower.startsWith(QLatin1String("falcon")) || lower.contains(QLatin1String("condor")))
        return QStringLiteral("Falcon");
    for (const FileRow& row : exactRows) {
        if (modelName.startsWith(QLatin1String(row.prefix)))
            return QLatin1String(row.fileName);
    }
    return modelName;
}

QString DeviceDescription::resourcePath(const QString& modelName)
{
    return QStringLiteral(":/data/data/") + fileNameForModel(modelName) + QStringLiteral(".xml");
}

bool DeviceDescription::isAdvancedEventModel(const QString& modelName)
{
    static const char* const prefixes[] = {"harrier33", "harrierrt", "falcon", "virtual", "ospreyrt"};
    static const char* const parts[] = {"condor",
                                        "ibis",
                                        "kitepro_avr",
                                        "wren_avr",
                                        "harrier_dual31",
                                        "harrier_rt_plus",
                                        "osprey_hid",
                                        "harrierrtplus6_10",
                                        "harrier_multi_10k_20k",
                                        "harrier_dark",
                                        "harrier_rt_pro_1k_3k"};
    const QString lower = modelName.toLower();
    for (const char* prefix : prefixes) {
        if (lower.startsWith(QLatin1String(prefix)))
            return true;
    }
    for (const char* part : parts) {
        if (lower.contains(QLatin1String(part)))
            return true;
    }
    return false;
}

DeviceDescription DeviceDescription::read(const Luminorix::Utils::Ups& device, const QString& language)
{
    DeviceDescription description;
    description.path = resourcePath(device.model_name);
    const QFileInfo info(description.path);
    if (!info.exists() || !info.isFile()) {
        description.status = MissingFile;
        return description;
    }
    QFile file(description.path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        description.status = UnreadableFile;
        return description;
    }

    const QLatin1String textAttribute(language == QLatin1String("polish") ? "pl" : "en");
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || !isItem(xml.name()))
            continue;
        const QString key = xml.name().toString();
        bool parallelOnly = false;
        bool compensationOnly = false;
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
            if (attribute.name() == textAttribute)
                description.texts.insert(key, attribute.value().toString());
            else if (attribute.name() == QLatin1String("parallel_ready"))
                parallelOnly = true;
            else if (attribute.name() == QLatin1String("compensation_ready"))
                compensationOnly = true;
        }
        if ((parallelOnly && !device.parallel_unit) || (compensationOnly && !device.power_compensation))
            continue;
        description.offeredKeys.append(key);
    }
    description.status = xml.hasError() ? XmlError : Read;
    return description;
}
