#include "snmpoptionswindow.h"

#include "panel/base/formfit.h"
#include "ui_snmpoptionswindow.h"

#include <QMessageBox>
#include <QRegExp>

SnmpOptionsWindow::SnmpOptionsWindow(QWidget* parent) : QDialog(parent), ui(new Ui::SnmpOptionsWindow)
{
    ui->setupUi(this);
    setFixedSize(size());
    // The two-line labels of a larger font need more height than the form's.
    growWindowToText(this, ui->groupBox);
    ui->snmpVerComboBox->addItem(QStringLiteral("v1"));
    ui->snmpVerComboBox->addItem(QStringLiteral("v2c"));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &SnmpOptionsWindow::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &SnmpOptionsWindow::reject);
}

SnmpOptionsWindow::~SnmpOptionsWindow()
{
    delete ui;
}

void SnmpOptionsWindow::setAgentIp(const QString& ip)
{
    ui->agentIpEdit->setText(ip);
}

QString SnmpOptionsWindow::agentIp() const
{
    return ui->agentIpEdit->text();
}

void SnmpOptionsWindow::setReadCommunity(const QString& community)
{
    ui->readCommunityEdit->setText(community);
}

QString SnmpOptionsWindow::readCommunity() const
{
    return ui->readCommunityEdit->text();
}

void SnmpOptionsWindow::setWriteCommunity(const QString& community)
{
    ui->writeCommunityEdit->setText(community);
}

QString SnmpOptionsWindow::writeCommunity() const
{
    return ui->writeCommunityEdit->text();
}

void SnmpOptionsWindow::setSnmpVersion(const QString& version, bool selectable)
{
    ui->snmpVerComboBox->setEnabled(selectable);
    if (selectable)
        ui->snmpVerComboBox->setCurrentText(version);
    else
        ui->snmpVerComboBox->setCurrentText(QStringLiteral("v1"));
}

QString SnmpOptionsWindow::snmpVersion() const
{
    return ui->snmpVerComboBox->currentText();
}

void SnmpOptionsWindow::setSerialNumber(const QString& serial, bool visible)
{
    ui->serialNoLabel->setVisible(visible);
    ui->serialNoEdit->setVisible(visible);
    ui->serialNoEdit->setText(serial);
}

QString SnmpOptionsWindow::serialNumber() const
{
    return ui->serialNoEdit->text();
}

void SnmpOptionsWindow::accept()
{
    // The shape only: no range test, so 999 passes as a group.
    const QRegExp address(QStringLiteral("[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}"),
                          Qt::CaseSensitive, QRegExp::RegExp);
    if (!address.exactMatch(ui->agentIpEdit->text())) {
        QMessageBox::warning(this, tr("Uwaga"), tr("Wprowadzono nieprawidłowy adres IP"), QMessageBox::Ok);
        return;
    }
    QDialog::accept();
}
