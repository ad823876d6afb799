#include "newconfiguration.h"

#include "action.h"
#include "cipher/cipherwrappers.h"
#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"
#include "iniwriter.h"
#include "networkgroup.h"
#include "writtenini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QTextCodec>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct EventRow
{
    const char* key;
    const char* name; // none: the key itself, untranslated
    const char* start;
    const char* end;
};

const EventRow extendedRows[] = {
    {"stateNormal", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie sieciowym"),
     "stateNormal,ON,==,", "stateNormal,OFF,==,"},
    {"stateBatteryBackup",
     QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie podtrzymania z baterii"),
     "stateBatteryBackup,ON,==,messageBatteryLowLevel,OFF,==,&&,", "stateNormal,ON,==,stateEco,ON,==,||"},
    {"stateBatteryLowLevel", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Niski poziom energii baterii"),
     "stateBatteryBackup,ON,==,messageBatteryLowLevel,ON,==,&&,",
     "stateNormal,ON,==,stateEco,ON,==,||,messageBatteryLowLevel,OFF,==,||"},
    {"stateShortcut", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Zwarcie"),
     "stateEmergency,ON,==,alarmUpsShortcut,ON,==,&&,",
     "stateNormal,ON,==,stateEco,ON,==,||,alarmUpsShortcut,OFF,==,||"},
    {"stateOverload", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Przeciążenie"),
     "stateEmergency,ON,==,alarmOutputOverload,ON,==,&&,",
     "stateNormal,ON,==,stateEco,ON,==,||,alarmOutputOverload,OFF,==,||"},
    {"stateHybrid", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie hybrydowym"),
     "stateHybrid,ON,==,", "stateNormal,ON,==,stateEco,ON,==,||"},
};

const EventRow otherRows[] = {
    {"stateNormal", nullptr, "stateNormal,ON,==,", "stateNormal,OFF,==,"},
    {"stateBatteryBackup", nullptr, "stateBatteryBackup,ON,==,", "stateNormal,ON,==,"},
    {"stateBatteryLowLevel", nullptr, "stateBatteryLowLevel,ON,==,", "stateNormal,ON,==,"},
    {"stateShortcut", nullptr, "stateShortcut,ON,==,", "stateNormal,ON,==,"},
    {"stateOverload", nullptr, "stateOverload,ON,==,", "stateNormal,ON,==,"},
    {"stateAvrActive", nullptr, "stateAvrActive,ON,==,", "stateNormal,ON,==,"},
};

const EventRow rtUsbRows[] = {
    {"stateNormal", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie sieciowym"),
     "stateNormal,ON,==,", "stateNormal,OFF,==,"},
    {"stateBatteryBackup",
     QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie podtrzymania z baterii"),
     "stateBatteryBackup,ON,==,messageBatteryLowLevel,OFF,==,&&,", "stateNormal,ON,==,"},
    {"stateBatteryLowLevel", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Niski poziom energii baterii"),
     "stateBatteryBackup,ON,==,messageBatteryLowLevel,ON,==,&&,",
     "stateNormal,ON,==,messageBatteryLowLevel,OFF,==,||"},
    {"stateShortcut", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Zwarcie"), "alarmUpsShortcut,ON,==,",
     "alarmUpsShortcut,OFF,==,"},
    {"stateOverload", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Przeciążenie"),
     "alarmOutputOverload,ON,==,", "alarmOutputOverload,OFF,==,"},
    {"stateEmergency", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie awaryjnym"),
     "stateEmergency,ON,==,", "stateNormal,ON,==,"},
    {"stateStop", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Tryb pracy stop"), "stateStop,ON,==,",
     "stateNormal,ON,==,"},
    {"stateWaiting", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie oczekiwania"),
     "stateWaiting,ON,==,", "stateNormal,ON,==,"},
    {"stateWatch", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie czuwania"),
     "stateWatch,ON,==,", "stateNormal,ON,==,"},
    {"stateAvrActive", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Aktywny AVR"),
     "messageBoostingAvrEngaged,ON,==,messageBuckingAvrEngaged,ON,==,||,",
     "messageBoostingAvrEngaged,OFF,==,messageBuckingAvrEngaged,OFF,==,&&,"},
    {"stateNoCommunication", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Brak komunikacji"),
     "stateNoCommunication,ON,==,", "stateNoCommunication,OFF,==,"},
};

const EventRow rtSnmpRows[] = {
    {"stateNormal", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie sieciowym"),
     "stateNormal,ON,==,", "stateNormal,OFF,==,"},
    {"stateBatteryBackup",
     QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie podtrzymania z baterii"),
     "stateBatteryBackup,ON,==,alarmLowBattery,OFF,==,&&,", "stateNormal,ON,==,"},
    {"stateBatteryLowLevel", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Niski poziom energii baterii"),
     "stateBatteryBackup,ON,==,alarmLowBattery,ON,==,&&,", "stateNormal,ON,==,alarmLowBattery,OFF,==,||"},
    {"stateOverload", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Przeciążenie"),
     "alarmOutputOverload,ON,==,", "alarmOutputOverload,OFF,==,"},
    // Ends when the fault clears, like the other single-alarm rows.
    {"stateFault", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Tryb błędu"), "alarmGeneralFault,ON,==,",
     "alarmGeneralFault,OFF,==,"},
    {"stateWatch", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Praca w trybie czuwania"),
     "stateWatch,ON,==,", "stateNormal,ON,==,"},
    {"stateAvrActive", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Aktywny AVR"),
     "stateAvrActive,ON,==,", "stateAvrActive,OFF,==,"},
    {"stateNoCommunication", QT_TRANSLATE_NOOP("Luminorix::NewConfiguration", "Brak komunikacji"),
     "stateNoCommunication,ON,==,", "stateNoCommunication,OFF,==,"},
};

template <size_t N> QStringList definitionFrom(const EventRow (&rows)[N], const QString& key, int number)
{
    for (const EventRow& row : rows) {
        if (key != QLatin1String(row.key))
            continue;
        QString name = key;
        if (row.name) {
            name = Luminorix::NewConfiguration::tr(row.name);
            if (number != 0)
                name += QStringLiteral(" (%1)").arg(number);
        }
        return {name, QString::fromLatin1(row.start), QString::fromLatin1(row.end)};
    }
    return {};
}

QStringList conditionList(const QString& condition)
{
    return condition.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

// The file form loses a value's type: an int reads back as text, a list of
// one text as that text, an empty list as no value.
QStringList asTexts(const QVariant& value)
{
    if (!value.isValid())
        return {};
    if (value.userType() == QMetaType::QStringList || value.userType() == QMetaType::QVariantList)
        return value.toStringList();
    return {value.toString()};
}

// The types the library writes as one text.
bool isScalar(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

bool plain(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
    case QMetaType::QString:
    case QMetaType::QStringList:
    case QMetaType::QVariantList:
        return true;
    default:
        return isScalar(value);
    }
}

bool sameValue(const QVariant& meant, const QVariant& read)
{
    if (plain(meant) && plain(read))
        return asTexts(meant) == asTexts(read);
    return meant == read;
}

// value.toString() == text for a scalar, without a text of every number on the way.
bool sameText(const QVariant& value, const QString& text)
{
    char digits[24];
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        std::snprintf(digits, sizeof digits, "%lld", value.toLongLong());
        return text == QLatin1String(digits);
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        std::snprintf(digits, sizeof digits, "%llu", value.toULongLong());
        return text == QLatin1String(digits);
    case QMetaType::Bool:
        return text == QLatin1String(value.toBool() ? "true" : "false");
    default:
        return text == value.toString();
    }
}

bool isDecimal(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

namespace Luminorix {

NewConfiguration::NewConfiguration(const QString& filePath, QTextCodec* codec, QObject* parent)
    : QObject(parent), filePath(filePath), codec(codec)
{
    // A new file is kept here alone until it is written: the library would keep every
    // key in sorted maps besides. Its sections are known from the writes.
    if (QFileInfo(filePath).size() == 0) {
        fresh = true;
        recordValid = true;
    } else {
        openStore();
    }
}

void NewConfiguration::openStore()
{
    settings = new QSettings(filePath, QSettings::IniFormat);
    if (codec)
        settings->setIniCodec(codec);
}

void NewConfiguration::leaveFresh()
{
    if (!fresh)
        return;
    fresh = false;
    writtenOrder.clear();
    openStore();
    for (const Converter::KeyRecord::Section& section : record.sections()) {
        for (const Converter::KeyRecord::Key& key : section.keys)
            settings->setValue(Converter::KeyRecord::fullKey(section.name, key.name), key.value);
    }
    if (!group.isEmpty())
        settings->beginGroup(group);
    group.clear();
}

void NewConfiguration::beginGroup(const QString& name)
{
    // Only a top-level section of plain name is kept without the library.
    if (fresh && (!group.isEmpty() || name.contains(QLatin1Char('/')) || name.isEmpty()))
        leaveFresh();
    if (fresh)
        group = name;
    else
        settings->beginGroup(name);
}

void NewConfiguration::endGroup()
{
    if (fresh)
        group.clear();
    else
        settings->endGroup();
}

QStringList NewConfiguration::childKeys() const
{
    if (!fresh)
        return settings->childKeys();
    QStringList keys;
    if (const Converter::KeyRecord::Section* section = record.section(group)) {
        for (const Converter::KeyRecord::Key& key : section->keys)
            keys.append(key.name);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

QVariant NewConfiguration::storedValue(const QString& key) const
{
    if (!fresh)
        return settings->value(key);
    return record.value(Converter::KeyRecord::fullKey(group, key));
}

QStringList NewConfiguration::allKeys() const
{
    if (!fresh)
        return settings->allKeys();
    QStringList keys = record.fullKeys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

NewConfiguration::~NewConfiguration()
{
    delete settings;
}

void NewConfiguration::writeGeneralSection(const QString& workMode, bool runAtBoot, const QString& version,
                                           const QString& language)
{
    // Through the store, so that a ";" or "," in a value is quoted, not cut or split.
    put(QStringLiteral("work_mode"), workMode);
    put(QStringLiteral("run_at_boot"), runAtBoot ? 1 : 0);
    put(QStringLiteral("version"), version);
    put(QStringLiteral("language"), language);
}

void NewConfiguration::writeDevice(const OldDeviceConfig& device)
{
    enterSection(QStringLiteral("device.0"));
    put(QStringLiteral("ups_model"), device.ups_model);
    put(QStringLiteral("communication"), QString());
    put(QStringLiteral("com_port"), device.com_port);
    put(QStringLiteral("agent_ip"), device.agent_ip);
    put(QStringLiteral("read_community"), device.read_community);
    put(QStringLiteral("write_community"), device.write_community);
    endGroup();
}

void NewConfiguration::writeSmtp(const OldSmtpConfig& smtp)
{
    QString pass = smtp.pass;
    if (!smtp.passIsCipherText) {
        SimpleCrypt crypt(smtpPasswordCipherKey());
        pass = crypt.encryptToText(smtp.pass);
    }
    enterSection(QStringLiteral("smtp"));
    put(QStringLiteral("server"), smtp.server);
    put(QStringLiteral("user"), smtp.user);
    put(QStringLiteral("pass"), pass);
    put(QStringLiteral("sender_address"), smtp.sender_address);
    endGroup();
}

void NewConfiguration::stampVersion(const QString& version, const QString& language)
{
    const QStringList keys = childKeys();
    setFoldedValue(keys, QStringLiteral("version"), version);
    setFoldedValue(keys, QStringLiteral("language"), language);
}

void NewConfiguration::writeNetwork(QMap<int, OldEvent>* events, QList<OldGroup>* groups, OldGroup* ungrouped)
{
    QList<NetworkGroup> groupList;
    QList<OldComputer> computers;
    QSet<int> used;

    for (const OldGroup& group : qAsConst(*groups)) {
        computers += group.computers;
        NetworkGroup networkGroup;
        networkGroup.number = group.number;
        const QString lower = group.name.toLower();
        const bool all =
            lower == QLatin1String("wszystkie komputery") || lower == QLatin1String("all computers");
        networkGroup.name = all ? QStringLiteral("Default") : group.name;
        for (const OldComputer& computer : group.computers)
            networkGroup.computerNumbers.append(computer.number);
        used.insert(networkGroup.number);
        groupList.append(networkGroup);
    }
    computers += ungrouped->computers;

    // Computers that own events get a group of their own: the current layout
    // lets only groups own events.
    QList<int> owners;
    QSet<int> seenOwners;
    for (const OldEvent& event : qAsConst(*events)) {
        if (event.parent_type == QLatin1String("computer") && !seenOwners.contains(event.id)) {
            seenOwners.insert(event.id);
            owners.append(event.id);
        }
    }
    QHash<int, int> groupOfOwner;
    int freeNumber = 0; // numbers are only added, so the smallest free one never goes down
    for (const int owner : qAsConst(owners)) {
        while (used.contains(freeNumber))
            ++freeNumber;
        NetworkGroup networkGroup;
        networkGroup.name = QStringLiteral("Grupa %1").arg(groupList.size() + 1);
        networkGroup.number = freeNumber;
        networkGroup.computerNumbers.append(owner);
        used.insert(freeNumber);
        groupList.append(networkGroup);
        groupOfOwner.insert(owner, freeNumber);
    }
    for (OldEvent& event : *events) {
        if (event.parent_type == QLatin1String("computer")) {
            event.parent_type = QStringLiteral("group");
            event.id = groupOfOwner.value(event.id);
        }
    }

    QHash<int, QList<int>> eventsOfGroup; // in eventNumber order
    for (auto it = events->cbegin(); it != events->cend(); ++it) {
        if (it->parent_type == QLatin1String("group"))
            eventsOfGroup[it->id].append(it.key());
    }
    int k = 0;
    int n = 0;
    for (const NetworkGroup& networkGroup : qAsConst(groupList)) {
        enterSection(QStringLiteral("group.0.%1").arg(networkGroup.number));
        put(QStringLiteral("name"), networkGroup.name);
        put(QStringLiteral("computer_count"), networkGroup.computerNumbers.size());
        if (!networkGroup.computerNumbers.isEmpty()) {
            QStringList numbers;
            for (const int number : networkGroup.computerNumbers)
                numbers.append(QString::number(number));
            put(QStringLiteral("computers.0"), numbers);
        }
        endGroup();
        const QList<int> keys = eventsOfGroup.take(networkGroup.number);
        for (const int key : keys) {
            OldEvent event = events->take(key);
            event.eventNumber = k;
            writeEvents(event, n, 0);
            ++k;
        }
    }

    QSet<int> written;
    for (const OldComputer& computer : qAsConst(computers)) {
        // A computer listed by several groups has the same values each time.
        if (written.contains(computer.number))
            continue;
        written.insert(computer.number);
        enterSection(QStringLiteral("computer.%1").arg(computer.number));
        put(QStringLiteral("name"), computer.name);
        put(QStringLiteral("address"), computer.address);
        put(QStringLiteral("password"),
            computer.passwordIsCipherText ? computer.password : encryptComputerPassword(computer.password));
        endGroup();
    }
}

void NewConfiguration::writeMigratedNetwork(QMap<int, OldEvent>* events, QList<OldGroup>* groups,
                                            OldGroup* ungrouped, const QString& model)
{
    migratedModel = &model;
    migratedEvents.clear();
    writeNetwork(events, groups, ungrouped);
    migratedModel = nullptr;
    migratedEvents.clear();
}

const NewConfiguration::MigratedEvent& NewConfiguration::migratedEvent(const QString& key)
{
    const auto found = migratedEvents.constFind(key);
    if (found != migratedEvents.constEnd())
        return *found;
    MigratedEvent migrated;
    const QStringList definition = defaultEventDefinition(*migratedModel, key, 0);
    if (definition.size() == 3) {
        migrated.defined = true;
        migrated.name = definition.at(0);
        migrated.numbered = defaultEventDefinition(*migratedModel, key, 1).at(0) != migrated.name;
        migrated.expressionIn = conditionList(definition.at(1));
        migrated.expressionOut = conditionList(definition.at(2));
    }
    return *migratedEvents.insert(key, migrated);
}

void NewConfiguration::writeEvents(const OldEvent& event, int& n, int parent)
{
    const Converter::Action* actions[] = {event.message.data(), event.sysCommand.data(),
                                          event.sendMail.data(), event.powerOff.data()};
    for (const Converter::Action* action : actions) {
        if (action) {
            writeEvent(event, *action, n, parent);
            ++n;
        }
    }
}

void NewConfiguration::writeEvent(const OldEvent& event, const Converter::Action& action, int n, int parent)
{
    enterSection(QStringLiteral("event.%1.%2").arg(parent).arg(n));
    if (migratedModel) {
        // What migrateEvents() makes of the plain form below.
        const MigratedEvent& migrated = migratedEvent(event.event);
        QString name = event.event;
        if (migrated.defined) {
            name = migrated.name;
            if (migrated.numbered && event.id != 0)
                name += QStringLiteral(" (%1)").arg(event.id);
        }
        put(QStringLiteral("event"), name);
        put(QStringLiteral("eventNumber"), event.eventNumber);
        if (migrated.defined) {
            put(QStringLiteral("expressionIn"), migrated.expressionIn);
            put(QStringLiteral("expressionOut"), migrated.expressionOut);
        }
        put(QStringLiteral("parent_id"), event.id);
    } else {
        put(QStringLiteral("event"), event.event);
        put(QStringLiteral("eventNumber"), event.eventNumber);
        put(QStringLiteral("parent_type"), event.parent_type);
        put(QStringLiteral("id"), event.id);
    }
    const Converter::Action::Entries entries = action.entries();
    for (const auto& entry : entries)
        put(entry.first, entry.second);
    endGroup();
}

QString NewConfiguration::mapUpsModel(const QString& model)
{
    static const char* const renames[][2] = {
        {"WrenIIPro", "WrenIIPro_USB"},
        {"WrenPro", "WrenPro_RS232"},
        {"KitePro", "KitePro_USB"},
        {"KitePro_Rack", "KitePro_Rack_RS232"},
        {"Osprey", "Osprey_RS232"},
        {"Osprey_Rack", "Osprey_Rack_RS232"},
        {"OspreyPro_USB_Rack", "OspreyPro_Rack_USB"},
        {"OspreyPro_RS232_Rack", "OspreyPro_Rack_RS232"},
        {"KiteLCD", "KiteLCD_USB"},
        {"Osprey_J", "OspreyJ_USB"},
    };
    for (const auto& rename : renames) {
        if (model == QLatin1String(rename[0]))
            return QString::fromLatin1(rename[1]);
    }
    return model;
}

bool NewConfiguration::isExtendedModel(const QString& model)
{
    return model.startsWith(QLatin1String("Harrier33"), Qt::CaseInsensitive) ||
           model.startsWith(QLatin1String("Falcon"), Qt::CaseInsensitive) ||
           model.startsWith(QLatin1String("Virtual"), Qt::CaseInsensitive) ||
           model.contains(QLatin1String("Condor"), Qt::CaseInsensitive);
}

QStringList NewConfiguration::defaultEventDefinition(const QString& model, const QString& key, int number)
{
    if (isExtendedModel(model))
        return definitionFrom(extendedRows, key, number);
    return definitionFrom(otherRows, key, number);
}

QStringList NewConfiguration::defaultRtEventDefinition(const QString& model, const QString& key, int number)
{
    if (model.contains(QLatin1String("usb"), Qt::CaseInsensitive))
        return definitionFrom(rtUsbRows, key, number);
    if (model.contains(QLatin1String("snmp"), Qt::CaseInsensitive))
        return definitionFrom(rtSnmpRows, key, number);
    return {};
}

QStringList NewConfiguration::unorderedSections()
{
    QStringList names;
    if (fresh) {
        // A fresh file's sections are the record's.
        for (const Converter::KeyRecord::Section& section : record.sections()) {
            if (!section.name.isEmpty())
                names.append(section.name);
        }
        return names;
    }
    if (!sectionCacheValid) {
        const QStringList all = settings->childGroups();
        sectionCache = QSet<QString>(all.cbegin(), all.cend());
        sectionCacheValid = true;
    }
    return sectionCache.values();
}

QStringList NewConfiguration::sections()
{
    QStringList list = unorderedSections();
    // The store's own order, for the same order of migration as before.
    std::sort(list.begin(), list.end());
    return list;
}

void NewConfiguration::enterSection(const QString& name)
{
    // Every section written gets at least one key, so it is one of the store's sections.
    if (sectionCacheValid)
        sectionCache.insert(name);
    beginGroup(name);
}

QStringList NewConfiguration::deviceSections()
{
    // Picked before they are sorted: a big file has few devices among many sections.
    QStringList devices;
    const QStringList all = unorderedSections();
    for (const QString& section : all) {
        if (section.contains(QLatin1String("device.")))
            devices.append(section);
    }
    std::sort(devices.begin(), devices.end());
    return devices;
}

QMap<QString, QStringList> NewConfiguration::eventSectionsByDevice()
{
    QMap<QString, QStringList> byDevice;
    const QString prefix = QStringLiteral("event.");
    const QStringList all = sections();
    for (const QString& section : all) {
        if (!section.startsWith(prefix))
            continue;
        const int point = section.indexOf(QLatin1Char('.'), prefix.size());
        if (point < 0)
            continue;
        const QString device = section.mid(prefix.size(), point - prefix.size());
        if (!device.isEmpty() && isDecimal(section.mid(point + 1)))
            byDevice[device].append(section);
    }
    return byDevice;
}

void NewConfiguration::migrateUpsModels()
{
    const QStringList devices = deviceSections();
    for (const QString& device : devices) {
        beginGroup(device);
        const QStringList keys = childKeys();
        setFoldedValue(keys, QStringLiteral("ups_model"),
                       mapUpsModel(foldedValue(keys, QStringLiteral("ups_model")).toString()));
        endGroup();
    }
}

void NewConfiguration::resetUsbPaths()
{
    const QStringList devices = deviceSections();
    for (const QString& device : devices) {
        beginGroup(device);
        setFoldedValue(childKeys(), QStringLiteral("usb_path"), QString());
        endGroup();
    }
}

void NewConfiguration::applyDefinition(const QStringList& keys, const QStringList& definition)
{
    if (definition.size() != 3)
        return;
    setFoldedValue(keys, QStringLiteral("event"), definition.at(0));
    setFoldedValue(keys, QStringLiteral("expressionIn"), conditionList(definition.at(1)));
    setFoldedValue(keys, QStringLiteral("expressionOut"), conditionList(definition.at(2)));
}

void NewConfiguration::migrateEvents()
{
    const QStringList devices = deviceSections();
    const QMap<QString, QStringList> eventSections = eventSectionsByDevice();
    for (const QString& device : devices) {
        const QString number = device.mid(device.lastIndexOf(QLatin1Char('.')) + 1);
        beginGroup(device);
        const QString model = foldedValue(childKeys(), QStringLiteral("ups_model")).toString();
        endGroup();
        const QStringList sections = eventSections.value(number);
        for (const QString& section : sections) {
            beginGroup(section);
            const QStringList keys = childKeys();
            // A section already in the current form keeps its owner.
            const bool hasId = !storedKeys(keys, QStringLiteral("id")).isEmpty();
            const QString ownerKey = hasId || storedKeys(keys, QStringLiteral("parent_id")).isEmpty()
                                         ? QStringLiteral("id")
                                         : QStringLiteral("parent_id");
            const int owner = foldedValue(keys, ownerKey).toString().toInt();
            const QString key =
                foldedValue(keys, QStringLiteral("event"), QStringLiteral("Unknown")).toString();
            applyDefinition(keys, defaultEventDefinition(model, key, owner));
            removeFolded(keys, QStringLiteral("id"));
            removeFolded(keys, QStringLiteral("parent_type"));
            setFoldedValue(keys, QStringLiteral("parent_id"), owner);
            endGroup();
        }
    }
}

void NewConfiguration::migrateRtEvents()
{
    const QStringList devices = deviceSections();
    const QMap<QString, QStringList> eventSections = eventSectionsByDevice();
    for (const QString& device : devices) {
        const QString number = device.mid(device.lastIndexOf(QLatin1Char('.')) + 1);
        beginGroup(device);
        const QString model = foldedValue(childKeys(), QStringLiteral("ups_model")).toString();
        endGroup();
        if (!model.startsWith(QLatin1String("OspreyRT")))
            continue;
        const QStringList sections = eventSections.value(number);
        for (const QString& section : sections) {
            beginGroup(section);
            const QStringList keys = childKeys();
            const int owner = foldedValue(keys, QStringLiteral("parent_id")).toString().toInt();
            const QString key =
                foldedValue(keys, QStringLiteral("event"), QStringLiteral("Unknown")).toString();
            applyDefinition(keys, defaultRtEventDefinition(model, key, owner));
            endGroup();
        }
    }
}

bool NewConfiguration::finish(QString* error)
{
    if (fresh && writeFresh(error))
        return true;
    if (fresh && !error->isEmpty())
        return false;
    leaveFresh();
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return true;
    *error =
        settings->status() == QSettings::AccessError ? tr("błąd dostępu do pliku") : tr("błąd formatu pliku");
    return false;
}

bool NewConfiguration::writeFresh(QString* error)
{
    error->clear();
    // Nothing written: the library, too, leaves the file as it is.
    if (record.isEmpty())
        return true;
    QByteArray bytes;
    if (!Converter::IniWriter::format(record, codec, &bytes, &writtenOrder))
        return false;
    const QFileInfo info(filePath);
    const bool created = !info.exists();
    bool written = QDir().mkpath(info.absolutePath());
    QString reason;
    if (written && created) {
        // A new file is the caller's work file, which it reads back and checks;
        // a save file would make it durable (an fsync) only for it to be deleted.
        QFile file(filePath);
        const bool opened = file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
        // A short write reports nothing: the rest is written again until the
        // system says why it will not take it.
        qint64 done = 0;
        while (opened && done < bytes.size()) {
            const qint64 step = file.write(bytes.constData() + done, bytes.size() - done);
            if (step <= 0)
                break;
            done += step;
        }
        written = opened && done == bytes.size();
        if (!written && file.error() != QFileDevice::NoError)
            reason = file.errorString();
        file.close();
        if (opened && !written)
            file.remove();
    } else if (written) {
        QSaveFile file(filePath);
        written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        if (!written && file.error() != QFileDevice::NoError)
            reason = file.errorString();
    }
    if (!written) {
        // The system's own reason, where there is one.
        *error = reason.isEmpty() ? tr("błąd dostępu do pliku") : reason;
        return false;
    }
    // The permissions the library gives a file it created.
    if (created) {
        QFile::setPermissions(filePath, QFileInfo(filePath).permissions() | QFile::ReadOwner |
                                            QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return true;
}

bool NewConfiguration::sameAs(const QString& path) const
{
    // The quick reading settles a sound file; the library's own reading, which is
    // what the service will see, has the last word on any other.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && holdsTheSame(file.readAll()))
        return true;
    file.close();

    QSettings written(path, QSettings::IniFormat);
    if (codec)
        written.setIniCodec(codec);
    const QStringList keys = allKeys();
    if (written.allKeys() != keys)
        return false;
    for (const QString& key : keys) {
        if (!sameValue(fresh ? record.value(key) : settings->value(key), written.value(key)))
            return false;
    }
    // Read on demand: a damaged line shows only once everything was read.
    return written.status() == QSettings::NoError;
}

void NewConfiguration::put(const QString& key, const QVariant& value)
{
    writtenOrder.clear();
    // The library makes its own key of a name with slashes.
    if (fresh && (key.isEmpty() || key.contains(QLatin1Char('/'))))
        leaveFresh();
    if (fresh) {
        record.set(group, key, value);
        return;
    }
    settings->setValue(key, value);
    if (recordValid)
        record.set(Converter::KeyRecord::fullKey(settings->group(), key), value);
}

void NewConfiguration::drop(const QString& key)
{
    writtenOrder.clear();
    leaveFresh();
    settings->remove(key);
    // A key may name a whole section: the store alone knows what went.
    recordValid = false;
    record.clear();
}

bool NewConfiguration::holdsTheSame(const QByteArray& bytes) const
{
    // With as many keys as the store, each key once and each one of the store's,
    // the file holds every key of the store.
    const int expected = recordValid ? record.size() : allKeys().size();
    int count = 0;
    QSet<QString> sections;
    QString lastSection;
    // A key twice finds the same value of the record, so no key text is kept.
    std::vector<const QVariant*> found;
    // writtenOrder holds each key of the record once: a file in its order holds each once.
    bool inOrder = recordValid && writtenOrder.size() == expected;
    QSet<QString> keys; // the store's keys, without a record
    const bool read =
        Converter::WrittenIni::visit(bytes, codec, [&](const Converter::WrittenIni::Entry& entry) {
            if (++count > expected)
                return false;
            if (count == 1 || entry.section != lastSection) {
                if (sections.contains(entry.section))
                    return false;
                sections.insert(entry.section);
                lastSection = entry.section;
            }
            QVariant stored;
            const QVariant* meant = &stored;
            // The file as written needs no look-up; one in another order is looked up from there on.
            const Converter::IniWriter::Written* next = inOrder ? &writtenOrder.at(count - 1) : nullptr;
            if (next && Converter::KeyRecord::isKeyOf(entry.key, *next->section, *next->key)) {
                meant = next->value;
            } else if (recordValid) {
                if (inOrder) {
                    inOrder = false;
                    found.reserve(size_t(expected));
                    for (int i = 0; i < count - 1; ++i)
                        found.push_back(writtenOrder.at(i).value);
                }
                meant = record.find(entry.key);
                if (!meant)
                    return false;
                found.push_back(meant);
            } else {
                if (keys.contains(entry.key))
                    return false;
                keys.insert(entry.key);
                stored = settings->value(entry.key);
            }
            if (meant->userType() == QMetaType::QString)
                return !entry.isList && entry.text == *static_cast<const QString*>(meant->constData());
            if (!entry.isList && isScalar(*meant))
                return sameText(*meant, entry.text);
            return meant->isValid() && plain(*meant) &&
                   asTexts(*meant) == (entry.isList ? entry.list : QStringList{entry.text});
        });
    if (!read || count != expected)
        return false;
    if (inOrder)
        return true;
    std::sort(found.begin(), found.end());
    return std::adjacent_find(found.begin(), found.end()) == found.end();
}

QStringList NewConfiguration::storedKeys(const QStringList& keys, const QString& key)
{
    QStringList found;
    for (const QString& stored : keys) {
        if (stored.compare(key, Qt::CaseInsensitive) == 0)
            found.append(stored);
    }
    return found;
}

QVariant NewConfiguration::foldedValue(const QStringList& keys, const QString& key,
                                       const QVariant& defaultValue) const
{
    const QStringList found = storedKeys(keys, key);
    // Same choice as the reader: of several spellings the one listed last.
    return found.isEmpty() ? defaultValue : storedValue(found.last());
}

void NewConfiguration::setFoldedValue(const QStringList& keys, const QString& key, const QVariant& value)
{
    const QStringList found = storedKeys(keys, key);
    for (const QString& stored : found) {
        if (stored != key)
            drop(stored);
    }
    put(key, value);
}

void NewConfiguration::removeFolded(const QStringList& keys, const QString& key)
{
    const QStringList found = storedKeys(keys, key);
    for (const QString& stored : found)
        drop(stored);
}

} // namespace Luminorix
