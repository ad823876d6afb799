#include "virtcentwindowtabsettings.h"

#include "common/helpers.h"
#include "common/named.h"
#include "link/linkmetatypes.h"
#include "link/upssocketcontroller.h"
#include "panel/base/answerwait.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {
const char emailNotificationsEnabledKey[] = "email_notifications_enabled";
const char recipientsKey[] = "email_notifications_recipients";
const char forcedPoweroffKey[] = "forced_poweroff_timeout_vms";
const char masterShutdownKey[] = "master_shutdown_delay";

bool isRecipient(const QString& part)
{
    static const QRegularExpression address(
        QStringLiteral("\\A(?:\\b[A-Z0-9._%+-]+@[A-Z0-9.-]+\\.[A-Z]{2,4}\\b)\\z"),
        QRegularExpression::CaseInsensitiveOption);
    return address.match(part).hasMatch();
}
} // namespace

VirtCentWindowTabSettings::VirtCentWindowTabSettings(Luminorix::UpsSocketController* controller,
                                                     QWidget* parent)
    : QWidget(parent), controller(controller), session(controller)
{
    registerLinkMetaTypes();
    layout = named(new QGridLayout(this), "layout");
    chk_virt_enabled = named(new QCheckBox(tr("Włącz obsługę systemów wirtualizacji")), "chk_virt_enabled");
    btn_virt_enabled_save = named(new QPushButton(tr("Zapisz")), "btn_virt_enabled_save");
    chk_email_notifications_enabled =
        named(new QCheckBox(tr("Włącz powiadomienia mailowe z centrum wirtualizacji")),
              "chk_email_notifications_enabled");
    btn_email_notifications_enabled_save =
        named(new QPushButton(tr("Zapisz")), "btn_email_notifications_enabled_save");
    lbl_email_notifications_recipients =
        named(new QLabel(tr("Lista odbiorców powiadomień mailowych")), "lbl_email_notifications_recipients");
    le_email_notifications_recipients = named(new QLineEdit, "le_email_notifications_recipients");
    le_email_notifications_recipients->setPlaceholderText(
        QStringLiteral("admin@example.com; operator@example.com"));
    // Room for the whole example, taken from the labels' column, which wraps instead.
    le_email_notifications_recipients->setMinimumWidth(
        le_email_notifications_recipients->fontMetrics().horizontalAdvance(
            le_email_notifications_recipients->placeholderText()) +
        16);
    btn_email_notifications_recipients_save =
        named(new QPushButton(tr("Zapisz")), "btn_email_notifications_recipients_save");
    lbl_forced_poweroff_timeout_vms =
        named(new QLabel(tr("Maksymalny czas oczekiwania na wyłączenie maszyn [s]")),
              "lbl_forced_poweroff_timeout_vms");
    le_forced_poweroff_timeout_vms = named(new QLineEdit, "le_forced_poweroff_timeout_vms");
    btn_forced_poweroff_timeout_vms_save =
        named(new QPushButton(tr("Zapisz")), "btn_forced_poweroff_timeout_vms_save");
    lbl_master_shutdown_delay = named(
        new QLabel(tr("Maksymalny czas wyłączania maszyny MANAGER [s]\n(używany, gdy zarządzanie hostem "
                      "odbywa się z VM na tym hoście)")),
        "lbl_master_shutdown_delay");
    lbl_master_shutdown_delay->setWordWrap(true);
    le_master_shutdown_delay = named(new QLineEdit, "le_master_shutdown_delay");
    btn_master_shutdown_delay_save = named(new QPushButton(tr("Zapisz")), "btn_master_shutdown_delay_save");

    layout->addWidget(chk_virt_enabled, 0, 0);
    layout->addWidget(btn_virt_enabled_save, 0, 2);
    layout->addWidget(chk_email_notifications_enabled, 1, 0);
    layout->addWidget(btn_email_notifications_enabled_save, 1, 2);
    layout->addWidget(lbl_email_notifications_recipients, 2, 0);
    layout->addWidget(le_email_notifications_recipients, 2, 1);
    layout->addWidget(btn_email_notifications_recipients_save, 2, 2);
    layout->addWidget(lbl_forced_poweroff_timeout_vms, 3, 0);
    layout->addWidget(le_forced_poweroff_timeout_vms, 3, 1);
    layout->addWidget(btn_forced_poweroff_timeout_vms_save, 3, 2);
    layout->addWidget(lbl_master_shutdown_delay, 4, 0);
    layout->addWidget(le_master_shutdown_delay, 4, 1);
    layout->addWidget(btn_master_shutdown_delay_save, 4, 2);
    layout->setRowStretch(5, 1);
    // The recipients' list is the one field that needs the room.
    layout->setColumnStretch(1, 1);

    connect(btn_virt_enabled_save, &QPushButton::released, this,
            &VirtCentWindowTabSettings::slot_btn_virt_enabled_save);
    connect(btn_email_notifications_enabled_save, &QPushButton::released, this,
            &VirtCentWindowTabSettings::slot_btn_email_notifications_enabled_save);
    connect(btn_email_notifications_recipients_save, &QPushButton::released, this,
            &VirtCentWindowTabSettings::slot_btn_email_notifications_recipients_save);
    connect(btn_forced_poweroff_timeout_vms_save, &QPushButton::released, this,
            &VirtCentWindowTabSettings::slot_btn_forced_poweroff_timeout_vms_save);
    connect(btn_master_shutdown_delay_save, &QPushButton::released, this,
            &VirtCentWindowTabSettings::slot_btn_master_shutdown_delay_save);

    enabled_wait = new AnswerWait(this, saveAnswerMs, "enabled_wait");
    settings_wait = new AnswerWait(this, saveAnswerMs, "settings_wait");
    connect(enabled_wait, &AnswerWait::expired, this, &VirtCentWindowTabSettings::enabledUnanswered);
    connect(settings_wait, &AnswerWait::expired, this, &VirtCentWindowTabSettings::settingsUnanswered);

    setVirtEnabledControlsEnabled(false);
    setSettingsControlsEnabled(false);
}

void VirtCentWindowTabSettings::endSession()
{
    enabled_wait->stop();
    settings_wait->stop();
    setEnabled(false);
}

void VirtCentWindowTabSettings::enabledUnanswered()
{
    enabled_answer.abandon();
    setVirtEnabledControlsEnabled(true);
    warn(tr("Usługa nie odpowiedziała na czas."));
}

void VirtCentWindowTabSettings::settingsUnanswered()
{
    settings_answer.abandon();
    saved_key.clear();
    setSettingsControlsEnabled(true);
    warn(tr("Usługa nie odpowiedziała na czas."));
}

void VirtCentWindowTabSettings::requestSettings()
{
    enabled_answer.awaitAny();
    controller->getVirtualizationCenterEnabled();
    settings_answer.awaitAny();
    controller->getVirtualizationCenterSettings();
}

void VirtCentWindowTabSettings::setVirtEnabledControlsEnabled(bool enabled)
{
    chk_virt_enabled->setEnabled(enabled);
    btn_virt_enabled_save->setEnabled(enabled);
}

void VirtCentWindowTabSettings::setSettingsControlsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{
             chk_email_notifications_enabled, btn_email_notifications_enabled_save,
             lbl_email_notifications_recipients, le_email_notifications_recipients,
             btn_email_notifications_recipients_save, lbl_forced_poweroff_timeout_vms,
             le_forced_poweroff_timeout_vms, btn_forced_poweroff_timeout_vms_save, lbl_master_shutdown_delay,
             le_master_shutdown_delay, btn_master_shutdown_delay_save})
        w->setEnabled(enabled);
}

void VirtCentWindowTabSettings::slot_virtualizationCenterEnabledReceived(bool is_enabled)
{
    // The virtual machines tab polls the same state each second; only an
    // answer this tab waits for touches the box.
    if (!enabled_answer.take(is_enabled))
        return;
    enabled_wait->stop();
    chk_virt_enabled->setChecked(is_enabled);
    setVirtEnabledControlsEnabled(true);
}

void VirtCentWindowTabSettings::slot_virtualizationCenterSettingsReceived(QMap<QString, QString> parameters)
{
    if (!settings_answer.take(parameters))
        return;
    settings_wait->stop();
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it) {
        const bool typed =
            shown_values.contains(it.key()) && fieldValue(it.key()) != shown_values.value(it.key());
        if (it.key() == saved_key || !typed)
            showValue(it.key(), it.value());
    }
    saved_key.clear();
    setSettingsControlsEnabled(true);
}

QLineEdit* VirtCentWindowTabSettings::lineEditOf(const QString& key) const
{
    if (key == QLatin1String(recipientsKey))
        return le_email_notifications_recipients;
    if (key == QLatin1String(forcedPoweroffKey))
        return le_forced_poweroff_timeout_vms;
    if (key == QLatin1String(masterShutdownKey))
        return le_master_shutdown_delay;
    return nullptr;
}

QString VirtCentWindowTabSettings::fieldValue(const QString& key) const
{
    if (key == QLatin1String(emailNotificationsEnabledKey))
        return chk_email_notifications_enabled->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    const QLineEdit* edit = lineEditOf(key);
    return edit ? edit->text() : QString();
}

void VirtCentWindowTabSettings::showValue(const QString& key, const QString& value)
{
    if (key == QLatin1String(emailNotificationsEnabledKey))
        chk_email_notifications_enabled->setChecked(value.toInt(nullptr, 10) > 0);
    else if (QLineEdit* edit = lineEditOf(key))
        edit->setText(value);
    else
        return;
    shown_values.insert(key, fieldValue(key));
}

void VirtCentWindowTabSettings::slot_btn_virt_enabled_save()
{
    const bool enabled = chk_virt_enabled->isChecked();
    if (!session.send([&] { controller->setVirtualizationCenterEnabled(enabled); }))
        return;
    enabled_answer.await([enabled](bool is_enabled) { return is_enabled == enabled; }, stalePolledAnswers);
    enabled_wait->start();
    setVirtEnabledControlsEnabled(false);
}

void VirtCentWindowTabSettings::slot_btn_email_notifications_enabled_save()
{
    const QString on =
        chk_email_notifications_enabled->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    sendSetting(QLatin1String(emailNotificationsEnabledKey), on, on);
}

void VirtCentWindowTabSettings::slot_btn_email_notifications_recipients_save()
{
    QString text = le_email_notifications_recipients->text();
    text.remove(QLatin1Char(' '));
    const QStringList parts = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (!isRecipient(part)) {
            warn(tr("Adres email odbiorcy:\n%1\njest nieprawidłowy.\n\nWprowadź poprawną listę odbiorców i "
                    "spróbuj ponownie")
                     .arg(part));
            return;
        }
    }
    const QString joined = parts.join(QLatin1Char(';'));
    sendSetting(QLatin1String(recipientsKey), escapeXml(joined), joined);
}

void VirtCentWindowTabSettings::slot_btn_forced_poweroff_timeout_vms_save()
{
    int seconds = 0;
    if (readSeconds(
            le_forced_poweroff_timeout_vms, 300, 3600,
            tr("Parametr czasu oczekiwania na wyłączenie maszyn\nmusi mieścić się w zakresie 300-3600 "
               "sekund.\n\nWprowadź poprawną wartość i spróbuj ponownie"),
            &seconds))
        sendSetting(QLatin1String(forcedPoweroffKey), QString::number(seconds), QString::number(seconds));
}

void VirtCentWindowTabSettings::slot_btn_master_shutdown_delay_save()
{
    int seconds = 0;
    if (readSeconds(le_master_shutdown_delay, 60, 1200,
                    tr("Parametr czasu oczekiwania na wyłączenie maszyn\nmusi mieścić się w zakresie 60-1200 "
                       "sekund.\n\nWprowadź poprawną wartość i spróbuj ponownie"),
                    &seconds))
        sendSetting(QLatin1String(masterShutdownKey), QString::number(seconds), QString::number(seconds));
}

void VirtCentWindowTabSettings::sendSetting(const QString& key, const QString& value, const QString& stored)
{
    if (!session.send([&] { controller->setVirtualizationCenterSettings({{key, value}}); }))
        return;
    // No number ties an answer to its save: the one to this save holds the value saved.
    settings_answer.await(
        [key, stored](const QMap<QString, QString>& settings) {
            return settings.contains(key) && settings.value(key) == stored;
        },
        0);
    saved_key = key;
    settings_wait->start();
    setSettingsControlsEnabled(false);
}

bool VirtCentWindowTabSettings::readSeconds(QLineEdit* edit, int low, int high, const QString& rangeText,
                                            int* seconds)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok, 10);
    if (!ok || value < low || value > high) {
        warn(rangeText);
        return false;
    }
    *seconds = value;
    return true;
}

void VirtCentWindowTabSettings::warn(const QString& text)
{
    QMessageBox::warning(this, tr("Centrum wirtualizacji"), text, QMessageBox::Ok);
}

void connectToService(VirtCentWindowTabSettings* tab, Luminorix::UpsSocketController* controller)
{
    using Controller = Luminorix::UpsSocketController;
    QObject::connect(controller, &Controller::virtualizationCenterEnabledReceived, tab,
                     &VirtCentWindowTabSettings::slot_virtualizationCenterEnabledReceived);
    QObject::connect(controller, &Controller::virtualizationCenterSettingsReceived, tab,
                     &VirtCentWindowTabSettings::slot_virtualizationCenterSettingsReceived);
}
