#include "networkconfigurationwindow.h"

#include "advancedoptionswindow.h"
#include "common/helpers.h"
#include "common/localsettings.h"
#include "common/messagebox.h"
#include "common/receivedtext.h"
#include "computerconfigurationwindow.h"
#include "discoverwindow.h"
#include "eventdefinitions.h"
#include "groupconfigurationwindow.h"
#include "link/framing.h"
#include "link/requestserializers.h"
#include "link/upssocketcontroller.h"
#include "outputsocketwindow.h"
#include "panel/base/answerwait.h"
#include "panel/base/dialogguard.h"
#include "panel/base/dialogrelay.h"
#include "panel/base/passwordchangewindow.h"
#include "poweroffvcenteractionswindow.h"
#include "sendemailwindow.h"
#include "syscommandwindow.h"
#include "ui_networkconfigurationwindow.h"

#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {
const int loadTimeoutMs = 10000;
const int eventColumnWidth = 200;
const int networkNameColumnWidth = 250;

const QString headerKind = QStringLiteral("header");
const QString computerKind = QStringLiteral("computer");
const QString groupKind = QStringLiteral("group");

QIcon appIcon()
{
    return QIcon(QStringLiteral(":/images/images/appicon_32.png"));
}

// Turns a button off again whenever anything turns it on: after the
// administrator's log-out nothing of this dialog may be changed or sent.
class KeepDisabled : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::EnabledChange && widget->isEnabled())
            widget->setEnabled(false);
        return false;
    }
};

// The event column holds the longest state name of the language shown, at least
// its designed width.
int eventColumnWidthFor(const QTreeWidget* tree)
{
    int widest = 0;
    for (const QVector<EventDefinition>* table :
         {&defaultEventDefinitionTable(), &avrEventDefinitionTable()}) {
        for (const EventDefinition& row : *table)
            widest =
                qMax(widest, tree->fontMetrics().horizontalAdvance(NetworkConfigurationWindow::tr(row.name)));
    }
    const int margins = 2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1);
    return qMax(eventColumnWidth, widest + margins + (tree->rootIsDecorated() ? tree->indentation() : 0));
}

QMap<QString, QStringList> translatedTable(const QVector<EventDefinition>& rows)
{
    QMap<QString, QStringList> table;
    for (const EventDefinition& row : rows) {
        table.insert(QLatin1String(row.key),
                     {NetworkConfigurationWindow::tr(row.name), QLatin1String(row.expressionIn),
                      QLatin1String(row.expressionOut)});
    }
    return table;
}

int idIn(const QTreeWidgetItem* item, int column)
{
    return item->text(column).toInt();
}
} // namespace

NetworkConfigurationWindow::NetworkConfigurationWindow(const Luminorix::Utils::Ups& ups, QWidget* parent)
    : QDialog(parent), ui(new Ui::NetworkConfigurationWindow), ups(ups)
{
    ui->setupUi(this);

    const bool sockets = hasOutputSockets();
    const int actionWidth = sockets ? 40 : 50;
    ui->eventsTree->setColumnCount(sockets ? 6 : 5);
    if (!sockets)
        ui->outputSocketActionLabel->hide();
    const int eventWidth = eventColumnWidthFor(ui->eventsTree);
    ui->eventsTree->setColumnWidth(0, eventWidth);
    for (int column = 1; column <= (sockets ? 4 : 3); ++column)
        ui->eventsTree->setColumnWidth(column, actionWidth);
    // The heading row stands over the event list's columns.
    ui->label->setFixedWidth(eventWidth);
    for (QLabel* heading : {ui->showMessageLabel, ui->systemCommandLabel, ui->sendMailButton,
                            ui->powerOffLabel, ui->outputSocketActionLabel})
        heading->setFixedWidth(actionWidth);
    // The four "Konfiguruj" buttons keep one width, however long their box's text is.
    for (QPushButton* button : {ui->systemCommandConfigurationButton, ui->sendEmailConfigurationButton,
                                ui->shutdownSystemConfigurationButton, ui->outputSocketConfigurationButton})
        button->setSizePolicy(QSizePolicy::Fixed, button->sizePolicy().verticalPolicy());
    ui->horizontalLayout_6->setSpacing(0);
    ui->horizontalLayout_6->addStretch();
    ui->networkElementsTree->setColumnWidth(NameColumn, networkNameColumnWidth);
    ui->networkItemNameLabel_2->setFixedWidth(networkNameColumnWidth);

    defaultEventDefinitions = translatedTable(defaultEventDefinitionTable());
    avrEventDefinitions = translatedTable(avrEventDefinitionTable());

    noResponseTimer = new AnswerWait(this, loadTimeoutMs, "noResponseTimer");
    connect(noResponseTimer, &AnswerWait::expired, this, &NetworkConfigurationWindow::noResponseTimeout);

    setSaveButtonEnabled(false);
    fillEventTypes(ups.model_name);
    ui->advancedConfigurationButton->setVisible(isAdvancedEventModel());
    if (!sockets) {
        ui->outputSocketBox->hide();
        ui->outputSocketConfigurationButton->hide();
    }
}

NetworkConfigurationWindow::~NetworkConfigurationWindow()
{
    delete ui;
}

void NetworkConfigurationWindow::setSocketController(Luminorix::UpsSocketController* socketController)
{
    controller = socketController;
    session = SessionStamp(socketController);
}

void NetworkConfigurationWindow::setDialogRelay(const DialogRelay* relay)
{
    dialogRelay = relay;
}

void NetworkConfigurationWindow::setDiscoveryTargets(const QList<DiscoveryInterface>& interfaces,
                                                     quint16 port)
{
    discoveryInterfaces = interfaces;
    discoveryPort = port;
}

// ---- loading

void NetworkConfigurationWindow::requestNetworkConfiguration(QString upsId)
{
    if (!controller)
        return;
    controller->getNetworkConfiguration(upsId);
    if (!configuration.isLoaded())
        noResponseTimer->start();
}

// Once loaded, the lists are the administrator's edit: a later reply (asked
// for by someone else) must not replace them under the open editor.
void NetworkConfigurationWindow::setGroupsFromConfig(QVector<Group> received)
{
    configuration.setGroups(received);
}

void NetworkConfigurationWindow::setEventsFromConfig(QVector<Event> received)
{
    if (configuration.isLoaded())
        return;
    configuration.setEvents(received);
    if (isAdvancedEventModel())
        fillAdvancedEventNames();
}

void NetworkConfigurationWindow::setAllComputers(QVector<Computer> allComputer)
{
    if (configuration.setComputers(allComputer))
        completeLoading();
}

void NetworkConfigurationWindow::completeLoading()
{
    stopResponseTimer();
    fillNetworkElementsTrees();
    if (QTreeWidgetItem* first = ui->networkElementsTree->topLevelItem(0))
        ui->networkElementsTree->setCurrentItem(first);
    refreshEventsTree();
    setFixedSize(size());
    setSaveButtonEnabled(true);
    ui->addComputerButton->setEnabled(true);
    ui->addGroupButton->setEnabled(true);
    ui->discoverButton->setEnabled(true);
}

void NetworkConfigurationWindow::noResponseTimeout()
{
    showMessageBox(tr("Błąd odczytu"), tr("Nie odczytano pliku konfiguracyjnego"));
}

void NetworkConfigurationWindow::stopResponseTimer()
{
    noResponseTimer->stop();
}

void NetworkConfigurationWindow::setEnabledButtons(bool enable)
{
    if (enable)
        return;
    // By role, not by text: the text follows the language.
    const QPushButton* cancel = ui->buttonBox->button(QDialogButtonBox::Cancel);
    auto* filter = new KeepDisabled(this);
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        // An open question's buttons are its own: No and Escape must still close it.
        if (button == cancel || button->window() != this)
            continue;
        button->setEnabled(false);
        button->installEventFilter(filter);
    }
}

void NetworkConfigurationWindow::setSaveButtonEnabled(bool enable)
{
    ui->buttonBox->button(QDialogButtonBox::Save)->setEnabled(enable);
}

// ---- OK and Cancel

void NetworkConfigurationWindow::accept()
{
    // The Yes of the password question comes here with the editor open; an
    // unsaved event must not go to the service.
    if (editingEvent)
        cancelEventButtonClickHandler();
    if (!configuration.fitsRepliesOf(ups.id)) {
        showMessageBox(tr("Uwaga!"), tr("Konfiguracja jest zbyt duża, aby ją zapisać.") + QLatin1Char('\n') +
                                         tr("Usuń część zdarzeń lub skróć ich teksty."));
        return;
    }
    if (!session.send([this] { configuration.sendTo(controller, ups.id); }))
        return;
    waitMilliseconds(200);
    QDialog::accept();
}

void NetworkConfigurationWindow::reject()
{
    if (passwordChangeCount == 0) {
        QDialog::reject();
        return;
    }
    // A net-client already has its new password; only saving keeps the
    // configuration's copy of it in step.
    QMessageBox question(QMessageBox::Question, tr("Hasło dla elementu sieciowego zostało zmienione."),
                         tr("Konieczne jest zachowanie konfiguracji. Czy zachować? "),
                         QMessageBox::Yes | QMessageBox::No, this);
    // Closing the box answers neither: the dialog stays open.
    QAbstractButton* neither = question.addButton(QMessageBox::Cancel);
    neither->hide();
    question.setEscapeButton(neither);
    question.setDefaultButton(QMessageBox::No); // Yes sends: Enter must not
    question.exec();
    if (question.clickedButton() == question.button(QMessageBox::Yes))
        accept();
    else if (question.clickedButton() == question.button(QMessageBox::No))
        QDialog::reject();
}

// ---- the network trees

QTreeWidgetItem* NetworkConfigurationWindow::createComputerItem(const Computer& computer,
                                                                const Group* group) const
{
    auto* item = new QTreeWidgetItem;
    item->setText(NameColumn, computer.computer_name);
    item->setText(AddressColumn, NetworkConfiguration::isLocalAddress(computer.computer_address)
                                     ? LocalSettings().serverAddress()
                                     : computer.computer_address);
    item->setText(KindColumn, computerKind);
    if (group)
        item->setText(GroupIdColumn, QString::number(group->group_configId));
    item->setText(ComputerIdColumn, QString::number(computer.computer_configId));
    return item;
}

void NetworkConfigurationWindow::fillNetworkElementsTrees()
{
    ui->networkElementsTree->clear();
    ui->availableComputers->clear();
    QFont bold = ui->networkElementsTree->font();
    bold.setWeight(75);

    QTreeWidgetItem* header = nullptr;
    const QVector<Computer>& computers = configuration.computers();
    if (!computers.isEmpty()) {
        header = new QTreeWidgetItem;
        // A fixed text, not translated: it names the system.
        header->setText(NameColumn, QStringLiteral("Komputery dostępne w systemie Luminorix"));
        header->setText(KindColumn, headerKind);
        for (const Computer& computer : qAsConst(computers))
            header->addChild(createComputerItem(computer));
        header->setFont(NameColumn, bold);
    }

    QList<QTreeWidgetItem*> groupItems;
    for (const Group& group : configuration.groups()) {
        auto* item = new QTreeWidgetItem;
        item->setText(NameColumn,
                      QStringLiteral("%1 (%2)").arg(group.group_name).arg(group.computers.size()));
        item->setText(KindColumn, groupKind);
        item->setText(GroupIdColumn, QString::number(group.group_configId));
        for (int id : group.computers) {
            const int index = configuration.computerIndex(id);
            if (index >= 0)
                item->addChild(createComputerItem(computers.at(index), &group));
        }
        item->setFont(NameColumn, bold);
        groupItems.append(item);
    }

    if (header) {
        ui->availableComputers->addTopLevelItem(header);
        ui->availableComputers->expandAll();
    }
    ui->networkElementsTree->addTopLevelItems(groupItems);
    // Groups have no address and keep their order; their computers follow their addresses.
    ui->networkElementsTree->sortItems(AddressColumn, Qt::AscendingOrder);
}

QTreeWidgetItem* NetworkConfigurationWindow::firstSelectedNetworkItem() const
{
    const QList<QTreeWidgetItem*> selected = ui->networkElementsTree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void NetworkConfigurationWindow::networkElementsItemSelectionChangedHandler()
{
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!item) {
        groupEvents.clear();
        refreshEventsTree();
        return;
    }
    // By kind: a computer may have no address and is still no group.
    const bool group = item->text(KindColumn) == groupKind;
    const bool defaultGroup = group && NetworkConfiguration::isDefaultGroupName(item->text(NameColumn));
    ui->changePassButton->setEnabled(!group);
    ui->editButton->setEnabled(group && !defaultGroup);
    ui->removeGroupButton->setEnabled(group && !defaultGroup);
    ui->arrowDownButton->setEnabled(false);
    ui->removeComputerButton->setEnabled(false);
    ui->arrowUpButton->setEnabled(!group);
    ui->addEventButton->setEnabled(true);
    ui->editEventButton->setEnabled(true);
    ui->removeEventButton->setEnabled(true);
    collectGroupEvents();
    refreshEventsTree();
}

void NetworkConfigurationWindow::allComputersItemSelectionChangeHandler()
{
    const QList<QTreeWidgetItem*> selected = ui->availableComputers->selectedItems();
    QTreeWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
    if (!item || item->text(KindColumn) == headerKind) {
        ui->arrowDownButton->setEnabled(false);
        ui->removeComputerButton->setEnabled(false);
        return;
    }
    ui->arrowDownButton->setEnabled(true);
    if (NetworkConfiguration::isLocalAddress(item->text(AddressColumn))) {
        // The service's own machine stays in the system.
        ui->removeComputerButton->setEnabled(false);
    } else {
        ui->removeComputerButton->setEnabled(true);
        ui->arrowUpButton->setEnabled(false);
    }
}

// ---- computers

void NetworkConfigurationWindow::addComputerButtonClickHandler()
{
    DialogGuard<ComputerConfigurationWindow> dialog(computerConfigurationWindow,
                                                    new ComputerConfigurationWindow(nullptr));
    connectToService(dialog.get(), controller, *dialogRelay);
    connect(dialog.get(), &ComputerConfigurationWindow::passwordConfirmed, this,
            &NetworkConfigurationWindow::takeConfirmedComputer);
    dialog->setGroups(configuration.groupNames());
    dialog->setConfiguredComputers(configuration.computers());
    dialog->exec();
}

void NetworkConfigurationWindow::sendNetclientPassRequest()
{
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!passwordChangeWindow || !item)
        return;
    controller->getNetClientPassword({{QStringLiteral("netclient_address"), item->text(AddressColumn)}});
}

void NetworkConfigurationWindow::takeConfirmedComputer()
{
    ComputerConfigurationWindow* pending = computerConfigurationWindow;
    Computer computer;
    computer.computer_name = pending->computerName();
    computer.computer_address = pending->computerAddress();
    computer.computer_password = pending->password();
    configuration.addComputer(computer, pending->groupName());
    fillNetworkElementsTrees();
    pending->done(QDialog::Accepted);
}

void NetworkConfigurationWindow::removeComputerButtonClickHandler()
{
    const QList<QTreeWidgetItem*> selected = ui->availableComputers->selectedItems();
    if (selected.isEmpty() || selected.first()->text(KindColumn) != computerKind)
        return;
    const int id = idIn(selected.first(), ComputerIdColumn);
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Uwaga!"),
        tr("Czy na pewno usunąć komputer? \nSpowoduje to usunięcie komputera ze wszystkich grup."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (!session.send([this, id] { controller->removeComputer(id); }))
        return;
    {
        const QSignalBlocker blockNetwork(ui->networkElementsTree);
        const QSignalBlocker blockAvailable(ui->availableComputers);
        configuration.removeComputer(id);
        fillNetworkElementsTrees();
    }
    ui->arrowDownButton->setEnabled(false);
    ui->removeComputerButton->setEnabled(false);
}

void NetworkConfigurationWindow::arrowDownButtonClickHandler()
{
    QTreeWidgetItem* current = ui->availableComputers->currentItem();
    if (!current || current->text(KindColumn) != computerKind) {
        QMessageBox box;
        box.setWindowIcon(appIcon());
        box.setWindowTitle(tr("Uwaga!"));
        box.setText(tr("Wybierz komputer z listy dostępnych komputerów"));
        box.exec();
        return;
    }
    const int id = idIn(current, ComputerIdColumn);
    QInputDialog chooser;
    chooser.setWindowIcon(appIcon());
    chooser.setWindowTitle(tr("Grupa"));
    chooser.setLabelText(tr("Wybierz grupę do której chcesz dodać komputer ") + current->text(NameColumn));
    chooser.setComboBoxItems(configuration.groupNames());
    chooser.setComboBoxEditable(false);
    if (chooser.exec() == QDialog::Accepted &&
        configuration.addToGroup(id, chooser.textValue()) == NetworkConfiguration::Joined::AlreadyMember)
        showMessageBox(tr("Uwaga!"), tr("Wybrana grupa zawiera już ten komputer"));
    fillNetworkElementsTrees();
}

void NetworkConfigurationWindow::arrowUpButtonClickHandler()
{
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!ui->networkElementsTree->currentItem() || !item)
        return;
    if (item->text(KindColumn) == computerKind)
        configuration.removeFromGroup(idIn(item, GroupIdColumn), idIn(item, ComputerIdColumn));
    fillNetworkElementsTrees();
}

// ---- groups

void NetworkConfigurationWindow::addGroupButtonClickHandler()
{
    Group group;
    GroupConfigurationWindow dialog(nullptr);
    dialog.setAvailableComputers(configuration.computers());
    dialog.setExistingGroups(configuration.groups());
    dialog.setEditedGroup(&group);
    if (dialog.exec() != QDialog::Accepted)
        return;
    group.group_name = dialog.groupName();
    configuration.addGroup(group);
    fillNetworkElementsTrees();
}

void NetworkConfigurationWindow::editButtonClickHandler()
{
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!item || item->text(KindColumn) != groupKind)
        return;
    const int id = idIn(item, GroupIdColumn);
    if (configuration.groupIndex(id) < 0)
        return;
    // The dialog edits a copy, so a reply that replaces the list while it runs
    // leaves it nothing dangling; members moved take effect even on Cancel.
    Group edited = configuration.groups().at(configuration.groupIndex(id));
    GroupConfigurationWindow dialog(nullptr);
    dialog.setAvailableComputers(configuration.computers());
    dialog.setEditedGroup(&edited);
    dialog.setExistingGroups(configuration.groups());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (configuration.groupIndex(id) < 0)
        return;
    const bool membersChanged = configuration.setGroupMembers(id, edited.computers);
    if (accepted)
        configuration.renameGroup(id, dialog.groupName());
    if (accepted || membersChanged)
        fillNetworkElementsTrees();
}

void NetworkConfigurationWindow::removeGroupButtonClickHandler()
{
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!item || item->text(KindColumn) != groupKind)
        return;
    configuration.removeGroup(idIn(item, GroupIdColumn));
    fillNetworkElementsTrees();
}

// ---- discovery

void NetworkConfigurationWindow::discoverButtonClickHandler()
{
    QVector<Computer> taken;
    {
        DialogGuard<DiscoverWindow> dialog(discoverWindow, new DiscoverWindow(nullptr));
        connectToService(dialog.get(), controller, *dialogRelay);
        if (discoveryInterfaces)
            dialog->setDiscoveryTargets(*discoveryInterfaces, discoveryPort);
        dialog->fillConfiguredComputers(configuration.computers());
        if (dialog->exec() == QDialog::Accepted)
            taken = dialog->addedComputers();
    }
    configuration.addComputers(taken);
    fillNetworkElementsTrees();
}

// ---- passwords

void NetworkConfigurationWindow::passwordChangeButtonClickHandler()
{
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!item || item->text(KindColumn) != computerKind)
        return;
    const int index = configuration.computerIndex(idIn(item, ComputerIdColumn));
    if (index < 0)
        return;
    const QString address = configuration.computers().at(index).computer_address;
    const bool local = NetworkConfiguration::isLocalAddress(address);
    DialogGuard<PasswordChangeWindow> dialog(passwordChangeWindow,
                                             new PasswordChangeWindow(address, controller, nullptr));
    connectToService(dialog.get(), controller, *dialogRelay,
                     local ? PasswordChangeWindow::AdministratorMode : PasswordChangeWindow::NetClientMode);
    if (!local) {
        connect(dialog.get(), &PasswordChangeWindow::getPassword, this,
                qOverload<>(&NetworkConfigurationWindow::sendNetclientPassRequest));
        connect(dialog.get(), &PasswordChangeWindow::changeNetclientPassword, this,
                &NetworkConfigurationWindow::setNetclientPassword);
    }
    // After the dialog's own slot, and only while it lives.
    connect(controller, &Luminorix::UpsSocketController::passwordChanged, dialog.get(),
            [this] { passwordChanged(); });
    dialog->exec();
}

void NetworkConfigurationWindow::setNetclientPassword(QString pass)
{
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!item)
        return;
    controller->changeNetclientPassword({{QStringLiteral("netclient_address"), item->text(AddressColumn)},
                                         {QStringLiteral("password"), pass}});
}

void NetworkConfigurationWindow::passwordChanged()
{
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!passwordChangeWindow || !item)
        return;
    ++passwordChangeCount;
    configuration.setComputerPassword(idIn(item, ComputerIdColumn), passwordChangeWindow->newPassword());
}

// ---- the event list of the selected group

bool NetworkConfigurationWindow::hasOutputSockets() const
{
    return ups.output_socket1 || ups.output_socket2;
}

bool NetworkConfigurationWindow::isAdvancedEventModel() const
{
    return ::isAdvancedEventModel(ups.model_name);
}

bool NetworkConfigurationWindow::usesAvrEventDefinitions() const
{
    return ::usesAvrEventDefinitions(ups.model_name);
}

const QMap<QString, QStringList>& NetworkConfigurationWindow::chosenEventDefinitions() const
{
    return usesAvrEventDefinitions() ? avrEventDefinitions : defaultEventDefinitions;
}

void NetworkConfigurationWindow::fillEventTypes(const QString& modelName)
{
    ui->workModeBox->clear();
    offeredEventKeys = offeredEventKeysForModel(modelName);
    const QMap<QString, QStringList>& table = chosenEventDefinitions();
    for (const QString& key : qAsConst(offeredEventKeys))
        ui->workModeBox->addItem(table.value(key, {key}).first(), key);
}

void NetworkConfigurationWindow::fillAdvancedEventNames()
{
    ui->workModeBox->clear();
    for (const Event& event : configuration.events())
        ui->workModeBox->addItem(event.event_state, event.event_state);
}

void NetworkConfigurationWindow::collectGroupEvents()
{
    groupEvents.clear();
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!item)
        return;
    groupEvents = configuration.groupEvents(idIn(item, GroupIdColumn));
}

void NetworkConfigurationWindow::refreshEventsTree()
{
    ui->eventsTree->clear();
    QList<QTreeWidgetItem*> rows;
    for (const Event& event : qAsConst(groupEvents))
        rows.append(new QTreeWidgetItem(eventRowTexts(event)));
    ui->eventsTree->addTopLevelItems(rows);
}

QStringList NetworkConfigurationWindow::eventRowTexts(const Event& event) const
{
    QStringList texts;
    // A key the table lacks shows as itself.
    texts << (isAdvancedEventModel()
                  ? event.event_state
                  : chosenEventDefinitions().value(event.event_state, {event.event_state}).first());
    appendActionMark(texts, !event.messageAction.isNull());
    appendActionMark(texts, !event.sysCommandAction.isNull());
    appendActionMark(texts, !event.sendMailAction.isNull());
    appendActionMark(texts, !event.powerOffAction.isNull());
    if (hasOutputSockets())
        appendActionMark(texts, !event.outputSocketAction.isNull());
    return texts;
}

void NetworkConfigurationWindow::appendActionMark(QStringList& texts, bool present) const
{
    texts << (present ? QStringLiteral("*") : QString());
}

// ---- the event editor

bool NetworkConfigurationWindow::groupHasLocalComputer() const
{
    QTreeWidgetItem* item = firstSelectedNetworkItem();
    if (!item)
        return false;
    return configuration.groupHasLocalComputer(idIn(item, GroupIdColumn));
}

Event* NetworkConfigurationWindow::editedEvent()
{
    return editingEvent ? configuration.event(editedParentId, editedNumber) : nullptr;
}

void NetworkConfigurationWindow::setEventEditorActive(bool on)
{
    for (QWidget* w :
         {static_cast<QWidget*>(ui->eventConfigurationGroup), static_cast<QWidget*>(ui->saveEventButton),
          static_cast<QWidget*>(ui->cancelEventButton)})
        w->setEnabled(on);
    for (QWidget* w :
         {static_cast<QWidget*>(ui->addEventButton), static_cast<QWidget*>(ui->editEventButton),
          static_cast<QWidget*>(ui->removeEventButton), static_cast<QWidget*>(ui->eventsTree),
          static_cast<QWidget*>(ui->networkElementsTree), static_cast<QWidget*>(ui->networkElementsGroup)})
        w->setEnabled(!on);
    if (on) {
        const bool local = groupHasLocalComputer();
        ui->sendEmailBox->setEnabled(local);
        ui->outputSocketBox->setEnabled(local);
        return;
    }
    ReceivedText::show(ui->messageEdit, QString());
    for (QCheckBox* box : {ui->showMessageBox, ui->systemCommandBox, ui->sendEmailBox, ui->shutdownSystemBox,
                           ui->outputSocketBox})
        box->setChecked(false);
}

void NetworkConfigurationWindow::closeEventEditor()
{
    setEventEditorActive(false);
    editingEvent = false;
    isNewEvent = false;
    setSaveButtonEnabled(true);
}

void NetworkConfigurationWindow::addEventButtonClickHandler()
{
    // One event at a time: a second one would leave the first without a group.
    if (editingEvent)
        return;
    if (!firstSelectedNetworkItem()) {
        showMessageBox(tr("Uwaga!"), tr("Wybierz grupę do której chcesz dodać zdarzenie"));
        return;
    }
    setEventEditorActive(true);
    ui->eventsTree->clearSelection();
    editingEvent = true;
    editedNumber = configuration.addEvent();
    editedParentId = -1; // no group until it is saved
    isNewEvent = true;
    for (QCheckBox* box : {ui->showMessageBox, ui->systemCommandBox, ui->sendEmailBox, ui->shutdownSystemBox,
                           ui->outputSocketBox})
        box->setChecked(false);
    for (QWidget* w :
         {static_cast<QWidget*>(ui->messageEdit), static_cast<QWidget*>(ui->systemCommandConfigurationButton),
          static_cast<QWidget*>(ui->sendEmailConfigurationButton),
          static_cast<QWidget*>(ui->shutdownSystemConfigurationButton),
          static_cast<QWidget*>(ui->outputSocketConfigurationButton)})
        w->setEnabled(false);
    setSaveButtonEnabled(false);
}

void NetworkConfigurationWindow::editEventButtonClickHandler()
{
    const int row = ui->eventsTree->indexOfTopLevelItem(ui->eventsTree->currentItem());
    if (row < 0 || row >= groupEvents.size()) {
        showMessageBox(tr("Uwaga!"), tr("Wybierz zdarzenie"));
        return;
    }
    const Event& shown = groupEvents.at(row);
    const int index = configuration.eventIndex(shown.event_parentId, shown.event_number);
    if (index < 0)
        return;
    const Event& event = configuration.events().at(index);
    editingEvent = true;
    editedParentId = event.event_parentId;
    editedNumber = event.event_number;
    isNewEvent = false;
    setEventEditorActive(true);

    const int entry = isAdvancedEventModel() ? ui->workModeBox->findText(event.event_state)
                                             : ui->workModeBox->findData(event.event_state);
    if (entry >= 0)
        ui->workModeBox->setCurrentIndex(entry);

    // Shown bounded; untouched, the stored text goes back as it came.
    ReceivedText::show(ui->messageEdit, event.messageAction ? event.messageAction->message_text : QString());
    if (event.messageAction) {
        ui->showMessageBox->setChecked(true);
        ui->messageEdit->setEnabled(true);
    } else {
        ui->messageEdit->setEnabled(false);
    }
    const QList<QPair<QCheckBox*, QPushButton*>> actionRows = {
        {ui->systemCommandBox, ui->systemCommandConfigurationButton},
        {ui->sendEmailBox, ui->sendEmailConfigurationButton},
        {ui->shutdownSystemBox, ui->shutdownSystemConfigurationButton},
        {ui->outputSocketBox, ui->outputSocketConfigurationButton}};
    const QList<bool> present = {!event.sysCommandAction.isNull(), !event.sendMailAction.isNull(),
                                 !event.powerOffAction.isNull(), !event.outputSocketAction.isNull()};
    for (int i = 0; i < actionRows.size(); ++i) {
        actionRows.at(i).first->setChecked(present.at(i));
        actionRows.at(i).second->setEnabled(present.at(i));
    }
    setSaveButtonEnabled(false);
}

void NetworkConfigurationWindow::removeEventButtonClickHandler()
{
    const int row = ui->eventsTree->indexOfTopLevelItem(ui->eventsTree->currentItem());
    if (row < 0 || row >= groupEvents.size()) {
        showMessageBox(tr("Uwaga!"), tr("Wybierz zdarzenie"));
        return;
    }
    configuration.removeEvent(groupEvents.at(row).event_parentId, groupEvents.at(row).event_number);
    collectGroupEvents();
    refreshEventsTree();
}

void NetworkConfigurationWindow::cancelEventButtonClickHandler()
{
    setEventEditorActive(false);
    if (isNewEvent)
        configuration.removeEvent(editedParentId, editedNumber);
    else if (isAdvancedEventModel() && savedDefinition.size() == 3) {
        if (Event* event = editedEvent()) {
            event->event_state = savedDefinition.at(0);
            event->expressionIn = savedDefinition.at(1);
            event->expressionOut = savedDefinition.at(2);
        }
    }
    if (isAdvancedEventModel()) {
        savedDefinition.clear();
        fillAdvancedEventNames();
    }
    // A failed save may have dropped actions of the event: show what it holds.
    collectGroupEvents();
    refreshEventsTree();
    closeEventEditor();
}

void NetworkConfigurationWindow::saveEventButtonClickHandler()
{
    Event* event = editedEvent();
    QTreeWidgetItem* groupItem = firstSelectedNetworkItem();
    if (!event || !groupItem) {
        // The event went with a replaced list, or no group is selected to save it to.
        cancelEventButtonClickHandler();
        return;
    }
    const QString key = ui->workModeBox->currentData().toString();
    const int groupId = idIn(groupItem, GroupIdColumn);
    const bool advanced = isAdvancedEventModel();
    const QString title = tr("Uwaga!");

    // The service would store a nameless event that never starts.
    if (advanced && (event->event_state.isEmpty() || event->expressionIn.isEmpty())) {
        showMessageBox(title, tr("Zdarzenie nie ma definicji.") + QLatin1Char('\n') +
                                  tr("Wybierz przycisk \"Zaawansowane\"."));
        return;
    }

    for (const Event& other : configuration.events()) {
        if (&other == event)
            continue;
        if (other.event_state == key && (advanced || other.event_parentId == groupId)) {
            showMessageBox(title, tr("Konfiguracja zawiera już zdarzenie ") + ui->workModeBox->currentText());
            return;
        }
    }

    if (!advanced) {
        event->event_state = key;
        const QStringList row = chosenEventDefinitions().value(key);
        if (row.size() == 3) {
            event->expressionIn = row.at(1);
            event->expressionOut = row.at(2);
        }
    }

    if (ui->showMessageBox->isChecked()) {
        if (!event->messageAction)
            event->messageAction.reset(new MessageAction);
        event->messageAction->message_text = ReceivedText::of(ui->messageEdit);
    } else {
        event->messageAction.reset();
    }
    if (!ui->systemCommandBox->isChecked())
        event->sysCommandAction.reset();
    if (!ui->sendEmailBox->isChecked())
        event->sendMailAction.reset();
    if (!ui->shutdownSystemBox->isChecked())
        event->powerOffAction.reset();
    if (!ui->outputSocketBox->isChecked())
        event->outputSocketAction.reset();

    const QString configure = QLatin1Char('\n') + tr("Wybierz przycisk \"Konfiguruj\".");
    if (ui->shutdownSystemBox->isChecked() && !event->powerOffAction) {
        showMessageBox(title, tr("Nie zostały ustawione parametry zamknięcia systemu.") + configure);
        return;
    }
    if (ui->systemCommandBox->isChecked() && !event->sysCommandAction) {
        showMessageBox(title, tr("Nie zostały ustawione parametry polecenia systemowego.") + configure);
        return;
    }
    if (ui->sendEmailBox->isChecked() && !event->sendMailAction) {
        showMessageBox(title, tr("Nie zostały ustawione parametry dla wysyłania email.") + configure);
        return;
    }
    // By the UPS's sockets, not isVisible(): that holds only once the dialog is shown.
    if (hasOutputSockets() && ui->outputSocketBox->isChecked() && !event->outputSocketAction) {
        showMessageBox(title, tr("Nie zostały ustawione parametry gniazda sterowalnego.") + configure);
        return;
    }

    if (event->powerOffAction) {
        const int shutdownDelay = event->powerOffAction->delay_time;
        const QString invalid = tr("Nieprawidłowa konfiguracja.") + QLatin1Char('\n');
        if (event->sysCommandAction && event->sysCommandAction->delay_time >= shutdownDelay) {
            showMessageBox(title,
                           invalid +
                               tr("Opóźnienie wykonania polecenia systemowego jest większe od opóźnienia "
                                  "zamknięcia systemu.") +
                               QLatin1Char('\n') + tr("Polecenie systemowe nie zostanie wykonane."));
            return;
        }
        const OutputSocketControlAction* sockets = event->outputSocketAction.data();
        if (sockets && ((sockets->first_sock_conf && sockets->first_sock_delay >= shutdownDelay) ||
                        (sockets->second_sock_conf && sockets->second_sock_delay >= shutdownDelay))) {
            showMessageBox(title,
                           invalid +
                               tr("Opóźnienie włączenia/wyłączenia gniazda sterowalnego jest większe od "
                                  "opóźnienia zamknięcia systemu.") +
                               QLatin1Char('\n') +
                               tr("Polecenie dla gniazda sterowalnego nie zostanie wykonane."));
            return;
        }
    }

    event->event_parentId = groupId;
    editedParentId = groupId;
    collectGroupEvents();
    refreshEventsTree();
    if (advanced) {
        fillAdvancedEventNames();
        savedDefinition.clear();
    }
    closeEventEditor();
}

void NetworkConfigurationWindow::showMessageBoxToggleHandler(bool value)
{
    ui->messageEdit->setEnabled(value);
}

void NetworkConfigurationWindow::systemCommandBoxToggleHandler(bool value)
{
    ui->systemCommandConfigurationButton->setEnabled(value);
}

void NetworkConfigurationWindow::sendEmailBoxToggleHandler(bool value)
{
    ui->sendEmailConfigurationButton->setEnabled(value);
}

void NetworkConfigurationWindow::shutdownSystemBoxToggleHandler(bool value)
{
    ui->shutdownSystemConfigurationButton->setEnabled(value);
}

void NetworkConfigurationWindow::outputSocketBoxToggleHandler(bool value)
{
    ui->outputSocketConfigurationButton->setEnabled(value);
}

// Each action dialog edits the caller's own handle on the action; the result
// goes to the edited event as it is found after the dialog, if it is still there.
void NetworkConfigurationWindow::systemCommandConfigurationButtonClickHandler()
{
    Event* event = editedEvent();
    if (!event)
        return;
    QSharedPointer<SysCommandAction> action = event->sysCommandAction;
    if (!SysCommandWindow::editAction(action, groupHasLocalComputer() && ups.ups_shutdown_supported))
        return;
    if ((event = editedEvent()))
        event->sysCommandAction = action;
}

void NetworkConfigurationWindow::sendEmailConfigurationButtonClickHandler()
{
    Event* event = editedEvent();
    if (!event)
        return;
    QSharedPointer<SendMailAction> action = event->sendMailAction;
    if (!SendEmailWindow::editAction(action))
        return;
    if ((event = editedEvent()))
        event->sendMailAction = action;
}

void NetworkConfigurationWindow::shutdownSystemConfigurationButtonClickHandler()
{
    Event* event = editedEvent();
    if (!event)
        return;
    QSharedPointer<PowerOffAction> action = event->powerOffAction;
    if (!PowerOffVCenterActionsWindow::editAction(action, controller, *dialogRelay, this,
                                                  groupHasLocalComputer(), ups.ups_shutdown_supported))
        return;
    if ((event = editedEvent()))
        event->powerOffAction = action;
}

void NetworkConfigurationWindow::outputSocketConfigurationButtonClickHandler()
{
    Event* event = editedEvent();
    if (!event)
        return;
    QSharedPointer<OutputSocketControlAction> action = event->outputSocketAction;
    if (!OutputSocketWindow::editAction(action, ups.output_socket1, ups.output_socket2))
        return;
    if ((event = editedEvent()))
        event->outputSocketAction = action;
}

void NetworkConfigurationWindow::advancedOptionsButtonClickHandler()
{
    const QString current = ui->workModeBox->currentText();
    const QString numbered = tr("Zdarzenie ");
    QStringList definition;
    int next = 1;
    for (const Event& event : configuration.events()) {
        if (event.event_state == current)
            definition << event.event_state << event.expressionIn << event.expressionOut;
        if (event.event_state == numbered + QString::number(next))
            ++next;
    }
    savedDefinition = definition;
    if (isNewEvent) {
        const QString proposed = numbered + QString::number(next);
        if (definition.size() < 2)
            definition.append(proposed);
        else
            definition[0] = proposed;
    }
    AdvancedOptionsWindow dialog(ups, definition, &configuration.events());
    // A new event is saved as new only, an existing one under its name only.
    dialog.disableSaveButton(!isNewEvent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList made = dialog.eventDefinition();
    if (made.size() != 3)
        return;
    if (Event* event = editedEvent()) {
        event->event_state = made.at(0);
        event->expressionIn = made.at(1);
        event->expressionOut = made.at(2);
    }
    fillAdvancedEventNames();
    ui->workModeBox->setCurrentIndex(ui->workModeBox->findText(made.at(0)));
}

void connectToService(NetworkConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay)
{
    using Controller = Luminorix::UpsSocketController;
    using Window = NetworkConfigurationWindow;
    dialog->setSocketController(controller);
    dialog->setDialogRelay(&relay);
    // Unique: replies may come while a child dialog runs, and must reach this one once.
    QObject::connect(controller, &Controller::groupReceived, dialog, &Window::setGroupsFromConfig,
                     Qt::UniqueConnection);
    QObject::connect(controller, &Controller::eventsReceived, dialog, &Window::setEventsFromConfig,
                     Qt::UniqueConnection);
    QObject::connect(controller, &Controller::allComputersReceived, dialog, &Window::setAllComputers,
                     Qt::UniqueConnection);
    QObject::connect(&relay, &DialogRelay::administratorLoggedOut, dialog,
                     [dialog] { dialog->setEnabledButtons(false); });
}
