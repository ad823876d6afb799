#include "logiinwindow.h"

#include "helpers.h"
#include "messagebox.h"
#include "ui_logiinwindow.h"
#include "upssocketcontroller.h"

#include <QTimer>
#include <QToolTip>

namespace {
const int answerTimeoutMs = 5000;
const int hintDurationMs = 5000;
} // namespace

LogiInWindow::LogiInWindow(Luminorix::UpsSocketController* controller, QWidget* parent)
    : QDialog(parent), ui(new Ui::LogiInWindow), answerTimer(nullptr), controller(controller)
{
    ui->setupUi(this);
    setFixedSize(size());
    answerTimer = new QTimer(this);
    ui->passwordEdit->setFocus(Qt::OtherFocusReason);
    ui->helpButton->setFocusPolicy(Qt::NoFocus);
    ui->helpButton->setStyleSheet(
        QStringLiteral("* {border-image: none; outline: none; min-width: 20;min-height: 20;} "));
}

LogiInWindow::~LogiInWindow()
{
    delete ui;
}

void LogiInWindow::accept()
{
    if (!answerTimer)
        answerTimer = new QTimer(this);
    // One question at a time: a second OK while waiting sends nothing.
    if (answerTimer->isActive())
        return;
    connect(answerTimer, &QTimer::timeout, this, &LogiInWindow::noResponseTimeout, Qt::UniqueConnection);
    answerTimer->setSingleShot(true);
    answerTimer->setInterval(answerTimeoutMs);
    answerTimer->start();
    emit getPassword();
}

void LogiInWindow::comparePasswords(QString pass)
{
    if (answerTimer) {
        answerTimer->stop();
        delete answerTimer;
        answerTimer = nullptr;
    }
    if (hashPassword(ui->passwordEdit->text()) == pass) {
        if (controller)
            controller->setPassword(pass);
        emit enableAdminButtons();
        QDialog::accept();
        return;
    }
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    showMessageBox(QObject::tr("Nieprawidłowe hasło"),
                   QObject::tr("Podane hasło Administratora jest nieprawidłowe"));
}

void LogiInWindow::noResponseTimeout()
{
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    showMessageBox(QObject::tr("Błąd połączenia"), QObject::tr("Brak połączenia z usługą"));
    if (answerTimer) {
        answerTimer->stop();
        answerTimer->deleteLater();
        answerTimer = nullptr;
    }
}

void LogiInWindow::displayHint()
{
    // QObject::tr on purpose: the context of these texts is "QObject", not the class.
    QToolTip::showText(ui->helpButton->mapToGlobal(QPoint(0, 0)),
                       QObject::tr("Domyślne hasło: \n\"Quillmarberon\""), ui->helpButton, QRect(),
                       hintDurationMs);
}

void connectToService(LogiInWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& /*relay*/)
{
    using Controller = Luminorix::UpsSocketController;
    QObject::connect(dialog, &LogiInWindow::getPassword, controller, &Controller::getPassword);
    QObject::connect(controller, &Controller::adminPassFromConfig, dialog, &LogiInWindow::comparePasswords);
}
