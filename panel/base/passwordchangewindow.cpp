#include "passwordchangewindow.h"

#include "answerwait.h"
#include "common/helpers.h"
#include "common/messagebox.h"
#include "formfit.h"
#include "link/upssocketcontroller.h"
#include "ui_passwordchangewindow.h"

namespace {
const int answerTimeoutMs = 5000;
} // namespace

PasswordChangeWindow::PasswordChangeWindow(QString name, Luminorix::UpsSocketController* controller,
                                           QWidget* parent)
    : QDialog(parent), ui(new Ui::PasswordChangeWindow),
      answerWait(new AnswerWait(this, answerTimeoutMs, "answerWait")), controller(controller),
      session(controller)
{
    ui->setupUi(this);
    connect(answerWait, &AnswerWait::expired, this, &PasswordChangeWindow::noResponseTimerTimeout);
    ui->passEdit->setFocus(Qt::OtherFocusReason);
    setFixedSize(size());
    // The labels of a larger font need a wider form.
    growWindowToText(this, ui->groupBox, TextRoom::Least);
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
    if (!session.send([this] { emit getPassword(); }))
        return;
    // A second OK while waiting keeps the first wait's clock.
    if (!answerWait->isWaiting())
        answerWait->start();
}

void PasswordChangeWindow::reject()
{
    answerWait->stop();
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
    answerWait->stop();
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
    adminChangeSent = session.send([&] { emit changePassword(parameters); });
}

void PasswordChangeWindow::compareNetclientPassword(QString password)
{
    answerWait->stop();
    administrator = false;
    if (!oldPasswordMatches(password))
        return;
    if (!repetitionMatches())
        return;
    session.send([this] { emit changeNetclientPassword(ui->newPassEdit->text()); });
}

void PasswordChangeWindow::passwordChanged()
{
    close();
    // Later requests must carry the new credential, or the service refuses them.
    // A confirmation without a change of ours sent must not replace it, nor one
    // that comes after the session ended.
    if (administrator && adminChangeSent)
        session.changeDigest(hashPassword(storedNewPassword));
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    showMessageBox(QObject::tr("Zmiana hasła"), QObject::tr("Hasło zostało zmienione"));
}

void PasswordChangeWindow::noResponseTimerTimeout()
{
    answerWait->stop();
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    showMessageBox(QObject::tr("Brak odpowiedzi"), QObject::tr("Usługa Luminorix jest nieosiągalna"));
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
