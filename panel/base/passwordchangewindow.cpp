#include "passwordchangewindow.h"

#include "helpers.h"
#include "messagebox.h"
#include "ui_passwordchangewindow.h"
#include "upssocketcontroller.h"

#include <QTimer>

namespace {
const int answerTimeoutMs = 5000;
} // namespace

PasswordChangeWindow::PasswordChangeWindow(QString name, Luminorix::UpsSocketController* controller,
                                           QWidget* parent)
    : QDialog(parent), ui(new Ui::PasswordChangeWindow), controller(controller)
{
    ui->setupUi(this);
    ui->passEdit->setFocus(Qt::OtherFocusReason);
    setFixedSize(size());
    setWindowTitle(tr("Zmień hasło dla ") + name);
}

PasswordChangeWindow::~PasswordChangeWindow()
{
    delete ui;
}

QString PasswordChangeWindow::newPassword() const
{
    return ui->newPassEdit->text();
}

void PasswordChangeWindow::accept()
{
    if (!answerTimer) {
        answerTimer = new QTimer(this);
        answerTimer->setSingleShot(true);
        answerTimer->setInterval(answerTimeoutMs);
        connect(answerTimer, &QTimer::timeout, this, &PasswordChangeWindow::noResponseTimerTimeout);
        answerTimer->start();
    }
    emit getPassword();
}

void PasswordChangeWindow::reject()
{
    timerStop();
    QDialog::reject();
}

bool PasswordChangeWindow::oldPasswordMatches(const QString& digest)
{
    if (hashPassword(ui->passEdit->text()) == digest)
        return true;
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    showMessageBox(QObject::tr("Nieprawidłowe hasło"),
                   QObject::tr("Wprowadzono nieprawidłowe hasło administratora"));
    return false;
}

bool PasswordChangeWindow::repetitionMatches()
{
    if (ui->newPassEdit->text() == ui->newPassRepeatedEdit->text())
        return true;
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    showMessageBox(QObject::tr("Błąd"), QObject::tr("Proszę sprawdzić nowe hasło"));
    return false;
}

void PasswordChangeWindow::comparePasswords(QString password)
{
    timerStop();
    administrator = true;
    if (!oldPasswordMatches(password))
        return;
    if (ui->newPassEdit->text().isEmpty()) {
        // QObject::tr on purpose: the context of these texts is "QObject", not the class.
        showMessageBox(QObject::tr("Uwaga"), QObject::tr("Proszę wprowadzić nowe hasło"));
        return;
    }
    if (!repetitionMatches())
        return;
    QMap<QString, QString> parameters;
    parameters.insert(QStringLiteral("new_password"), ui->newPassEdit->text());
    storedNewPassword = ui->newPassEdit->text();
    adminChangeSent = true;
    emit changePassword(parameters);
}

void PasswordChangeWindow::compareNetclientPassword(QString password)
{
    timerStop();
    administrator = false;
    if (!oldPasswordMatches(password))
        return;
    if (!repetitionMatches())
        return;
    emit changeNetclientPassword(ui->newPassEdit->text());
}

void PasswordChangeWindow::passwordChanged()
{
    close();
    // Later requests must carry the new credential, or the service refuses them.
    // A confirmation without a change of ours sent must not replace it.
    if (administrator && adminChangeSent && controller)
        controller->setPassword(hashPassword(storedNewPassword));
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    showMessageBox(QObject::tr("Zmiana hasła"), QObject::tr("Hasło zostało zmienione"));
}

void PasswordChangeWindow::noResponseTimerTimeout()
{
    timerStop();
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    showMessageBox(QObject::tr("Brak odpowiedzi"), QObject::tr("Usługa Luminorix jest nieosiągalna"));
}

void PasswordChangeWindow::timerStop()
{
    if (!answerTimer)
        return;
    answerTimer->stop();
    // deleteLater: this may run inside the timer's own timeout.
    answerTimer->deleteLater();
    answerTimer = nullptr;
}

void connectToService(PasswordChangeWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& /*relay*/, PasswordChangeWindow::Mode mode)
{
    using Controller = Luminorix::UpsSocketController;
    if (mode == PasswordChangeWindow::AdministratorMode) {
        QObject::connect(dialog, &PasswordChangeWindow::getPassword, controller, &Controller::getPassword);
        QObject::connect(controller, &Controller::adminPassFromConfig, dialog,
                         &PasswordChangeWindow::comparePasswords);
        QObject::connect(dialog, &PasswordChangeWindow::changePassword, controller,
                         &Controller::changePassword);
    } else {
        QObject::connect(controller, &Controller::netclientPass, dialog,
                         &PasswordChangeWindow::compareNetclientPassword);
    }
    QObject::connect(controller, &Controller::passwordChanged, dialog,
                     &PasswordChangeWindow::passwordChanged);
}
