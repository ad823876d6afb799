#pragma once

#include <QDialog>
#include <QSharedPointer>
#include <QString>

class SendMailAction;
namespace Ui {
class SendEmailWindow;
}

// Edits the e-mail an event sends. Several receivers go into the one field,
// separated by semicolons; nothing typed is checked here.
class SendEmailWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SendEmailWindow(QWidget* parent = nullptr);
    ~SendEmailWindow() override;

    void setSenderText(const QString& text);
    QString senderText() const;
    void setReceiverText(const QString& text);
    QString receiverText() const;
    void setSubjectText(const QString& text);
    QString subjectText() const;
    void setContentText(const QString& text);
    QString contentText() const;

    // The record into the fields and back; charCode is the service's and is
    // left as it is.
    void showAction(const SendMailAction& action);
    void writeAction(SendMailAction& action) const;

    // Runs the dialog on `action` (none yet: empty fields). OK writes the
    // record back, making one when there was none; Cancel changes nothing.
    // True on OK.
    static bool editAction(QSharedPointer<SendMailAction>& action);

private:
    Ui::SendEmailWindow* ui;
};
