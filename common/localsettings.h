#pragma once

#include <QString>
#include <memory>

class QSettings;

// The control panel's own preferences file. Make one for a read or a write and
// drop it at once: changes reach the file when the object is destroyed.
class LocalSettings
{
public:
    LocalSettings();
    ~LocalSettings();
    LocalSettings(const LocalSettings&) = delete;
    LocalSettings& operator=(const LocalSettings&) = delete;

    QString language() const;
    QString serverAddress() const;
    void setServerAddress(const QString& address);
    QString platform() const;
    bool checkUpdates() const;
    void setCheckUpdates(bool check);
    bool dontShowAddUpsPrompt() const;
    void setDontShowAddUpsPrompt(bool dontShow);
    bool sortingUpsList() const;
    void setSortingUpsList(bool sorting);
    bool sortingUpsListReversed() const;
    void setSortingUpsListReversed(bool reversed);

    // Where the file lives: the user's generic configuration folder + "/Luminorix/orvendesk.ini".
    static QString filePath();

private:
    std::unique_ptr<QSettings> m_settings;
};
