#include "logiinwindow.h"

#include "common/helpers.h"
#include "common/messagebox.h"
#include "link/upssocketcontroller.h"
#include "panel/base/answerwait.h"
#include "ui_logiinwindow.h"

#include <QToolTip>

namespace {
const int answerTimeoutMs = 5000;
const int hintDurationMs = 5000;
} // namespace

LogiInWindow::LogiInWindow(Luminorix::UpsSocketController* controller, QWidget* parent)
    : QDialog(parent), ui(new Ui::LogiInWindow),
      answerWait(new AnswerWait(this, answerTimeoutMs, "answerWait")), controller(controller)
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(answerWait, &AnswerWait::expired, this, &LogiInWindow::noResponseTimeout);
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
    // One question at a time: a second OK while waiting sends nothing.
    if (answerWait->isWaiting())
        return;
    answerWait->start();
    emit getPassword();
}

void LogiInWindow::comparePasswords(QString pass)
{
    answerWait->stop();
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
    answerWait->stop();
    showMessageBox(QObject::tr("Błąd połączenia"), QObject::tr("Brak połączenia z usługą"));
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
