#include "localsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>

namespace {

// The installer kind the update download asks for.
#ifdef Q_OS_WIN
const char firstStartPlatform[] = "Windows";
#else
const char firstStartPlatform[] = "x86-64-deb";
#endif

void writeFirstStartFile(const QString& path)
{
    // A fresh account has no folder yet; without it the defaults could not be written.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Text))
        return;
    QTextStream out(&file);
    out << "[General]\n"
        << "server_address=localhost\n"
        << "language=english\n"
        << "platform=" << firstStartPlatform << "\n"
        << "check_updates=true\n";
}

} // namespace

QString LocalSettings::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Luminorix/orvendesk.ini");
}

LocalSettings::LocalSettings()
{
    const QString path = filePath();
    const QFileInfo info(path);
    // A directory standing at the path makes open() fail, so nothing is written.
    if (!info.exists() || !info.isFile())
        writeFirstStartFile(path);
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

LocalSettings::~LocalSettings() = default;

QString LocalSettings::language() const
{
    return m_settings->value(QStringLiteral("language")).toString();
}

QString LocalSettings::serverAddress() const
{
    return m_settings->value(QStringLiteral("server_address")).toString();
}

void LocalSettings::setServerAddress(const QString& address)
{
    m_settings->setValue(QStringLiteral("server_address"), address);
}

QString LocalSettings::platform() const
{
    return m_settings->value(QStringLiteral("platform")).toString();
}

bool LocalSettings::checkUpdates() const
{
    return m_settings->value(QStringLiteral("check_updates"), 1).toBool();
}

void LocalSettings::setCheckUpdates(bool check)
{
    m_settings->setValue(QStringLiteral("check_updates"), check);
}

bool LocalSettings::dontShowAddUpsPrompt() const
{
    return m_settings->value(QStringLiteral("dont_show_addups_prompt"), 0).toBool();
}

void LocalSettings::setDontShowAddUpsPrompt(bool dontShow)
{
    m_settings->setValue(QStringLiteral("dont_show_addups_prompt"), dontShow);
}

bool LocalSettings::sortingUpsList() const
{
    return m_settings->value(QStringLiteral("sorting_ups_list"), 0).toBool();
}

void LocalSettings::setSortingUpsList(bool sorting)
{
    m_settings->setValue(QStringLiteral("sorting_ups_list"), sorting);
}

bool LocalSettings::sortingUpsListReversed() const
{
    return m_settings->value(QStringLiteral("sorting_ups_list_reversed"), 0).toBool();
}

void LocalSettings::setSortingUpsListReversed(bool reversed)
{
    m_settings->setValue(QStringLiteral("sorting_ups_list_reversed"), reversed);
}
