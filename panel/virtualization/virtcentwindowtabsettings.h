#pragma once

#include "base/sessionstamp.h"

#include <QMap>
#include <QString>
#include <QWidget>

class AnswerWait;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
namespace Luminorix {
class UpsSocketController;
}

// The centre's own settings: the switch, the e-mail notifications and the two
// time limits. Nothing is kept here: each field comes from the service and each
// "Zapisz" sends its one value back at once. A group of fields stays disabled
// from its save until the service answers with the values it now holds.
class VirtCentWindowTabSettings : public QWidget
{
    Q_OBJECT

public:
    // The longest a save may stay unanswered before its group is given back.
    static constexpr int saveAnswerMs = 10000;

    explicit VirtCentWindowTabSettings(Luminorix::UpsSocketController* controller, QWidget* parent = nullptr);

    // Asks for the enabled state and the settings; both groups wait for them.
    void requestSettings();

    // The administrator's session ended: nothing more to save, nothing to wait for.
    void endSession();

    void setVirtEnabledControlsEnabled(bool enabled);
    void setSettingsControlsEnabled(bool enabled);

public slots:
    void slot_virtualizationCenterEnabledReceived(bool is_enabled);
    void slot_virtualizationCenterSettingsReceived(QMap<QString, QString> parameters);

private slots:
    void slot_btn_virt_enabled_save();
    void slot_btn_email_notifications_enabled_save();
    void slot_btn_email_notifications_recipients_save();
    void slot_btn_forced_poweroff_timeout_vms_save();
    void slot_btn_master_shutdown_delay_save();

private:
    void sendSetting(const QString& key, const QString& value);
    // The value of `edit` when it is a whole number in [low, high]; else a warning with `rangeText`.
    bool readSeconds(QLineEdit* edit, int low, int high, const QString& rangeText, int* seconds);
    void warn(const QString& text);
    void enabledUnanswered();
    void settingsUnanswered();

    Luminorix::UpsSocketController* controller;
    // The session the centre was opened in: its changes go out in it only.
    SessionStamp session;
    QGridLayout* layout;
    QCheckBox* chk_virt_enabled;
    QPushButton* btn_virt_enabled_save;
    QCheckBox* chk_email_notifications_enabled;
    QPushButton* btn_email_notifications_enabled_save;
    QLabel* lbl_email_notifications_recipients;
    QLineEdit* le_email_notifications_recipients;
    QPushButton* btn_email_notifications_recipients_save;
    QLabel* lbl_forced_poweroff_timeout_vms;
    QLineEdit* le_forced_poweroff_timeout_vms;
    QPushButton* btn_forced_poweroff_timeout_vms_save;
    QLabel* lbl_master_shutdown_delay;
    QLineEdit* le_master_shutdown_delay;
    QPushButton* btn_master_shutdown_delay_save;
    // A save whose answer is lost (the service restarted, the link dropped)
    // would otherwise keep its group disabled until the window is reopened.
    AnswerWait* enabled_wait;
    AnswerWait* settings_wait;
    bool wait_enabled = false;
    bool wait_settings = false;
};

// The tab's links to the service controller: the enabled state and the settings.
void connectToService(VirtCentWindowTabSettings* tab, Luminorix::UpsSocketController* controller);
