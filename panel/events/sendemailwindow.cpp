#include "sendemailwindow.h"

#include "common/receivedtext.h"
#include "common/sendmailaction.h"
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
    ReceivedText::show(ui->senderEdit, text);
}

QString SendEmailWindow::senderText() const
{
    return ReceivedText::of(ui->senderEdit);
}

void SendEmailWindow::setReceiverText(const QString& text)
{
    ReceivedText::show(ui->receiverEdit, text);
}

QString SendEmailWindow::receiverText() const
{
    return ReceivedText::of(ui->receiverEdit);
}

void SendEmailWindow::setSubjectText(const QString& text)
{
    ReceivedText::show(ui->subjectEdit, text);
}

QString SendEmailWindow::subjectText() const
{
    return ReceivedText::of(ui->subjectEdit);
}

void SendEmailWindow::setContentText(const QString& text)
{
    ReceivedText::show(ui->contentEdit, text);
}

QString SendEmailWindow::contentText() const
{
    return ReceivedText::of(ui->contentEdit);
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
