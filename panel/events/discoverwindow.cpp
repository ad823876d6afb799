#include "discoverwindow.h"

#include "common/helpers.h"
#include "common/localsettings.h"
#include "common/messagebox.h"
#include "common/named.h"
#include "computerconfigurationwindow.h"
#include "networkconfiguration.h"
#include "panel/base/dialogguard.h"
#include "panel/base/dialogrelay.h"
#include "ui_discoverwindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHostAddress>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QUdpSocket>
#include <QVBoxLayout>

namespace {
const int columnWidth = 150;
const QByteArray discoveryDatagram("5");
} // namespace

DiscoverWindow::DiscoverWindow(QWidget* parent) : QDialog(parent), ui(new Ui::DiscoverWindow)
{
    ui->setupUi(this);
    managedTree = makeTree("managedTree", ui->groupBox_3);
    unmanagedTree = makeTree("unmanagedTree", ui->groupBox);
    connect(unmanagedTree, &QTreeWidget::itemSelectionChanged, this,
            &DiscoverWindow::discoveredComputerSelectionChangedHandler);
    setFixedSize(sizeHint().expandedTo(size()));
}

DiscoverWindow::~DiscoverWindow()
{
    delete ui;
}

QTreeWidget* DiscoverWindow::makeTree(const char* name, QWidget* box)
{
    auto* captions = new QHBoxLayout;
    captions->setContentsMargins(0, 5, 0, 0);
    captions->setSpacing(0);
    for (const QString& text : {tr("Nazwa"), tr("Adres")}) {
        auto* caption = new QLabel(text);
        caption->setMinimumWidth(columnWidth);
        caption->setStyleSheet(QStringLiteral("QLabel { font-weight: 600; color: #59595b; }"));
        captions->addWidget(caption);
    }
    auto* tree = named(new QTreeWidget, name);
    tree->setColumnCount(2);
    tree->setHeaderHidden(true);
    tree->setIndentation(0);
    tree->setColumnWidth(0, columnWidth);
    tree->setColumnWidth(1, columnWidth);
    auto* layout = static_cast<QVBoxLayout*>(box->layout());
    layout->addLayout(captions);
    layout->addWidget(tree);
    return tree;
}

void DiscoverWindow::setDiscoveryTargets(const QList<DiscoveryInterface>& targets, quint16 targetPort)
{
    interfaces = targets;
    port = targetPort;
}

void DiscoverWindow::fillConfiguredComputers(const QVector<Computer>& computers)
{
    configuredComputers = computers;
    static const QRegularExpression suffix(QStringLiteral(":.*$"));
    for (const Computer& computer : computers) {
        QString address = computer.computer_address;
        address.remove(suffix);
        auto* row = new QTreeWidgetItem(managedTree);
        row->setText(0, computer.computer_name);
        if (NetworkConfiguration::isLocalAddress(address)) {
            row->setText(1, LocalSettings().serverAddress());
        } else {
            // Greyed until the computer answers the datagram.
            row->setText(1, address);
            row->setFlags(row->flags() & ~Qt::ItemIsEnabled);
        }
    }
}

void DiscoverWindow::addDiscoveredComputer(QString ip)
{
    // Only an address can be taken over as a computer.
    if (QHostAddress(ip).isNull())
        return;
    for (int i = 0; i < managedTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = managedTree->topLevelItem(i);
        if (row->text(1) == ip) {
            row->setFlags(row->flags() | Qt::ItemIsEnabled);
            return;
        }
    }
    for (int i = 0; i < unmanagedTree->topLevelItemCount(); ++i) {
        if (unmanagedTree->topLevelItem(i)->text(1) == ip)
            return;
    }
    if (ownAddresses.contains(ip))
        return;
    auto* row = new QTreeWidgetItem(unmanagedTree);
    row->setText(0, ip);
    row->setText(1, ip);
}

void DiscoverWindow::discoveredComputerSelectionChangedHandler()
{
    ui->addButton->setEnabled(unmanagedTree->currentItem() != nullptr);
}

void DiscoverWindow::addButtonClickHandler()
{
    QTreeWidgetItem* current = unmanagedTree->currentItem();
    if (!current)
        return;
    pendingAddress = current->text(1);
    DialogGuard<ComputerConfigurationWindow> dialog(computerConfigurationWindow,
                                                    new ComputerConfigurationWindow(nullptr));
    connectToService(dialog.get(), controller, *dialogRelay);
    connect(dialog.get(), &ComputerConfigurationWindow::passwordConfirmed, this,
            &DiscoverWindow::takeConfirmedComputer);
    dialog->setGroups({});
    dialog->setComputerAddress(pendingAddress);
    dialog->lockAddressAndGroup();
    dialog->exec();
}

void DiscoverWindow::takeConfirmedComputer()
{
    ComputerConfigurationWindow* pending = computerConfigurationWindow;
    for (int i = 0; i < unmanagedTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = unmanagedTree->topLevelItem(i);
        if (row->text(1) != pendingAddress)
            continue;
        QTreeWidgetItem* managed = row->clone();
        managed->setText(0, pending->computerName());
        managedTree->addTopLevelItem(managed);
        delete row;
        break;
    }
    Computer computer;
    computer.computer_name = pending->computerName();
    computer.computer_address = pending->computerAddress();
    computer.computer_password = pending->password();
    takenOver.append(computer);
    pending->done(QDialog::Accepted);
}

QVector<Computer> DiscoverWindow::addedComputers() const
{
    return takenOver;
}

void DiscoverWindow::broadcast()
{
    ownAddresses.clear();
    discoverySocket = named(new QUdpSocket(this), "discoverySocket");
    const DiscoveryPlan plan = planDiscovery(interfaces ? *interfaces : systemDiscoveryInterfaces());
    ownAddresses = plan.ownAddresses;
    // A failed send is not reported; the other networks are still tried.
    for (const QHostAddress& address : plan.broadcasts) {
        discoverySocket->writeDatagram(discoveryDatagram, address, port);
        discoverySocket->flush();
    }
    discoverySocket->close();
}

int DiscoverWindow::exec()
{
    broadcast();
    return QDialog::exec();
}

void connectToService(DiscoverWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay)
{
    dialog->controller = controller;
    dialog->dialogRelay = &relay;
    QObject::connect(&relay, &DialogRelay::computerDiscovered, dialog,
                     &DiscoverWindow::addDiscoveredComputer);
}
