#pragma once

#include "caselesssettings.h"
#include "olddeviceconfig.h"
#include "oldevent.h"
#include "oldgroup.h"
#include "oldsmtpconfig.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QTextCodec;

// The service's configuration file as found. Reads only: the file is never
// moved, changed or written back.
class OldConfiguration
{
public:
    explicit OldConfiguration(const QString& filePath);
    OldConfiguration(const OldConfiguration&) = delete;
    OldConfiguration& operator=(const OldConfiguration&) = delete;
    ~OldConfiguration();

    // Empty when the file was read as a settings file; otherwise one line on why not.
    QString damage() const { return m_damage; }
    QString filePath() const { return m_filePath; }
    // The bytes as found, for the backup and for the layouts converted in place.
    QByteArray contents() const { return m_contents; }
    QTextCodec* codec() const { return m_codec; }

    QString version() const;
    bool runAtBoot() const;
    QString workMode() const;
    OldDeviceConfig readDevice() const;
    OldSmtpConfig readSmtp();
    OldComputer readComputer(int number);

    // Each read refills the same object and returns it; the reader owns it.
    QList<OldGroup>* readGroups();
    OldGroup* readUngroupedComputers();
    // Events by their eventNumber.
    QMap<int, OldEvent>* readEvents();

    // Passwords carried over as cipher text because they did not decipher.
    QStringList warnings() const { return m_warnings; }
    // Counts whose text is not a number; converting would silently drop what they count.
    QStringList errors() const { return m_errors; }

private:
    qlonglong readCount(const QString& key);
    QList<int> listedComputers(const QString& key) const;
    static void note(QStringList* list, const QString& line);

    Converter::CaselessSettings m_settings;
    QMap<int, OldEvent>* m_events = nullptr;
    QList<OldGroup>* m_groups = nullptr;
    OldGroup* m_ungrouped = nullptr;
    QString m_filePath;
    QByteArray m_contents;
    QTextCodec* m_codec = nullptr;
    QString m_damage;
    QStringList m_warnings;
    QStringList m_errors;
};
