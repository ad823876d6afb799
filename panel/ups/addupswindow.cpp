#include "addupswindow.h"

#include "common/upsmodelcatalogue.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogguard.h"
#include "panel/base/dialogrelay.h"
#include "panel/base/formfit.h"
#include "snmpoptionswindow.h"
#include "ui_addupswindow.h"

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>

using Luminorix::Utils::SerialPort;
using Luminorix::Utils::Ups;

namespace {
const int maxNameLength = 80;

bool containsAnyCase(const QString& text, const char* part)
{
    return text.toLower().contains(QLatin1String(part));
}

bool differsAnyCase(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) != 0;
}
} // namespace

AddUpsWindow::AddUpsWindow(QList<SerialPort>* availablePorts, QWidget* parent)
    : QDialog(parent), ui(new Ui::AddUpsWindow), availablePorts(availablePorts)
{
    ui->setupUi(this);
    ui->snmpOptionsButton->hide();
    ui->communicationPortBox->hide();
    ui->communicationPortLabel->hide();
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &AddUpsWindow::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &AddUpsWindow::reject);
    connect(ui->upsModelBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { upsModelBoxCurrentIndexChangedHandler(ui->upsModelBox->itemText(index)); });
    connect(ui->communicationInterfaceBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                communicationInterfaceBoxIndexChangeHandler(ui->communicationInterfaceBox->itemText(index));
            });
    connect(ui->communicationPortBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AddUpsWindow::communicationPortBoxCurrentIndexChangeHandler);
    connect(ui->snmpOptionsButton, &QPushButton::clicked, this, &AddUpsWindow::snmpOptionsButtonClickHandler);

    // Each upper-case name once, without the virtual UPS: it has a dialog of its own.
    QStringList names;
    for (const UpsModelEntry& row : upsModelCatalogue()) {
        if (isVirtualDeviceModel(row.identifier()) || names.contains(row.upperCaseName()))
            continue;
        names.append(row.upperCaseName());
    }
    for (const QString& name : names)
        ui->upsModelBox->addItem(name.toUpper(), name);

    setFixedSize(size());
    // The labels of a larger font need a wider form.
    growWindowToText(this, ui->basicConfigurationGroup, TextRoom::Least);
    // Nothing is chosen yet, whatever the first model allows.
    okButton()->setEnabled(false);
    ui->upsNameEdit->setMaxLength(maxNameLength);
}

AddUpsWindow::~AddUpsWindow()
{
    delete ui;
}

QPushButton* AddUpsWindow::okButton() const
{
    return ui->buttonBox->button(QDialogButtonBox::Ok);
}

void AddUpsWindow::setSocketController(Luminorix::UpsSocketController* socketController)
{
    controller = socketController;
    session = SessionStamp(socketController);
    updateOkButton();
}

void AddUpsWindow::setEditMode(bool edit)
{
    editMode = edit;
}

void AddUpsWindow::setConfiguredUps(QList<Ups> upses)
{
    configuredUps = upses;
}

void AddUpsWindow::setUpsId(QString id)
{
    ups.id = id;
}

void AddUpsWindow::setModel(QString identifier)
{
    const QString name = modelForIdentifier(identifier);
    bool found = false;
    for (int i = 0; i < ui->upsModelBox->count(); ++i) {
        if (ui->upsModelBox->itemData(i).toString() == name) {
            ui->upsModelBox->setCurrentIndex(i);
            found = true;
        }
    }
    if (found) {
        ups.model_name = ui->upsModelBox->currentText();
        baselineModel = ups.model_name;
    }
    okButton()->setEnabled(false);
}

void AddUpsWindow::setCommunication(QString communication)
{
    ups.communication = communication;
    for (int i = 0; i < ui->communicationInterfaceBox->count(); ++i) {
        if (!differsAnyCase(ui->communicationInterfaceBox->itemText(i), communication))
            ui->communicationInterfaceBox->setCurrentIndex(i);
    }
    baselineCommunication = communication;
    okButton()->setEnabled(false);
}

void AddUpsWindow::setComPort(QString port)
{
    ups.com_port = port;
    for (int i = 0; i < ui->communicationPortBox->count(); ++i) {
        if (ui->communicationPortBox->itemText(i) == port)
            ui->communicationPortBox->setCurrentIndex(i);
    }
    baselinePort = port;
    okButton()->setEnabled(false);
}

void AddUpsWindow::setIpAddress(QString ip)
{
    ups.ip = ip;
    baselineIp = ip;
    okButton()->setEnabled(false);
}

void AddUpsWindow::setWriteCommunity(QString community)
{
    ups.write = community;
    baselineWrite = community;
    okButton()->setEnabled(false);
}

void AddUpsWindow::setReadCommunity(QString community)
{
    ups.read = community;
    baselineRead = community;
    okButton()->setEnabled(false);
}

void AddUpsWindow::setSnmpVersion(QString version)
{
    ups.snmp_ver = version;
    baselineVersion = version;
    okButton()->setEnabled(false);
}

void AddUpsWindow::setSerialNumber(QString serial)
{
    ups.serial_no = serial;
    baselineSerial = serial;
    okButton()->setEnabled(false);
}

void AddUpsWindow::setUserDefinedName(QString name)
{
    ups.user_defined_name = name;
    ui->upsNameEdit->setText(name);
    baselineName = name;
    okButton()->setEnabled(false);
}

void AddUpsWindow::editDevice(const Ups& device)
{
    setEditMode(true);
    setUserDefinedName(device.user_defined_name);
    setModel(device.model_name);
    setUpsId(device.id);
    setCommunication(device.communication);
    setComPort(device.com_port);
    setIpAddress(device.ip);
    setWriteCommunity(device.write);
    setReadCommunity(device.read);
    setSnmpVersion(device.snmp_ver);
    setSerialNumber(device.serial_no);
}

void AddUpsWindow::administratorLoggedOut()
{
    updateOkButton();
}

void AddUpsWindow::upsModelBoxCurrentIndexChangedHandler(QString text)
{
    const QStringList interfaces = interfacesForModel(text);
    const int savedPort = ui->communicationPortBox->currentIndex();
    ui->communicationInterfaceBox->clear();
    for (const QString& interface : interfaces)
        ui->communicationInterfaceBox->addItem(interface.toUpper(), interface);
    // The port chosen before stays chosen when the new model has RS232 too.
    for (const QString& interface : interfaces) {
        if (containsAnyCase(interface, "rs232"))
            ui->communicationPortBox->setCurrentIndex(savedPort);
    }
    updateOkButton();
}

void AddUpsWindow::communicationInterfaceBoxIndexChangeHandler(QString text)
{
    const QString interface = text.toLower();
    const int rememberedPort = ui->communicationPortBox->currentIndex();
    ui->communicationPortBox->clear();
    if (interface.contains(QLatin1String("usb"))) {
        ui->communicationPortBox->setEnabled(false);
        ui->communicationPortBox->hide();
        ui->communicationPortLabel->hide();
    } else if (interface.contains(QLatin1String("rs232"))) {
        if (availablePorts) {
            for (const SerialPort& port : *availablePorts) {
                if (!port.com_port.isEmpty())
                    ui->communicationPortBox->addItem(port.com_port, port.is_port_free);
            }
        }
        // Busy ports stay selectable: in edit mode the device's own port is one.
        // The list's own font, only slanted: a family of its own would fall back to
        // another size where it is not installed.
        QFont busyFont = ui->communicationPortBox->font();
        busyFont.setItalic(true);
        for (int i = 0; i < ui->communicationPortBox->count(); ++i) {
            if (ui->communicationPortBox->itemData(i).toBool())
                continue;
            ui->communicationPortBox->setItemData(i, busyFont, Qt::FontRole);
            ui->communicationPortBox->setItemData(i, QColor(QStringLiteral("grey")), Qt::ForegroundRole);
        }
        if (editMode)
            ui->communicationPortBox->setCurrentIndex(rememberedPort);
        ui->communicationPortBox->setEnabled(true);
        ui->communicationPortBox->show();
        ui->communicationPortLabel->show();
    } else {
        ui->communicationPortBox->setEnabled(false);
        ui->communicationPortBox->hide();
        ui->communicationPortLabel->hide();
    }
    ui->snmpOptionsButton->setVisible(interface.contains(QLatin1String("snmp")));
    updateOkButton();
}

void AddUpsWindow::communicationPortBoxCurrentIndexChangeHandler(int)
{
    updateOkButton();
}

void AddUpsWindow::on_upsNameEdit_textEdited(QString)
{
    updateOkButton();
}

void AddUpsWindow::snmpOptionsButtonClickHandler()
{
    DialogGuard<SnmpOptionsWindow> dialog(snmpWindow, new SnmpOptionsWindow(nullptr));
    const QString model = ui->upsModelBox->currentData().toString();
    dialog->setAgentIp(ups.ip);
    dialog->setReadCommunity(ups.read);
    dialog->setWriteCommunity(ups.write);
    dialog->setSnmpVersion(ups.snmp_ver, snmpVersionSelectable(model));
    dialog->setSerialNumber(ups.serial_no, hasControllerSerialNumber(model));
    if (dialog->exec() != QDialog::Accepted)
        return;
    ups.ip = dialog->agentIp();
    ups.read = dialog->readCommunity();
    ups.write = dialog->writeCommunity();
    ups.snmp_ver = dialog->snmpVersion();
    ups.serial_no = dialog->serialNumber();
    updateOkButton();
}

void AddUpsWindow::updateOkButton()
{
    okButton()->setEnabled(session.isCurrent() && okAllowed());
}

bool AddUpsWindow::okAllowed() const
{
    if (!ui->upsModelBox->currentData().toBool() || !ui->communicationInterfaceBox->currentData().toBool())
        return false;
    const QString interface = ui->communicationInterfaceBox->currentText();
    const bool usb = containsAnyCase(interface, "usb");
    const bool snmp = !usb && containsAnyCase(interface, "snmp");
    const bool rs232 = !usb && !snmp && containsAnyCase(interface, "rs232");
    if (snmp && ups.ip.isEmpty())
        return false;
    if (rs232) {
        // The device's own port is busy with it: editing accepts any port.
        const bool portChosen = editMode ? !ui->communicationPortBox->currentText().isEmpty()
                                         : ui->communicationPortBox->currentData().toBool();
        if (!portChosen)
            return false;
    }

    bool changed = differsAnyCase(ui->upsModelBox->currentText(), baselineModel) ||
                   differsAnyCase(interface, baselineCommunication) ||
                   ui->upsNameEdit->text() != baselineName;
    if (rs232)
        changed = changed || differsAnyCase(ui->communicationPortBox->currentText(), baselinePort);
    if (snmp)
        changed = changed || ups.ip != baselineIp || ups.write != baselineWrite || ups.read != baselineRead ||
                  differsAnyCase(ups.snmp_ver, baselineVersion) || ups.serial_no != baselineSerial;
    return changed;
}

bool AddUpsWindow::eventsResetNeeded(QString modelA, QString interfaceA, QString modelB, QString interfaceB)
{
    return changeResetsEvents(modelA, interfaceA, modelB, interfaceB);
}

bool AddUpsWindow::oneDevicePerClassAllowed(QString identifier)
{
    const int newClass = singleDeviceClass(identifier);
    if (newClass == 0)
        return true;
    bool occupied = false;
    for (const Ups& configured : configuredUps)
        occupied = occupied || singleDeviceClass(configured.model_name) == newClass;
    if (!occupied)
        return true;
    // A device may change within its own class.
    return editMode &&
           singleDeviceClass(modelIdentifier(ups.model_name, ups.communication.toUpper())) == newClass;
}

void AddUpsWindow::accept()
{
    const QString modelText = ui->upsModelBox->currentText();
    const QString interfaceText = ui->communicationInterfaceBox->currentText();
    const bool resetNeeded = eventsResetNeeded(modelText, interfaceText, ups.model_name, ups.communication);
    const QString identifier = modelIdentifier(modelText, interfaceText);
    if (!oneDevicePerClassAllowed(identifier)) {
        QMessageBox refusal(QMessageBox::NoIcon, tr("Uwaga"),
                            tr("Oprogramowanie wspiera monitorowanie tylko jednego urządzenia tej klasy"),
                            QMessageBox::Ok);
        refusal.setWindowIcon(QIcon(QStringLiteral(":/images/images/appicon_32.png")));
        refusal.exec();
        return;
    }

    Ups record = ups;
    record.model_name = identifier;
    record.user_defined_name = ui->upsNameEdit->text().left(maxNameLength);
    const QString interface = interfaceText.toLower();
    if (interface.contains(QLatin1String("rs232"))) {
        record.communication = QStringLiteral("rs232");
        record.com_port = ui->communicationPortBox->currentText();
        record.ip.clear();
        record.read.clear();
        record.write.clear();
        record.snmp_ver.clear();
    } else if (interface.contains(QLatin1String("usb"))) {
        record.communication = QStringLiteral("usb");
        record.com_port.clear();
        record.ip.clear();
        record.read.clear();
        record.write.clear();
        record.snmp_ver.clear();
    } else if (interface.contains(QLatin1String("snmp"))) {
        record.communication = QStringLiteral("snmp");
        record.com_port.clear();
    }

    if (editMode && resetNeeded) {
        const QMessageBox::StandardButton answer =
            QMessageBox::question(this, tr("Uwaga"),
                                  tr("Konfiguracja dla tego zasilacza zostanie przywrócona do domyślnych "
                                     "zdarzeń. Czy kontynuować?"),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        // "No" keeps the device as it is and the dialog open with the entries; so
        // does a session that ended while the question was open.
        if (answer != QMessageBox::Yes || (session.isCurrent() && !okButton()->isEnabled()))
            return;
        record.reset_events_request = true;
    }
    const bool sent = session.send([this, &record] {
        if (editMode)
            controller->changeUps(record);
        else
            controller->setNewUps(record);
        controller->getAvailablePorts();
    });
    if (!sent)
        return;
    ups = record;
    QDialog::accept();
}

void connectToService(AddUpsWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay)
{
    dialog->setSocketController(controller);
    QObject::connect(&relay, &DialogRelay::administratorLoggedOut, dialog,
                     &AddUpsWindow::administratorLoggedOut);
}
