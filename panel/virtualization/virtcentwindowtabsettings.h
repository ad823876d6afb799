#pragma once

#include "panel/base/awaitedanswer.h"
#include "panel/base/sessionstamp.h"

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
// from its save until the service answers with the values it now holds; what
// is typed and not saved in the other fields stays.
class VirtCentWindowTabSettings : public QWidget
{
    Q_OBJECT

public:
    // The longest a save may stay unanswered before its group is given back.
    static constexpr int saveAnswerMs = 10000;
    // How many enabled states that do not show a save yet are taken as answers
    // to polls sent before it and passed over.
    static constexpr int stalePolledAnswers = 3;

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
    // `value` as it travels; `stored`, as the service's answer shows it.
    void sendSetting(const QString& key, const QString& value, const QString& stored);
    // The value of the field of `key` as the settings map carries it.
    QString fieldValue(const QString& key) const;
    QLineEdit* lineEditOf(const QString& key) const;
    void showValue(const QString& key, const QString& value);
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
    // The enabled state is polled by the virtual machines tab, so the answers
    // made before a save can come after it; a settings answer can be one to a
    // save whose wait ran out.
    AwaitedAnswer<bool> enabled_answer;
    AwaitedAnswer<QMap<QString, QString>> settings_answer;
    // The key of the save under way, empty when none is.
    QString saved_key;
    // What each field got from the service last: one that no longer shows it
    // holds something typed and not saved.
    QMap<QString, QString> shown_values;
};

// The tab's links to the service controller: the enabled state and the settings.
void connectToService(VirtCentWindowTabSettings* tab, Luminorix::UpsSocketController* controller);
