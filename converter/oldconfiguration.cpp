#include "oldconfiguration.h"

#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"
#include "initext.h"
#include "iniwriter.h"
#include "writtenini.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <algorithm>

namespace {

const QString defaultComputerPassword = QStringLiteral("Quillmarberon");

bool isDecimal(const QString& text)
{
    if (text.isEmpty())
        return false;
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// Plain text of a stored password, or false when it does not decipher under the key.
bool decipher(quint64 key, const QString& stored, QString* plain)
{
    SimpleCrypt crypt(key);
    *plain = crypt.decryptToText(stored);
    return crypt.lastError() == SimpleCrypt::ErrorNoError;
}

} // namespace

OldConfiguration::OldConfiguration(const QString& filePath) : m_filePath(filePath)
{
    const QString shownPath = QDir::toNativeSeparators(filePath);
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_damage = QCoreApplication::translate("OldConfiguration", "Nie można odczytać pliku %1: %2")
                       .arg(shownPath, file.errorString());
        return;
    }
    m_contents = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_damage = QCoreApplication::translate("OldConfiguration", "Nie można odczytać pliku %1: %2")
                       .arg(shownPath, file.errorString());
        return;
    }
    file.close();
    if (const int line = Converter::IniText::firstDamagedLine(m_contents)) {
        m_damage =
            QCoreApplication::translate(
                "OldConfiguration", "Plik %1 jest uszkodzony (wiersz %2) i nie zostanie przekonwertowany.")
                .arg(shownPath)
                .arg(line);
        return;
    }
    m_codec = Converter::IniText::codecFor(m_contents);
    // One pass over the bytes settles a plain file; the library reads any other.
    if (Converter::CaselessSettings::fromBytes(m_contents, m_codec, &m_settings))
        return;
    QSettings settings(filePath, QSettings::IniFormat);
    if (m_codec)
        settings.setIniCodec(m_codec);
    // The library lists a key with an empty part ("%2F" or "\\" for a slash at
    // either end) but cannot read it back: neither could the service.
    const QStringList keys = settings.allKeys();
    for (const QString& key : keys) {
        if (!Converter::IniWriter::isPlainKey(key)) {
            m_damage = QCoreApplication::translate(
                           "OldConfiguration", "Plik %1 zawiera klucz \"%2\", którego nie można odczytać, i "
                                               "nie zostanie przekonwertowany.")
                           .arg(shownPath, key);
            return;
        }
    }
    m_settings = Converter::CaselessSettings(settings);
    if (settings.status() != QSettings::NoError)
        m_damage = QCoreApplication::translate("OldConfiguration",
                                               "Plik %1 jest uszkodzony i nie zostanie przekonwertowany.")
                       .arg(shownPath);
}

OldConfiguration::~OldConfiguration()
{
    delete m_events;
    delete m_groups;
    delete m_ungrouped;
}

QString OldConfiguration::version() const
{
    const QVariant value = m_settings.value(QStringLiteral("version"));
    // A text with a comma reads as a list; join it so that it cannot pass for a missing key.
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool OldConfiguration::runAtBoot() const
{
    return m_settings.value(QStringLiteral("run_at_boot"), false).toBool();
}

QString OldConfiguration::workMode() const
{
    return m_settings.value(QStringLiteral("work_mode"), QStringLiteral("luminorix")).toString();
}

OldDeviceConfig OldConfiguration::readDevice() const
{
    OldDeviceConfig device;
    device.ups_model =
        m_settings.value(QStringLiteral("device/ups_model"), QStringLiteral("Unknown")).toString();
    device.com_port = m_settings.value(QStringLiteral("communication/com_port")).toString();
    device.agent_ip = m_settings.value(QStringLiteral("communication/agent_ip")).toString();
    device.read_community = m_settings.value(QStringLiteral("communication/read_community")).toString();
    device.write_community = m_settings.value(QStringLiteral("communication/write_community")).toString();
    return device;
}

OldSmtpConfig OldConfiguration::readSmtp()
{
    OldSmtpConfig smtp;
    m_settings.beginGroup(QStringLiteral("smtp"));
    smtp.server = m_settings.value(QStringLiteral("server")).toString();
    smtp.user = m_settings.value(QStringLiteral("user")).toString();
    smtp.pass = m_settings.value(QStringLiteral("pass")).toString();
    smtp.sender_address = m_settings.value(QStringLiteral("sender_address")).toString();
    m_settings.endGroup();
    if (!smtp.pass.isEmpty()) {
        QString plain;
        if (decipher(smtpPasswordCipherKey(), smtp.pass, &plain)) {
            smtp.pass = plain;
        } else {
            smtp.passIsCipherText = true;
            const QString warning = QCoreApplication::translate(
                "OldConfiguration",
                "Ostrzeżenie: nie można odszyfrować hasła SMTP; hasło przeniesiono bez zmian.");
            note(&m_warnings, warning);
        }
    }
    return smtp;
}

OldComputer OldConfiguration::readComputer(int number)
{
    OldComputer computer;
    computer.number = number;
    m_settings.beginGroup(QStringLiteral("Computer.%1").arg(number));
    computer.name = m_settings.value(QStringLiteral("name")).toString();
    computer.address = m_settings.value(QStringLiteral("address")).toString();
    const QString stored = m_settings.value(QStringLiteral("password"), defaultComputerPassword).toString();
    computer.ip = m_settings.value(QStringLiteral("ip")).toString();
    computer.id = m_settings.value(QStringLiteral("id")).toString();
    computer.status = m_settings.value(QStringLiteral("status")).toString();
    m_settings.endGroup();

    // An empty stored value stays an empty password, as for the SMTP account.
    if (stored == defaultComputerPassword || stored.isEmpty()) {
        computer.password = stored;
    } else if (!decipher(computerPasswordCipherKey(), stored, &computer.password)) {
        computer.password = stored;
        computer.passwordIsCipherText = true;
        const QString warning =
            QCoreApplication::translate(
                "OldConfiguration", "Ostrzeżenie: nie można odszyfrować hasła komputera %1 (Computer.%2); "
                                    "hasło przeniesiono bez zmian.")
                .arg(computer.name)
                .arg(number);
        note(&m_warnings, warning);
    }
    return computer;
}

void OldConfiguration::note(QStringList* list, const QString& line)
{
    // A computer that several groups list is read once per listing; say it once.
    if (!list->contains(line))
        list->append(line);
}

qlonglong OldConfiguration::readCount(const QString& key)
{
    if (!m_settings.contains(key))
        return 0;
    const QString text = m_settings.value(key).toString();
    bool ok = false;
    const qlonglong count = text.trimmed().toLongLong(&ok);
    if (!ok) {
        const QString error =
            QCoreApplication::translate("OldConfiguration",
                                        "Plik %1 zawiera uszkodzoną wartość %2: \"%3\"; plik nie zostanie "
                                        "przekonwertowany.")
                .arg(QDir::toNativeSeparators(m_filePath), key.toLower(), text);
        note(&m_errors, error);
        return 0;
    }
    return qMax<qlonglong>(count, 0);
}

QList<int> OldConfiguration::listedComputers(const QString& key) const
{
    QList<int> numbers;
    const QStringList items = m_settings.value(key).toStringList();
    for (const QString& item : items) {
        const QString text = item.trimmed();
        bool ok = false;
        const int number = text.toInt(&ok);
        // An empty or signed item would otherwise make computer 0 a member.
        if (ok && isDecimal(text))
            numbers.append(number);
    }
    return numbers;
}

QList<OldGroup>* OldConfiguration::readGroups()
{
    if (!m_groups)
        m_groups = new QList<OldGroup>;
    m_groups->clear();
    // Every group of a real file has a section, so the file's size bounds the loop.
    const int count =
        int(qMin<qlonglong>(readCount(QStringLiteral("Groups/groups_count")), m_settings.sectionCount()));
    for (int i = 0; i < count; ++i) {
        OldGroup group;
        group.number = i;
        m_settings.beginGroup(QStringLiteral("group.%1").arg(i));
        group.name = m_settings.value(QStringLiteral("name")).toString();
        const QList<int> listed = listedComputers(QStringLiteral("computers.0"));
        m_settings.endGroup();
        for (const int number : listed)
            group.computers.append(readComputer(number));
        m_groups->append(group);
    }
    return m_groups;
}

OldGroup* OldConfiguration::readUngroupedComputers()
{
    if (!m_ungrouped)
        m_ungrouped = new OldGroup;
    m_ungrouped->computers.clear();
    const int sections = m_settings.sectionCount();
    const int groupCount = int(qMin<qlonglong>(readCount(QStringLiteral("groups/groups_count")), sections));
    QSet<int> listed;
    for (int i = 0; i < groupCount; ++i) {
        m_settings.beginGroup(QStringLiteral("group.%1").arg(i));
        const QList<int> numbers = listedComputers(QStringLiteral("Computers.0"));
        m_settings.endGroup();
        for (const int number : numbers)
            listed.insert(number);
    }
    const int total = int(qMin<qlonglong>(readCount(QStringLiteral("Computers/computers_count")), sections));
    for (int number = 0; number < total; ++number) {
        if (!listed.contains(number))
            m_ungrouped->computers.append(readComputer(number));
    }
    return m_ungrouped;
}

QMap<int, OldEvent>* OldConfiguration::readEvents()
{
    if (!m_events)
        m_events = new QMap<int, OldEvent>;
    m_events->clear();
    const qlonglong count = readCount(QStringLiteral("events/events_count"));

    // Only sections that exist: a missing one would read as eventNumber 0 and
    // overwrite event 0 with "Unknown" and no owner.
    QList<int> indices;
    const QString prefix = QStringLiteral("event.");
    const QList<QString> sections = m_settings.sectionNames();
    for (const QString& section : sections) {
        if (!section.startsWith(prefix))
            continue;
        const QString digits = section.mid(prefix.size());
        bool ok = false;
        const int index = digits.toInt(&ok);
        if (ok && index >= 0 && index < count && QString::number(index) == digits)
            indices.append(index);
    }
    std::sort(indices.begin(), indices.end());

    for (const int index : qAsConst(indices)) {
        m_settings.beginGroup(QStringLiteral("event.%1").arg(index));
        const int number = m_settings.intValue(QStringLiteral("eventNumber"));
        if (number >= 0) {
            OldEvent& event = (*m_events)[number];
            event.event = m_settings.value(QStringLiteral("event"), QStringLiteral("Unknown")).toString();
            const QString action =
                m_settings.value(QStringLiteral("action"), QStringLiteral("Unknown")).toString();
            Converter::Action* slot = nullptr;
            if (action == QLatin1String("message")) {
                if (!event.message)
                    event.message.reset(new Converter::MessageAction);
                slot = event.message.data();
            } else if (action == QLatin1String("sysCommand")) {
                if (!event.sysCommand)
                    event.sysCommand.reset(new Converter::SysCommandAction);
                slot = event.sysCommand.data();
            } else if (action == QLatin1String("sendMail")) {
                if (!event.sendMail)
                    event.sendMail.reset(new Converter::SendMailAction);
                slot = event.sendMail.data();
            } else if (action == QLatin1String("powerOff")) {
                if (!event.powerOff)
                    event.powerOff.reset(new Converter::PowerOffAction);
                slot = event.powerOff.data();
            }
            if (slot)
                slot->load(m_settings);
            event.parent_type = m_settings.value(QStringLiteral("parent_type")).toString();
            event.id = m_settings.intValue(QStringLiteral("id"));
            event.eventNumber = number;
        }
        m_settings.endGroup();
    }
    return m_events;
}
