#include "computerconfigurationwindow.h"

#include "common/helpers.h"
#include "common/messagebox.h"
#include "common/receivedtext.h"
#include "link/upssocketcontroller.h"
#include "panel/base/answerwait.h"
#include "panel/base/dialogrelay.h"
#include "ui_computerconfigurationwindow.h"

#include <QIcon>
#include <QMessageBox>

namespace {
const int answerTimeoutMs = 10000;

QString withoutPort(QString address)
{
    const int colon = address.indexOf(QLatin1Char(':'));
    return colon < 0 ? address : address.left(colon);
}
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

void ComputerConfigurationWindow::setConfiguredComputers(const QVector<Computer>& computers)
{
    knownAddresses.clear();
    for (const Computer& computer : computers) {
        if (!computer.computer_address.isEmpty())
            knownAddresses.append(withoutPort(computer.computer_address));
    }
}

void ComputerConfigurationWindow::setComputerAddress(QString address)
{
    ReceivedText::show(ui->computerAddressEdit, address);
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
    return ReceivedText::of(ui->computerAddressEdit);
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
    const auto refuse = [](const QString& title, const QString& text) {
        QMessageBox box;
        box.setWindowIcon(QIcon(QStringLiteral(":/images/images/appicon_32.png")));
        box.setWindowTitle(title);
        box.setText(text);
        box.exec();
    };
    // A computer without a name cannot be told apart in the lists, one without an
    // address cannot be reached at all.
    if (computerName().trimmed().isEmpty()) {
        refuse(tr("Błędna nazwa komputera"),
               tr("Nazwa komputera nie może być pusta.\n\nWprowadź nazwę komputera i spróbuj ponownie."));
        return;
    }
    if (computerAddress().trimmed().isEmpty()) {
        refuse(tr("Błędny adres komputera"),
               tr("Adres komputera nie może być pusty.\n\nWprowadź adres komputera i spróbuj ponownie."));
        return;
    }
    // The same machine twice would get every order twice.
    if (knownAddresses.contains(withoutPort(computerAddress()))) {
        refuse(tr("Błędny adres komputera"), tr("Istnieje już komputer o podanym adresie"));
        return;
    }
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

void ComputerConfigurationWindow::netclientPasswordReceived(QString digest)
{
    // A dialog already ended (taken, or dismissed) waits only to be deleted:
    // an answer for it, or a second one, finds nothing.
    if (!isVisible())
        return;
    stopResponseTimer();
    if (hashPassword(password()) != digest) {
        showMessageBox(tr("Nieprawidłowe hasło"), tr("Podane hasło Administratora jest nieprawidłowe"));
        return;
    }
    emit passwordConfirmed();
}

void connectToService(ComputerConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& /*relay*/)
{
    using Window = ComputerConfigurationWindow;
    QObject::connect(dialog, &Window::okButtonClicked, dialog, [dialog, controller] {
        controller->getNetClientPassword({{QStringLiteral("netclient_address"), dialog->computerAddress()}});
    });
    QObject::connect(controller, &Luminorix::UpsSocketController::netclientPass, dialog,
                     &Window::netclientPasswordReceived);
    QObject::connect(dialog, &Window::cancelButtonClicked, dialog,
                     [dialog] { dialog->done(QDialog::Rejected); });
}
