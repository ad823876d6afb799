#include "sendemailwindow.h"

#include "sendmailaction.h"
#include "ui_sendemailwindow.h"

SendEmailWindow::SendEmailWindow(QWidget* parent) : QDialog(parent), ui(new Ui::SendEmailWindow)
{
    ui->setupUi(this);
    setFixedSize(size());
}

SendEmailWindow::~SendEmailWindow()
{
    delete ui;
}

bool SendEmailWindow::editAction(QSharedPointer<SendMailAction>& action)
{
    SendEmailWindow dialog;
    if (action)
        dialog.showAction(*action);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!action)
        action.reset(new SendMailAction);
    dialog.writeAction(*action);
    return true;
}

void SendEmailWindow::setSenderText(const QString& text)
{
    ui->senderEdit->setText(text);
}

QString SendEmailWindow::senderText() const
{
    return ui->senderEdit->text();
}

void SendEmailWindow::setReceiverText(const QString& text)
{
    ui->receiverEdit->setText(text);
}

QString SendEmailWindow::receiverText() const
{
    return ui->receiverEdit->text();
}

void SendEmailWindow::setSubjectText(const QString& text)
{
    ui->subjectEdit->setText(text);
}

QString SendEmailWindow::subjectText() const
{
    return ui->subjectEdit->text();
}

void SendEmailWindow::setContentText(const QString& text)
{
    ui->contentEdit->setPlainText(text);
}

QString SendEmailWindow::contentText() const
{
    return ui->contentEdit->toPlainText();
}

void SendEmailWindow::showAction(const SendMailAction& action)
{
    setSenderText(action.sender);
    setReceiverText(action.receipent);
    setSubjectText(action.subject);
    setContentText(action.body);
}

void SendEmailWindow::writeAction(SendMailAction& action) const
{
    action.sender = senderText();
    action.receipent = receiverText();
    action.subject = subjectText();
    action.body = contentText();
}
