#include "poweroffvcenteractionswindow.h"

#include "common/named.h"
#include "common/poweroffaction.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>

namespace {
const int maximumDelaySeconds = 999900;
const int managerFlagRole = Qt::UserRole + 1;

const char* const modeTypes[] = {"shutdown", "shutdown_Force", "hibernation", "reboot", "no_action"};
const int modeCount = 5;

QGroupBox* sectionBox(const QString& title, const char* name, QVBoxLayout** layout)
{
    QGroupBox* box = named(new QGroupBox(title), name);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* l = new QVBoxLayout(box);
    l->setContentsMargins(10, 15, 10, 10);
    l->setSpacing(10);
    *layout = l;
    return box;
}

QLabel* fixedIcon(const QString& resource, const char* name)
{
    QLabel* icon = named(new QLabel, name);
    icon->setPixmap(QPixmap(resource));
    icon->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return icon;
}

// An icon and a label side by side, both hidden until a refresh shows them.
QHBoxLayout* noteRow(QLabel* icon, QLabel* label)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addWidget(icon);
    row->addWidget(label);
    row->addStretch();
    icon->hide();
    label->hide();
    return row;
}

QList<int> parseActionIds(const QString& text)
{
    QList<int> ids;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.simplified().toInt(&ok, 10);
        if (ok)
            ids.append(id);
    }
    return ids;
}
} // namespace

PowerOffVCenterActionsWindow::PowerOffVCenterActionsWindow(Luminorix::UpsSocketController* controller,
                                                           QWidget* parent)
    : QDialog(parent), controller(controller)
{
    setObjectName(QStringLiteral("PowerOffVCenterActionsWindow"));
    setWindowTitle(tr("Zamknij system / Wykonaj akcje Centrum Wirtualizacji"));
    setWindowIcon(QIcon(QStringLiteral(":/images/images/appicon_32.png")));
    setMinimumSize(555, 660);

    QVBoxLayout* actionsLayout = nullptr;
    QGroupBox* actionsBox =
        sectionBox(tr("Wykonaj akcje Centrum Wirtualizacji"), "virtualizationActionsGroup", &actionsLayout);
    actionList = named(new QListWidget, "actionList");
    actionList->setSelectionMode(QAbstractItemView::NoSelection);
    actionList->setMinimumHeight(150);
    actionList->setSpacing(2);
    actionsLayout->addWidget(actionList);
    managerWarningIcon = fixedIcon(QStringLiteral(":/images/images/shutdown_sml.png"), "managerWarningIcon");
    managerWarningLabel =
        named(new QLabel(tr("Wybrano akcję wyłączającą maszynę MANAGER")), "managerWarningLabel");
    managerWarningLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const QString managerTip = tr("Luminorix pracuje na maszynie wirtualnej, pełniącej funkcję MANAGER\n"
                                  "Jedna z wybranych akcji ma zaplanowane wyłączenie tego systemu");
    managerWarningIcon->setToolTip(managerTip);
    managerWarningLabel->setToolTip(managerTip);
    actionsLayout->addLayout(noteRow(managerWarningIcon, managerWarningLabel));

    QVBoxLayout* shutdownLayout = nullptr;
    QGroupBox* shutdownBox = sectionBox(tr("Zamknij System"), "shutdownGroup", &shutdownLayout);
    systemNoteIcon = fixedIcon(QStringLiteral(":/images/images/info.png"), "systemNoteIcon");
    systemNoteLabel = named(new QLabel, "systemNoteLabel");
    systemNoteLabel->setStyleSheet(QStringLiteral("color: darkblue;"));
    shutdownLayout->addLayout(noteRow(systemNoteIcon, systemNoteLabel));
    const QString modeTexts[modeCount] = {tr("Standardowe zamknięcie systemu"),
                                          tr("Wymuszone zamknięcie systemu"), tr("Hibernacja"),
                                          tr("Restart systemu"), tr("Nic nie rób")};
    const char* const modeNames[modeCount] = {"shutdownRadio", "forcedShutdownRadio", "hibernationRadio",
                                              "rebootRadio", "noActionRadio"};
    for (int mode = 0; mode < modeCount; ++mode) {
        QRadioButton* radio = named(new QRadioButton(modeTexts[mode]), modeNames[mode]);
        modeRadios.append(radio);
        shutdownLayout->addWidget(radio);
    }
    shutdownLayout->addSpacing(15);
    upsNoteIcon = fixedIcon(QStringLiteral(":/images/images/info.png"), "upsNoteIcon");
    upsNoteLabel = named(new QLabel, "upsNoteLabel");
    upsNoteLabel->setStyleSheet(QStringLiteral("color: darkblue;"));
    shutdownLayout->addLayout(noteRow(upsNoteIcon, upsNoteLabel));
    powerOffUpsCheckBox =
        named(new QCheckBox(tr("Po zamknięciu systemu wyłącz zasilacz UPS")), "powerOffUpsCheckBox");
    shutdownLayout->addWidget(powerOffUpsCheckBox);

    QVBoxLayout* delayLayout = nullptr;
    QGroupBox* delayBox = sectionBox(tr("Opóźnienie"), "delayGroup", &delayLayout);
    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(named(new QLabel(tr("Czas, po którym polecenie zostanie wykonane")), "delayLabel"));
    delayRow->addStretch();
    delaySpinBox = named(new QSpinBox, "delaySpinBox");
    delaySpinBox->setSuffix(tr("s"));
    delaySpinBox->setRange(0, maximumDelaySeconds);
    delaySpinBox->setValue(180);
    delaySpinBox->setMinimumWidth(100);
    delayRow->addWidget(delaySpinBox);
    delayLayout->addLayout(delayRow);

    auto* buttonRow = new QHBoxLayout;
    QLabel* logo = named(new QLabel, "logoLabel");
    logo->setPixmap(QPixmap(QStringLiteral(":/images/images/maker_logo_s.png")));
    buttonRow->addWidget(logo);
    buttonRow->addStretch();
    QPushButton* okButton = named(new QPushButton(tr("OK")), "okButton");
    QPushButton* cancelButton = named(new QPushButton(tr("Anuluj")), "cancelButton");
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(cancelButton);

    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->addWidget(actionsBox);
    mainLayout->addWidget(shutdownBox);
    mainLayout->addWidget(delayBox);
    mainLayout->addStretch();
    mainLayout->addLayout(buttonRow);

    connect(okButton, &QPushButton::released, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::released, this, &QWidget::close);
    connect(actionList, &QListWidget::itemChanged, this,
            &PowerOffVCenterActionsWindow::slot_actionsListSelectionChanged);
    for (QRadioButton* radio : qAsConst(modeRadios))
        connect(radio, &QRadioButton::toggled, this, &PowerOffVCenterActionsWindow::slot_rb_poweroff_changed);
    // The user's choice becomes the one a later refresh restores.
    connect(powerOffUpsCheckBox, &QCheckBox::clicked, this,
            [this](bool checked) { storedPowerOffUps = checked; });
    updateUi(true);
}

void PowerOffVCenterActionsWindow::requestVirtualizationCentre()
{
    if (!controller)
        return;
    awaitingVersion = true;
    controller->getVirtualizationCenterVersion();
    awaitingEnabled = true;
    controller->getVirtualizationCenterEnabled();
    awaitingManagement = true;
    controller->getVirtualizationCenterHostManagement();
    awaitingActionList = true;
    controller->getVirtualizationCenterActionList();
    updateUi(true);
}

void PowerOffVCenterActionsWindow::setDelay(int seconds)
{
    delaySpinBox->setValue(seconds);
}

int PowerOffVCenterActionsWindow::delay() const
{
    return delaySpinBox->value();
}

void PowerOffVCenterActionsWindow::setPowerOffUps(bool powerOff)
{
    storedPowerOffUps = powerOff;
    updateUi(true);
}

bool PowerOffVCenterActionsWindow::isPowerOffUps() const
{
    return powerOffUpsCheckBox->isChecked();
}

void PowerOffVCenterActionsWindow::setShutdownMode(int mode)
{
    storedMode = mode;
    updateUi(true);
}

int PowerOffVCenterActionsWindow::shutdownMode() const
{
    for (int mode = 0; mode < NoAction; ++mode) {
        if (modeRadios.at(mode)->isChecked())
            return mode;
    }
    return NoAction;
}

void PowerOffVCenterActionsWindow::setSelectedActionIds(const QList<int>& ids)
{
    selectedIds = ids;
    updateUi(true);
}

QList<int> PowerOffVCenterActionsWindow::checkedActionIds() const
{
    QList<int> ids;
    for (int row = 0; row < actionList->count(); ++row) {
        const QListWidgetItem* item = actionList->item(row);
        if (item->checkState() == Qt::Checked)
            ids.append(item->data(Qt::UserRole).toInt());
    }
    return ids;
}

void PowerOffVCenterActionsWindow::setGroupHasLocalComputer(bool has)
{
    groupHasLocalComputer = has;
    updateUi(true);
}

void PowerOffVCenterActionsWindow::setUpsPowerOffSupported(bool supported)
{
    upsPowerOffSupported = supported;
    updateUi(true);
}

void PowerOffVCenterActionsWindow::showAction(const PowerOffAction& action)
{
    setDelay(action.delay_time);
    setPowerOffUps(!action.stanbyUps);
    setShutdownMode(modeForType(action.type));
    setSelectedActionIds(parseActionIds(action.vms_action_ids));
}

void PowerOffVCenterActionsWindow::writeAction(PowerOffAction& action) const
{
    action.delay_time = delay();
    action.stanbyUps = !isPowerOffUps();
    if (actionListAnswered) {
        QStringList ids;
        for (int id : checkedActionIds())
            ids.append(QString::number(id));
        action.vms_action_ids = ids.join(QLatin1Char(','));
    }
    action.type = typeForMode(shutdownMode());
}

bool PowerOffVCenterActionsWindow::editAction(QSharedPointer<PowerOffAction>& action,
                                              Luminorix::UpsSocketController* controller,
                                              const DialogRelay& relay, QWidget* parent,
                                              bool groupHasLocalComputer, bool upsPowerOffSupported)
{
    PowerOffVCenterActionsWindow dialog(controller, parent);
    connectToService(&dialog, controller, relay);
    dialog.requestVirtualizationCentre();
    if (action)
        dialog.showAction(*action);
    dialog.setGroupHasLocalComputer(groupHasLocalComputer);
    dialog.setUpsPowerOffSupported(upsPowerOffSupported);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!action)
        action.reset(new PowerOffAction);
    dialog.writeAction(*action);
    return true;
}

int PowerOffVCenterActionsWindow::modeForType(const QString& type)
{
    for (int mode = 0; mode < modeCount; ++mode) {
        if (type == QLatin1String(modeTypes[mode]))
            return mode;
    }
    return NoAction;
}

QString PowerOffVCenterActionsWindow::typeForMode(int mode)
{
    if (mode < 0 || mode >= modeCount)
        mode = NoAction;
    return QLatin1String(modeTypes[mode]);
}

void PowerOffVCenterActionsWindow::slot_virtualizationCenterVersionReceived(QString /*vc_version*/)
{
    if (!awaitingVersion)
        return;
    awaitingVersion = false;
    updateUi(true);
}

void PowerOffVCenterActionsWindow::slot_virtualizationCenterEnabledReceived(bool is_enabled)
{
    if (!awaitingEnabled)
        return;
    awaitingEnabled = false;
    enabledAnswered = true;
    vcEnabled = is_enabled;
    updateUi(true);
}

void PowerOffVCenterActionsWindow::slot_virtualizationCenterHostManagementReceived(
    VmTableWidgetTypes::ManagementConfig management_config)
{
    if (!awaitingManagement)
        return;
    awaitingManagement = false;
    management = management_config;
    updateUi(true);
}

void PowerOffVCenterActionsWindow::slot_virtualizationCenterActionListReceived(
    QList<VmTableWidgetTypes::ActionParameters> action_list)
{
    if (!awaitingActionList)
        return;
    awaitingActionList = false;
    actionListAnswered = true;
    actions = action_list;
    updateUi(true);
}

void PowerOffVCenterActionsWindow::slot_actionsListSelectionChanged(QListWidgetItem* changedItem)
{
    // The user's marks become the selection a later refresh restores.
    if (changedItem) {
        const int id = changedItem->data(Qt::UserRole).toInt();
        selectedIds.removeAll(id);
        if (changedItem->checkState() == Qt::Checked)
            selectedIds.append(id);
    }
    updateManagerWarning();
}

void PowerOffVCenterActionsWindow::slot_rb_poweroff_changed(bool checked)
{
    if (checked)
        storedMode = shutdownMode();
    updateUi(false);
}

bool PowerOffVCenterActionsWindow::isManagerMode() const
{
    return management.valid && management.is_managed_from_internal_vm && vcEnabled;
}

bool PowerOffVCenterActionsWindow::powersOffManager(const VmTableWidgetTypes::ActionParameters& action) const
{
    if (!isManagerMode() || (action.action_type != 1 && action.action_type != 2) ||
        !action.power_off_selected_hosts_after_vm_shutdown)
        return false;
    for (const VmActionTarget& target : action.selected_items) {
        if (target.host_type == management.host_type && target.host_id == management.host_id)
            return true;
    }
    return false;
}

void PowerOffVCenterActionsWindow::updateUi(bool full)
{
    const bool manager = isManagerMode();
    bool boxEnabled = false;
    bool noteVisible = true;
    if (!manager && upsPowerOffSupported) {
        boxEnabled = groupHasLocalComputer;
        noteVisible = !boxEnabled;
    }

    const QString unsupportedText = tr("Funkcjonalność niedostępna w UPS (więcej informacji)");
    const QString unsupportedTip = tr("Wybrany model UPS nie obsługuje funkcji wyłączenia UPS");
    QString noteText;
    QString noteTip;
    bool boxChecked = storedPowerOffUps;
    if (manager) {
        boxChecked = management.shutdown_ups_with_master_vm;
        if (upsPowerOffSupported) {
            noteText = tr("Opcja kontrolowana z poziomu Centrum Wirtualizacji (więcej informacji)");
            noteTip = tr("Luminorix pracuje na maszynie wirtualnej w trybie MANAGER\n"
                         "Wyłączenie UPS kontrolowane jest z poziomu ustawień Centrum Wirtualizacji");
        } else {
            noteText = unsupportedText;
            noteTip = unsupportedTip;
        }
    } else if (!upsPowerOffSupported) {
        noteText = unsupportedText;
        noteTip = unsupportedTip;
    } else if (!groupHasLocalComputer) {
        noteText = tr("Funkcjonalność niedostępna dla tej konfiguracji (więcej informacji)");
        noteTip = tr("Aktualna konfiguracja zdarzeń nie zezwala na wyłączenie UPS.\n"
                     "Wyłączenie UPS możliwe jest tylko wtedy, gdy dana grupa zawiera komputer lokalny");
    }
    upsNoteLabel->setText(noteText);
    upsNoteLabel->setToolTip(noteTip);
    upsNoteIcon->setToolTip(noteTip);
    upsNoteLabel->setVisible(noteVisible);
    upsNoteIcon->setVisible(noteVisible);
    powerOffUpsCheckBox->setChecked(boxChecked);
    powerOffUpsCheckBox->setEnabled(boxEnabled);

    systemNoteLabel->setText(tr("Zamykanie systemu niedostępne dla komputera lokalnego (więcej informacji)"));
    const QString systemTip =
        tr("Luminorix pracuje na maszynie wirtualnej w trybie MANAGER\n"
           "> Opcja zamykania systemu dla tej maszyny będzie ignorowana - maszyna\n"
           "   zamykana jest automatycznie z całym hostem z poziomu akcji Centrum Wirtualizacji\n"
           "> Opcja zamykania systemu będzie stosowana wyłącznie dla maszyn zdalnych,\n"
           "   na których uruchomiono Luminorix Netclient i znajdujących się w tej grupie");
    systemNoteLabel->setToolTip(systemTip);
    systemNoteIcon->setToolTip(systemTip);
    systemNoteLabel->setVisible(manager);
    systemNoteIcon->setVisible(manager);

    QRadioButton* noAction = modeRadios.at(NoAction);
    noAction->setEnabled(vcEnabled);

    if (full) {
        for (QRadioButton* radio : qAsConst(modeRadios)) {
            radio->blockSignals(true);
            // An exclusive radio cannot be unchecked; a mode outside the table checks none.
            radio->setAutoExclusive(false);
            radio->setChecked(false);
            radio->setAutoExclusive(true);
        }
        if (storedMode >= 0 && storedMode < modeCount)
            modeRadios.at(storedMode)->setChecked(true);
        // Only the service's word that the centre is off turns "no action" into
        // a shutdown; before it, the stored mode stands.
        if (enabledAnswered && !vcEnabled && noAction->isChecked())
            modeRadios.at(StandardShutdown)->setChecked(true);
        for (QRadioButton* radio : qAsConst(modeRadios))
            radio->blockSignals(false);
    }

    if (noAction->isChecked() && powerOffUpsCheckBox->isEnabled()) {
        powerOffUpsCheckBox->setChecked(false);
        powerOffUpsCheckBox->setEnabled(false);
    }

    if (full) {
        const QSignalBlocker blocker(actionList);
        actionList->clear();
        for (const VmTableWidgetTypes::ActionParameters& action : qAsConst(actions)) {
            auto* item = new QListWidgetItem(action.name);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(selectedIds.contains(action.action_id) ? Qt::Checked : Qt::Unchecked);
            item->setData(Qt::UserRole, action.action_id);
            item->setData(managerFlagRole, powersOffManager(action));
            actionList->addItem(item);
        }
        actionList->setEnabled(vcEnabled);
    }
    updateManagerWarning();
}

bool PowerOffVCenterActionsWindow::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    // The fixed minimum size keeps the layout from growing the window, so a
    // note that appears would squeeze the rows: grow to what they need.
    if (event->type() == QEvent::LayoutRequest)
        resize(size().expandedTo(minimumSizeHint()));
    return handled;
}

void PowerOffVCenterActionsWindow::updateManagerWarning()
{
    bool warn = false;
    for (int row = 0; row < actionList->count() && !warn; ++row) {
        const QListWidgetItem* item = actionList->item(row);
        warn = item->checkState() == Qt::Checked && item->data(managerFlagRole).toBool();
    }
    managerWarningIcon->setVisible(warn);
    managerWarningLabel->setVisible(warn);
}

void connectToService(PowerOffVCenterActionsWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& /*relay*/)
{
    using Controller = Luminorix::UpsSocketController;
    using Window = PowerOffVCenterActionsWindow;
    QObject::connect(controller, &Controller::virtualizationCenterVersionReceived, dialog,
                     &Window::slot_virtualizationCenterVersionReceived);
    QObject::connect(controller, &Controller::virtualizationCenterEnabledReceived, dialog,
                     &Window::slot_virtualizationCenterEnabledReceived);
    QObject::connect(controller, &Controller::virtualizationCenterHostManagementReceived, dialog,
                     &Window::slot_virtualizationCenterHostManagementReceived);
    QObject::connect(controller, &Controller::virtualizationCenterActionListReceived, dialog,
                     &Window::slot_virtualizationCenterActionListReceived);
}
