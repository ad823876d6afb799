#include "computerconfigurationwindow.h"

#include "base/answerwait.h"
#include "messagebox.h"
#include "ui_computerconfigurationwindow.h"

namespace {
const int answerTimeoutMs = 10000;
} // namespace

ComputerConfigurationWindow::ComputerConfigurationWindow(QWidget* parent)
    : QDialog(parent), ui(new Ui::ComputerConfigurationWindow),
      noResponseTimer(new AnswerWait(this, answerTimeoutMs, "noResponseTimer"))
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(noResponseTimer, &AnswerWait::expired, this, &ComputerConfigurationWindow::noResponseTimeout);
}

ComputerConfigurationWindow::~ComputerConfigurationWindow()
{
    delete ui;
}

void ComputerConfigurationWindow::setGroups(QStringList names)
{
    ui->groupBox->insertItems(0, names);
}

void ComputerConfigurationWindow::setComputerAddress(QString address)
{
    ui->computerAddressEdit->setText(address);
}

void ComputerConfigurationWindow::lockAddressAndGroup()
{
    ui->groupBox->setEnabled(false);
    ui->computerAddressEdit->setEnabled(false);
}

QString ComputerConfigurationWindow::computerName() const
{
    return ui->computerNameEdit->text();
}

QString ComputerConfigurationWindow::computerAddress() const
{
    return ui->computerAddressEdit->text();
}

QString ComputerConfigurationWindow::password() const
{
    return ui->passwordEdit->text();
}

QString ComputerConfigurationWindow::groupName() const
{
    return ui->groupBox->currentText();
}

void ComputerConfigurationWindow::stopResponseTimer()
{
    noResponseTimer->stop();
}

void ComputerConfigurationWindow::okButtonClickHandler()
{
    // A second OK while an answer is awaited asks again but keeps the first deadline.
    if (!noResponseTimer->isWaiting())
        noResponseTimer->start();
    emit okButtonClicked();
}

void ComputerConfigurationWindow::cancelButtonClickHandler()
{
    noResponseTimer->stop();
    emit cancelButtonClicked();
}

void ComputerConfigurationWindow::reject()
{
    noResponseTimer->stop();
    QDialog::reject();
}

void ComputerConfigurationWindow::noResponseTimeout()
{
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    showMessageBox(QObject::tr("Brak odpowiedzi"), QObject::tr("Netclient jest nieosiągalny"));
}
